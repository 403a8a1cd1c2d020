#pragma once
#include "entities/punto.h"

#include <algorithm>
#include <cmath>

namespace tramel {

// The segment from a to b.
struct Segmento {
    Punto a, b;
    bool operator==(const Segmento&) const = default;
};

// A box with sides along the axes: (x1, y1) its corner of smaller
// coordinates, (x2, y2) the opposite one, borders included. The box made by
// default is empty: it holds nothing, and its union with a box is that box, so
// the box of many shapes adds up from it.
struct Riquadro {
    double x1 = HUGE_VAL, y1 = HUGE_VAL, x2 = -HUGE_VAL, y2 = -HUGE_VAL;

    // Empty also when a coordinate is not a number.
    bool vuoto() const { return !(x1 <= x2 && y1 <= y2); }
    bool operator==(const Riquadro&) const = default;
};

// The box with corners a and b, given in any order.
inline Riquadro riquadro(Punto a, Punto b)
{
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

// The smallest box that holds both. A coordinate that is not a number in the
// second box leaves the first one's.
inline Riquadro unione(const Riquadro& a, const Riquadro& b)
{
    return {std::min(a.x1, b.x1), std::min(a.y1, b.y1), std::max(a.x2, b.x2), std::max(a.y2, b.y2)};
}

inline Riquadro unione(const Riquadro& r, Punto p)
{
    return unione(r, Riquadro{p.x, p.y, p.x, p.y});
}

// The part the two boxes share; empty when they do not meet.
inline Riquadro intersezione(const Riquadro& a, const Riquadro& b)
{
    if (a.vuoto() || b.vuoto())
        return {};
    return {std::max(a.x1, b.x1), std::max(a.y1, b.y1), std::min(a.x2, b.x2), std::min(a.y2, b.y2)};
}

// Whether two boxes share a point, borders included.
inline bool siToccano(const Riquadro& a, const Riquadro& b)
{
    return a.x1 <= b.x2 && b.x1 <= a.x2 && a.y1 <= b.y2 && b.y1 <= a.y2;
}

// Whether the point lies in the box, border included.
inline bool contiene(const Riquadro& r, Punto p)
{
    return r.x1 <= p.x && p.x <= r.x2 && r.y1 <= p.y && p.y <= r.y2;
}

} // namespace tramel
