#include "tipo_superficie.h"

#include "geometry/misure.h"
#include "platform/palette.h"
#include "platform/rounding.h"
#include "view/file_impostazioni.h"

#include <algorithm>
#include <type_traits>

namespace tramel {

namespace {

constexpr std::string_view superficieSelezionata = "Proprietà Superficie Selezionata";
constexpr std::string_view rettangoloSelezionato = "Proprietà Rettangolo Selezionato";

// What OK applies; in the plural modes a label reading "Vari" gives nothing.
struct ValoriSuperficie {
    std::optional<std::int32_t> campitura;
    std::optional<Rgb> colocampitura;
    std::optional<Rgb> colcont;
    std::optional<float> spescont;
    std::optional<std::int32_t> trattcont;
};

template <class T>
std::optional<T> valore(const Portatore<T>& p, bool plurale)
{
    if (plurale && p.vari())
        return std::nullopt;
    return p.numero();
}

ValoriSuperficie valori(const TipoSuperficie& d, bool plurale)
{
    ValoriSuperficie v{valore(d.Label9, plurale), valore(d.Label10, plurale), valore(d.Label6, plurale), {}, {}};
    if (const auto t = valore(d.Label7, plurale))
        v.spescont = static_cast<float>(*t);
    if (const auto k = valore(d.Label8, plurale))
        v.trattcont = stileDi(*k);
    return v;
}

template <class T>
void applica(T& e, const ValoriSuperficie& v)
{
    imposta(e.campitura, v.campitura);
    imposta(e.colocampitura, v.colocampitura);
    imposta(e.colcont, v.colcont);
    imposta(e.spescont, v.spescont);
    imposta(e.trattcont, v.trattcont);
}

template <class T>
bool perSelezionati(const FinestraDialogo& f, const TipoSuperficie& d)
{
    if (!spessoreValido(f, d.Text1Digitato, d.Text1, false))
        return false;
    perOgniSelezionato(collezione<T>(f.stato().dis), [v = valori(d, true)](T& e) { applica(e, v); });
    return true;
}

// One surface or rectangle: its properties, its vertices from the rows, its measures.
template <class T>
bool conVertici(const FinestraDialogo& f, const TipoSuperficie& d)
{
    T* e = corrente<T>(d.oggetto);
    if (!e)
        return true;
    auto nuova = conRighe(f, *e, d.List1.punti(), [](T& n) {
        if constexpr (std::is_same_v<T, superficie>) {
            calcola_perimetro_superficie(n);
            calcola_area_superficie(n);
        } else {
            calcola_perimetro_rettangolo(n);
            calcola_area_rettangolo(n);
        }
    });
    if (!nuova || !spessoreValido(f, d.Text1Digitato, d.Text1, false))
        return false;
    applica(*nuova, valori(d, false));
    *e = std::move(*nuova);
    return true;
}

} // namespace

TipoSuperficie::TipoSuperficie(FinestraDialogo finestra)
    : List1(finestra.porte.notifier, finestra.formato),
      sfondoAnteprima(sfondoFinestra(finestra.stato())),
      f_(std::move(finestra))
{
}

void TipoSuperficie::Label1(const std::string& indice)
{
    if (valNumero(indice) == 0) {
        const ValoriModulo& m = f_.stato().modulo;
        Label10.imposta(m.gen_colocampitura);
        scegliCampitura(m.gen_campitura);
        Picture1_Click(campioneDi(m.gen_trattcont));
        caricaSpessore(testoSpessoreSemplice(m.gen_spescont), m.gen_spescont);
        Label6.imposta(m.gen_colcont);
    } else if (auto* s = caption == superficieSelezionata ? corrente<superficie>(oggetto) : nullptr) {
        carica(*s);
    } else if (auto* r = caption == rettangoloSelezionato ? corrente<Rettangolo>(oggetto) : nullptr) {
        carica(*r);
    } else if (auto* c = caption == CoordVert::didascaliaCerchio ? corrente<Cerchio>(oggetto) : nullptr) {
        carica(*c);
    }
}

template <class T>
void TipoSuperficie::carica(const T& e)
{
    const NumberFormat& fmt = f_.formato;
    Label10.imposta(e.colocampitura);
    scegliCampitura(e.campitura);
    Picture1_Click(campioneDi(e.trattcont));
    Frame5 = true;
    List1.righe.clear();
    if constexpr (std::is_same_v<T, Cerchio>) {
        List1.righe.push_back({rigaCoordinata(fmt, e.Xcentro), rigaCoordinata(fmt, e.Ycentro)});
        List1.righe.push_back({Coordinata::di(0, "Raggio= "), rigaCoordinata(fmt, e.raggio)});
    } else {
        for (int i = 1; i <= e.vertic(); ++i) {
            const Punto v = e.punto(i);
            List1.righe.push_back({rigaCoordinata(fmt, v.x), rigaCoordinata(fmt, v.y)});
        }
    }
    List1.List1_Click(-1);
    caricaSpessore(testoSpessore(e.spescont), e.spescont);
    Label6.imposta(e.colcont);
    Label3 = "Perimetro =" + fmt.format(e.perimet, "##,#0.00");
    Label4 = "Area      =" + fmt.format(e.supf, "##,#0.00");
    Command6 = std::is_same_v<T, superficie>;
}

void TipoSuperficie::scegliCampitura(std::int32_t codice)
{
    if (codice >= 0 && codice < static_cast<std::int32_t>(campiture.size()))
        return List2_Click(codice);
    List2 = -1;
    Label9.imposta(codice);
}

void TipoSuperficie::List2_Click(int indice)
{
    List2 = indice;
    Label9.imposta(indice);
}

void TipoSuperficie::Picture1_Click(int k)
{
    scegliCampione(Label8, Frame3, k);
}

void TipoSuperficie::caricaSpessore(std::string testo, double decimi)
{
    Text1 = std::move(testo);
    Label7.imposta(decimi);
}

void TipoSuperficie::Text1_Change(std::string testo)
{
    Text1 = std::move(testo);
    Text1Digitato = true;
    const double t = leggiNumero(f_.formato, Text1).value_or(0);
    if (t > 1)
        Picture1_Click(1);
    Label7.imposta(10 * t);
}

void TipoSuperficie::Command4_Click()
{
    if (const auto c = f_.porte.colori.scegli(Label6.numero()))
        Label6.imposta(*c);
}

void TipoSuperficie::Command5_Click()
{
    if (const auto c = f_.porte.colori.scegli(Label10.numero()))
        Label10.imposta(*c);
}

std::string TipoSuperficie::didascaliaVertici() const
{
    if (caption == superficieSelezionata)
        return "Coordinate Vertici Superficie";
    if (caption == rettangoloSelezionato)
        return "Coordinate Vertici Rettangolo";
    return caption;
}

void TipoSuperficie::Command3_Click(const MostraCoordVert& mostra)
{
    List1.Command3_Click(didascaliaVertici(), mostra);
}

void TipoSuperficie::Command6_Click(const MostraCoordVert& mostra)
{
    List1.Command6_Click(didascaliaVertici(), mostra);
}

void TipoSuperficie::Command7_Click(const MostraCoordVert& mostra)
{
    List1.Command7_Click(didascaliaVertici(), mostra);
}

Rgb TipoSuperficie::sfondoCampione(int k) const
{
    return Palette::color(Label8.valore == k ? 3 : 15);
}

TipoSuperficie::Anteprima TipoSuperficie::anteprima() const
{
    return {List2 < 0 ? CAMPITURA_NESSUNA : List2, Label10.numero(), Label6.numero(), stileDi(Label8.numero()),
            clng(std::max(1.0, Label7.numero() / 2))};
}

bool TipoSuperficie::Command1_Click()
{
    using enum Operazione;
    switch (operazione(Dialogo::TipoSuperficie, caption).value_or(annullacomando)) {
    case set_carattGenSup: return tramel::set_carattGenSup(f_, *this);
    case set_tipoSuperficie: return tramel::set_tipoSuperficie(f_, *this);
    case set_tipoSuperfici: return tramel::set_tipoSuperfici(f_, *this);
    case set_tipoRettangolo: return tramel::set_tipoRettangolo(f_, *this);
    case set_tiporettangoli: return tramel::set_tiporettangoli(f_, *this);
    case set_tipoCerchio: return tramel::set_tipoCerchio(f_, *this);
    case set_tipoCerchi: return tramel::set_tipoCerchi(f_, *this);
    default: return true;
    }
}

bool set_carattGenSup(const FinestraDialogo& f, const TipoSuperficie& d)
{
    if (!spessoreValido(f, d.Text1Digitato, d.Text1, true))
        return false;
    ValoriModulo& m = f.stato().modulo;
    m.gen_campitura = d.Label9.numero();
    m.gen_colocampitura = d.Label10.numero();
    m.gen_colcont = d.Label6.numero();
    m.gen_spescont = clng(d.Label7.numero());
    m.gen_trattcont = stileDi(d.Label8.numero());
    salvaImpostazioni(f.stato(), f.porte.notifier, f.motore.agganci().titolo);
    return true;
}

bool set_tipoSuperficie(const FinestraDialogo& f, const TipoSuperficie& d)
{
    return conVertici<superficie>(f, d);
}

bool set_tipoRettangolo(const FinestraDialogo& f, const TipoSuperficie& d)
{
    return conVertici<Rettangolo>(f, d);
}

bool set_tipoCerchio(const FinestraDialogo& f, const TipoSuperficie& d)
{
    Cerchio* c = corrente<Cerchio>(d.oggetto);
    if (!c || d.List1.righe.size() < 2)
        return true;
    const auto xc = d.List1.righe[0].x.valore(f.formato);
    const auto yc = d.List1.righe[0].y.valore(f.formato);
    const auto r = d.List1.righe[1].y.valore(f.formato);
    Cerchio nuovo = *c;
    // Unchanged rows keep the circle's point wherever it lies on the circle.
    const bool cambiato = xc && yc && r && std::tuple(*xc, *yc, *r) != std::tuple(c->Xcentro, c->Ycentro, c->raggio);
    if (cambiato) {
        nuovo.Xcentro = *xc;
        nuovo.Ycentro = *yc;
        nuovo.Xpunto = *xc + *r;
        nuovo.YPunto = *yc;
        calcola_raggio_perimet_area_cerchio(nuovo);
    }
    if (!xc || !yc || !r || (cambiato && !finita(nuovo))) {
        rifiuta(f.porte.notifier, msgCoordinate);
        return false;
    }
    if (!spessoreValido(f, d.Text1Digitato, d.Text1, false))
        return false;
    applica(nuovo, valori(d, false));
    *c = nuovo;
    return true;
}

bool set_tipoSuperfici(const FinestraDialogo& f, const TipoSuperficie& d)
{
    return perSelezionati<superficie>(f, d);
}

bool set_tiporettangoli(const FinestraDialogo& f, const TipoSuperficie& d)
{
    return perSelezionati<Rettangolo>(f, d);
}

bool set_tipoCerchi(const FinestraDialogo& f, const TipoSuperficie& d)
{
    return perSelezionati<Cerchio>(f, d);
}

} // namespace tramel
