#include "lettura_txt.h"

#include "geometry/misure.h"
#include "geometry/trasforma_entita.h"
#include "platform/cp1252.h"
#include "platform/numbers.h"

#include <cmath>
#include <limits>
#include <memory>
#include <utility>

namespace tramel {

namespace {

constexpr std::string_view BOM = "\xEF\xBB\xBF";

// What each kind of value should have been.
constexpr const char* COLORE = "un colore da 0 a 15";
constexpr const char* INTERRUTTORE = "ON oppure OFF";
constexpr const char* NUMERO = "un numero";
constexpr const char* SINGOLA = "un numero in singola precisione";
constexpr const char* LUNGO = "un numero intero a 32 bit";
constexpr const char* CONTEGGIO = "un numero di vertici da 0 a 32767";
constexpr const char* FLAG = "un indicatore";
constexpr const char* TESTO = "un testo";

constexpr std::size_t LUNGHEZZA_CARATTERE = 32;
constexpr std::size_t LUNGHEZZA_TESTO = 100;

// Abandons the file from anywhere inside the reader; leggiTxt turns it into its result.
struct Rifiuto {
    ErroreTxt errore;
};

class LettoreTxt {
public:
    LettoreTxt(std::string_view bytes, const NumberFormat& numeri, const Avanzamento& avanzamento)
        : bytes_(bytes), lunghezza_(bytes.size()), numeri_(numeri.decimalSeparator(), ""),
          avanzamento_(avanzamento)
    {
        if (bytes_.starts_with(BOM)) {
            bytes_.remove_prefix(BOM.size());
            utf8_ = true;
        }
    }
    DisegnoTxt leggi();

private:
    [[noreturn]] void rifiuta(std::uint64_t riga, const char* atteso) const { throw Rifiuto{{riga, atteso}}; }
    bool fine() const { return pos_ == bytes_.size(); }
    // Steps over CR LF, CR or LF at pos_, if there is one; true when it did.
    bool fineRiga();

    // The header, read as free-format fields each ended by a comma or a line end.
    void intestazione(DisegnoTxt& d);
    std::string_view campo(const char* atteso);
    double numeroIntestazione(const char* atteso);
    Variant colore();
    float passo();

    // The body, one value per line.
    void corpo(DisegnoTxt& d);
    std::string_view riga();
    void avanza(std::string_view riga);
    std::string_view valore(const char* atteso);
    double reale(const char* atteso = NUMERO);
    float singola();
    double puntoSingolo();
    std::int32_t lungo();
    std::int16_t conteggio();
    std::int16_t flag();
    std::string testoCorto(std::size_t caratteri);

    void entita(std::string_view nome, disegno& dis);
    std::unique_ptr<Linea> linea();
    std::unique_ptr<superficie> superficieLetta();
    std::unique_ptr<polilinea> polilineaLetta();
    std::unique_ptr<Arco> arco();
    std::unique_ptr<Cerchio> cerchio();
    std::unique_ptr<Rettangolo> rettangolo();
    std::unique_ptr<testo> testoLetto();
    template <class T>
    void contorno(T& e);
    template <class T>
    void riempito(T& e);
    void vertici(ListaVertici& e, std::int16_t n, bool singoli);
    template <class T>
    std::unique_ptr<T> accettata(std::unique_ptr<T> e) const;

