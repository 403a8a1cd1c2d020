#include "ingombro.h"

#include <algorithm>
#include <cmath>

namespace tramel {

namespace {

template <class T, class Leggi>
Finestra ingombroVertici(const T& e, Leggi leggi)
{
    Ingombro b;
    for (int i = 1; i <= e.vertic(); ++i) {
        double x = 0, y = 0;
        (e.*leggi)(x, y, i);
        b.aggiungi(x, y);
    }
    return b.finestra();
}

} // namespace

void Ingombro::aggiungi(double x, double y)
{
    f_.x1 = std::min(f_.x1, x);
    f_.y1 = std::min(f_.y1, y);
    f_.x2 = std::max(f_.x2, x);
    f_.y2 = std::max(f_.y2, y);
}

Finestra ingombro(const Linea& l)
{
    Ingombro b;
    b.aggiungi(l.Xi, l.Yi);
    b.aggiungi(l.Xf, l.Yf);
    return b.finestra();
}

Finestra ingombro(const polilinea& p) { return ingombroVertici(p, &polilinea::prel_vert_pol); }
Finestra ingombro(const Rettangolo& r) { return ingombroVertici(r, &Rettangolo::prel_vert_ret); }
Finestra ingombro(const superficie& s) { return ingombroVertici(s, &superficie::prel_vert_sup); }

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

bool siToccano(const Finestra& a, const Finestra& b)
{
    return a.x1 <= b.x2 && b.x1 <= a.x2 && a.y1 <= b.y2 && b.y1 <= a.y2;
}

} // namespace tramel
