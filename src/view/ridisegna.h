#pragma once
#include "stato_disegno.h"
#include "superficie_disegno.h"

namespace tramel {

// Repaints the window's picture from its drawing: clears it to the background
// colour, draws every entity whose box meets the view, kind by kind
// (surfaces, rectangles, circles, arcs, texts, polylines, lines), each kind in
// collection order, a normal entity in its own look and a selected one
// highlighted (erased ones never), then the window's background and grid
// (impostdistipo). The entities near the view are found through the boxes
// kept in s.indice, without visiting every entity. The entities under
// construction (s.ogg) are left empty, as after every walk of the drawing: a
// caller that redraws while one is being built keeps it aside first.
void redraw(DrawingState& s, SuperficieDisegno& sup);

} // namespace tramel
