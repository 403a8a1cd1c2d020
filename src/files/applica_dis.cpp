#include "applica_dis.h"

#include <utility>

namespace tramel {

void applicaDisegno(CommandEngine& e, DisegnoLetto& d)
{
    DrawingState& s = e.stato();
    if (d.vistaValida) {
        s.finx = d.finx;
        s.finy = d.finy;
        s.finlarg = d.finlarg;
        s.finalt = d.finalt;
        e.selzoom(s.finx, s.finy, static_cast<float>(s.finx + s.finlarg), static_cast<float>(s.finy + s.finalt));
    }
    applicaImpostazioni(e, d);
    s.cisonooggetti = d.cisonooggetti ? 1 : 0;
    s.cisonotesti = 0;
    s.dis = std::move(d.dis);
    e.redraw();
    s.comandi.numcomando += 1;
    e.reiniz(s.comandi.numcomando);
    e.scrivilabel1();
}

} // namespace tramel
