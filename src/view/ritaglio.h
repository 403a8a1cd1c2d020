#pragma once
#include "vista.h"

#include <vector>

namespace tramel {

// Clipping of device-space shapes to the square band |x|, |y| <= limite, in
// double precision, so that every coordinate handed to the device fits its
// integers while the part of the shape near the screen keeps its exact place.

// Whether every point lies within the band.
bool dentroBanda(const std::vector<Punto>& punti, double limite = BANDA_DISPOSITIVO);

// The part of the segment a-b within the band; false when none is.
bool ritagliaSegmento(Punto& a, Punto& b, double limite = BANDA_DISPOSITIVO);

// The pieces of an open chain within the band, each a chain of at least two points.
std::vector<std::vector<Punto>> ritagliaSpezzata(const std::vector<Punto>& punti,
                                                  double limite = BANDA_DISPOSITIVO);

// A closed polygon cut to the band: inside the band it covers the same area
// (the added edges run along the band's border, far off the screen).
std::vector<Punto> ritagliaPoligono(const std::vector<Punto>& punti, double limite = BANDA_DISPOSITIVO);

// The part of an arc within `distanza` of `vista`, as chains of chords that
// stray from the arc by a quarter pixel at most, in the arc's own order. The
// arc runs about `centro` with radius `raggio`, counter-clockwise on the
// device from the angle `inizio` (radians, y up) through `ampiezza`. The
// larger the radius, the longer the chords: for a radius of some hundred
// thousand pixels, one every few hundred pixels.
std::vector<std::vector<Punto>> cordeArco(Punto centro, double raggio, double inizio, double ampiezza,
                                           Punto vista, double distanza);

// The disc of a circle as seen within `distanza` of `vista`, as one closed
// polygon: the chords of the circle's part within that distance (as
// cordeArco), closed by a path that runs just beyond it, so that within
// `distanza` of `vista` the polygon covers exactly the disc. Empty when the
// circle stays farther away or has no place.
std::vector<Punto> poligonoCerchio(Punto centro, double raggio, Punto vista, double distanza);

} // namespace tramel
