#pragma once
#include "entities/disegno.h"

#include <cstdint>
#include <memory>

namespace tramel {

// A reproducible drawing of perTipo entities of every kind, the same for the
// same seed on every platform: short entities (at most size across in x and
// in y) whose reference points are spread uniformly over [0, extent]^2, so they
// may reach size beyond it. Lines; polylines of 2-5 vertices; axis-aligned
// rectangles and star-shaped surfaces of 3-6 vertices, with their perimeter
// and area; circles with raggio, perimet and supf; arcs given by start, end
// and middle point; texts of 3-12 letters in Arial, 8-36 points, at any whole
// angle. Colours, styles and fills vary; every entity is in the normal state.
std::unique_ptr<disegno> disegnoSintetico(int perTipo, std::uint32_t seed, double extent = 1000, double size = 5);

} // namespace tramel
