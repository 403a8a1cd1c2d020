#include "ingombro_testo.h"

namespace tramel {

Riquadro ingombro(const testo& t, const ScatolaTesto& s)
{
    return {t.pos_testox + s.ingombro.x1, t.pos_testoy + s.ingombro.y1, t.pos_testox + s.ingombro.x2,
            t.pos_testoy + s.ingombro.y2};
}

} // namespace tramel
