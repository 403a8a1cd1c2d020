#include "applica_txt.h"

#include "applica_dis.h"

#include <utility>

namespace tramel {

void applicaTxt(CommandEngine& e, DisegnoTxt& d)
{
    DrawingState& s = e.stato();
    applicaImpostazioni(e, d);
    s.cisonooggetti = d.entita ? 1 : 0;
    s.cisonotesti = 0;
    s.dis = std::move(d.dis);
    e.redraw();
    e.scrivilabel1();
}

} // namespace tramel
