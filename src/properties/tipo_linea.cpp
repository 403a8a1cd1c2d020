#include "tipo_linea.h"

#include "geometry/intersezioni.h"
#include "platform/palette.h"
#include "platform/rounding.h"
#include "view/file_impostazioni.h"

#include <algorithm>
#include <array>
#include <type_traits>

namespace tramel {

namespace {

constexpr std::string_view lineaSelezionata = "Proprietà Linea Selezionata";
constexpr std::string_view arcoSelezionato = "Proprietà Arco Selezionato";
constexpr std::string_view poliLineaSelezionata = "Proprietà PoliLinea Selezionata";

// What OK applies; in the plural modes a carrier reading "Vari" gives nothing.
struct ValoriLinea {
    std::optional<Rgb> colore;
    std::optional<float> spessore;
    std::optional<std::int32_t> stile;
};

ValoriLinea valori(const TipoLinea& d, bool plurale)
{
    ValoriLinea v;
    if (!plurale || !d.Label2.vari())
        v.colore = d.Label2.numero();
    if (!plurale || !d.Label1.vari())
        v.spessore = static_cast<float>(d.Label1.numero());
    if (!plurale || !d.Label8.vari())
        v.stile = stileDi(d.Label8.numero());
    return v;
}

template <class T>
void applica(T& e, const ValoriLinea& v)
{
    if constexpr (std::is_same_v<T, Linea>) {
        imposta(e.colorelinea, v.colore);
        imposta(e.speslinea, v.spessore);
        imposta(e.TipoLinea, v.stile);
    } else {
        imposta(e.colcont, v.colore);
        imposta(e.spescont, v.spessore);
        imposta(e.trattcont, v.stile);
    }
}

// The coordinate boxes as numbers, or nothing after the refusal; an arc's
// (singolo) each within a Single.
template <std::size_t N>
std::optional<std::array<double, N>> coordinate(const FinestraDialogo& f, const std::array<const Coordinata*, N>& caselle,
                                                bool singolo = false)
{
    std::array<double, N> v{};
    for (std::size_t i = 0; i < N; ++i) {
        const auto x = caselle[i]->valore(f.formato);
        if (!x || (singolo && !entraInSingolo(*x))) {
            rifiuta(f.porte.notifier, msgCoordinate);
            return std::nullopt;
        }
        v[i] = *x;
    }
    return v;
}

template <class T>
bool perSelezionati(const FinestraDialogo& f, const TipoLinea& d)
{
    if (!spessoreValido(f, d.Text1Digitato, d.Text1, false))
        return false;
    perOgniSelezionato(collezione<T>(f.stato().dis), [v = valori(d, true)](T& e) { applica(e, v); });
    return true;
}

} // namespace

TipoLinea::TipoLinea(FinestraDialogo finestra)
    : List1(finestra.porte.notifier, finestra.formato),
      sfondoAnteprima(sfondoFinestra(finestra.stato())),
      f_(std::move(finestra))
{
}

void TipoLinea::Label5(const std::string& indice)
{
    const NumberFormat& fmt = f_.formato;
    if (valNumero(indice) == 0) {
        const ValoriModulo& m = f_.stato().modulo;
        Picture1_Click(campioneDi(m.gen_TipoLinea));
        caricaSpessore(testoSpessore(m.gen_speslinea), m.gen_speslinea);
        Label2.imposta(m.gen_colorelinea);
    } else if (Linea* l = caption == lineaSelezionata ? corrente<Linea>(oggetto) : nullptr) {
        Picture1_Click(campioneDi(l->TipoLinea));
        Frame4 = true;
        rigaCentrale = false;
        Text5 = casellaCoordinata(fmt, l->Xi);
        Text6 = casellaCoordinata(fmt, l->Yi);
        Text7 = casellaCoordinata(fmt, l->Xf);
        Text8 = casellaCoordinata(fmt, l->Yf);
        caricaSpessore(testoSpessore(l->speslinea), l->speslinea);
        Label2.imposta(l->colorelinea);
    } else if (Arco* a = caption == arcoSelezionato ? corrente<Arco>(oggetto) : nullptr) {
        Picture1_Click(campioneDi(a->trattcont));
        Frame4 = true;
        Frame4Caption = "Arco";
        Label3 = "Punto iniziale  X1 =";
        Label6 = "Punto finale    X2 =";
        Label11 = "3° Punto    X3 =";
        Label10 = "Y3 =";
        Text5 = casellaCoordinata(fmt, a->p1x);
        Text6 = casellaCoordinata(fmt, a->p1y);
        Text2 = casellaCoordinata(fmt, a->p2x);
        Text3 = casellaCoordinata(fmt, a->p2y);
        Text7 = casellaCoordinata(fmt, a->p3x);
        Text8 = casellaCoordinata(fmt, a->p3y);
        caricaSpessore(testoSpessore(a->spescont), a->spescont);
        Label2.imposta(a->colcont);
    } else if (polilinea* p = caption == poliLineaSelezionata ? corrente<polilinea>(oggetto) : nullptr) {
        Picture1_Click(campioneDi(p->trattcont));
        Frame5 = true;
        List1.righe.clear();
        for (int i = 1; i <= p->vertic(); ++i) {
            const Punto v = p->punto(i);
            List1.righe.push_back({rigaCoordinata(fmt, v.x), rigaCoordinata(fmt, v.y)});
        }
        List1.List1_Click(-1);
        caricaSpessore(testoSpessore(p->spescont), p->spescont);
        Label2.imposta(p->colcont);
    }
}

void TipoLinea::Picture1_Click(int k)
{
    scegliCampione(Label8, Frame3, k);
}

void TipoLinea::caricaSpessore(std::string testo, double decimi)
{
    Text1 = std::move(testo);
    Label1.imposta(decimi);
}

void TipoLinea::Text1_Change(std::string testo)
{
    Text1 = std::move(testo);
    Text1Digitato = true;
    const double t = leggiNumero(f_.formato, Text1).value_or(0);
    // Thick lines are solid; the invisible style and "Vari" stay.
    if (Label8.numero() != 0 && t > 1)
        Picture1_Click(1);
    Label1.imposta(10 * t);
}

void TipoLinea::Command4_Click()
{
    if (const auto c = f_.porte.colori.scegli(Label2.numero()))
        Label2.imposta(*c);
}

std::string TipoLinea::didascaliaVertici() const
{
    return caption == poliLineaSelezionata ? "Coordinate Vertici Polilinea" : "Coordinate Vertice";
}

void TipoLinea::Command3_Click(const MostraCoordVert& mostra)
{
    List1.Command3_Click(didascaliaVertici(), mostra);
}

void TipoLinea::Command6_Click(const MostraCoordVert& mostra)
{
    List1.Command6_Click(didascaliaVertici(), mostra);
}

void TipoLinea::Command7_Click(const MostraCoordVert& mostra)
{
    List1.Command7_Click(didascaliaVertici(), mostra);
}

Rgb TipoLinea::sfondoCampione(int k) const
{
    return Palette::color(Label8.valore == k ? 3 : 15);
}

TipoLinea::Anteprima TipoLinea::dislinea() const
{
    return {clng(std::max(1.0, Label1.numero())), stileDi(Label8.numero()), Label2.numero()};
}

bool TipoLinea::Command1_Click()
{
    using enum Operazione;
    switch (operazione(Dialogo::TipoLinea, caption).value_or(annullacomando)) {
    case set_carattGenLinee: return tramel::set_carattGenLinee(f_, *this);
    case set_tipoLinea: return tramel::set_tipoLinea(f_, *this);
    case set_tipoArco: return tramel::set_tipoArco(f_, *this);
    case set_tipoPoliLinea: return tramel::set_tipoPoliLinea(f_, *this);
    case set_tipoLinee: return tramel::set_tipoLinee(f_, *this);
    case set_tipoArchi: return tramel::set_tipoArchi(f_, *this);
    case set_tipoPoliLinee: return tramel::set_tipoPoliLinee(f_, *this);
    default: return true;
    }
}

bool set_carattGenLinee(const FinestraDialogo& f, const TipoLinea& d)
{
    if (!spessoreValido(f, d.Text1Digitato, d.Text1, true))
        return false;
    ValoriModulo& m = f.stato().modulo;
    m.gen_speslinea = clng(d.Label1.numero());
    m.gen_colorelinea = d.Label2.numero();
    m.gen_TipoLinea = stileDi(d.Label8.numero());
    salvaImpostazioni(f.stato(), f.porte.notifier, f.motore.agganci().titolo);
    return true;
}

bool set_tipoLinea(const FinestraDialogo& f, const TipoLinea& d)
{
    Linea* l = corrente<Linea>(d.oggetto);
    if (!l)
        return true;
    const auto c = coordinate<4>(f, {&d.Text5, &d.Text6, &d.Text7, &d.Text8});
    if (!c || !spessoreValido(f, d.Text1Digitato, d.Text1, false))
        return false;
    applica(*l, valori(d, false));
    l->Xi = (*c)[0];
    l->Yi = (*c)[1];
    l->Xf = (*c)[2];
    l->Yf = (*c)[3];
    return true;
}

bool set_tipoArco(const FinestraDialogo& f, const TipoLinea& d)
{
    Arco* a = corrente<Arco>(d.oggetto);
    if (!a)
        return true;
    const auto c = coordinate<6>(f, {&d.Text5, &d.Text6, &d.Text2, &d.Text3, &d.Text7, &d.Text8}, true);
    if (!c || !spessoreValido(f, d.Text1Digitato, d.Text1, false))
        return false;
    applica(*a, valori(d, false));
    auto punti = std::tie(a->p1x, a->p1y, a->p2x, a->p2y, a->p3x, a->p3y);
    const auto scritti = std::tuple((*c)[0], (*c)[1], (*c)[2], (*c)[3], (*c)[4], (*c)[5]);
    // Unchanged points keep the arc's way round, which a file may hold either way.
    if (punti == scritti)
        return true;
    punti = scritti;
    // The arc runs from p1 to p2 through p3, as when it is drawn; three points
    // on one line have no circle and stay as typed.
    if (const auto k = a->cerchio(); k && !detPinArco(a->p3x, a->p3y, k->xc, k->yc, a->p1x, a->p1y, a->p2x, a->p2y)) {
        std::swap(a->p1x, a->p2x);
        std::swap(a->p1y, a->p2y);
    }
    return true;
}

bool set_tipoPoliLinea(const FinestraDialogo& f, const TipoLinea& d)
{
    polilinea* p = corrente<polilinea>(d.oggetto);
    if (!p)
        return true;
    auto nuova = conRighe(f, *p, d.List1.punti(), [](polilinea&) {});
    if (!nuova || !spessoreValido(f, d.Text1Digitato, d.Text1, false))
        return false;
    applica(*nuova, valori(d, false));
    *p = std::move(*nuova);
    return true;
}

bool set_tipoLinee(const FinestraDialogo& f, const TipoLinea& d)
{
    return perSelezionati<Linea>(f, d);
}

bool set_tipoArchi(const FinestraDialogo& f, const TipoLinea& d)
{
    return perSelezionati<Arco>(f, d);
}

bool set_tipoPoliLinee(const FinestraDialogo& f, const TipoLinea& d)
{
    return perSelezionati<polilinea>(f, d);
}

} // namespace tramel
