#pragma once
#include "forme.h"

#include "entities/arco.h"
#include "entities/cerchio.h"
#include "entities/linea.h"
#include "entities/lista_vertici.h"

namespace tramel {

// The box of an entity's defining points. A circle counts with the square of
// its whole circle (of radius raggio), an arc with the square of its whole
// circle too, or with its three points when they lie on one line. Points that
// are not numbers are left out.
Riquadro ingombro(const Linea& l);
Riquadro ingombro(const ListaVertici& v); // polylines, rectangles, surfaces
Riquadro ingombro(const Cerchio& c);
Riquadro ingombro(const Arco& a);
// The square around the circle of centre (xc, yc) and radius r.
Riquadro quadrato(double xc, double yc, double r);

} // namespace tramel
