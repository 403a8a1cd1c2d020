#include "griglia_riquadri.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <iterator>
#include <utility>

namespace tramel {

namespace {

// The boxes to a cell, on average, and how many cells across a box may be
// and still be filed in one.
constexpr double PER_CELLA = 2;
constexpr double CELLE_PER_RIQUADRO = 4;
// The boxes appended after a layout and tested one by one, at most this many
// or a thirty-second of those laid out, before the grid is laid out again.
constexpr int AGGIUNTE_MASSIME = 1024;

// A coordinate in single precision, on the side that keeps the box whole:
// a float at or below it, within two steps of single precision; one beyond
// the floats' range, or infinite, gives -inf.
float inBasso(double v)
{
    const auto f = static_cast<float>(std::clamp(v, -double{FLT_MAX}, double{FLT_MAX}));
    return f - std::abs(f) * FLT_EPSILON - FLT_TRUE_MIN;
}

float inAlto(double v)
{
    return -inBasso(-v);
}

bool finito(const Riquadro& r)
{
    return std::isfinite(r.x1) && std::isfinite(r.y1) && std::isfinite(r.x2) && std::isfinite(r.y2);
}

// The cell of a coordinate, those beyond the grid in its border cells.
int cella(double v, double origine, double lato, int celle)
{
    return static_cast<int>(std::clamp(std::floor((v - origine) / lato), 0.0, celle - 1.0));
}

// Cells across a span, for about `celle` cells over an area of w x h.
int celleLungo(double lato, double altroLato, double celle)
{
    if (!(lato > 0))
        return 1;
    const double n = altroLato > 0 ? std::sqrt(celle * lato / altroLato) : celle;
    return static_cast<int>(std::clamp(std::ceil(n), 1.0, celle));
}

} // namespace

int GrigliaRiquadri::cellaX(double x) const
{
    return cella(x, x0_, latoX_, nx_);
}

int GrigliaRiquadri::cellaY(double y) const
{
    return cella(y, y0_, latoY_, ny_);
}

GrigliaRiquadri::Voce GrigliaRiquadri::voce(const Riquadro& r, int posizione)
{
    return {inBasso(r.x1), inBasso(r.y1), inAlto(r.x2), inAlto(r.y2), posizione};
}

void GrigliaRiquadri::costruisci(int n, const Riquadri& riquadro)
{
    // The new boxes take the old ones' place, with no second copy at any time.
    voci_.clear();
    voci_.reserve(static_cast<std::size_t>(n));
    aParte_.clear();
    aggiunte_ = 0;
    segni_.assign(static_cast<std::size_t>(n) + 1, 0);
    Riquadro angoli; // of the finite boxes' top-left corners
    for (int i = 1; i <= n; ++i) {
        const Riquadro r = riquadro(i);
        if (r.vuoto())
            continue;
        const Voce v = voce(r, i);
        if (!finito(comeRiquadro(v))) {
            aParte_.push_back(v);
            continue;
        }
        voci_.push_back(v);
        angoli = unione(angoli, Punto{v.x1, v.y1});
    }
    disponi(angoli);
    archivia();
}

void GrigliaRiquadri::aggiungi(int n, const Riquadri& riquadro)
{
    aggiunte_ += n - conteggio();
    if (n < conteggio() || aggiunte_ > std::max(AGGIUNTE_MASSIME, static_cast<int>(voci_.size() / 32))) {
        costruisci(n, riquadro);
        return;
    }
    const int da = conteggio() + 1;
    segni_.resize(static_cast<std::size_t>(n) + 1, 0);
    for (int i = da; i <= n; ++i)
        if (const Riquadro r = riquadro(i); !r.vuoto())
            aParte_.push_back(voce(r, i));
}

// The grid over the corners, for about PER_CELLA boxes a cell.
void GrigliaRiquadri::disponi(Riquadro angoli)
{
    const bool vuota = voci_.empty();
    const double celle = std::max(1.0, std::floor(static_cast<double>(voci_.size()) / PER_CELLA));
    const double w = vuota ? 0 : angoli.x2 - angoli.x1;
    const double h = vuota ? 0 : angoli.y2 - angoli.y1;
    nx_ = celleLungo(w, h, celle);
    ny_ = celleLungo(h, w, celle);
    x0_ = vuota ? 0 : angoli.x1;
    y0_ = vuota ? 0 : angoli.y1;
    latoX_ = w > 0 ? w / nx_ : 1;
    latoY_ = h > 0 ? h / ny_ : 1;
}

// Too large for a cell: aside. The rest by cell, each swapped in place
// straight to the next free place of its cell.
void GrigliaRiquadri::archivia()
{
    const auto grande = [&](const Voce& v) {
        return (nx_ > 1 && double{v.x2} - v.x1 > CELLE_PER_RIQUADRO * latoX_) ||
               (ny_ > 1 && double{v.y2} - v.y1 > CELLE_PER_RIQUADRO * latoY_);
    };
    std::copy_if(voci_.begin(), voci_.end(), std::back_inserter(aParte_), grande);
    std::erase_if(voci_, grande);
    largMax_ = altMax_ = 0;
    inizio_.assign(static_cast<std::size_t>(nx_) * static_cast<std::size_t>(ny_) + 1, 0);
    std::vector<int> celle(voci_.size());
    for (std::size_t i = 0; i < voci_.size(); ++i) {
        const Voce& v = voci_[i];
        largMax_ = std::max(largMax_, double{v.x2} - v.x1);
        altMax_ = std::max(altMax_, double{v.y2} - v.y1);
        celle[i] = cellaDi(v);
        ++inizio_[static_cast<std::size_t>(celle[i]) + 1];
    }
    for (std::size_t c = 1; c < inizio_.size(); ++c)
        inizio_[c] += inizio_[c - 1];
    std::vector<int> prossima(inizio_.begin(), inizio_.end() - 1);
    for (std::size_t c = 0; c < prossima.size(); ++c)
        while (prossima[c] < inizio_[c + 1]) {
            const auto i = static_cast<std::size_t>(prossima[c]);
            const auto dove = static_cast<std::size_t>(celle[i]);
            if (dove == c) {
                ++prossima[c];
                continue;
            }
            const auto j = static_cast<std::size_t>(prossima[dove]++);
            std::swap(voci_[i], voci_[j]);
            std::swap(celle[i], celle[j]);
        }
}

void GrigliaRiquadri::cerca(const Riquadro& finestra, std::vector<int>& posizioni) const
{
    posizioni.clear();
    if (finestra.vuoto())
        return;
    // Marked, then read in order: cheaper than sorting when the view shows much of the drawing.
    int primo = static_cast<int>(segni_.size()), ultimo = 0;
    const auto prendi = [&](const Voce& v) {
        if (siToccano(comeRiquadro(v), finestra)) {
            segni_[static_cast<std::size_t>(v.posizione)] = 1;
            primo = std::min(primo, v.posizione);
            ultimo = std::max(ultimo, v.posizione);
        }
    };
    // A box filed in a cell starts there, and reaches at most the largest
    // box's size beyond; one cell more makes up for the rounding of the sizes.
    const int cx1 = std::max(0, cellaX(finestra.x1 - largMax_) - 1), cx2 = cellaX(finestra.x2);
    const int cy1 = std::max(0, cellaY(finestra.y1 - altMax_) - 1), cy2 = cellaY(finestra.y2);
    for (int cy = cy1; cy <= cy2; ++cy) {
        const auto riga = static_cast<std::size_t>(cy) * static_cast<std::size_t>(nx_);
        const auto da = static_cast<std::size_t>(inizio_[riga + static_cast<std::size_t>(cx1)]);
        const auto a = static_cast<std::size_t>(inizio_[riga + static_cast<std::size_t>(cx2) + 1]);
        for (std::size_t i = da; i < a; ++i)
            prendi(voci_[i]);
    }
    for (const Voce& v : aParte_)
        prendi(v);
    for (int i = primo; i <= ultimo; ++i)
        if (std::exchange(segni_[static_cast<std::size_t>(i)], 0))
            posizioni.push_back(i);
}

} // namespace tramel
