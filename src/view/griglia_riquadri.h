#pragma once
#include "geometry/forme.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace tramel {

// Boxes by position (from 1), each filed in the cell of a grid that holds
// its top-left corner, so that the boxes meeting a window are found by
// visiting the cells near the window instead of every box. The grid spans the
// boxes' corners with a few boxes to a cell; a box much larger than a cell,
// or with a coordinate that is not finite, is kept aside and always tested,
// and so are the boxes appended after the grid was laid out, until there are
// enough of them to lay it out again. Empty boxes (a coordinate not a number)
// meet nothing and are left out. The boxes are kept in single precision,
// rounded outward, so that each holds the box it was given.
class GrigliaRiquadri {
public:
    // riquadro(i): the box of position i.
    using Riquadri = std::function<Riquadro(int)>;

    // The boxes of positions 1 to n.
    void costruisci(int n, const Riquadri& riquadro);
    // The boxes of positions from conteggio() + 1 to n, appended since.
    void aggiungi(int n, const Riquadri& riquadro);
    // The positions held.
    int conteggio() const { return static_cast<int>(segni_.size()) - 1; }
    // The positions of the boxes that share a point with the window, borders
    // included, in ascending order, into posizioni (emptied first). Not for
    // two threads at once.
    void cerca(const Riquadro& finestra, std::vector<int>& posizioni) const;

private:
    struct Voce {
        float x1, y1, x2, y2;
        int posizione;
    };
    static Voce voce(const Riquadro& r, int posizione);
    static Riquadro comeRiquadro(const Voce& v) { return {v.x1, v.y1, v.x2, v.y2}; }
    int cellaX(double x) const;
    int cellaY(double y) const;
    int cellaDi(const Voce& v) const { return cellaY(v.y1) * nx_ + cellaX(v.x1); }
    void disponi(Riquadro angoli);
    void archivia();

    double x0_ = 0, y0_ = 0, latoX_ = 1, latoY_ = 1;
    int nx_ = 1, ny_ = 1;
    double largMax_ = 0, altMax_ = 0; // the largest box filed in a cell
    std::vector<int> inizio_;         // where each cell's boxes start in voci_, row by row, and the end
    std::vector<Voce> voci_;
    std::vector<Voce> aParte_;
    int aggiunte_ = 0; // of aParte_, those appended after the layout
    // One mark a position, for putting what a search finds in order; all 0 between searches.
    mutable std::vector<std::uint8_t> segni_ = std::vector<std::uint8_t>(1, 0);
};

} // namespace tramel
