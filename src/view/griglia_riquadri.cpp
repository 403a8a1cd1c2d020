#include "griglia_riquadri.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tramel {

namespace {

// The boxes to a cell, on average, and how many cells across a box may be
// and still be filed in one.
constexpr double PER_CELLA = 2;
constexpr double CELLE_PER_RIQUADRO = 4;

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

void GrigliaRiquadri::costruisci(const std::vector<Riquadro>& riquadri)
{
    voci_.clear();
    aParte_.clear();
    segni_.assign(riquadri.size() + 1, 0);
    std::vector<Voce> finiti;
    Riquadro angoli; // of the finite boxes' top-left corners
    for (std::size_t i = 0; i < riquadri.size(); ++i) {
        const Voce v{riquadri[i], static_cast<int>(i) + 1};
        if (v.riquadro.vuoto())
            continue;
        if (!finito(v.riquadro)) {
            aParte_.push_back(v);
            continue;
        }
        finiti.push_back(v);
        angoli = unione(angoli, Punto{v.riquadro.x1, v.riquadro.y1});
    }
    const double celle = std::max(1.0, std::floor(static_cast<double>(finiti.size()) / PER_CELLA));
    const double w = finiti.empty() ? 0 : angoli.x2 - angoli.x1;
    const double h = finiti.empty() ? 0 : angoli.y2 - angoli.y1;
    nx_ = celleLungo(w, h, celle);
    ny_ = celleLungo(h, w, celle);
    x0_ = finiti.empty() ? 0 : angoli.x1;
    y0_ = finiti.empty() ? 0 : angoli.y1;
    latoX_ = w > 0 ? w / nx_ : 1;
    latoY_ = h > 0 ? h / ny_ : 1;

    // Too large for a cell: aside. The rest by cell, in order of position within each.
    largMax_ = altMax_ = 0;
    std::vector<int> celleVoci;
    inizio_.assign(static_cast<std::size_t>(nx_) * static_cast<std::size_t>(ny_) + 1, 0);
    std::vector<Voce> archiviate;
    for (const Voce& v : finiti) {
        const double larg = v.riquadro.x2 - v.riquadro.x1, alt = v.riquadro.y2 - v.riquadro.y1;
        if ((nx_ > 1 && larg > CELLE_PER_RIQUADRO * latoX_) || (ny_ > 1 && alt > CELLE_PER_RIQUADRO * latoY_)) {
            aParte_.push_back(v);
            continue;
        }
        largMax_ = std::max(largMax_, larg);
        altMax_ = std::max(altMax_, alt);
        const int c = cellaY(v.riquadro.y1) * nx_ + cellaX(v.riquadro.x1);
        celleVoci.push_back(c);
        archiviate.push_back(v);
        ++inizio_[static_cast<std::size_t>(c) + 1];
    }
    for (std::size_t c = 1; c < inizio_.size(); ++c)
        inizio_[c] += inizio_[c - 1];
    voci_.resize(archiviate.size());
    std::vector<int> prossima(inizio_.begin(), inizio_.end() - 1);
    for (std::size_t i = 0; i < archiviate.size(); ++i)
        voci_[static_cast<std::size_t>(prossima[static_cast<std::size_t>(celleVoci[i])]++)] = archiviate[i];
}

void GrigliaRiquadri::cerca(const Riquadro& finestra, std::vector<int>& posizioni) const
{
    posizioni.clear();
    if (finestra.vuoto())
        return;
    // Marked, then read in order: cheaper than sorting when the view shows much of the drawing.
    int primo = static_cast<int>(segni_.size()), ultimo = 0;
    const auto prendi = [&](const Voce& v) {
        if (siToccano(v.riquadro, finestra)) {
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
