#include "ingombro.h"

#include <cmath>

namespace tramel {

namespace {

Finestra ingombroVertici(const ListaVertici& e)
{
    Ingombro b;
    e.perOgniVertice([&](double x, double y) { b.aggiungi(x, y); });
    return b.finestra();
}

} // namespace

Finestra ingombro(const Linea& l)
{
    Ingombro b;
    b.aggiungi(l.Xi, l.Yi);
    b.aggiungi(l.Xf, l.Yf);
    return b.finestra();
}

Finestra ingombro(const polilinea& p) { return ingombroVertici(p); }
Finestra ingombro(const Rettangolo& r) { return ingombroVertici(r); }
Finestra ingombro(const superficie& s) { return ingombroVertici(s); }

Finestra ingombroCerchio(double xc, double yc, double r)
{
    return {xc - r, yc - r, xc + r, yc + r};
}

Finestra ingombro(const Cerchio& c)
{
    const double dx = c.Xpunto - c.Xcentro;
    const double dy = c.YPunto - c.Ycentro;
    return ingombroCerchio(c.Xcentro, c.Ycentro, std::sqrt(dx * dx + dy * dy));
}

Finestra ingombro(const Arco& a)
{
    if (const auto c = a.cerchio())
        return ingombroCerchio(c->xc, c->yc, c->r);
    Ingombro b;
    b.aggiungi(a.p1x, a.p1y);
    b.aggiungi(a.p2x, a.p2y);
    b.aggiungi(a.p3x, a.p3y);
    return b.finestra();
}

Finestra ingombro(const testo& t, const ScatolaTesto& s)
{
    return {t.pos_testox + s.ingombro.x1, t.pos_testoy + s.ingombro.y1, t.pos_testox + s.ingombro.x2,
            t.pos_testoy + s.ingombro.y2};
}

} // namespace tramel
