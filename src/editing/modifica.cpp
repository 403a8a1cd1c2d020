#include "modifica.h"

#include "geometry/trasforma_entita.h"
#include "view/comando.h"

#include <cmath>
#include <memory>

namespace tramel {

namespace {

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

// The edit of one log record, as it moves an entity's points.
struct Edit {
    Comando cmd;
    Punto p1;
    Spostamento sposta;
    double gradi; // "Ruota" keeps its angle where the final point would be
    Rotazione rotazione;
    Specchio specchio;

    explicit Edit(const recordcoma& r)
        : cmd(comando(r.nome())), p1{r.x1, r.y1}, sposta(Spostamento::da(p1, {r.x2, r.y2})), gradi(r.x2),
          rotazione(p1, gradi), specchio(p1, {r.x2, r.y2})
    {
    }

    // The points of e (of its copy, for "Copia" and "Specchio") where the edit takes them.
    template <class T>
    void muovi(T& e) const
    {
        switch (cmd) {
        case Comando::Sposta:
        case Comando::Copia:
            trasforma(e, sposta);
            break;
        case Comando::Stira:
            stira(e, sposta, p1);
            break;
        case Comando::Ruota:
            ruota(e, rotazione, gradi);
            break;
        case Comando::Specchio:
            specchia(e, specchio);
            break;
        default:
            break;
        }
    }
};

// The one walk every kind shares.
template <class T>
void esegui(DrawingState& s, int ii, std::int16_t& trovato)
{
    const Edit edit(s.comandi.coma.at(static_cast<std::size_t>(ii)));
    Collezione<T>& c = collezione<T>(s.dis);
    const int n = c.Count(); // copies appended by this walk are not walked
    for (int k = 1; k <= n; ++k) {
        T& e = c.Item(k);
        if (e.stato != STATO_SELEZIONATO)
            continue;
        trovato = 1;
        e.stato = STATO_NORMALE;
        switch (edit.cmd) {
        case Comando::Cancella:
            e.stato = STATO_CANCELLATO; // it keeps its position
            break;
        case Comando::Copia:
        case Comando::Specchio:
            c.Add(copia(e, [&](T& x) { edit.muovi(x); }));
            break;
        default:
            edit.muovi(e);
            break;
        }
    }
}

// Whether the edit leaves every selected entity of the kind finite, tried on copies.
template <class T>
bool restaFinita(const DrawingState& s, const Edit& edit)
{
    const Collezione<T>& c = collezione<T>(s.dis);
    for (int k = 1; k <= c.Count(); ++k) {
        if (c.Item(k).stato != STATO_SELEZIONATO)
            continue;
        T prova = c.Item(k);
        edit.muovi(prova);
        if (!finita(prova))
            return false;
    }
    return true;
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

bool modificaFinita(const DrawingState& s, int ii)
{
    const Edit edit(s.comandi.coma.at(static_cast<std::size_t>(ii)));
    // A turn whose angle overflows in radians moves every point nowhere; the
    // other edits keep a point, not an angle, there.
    if (edit.cmd == Comando::Ruota && !std::isfinite(edit.gradi * pigreco / 180))
        return false;
    return restaFinita<superficie>(s, edit) && restaFinita<Linea>(s, edit) && restaFinita<Rettangolo>(s, edit) &&
           restaFinita<testo>(s, edit) && restaFinita<Cerchio>(s, edit) && restaFinita<Arco>(s, edit) &&
           restaFinita<polilinea>(s, edit);
}

void collegaModifica(AgganciMotore::Modifica& modifica, DrawingState& s)
{
    modifica.finita = [&s](int k) { return modificaFinita(s, k); };
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
