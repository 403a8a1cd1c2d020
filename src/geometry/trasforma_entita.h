#pragma once
#include "misure.h"
#include "trasformazioni.h"

#include "entities/arco.h"
#include "entities/cerchio.h"
#include "entities/linea.h"
#include "entities/lista_vertici.h"
#include "entities/polilinea.h"
#include "entities/rettangolo.h"
#include "entities/superficie.h"
#include "entities/testo.h"

#include <cstdint>

namespace tramel {

// The edit commands on one entity's points, shared by the commands and their
// previews. The kinds differ only in which points a transform moves, what
// "Stira" moves, and what "Ruota" and "Specchio" add.

// Moves the point held in x, y by f.
template <class F>
void applica(double& x, double& y, const F& f)
{
    const Punto p = f(Punto{x, y});
    x = p.x;
    y = p.y;
}

// A circle's point on the circumference goes straight to the right of its
// centre, at the radius, whenever the centre moves.
void piazzaPunto(Cerchio& c);

template <class F>
void trasforma(Linea& l, const F& f)
{
    applica(l.Xi, l.Yi, f);
    applica(l.Xf, l.Yf, f);
}

template <class F>
void trasforma(Arco& a, const F& f)
{
    applica(a.p1x, a.p1y, f);
    applica(a.p2x, a.p2y, f);
    applica(a.p3x, a.p3y, f);
}

template <class F>
void trasforma(ListaVertici& v, const F& f)
{
    for (int i = 1; i <= v.vertic(); ++i)
        v.punto(i, f(v.punto(i)));
}

// Surfaces and rectangles get their measures again from the moved vertices,
// as a drawing read back from its file gets them.
void rimisura(superficie& s);
void rimisura(Rettangolo& r);

template <class F>
void trasforma(superficie& s, const F& f)
{
    trasforma(static_cast<ListaVertici&>(s), f);
    rimisura(s);
}

template <class F>
void trasforma(Rettangolo& r, const F& f)
{
    trasforma(static_cast<ListaVertici&>(r), f);
    rimisura(r);
}

// Only the centre moves: the circle keeps its radius, then takes its measures
// from its centre and point, as it is read back from its file.
template <class F>
void trasforma(Cerchio& c, const F& f)
{
    applica(c.Xcentro, c.Ycentro, f);
    piazzaPunto(c);
    calcola_raggio_perimet_area_cerchio(c);
}

// Only the reference point moves.
template <class F>
void trasforma(testo& t, const F& f)
{
    applica(t.pos_testox, t.pos_testoy, f);
}

// "Stira": only the points whose stretch mark is 1 move, and their marks are
// cleared; an arc's third point follows either end and its ends are put back
// in the order that draws it through that point; surfaces and rectangles get
// their measures again; circles and texts, which carry no marks, move whole.
void stira(Linea& l, Spostamento d, Punto base);
void stira(Arco& a, Spostamento d, Punto base);
void stira(polilinea& p, Spostamento d, Punto base);
void stira(superficie& sup, Spostamento d, Punto base);
void stira(Rettangolo& ret, Spostamento d, Punto base);
void stira(Cerchio& c, Spostamento d, Punto base);
void stira(testo& t, Spostamento d, Punto base);

// "Ruota" by gradi degrees: a text turns its angle as well.
template <class T>
void ruota(T& e, const Rotazione& r, double)
{
    trasforma(e, r);
}
void ruota(testo& t, const Rotazione& r, double gradi);

// "Specchio": a reflection turns an arc's way round, so its ends swap.
template <class T>
void specchia(T& e, const Specchio& m)
{
    trasforma(e, m);
}
void specchia(Arco& a, const Specchio& m);

// Whether every number the entity keeps is finite, its measures included; the
// points of arcs, polylines and surfaces, kept in single precision, also fit a Single.
bool finita(const Linea& l);
bool finita(const Arco& a);
bool finita(const polilinea& p);
bool finita(const superficie& s);
bool finita(const Rettangolo& r);
bool finita(const Cerchio& c);
bool finita(const testo& t);

// Whether a value fits a Single field.
bool inSingolo(double v);

} // namespace tramel
