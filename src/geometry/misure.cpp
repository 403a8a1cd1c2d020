#include "misure.h"

#include "intersezioni.h"

#include <cmath>

namespace tramel {

namespace {

struct Punto {
    double x, y;
};

// Perimeter of the closed polygon of n vertices read by leggi(i).
template <class Leggi>
double perimetro(int n, Leggi leggi)
{
    const auto lato = [&](int a, int b) {
        const Punto p = leggi(a);
        const Punto q = leggi(b);
        return std::sqrt((p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y));
    };
    double P = 0;
    for (int i = 1; i <= n - 1; ++i)
        P += lato(i, i + 1);
    return P + lato(n, 1);
}

// Shoelace area of the closed polygon of n vertices read by leggi(i); each
// term is halved before it is added.
template <class Leggi>
double area(int n, Leggi leggi)
{
    const auto termine = [&](int a, int b) {
        const Punto p = leggi(a);
        const Punto q = leggi(b);
        return (p.x * q.y - q.x * p.y) / 2;
    };
    double S = 0;
    for (int i = 1; i <= n - 1; ++i)
        S += termine(i, i + 1);
    S += termine(n, 1);
    return std::abs(S);
}

auto lettore(const superficie& sup)
{
    return [&sup](int i) {
        Punto p{};
        sup.prel_vert_sup(p.x, p.y, i);
        return p;
    };
}

auto lettore(const Rettangolo& ret)
{
    return [&ret](int i) {
        Punto p{};
        ret.prel_vert_ret(p.x, p.y, i);
        return p;
    };
}

// No finite step needs more than 53 rounds; the cap only guards the loop.
constexpr int DECIMALI_MASSIMI = 60;

} // namespace

void calcola_perimetro_superficie(superficie& sup)
{
    sup.perimet = perimetro(sup.vertic(), lettore(sup));
}

void calcola_area_superficie(superficie& sup)
{
    sup.supf = area(sup.vertic(), lettore(sup));
}

void calcola_perimetro_rettangolo(Rettangolo& ret)
{
    ret.perimet = perimetro(ret.vertic(), lettore(ret));
}

void calcola_area_rettangolo(Rettangolo& ret)
{
    ret.supf = area(ret.vertic(), lettore(ret));
}

void calcola_raggio_perimet_area_cerchio(Cerchio& cerchio)
{
    const double dy = cerchio.YPunto - cerchio.Ycentro;
    const double dx = cerchio.Xpunto - cerchio.Xcentro;
    cerchio.raggio = std::sqrt(dy * dy + dx * dx);
    cerchio.perimet = 2 * (pigreco * cerchio.raggio);
    cerchio.supf = cerchio.raggio * cerchio.raggio * pigreco;
}

int numero_decimali_steps(float passosnap)
{
    if (!std::isfinite(passosnap))
        return 0;
    // The products are taken in double and each side rounded to a float, so
    // the fraction vanishes once the step times 10^n outgrows a float's
    // precision. Only later rounds add 0.0001 against a product a hair short.
    const double p = passosnap;
    float a = static_cast<float>(std::floor(p));
    for (int n = 0; n < DECIMALI_MASSIMI; ++n) {
        const double scalato = p * std::pow(10.0, n);
        if (a == static_cast<float>(scalato))
            return n;
        a = static_cast<float>(std::floor(p * std::pow(10.0, n + 1) + 0.0001));
    }
    return DECIMALI_MASSIMI;
}

} // namespace tramel
