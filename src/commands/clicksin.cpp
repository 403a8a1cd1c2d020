#include "motore_comandi.h"

#include "geometry/intersezioni.h"
#include "geometry/misure.h"
#include "geometry/trasforma_entita.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tramel {

namespace {

constexpr std::int16_t VERTICI_MASSIMI = 32767;
constexpr int BEEP_PUNTI_UGUALI = 7;

} // namespace

void CommandEngine::clicksin(float& x, float& y)
{
    clicca(x / s_.vista.scala, y / s_.vista.scala, Origine::Mouse);
}

Punto CommandEngine::agganciaPasso(double x, double y) const
{
    const std::optional<int> n = decimaliPasso();
    if (!n)
        return {x, y};
    // The step and the point on it are kept to the step's decimals, so that the
    // point is the very multiple of the step that the boxes show.
    const double p = arrotonda(s_.aiuti.passosnap, n);
    const auto nodo = [&](double k) { return arrotonda(k * p, n); };
    // The window holds the cursor in single precision: a point that it holds
    // where it would hold a node is on that node, whatever the last digits of
    // v / p say (0.3 / 0.1 is just below 3).
    const auto nellaFinestra = [&](double v) { return singolo(v * s_.vista.scala); };
    const auto sotto = [&](double v, double spostamento) {
        double k = std::floor(v / p + spostamento);
        if (nellaFinestra(nodo(k + 1) - spostamento * p) <= nellaFinestra(v))
            k += 1;
        return nodo(k);
    };
    return {sotto(x, 0), sotto(y, 0.5)};
}

void CommandEngine::premuto(bool sinistro, float X, float Y)
{
    // The click lands where the cross-hair shows it, on the step.
    const double scala = s_.vista.scala;
    const Punto p = agganciaPasso(X / scala, Y / scala);
    if (sinistro) {
        clicca(p.x, p.y, Origine::Mouse);
        return;
    }
    clickdes(static_cast<float>(p.x * scala), static_cast<float>(p.y * scala));
}

bool CommandEngine::puntoDigitato(double X, double Y)
{
    return clicca(X, Y, Origine::Digitato);
}

bool CommandEngine::clicca(double X, double Y, Origine origine)
{
    const DatiComando& c = comandoCorrente();
    if (c.famiglia == Famiglia::Nessuna || !std::isfinite(X) || !std::isfinite(Y))
        return false;
    rifiutato_ = false;
    // Only a mouse click takes the pending object-snap point; any other point drops it.
    const bool snap = origine == Origine::Mouse && prendeSnap(c);
    if (snap) {
        X = s_.snap.snapx;
        Y = s_.snap.snapy;
    }
    if (snap || origine != Origine::Mouse) {
        s_.snap.trovatosnap = 0;
        s_.snap.snapx = s_.snap.snapy = 0;
    }
    switch (c.famiglia) {
    case Famiglia::Disegno:
        clicDisegno(c, X, Y);
        break;
    case Famiglia::Misura:
        clicMisura(X, Y);
        break;
    case Famiglia::Zoom:
        if (c.comando == Comando::ZoomArea)
            clicZoomArea(X, Y);
        break;
    case Famiglia::Modifica:
        clicModifica(c, X, Y);
        break;
    case Famiglia::Stampa:
        clicStampa(X, Y);
        break;
    case Famiglia::Nessuna:
        break;
    }
    riga_.notifica();
    return !rifiutato_;
}

void CommandEngine::rifiuta()
{
    porte_.notifier.beep();
    rifiutato_ = true;
}

bool CommandEngine::prendeSnap(const DatiComando& c) const
{
    return s_.snap.trovatosnap == 1 && snapInUso(c);
}

// Whether the command at its step takes object-snap points: a filter is
// chosen, and the command is not selecting, nor one that never takes them.
bool CommandEngine::snapInUso(const DatiComando& c) const
{
    if (s_.aiuti.filtrosnap == 0)
        return false;
    switch (c.saltaSnap) {
    case SaltaSnap::Mai:
        return true;
    case SaltaSnap::Sempre:
        return false;
    case SaltaSnap::InSelezione:
        return !(s_.comandi.passocomando == PASSO_PRIMO ||
                 (s_.comandi.passocomando == PASSO_SECONDO && s_.comandi.modoselez != "Ogget"));
    }
    return false;
}

