#include "icone.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>
#include <array>
#include <utility>

namespace tramel {

namespace {

using Pittura = void (*)(QPainter&);

// An icon painted by a function in a square of `lato` units, at whatever
// size and device scale it is asked for; a disabled one turns grey as a whole.
class IconaDisegnata : public QIconEngine {
public:
    IconaDisegnata(Pittura pittura, double lato) : pittura_(pittura), lato_(lato) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scala = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        QPixmap immagine = pixmap((QSizeF(rect.size()) * scala).toSize(), mode, state);
        immagine.setDevicePixelRatio(scala);
        painter->drawPixmap(rect, immagine);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        QImage immagine(size, QImage::Format_ARGB32_Premultiplied);
        immagine.fill(Qt::transparent);
        QPainter p(&immagine);
        p.setRenderHint(QPainter::Antialiasing);
        const double unita = std::min(size.width(), size.height()) / lato_;
        p.translate((size.width() - unita * lato_) / 2, (size.height() - unita * lato_) / 2);
        p.scale(unita, unita);
        pittura_(p);
        if (mode == QIcon::Disabled) {
            p.resetTransform();
            p.setCompositionMode(QPainter::CompositionMode_SourceIn);
            p.fillRect(immagine.rect(), QColor(128, 128, 128, 160));
        }
        p.end();
        return QPixmap::fromImage(std::move(immagine));
    }

