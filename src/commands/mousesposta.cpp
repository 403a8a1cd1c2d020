#include "motore_comandi.h"

#include "geometry/misure.h"

#include <cmath>

namespace tramel {

namespace {

// After an object-snap search that found nothing, the next waits this long.
constexpr double PAUSA_SNAP = 0.8; // seconds
// The side of the object-snap marker.
constexpr double LATO_MARCATORE_MM = 150.0 * 25.4 / 1440;

// A square shape of the side centred on (X, Y).
void centra(FormaOverlay& f, double lato, double X, double Y)
{
    f.larghezza = f.altezza = lato;
    f.sinistra = X - lato / 2;
    f.alto = Y - lato / 2;
}

} // namespace

double CommandEngine::arrotonda(double v, std::optional<int> n)
{
    if (!n)
        return v;
    const double f = std::pow(10.0, *n);
    return std::nearbyint(v * f) / f;
}

bool CommandEngine::passoInVigore() const
{
    const float p = s_.aiuti.passosnap;
    return s_.aiuti.snapattivo == AIUTO_ON && p != 0 && std::isfinite(p);
}

std::optional<int> CommandEngine::decimaliPasso() const
{
    if (!passoInVigore())
        return std::nullopt;
    return numero_decimali_steps(s_.aiuti.passosnap);
}

void CommandEngine::mousesposta(float& X, float& Y)
{
    const double scala = s_.vista.scala;
    const Punto p = agganciaPasso(X / scala, Y / scala);
    X = static_cast<float>(p.x * scala);
    Y = static_cast<float>(p.y * scala);
    mirino(X, Y);
    const DatiComando& c = comandoCorrente();
    if (snapInUso(c))
        cercaSnap(X, Y);
    const std::optional<int> n = decimaliPasso();
    const double x = arrotonda(X / scala, n), y = arrotonda(Y / scala, n);
    riga_.Text[3].testo = " X=" + strNumero(x);
    riga_.Text[4].testo = " Y=" + strNumero(y);
    seguiCursore(c, scriviPunto(x, y), X, Y);
    riga_.notifica();
    superficie_.aggiorna();
}

// The cross-hair keeps its size, centred on the cursor; a line of no length
// takes a twentieth of the window's width.
void CommandEngine::mirino(float X, float Y)
{
    const double predefinita = s_.vista.larghezzaMm / 20;
    LineaOverlay& v = s_.overlay.Line1;
    const double lv = v.y2 - v.y1 == 0 ? predefinita : v.y2 - v.y1;
    v.x1 = v.x2 = X;
    v.y1 = Y - lv / 2;
    v.y2 = Y + lv / 2;
    LineaOverlay& o = s_.overlay.Line2;
    const double lo = o.x2 - o.x1 == 0 ? predefinita : o.x2 - o.x1;
    o.x1 = X - lo / 2;
    o.x2 = X + lo / 2;
    o.y1 = o.y2 = Y;
}

// The object-snap search under the cursor, at most once every 0.8 seconds
// after a miss; a point found takes the cursor and shows the marker.
void CommandEngine::cercaSnap(float& X, float& Y)
{
    SnapTrovato& snap = s_.snap;
    const double scala = s_.vista.scala;
    snap.trovatosnap = 0;
    // A clock that went back counts as time passed.
    const double trascorso = porte_.clock.secondi() - snap.snaptempo;
    if (trascorso > PAUSA_SNAP || trascorso < 0) {
        selezoggettifiltri(X / scala, Y / scala);
        if (snap.trovatosnap == 0)
            snap.snaptempo = porte_.clock.secondi();
    }
    FormaOverlay& marcatore = s_.overlay.Shape3;
    marcatore.visibile = snap.trovatosnap != 0;
    if (!marcatore.visibile)
        return;
    X = static_cast<float>(snap.snapx * scala);
    Y = static_cast<float>(snap.snapy * scala);
    centra(marcatore, LATO_MARCATORE_MM, X, Y);
}

// The pick box, the point echoed on the command line and the rubber band or
// ghosts, by command and step; the box the cursor writes takes the keys.
void CommandEngine::seguiCursore(const DatiComando& c, const std::string& punto, float& X, float& Y)
{
    // The text dialog is open.
    if (c.comando == Comando::Testo && s_.comandi.passocomando != PASSO_PRIMO)
        return;
    scriviCursore(c, punto, X, Y);
    // An enabled second box takes the focus from the first.
    for (int box : {1, 2})
        if (riga_.Text[box].abilitata && riga_.Picture2visibile)
            riga_.fuoco = box;
}

void CommandEngine::scriviCursore(const DatiComando& c, const std::string& punto, float& X, float& Y)
{
    const int passo = s_.comandi.passocomando;
    const recordcoma& r = s_.corrente();
    const bool ogget = s_.comandi.modoselez == "Ogget";
    using enum Comando;
    if (ogget && unoDi(c.comando, {Cancella, Sposta, Ruota, Specchio, Copia, ProprietaOggetto})) {
        centra(s_.overlay.Shape2, LATO_MIRINO_MM, X, Y);
        if (passo >= PASSO_BASE)
            riga_.Text[2].testo = punto;
        if (passo == PASSO_FINALE)
            distraccia(r.x1, r.y1, X, Y);
    } else if (unoDi(c.comando, {Sposta, Copia, Specchio, Ruota, ProprietaOggetto, Stira, Selstamp})) {
        if (passo == PASSO_SECONDO || passo == PASSO_FINALE)
            distraccia(r.x1, r.y1, X, Y);
        else if (!riga_.Text[1].testo.starts_with("Nessu") && riga_.Label2.empty())
            riga_.Text[1].testo = punto;
        else if (!riga_.Label2.starts_with("Conferma"))
            riga_.Text[2].testo = punto;
    } else if (passo != PASSO_PRIMO) {
        distraccia(r.x1, r.y1, X, Y);
    } else if (c.comando != Nessuno && c.comando != Cancella) {
        riga_.Text[1].testo = punto;
    }
}

} // namespace tramel
