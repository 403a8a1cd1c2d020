#include "lettura_dis.h"

#include "formato_dis.h"

#include "geometry/misure.h"
#include "geometry/trasforma_entita.h"
#include "platform/cp1252.h"
#include "platform/palette.h"

#include <cmath>
#include <memory>
#include <utility>

namespace tramel {

namespace {

using Motivo = ErroreLettura::Motivo;

// Abandons the file from anywhere inside the reader; leggiDisegno turns it
// into its result.
struct Rifiuto {
    ErroreLettura errore;
};

bool numerico(const Variant& v)
{
    const Variant::Tag t = v.tag();
    const bool tipoNumerico = t == Variant::Integer || t == Variant::Long || t == Variant::Single || t == Variant::Double;
    return tipoNumerico && std::isfinite(v.toDouble());
}

// A text flag is set only by exactly 1.
std::int16_t flag(double v)
{
    return v == 1.0 ? VERO : FALSO;
}

class Lettore {
public:
    explicit Lettore(SorgenteRecord& sorgente) : sorgente_(sorgente), totale_(sorgente.count()) {}
    DisegnoLetto leggi();

private:
    [[noreturn]] void rifiuta(Motivo motivo) const { throw Rifiuto{{motivo, n_}}; }
    template <class T>
    T finito(T v) const
    {
        if (!std::isfinite(v))
            rifiuta(Motivo::NonFinito);
        return v;
    }
    // A point of an arc, polyline or surface, which the engine keeps within a Single.
    double singolo(double v) const
    {
        if (!inSingolo(v))
            rifiuta(Motivo::NonFinito);
        return v;
    }
    // An entity the engine could not edit is damage like a number that is
    // not finite: its measures, worked out on reading, are checked here.
    template <class T>
    std::unique_ptr<T> accettata(std::unique_ptr<T> e) const
    {
        if (!finita(*e))
            rifiuta(Motivo::NonFinito);
        return e;
    }
    // The line attributes of arcs and polylines, and the outline of the filled kinds.
    template <class T>
    void contorno(T& e, const recordcoma& r) const
    {
        e.colcont = r.colore1;
        e.spescont = finito(r.spessore);
        e.trattcont = r.tratto;
    }
    // Outline and fill of circles, rectangles and surfaces.
    template <class T>
    void riempito(T& e, const recordcoma& r) const
    {
        contorno(e, r);
        e.campitura = r.riempimento;
        e.colocampitura = r.colore2;
    }
    Record grezzo(std::uint64_t n);
    recordcoma prossimo();

    void intestazione(DisegnoLetto& d);
    float singola(std::uint64_t n) { return *grezzo(n).getSingle(); }
    Variant variante(std::uint64_t n);
    Variant numero(std::uint64_t n);
    Variant indiceColore(std::uint64_t n);
    std::string interruttore(std::uint64_t n);
    std::int16_t statoFinestra();

    void entita(DisegnoLetto& d);
    bool aggiungi(const recordcoma& r, disegno& dis);
    std::unique_ptr<Linea> linea(const recordcoma& r) const;
    std::unique_ptr<Arco> arco(const recordcoma& r) const;
    std::unique_ptr<Cerchio> cerchio(const recordcoma& r) const;
    std::unique_ptr<Rettangolo> rettangolo(const recordcoma& r);
    std::unique_ptr<superficie> superficieLetta(const recordcoma& r);
    std::unique_ptr<polilinea> polilineaLetta(const recordcoma& r);
    std::unique_ptr<testo> testoLetto(const recordcoma& r) const;
    void vertici(ListaVertici& e, const recordcoma& primo);

