#pragma once
#include "stato_disegno.h"

#include "geometry/selezinters.h"

namespace tramel {

// Works out the drawing's extents into xmin, ymin, xmax, ymax: the smallest
// rectangle that holds every entity not erased and the origin. A circle and an
// arc count with the bounding square of their whole circle; a text with the
// four corners of its box. Nothing is redrawn.
void determxymin_xymax(DrawingState& s, const MisuraTesto& misura);

} // namespace tramel