    QIconEngine* clone() const override { return new IconaDisegnata(*this); }

private:
    Pittura pittura_;
    double lato_;
};

// The colours of the pictures.
const QColor inchiostro(50, 50, 50);
const QColor blu(26, 95, 180);
const QColor azzurro(170, 205, 245);
const QColor rosso(192, 28, 40);
const QColor verde(38, 140, 80);
const QColor giallo(230, 180, 40);
const QColor grigio(200, 200, 200);
const QColor carta(255, 255, 255);

void penna(QPainter& p, const QColor& colore, double larghezza = 1, Qt::PenStyle stile = Qt::SolidLine)
{
    p.setPen(QPen(colore, larghezza, stile, Qt::RoundCap, Qt::RoundJoin));
}

void poligono(QPainter& p, std::initializer_list<QPointF> punti, const QColor& riempimento, const QColor& bordo)
{
    penna(p, bordo);
    p.setBrush(riempimento);
    p.drawPolygon(punti.begin(), static_cast<int>(punti.size()));
}

void spezzata(QPainter& p, std::initializer_list<QPointF> punti)
{
    p.drawPolyline(punti.begin(), static_cast<int>(punti.size()));
}

// A small square marking a point of an entity.
void vertice(QPainter& p, double x, double y)
{
    p.setPen(Qt::NoPen);
    p.setBrush(blu);
    p.drawRect(QRectF(x - 1.5, y - 1.5, 3, 3));
}

// The arc of the circle in r from inizio through ampiezza degrees, unfilled.
void tracciaArco(QPainter& p, const QRectF& r, double inizio, double ampiezza, const QColor& colore, double larghezza)
{
    QPainterPath tratto;
    tratto.arcMoveTo(r, inizio);
    tratto.arcTo(r, inizio, ampiezza);
    penna(p, colore, larghezza);
    p.setBrush(Qt::NoBrush);
    p.drawPath(tratto);
}

// An arrow head at (x, y) pointing along (dx, dy), a unit direction.
void punta(QPainter& p, double x, double y, double dx, double dy)
{
    const double l = 3;
    spezzata(p, {{x - l * (dx + dy), y - l * (dy - dx)}, {x, y}, {x - l * (dx - dy), y - l * (dy + dx)}});
}

void foglio(QPainter& p)
{
    poligono(p, {{3.5, 1.5}, {10.5, 1.5}, {13.5, 4.5}, {13.5, 14.5}, {3.5, 14.5}}, carta, inchiostro);
    spezzata(p, {{10.5, 1.5}, {10.5, 4.5}, {13.5, 4.5}});
}

void dischetto(QPainter& p)
{
    poligono(p, {{1.5, 1.5}, {12.5, 1.5}, {14.5, 3.5}, {14.5, 14.5}, {1.5, 14.5}}, blu, inchiostro);
    poligono(p, {{4.5, 1.5}, {11.5, 1.5}, {11.5, 6.5}, {4.5, 6.5}}, carta, inchiostro);
    poligono(p, {{4.5, 9.5}, {11.5, 9.5}, {11.5, 14.5}, {4.5, 14.5}}, grigio, inchiostro);
}

void stampante(QPainter& p)
{
    poligono(p, {{4.5, 1.5}, {11.5, 1.5}, {11.5, 6.5}, {4.5, 6.5}}, carta, inchiostro);
    poligono(p, {{1.5, 6.5}, {14.5, 6.5}, {14.5, 11.5}, {1.5, 11.5}}, grigio, inchiostro);
    poligono(p, {{4.5, 9.5}, {11.5, 9.5}, {11.5, 14.5}, {4.5, 14.5}}, carta, inchiostro);
}

// A magnifying glass with its lens centred at (x, y).
void lente(QPainter& p, double x, double y, double r)
{
    penna(p, inchiostro, 2.5);
    p.drawLine(QPointF(x + r * 0.7, y + r * 0.7), QPointF(x + r * 1.7, y + r * 1.7));
    penna(p, blu, 1.5);
    p.setBrush(azzurro);
    p.drawEllipse(QPointF(x, y), r, r);
}

void nuovo(QPainter& p)
{
    foglio(p);
}

void apri(QPainter& p)
{
    poligono(p, {{1.5, 3.5}, {6.5, 3.5}, {7.5, 5.5}, {13.5, 5.5}, {13.5, 13.5}, {1.5, 13.5}}, QColor(190, 140, 20),
             inchiostro);
    poligono(p, {{1.5, 13.5}, {4, 7.5}, {15.5, 7.5}, {13.5, 13.5}}, giallo, inchiostro);
}

void salva(QPainter& p)
{
    dischetto(p);
}

void salvaConNome(QPainter& p)
{
    p.save();
    p.scale(0.8, 0.8);
    dischetto(p);
    p.restore();
    penna(p, rosso, 2.5);
    p.drawLine(QPointF(9, 15), QPointF(14.5, 9.5));
    penna(p, inchiostro, 1.5);
    p.drawLine(QPointF(8, 16), QPointF(9, 15));
}

void chiudi(QPainter& p)
{
    foglio(p);
    penna(p, rosso, 2);
    p.drawLine(QPointF(6, 7), QPointF(11, 12));
    p.drawLine(QPointF(11, 7), QPointF(6, 12));
}

void impostaStampante(QPainter& p)
{
    stampante(p);
    penna(p, inchiostro);
    p.setBrush(blu);
    p.drawEllipse(QPointF(12.5, 12.5), 3, 3);
    p.setBrush(carta);
    p.drawEllipse(QPointF(12.5, 12.5), 1, 1);
}

void stampa(QPainter& p)
{
    stampante(p);
    penna(p, inchiostro);
    p.drawLine(QPointF(6, 11.5), QPointF(10, 11.5));
    p.drawLine(QPointF(6, 13), QPointF(10, 13));
}

void creaBmp(QPainter& p)
{
    poligono(p, {{1.5, 2.5}, {14.5, 2.5}, {14.5, 13.5}, {1.5, 13.5}}, carta, inchiostro);
    p.setPen(Qt::NoPen);
    p.setBrush(giallo);
    p.drawEllipse(QPointF(5, 6), 1.8, 1.8);
    poligono(p, {{2, 13}, {6.5, 8}, {9, 10.5}, {11, 8.5}, {14, 13}}, verde, verde);
}

void creaDxf(QPainter& p)
{
    foglio(p);
    penna(p, blu);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(8.5, 9.5), 2.5, 2.5);
    penna(p, rosso);
    p.drawLine(QPointF(5, 13), QPointF(12, 6));
}

void linea(QPainter& p)
{
    penna(p, inchiostro, 1.5);
    p.drawLine(QPointF(3, 13), QPointF(13, 3));
    vertice(p, 3, 13);
    vertice(p, 13, 3);
}

void cerchio(QPainter& p)
{
    penna(p, inchiostro, 1.5);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(8, 8), 6, 6);
    penna(p, blu);
    p.drawLine(QPointF(6, 8), QPointF(10, 8));
    p.drawLine(QPointF(8, 6), QPointF(8, 10));
}

void arco(QPainter& p)
{
    tracciaArco(p, QRectF(2.5, 4.5, 11, 11), 0, 180, inchiostro, 1.5);
    vertice(p, 2.5, 10);
    vertice(p, 13.5, 10);
}

