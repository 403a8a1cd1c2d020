#include "tavola.h"

#include "view/sovrimpressione.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

namespace tramel {

Dc& Tavola::Strato::apri()
{
    if (!pittore) {
        pittore = std::make_unique<QPainter>(&immagine);
        dc = std::make_unique<QtDc>(*pittore);
    }
    return *dc;
}

void Tavola::Strato::chiudi()
{
    dc.reset();
    pittore.reset();
}

Tavola::Tavola(DrawingState& stato, QWidget* parent)
    : QWidget(parent), stato_(stato)
{
    persistente_.immagine = QImage(1, 1, QImage::Format_RGB32);
    persistente_.immagine.fill(qtColor(sfondo_));
    transitoria_.immagine = QImage(1, 1, QImage::Format_ARGB32_Premultiplied);
    transitoria_.immagine.fill(Qt::transparent);
    setAttribute(Qt::WA_OpaquePaintEvent);
    misuraVista();
}

Tavola::~Tavola()
{
    chiudiPittore();
}

Dc& Tavola::dc()
{
    if (disegnoPersistente_)
        return persistente_.apri();
    transitoriaVuota_ = false;
    return transitoria_.apri();
}

void Tavola::cls(Rgb colore)
{
    if (!disegnoPersistente_) {
        svuotaTransitoria();
        return;
    }
    sfondo_ = colore;
    // The painter may be in use: clear through it rather than end it.
    if (persistente_.pittore)
        persistente_.pittore->fillRect(persistente_.immagine.rect(), qtColor(colore));
    else
        persistente_.immagine.fill(qtColor(colore));
}

void Tavola::persistente(bool si)
{
    svuotaTransitoria();
    disegnoPersistente_ = si;
    update();
}

void Tavola::svuotaTransitoria()
{
    if (transitoriaVuota_)
        return;
    transitoriaVuota_ = true;
    QPainter* p = transitoria_.pittore.get();
    if (!p) {
        transitoria_.immagine.fill(Qt::transparent);
        return;
    }
    // The painter may be in use: clear through it, leaving its pen and brush
    // as its device context set them.
    p->save();
    p->setCompositionMode(QPainter::CompositionMode_Source);
    p->fillRect(transitoria_.immagine.rect(), Qt::transparent);
    p->restore();
}

void Tavola::aggiorna()
{
    update();
}

const QImage& Tavola::immagine()
{
    persistente_.chiudi();
    return persistente_.immagine;
}

const QImage& Tavola::transitoria()
{
    transitoria_.chiudi();
    return transitoria_.immagine;
}

void Tavola::chiudiPittore()
{
    persistente_.chiudi();
    transitoria_.chiudi();
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
    p.drawImage(evento->rect(), persistente_.immagine, evento->rect());
    if (!transitoriaVuota_)
        p.drawImage(evento->rect(), transitoria_.immagine, evento->rect());
    QtDc dc(p);
    disegnaOverlay(dc, stato_.overlay, stato_.vista);
}

void Tavola::resizeEvent(QResizeEvent* evento)
{
    chiudiPittore();
    const QSize misura = evento->size().expandedTo(QSize(1, 1));
    // The picture keeps what it shows; new room takes the background colour.
    QImage nuova(misura, QImage::Format_RGB32);
    nuova.fill(qtColor(sfondo_));
    {
        QPainter p(&nuova);
        p.drawImage(0, 0, persistente_.immagine);
    }
    persistente_.immagine = nuova;
    // A ghost is drawn again on the next move.
    transitoria_.immagine = QImage(misura, QImage::Format_ARGB32_Premultiplied);
    transitoria_.immagine.fill(Qt::transparent);
    transitoriaVuota_ = true;
    misuraVista();
    if (ridimensionata && evento->oldSize() != evento->size())
        ridimensionata();
}

} // namespace tramel
