#include "ritaglio.h"

#include <array>
#include <cmath>
#include <numbers>

namespace tramel {

namespace {

bool dentro(const Punto& p, double limite)
{
    return std::abs(p.x) <= limite && std::abs(p.y) <= limite;
}

// One side of the band: the points whose coordinate asse (0 x, 1 y), times
// verso (+1 or -1), is at most limite.
struct Lato {
    int asse;
    double verso;
    double limite;

    double valore(const Punto& p) const { return verso * (asse == 0 ? p.x : p.y); }
    bool tiene(const Punto& p) const { return valore(p) <= limite; }
    // Where the segment a-b meets the side; a and b lie on either side of it.
    Punto incontro(const Punto& a, const Punto& b) const
    {
        const double t = (limite - valore(a)) / (valore(b) - valore(a));
        Punto p{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
        (asse == 0 ? p.x : p.y) = verso * limite; // exactly on the side, whatever the rounding
        return p;
    }
};

// The chords of the arc about centro from the angle `da` through `ampiezza`,
// each short enough to stray from it by a quarter pixel at most.
std::vector<Punto> corde(Punto centro, double raggio, double da, double ampiezza)
{
    const double passo = std::sqrt(2 / raggio); // the sagitta r (1 - cos(passo / 2)) is about r passo^2 / 8
    const int n = std::max(1, static_cast<int>(std::ceil(ampiezza / passo)));
    std::vector<Punto> punti;
    punti.reserve(static_cast<std::size_t>(n) + 1);
    for (int i = 0; i <= n; ++i) {
        const double a = da + ampiezza * i / n;
        punti.push_back({centro.x + raggio * std::cos(a), centro.y - raggio * std::sin(a)});
    }
    return punti;
}

std::array<Lato, 4> lati(double limite)
{
    return {{{0, 1, limite}, {0, -1, limite}, {1, 1, limite}, {1, -1, limite}}};
}

} // namespace

bool dentroBanda(const std::vector<Punto>& punti, double limite)
{
    for (const Punto& p : punti)
        if (!dentro(p, limite))
            return false;
    return true;
}

bool ritagliaSegmento(Punto& a, Punto& b, double limite)
{
    for (const Lato& lato : lati(limite)) {
        const bool tieneA = lato.tiene(a);
        const bool tieneB = lato.tiene(b);
        if (!tieneA && !tieneB)
            return false;
        if (!tieneA)
            a = lato.incontro(a, b);
        else if (!tieneB)
            b = lato.incontro(a, b);
    }
    // A NaN coordinate fails every test above without being cut.
    return dentro(a, limite) && dentro(b, limite);
}

std::vector<std::vector<Punto>> ritagliaSpezzata(const std::vector<Punto>& punti, double limite)
{
    std::vector<std::vector<Punto>> pezzi;
    bool aperto = false; // the last piece ends where the next segment starts
    for (std::size_t i = 1; i < punti.size(); ++i) {
        Punto a = punti[i - 1];
        Punto b = punti[i];
        if (!ritagliaSegmento(a, b, limite)) {
            aperto = false;
            continue;
        }
        if (!aperto)
            pezzi.push_back({a});
        pezzi.back().push_back(b);
        aperto = b == punti[i];
    }
    return pezzi;
}

std::vector<Punto> ritagliaPoligono(const std::vector<Punto>& punti, double limite)
{
    std::vector<Punto> risultato = punti;
    for (const Lato& lato : lati(limite)) {
        const std::vector<Punto> entrata = std::move(risultato);
        risultato.clear();
        for (std::size_t i = 0; i < entrata.size(); ++i) {
            const Punto& a = entrata[(i + entrata.size() - 1) % entrata.size()];
            const Punto& b = entrata[i];
            if (lato.tiene(a) != lato.tiene(b))
                risultato.push_back(lato.incontro(a, b));
            if (lato.tiene(b))
                risultato.push_back(b);
        }
    }
    return risultato;
}

std::vector<std::vector<Punto>> cordeArco(Punto centro, double raggio, double inizio, double ampiezza,
                                           Punto vista, double distanza)
{
    constexpr double giro = 2 * std::numbers::pi;
    std::vector<std::vector<Punto>> catene;
    const double dx = vista.x - centro.x, dy = centro.y - vista.y; // y up
    const double d = std::hypot(dx, dy);
    const double scarto = d - raggio;
    if (!(std::abs(scarto) <= distanza)) // the circle stays away, or has no place (NaN)
        return catene;
    // The circle meets the disc about vista at the angles towards vista plus
    // or minus `mezzo`: 1 - cos(mezzo) = (distanza^2 - scarto^2) / (2 raggio d),
    // taken through the sine of half the angle, which keeps its precision
    // where the angle is tiny and the radius huge.
    const double seno2 = (distanza * distanza - scarto * scarto) / (4 * raggio * d);
    const double mezzo = seno2 >= 1 ? std::numbers::pi : 2 * std::asin(std::sqrt(seno2));
    // Where the disc's angles begin, from the arc's start counter-clockwise.
    double da = std::fmod(std::atan2(dy, dx) - mezzo - inizio, giro);
    if (da < 0)
        da += giro;
    const auto parte = [&](double a, double b) {
        if (b > a)
            catene.push_back(corde(centro, raggio, inizio + a, b - a));
    };
    if (mezzo >= std::numbers::pi) {
        parte(0, ampiezza);
    } else {
        parte(0, std::min(da + 2 * mezzo - giro, ampiezza)); // the disc's angles past a whole turn
        parte(da, std::min(da + 2 * mezzo, ampiezza));
    }
    return catene;
}

std::vector<Punto> poligonoCerchio(Punto centro, double raggio, Punto vista, double distanza)
{
    constexpr double giro = 2 * std::numbers::pi;
    // Beyond distanza by a pixel, so that its chords stay beyond it too.
    const double fuori = distanza + 1;
    const double d = std::hypot(vista.x - centro.x, vista.y - centro.y);
    if (raggio - d > distanza) // vista lies deep inside: the disc covers all around it
        return corde(vista, fuori, 0, giro);
    std::vector<std::vector<Punto>> catene = cordeArco(centro, raggio, 0, giro, vista, distanza);
    if (catene.empty() || d + raggio <= distanza) // out of reach, or the whole circle in reach
        return catene.empty() ? std::vector<Punto>{} : catene.front();
    // One chain, counter-clockwise (y up) from where the circle enters the
    // reach to where it leaves it, joined across the angle 0 if need be.
    std::vector<Punto> poligono = std::move(catene.back());
    if (catene.size() == 2)
        poligono.insert(poligono.end(), catene.front().begin() + 1, catene.front().end());
    // Back to its start counter-clockwise about vista, which keeps the disc's side.
    const auto angolo = [&](const Punto& p) { return std::atan2(vista.y - p.y, p.x - vista.x); };
    const double da = angolo(poligono.back());
    const double ampiezza = std::fmod(angolo(poligono.front()) - da + 2 * giro, giro);
    const std::vector<Punto> ritorno = corde(vista, fuori, da, ampiezza);
    poligono.insert(poligono.end(), ritorno.begin(), ritorno.end());
    return poligono;
}

} // namespace tramel