void CommandEngine::clicDisegno(const DatiComando& c, double X, double Y)
{
    recordcoma& r = s_.corrente();
    int& passo = s_.comandi.passocomando;
    // Their points are kept in single precision.
    const bool singoli = unoDi(c.comando, {Comando::Superficie, Comando::Polilinea, Comando::Arco});
    if (singoli && !(inSingolo(X) && inSingolo(Y))) {
        rifiuta();
        return;
    }
    switch (c.comando) {
    case Comando::Superficie:
    case Comando::Polilinea:
        clicPoligono(c, singolo(X), singolo(Y));
        return;
    case Comando::Arco:
        clicArco(singolo(X), singolo(Y));
        return;
    case Comando::Testo:
        if (passo != PASSO_PRIMO)
            return;
        r.x1 = X;
        r.y1 = Y;
        passo = PASSO_SECONDO;
        if (agganci_.inserisciTesto)
            agganci_.inserisciTesto(r.x1, r.y1);
        return;
    default:
        break;
    }
    if (passo == PASSO_PRIMO) {
        if (c.comando == Comando::Linea) {
            s_.ogg.ogglinea->Xi = X;
            s_.ogg.ogglinea->Yi = Y;
        } else if (c.comando == Comando::Cerchio) {
            s_.ogg.oggcerchio->Xcentro = X;
            s_.ogg.oggcerchio->Ycentro = Y;
        }
        primoPunto(X, Y);
        return;
    }
    clicUltimoPunto(c, X, Y);
}

bool CommandEngine::primoPunto(double X, double Y)
{
    if (s_.comandi.passocomando != PASSO_PRIMO)
        return false;
    recordcoma& r = s_.corrente();
    r.x1 = X;
    r.y1 = Y;
    s_.comandi.passocomando = PASSO_SECONDO;
    scrivilabel2();
    return true;
}

// The point that completes a line, a circle or a rectangle.
void CommandEngine::clicUltimoPunto(const DatiComando& c, double X, double Y)
{
    recordcoma& r = s_.corrente();
    switch (c.comando) {
    case Comando::Linea: {
        orto(X, Y);
        s_.overlay.Shape2.visibile = false;
        r.x2 = X;
        r.y2 = Y;
        s_.ogg.ogglinea->Xf = X;
        s_.ogg.ogglinea->Yf = Y;
        eseguicomando(s_.comandi.numcomando);
        break;
    }
    case Comando::Cerchio: {
        // The radius is the one typed (or written by the circle's rubber band); the click only confirms it.
        Cerchio& cerchio = *s_.ogg.oggcerchio;
        Cerchio prova = cerchio;
        prova.Xpunto = r.x1 + valNumero(riga_.Text[2].testo);
        prova.YPunto = r.y1;
        calcola_raggio_perimet_area_cerchio(prova);
        if (!finita(prova)) {
            rifiuta();
            return;
        }
        s_.overlay.Shape2.visibile = false;
        cerchio.Xpunto = prova.Xpunto;
        cerchio.YPunto = prova.YPunto;
        r.x2 = cerchio.Xpunto;
        r.y2 = cerchio.YPunto;
        eseguicomando(s_.comandi.numcomando);
        break;
    }
    case Comando::Rettangolo: {
        r.x2 = X;
        r.y2 = Y;
        Rettangolo& ret = *s_.ogg.oggrettangolo;
        ret.vertic(4);
        ret.inser_vert_ret(r.x1, r.y1, 1);
        ret.inser_vert_ret(r.x1, r.y2, 2);
        ret.inser_vert_ret(r.x2, r.y2, 3);
        ret.inser_vert_ret(r.x2, r.y1, 4);
        Rettangolo prova = ret;
        calcola_perimetro_rettangolo(prova);
        calcola_area_rettangolo(prova);
        if (!finita(prova)) {
            rifiuta();
            return;
        }
        eseguicomando(s_.comandi.numcomando);
        scrivilabel1();
        break;
    }
    default:
        break;
    }
}

