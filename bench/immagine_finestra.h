#pragma once
#include "view/superficie_disegno.h"

#include "platform/qt_dc.h"
#include "platform/qt_text_metrics.h"

#include <QImage>
#include <QPainter>

namespace tramel {

// A drawing window's picture held in an image, white to begin with, with a
// device context over it.
class ImmagineFinestra : public SuperficieDisegno {
public:
    ImmagineFinestra(int larghezza, int altezza);

    Dc& dc() override { return dc_; }
    const TextMetrics& metrics() const override { return metrics_; }
    void cls(Rgb colore) override;
    // One layer only: everything is drawn into the picture.
    void persistente(bool) override {}
    void aggiorna() override {}

    // A copy of the picture as painted so far.
    QImage fotografia() const { return image_.copy(); }

private:
    QImage image_;
    QPainter painter_;
    QtDc dc_;
    QtTextMetrics metrics_;
};

} // namespace tramel
