#pragma once
#include "drawing_state.h"
#include "vista.h"

#include "platform/dc.h"

namespace tramel {

// Paints the overlay of a drawing window over its picture: the visible lines
// (cross-hair and rubber bands) one pixel wide in their colour and style,
// then the visible shapes (rubber-band rectangle or circle, pick box, snap
// marker) outlined one pixel wide in their colour. Window points land on the
// nearest whole pixel, as the entities' points do. The shapes are left
// unfilled by the device context's own brush, hollow on a new one.
void disegnaOverlay(Dc& dc, const Overlay& o, const Vista& v);

} // namespace tramel
