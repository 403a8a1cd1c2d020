#pragma once
#include "platform/qt_dc.h"
#include "platform/qt_text_metrics.h"
#include "view/drawing_state.h"
#include "view/superficie.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>

class QPainter;

namespace tramel {

// The client area of a drawing window: a picture kept between redraws, which
// the view draws on in device pixels, shown with the overlay of the window's
// state (cross-hair, rubber bands, pick box, snap marker) painted over it.
// It keeps the view's client size in millimetres up to date.
class Tavola : public QWidget, public SuperficieDisegno {
public:
    Tavola(DrawingState& stato, QWidget* parent = nullptr);
    ~Tavola() override;

    Dc& dc() override;
    const TextMetrics& metrics() const override { return metriche_; }
    void cls(Rgb colore) override;
    void aggiorna() override;

    // The picture as drawn so far.
    const QImage& immagine();

    // Called after the client area has changed size.
    std::function<void()> ridimensionata;

protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void chiudiPittore();
    void misuraVista();

    DrawingState& stato_;
    QImage immagine_;
    std::unique_ptr<QPainter> pittore_;
    std::unique_ptr<QtDc> dc_;
    QtTextMetrics metriche_;
    Rgb sfondo_ = RGB(255, 255, 255);
};

} // namespace tramel
