#include "tavola.h"

#include "colour_picker.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

namespace tramel {

namespace {

Qt::PenStyle stileQt(int stile)
{
    switch (stile) {
    case PS_DASH: return Qt::DashLine;
    case PS_DOT: return Qt::DotLine;
    case PS_DASHDOT: return Qt::DashDotLine;
    case PS_DASHDOTDOT: return Qt::DashDotDotLine;
    case PS_NULL: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}

} // namespace

Tavola::Tavola(DrawingState& stato, QWidget* parent)
    : QWidget(parent), stato_(stato), immagine_(1, 1, QImage::Format_RGB32)
{
    immagine_.fill(qtColore(sfondo_));
    setAttribute(Qt::WA_OpaquePaintEvent);
    misuraVista();
}

Tavola::~Tavola()
{
    chiudiPittore();
}

Dc& Tavola::dc()
{
    if (!pittore_) {
        pittore_ = std::make_unique<QPainter>(&immagine_);
        dc_ = std::make_unique<QtDc>(*pittore_);
    }
    return *dc_;
}

void Tavola::cls(Rgb colore)
{
    sfondo_ = colore;
    // The painter may be in use: clear through it rather than end it.
    if (pittore_)
        pittore_->fillRect(immagine_.rect(), qtColore(colore));
    else
        immagine_.fill(qtColore(colore));
}

void Tavola::aggiorna()
{
    update();
}

const QImage& Tavola::immagine()
{
    chiudiPittore();
    return immagine_;
}

void Tavola::chiudiPittore()
{
    dc_.reset();
    pittore_.reset();
}

void Tavola::misuraVista()
{
    Vista& v = stato_.vista;
    v.dpiX = logicalDpiX();
    v.dpiY = logicalDpiY();
    v.larghezzaMm = width() / v.pixelPerMmX();
    v.altezzaMm = height() / v.pixelPerMmY();
}

void Tavola::paintEvent(QPaintEvent* evento)
{
    chiudiPittore();
    QPainter p(this);
    p.drawImage(evento->rect(), immagine_, evento->rect());
    disegnaOverlay(p);
}

void Tavola::resizeEvent(QResizeEvent* evento)
{
    chiudiPittore();
    // The picture keeps what it shows; new room takes the background colour.
    QImage nuova(evento->size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    nuova.fill(qtColore(sfondo_));
    {
        QPainter p(&nuova);
        p.drawImage(0, 0, immagine_);
    }
    immagine_ = nuova;
    misuraVista();
    if (ridimensionata && evento->oldSize() != evento->size())
        ridimensionata();
}

QPointF Tavola::pixel(double x, double y) const
{
    const Punto p = dispositivoDaFinestra(stato_.vista, x, y);
    return {p.x, p.y};
}

void Tavola::disegnaOverlay(QPainter& p) const
{
    const Overlay& o = stato_.overlay;
    for (const LineaOverlay* l : {&o.Line1, &o.Line2, &o.Line3, &o.Line4}) {
        if (!l->visibile)
            continue;
        p.setPen(QPen(qtColore(l->colore), 0, stileQt(l->stile)));
        p.drawLine(pixel(l->x1, l->y1), pixel(l->x2, l->y2));
    }
    p.setBrush(Qt::NoBrush);
    for (const FormaOverlay* f : {&o.Shape1, &o.Shape2, &o.Shape3}) {
        if (!f->visibile)
            continue;
        p.setPen(QPen(qtColore(f->colore), 0));
        const QRectF r(pixel(f->sinistra, f->alto), pixel(f->sinistra + f->larghezza, f->alto + f->altezza));
        if (f->forma == FormaOverlay::Cerchio)
            p.drawEllipse(r.normalized());
        else
            p.drawRect(r.normalized());
    }
}

} // namespace tramel
