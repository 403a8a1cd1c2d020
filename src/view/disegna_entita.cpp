#include "disegna_entita.h"

#include "ritaglio.h"

#include "entities/strumenti_dc.h"
#include "geometry/intersezioni.h"
#include "platform/palette.h"
#include "platform/rounding.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tramel {

namespace {

// A thickness as a pen width in pixels, t * scala / 2.5; a pen wider than the
// band would cover the screen anyway.
float larghezzaPenna(double spessore, double scala)
{
    return singolo(std::min(spessore * scala / 2.5, BANDA_DISPOSITIVO));
}

// The same, at least one pixel wide.
float larghezzaMinima1(double spessore, double scala)
{
    const float w = larghezzaPenna(spessore, scala);
    return w < 1 ? 1.0f : w;
}

DevPoint intero(const Punto& p)
{
    return {clng(p.x), clng(p.y)};
}

// The pixel at the scale origin, which every self-drawing entity plots first.
void puntoOrigine(const ContestoDisegno& c)
{
    c.dc.SetPixel(0, 0, c.primoPiano);
}

// The window's own line operation: a segment between two window points (held
// in single precision), with a pen of the given pixel width and style.
void lineaFinestra(const ContestoDisegno& c, Punto aMm, Punto bMm, int larghezza, int stile, Rgb colore)
{
    Punto a = dispositivoDaFinestra(c.vista, singolo(aMm.x), singolo(aMm.y));
    Punto b = dispositivoDaFinestra(c.vista, singolo(bMm.x), singolo(bMm.y));
    if (!ritagliaSegmento(a, b))
        return;
    OggettoSelezionato penna(c.dc, c.dc.CreatePen(stile, larghezza, colore));
    thread_local std::vector<DevPoint> segmento(2); // reused: a redraw draws many thousands
    segmento[0] = intero(a);
    segmento[1] = intero(b);
    c.dc.Polyline(segmento);
}

// A device copy of an entity, in a copy kept for each kind and thread: a
// redraw copies many thousands of entities, and assigning over the last copy
// reuses the storage of its vertex list and strings.
template <class T>
T& copiaDispositivo(const ContestoDisegno& c, const T& e)
{
    return copiaSu(c.dc, e);
}

std::vector<Punto>& verticiDispositivo(const ContestoDisegno& c, const ListaVertici& e)
{
    return verticiConvertiti(e, [&](double x, double y) { return dispositivoDaDisegno(c.vista, x, y); });
}

// The device copy of a filled entity: its pen at least one pixel wide and, when
// highlighted, outline and fill in the highlight colour.
template <class T>
T& copiaRiempita(const ContestoDisegno& c, const T& e, bool normale)
{
    T& copia = copiaDispositivo(c, e);
    copia.spescont = larghezzaMinima1(e.spescont, c.vista.scala);
    if (!normale) {
        copia.colcont = c.evidenzia;
        copia.colocampitura = c.evidenzia;
    }
    return copia;
}

// The device copy of a rectangle or surface, ready to draw itself.
template <class T>
T& poligonoDispositivo(const ContestoDisegno& c, const T& e, bool normale)
{
    puntoOrigine(c);
    std::vector<Punto>& punti = verticiDispositivo(c, e);
    if (!dentroBanda(punti))
        punti = ritagliaPoligono(punti);
    T& copia = copiaRiempita(c, e, normale);
    copia.vertici(punti);
    return copia;
}

void bordoTesto(const ContestoDisegno& c, Punto angolo1, const ScatolaTesto& scatola)
{
    const auto angolo = [&](Punto offset) {
        return Punto{angolo1.x + offset.x * c.vista.scala, angolo1.y + offset.y * c.vista.scala};
    };
    const Punto a[4] = {angolo1, angolo(scatola.angolo2), angolo(scatola.angolo3), angolo(scatola.angolo4)};
    for (int i = 0; i < 4; ++i)
        lineaFinestra(c, a[i], a[(i + 1) % 4], 1, PS_SOLID, c.evidenzia);
}

// A point held within the band.
Punto nellaBanda(Punto p)
{
    const auto banda = [](double v) { return std::clamp(v, -BANDA_DISPOSITIVO, BANDA_DISPOSITIVO); };
    return {banda(p.x), banda(p.y)};
}

// The largest radius, in pixels, of a circle the device draws in its place:
// beyond some 50 000 Qt's outline strays from the curve near the circle's
// left and right sides, then vanishes there.
constexpr double RAGGIO_CERCHIO_ESATTO = 32768;

// Whether the box of the circle about (xc, yc) of radius r, in whole pixels,
// stays within the band.
bool scatolaNellaBanda(double xc, double yc, double r)
{
    const double margine = BANDA_DISPOSITIVO - r - 1;
    return std::abs(xc) <= margine && std::abs(yc) <= margine;
}

// How far from the middle of the screen a circle drawn as chords is drawn:
// the screen's corners and the pen's reach beyond them.
double portata(Punto centroSchermo, float spessore)
{
    return std::min(std::hypot(centroSchermo.x, centroSchermo.y) + spessore / 2.0 + 1, BANDA_DISPOSITIVO / 2);
}

const std::vector<DevPoint>& interi(const std::vector<Punto>& punti)
{
    thread_local std::vector<DevPoint> p; // reused: a redraw may draw many
    p.clear();
    for (const Punto& q : punti)
        p.push_back(intero(q));
    return p;
}

// Chains of chords through the pen selected, each cut to the band.
void tratti(Dc& dc, const std::vector<std::vector<Punto>>& catene)
{
    for (const std::vector<Punto>& catena : catene)
        for (const std::vector<Punto>& pezzo : ritagliaSpezzata(catena))
            dc.Polyline(interi(pezzo));
}

// An arc that Disarco would not draw in its place: the part of it near the
// screen, as the chords it is on the screen, in the pen that Disarco would take.
void arcoLungo(Dc& dc, const Arco& copia, const Arco::Circonferenza& cerchio, Punto centroSchermo)
{
    const Punto centro{cerchio.xc, cerchio.yc};
    const double inizio = std::atan2(centro.y - copia.p1y, copia.p1x - centro.x);
    const double ampiezza =
        arcSweep(copia.p1x - centro.x, copia.p1y - centro.y, copia.p2x - centro.x, copia.p2y - centro.y);
    const double distanza = portata(centroSchermo, copia.spescont);
    OggettoSelezionato penna(dc, creaPenna(dc, copia.trattcont, copia.spescont, copia.colcont));
    tratti(dc, cordeArco(centro, cerchio.r, inizio, ampiezza, centroSchermo, distanza));
}

// A circle that Ellipse would not draw in its place: its disc near the screen
// as one polygon, closed off the screen, in the brush that discerchio would
// take, and its own chords in its pen. The path that closes the polygon is no
// part of the circle: it is filled, never stroked (on paper it may lie in the
// margins).
void cerchioLungo(Dc& dc, const Cerchio& copia, Punto centro, double raggio, Punto centroSchermo)
{
    const double distanza = portata(centroSchermo, copia.spescont);
    const std::vector<Punto> poligono = poligonoCerchio(centro, raggio, centroSchermo, distanza);
    if (poligono.empty())
        return;
    {
        OggettoSelezionato nessuna(dc, dc.CreatePen(PS_NULL, 0, 0));
        OggettoSelezionato pennello(dc, creaPennello(dc, copia.campitura, copia.colocampitura, 0));
        dc.Polygon(interi(poligono));
    }
    OggettoSelezionato penna(dc, creaPenna(dc, copia.trattcont, copia.spescont, copia.colcont));
    tratti(dc, cordeArco(centro, raggio, 0, 2 * std::numbers::pi, centroSchermo, distanza));
}

} // namespace

