#include "uscita.h"

#include "entities/strumenti_dc.h"
#include "geometry/intersezioni.h"
#include "platform/palette.h"
#include "platform/record_file.h"
#include "platform/rounding.h"
#include "view/disegna_entita.h"
#include "view/ritaglio.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <vector>

namespace tramel {

namespace {

constexpr double TWIPS_MM = 56.7;
constexpr double TWIPS_CM = 567;
constexpr double TWIPS_POLLICE = 1440;

// White would not show on paper: it prints black.
Rgb senzaBianco(Rgb colore)
{
    return colore == Palette::color(BIANCO) ? 0 : colore;
}

double nellaBanda(double v)
{
    return std::clamp(v, -BANDA_DISPOSITIVO, BANDA_DISPOSITIVO);
}

// A drawing point in device pixels.
Punto pixel(const Uscita& u, double x, double y)
{
    return {u.scalaant * (x - u.origstampax) * u.pxMmX, u.scalaant * (y - u.origstampay) * u.pxMmY};
}

DevPoint intero(Punto p)
{
    return {clng(nellaBanda(p.x)), clng(nellaBanda(p.y))};
}

// The pen and colours of a kind that draws itself, as the output takes them.
template <class T>
T& copiaStampa(const Uscita& u, const T& e)
{
    T& copia = copiaSu(u.dc, e);
    copia.spescont = larghezzaStampa(u, e.spescont, e.colcont);
    copia.colcont = senzaBianco(e.colcont);
    if constexpr (requires { copia.colocampitura; })
        copia.colocampitura = senzaBianco(e.colocampitura);
    return copia;
}

std::vector<Punto>& verticiPixel(const Uscita& u, const ListaVertici& e)
{
    return verticiConvertiti(e, [&](double x, double y) { return pixel(u, x, y); });
}

void segmento(const Uscita& u, double xi, double yi, double xf, double yf, float spessore, std::int32_t tratto,
              Rgb colore)
{
    Punto a = pixel(u, xi, yi), b = pixel(u, xf, yf);
    if (!ritagliaSegmento(a, b))
        return;
    const int larghezza = clng(larghezzaStampa(u, spessore, colore));
    OggettoSelezionato penna(u.dc, u.dc.CreatePen(tratto, larghezza, senzaBianco(colore)));
    u.dc.Polyline({intero(a), intero(b)});
}

void stampaLinea(const Uscita& u, const Linea& l)
{
    segmento(u, l.Xi, l.Yi, l.Xf, l.Yf, l.speslinea, l.TipoLinea, l.colorelinea);
}

void stampacerchio(const Uscita& u, const Cerchio& c)
{
    const Punto centro = pixel(u, c.Xcentro, c.Ycentro);
    const Punto punto = pixel(u, c.Xpunto, c.YPunto);
    Cerchio& copia = copiaStampa(u, c);
    copia.Xcentro = centro.x;
    copia.Ycentro = centro.y;
    copia.Xpunto = punto.x;
    copia.YPunto = punto.y;
    disCerchioDispositivo(copia, u.centro);
}

void stampaarco(const Uscita& u, const Arco& a)
{
    if (!a.cerchio() || detPinsegmento(a.p3x, a.p3y, a.p1x, a.p1y, a.p2x, a.p2y)) {
        segmento(u, a.p1x, a.p1y, a.p2x, a.p2y, a.spescont, a.trattcont, a.colcont);
        return;
    }
    disArcoDispositivo(copiaStampa(u, a), [&](double x, double y) { return pixel(u, x, y); }, u.centro);
}

// A rectangle or surface, cut to the band when it reaches beyond it.
template <class T>
T& poligonoStampa(const Uscita& u, const T& e)
{
    std::vector<Punto>& punti = verticiPixel(u, e);
    if (!dentroBanda(punti))
        punti = ritagliaPoligono(punti);
    T& copia = copiaStampa(u, e);
    copia.vertici(punti);
    return copia;
}

void stamparettangolo(const Uscita& u, const Rettangolo& r)
{
    poligonoStampa(u, r).disrettangolo();
}

void stampasuperficie(const Uscita& u, const superficie& s)
{
    poligonoStampa(u, s).disSup();
}

void stampapolilinea(const Uscita& u, const polilinea& p)
{
    const std::vector<Punto>& punti = verticiPixel(u, p);
    polilinea& copia = copiaStampa(u, p);
    for (const std::vector<Punto>& pezzo : ritagliaSpezzata(punti)) {
        copia.vertici(pezzo);
        copia.disPolyline();
    }
}

// The preview skips texts of size 0 and shows a text too small for a font as
// a dot; the printer draws every text, its height in pixels from twips.
void stampatesto(const Uscita& u, const testo& t)
{
    const double xMm = u.scalaant * (t.pos_testox - u.origstampax);
    const double yMm = u.scalaant * (t.pos_testoy - u.origstampay);
    Punto p;
    double dimensione;
    if (u.anteprima) {
        if (!(t.dimens_testo > 0))
            return;
        p = {xMm * u.pxMmX, yMm * u.pxMmY};
        dimensione = u.scalaant * t.dimens_testo / 6.7;
        if (!(dimensione > 0)) {
            u.dc.SetPixel(intero(p).x, intero(p).y, 0);
            return;
        }
    } else {
        const double twipsPixel = TWIPS_POLLICE / (u.pxMmY * 25.4);
        p = {xMm * TWIPS_MM / twipsPixel, yMm * TWIPS_MM / twipsPixel};
        dimensione = u.scalaant * t.dimens_testo / 10 * -20 / twipsPixel;
    }
    testo& copia = copiaSu(u.dc, t);
    copia.pos_testox = nellaBanda(p.x);
    copia.pos_testoy = nellaBanda(p.y);
    copia.dimens_testo = singolo(nellaBanda(dimensione));
    const Rgb vecchio = u.dc.SetTextColor(t.colore_testo);
    copia.dis_testo();
    u.dc.SetTextColor(vecchio);
}

// The PDF file to print into, asked at every print, offering the last one: a
// name with no suffix takes ".pdf", and an existing file is replaced only
// after a Yes. Nothing when the user stops.
std::optional<std::string> filePdf(const Porte& porte, const std::string& titolo)
{
    const auto scelto = porte.files.salva("Stampa su file", "Documenti PDF (*.pdf)|*.pdf", porte.stampante.nome());
    if (!scelto || scelto->empty())
        return std::nullopt;
    std::filesystem::path nome(*scelto);
    if (!nome.has_extension())
        nome += ".pdf";
    if (fileExists(nome) && porte.notifier.messaggio("File \"" + nome.string() + "\"  Esiste - Sovrapporre?", titolo,
                                                     Pulsanti::SiNo, Icona::Domanda) != Risposta::Si)
        return std::nullopt;
    return nome.string();
}

template <class T>
void segnati(const disegno& d, const Uscita& u, void (*stampaUna)(const Uscita&, const T&))
{
    perOgniVivo<T>(d, [&](const T& e) {
        if (e.stampare == 1)
            stampaUna(u, e);
    });
}

} // namespace

float larghezzaStampa(const Uscita& u, float spessore, Rgb colore)
{
    double w = u.scalaant * spessore;
    if (w == 0) {
        for (int i = 0; i < 16; ++i) {
            if (Palette::color(i) == colore) {
                w = u.scalaant * u.spesslinstampa[static_cast<std::size_t>(i)] * 10;
                break;
            }
        }
    }
    w = u.anteprima ? w / 2.8 : w * 1.44 / 2;
    return singolo(std::min(w < 1 ? 1.0 : w, BANDA_DISPOSITIVO));
}

void disegnaSegnati(const disegno& d, const Uscita& u)
{
    segnati(d, u, stampacerchio);
    segnati(d, u, stampaarco);
    segnati(d, u, stamparettangolo);
    segnati(d, u, stampasuperficie);
    segnati(d, u, stampatesto);
    if (u.anteprima) {
        segnati(d, u, stampaLinea);
        segnati(d, u, stampapolilinea);
    } else {
        segnati(d, u, stampapolilinea);
        segnati(d, u, stampaLinea);
    }
}

void anteprimastampa(const disegno& d, const std::array<float, 16>& spesslinstampa, const PrintDevice& stampante,
                     Dc& dc, const Foglio& foglio, double scala, double x, double y)
{
    const int larghezzaPx = clng(foglio.largant * foglio.pxMmX);
    const int altezzaPx = clng(foglio.altant * foglio.pxMmY);
    dc.FillRect(0, 0, larghezzaPx, altezzaPx, RGB(255, 255, 255));
    // The page in whole twips, then centimetres; the sheet's millimetres per millimetre of paper.
    const double largpagina = clng(stampante.larghezzaMm() / 25.4 * TWIPS_POLLICE) / TWIPS_CM;
    const double altpagina = clng(stampante.altezzaMm() / 25.4 * TWIPS_POLLICE) / TWIPS_CM;
    const double scalaFoglio =
        (foglio.largant < foglio.altant ? foglio.largant / largpagina : foglio.altant / altpagina) / 10;
    const Uscita u{dc, true, foglio.pxMmX, foglio.pxMmY, scala * scalaFoglio, x, y, spesslinstampa,
                   {larghezzaPx / 2.0, altezzaPx / 2.0}};
    disegnaSegnati(d, u);
}

EsitoStampa stampa(const disegno& d, const std::array<float, 16>& spesslinstampa, const Porte& porte,
                   const std::string& titolo, double scala, double x, double y)
{
    PrintDevice& p = porte.stampante;
    if (p.suFile()) {
        const auto nome = filePdf(porte, titolo);
        if (!nome)
            return EsitoStampa::Annullata;
        p.file(*nome);
    }
    const auto fallita = [&] {
        porte.notifier.messaggio("Impossibile stampare su: \"" + p.nome() + "\"", titolo, Pulsanti::Ok,
                                 Icona::Avviso);
        return EsitoStampa::Fallita;
    };
    Notifier::Occupato occupato(porte.notifier);
    Dc* dc = p.inizia();
    if (!dc)
        return fallita();
    const double pxMm = p.risoluzione() / 25.4;
    const Uscita u{*dc, false, pxMm, pxMm, scala, x, y, spesslinstampa,
                   {p.larghezzaMm() * pxMm / 2, p.altezzaMm() * pxMm / 2}};
    disegnaSegnati(d, u);
    if (!p.termina())
        return fallita();
    return EsitoStampa::Stampata;
}

} // namespace tramel
