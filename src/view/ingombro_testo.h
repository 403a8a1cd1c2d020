#pragma once
#include "cache_testi.h"

#include "geometry/ingombro.h"

namespace tramel {

// A text's box in drawing units, from its box kept as offsets from its
// reference point; the redraw's culling and the selection's quick rejections use it.
Riquadro ingombro(const testo& t, const ScatolaTesto& s);

} // namespace tramel
