#include "motore_comandi.h"

#include "platform/palette.h"
#include "platform/rounding.h"

#include <algorithm>
#include <cmath>

namespace tramel {

namespace {

// The outline spans the first point and the cursor, whichever way the mouse went.
void spanna(FormaOverlay& f, double P0x, double P0y, double DXw, double DYw)
{
    f.larghezza = std::abs(DXw);
    f.altezza = std::abs(DYw);
    f.sinistra = DXw > 0 ? P0x : P0x - f.larghezza;
    f.alto = DYw > 0 ? P0y : P0y - f.altezza;
}

} // namespace

void CommandEngine::distraccia(double P0x, double P0y, float& X, float& Y)
{
    const double scala = s_.vista.scala;
    P0x *= scala;
    P0y *= scala;
    const Rgb anteprima = Palette::color(s_.colori.colanteprima.toInt16());
    Overlay& o = s_.overlay;
    o.Line3 = {true, P0x, P0y, o.Line3.x2, o.Line3.y2, anteprima, PS_SOLID, 1};
    FormaOverlay& f = o.Shape1;
    f.raster = R2_NOTMERGEPEN;
    f.colore = anteprima;
    f.campitura = CAMPITURA_NESSUNA;
    f.spessore = 1;

    const DatiComando& c = comandoCorrente();
    const int passo = s_.comandi.passocomando;
    const std::string& modo = s_.comandi.modoselez;
    using enum Comando;
    const Comando k = c.comando;
    const bool tratti = unoDi(k, {Superficie, Linea, Polilinea});
    if (s_.aiuti.ortoattivo == AIUTO_ON &&
        unoDi(k, {Superficie, Linea, Polilinea, DistanzaAngolo, Cerchio, Ruota, Sposta, Copia, Specchio, Stira}) &&
        (modo == "Ogget" || passo == PASSO_FINALE || tratti)) {
        double Xd = X, Yd = Y;
        ortogonale(P0x, P0y, Xd, Yd);
        X = static_cast<float>(Xd);
        Y = static_cast<float>(Yd);
    }
    o.Line3.x2 = X;
    o.Line3.y2 = Y;

    // The read-outs in drawing units, on the snap step's decimals while it is on.
    const std::optional<int> n = s_.aiuti.passosnap > 0 ? decimaliPasso() : std::nullopt;
    const double x0 = arrotonda(P0x / scala, n), y0 = arrotonda(P0y / scala, n);
    const double x = arrotonda(X / scala, n), y = arrotonda(Y / scala, n);
    const double DX = x - x0, DY = y - y0, L = std::sqrt(DX * DX + DY * DY);
    const double DXw = DX * scala, DYw = DY * scala, Lw = L * scala;
    const ValoriModulo& d = s_.modulo;

    if (tratti || k == DistanzaAngolo) {
        letture(DX, DY, x, y);
        riga_.Text[7].testo = " L=" + strNumero(L);
    }
    if (k == Linea || k == Polilinea)
        aspettoNuovo(o.Line3, d.gen_colorelinea, d.gen_TipoLinea, d.gen_speslinea);
    if (k == Superficie)
        aspettoNuovo(o.Line3, d.gen_colcont, d.gen_trattcont, d.gen_spescont);
    if (k == Arco) {
        letture(DX, DY, x, y);
        // The distance from the arc's first point, not a radius.
        riga_.Text[7].testo = " R=" + strNumero(L);
        if (passo == PASSO_TERZO) {
            const tramel::Arco& a = *s_.ogg.oggarco;
            o.Line4 = {true, a.p2x * scala, a.p2y * scala, X, Y, anteprima, PS_SOLID, 1};
        }
    }
    if (k == Cerchio) {
        riga_.Text[5].testo = " R=" + strNumero(L);
        // The click takes the radius from here.
        riga_.Text[2].testo = strNumero(L);
        riga_.Text[6].testo.clear();
        riga_.Text[7].testo.clear();
        f.visibile = true;
        f.forma = FormaOverlay::Cerchio;
        aspettoNuovo(f);
        f.larghezza = f.altezza = 2 * Lw;
        f.sinistra = P0x - Lw;
        f.alto = P0y - Lw;
    }
    if (k == Rettangolo) {
        letture(DX, DY, x, y);
        o.Line3.visibile = false;
        f.visibile = true;
        f.forma = FormaOverlay::Rettangolo;
        aspettoNuovo(f);
        spanna(f, P0x, P0y, DXw, DYw);
    }
    const bool finestra = modo != "Ogget";
    if ((finestra && unoDi(k, {Cancella, ProprietaOggetto})) || k == Selstamp || k == ZoomArea) {
        letture(DX, DY, x, y);
        bandaFinestra(k == ZoomArea || modo == "Fines" ? PS_SOLID : PS_DOT, P0x, P0y, DXw, DYw);
    }
    if ((finestra && unoDi(k, {Sposta, Copia, Specchio, Ruota})) || k == Stira) {
        letture(DX, DY, x, y);
        if (passo == PASSO_SECONDO)
            bandaFinestra(modo == "Fines" ? PS_SOLID : PS_DOT, P0x, P0y, DXw, DYw);
    }
    if (passo == PASSO_FINALE && unoDi(k, {Sposta, Copia, Stira, Ruota, Specchio}))
        fantasmi(c, x0, y0, x, y);
}

// The DX and DY read-outs and the cursor point in the second box.
void CommandEngine::letture(double DX, double DY, double x, double y)
{
    riga_.Text[5].testo = " DX=" + strNumero(DX);
    riga_.Text[6].testo = " DY=" + strNumero(DY);
    riga_.Text[2].testo = scriviPunto(x, y);
}

// A selection or zoom window from P0 to the cursor, in the preview colour.
void CommandEngine::bandaFinestra(int stile, double P0x, double P0y, double DXw, double DYw)
{
    s_.overlay.Line3.visibile = false;
    FormaOverlay& f = s_.overlay.Shape1;
    f.visibile = true;
    f.forma = FormaOverlay::Rettangolo;
    f.stile = stile;
    spanna(f, P0x, P0y, DXw, DYw);
}

// The band in the look of a new line or outline: its colour, its style and
// its thickness (tenths) as a width at the window's scale, one pixel at least.
void CommandEngine::aspettoNuovo(LineaOverlay& l, Rgb colore, std::int32_t tratto, std::int32_t spessore) const
{
    l.colore = colore;
    l.stile = tratto;
    l.larghezza = larghezzaBanda(spessore);
}

// The circle and rectangle bands in the look of a new outline and fill, painted over the picture.
void CommandEngine::aspettoNuovo(FormaOverlay& f) const
{
    const ValoriModulo& d = s_.modulo;
    f.raster = R2_COPYPEN;
    f.colore = d.gen_colcont;
    f.stile = d.gen_trattcont;
    f.spessore = larghezzaBanda(d.gen_spescont);
    f.coloreCampitura = d.gen_colocampitura;
    f.campitura = d.gen_campitura;
}

int CommandEngine::larghezzaBanda(std::int32_t spessore) const
{
    const double w = std::max(1.0, spessore * s_.vista.scala / 2.5);
    return std::clamp(clng(w), 1, static_cast<int>(BANDA_DISPOSITIVO));
}

} // namespace tramel
