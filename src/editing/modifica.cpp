#include "modifica.h"

#include "geometry/misure.h"
#include "geometry/trasformazioni.h"
#include "platform/rounding.h"
#include "view/comando.h"

#include <memory>
#include <utility>

namespace tramel {

namespace {

// The kinds differ only in the functions below: which points a transform
// moves, what "Stira" moves, "Ruota" and "Specchio" add, and what a copy takes.

// Moves the point held in x, y by f.
template <class F>
void applica(double& x, double& y, const F& f)
{
    const Punto p = f(Punto{x, y});
    x = p.x;
    y = p.y;
}

// A circle's point on the circumference goes straight to the right of its
// centre, at the radius, whenever the centre moves.
void piazzaPunto(Cerchio& c)
{
    c.Xpunto = c.Xcentro + c.raggio;
    c.YPunto = c.Ycentro;
}

template <class F>
void trasforma(Linea& l, const F& f)
{
    applica(l.Xi, l.Yi, f);
    applica(l.Xf, l.Yf, f);
}

template <class F>
void trasforma(Arco& a, const F& f)
{
    applica(a.p1x, a.p1y, f);
    applica(a.p2x, a.p2y, f);
    applica(a.p3x, a.p3y, f);
}

template <class F>
void trasforma(ListaVertici& v, const F& f)
{
    for (int i = 1; i <= v.vertic(); ++i)
        v.punto(i, f(v.punto(i)));
}

// Only the centre moves: the circle keeps its radius.
template <class F>
void trasforma(Cerchio& c, const F& f)
{
    applica(c.Xcentro, c.Ycentro, f);
    piazzaPunto(c);
}

// Only the reference point moves.
template <class F>
void trasforma(testo& t, const F& f)
{
    applica(t.pos_testox, t.pos_testoy, f);
}

// "Stira": only the points whose stretch mark is 1 move, and their marks are cleared.
void segnato(std::int16_t& segno, double& x, double& y, Spostamento d)
{
    if (segno != 1)
        return;
    applica(x, y, d);
    segno = 0;
}

void stira(Linea& l, Spostamento d, Punto)
{
    segnato(l.vert1_selez, l.Xi, l.Yi, d);
    segnato(l.vert2_selez, l.Xf, l.Yf, d);
}

// The third point follows either end; then the ends are put back in the order
// that draws the arc through it.
void stira(Arco& a, Spostamento d, Punto base)
{
    if (a.vert1_selez == 1 || a.vert2_selez == 1)
        applica(a.p3x, a.p3y, d);
    segnato(a.vert1_selez, a.p1x, a.p1y, d);
    segnato(a.vert2_selez, a.p2x, a.p2y, d);
    riordinaEstremiArco(a, base);
}

void stira(ListaVertici& v, Spostamento d, Punto)
{
    for (int i = 1; i <= v.vertic(); ++i) {
        std::int16_t segno = 0;
        v.prel_vertselez(segno, i);
        if (segno == 1) {
            v.punto(i, d(v.punto(i)));
            v.ins_vertselez(0, i);
        }
    }
}

void stira(superficie& sup, Spostamento d, Punto base)
{
    stira(static_cast<ListaVertici&>(sup), d, base);
    calcola_perimetro_superficie(sup);
    calcola_area_superficie(sup);
}

void stira(Rettangolo& ret, Spostamento d, Punto base)
{
    stira(static_cast<ListaVertici&>(ret), d, base);
    calcola_perimetro_rettangolo(ret);
    calcola_area_rettangolo(ret);
}

// Circles and texts carry no marks: they move whole.
void stira(Cerchio& c, Spostamento d, Punto) { trasforma(c, d); }
void stira(testo& t, Spostamento d, Punto) { trasforma(t, d); }

template <class T>
void ruota(T& e, const Rotazione& r, double)
{
    trasforma(e, r);
}

void ruota(testo& t, const Rotazione& r, double gradi)
{
    trasforma(t, r);
    t.ang_testo(clng(t.ang_testo() + variazioneAngoloTesto(gradi)));
}

template <class T>
void specchia(T& e, const Specchio& m)
{
    trasforma(e, m);
}

// A reflection turns the arc's way round: its ends swap to keep it drawn through p3.
void specchia(Arco& a, const Specchio& m)
{
    trasforma(a, m);
    std::swap(a.p1x, a.p2x);
    std::swap(a.p1y, a.p2y);
}

// The attributes and points a copy takes; what is not named here (the print
// flag, the stretch marks, a text's drawn length) starts afresh.
void copiaDa(const Linea& o, Linea& n)
{
    n.colorelinea = o.colorelinea;
    n.speslinea = o.speslinea;
    n.TipoLinea = o.TipoLinea;
    n.Xi = o.Xi;
    n.Yi = o.Yi;
    n.Xf = o.Xf;
    n.Yf = o.Yf;
}

void copiaDa(const Arco& o, Arco& n)
{
    n.colcont = o.colcont;
    n.spescont = o.spescont;
    n.trattcont = o.trattcont;
    n.p1x = o.p1x;
    n.p1y = o.p1y;
    n.p2x = o.p2x;
    n.p2y = o.p2y;
    n.p3x = o.p3x;
    n.p3y = o.p3y;
}

void copiaVertici(const ListaVertici& o, ListaVertici& n)
{
    n.vertic(o.vertic());
    for (int i = 1; i <= o.vertic(); ++i)
        n.punto(i, o.punto(i));
}

void copiaDa(const polilinea& o, polilinea& n)
{
    n.colcont = o.colcont;
    n.DC = o.DC;
    n.spescont = o.spescont;
    n.trattcont = o.trattcont;
    copiaVertici(o, n);
}

// Surfaces and rectangles take their measures along.
void copiaDa(const Poligono& o, Poligono& n)
{
    n.campitura = o.campitura;
    n.colcont = o.colcont;
    n.colocampitura = o.colocampitura;
    n.DC = o.DC;
    n.perimet = o.perimet;
    n.spescont = o.spescont;
    n.supf = o.supf;
    n.trattcont = o.trattcont;
    copiaVertici(o, n);
}

void copiaDa(const Cerchio& o, Cerchio& n)
{
    n.campitura = o.campitura;
    n.colcont = o.colcont;
    n.colocampitura = o.colocampitura;
    n.DC = o.DC;
    n.perimet = o.perimet;
    n.spescont = o.spescont;
    n.supf = o.supf;
    n.trattcont = o.trattcont;
    n.raggio = o.raggio;
    n.Xcentro = o.Xcentro;
    n.Ycentro = o.Ycentro;
}

void copiaDa(const testo& o, testo& n)
{
    n.ang_testo(o.ang_testo());
    n.barrato_testo = o.barrato_testo;
    n.bold_testo = o.bold_testo;
    n.carattere_testo(o.carattere_testo());
    n.colore_testo = o.colore_testo;
    n.corsivo_testo = o.corsivo_testo;
    n.dimens_testo = o.dimens_testo;
    n.sottolineato_testo = o.sottolineato_testo;
    n.stringa_testo = o.stringa_testo;
    n.opaco_testo = o.opaco_testo;
    n.colore_opaco_testo = o.colore_opaco_testo;
    n.pos_testox = o.pos_testox;
    n.pos_testoy = o.pos_testoy;
}

// A new, unselected entity with the source's attributes and its points moved by f.
template <class T, class F>
std::unique_ptr<T> copia(const T& sorgente, const F& f)
{
    auto nuova = std::make_unique<T>();
    copiaDa(sorgente, *nuova);
    f(*nuova);
    return nuova;
}

// The one walk every kind shares.
template <class T>
void esegui(DrawingState& s, int ii, std::int16_t& trovato)
{
    const recordcoma& r = s.comandi.coma.at(static_cast<std::size_t>(ii));
    const Comando cmd = comando(r.nome());
    Collezione<T>& c = collezione<T>(s.dis);
    const Punto p1{r.x1, r.y1};
    const Punto p2{r.x2, r.y2};
    const Spostamento sposta = Spostamento::da(p1, p2);
    const double gradi = r.x2; // "Ruota" keeps its angle where the final point would be
    const Rotazione rotazione(p1, gradi);
    const Specchio specchio(p1, p2);

    const int n = c.Count(); // copies appended by this walk are not walked
    for (int k = 1; k <= n; ++k) {
        T& e = c.Item(k);
        if (e.stato != STATO_SELEZIONATO)
            continue;
        trovato = 1;
        e.stato = STATO_NORMALE;
        switch (cmd) {
        case Comando::Cancella:
            e.stato = STATO_CANCELLATO; // it keeps its position
            break;
        case Comando::Sposta:
            trasforma(e, sposta);
            break;
        case Comando::Stira:
            stira(e, sposta, p1);
            break;
        case Comando::Ruota:
            ruota(e, rotazione, gradi);
            break;
        case Comando::Copia:
            c.Add(copia(e, [&](T& x) { trasforma(x, sposta); }));
            break;
        case Comando::Specchio:
            c.Add(copia(e, [&](T& x) { specchia(x, specchio); }));
            break;
        default:
            break;
        }
    }
}

} // namespace

void eseguiComandoModifica_su_Superfici(DrawingState& s, int& ii, std::int16_t& trovato)
{
    esegui<superficie>(s, ii, trovato);
}

void eseguiComandoModifica_su_Linee(DrawingState& s, int& ii, std::int16_t& trovato)
{
    esegui<Linea>(s, ii, trovato);
}

void eseguiComandoModifica_su_Rettangoli(DrawingState& s, int& ii, std::int16_t& trovato)
{
    esegui<Rettangolo>(s, ii, trovato);
}

void eseguiComandoModifica_su_Testi(DrawingState& s, int& ii, std::int16_t& trovato)
{
    esegui<testo>(s, ii, trovato);
}

void eseguiComandoModifica_su_Cerchi(DrawingState& s, int& ii, std::int16_t& trovato)
{
    esegui<Cerchio>(s, ii, trovato);
}

void eseguiComandoModifica_su_Archi(DrawingState& s, int& ii, std::int16_t& trovato)
{
    esegui<Arco>(s, ii, trovato);
}

void eseguiComandoModifica_su_Polilinee(DrawingState& s, int& ii, std::int16_t& trovato)
{
    esegui<polilinea>(s, ii, trovato);
}

void eseguiComandiModifica(DrawingState& s, int& ii, std::int16_t& trovato)
{
    eseguiComandoModifica_su_Superfici(s, ii, trovato);
    eseguiComandoModifica_su_Linee(s, ii, trovato);
    eseguiComandoModifica_su_Rettangoli(s, ii, trovato);
    eseguiComandoModifica_su_Testi(s, ii, trovato);
    eseguiComandoModifica_su_Cerchi(s, ii, trovato);
    eseguiComandoModifica_su_Archi(s, ii, trovato);
    eseguiComandoModifica_su_Polilinee(s, ii, trovato);
}

void collegaModifica(AgganciMotore::Modifica& modifica, DrawingState& s)
{
    const auto su = [&s](auto esecutore) {
        return [&s, esecutore](int& k, std::int16_t& found) { esecutore(s, k, found); };
    };
    modifica.superfici = su(eseguiComandoModifica_su_Superfici);
    modifica.linee = su(eseguiComandoModifica_su_Linee);
    modifica.rettangoli = su(eseguiComandoModifica_su_Rettangoli);
    modifica.testi = su(eseguiComandoModifica_su_Testi);
    modifica.cerchi = su(eseguiComandoModifica_su_Cerchi);
    modifica.archi = su(eseguiComandoModifica_su_Archi);
    modifica.polilinee = su(eseguiComandoModifica_su_Polilinee);
}

} // namespace tramel