    std::string_view bytes_;
    const std::uint64_t lunghezza_; // L, in bytes
    const NumberFormat numeri_;
    const NumberFormat punto_{".", ""};
    const Avanzamento& avanzamento_;
    bool utf8_ = false;
    std::size_t pos_ = 0;
    std::uint64_t rigaCorrente_ = 1; // the line pos_ stands on
    std::uint64_t rigaLetta_ = 0;    // the line read last
    // The progress counter in fifths of a character, so that the bar opens at exactly one fifth.
    std::uint64_t contatore_ = 0;
    int barra_ = -1;
};

DisegnoTxt LettoreTxt::leggi()
{
    DisegnoTxt d;
    intestazione(d);
    corpo(d);
    return d;
}

bool LettoreTxt::fineRiga()
{
    if (fine())
        return false;
    if (bytes_[pos_] == '\r') {
        ++pos_;
        if (!fine() && bytes_[pos_] == '\n')
            ++pos_;
    } else if (bytes_[pos_] == '\n') {
        ++pos_;
    } else {
        return false;
    }
    ++rigaCorrente_;
    return true;
}

void LettoreTxt::intestazione(DisegnoTxt& d)
{
    d.colsfondo = colore();
    d.colanteprima = colore();
    d.snapattivo = std::string(campo(INTERRUTTORE));
    d.passosnap = passo();
    d.grigliaattiva = std::string(campo(INTERRUTTORE));
    d.passogriglia = passo();
}

// One field: blanks before it skipped, a quoted text up to its closing quote,
// anything else up to the comma or line end, trailing blanks dropped. The
// comma or line end that ends it is consumed.
std::string_view LettoreTxt::campo(const char* atteso)
{
    while (!fine() && (bytes_[pos_] == ' ' || bytes_[pos_] == '\t'))
        ++pos_;
    if (fine())
        rifiuta(rigaCorrente_, atteso);
    const auto finoA = [this](std::string_view fine) {
        const std::size_t inizio = pos_;
        pos_ = std::min(bytes_.find_first_of(fine, pos_), bytes_.size());
        return bytes_.substr(inizio, pos_ - inizio);
    };
    std::string_view v;
    if (bytes_[pos_] == '"') {
        ++pos_;
        v = finoA("\"\r\n");
        if (!fine() && bytes_[pos_] == '"')
            ++pos_;
        finoA(",\r\n"); // whatever follows the closing quote
    } else {
        v = trimmed(finoA(",\r\n"));
    }
    if (!fine() && bytes_[pos_] == ',')
        ++pos_;
    else
        fineRiga();
    return v;
}

double LettoreTxt::numeroIntestazione(const char* atteso)
{
    const std::uint64_t riga = rigaCorrente_;
    const auto v = punto_.parse(campo(atteso));
    if (!v)
        rifiuta(riga, atteso);
    return *v;
}

Variant LettoreTxt::colore()
{
    const std::uint64_t riga = rigaCorrente_;
    const double v = numeroIntestazione(COLORE);
    if (v != std::floor(v) || v < 0 || v > 15)
        rifiuta(riga, COLORE);
    return Variant(static_cast<std::int16_t>(v));
}

float LettoreTxt::passo()
{
    const std::uint64_t riga = rigaCorrente_;
    const auto v = static_cast<float>(numeroIntestazione(SINGOLA));
    if (!std::isfinite(v))
        rifiuta(riga, SINGOLA);
    return v;
}

void LettoreTxt::corpo(DisegnoTxt& d)
{
    if (lunghezza_ == 0)
        return;
    contatore_ = lunghezza_; // L / 5
    avanza({});
    // A line that names no kind is skipped: blank lines, comments, other capitals.
    while (!fine())
        entita(trimmed(riga()), d.dis);
    const disegno& e = d.dis;
    d.geometrici = e.linee.Count() + e.superfici.Count() + e.polilinee.Count() + e.archi.Count() + e.cerchi.Count()
                       + e.rettangoli.Count()
                   > 0;
    d.entita = d.geometrici || e.testi.Count() > 0;
}

std::string_view LettoreTxt::riga()
{
    const std::size_t inizio = pos_;
    while (!fine() && bytes_[pos_] != '\r' && bytes_[pos_] != '\n')
        ++pos_;
    const std::string_view r = bytes_.substr(inizio, pos_ - inizio);
    rigaLetta_ = rigaCorrente_;
    if (!fineRiga())
        ++rigaCorrente_; // the last line, without its end
    avanza(r);
    return r;
}

// Adds the line's length in characters to the counter, up to the file's
// length, and tells the new share of the file when its whole part changed.
void LettoreTxt::avanza(std::string_view riga)
{
    std::uint64_t caratteri = riga.size();
    if (utf8_) {
        for (const char c : riga)
            caratteri -= (static_cast<unsigned char>(c) & 0xC0) == 0x80;
    }
    contatore_ = std::min(contatore_ + 5 * caratteri, 5 * lunghezza_);
    const int barra = static_cast<int>(contatore_ * 20 / lunghezza_);
    if (barra != barra_) {
        barra_ = barra;
        if (avanzamento_)
            avanzamento_(barra);
    }
}

std::string_view LettoreTxt::valore(const char* atteso)
{
    // A block cut short by the end of the file.
    if (fine())
        rifiuta(rigaCorrente_, atteso);
    return riga();
}

double LettoreTxt::reale(const char* atteso)
{
    const auto v = numeri_.parse(valore(atteso));
    if (!v)
        rifiuta(rigaLetta_, atteso);
    return *v;
}

float LettoreTxt::singola()
{
    const auto v = static_cast<float>(reale(SINGOLA));
    if (!std::isfinite(v))
        rifiuta(rigaLetta_, SINGOLA);
    return v;
}

// A point of an arc, polyline or surface, which the engine keeps within a Single.
double LettoreTxt::puntoSingolo()
{
    const double v = reale();
    if (!inSingolo(v))
        rifiuta(rigaLetta_, SINGOLA);
    return v;
}

// Rounded to the nearest whole number, halves to even.
std::int32_t LettoreTxt::lungo()
{
    const double v = std::nearbyint(reale(LUNGO));
    if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
        rifiuta(rigaLetta_, LUNGO);
    return static_cast<std::int32_t>(v);
}

// A vertex count: a 16-bit whole number, halves to even, not negative.
std::int16_t LettoreTxt::conteggio()
{
    const double v = std::nearbyint(reale(CONTEGGIO));
    if (v < 0 || v > std::numeric_limits<std::int16_t>::max())
        rifiuta(rigaLetta_, CONTEGGIO);
    return static_cast<std::int16_t>(v);
}

// Set exactly when the line's leading number is 1; never refused.
std::int16_t LettoreTxt::flag()
{
    return valNumero(valore(FLAG)) == 1.0 ? VERO : FALSO;
}

// The line as it stands, cut to so many characters; never refused. Texts are
// kept in the single-byte set, where a byte is a character.
std::string LettoreTxt::testoCorto(std::size_t caratteri)
{
    const std::string_view r = valore(TESTO);
    const std::string byte = utf8_ ? cp1252::encode(r) : std::string(r);
    return cp1252::decode(std::string_view(byte).substr(0, caratteri));
}

void LettoreTxt::entita(std::string_view nome, disegno& dis)
{
    if (nome == "Linea")
        dis.linee.Add(accettata(linea()));
    else if (nome == "Superficie")
        dis.superfici.Add(accettata(superficieLetta()));
    else if (nome == "Polilinea")
        dis.polilinee.Add(accettata(polilineaLetta()));
    else if (nome == "Arco")
        dis.archi.Add(accettata(arco()));
    else if (nome == "Cerchio")
        dis.cerchi.Add(accettata(cerchio()));
    else if (nome == "Rettangolo")
        dis.rettangoli.Add(accettata(rettangolo()));
    else if (nome == "Testo")
        dis.testi.Add(accettata(testoLetto()));
}

// An entity the engine could not edit is refused as a number would be: its
// measures, worked out from its points, are checked at its last line.
template <class T>
std::unique_ptr<T> LettoreTxt::accettata(std::unique_ptr<T> e) const
{
    if (!finita(*e))
        rifiuta(rigaLetta_, NUMERO);
    return e;
}

// Each value is stored as soon as it is read, in the order of the file.

std::unique_ptr<Linea> LettoreTxt::linea()
{
    auto l = std::make_unique<Linea>();
    l->colorelinea = lungo();
    l->speslinea = singola();
    l->TipoLinea = lungo();
    l->Xi = reale();
    l->Yi = reale();
    l->Xf = reale();
    l->Yf = reale();
    return l;
}

// Outline colour, thickness and style of arcs and polylines.
template <class T>
void LettoreTxt::contorno(T& e)
{
    e.colcont = lungo();
    e.spescont = singola();
    e.trattcont = lungo();
}

// Fill, fill colour and outline of surfaces, rectangles and circles.
template <class T>
void LettoreTxt::riempito(T& e)
{
    e.campitura = lungo();
    e.colcont = lungo();
    e.colocampitura = lungo();
    e.spescont = singola();
    e.trattcont = lungo();
}

// The points of surfaces and polylines are kept within a Single, a rectangle's in Doubles.
void LettoreTxt::vertici(ListaVertici& e, std::int16_t n, bool singoli)
{
    const auto coordinata = [&] { return singoli ? puntoSingolo() : reale(); };
    e.vertic(n);
    for (int i = 1; i <= n; ++i) {
        const double x = coordinata();
        e.punto(i, {x, coordinata()});
    }
}

std::unique_ptr<superficie> LettoreTxt::superficieLetta()
{
    auto s = std::make_unique<superficie>();
    riempito(*s);
    vertici(*s, conteggio(), true);
    calcola_area_superficie(*s);
    calcola_perimetro_superficie(*s);
    return s;
}

std::unique_ptr<polilinea> LettoreTxt::polilineaLetta()
{
    auto p = std::make_unique<polilinea>();
    contorno(*p);
    vertici(*p, conteggio(), true);
    return p;
}

std::unique_ptr<Arco> LettoreTxt::arco()
{
    auto a = std::make_unique<Arco>();
    contorno(*a);
    a->p1x = puntoSingolo();
    a->p1y = puntoSingolo();
    a->p2x = puntoSingolo();
    a->p2y = puntoSingolo();
    a->p3x = puntoSingolo();
    a->p3y = puntoSingolo();
    return a;
}

std::unique_ptr<Cerchio> LettoreTxt::cerchio()
{
    auto c = std::make_unique<Cerchio>();
    riempito(*c);
    c->Xcentro = reale();
    c->Ycentro = reale();
    c->Xpunto = reale();
    c->YPunto = reale();
    calcola_raggio_perimet_area_cerchio(*c);
    return c;
}

std::unique_ptr<Rettangolo> LettoreTxt::rettangolo()
{
    auto r = std::make_unique<Rettangolo>();
    riempito(*r);
    vertici(*r, 4, false);
    calcola_area_rettangolo(*r);
    calcola_perimetro_rettangolo(*r);
    return r;
}

std::unique_ptr<testo> LettoreTxt::testoLetto()
{
    auto t = std::make_unique<testo>();
    t->pos_testox = reale();
    t->pos_testoy = reale();
    t->barrato_testo = flag();
    t->bold_testo = flag();
    t->corsivo_testo = flag();
    t->opaco_testo = flag();
    t->sottolineato_testo = flag();
    t->dimens_testo = singola();
    t->ang_testo(lungo());
    t->colore_testo = lungo();
    t->colore_opaco_testo = lungo();
    t->carattere_testo(testoCorto(LUNGHEZZA_CARATTERE));
    t->stringa_testo = testoCorto(LUNGHEZZA_TESTO);
    return t;
}

} // namespace

std::string dettaglio(const ErroreTxt& errore)
{
    if (errore.riga == 0)
        return {};
    return "\nRiga " + std::to_string(errore.riga) + ": atteso " + errore.atteso;
}

EsitoTxt leggiTxt(std::string_view bytes, const NumberFormat& numeri, const Avanzamento& avanzamento)
{
    try {
        return LettoreTxt(bytes, numeri, avanzamento).leggi();
    } catch (const Rifiuto& r) {
        return r.errore;
    }
}

} // namespace tramel