// A vertex of a surface or polyline per click; the next one starts from it.
void CommandEngine::clicPoligono(const DatiComando& c, double X, double Y)
{
    const bool sup = c.comando == Comando::Superficie;
    ListaVertici& v = sup ? static_cast<ListaVertici&>(*s_.ogg.oggsuperficie)
                          : static_cast<ListaVertici&>(*s_.ogg.oggpolilinea);
    // The vertex count is a 16-bit number: it never wraps.
    if (v.vertic() >= VERTICI_MASSIMI) {
        rifiuta();
        return;
    }
    recordcoma& r = s_.corrente();
    const auto n = static_cast<std::int16_t>(v.vertic() + 1);
    if (s_.comandi.passocomando != PASSO_PRIMO) {
        orto(X, Y);
        riga_.Label1 = " " + std::string(c.nome) + ": " + strNumero(static_cast<double>(n)) + "° Vertice";
        riga_.Text[1].testo = riga_.Text[2].testo;
        r.x2 = X;
        r.y2 = Y;
    }
    v.vertic(n);
    if (sup)
        s_.ogg.oggsuperficie->inser_vert_sup(X, Y, n);
    else
        s_.ogg.oggpolilinea->inser_vert_pol(X, Y, n);
    // The chain so far stays on screen while the command runs.
    if (n > 1)
        trattoCatena(c, n);
    s_.comandi.passocomando = PASSO_SECONDO;
    r.x1 = X;
    r.y1 = Y;
    scrivilabel2();
}

void CommandEngine::clicArco(double X, double Y)
{
    recordcoma& r = s_.corrente();
    Arco& arco = *s_.ogg.oggarco;
    switch (s_.comandi.passocomando) {
    case PASSO_PRIMO:
        r.x1 = arco.p1x = X;
        r.y1 = arco.p1y = Y;
        s_.comandi.passocomando = PASSO_SECONDO;
        scrivilabel2();
        break;
    case PASSO_SECONDO:
        r.x2 = arco.p2x = X;
        r.y2 = arco.p2y = Y;
        s_.comandi.passocomando = PASSO_TERZO;
        riga_.Label1 = riga_.Label2;
        riga_.Text[1].testo = riga_.Text[2].testo;
        scrivilabel2();
        break;
    case PASSO_TERZO:
        arco.p3x = X;
        arco.p3y = Y;
        // The arc runs from p1 through falling angles to p2: a third point off that way turns it round.
        // Three points on one line make no circle and are kept as clicked.
        if (const auto c = arco.cerchio(); c && !detPinArco(X, Y, c->xc, c->yc, arco.p1x, arco.p1y, arco.p2x, arco.p2y)) {
            std::swap(arco.p1x, arco.p2x);
            std::swap(arco.p1y, arco.p2y);
        }
        eseguicomando(s_.comandi.numcomando);
        scrivilabel1();
        break;
    default:
        break;
    }
}

void CommandEngine::clicMisura(double X, double Y)
{
    if (primoPunto(X, Y))
        return;
    recordcoma& r = s_.corrente();
    orto(X, Y);
    s_.overlay.Shape2.visibile = false;
    r.x2 = X;
    r.y2 = Y;
    // No distance between a point and itself: the second point is not taken.
    if (r.x2 == r.x1 && r.y2 == r.y1) {
        for (int i = 0; i < BEEP_PUNTI_UGUALI; ++i)
            rifiuta();
        return;
    }
    eseguicomando(s_.comandi.numcomando);
}

void CommandEngine::clicZoomArea(double X, double Y)
{
    if (primoPunto(X, Y))
        return;
    recordcoma& r = s_.corrente();
    const double x1 = std::min(r.x1, X), x2 = std::max(r.x1, X);
    const double y1 = std::min(r.y1, Y), y2 = std::max(r.y1, Y);
    if (x2 - x1 < 0.01 || y2 - y1 < 0.01) {
        rifiuta();
        return;
    }
    // A window beyond the numbers makes no view: the command waits for another corner.
    const int prima = s_.comandi.numcomando;
    selzoom(x1, y1, x2, y2);
    if (s_.comandi.numcomando == prima) {
        rifiuta();
        return;
    }
    riprendi();
}

