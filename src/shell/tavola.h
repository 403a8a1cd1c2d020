#pragma once
#include "platform/qt_dc.h"
#include "platform/qt_text_metrics.h"
#include "view/stato_disegno.h"
#include "view/superficie_disegno.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>

class QPainter;

namespace tramel {

// The client area of a drawing window: a picture kept between redraws, which
// the view draws on in device pixels, a transient layer over it for what is
// drawn while the persistent drawing is off (the ghost previews), and the
// overlay of the window's state (cross-hair, rubber bands, pick box, snap
// marker) painted over both. It keeps the view's client size in millimetres
// up to date.
class Tavola : public QWidget, public SuperficieDisegno {
public:
    Tavola(DrawingState& stato, QWidget* parent = nullptr);
    ~Tavola() override;

    Dc& dc() override;
    const TextMetrics& metrics() const override { return metriche_; }
    void cls(Rgb colore) override;
    void persistente(bool si) override;
    void aggiorna() override;

    // The picture as drawn so far, without the transient layer.
    const QImage& immagine();
    // The transient layer as drawn so far (transparent where empty).
    const QImage& transitoria();

    // Called after the client area has changed size.
    std::function<void()> ridimensionata;

protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    // A layer: an image with the painter and device context drawing on it
    // while it is in use.
    struct Strato {
        QImage immagine;
        std::unique_ptr<QPainter> pittore;
        std::unique_ptr<QtDc> dc;
        Dc& apri();
        void chiudi();
    };

    void chiudiPittore();
    void svuotaTransitoria();
    void misuraVista();

    DrawingState& stato_;
    Strato persistente_;
    Strato transitoria_;
    bool disegnoPersistente_ = true;
    bool transitoriaVuota_ = true;
    QtTextMetrics metriche_;
    Rgb sfondo_ = RGB(255, 255, 255);
};

} // namespace tramel