ContestoDisegno::ContestoDisegno(const DrawingState& s, const TextMetrics& metrics, Dc& dc)
    : dc(dc), vista(s.vista), evidenzia(Palette::color(s.colori.colevidenzia.toInt16())), primoPiano(s.forecolor),
      bordoTesto(s.aiuti.mostrabordotesto == 1), misura{metrics, s.vista.dpiX, s.vista.dpiY},
      centroSchermo{larghezzaPixel(s.vista) / 2, altezzaPixel(s.vista) / 2}
{
}

void disegnalinea(const ContestoDisegno& c, const Linea& linea, bool normale)
{
    const double scala = c.vista.scala;
    const int larghezza = std::clamp(clng(linea.speslinea * scala / 2.5), 1, static_cast<int>(BANDA_DISPOSITIVO));
    lineaFinestra(c, {linea.Xi * scala, linea.Yi * scala}, {linea.Xf * scala, linea.Yf * scala}, larghezza,
                  linea.TipoLinea, normale ? linea.colorelinea : c.evidenzia);
}

void disegnaPolilinea(const ContestoDisegno& c, const polilinea& pol, bool normale)
{
    puntoOrigine(c);
    const std::vector<Punto>& punti = verticiDispositivo(c, pol);
    polilinea& copia = copiaDispositivo(c, pol);
    copia.spescont = larghezzaMinima1(pol.spescont, c.vista.scala);
    if (!normale)
        copia.colcont = c.evidenzia;
    if (dentroBanda(punti)) {
        copia.vertici(punti);
        copia.disPolyline();
        return;
    }
    for (const std::vector<Punto>& pezzo : ritagliaSpezzata(punti)) {
        copia.vertici(pezzo);
        copia.disPolyline();
    }
}

void disegnarettangolo(const ContestoDisegno& c, const Rettangolo& ret, bool normale)
{
    poligonoDispositivo(c, ret, normale).disrettangolo();
}

