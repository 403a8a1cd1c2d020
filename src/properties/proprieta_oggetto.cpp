#include "proprieta_oggetto.h"

#include "gesttesto.h"
#include "tipo_linea.h"
#include "tipo_superficie.h"

#include "view/comando.h"
#include "view/file_impostazioni.h"

#include <tuple>
#include <type_traits>
#include <vector>

namespace tramel {

namespace {

template <class D>
void mostra(const std::function<void(D&)>& dialogo, D& d)
{
    if (dialogo)
        dialogo(d);
}

// The captions of one kind's dialog: one entity, several.
template <class T>
constexpr std::pair<std::string_view, std::string_view> didascalie()
{
    if constexpr (std::is_same_v<T, Linea>)
        return {"Proprietà Linea Selezionata", "Proprietà Linee Selezionate"};
    else if constexpr (std::is_same_v<T, Arco>)
        return {"Proprietà Arco Selezionato", "Proprietà Archi Selezionati"};
    else if constexpr (std::is_same_v<T, polilinea>)
        return {"Proprietà PoliLinea Selezionata", "Proprietà PoliLinee Selezionate"};
    else if constexpr (std::is_same_v<T, superficie>)
        return {"Proprietà Superficie Selezionata", "Proprietà Superfici Selezionate"};
    else if constexpr (std::is_same_v<T, Rettangolo>)
        return {"Proprietà Rettangolo Selezionato", "Proprietà Rettangoli Selezionati"};
    else
        return {"Proprietà Cerchio Selezionato", "Proprietà Cerchi Selezionati"};
}

// The compared properties of an entity, in the order the dialog is filled.
auto confronto(const Linea& l)
{
    return std::tuple(l.colorelinea, l.speslinea, l.TipoLinea);
}
template <class T>
    requires std::is_same_v<T, Arco> || std::is_same_v<T, polilinea>
auto confronto(const T& e)
{
    return std::tuple(e.colcont, e.spescont, e.trattcont);
}
template <class T>
    requires std::is_same_v<T, superficie> || std::is_same_v<T, Rettangolo> || std::is_same_v<T, Cerchio>
auto confronto(const T& e)
{
    return std::tuple(e.campitura, e.colocampitura, e.colcont, e.spescont, e.trattcont);
}
auto confronto(const testo& t)
{
    return std::tuple(t.opaco_testo != 0, t.nomeCarattere(), t.ang_testo());
}

// Whether some selected entity differs from the first in property I.
template <std::size_t I, class T>
bool differisce(const std::vector<const T*>& selezionati)
{
    const auto primo = std::get<I>(confronto(*selezionati.front()));
    for (const T* e : selezionati)
        if (std::get<I>(confronto(*e)) != primo)
            return true;
    return false;
}

// A property the selected entities share shows its value; one they differ in, "Vari".
template <class T, class V>
void comune(bool diverso, Portatore<T>& p, V v)
{
    if (diverso)
        p.mostraVari();
    else
        p.imposta(v);
}

template <class D>
void spessoreComune(D& d, bool diverso, Portatore<double>& decimi, float spessore)
{
    d.caricaSpessore(diverso ? std::string() : testoSpessore(spessore), spessore);
    if (diverso)
        decimi.mostraVari();
}

template <class D>
void stileComune(D& d, bool diverso, std::int32_t stile)
{
    comune(diverso, d.Label8, campioneDi(stile));
    if (diverso)
        d.Frame3 = "Tratto Contorno:";
}

template <class T>
void apriLinea(const FinestraDialogo& f, const Dialoghi& dialoghi, T& primo, int k,
               const std::vector<const T*>& selezionati)
{
    TipoLinea d(f);
    d.oggetto = &primo;
    const auto [singolare, plurale] = didascalie<T>();
    d.caption = selezionati.size() > 1 ? plurale : singolare;
    if (selezionati.size() > 1) {
        const auto [colore, spessore, stile] = confronto(primo);
        comune(differisce<0>(selezionati), d.Label2, colore);
        spessoreComune(d, differisce<1>(selezionati), d.Label1, spessore);
        stileComune(d, differisce<2>(selezionati), stile);
    }
    d.Label5(std::to_string(k));
    mostra(dialoghi.tipoLinea, d);
}

template <class T>
void apriSuperficie(const FinestraDialogo& f, const Dialoghi& dialoghi, T& primo, int k,
                    const std::vector<const T*>& selezionati)
{
    TipoSuperficie d(f);
    d.oggetto = &primo;
    d.cerchio = std::is_same_v<T, Cerchio>;
    const auto [singolare, plurale] = didascalie<T>();
    d.caption = selezionati.size() > 1 ? plurale : singolare;
    if (selezionati.size() > 1) {
        const auto [campitura, colocampitura, colcont, spescont, trattcont] = confronto(primo);
        if (differisce<0>(selezionati)) {
            d.List2 = -1;
            d.Label9.mostraVari();
        } else {
            d.scegliCampitura(campitura);
        }
        comune(differisce<1>(selezionati), d.Label10, colocampitura);
        comune(differisce<2>(selezionati), d.Label6, colcont);
        spessoreComune(d, differisce<3>(selezionati), d.Label7, spescont);
        stileComune(d, differisce<4>(selezionati), trattcont);
    } else if (d.cerchio) {
        d.Frame5Caption = "Coordinate Centro e Raggio";
    }
    d.Label1(std::to_string(k));
    mostra(dialoghi.tipoSuperficie, d);
}

void apriTesto(const FinestraDialogo& f, const Dialoghi& dialoghi, testo& primo, int,
               const std::vector<const testo*>& selezionati)
{
    Gesttesto d(f);
    const Rgb sfondo = sfondoFinestra(f.stato());
    d.Label8.imposta(sfondo);
    d.sfondoLabel2 = sfondo;
    d.carattere = {primo.nomeCarattere(),     primo.dimens_testo,           primo.bold_testo != 0,
                   primo.corsivo_testo != 0,  primo.barrato_testo != 0,     primo.sottolineato_testo != 0,
                   primo.colore_testo};
    const bool opacoDiverso = differisce<0>(selezionati);
    if (primo.opaco_testo != 0 && !opacoDiverso) {
        d.Label8.imposta(primo.colore_opaco_testo);
        d.Check1_Click(true);
    }
    d.set_carattere();
    if (selezionati.size() == 1) {
        const std::string& s = primo.stringa_testo;
        d.Text1_Change(s.substr(0, s.find_last_not_of(' ') + 1));
        d.Label1 = Gesttesto::selezionato;
        d.Text2 = std::to_string(primo.ang_testo());
        d.Text3 = Coordinata::di(primo.pos_testox, f.formato.toText(primo.pos_testox));
        d.Text4 = Coordinata::di(primo.pos_testoy, f.formato.toText(primo.pos_testoy));
    } else {
        d.Label1 = Gesttesto::selezionati;
        d.Text1_Change(std::string(Gesttesto::cliccaCarattere));
        d.Text1Abilitato = false;
        d.posizioneAbilitata = false;
        d.Text2 = differisce<2>(selezionati) ? std::string(VARI) : std::to_string(primo.ang_testo());
        if (opacoDiverso)
            d.Label8.mostraVari();
        if (differisce<1>(selezionati))
            d.Label4 = Gesttesto::carattereVari;
    }
    mostra(dialoghi.gesttesto, d);
}

} // namespace

template <class T>
void proprietaOggetto(const FinestraDialogo& f, const Dialoghi& dialoghi, std::int16_t& found)
{
    Collezione<T>& c = collezione<T>(f.stato().dis);
    int primo = 0;
    std::vector<const T*> selezionati;
    for (int k = 1; k <= c.Count(); ++k) {
        if (c.Item(k).stato != STATO_SELEZIONATO)
            continue;
        if (!primo)
            primo = k;
        selezionati.push_back(&c.Item(k));
    }
    if (primo) {
        found = 1;
        if constexpr (std::is_same_v<T, Linea> || std::is_same_v<T, Arco> || std::is_same_v<T, polilinea>)
            apriLinea(f, dialoghi, c.Item(primo), primo, selezionati);
        else if constexpr (std::is_same_v<T, testo>)
            apriTesto(f, dialoghi, c.Item(primo), primo, selezionati);
        else
            apriSuperficie(f, dialoghi, c.Item(primo), primo, selezionati);
    }
    for (int k = 1; k <= c.Count(); ++k)
        if (c.Item(k).stato != STATO_CANCELLATO)
            c.Item(k).stato = STATO_NORMALE;
}

template void proprietaOggetto<superficie>(const FinestraDialogo&, const Dialoghi&, std::int16_t&);
template void proprietaOggetto<Linea>(const FinestraDialogo&, const Dialoghi&, std::int16_t&);
template void proprietaOggetto<Rettangolo>(const FinestraDialogo&, const Dialoghi&, std::int16_t&);
template void proprietaOggetto<testo>(const FinestraDialogo&, const Dialoghi&, std::int16_t&);
template void proprietaOggetto<Cerchio>(const FinestraDialogo&, const Dialoghi&, std::int16_t&);
template void proprietaOggetto<Arco>(const FinestraDialogo&, const Dialoghi&, std::int16_t&);
template void proprietaOggetto<polilinea>(const FinestraDialogo&, const Dialoghi&, std::int16_t&);

void mnutipolinea_Click(const FinestraDialogo& f, const Dialoghi& dialoghi)
{
    TipoLinea d(f);
    d.Label5("0");
    mostra(dialoghi.tipoLinea, d);
}

void mnutiposup_Click(const FinestraDialogo& f, const Dialoghi& dialoghi)
{
    TipoSuperficie d(f);
    d.Label1("0");
    mostra(dialoghi.tipoSuperficie, d);
}

void mnutipotesto_Click(const FinestraDialogo& f, const Dialoghi& dialoghi)
{
    Gesttesto d(f);
    d.Label1 = Gesttesto::caratteristiche;
    d.Text1Abilitato = false;
    d.Text2Abilitato = false;
    d.posizioneAbilitata = false;
    impost_gesttesto(f, d);
    mostra(dialoghi.gesttesto, d);
}

void inserisciTesto(const FinestraDialogo& f, const Dialoghi& dialoghi, double x, double y)
{
    Gesttesto d(f);
    impost_gesttesto(f, d);
    d.Label1 = Gesttesto::inserisci;
    d.Text3 = Coordinata::di(x, f.formato.toText(x));
    d.Text4 = Coordinata::di(y, f.formato.toText(y));
    mostra(dialoghi.gesttesto, d);
}

namespace {

// The edit routine of kind T, with "Proprietà Oggetto" going to the dialogs.
template <class T>
void conDialogo(AgganciMotore::Modifica::Esecutore& esecutore, const FinestraDialogo& f, const Dialoghi& dialoghi)
{
    esecutore = [modifica = esecutore, f, dialoghi](int& k, std::int16_t& found) {
        const recordcoma& r = f.stato().comandi.coma.at(static_cast<std::size_t>(k));
        if (comando(r.nome()) == Comando::ProprietaOggetto)
            proprietaOggetto<T>(f, dialoghi, found);
        else if (modifica)
            modifica(k, found);
    };
}

} // namespace

void collegaDialoghi(AgganciMotore& agganci, const FinestraDialogo& f, const Dialoghi& dialoghi)
{
    agganci.inserisciTesto = [f, dialoghi](double x, double y) { inserisciTesto(f, dialoghi, x, y); };
    AgganciMotore::Modifica& m = agganci.modifica;
    conDialogo<superficie>(m.superfici, f, dialoghi);
    conDialogo<Linea>(m.linee, f, dialoghi);
    conDialogo<Rettangolo>(m.rettangoli, f, dialoghi);
    conDialogo<testo>(m.testi, f, dialoghi);
    conDialogo<Cerchio>(m.cerchi, f, dialoghi);
    conDialogo<Arco>(m.archi, f, dialoghi);
    conDialogo<polilinea>(m.polilinee, f, dialoghi);
}

} // namespace tramel
