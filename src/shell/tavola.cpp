#include "tavola.h"

#include "view/overlay.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

namespace tramel {

Tavola::Tavola(DrawingState& stato, QWidget* parent)
    : QWidget(parent), stato_(stato), immagine_(1, 1, QImage::Format_RGB32)
{
    immagine_.fill(qtColor(sfondo_));
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
        pittore_->fillRect(immagine_.rect(), qtColor(colore));
    else
        immagine_.fill(qtColor(colore));
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
    QtDc dc(p);
    disegnaOverlay(dc, stato_.overlay, stato_.vista);
}

void Tavola::resizeEvent(QResizeEvent* evento)
{
    chiudiPittore();
    // The picture keeps what it shows; new room takes the background colour.
    QImage nuova(evento->size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    nuova.fill(qtColor(sfondo_));
    {
        QPainter p(&nuova);
        p.drawImage(0, 0, immagine_);
    }
    immagine_ = nuova;
    misuraVista();
    if (ridimensionata && evento->oldSize() != evento->size())
        ridimensionata();
}

} // namespace tramel
