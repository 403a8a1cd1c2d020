#include "misure.h"

#include "intersezioni.h"

#include <cmath>

namespace tramel {

namespace {

// Perimeter of the closed polygon through the vertices.
double perimetro(const ListaVertici& v)
{
    const int n = v.vertic();
    const auto lato = [&](int a, int b) {
        const Punto p = v.punto(a);
        const Punto q = v.punto(b);
        return std::sqrt((p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y));
    };
    double P = 0;
    for (int i = 1; i <= n - 1; ++i)
        P += lato(i, i + 1);
    return P + lato(n, 1);
}

// Shoelace area of the closed polygon through the vertices; each term is
// halved before it is added.
double area(const ListaVertici& v)
{
    const int n = v.vertic();
    const auto termine = [&](int a, int b) {
        const Punto p = v.punto(a);
        const Punto q = v.punto(b);
        return (p.x * q.y - q.x * p.y) / 2;
    };
    double S = 0;
    for (int i = 1; i <= n - 1; ++i)
        S += termine(i, i + 1);
    S += termine(n, 1);
    return std::abs(S);
}

// No finite step needs more than 53 rounds; the cap only guards the loop.
constexpr int DECIMALI_MASSIMI = 60;

} // namespace

void calcola_perimetro_superficie(superficie& sup)
{
    sup.perimet = perimetro(sup);
}

void calcola_area_superficie(superficie& sup)
{
    sup.supf = area(sup);
}

void calcola_perimetro_rettangolo(Rettangolo& ret)
{
    ret.perimet = perimetro(ret);
}

void calcola_area_rettangolo(Rettangolo& ret)
{
    ret.supf = area(ret);
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
