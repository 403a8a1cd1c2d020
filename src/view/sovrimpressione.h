#pragma once
#include "stato_disegno.h"
#include "vista.h"

#include "platform/dc.h"

namespace tramel {

// Paints the overlay of a drawing window over its picture: the visible lines
// (cross-hair and rubber bands) with their pens, then the visible shapes
// (rubber-band rectangle or circle, pick box, snap marker) with their outline,
// fill and raster operation. Window points land on the nearest whole pixel,
// as the entities' points do.
void disegnaOverlay(Dc& dc, const Overlay& o, const Vista& v);

} // namespace tramel
