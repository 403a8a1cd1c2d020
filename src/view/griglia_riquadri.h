#pragma once
#include "geometry/forme.h"

#include <cstdint>
#include <vector>

namespace tramel {

// Boxes by position (from 1), each filed in the cell of a grid that holds
// its top-left corner, so that the boxes meeting a window are found by
// visiting the cells near the window instead of every box. The grid spans the
// boxes' corners with a few boxes to a cell; a box much larger than a cell,
// or with a coordinate that is not finite, is kept aside and always tested.
// Empty boxes (a coordinate not a number) meet nothing and are left out.
class GrigliaRiquadri {
public:
    // riquadri[i] is the box of position i + 1.
    void costruisci(const std::vector<Riquadro>& riquadri);
    // The positions of the boxes that share a point with the window, borders
    // included, in ascending order, into posizioni (emptied first). Not for
    // two threads at once.
    void cerca(const Riquadro& finestra, std::vector<int>& posizioni) const;

private:
    struct Voce {
        Riquadro riquadro;
        int posizione;
    };
    int cellaX(double x) const;
    int cellaY(double y) const;

    double x0_ = 0, y0_ = 0, latoX_ = 1, latoY_ = 1;
    int nx_ = 1, ny_ = 1;
    double largMax_ = 0, altMax_ = 0; // the largest box filed in a cell
    std::vector<int> inizio_;         // where each cell's boxes start in voci_, row by row, and the end
    std::vector<Voce> voci_;
    std::vector<Voce> aParte_;
    // One mark a position, for putting what a search finds in order; all 0 between searches.
    mutable std::vector<std::uint8_t> segni_;
};

} // namespace tramel