void lettera(QPainter& p)
{
    penna(p, inchiostro, 2);
    spezzata(p, {{3, 14}, {8, 2}, {13, 14}});
    p.drawLine(QPointF(5, 10), QPointF(11, 10));
}

void polilinea(QPainter& p)
{
    penna(p, inchiostro, 1.5);
    spezzata(p, {{2, 13}, {5.5, 4.5}, {9.5, 10.5}, {14, 3}});
    for (const QPointF& v : {QPointF(2, 13), QPointF(5.5, 4.5), QPointF(9.5, 10.5), QPointF(14, 3)})
        vertice(p, v.x(), v.y());
}

void superficie(QPainter& p)
{
    poligono(p, {{2, 13}, {4, 3}, {13, 5}, {14, 13}}, azzurro, inchiostro);
    penna(p, blu);
    p.drawLine(QPointF(4, 11), QPointF(9, 5));
    p.drawLine(QPointF(8, 12), QPointF(12, 7));
}

void rettangolo(QPainter& p)
{
    penna(p, inchiostro, 1.5);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2.5, 4.5, 11, 7));
    vertice(p, 2.5, 4.5);
    vertice(p, 13.5, 11.5);
}

void zoomArea(QPainter& p)
{
    penna(p, rosso, 1, Qt::DashLine);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1.5, 1.5, 9, 7));
    lente(p, 9, 9, 3.5);
}

void zoomTutto(QPainter& p)
{
    penna(p, rosso, 1.5);
    spezzata(p, {{1, 4}, {1, 1}, {4, 1}});
    spezzata(p, {{12, 1}, {15, 1}, {15, 4}});
    spezzata(p, {{15, 12}, {15, 15}, {12, 15}});
    spezzata(p, {{4, 15}, {1, 15}, {1, 12}});
    lente(p, 7, 7, 3.5);
}

void zoomPrecedente(QPainter& p)
{
    lente(p, 6, 9, 3.5);
    penna(p, verde, 1.5);
    p.drawLine(QPointF(15, 3), QPointF(8, 3));
    punta(p, 8, 3, -1, 0);
}

void zoomPercentuale(QPainter& p)
{
    lente(p, 6, 9, 3.5);
    penna(p, rosso);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(11, 2.5), 1.2, 1.2);
    p.drawEllipse(QPointF(14, 6.5), 1.2, 1.2);
    p.drawLine(QPointF(14.5, 1.5), QPointF(10.5, 7.5));
}

void cancella(QPainter& p)
{
    poligono(p, {{3.5, 10.5}, {9.5, 4.5}, {13.5, 8.5}, {7.5, 14.5}}, carta, inchiostro);
    poligono(p, {{3.5, 10.5}, {6.5, 7.5}, {10.5, 11.5}, {7.5, 14.5}}, QColor(235, 130, 150), inchiostro);
    p.drawLine(QPointF(7.5, 14.5), QPointF(15, 14.5));
}

void sposta(QPainter& p)
{
    penna(p, inchiostro, 1.5);
    p.drawLine(QPointF(8, 1.5), QPointF(8, 14.5));
    p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
    punta(p, 8, 1.5, 0, -1);
    punta(p, 8, 14.5, 0, 1);
    punta(p, 1.5, 8, -1, 0);
    punta(p, 14.5, 8, 1, 0);
}

void copia(QPainter& p)
{
    poligono(p, {{1.5, 1.5}, {10.5, 1.5}, {10.5, 10.5}, {1.5, 10.5}}, carta, inchiostro);
    poligono(p, {{5.5, 5.5}, {14.5, 5.5}, {14.5, 14.5}, {5.5, 14.5}}, azzurro, blu);
}

void ruota(QPainter& p)
{
    tracciaArco(p, QRectF(2.5, 2.5, 11, 11), 90, 270, inchiostro, 1.5);
    punta(p, 13.5, 8, 0, 1);
}

void specchio(QPainter& p)
{
    penna(p, rosso, 1, Qt::DashLine);
    p.drawLine(QPointF(8, 0.5), QPointF(8, 15.5));
    poligono(p, {{6.5, 3}, {6.5, 13}, {1.5, 13}}, blu, blu);
    poligono(p, {{9.5, 3}, {9.5, 13}, {14.5, 13}}, carta, blu);
}

