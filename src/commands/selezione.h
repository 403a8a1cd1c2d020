#pragma once
#include "entities/disegno.h"
#include "geometry/forme.h"
#include "view/cache_testi.h"
#include "view/vista.h"

#include <array>
#include <optional>
#include <vector>

namespace tramel {

// Selection by pointing, by window, by crossing window and for the stretch,
// over a drawing in drawing units. These functions only read: they say what
// they found and the engine marks it. The boxes of the texts come from the
// drawing's text cache, brought up to date with its texts.

// The pick box on the screen: 255 twips square, about 4.5 mm. Picking and the
// object snap both search a circle of half its side about the cursor.
constexpr double LATO_MIRINO_MM = 255.0 * 25.4 / 1440;

// The radius of that circle in drawing units at the view scale (mm per
// drawing unit): zooming in shrinks it in the drawing.
double raggioMirino(double scala);

// An entity of the drawing: its kind and its position (from 1) in its collection.
struct Preso {
    TipoEntita tipo;
    int posizione;
    bool operator==(const Preso&) const = default;
};

// The window (x1, y1)-(x2, y2) with its corners ordered: x1 <= x2, y1 <= y2.
Riquadro finestraOrdinata(double x1, double y1, double x2, double y2);

// Picking at (X, Y) with a pick circle of radius r: per kind, in the order
// surfaces, lines, rectangles, texts, circles, arcs, polylines, the first
// entity that is not erased and that the circle hits, selected or not. A
// segment is hit when the circle meets it (one wholly inside is not); closed
// shapes add their closing edge, a text its four sides and its centre line;
// a circle, or an arc's circle, is hit also when it is smaller than the pick
// circle and centred inside it; an arc's circle otherwise only where it
// meets the pick circle on the arc. An arc on one line is the segment p1-p2.
std::vector<Preso> selezionaoggetti(const disegno& d, const CacheTesti& testi, double X, double Y, double r);

// Window selection: in the order surfaces, lines, rectangles, texts, circles,
// arcs, polylines, every entity not erased whose defining points (at least
// one) all lie in the ordered window f, border included: vertices, line ends,
// the text box's corners, the corners of a circle's bounding square, an
// arc's three points.
std::vector<Preso> selezfin(const disegno& d, const CacheTesti& testi, const Riquadro& f);

// Crossing selection: in the order surfaces, rectangles, lines, circles, arcs,
// polylines, texts, every entity with a point in the ordered window f or an
// outline crossing its border. Only normal entities are tested, and selected
// ones too when ancheSelezionati.
std::vector<Preso> selezinters(const disegno& d, const CacheTesti& testi, const Riquadro& f,
                               bool ancheSelezionati);

// The filled surfaces, rectangles and circles (not erased nor selected) whose
// drawn fill covers the point, even-odd: those that enclose a window, which
// the crossing test does not catch.
std::vector<Preso> riempitiAttorno(const disegno& d, Punto p);

// What the stretch window caught of one entity: the vertices in the window
// to be marked (from 1; for lines and arcs 1 is the start, 2 the end).
struct PresoStira {
    Preso entita;
    std::vector<int> vertici;
    bool operator==(const PresoStira&) const = default;
};

// Stretch selection, in the order surfaces, lines, rectangles, texts,
// circles, arcs, polylines, over every entity not erased, selected ones
// included: a vertex kind with a vertex in the ordered window f; a line or an
// arc with an end in it, or with an end marked before (an arc's third point
// does not count); a text or circle that the crossing test catches.
std::vector<PresoStira> selezintersStira(const disegno& d, const CacheTesti& testi, const Riquadro& f);

// What picking and the object snap share.

// The pick circle about the cursor.
struct Mirino {
    Mirino(double x, double y, double r);
    double x, y, r;
    // Its bounding square, a hair wider so that rounding never rejects a hit.
    const Riquadro& ingombro() const { return ingombro_; }

private:
    Riquadro ingombro_;
};

// Whether the pick circle meets the segment (tangency included).
bool taglia(const Mirino& m, const Segmento& l);

// The segments of an entity under the pick circle: the first that it meets,
// after a look at the entity's box. The edges of a chain of vertices run in
// order, a closed shape's last one from vertex 1 to the last vertex; a
// text's box gives its sides 1-2, 2-3, 3-4 and 4-1.
std::optional<Segmento> latoColpito(const Mirino& m, const Linea& l);
std::optional<Segmento> latoColpito(const Mirino& m, const polilinea& p);
std::optional<Segmento> latoColpito(const Mirino& m, const superficie& s);
std::optional<Segmento> latoColpito(const Mirino& m, const Rettangolo& r);
std::optional<Segmento> latoColpito(const Mirino& m, const testo& t, const ScatolaTesto& s);

// The four corners of a text's box in drawing units, corner 1 at its reference point.
std::array<Punto, 4> angoliTesto(const testo& t, const ScatolaTesto& s);

// Whether the pick circle meets the circle or holds it (a smaller circle with its centre inside).
bool prendeCerchio(const Mirino& m, const Cerchio& c);

// How the circle (xc, yc, r) and the pick circle meet: flag 1 where they
// cross or touch, at p1 and p2; flag 2 when the circle is smaller than the
// pick circle and its centre lies in it; flag 0 otherwise.
struct Incontro {
    int flag = 0;
    Punto p1, p2;
};
Incontro incontro(const Mirino& m, double xc, double yc, double r);

// Whether the circles meet (flag 1) at a point of the arc, whose circle is c.
bool incontraArco(const Incontro& k, const Arco& a, const Arco::Circonferenza& c);

} // namespace tramel