void disegnasuperficie(const ContestoDisegno& c, const superficie& sup, bool normale)
{
    poligonoDispositivo(c, sup, normale).disSup();
}

void disegnacerchio(const ContestoDisegno& c, const Cerchio& cerchio, bool normale)
{
    puntoOrigine(c);
    const Punto centro = dispositivoDaDisegno(c.vista, cerchio.Xcentro, cerchio.Ycentro);
    const Punto punto = dispositivoDaDisegno(c.vista, cerchio.Xpunto, cerchio.YPunto);
    Cerchio& copia = copiaRiempita(c, cerchio, normale);
    copia.Xcentro = centro.x;
    copia.Ycentro = centro.y;
    copia.Xpunto = punto.x;
    copia.YPunto = punto.y;
    disCerchioDispositivo(copia, c.centroSchermo);
}

void disegnaarco(const ContestoDisegno& c, const Arco& arco, bool normale)
{
    if (!arco.cerchio() || detPinsegmento(arco.p3x, arco.p3y, arco.p1x, arco.p1y, arco.p2x, arco.p2y)) {
        Linea segmento;
        segmento.colorelinea = arco.colcont;
        segmento.speslinea = arco.spescont;
        segmento.TipoLinea = arco.trattcont;
        segmento.Xi = arco.p1x;
        segmento.Yi = arco.p1y;
        segmento.Xf = arco.p2x;
        segmento.Yf = arco.p2y;
        disegnalinea(c, segmento, normale);
        return;
    }
    puntoOrigine(c);
    Arco& copia = copiaDispositivo(c, arco);
    copia.spescont = larghezzaPenna(arco.spescont, c.vista.scala);
    if (!normale)
        copia.colcont = c.evidenzia;
    disArcoDispositivo(
        copia, [&](double x, double y) { return dispositivoDaDisegno(c.vista, x, y); }, c.centroSchermo);
}

void disArcoDispositivo(Arco& copia, const AlDispositivo& converti, Punto centroSchermo)
{
    const auto porta = [&](double& x, double& y) {
        const Punto p = converti(x, y);
        x = p.x;
        y = p.y;
    };
    porta(copia.p1x, copia.p1y);
    porta(copia.p2x, copia.p2y);
    porta(copia.p3x, copia.p3y);
    // Points too far out for the numbers to find their circle show nothing.
    const std::optional<Arco::Circonferenza> cerchio = copia.cerchio();
    if (!cerchio || !copia.DC)
        return;
    // Disarco caps the radius.
    if (clng(cerchio->r) <= Arco::RAGGIO_MASSIMO && scatolaNellaBanda(cerchio->xc, cerchio->yc, cerchio->r))
        copia.Disarco();
    else
        arcoLungo(*copia.DC, copia, *cerchio, centroSchermo);
}

void disCerchioDispositivo(Cerchio& copia, Punto centroSchermo)
{
    if (!copia.DC)
        return;
    // The radius the circle draws with: from the centre to the point, as the entity takes it.
    const double raggio = std::hypot(copia.Xpunto - copia.Xcentro, copia.YPunto - copia.Ycentro);
    if (raggio <= RAGGIO_CERCHIO_ESATTO && scatolaNellaBanda(copia.Xcentro, copia.Ycentro, raggio))
        copia.discerchio();
    else
        cerchioLungo(*copia.DC, copia, {copia.Xcentro, copia.Ycentro}, raggio, centroSchermo);
}

void disegnatesto(const ContestoDisegno& c, const testo& t, bool normale, const ScatolaTesto* scatola)
{
    const double s = t.dimens_testo;
    if (!(s > 0))
        return;
    const Punto finestra{t.pos_testox * c.vista.scala, t.pos_testoy * c.vista.scala};
    const Punto p = nellaBanda(dispositivoDaFinestra(c.vista, finestra.x, finestra.y));
    // The character height in pixels, negative as the text's font takes it;
    // the screen has 1440 / dpi twips per pixel.
    const double h = -2 * s * c.vista.scala / (1440 / c.vista.dpiY);
    if (h == 0) {
        c.dc.SetPixel(clng(p.x), clng(p.y), c.primoPiano);
        return;
    }
    puntoOrigine(c);
    testo& copia = copiaDispositivo(c, t);
    if (!normale)
        copia.colore_testo = c.evidenzia;
    copia.dimens_testo = singolo(h);
    copia.pos_testox = p.x;
    copia.pos_testoy = p.y;
    const Rgb vecchio = c.dc.SetTextColor(copia.colore_testo);
    copia.dis_testo();
    c.dc.SetTextColor(vecchio);
    if (c.bordoTesto)
        bordoTesto(c, finestra, scatola ? *scatola : scatolaTesto(t, c.misura));
}

} // namespace tramel
