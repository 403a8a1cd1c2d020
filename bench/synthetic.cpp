#include "synthetic.h"

#include "geometry/intersezioni.h"
#include "geometry/misure.h"

#include <cmath>
#include <random>
#include <string>

namespace tramel {

namespace {

// Numbers from the raw mt19937 sequence, which the standard fixes, scaled
// here rather than by the library's distributions, whose results vary
// between implementations.
class Casuale {
public:
    explicit Casuale(std::uint32_t seed) : gen_(seed) {}
    // Uniform in [a, b).
    double reale(double a, double b) { return a + (b - a) * (gen_() / 4294967296.0); }
    // Uniform in [lo, hi]; the modulo bias is negligible for these small ranges.
    int intero(int lo, int hi) { return lo + static_cast<int>(gen_() % static_cast<std::uint32_t>(hi - lo + 1)); }

private:
    std::mt19937 gen_;
};

struct Parametri {
    Casuale& caso;
    double extent;
    double size;

    double coordinata() { return caso.reale(0, extent); }
    double scarto() { return caso.reale(-size / 2, size / 2); }
    Rgb colore() { return static_cast<Rgb>(caso.intero(0, 0xFFFFFF)); }
    std::int32_t tratto() { return caso.intero(PS_SOLID, PS_DASHDOTDOT); }
    float spessore() { return static_cast<float>(caso.intero(0, 10)) / 2; }
    std::int16_t flag() { return caso.intero(0, 1) ? VERO : FALSO; }
};

template <class T>
void contorno(T& e, Parametri& p)
{
    e.colcont = p.colore();
    e.trattcont = p.tratto();
    e.spescont = p.spessore();
}

template <class T>
void campitura(T& e, Parametri& p)
{
    e.campitura = p.caso.intero(0, CAMPITURA_NESSUNA);
    e.colocampitura = p.colore();
}

std::unique_ptr<Linea> linea(Parametri& p)
{
    auto l = std::make_unique<Linea>();
    l->colorelinea = p.colore();
    l->TipoLinea = p.tratto();
    l->speslinea = p.spessore();
    l->Xi = p.coordinata();
    l->Yi = p.coordinata();
    l->Xf = l->Xi + p.scarto();
    l->Yf = l->Yi + p.scarto();
    return l;
}

std::unique_ptr<polilinea> polilineaSintetica(Parametri& p)
{
    auto pol = std::make_unique<polilinea>();
    contorno(*pol, p);
    const int n = p.caso.intero(2, 5);
    pol->vertic(static_cast<std::int16_t>(n));
    double x = p.coordinata(), y = p.coordinata();
    for (int i = 1; i <= n; ++i) {
        pol->inser_vert_pol(x, y, i);
        x += p.scarto() / 2;
        y += p.scarto() / 2;
    }
    return pol;
}

std::unique_ptr<Rettangolo> rettangolo(Parametri& p)
{
    auto r = std::make_unique<Rettangolo>();
    contorno(*r, p);
    campitura(*r, p);
    const double x = p.coordinata(), y = p.coordinata();
    const double w = p.caso.reale(p.size / 10, p.size), h = p.caso.reale(p.size / 10, p.size);
    r->vertic(4);
    r->inser_vert_ret(x, y, 1);
    r->inser_vert_ret(x + w, y, 2);
    r->inser_vert_ret(x + w, y + h, 3);
    r->inser_vert_ret(x, y + h, 4);
    calcola_perimetro_rettangolo(*r);
    calcola_area_rettangolo(*r);
    return r;
}

// Vertices at rising angles about a centre, one in each of n equal sectors,
// so the polygon never crosses itself.
std::unique_ptr<superficie> superficieSintetica(Parametri& p)
{
    auto s = std::make_unique<superficie>();
    contorno(*s, p);
    campitura(*s, p);
    const int n = p.caso.intero(3, 6);
    const double xc = p.coordinata(), yc = p.coordinata();
    s->vertic(static_cast<std::int16_t>(n));
    for (int i = 1; i <= n; ++i) {
        const double a = 2 * pigreco * (i - 1 + p.caso.reale(0, 1)) / n;
        const double r = p.caso.reale(p.size / 4, p.size / 2);
        s->inser_vert_sup(xc + r * std::cos(a), yc + r * std::sin(a), i);
    }
    calcola_perimetro_superficie(*s);
    calcola_area_superficie(*s);
    return s;
}

std::unique_ptr<Cerchio> cerchio(Parametri& p)
{
    auto c = std::make_unique<Cerchio>();
    contorno(*c, p);
    campitura(*c, p);
    c->Xcentro = p.coordinata();
    c->Ycentro = p.coordinata();
    const double r = p.caso.reale(p.size / 10, p.size / 2);
    const double a = p.caso.reale(0, 2 * pigreco);
    c->Xpunto = c->Xcentro + r * std::cos(a);
    c->YPunto = c->Ycentro + r * std::sin(a);
    calcola_raggio_perimet_area_cerchio(*c);
    return c;
}

// An arc runs from p1 through falling angles (counter-clockwise with y
// downwards) to p2; p3 lies halfway.
std::unique_ptr<Arco> arco(Parametri& p)
{
    auto a = std::make_unique<Arco>();
    contorno(*a, p);
    const double xc = p.coordinata(), yc = p.coordinata();
    const double r = p.caso.reale(p.size / 10, p.size / 2);
    const double inizio = p.caso.reale(0, 2 * pigreco);
    const double ampiezza = p.caso.reale(0.1, 1.9) * pigreco;
    const auto punto = [&](double ang, double& x, double& y) {
        x = xc + r * std::cos(ang);
        y = yc + r * std::sin(ang);
    };
    punto(inizio, a->p1x, a->p1y);
    punto(inizio - ampiezza, a->p2x, a->p2y);
    punto(inizio - ampiezza / 2, a->p3x, a->p3y);
    return a;
}

std::unique_ptr<testo> testoSintetico(Parametri& p)
{
    static const std::string lettere = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    auto t = std::make_unique<testo>();
    t->carattere_testo("Arial");
    t->dimens_testo = static_cast<float>(p.caso.intero(8, 36));
    t->bold_testo = p.flag();
    t->corsivo_testo = p.flag();
    t->colore_testo = p.colore();
    t->ang_testo(p.caso.intero(0, 359));
    const int n = p.caso.intero(3, 12);
    for (int i = 0; i < n; ++i)
        t->stringa_testo += lettere[static_cast<std::size_t>(p.caso.intero(0, static_cast<int>(lettere.size()) - 1))];
    t->pos_testox = p.coordinata();
    t->pos_testoy = p.coordinata();
    return t;
}

template <class T, class Crea>
void riempi(Collezione<T>& c, int n, Parametri& p, Crea crea)
{
    for (int i = 0; i < n; ++i)
        c.Add(crea(p));
}

} // namespace

std::unique_ptr<disegno> disegnoSintetico(int perTipo, std::uint32_t seed, double extent, double size)
{
    Casuale caso(seed);
    Parametri p{caso, extent, size};
    auto d = std::make_unique<disegno>();
    riempi(d->linee, perTipo, p, linea);
    riempi(d->polilinee, perTipo, p, polilineaSintetica);
    riempi(d->rettangoli, perTipo, p, rettangolo);
    riempi(d->superfici, perTipo, p, superficieSintetica);
    riempi(d->cerchi, perTipo, p, cerchio);
    riempi(d->archi, perTipo, p, arco);
    riempi(d->testi, perTipo, p, testoSintetico);
    return d;
}

} // namespace tramel