void CommandEngine::clicModifica(const DatiComando& c, double X, double Y)
{
    const bool soloSelezione = c.comando == Comando::Cancella || c.comando == Comando::ProprietaOggetto;
    if (s_.comandi.modoselez == "Ogget" && c.comando != Comando::Stira && s_.comandi.passocomando == PASSO_PRIMO) {
        selezionaoggetti(X, Y);
        scrivitrov();
        return;
    }
    recordcoma& r = s_.corrente();
    switch (s_.comandi.passocomando) {
    case PASSO_PRIMO:
        primoAngolo(X, Y);
        if (!soloSelezione)
            riga_.Text[1].abilitata = false;
        break;
    case PASSO_SECONDO: {
        r.x2 = X;
        r.y2 = Y;
        s_.comandi.passocomando = PASSO_PRIMO;
        Notifier::Occupato occupato(porte_.notifier);
        // Further windows add to the selection until the right click confirms it.
        if (c.comando == Comando::Stira)
            selezintersStira(r.x1, r.y1, r.x2, r.y2);
        else if (s_.comandi.modoselez == "Fines")
            selezfin(r.x1, r.y1, r.x2, r.y2);
        else
            selezinters(r.x1, r.y1, r.x2, r.y2);
        s_.overlay.Shape1.visibile = false;
        scrivitrov();
        break;
    }
    case PASSO_BASE:
        if (!soloSelezione)
            puntoBase(c, X, Y);
        break;
    case PASSO_FINALE:
        if (!soloSelezione)
            puntoFinale(c, X, Y);
        break;
    default:
        break;
    }
}

void CommandEngine::clicStampa(double X, double Y)
{
    if (s_.comandi.passocomando == PASSO_PRIMO) {
        primoAngolo(X, Y);
        return;
    }
    recordcoma& r = s_.corrente();
    r.x2 = X;
    r.y2 = Y;
    Notifier::Occupato occupato(porte_.notifier);
    const double x = std::min(r.x1, r.x2), y = std::min(r.y1, r.y2);
    selezinters(r.x1, r.y1, r.x2, r.y2);
    // The print origin is the window's corner with the smaller x and the smaller y.
    const AgganciMotore::Stampa& stampa = agganci_.stampa;
    if (stampa.origine)
        stampa.origine(strNumero(x), strNumero(y));
    // The pick ends here; its dialog shows again.
    annullacomando(s_.comandi.numcomando);
}

// The first corner of a selection window.
void CommandEngine::primoAngolo(double X, double Y)
{
    recordcoma& r = s_.corrente();
    r.x1 = X;
    r.y1 = Y;
    eco(X, Y);
    casella(2, true);
    riga_.Label2 = "Secondo Punto:";
    s_.comandi.passocomando = PASSO_SECONDO;
}

void CommandEngine::puntoBase(const DatiComando& c, double X, double Y)
{
    recordcoma& r = s_.corrente();
    disegnoPersistente(false);
    r.x1 = X;
    r.y1 = Y;
    s_.comandi.passocomando = PASSO_FINALE;
    riga_.Label1 = c.comando == Comando::Specchio ? "Primo Punto - Asse:" : "<" + std::string(c.nome) + "> Punto Base:";
    eco(X, Y);
    riga_.Label2 = c.comando == Comando::Ruota     ? "Angolo Rotazione:"
                   : c.comando == Comando::Specchio ? "Secondo Punto - Asse:"
                                                    : "Punto Finale:";
    riga_.Text[2].testo.clear();
}

void CommandEngine::puntoFinale(const DatiComando& c, double X, double Y)
{
    recordcoma& r = s_.corrente();
    orto(X, Y);
    // The angle of a rotation is the number in the second box, in the plain form.
    if (c.comando == Comando::Ruota) {
        r.x2 = valNumero(riga_.Text[2].testo);
    } else {
        r.x2 = X;
        r.y2 = Y;
    }
    // An edit that would take any selected entity beyond the numbers waits for another point.
    const auto& finita = agganci_.modifica.finita;
    if (finita && !finita(s_.comandi.numcomando)) {
        rifiuta();
        return;
    }
    disegnoPersistente(true);
    eseguicomando(s_.comandi.numcomando);
    scrivilabel1();
}

// Orthogonal mode: the point goes level with the first point, or plumb
// below it when it lies at least as far across as along.
void CommandEngine::orto(double& X, double& Y) const
{
    if (s_.aiuti.ortoattivo != AIUTO_ON)
        return;
    const recordcoma& r = s_.comandi.coma.at(static_cast<std::size_t>(s_.comandi.numcomando));
    ortogonale(r.x1, r.y1, X, Y);
}

void CommandEngine::ortogonale(double x0, double y0, double& X, double& Y)
{
    if (std::abs(X - x0) > std::abs(Y - y0))
        Y = y0;
    else
        X = x0;
}

// The point shown in the first box.
void CommandEngine::eco(double x, double y)
{
    riga_.Text[1].testo = scriviPunto(x, y);
}

} // namespace tramel
