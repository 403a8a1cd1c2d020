#include "ingombro.h"

namespace tramel {

Riquadro quadrato(double xc, double yc, double r)
{
    return {xc - r, yc - r, xc + r, yc + r};
}

Riquadro ingombro(const Linea& l)
{
    return unione(unione(Riquadro{}, Punto{l.Xi, l.Yi}), Punto{l.Xf, l.Yf});
}

Riquadro ingombro(const ListaVertici& v)
{
    Riquadro r;
    for (int i = 1; i <= v.vertic(); ++i)
        r = unione(r, v.punto(i));
    return r;
}

Riquadro ingombro(const Cerchio& c)
{
    return quadrato(c.Xcentro, c.Ycentro, c.raggio);
}

Riquadro ingombro(const Arco& a)
{
    if (const auto c = a.cerchio())
        return quadrato(c->xc, c->yc, c->r);
    Riquadro r;
    for (const Punto p : {Punto{a.p1x, a.p1y}, Punto{a.p2x, a.p2y}, Punto{a.p3x, a.p3y}})
        r = unione(r, p);
    return r;
}

} // namespace tramel
