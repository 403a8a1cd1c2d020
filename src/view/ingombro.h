#pragma once
#include "cache_testi.h"
#include "vista.h"

#include "entities/disegno.h"

#include <algorithm>
#include <cmath>

namespace tramel {

// The smallest rectangle that holds a set of points; empty, it meets nothing.
class Ingombro {
public:
    void aggiungi(double x, double y)
    {
        f_.x1 = std::min(f_.x1, x);
        f_.y1 = std::min(f_.y1, y);
        f_.x2 = std::max(f_.x2, x);
        f_.y2 = std::max(f_.y2, y);
    }
    const Finestra& finestra() const { return f_; }

private:
    Finestra f_{HUGE_VAL, HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
};

// The boxes of the entities in drawing units, which the redraw's culling and
// the selection's quick rejections use.
Finestra ingombro(const Linea& l);
Finestra ingombro(const polilinea& p);
Finestra ingombro(const Rettangolo& r);
Finestra ingombro(const superficie& s);
// A circle by its centre and the point on its circumference, as it is drawn.
Finestra ingombro(const Cerchio& c);
Finestra ingombroCerchio(double xc, double yc, double r);
// The whole circle of the arc, or its three points when they lie on one line.
Finestra ingombro(const Arco& a);
// A text from its box, kept as offsets from its reference point.
Finestra ingombro(const testo& t, const ScatolaTesto& s);

// Whether two boxes share a point, borders included.
inline bool siToccano(const Finestra& a, const Finestra& b)
{
    return a.x1 <= b.x2 && b.x1 <= a.x2 && a.y1 <= b.y2 && b.y1 <= a.y2;
}

} // namespace tramel