    SorgenteRecord& sorgente_;
    const std::uint64_t totale_;
    std::uint64_t n_ = 0; // the record read last
};

DisegnoLetto Lettore::leggi()
{
    if (totale_ < dis::RECORD_INTESTAZIONE)
        rifiuta(Motivo::IntestazioneCorta);
    if (sorgente_.hasPartialRecord()) {
        n_ = totale_ + 1;
        rifiuta(Motivo::RecordParziale);
    }
    DisegnoLetto d;
    intestazione(d);
    entita(d);
    return d;
}

Record Lettore::grezzo(std::uint64_t n)
{
    n_ = n;
    auto record = sorgente_.read(n);
    if (!record)
        rifiuta(Motivo::Illeggibile);
    return std::move(*record);
}

recordcoma Lettore::prossimo()
{
    auto r = decodifica(grezzo(n_ + 1));
    if (!r)
        rifiuta(Motivo::Illeggibile);
    return std::move(*r);
}

void Lettore::intestazione(DisegnoLetto& d)
{
    d.finx = singola(1);
    d.finy = singola(2);
    d.finlarg = singola(3);
    d.finalt = singola(4);
    d.statoFinestra = statoFinestra();
    d.colsfondo = indiceColore(6);
    d.colanteprima = indiceColore(7);
    d.snapattivo = interruttore(8);
    d.passosnap = finito(singola(9));
    d.grigliaattiva = interruttore(10);
    d.passogriglia = finito(singola(11));

    // The window zooms to these corners, the sums taken in single precision:
    // a view that is empty, reversed or not finite there gives way to the default.
    const float x2 = d.finx + d.finlarg;
    const float y2 = d.finy + d.finalt;
    d.vistaValida = std::isfinite(x2) && std::isfinite(y2) && x2 > d.finx && y2 > d.finy;
    if (!d.vistaValida) {
        d.finx = dis::VISTA_X;
        d.finy = dis::VISTA_Y;
        d.finlarg = dis::VISTA_LARGHEZZA;
        d.finalt = dis::VISTA_ALTEZZA;
    }
}

Variant Lettore::variante(std::uint64_t n)
{
    auto v = grezzo(n).getVariant();
    if (!v)
        rifiuta(Motivo::Intestazione);
    return std::move(*v);
}

Variant Lettore::numero(std::uint64_t n)
{
    Variant v = variante(n);
    if (!numerico(v))
        rifiuta(Motivo::Intestazione);
    return v;
}

Variant Lettore::indiceColore(std::uint64_t n)
{
    Variant v = numero(n);
    if (!Palette::valid(v.toInt16()))
        rifiuta(Motivo::Intestazione);
    return v;
}

std::string Lettore::interruttore(std::uint64_t n)
{
    const Variant v = variante(n);
    if (v.tag() != Variant::Text)
        rifiuta(Motivo::Intestazione);
    return v.toText();
}

std::int16_t Lettore::statoFinestra()
{
    const double v = numero(5).toDouble();
    if (v != 0 && v != 1 && v != 2)
        rifiuta(Motivo::Intestazione);
    return static_cast<std::int16_t>(v);
}

void Lettore::entita(DisegnoLetto& d)
{
    while (n_ < totale_) {
        // Records of any other kind (a stray continuation, a blank record) are skipped.
        if (aggiungi(prossimo(), d.dis))
            d.cisonooggetti = true;
    }
}

bool Lettore::aggiungi(const recordcoma& r, disegno& dis)
{
    const std::string nome = r.nome();
    if (nome == dis::LINEA)
        dis.linee.Add(accettata(linea(r)));
    else if (nome == dis::SUPERFICIE)
        dis.superfici.Add(accettata(superficieLetta(r)));
    else if (nome == dis::POLILINEA)
        dis.polilinee.Add(accettata(polilineaLetta(r)));
    else if (nome == dis::ARCO)
        dis.archi.Add(accettata(arco(r)));
    else if (nome == dis::CERCHIO)
        dis.cerchi.Add(accettata(cerchio(r)));
    else if (nome == dis::RETTANGOLO)
        dis.rettangoli.Add(accettata(rettangolo(r)));
    else if (nome == dis::TESTO)
        dis.testi.Add(accettata(testoLetto(r)));
    else
        return false;
    return true;
}

std::unique_ptr<Linea> Lettore::linea(const recordcoma& r) const
{
    auto l = std::make_unique<Linea>();
    l->colorelinea = r.colore1;
    l->speslinea = finito(r.spessore);
    l->TipoLinea = r.tratto;
    l->Xi = finito(r.x1);
    l->Yi = finito(r.y1);
    l->Xf = finito(r.x2);
    l->Yf = finito(r.y2);
    return l;
}

std::unique_ptr<Arco> Lettore::arco(const recordcoma& r) const
{
    auto a = std::make_unique<Arco>();
    contorno(*a, r);
    a->p1x = singolo(r.x1);
    a->p1y = singolo(r.y1);
    a->p2x = singolo(r.x2);
    a->p2y = singolo(r.y2);
    a->p3x = singolo(r.x3);
    a->p3y = singolo(r.y3);
    return a;
}

std::unique_ptr<Cerchio> Lettore::cerchio(const recordcoma& r) const
{
    auto c = std::make_unique<Cerchio>();
    riempito(*c, r);
    c->Xcentro = finito(r.x1);
    c->Ycentro = finito(r.y1);
    c->Xpunto = finito(r.x2);
    c->YPunto = finito(r.y2);
    calcola_raggio_perimet_area_cerchio(*c);
    return c;
}

std::unique_ptr<Rettangolo> Lettore::rettangolo(const recordcoma& r)
{
    auto ret = std::make_unique<Rettangolo>();
    riempito(*ret, r);
    ret->vertic(4);
    ret->inser_vert_ret(finito(r.x1), finito(r.y1), 1);
    ret->inser_vert_ret(finito(r.x2), finito(r.y2), 2);
    ret->inser_vert_ret(finito(r.x3), finito(r.y3), 3);
    // The fourth corner is in the next record, whatever its tag.
    if (n_ == totale_)
        rifiuta(Motivo::RettangoloTroncato);
    const recordcoma seguito = prossimo();
    ret->inser_vert_ret(finito(seguito.x1), finito(seguito.y1), 4);
    calcola_perimetro_rettangolo(*ret);
    calcola_area_rettangolo(*ret);
    return ret;
}

std::unique_ptr<superficie> Lettore::superficieLetta(const recordcoma& r)
{
    auto sup = std::make_unique<superficie>();
    riempito(*sup, r);
    vertici(*sup, r);
    calcola_perimetro_superficie(*sup);
    calcola_area_superficie(*sup);
    return sup;
}

std::unique_ptr<polilinea> Lettore::polilineaLetta(const recordcoma& r)
{
    auto pol = std::make_unique<polilinea>();
    contorno(*pol, r);
    vertici(*pol, r);
    return pol;
}

// The `numero` vertices of a surface or polyline, three to a record: the first
// record's, then those of the records after it, whatever their tags.
void Lettore::vertici(ListaVertici& e, const recordcoma& primo)
{
    const int n = primo.numero;
    if (n <= 0)
        rifiuta(Motivo::NumeroVertici);
    const auto seguiti = static_cast<std::uint64_t>(dis::recordPerVertici(n) - 1);
    if (totale_ - n_ < seguiti)
        rifiuta(Motivo::VerticiOltreFine);
    e.vertic(primo.numero);
    int k = 0;
    for (std::uint64_t i = 0; i <= seguiti; ++i) {
        const recordcoma r = i == 0 ? primo : prossimo();
        for (const auto& [x, y] : {std::pair{r.x1, r.y1}, std::pair{r.x2, r.y2}, std::pair{r.x3, r.y3}}) {
            if (k == n)
                break;
            ++k;
            e.punto(k, {singolo(x), singolo(y)});
        }
    }
}

std::unique_ptr<testo> Lettore::testoLetto(const recordcoma& r) const
{
    auto t = std::make_unique<testo>();
    t->pos_testox = finito(r.x1);
    t->pos_testoy = finito(r.y1);
    t->barrato_testo = flag(r.x2);
    t->bold_testo = flag(r.y2);
    t->corsivo_testo = flag(r.x3);
    t->opaco_testo = flag(r.y3);
    t->sottolineato_testo = r.tratto == 1 ? VERO : FALSO;
    t->dimens_testo = finito(r.spessore);
    t->ang_testo(r.riempimento);
    t->colore_testo = r.colore1;
    t->colore_opaco_testo = r.colore2;
    // Split by bytes as stored: the font field keeps its NUL and blanks, the text its padding.
    const std::string campo = cp1252::encode(r.stringa);
    t->carattere_testo(cp1252::decode(campo.substr(0, dis::LUNGHEZZA_CARATTERE)));
    t->stringa_testo = cp1252::decode(campo.substr(dis::LUNGHEZZA_CARATTERE, dis::LUNGHEZZA_TESTO));
    return t;
}

} // namespace

EsitoLettura leggiDisegno(SorgenteRecord& sorgente)
{
    try {
        return Lettore(sorgente).leggi();
    } catch (const Rifiuto& r) {
        return r.errore;
    }
}

EsitoLettura leggifile(const std::filesystem::path& path)
{
    SorgenteFile file;
    if (!file.open(path, recordcoma::LUNGHEZZA))
        return ErroreLettura{ErroreLettura::Motivo::Illeggibile, 0};
    return leggiDisegno(file);
}

} // namespace tramel