void stira(QPainter& p)
{
    penna(p, inchiostro, 1.5);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1.5, 4.5, 7, 7));
    penna(p, inchiostro, 1, Qt::DotLine);
    spezzata(p, {{8.5, 4.5}, {14.5, 4.5}, {14.5, 11.5}, {8.5, 11.5}});
    penna(p, verde, 1.5);
    p.drawLine(QPointF(6, 8), QPointF(13, 8));
    punta(p, 13, 8, 1, 0);
}

void proprieta(QPainter& p)
{
    poligono(p, {{1.5, 2.5}, {14.5, 2.5}, {14.5, 13.5}, {1.5, 13.5}}, carta, inchiostro);
    const std::array<QColor, 3> colori = {rosso, verde, blu};
    for (std::size_t i = 0; i < 3; ++i) {
        const double y = 5.5 + 3 * static_cast<double>(i);
        p.setPen(Qt::NoPen);
        p.setBrush(colori[i]);
        p.drawRect(QRectF(3, y - 1, 2, 2));
        penna(p, inchiostro);
        p.drawLine(QPointF(6.5, y), QPointF(12.5, y));
    }
}

void distanzaAngolo(QPainter& p)
{
    penna(p, inchiostro, 1.5);
    p.drawLine(QPointF(2, 13), QPointF(15, 13));
    p.drawLine(QPointF(2, 13), QPointF(12, 2));
    tracciaArco(p, QRectF(-5, 6, 14, 14), 0, 48, rosso, 1.5);
}

void programma(QPainter& p)
{
    penna(p, QColor(40, 60, 110), 3);
    p.setBrush(QColor(250, 250, 245));
    p.drawRect(QRectF(8, 4, 48, 56));
    p.setBrush(Qt::NoBrush);
    penna(p, QColor(0, 90, 200), 3);
    p.drawEllipse(QPointF(30, 34), 14, 14);
    penna(p, QColor(200, 30, 30), 3);
    p.drawLine(QPointF(14, 54), QPointF(50, 12));
}

// A blue tile with a T drawn as a drafting square, and a compass stroke across it.
void logo(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(blu);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    penna(p, carta, 8, Qt::SolidLine);
    p.drawLine(QPointF(14, 16), QPointF(50, 16));
    p.drawLine(QPointF(32, 16), QPointF(32, 50));
    tracciaArco(p, QRectF(12, 24, 40, 40), 200, 140, giallo, 4);
}

QIcon icona(Pittura pittura, double lato)
{
    return QIcon(new IconaDisegnata(pittura, lato));
}

} // namespace

QIcon iconaProgramma()
{
    return icona(programma, 64);
}

QIcon logoSocieta()
{
    return icona(logo, 64);
}

Immagine::Immagine(QIcon icona, int lato, QWidget* parent) : QWidget(parent), icona_(std::move(icona))
{
    setFixedSize(lato, lato);
}

void Immagine::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    icona_.paint(&p, rect());
}

QIcon iconaPulsante(std::string_view testo)
{
    static const std::array<std::pair<std::string_view, Pittura>, 28> pitture = {{
        {"Nuovo", nuovo},
        {"Apri", apri},
        {"Salva", salva},
        {"Salva Con Nome", salvaConNome},
        {"Chiudi", chiudi},
        {"Imposta Stampante", impostaStampante},
        {"Stampa", stampa},
        {"Crea BMP", creaBmp},
        {"Crea DXF", creaDxf},
        {"Linea", linea},
        {"Cerchio", cerchio},
        {"Arco", arco},
        {"Testo", lettera},
        {"Polilinea", polilinea},
        {"Superficie", superficie},
        {"Rettangolo", rettangolo},
        {"Zoom Area", zoomArea},
        {"Zoom Tutto", zoomTutto},
        {"Zoom Precedente", zoomPrecedente},
        {"Zoom Percentuale", zoomPercentuale},
        {"Cancella", cancella},
        {"Sposta", sposta},
        {"Copia", copia},
        {"Ruota", ruota},
        {"Specchio", specchio},
        {"Stira", stira},
        {"Proprietà Oggetto", proprieta},
        {"Distanza-Angolo", distanzaAngolo},
    }};
    for (const auto& [nome, pittura] : pitture)
        if (nome == testo)
            return icona(pittura, 16);
    return {};
}

} // namespace tramel
