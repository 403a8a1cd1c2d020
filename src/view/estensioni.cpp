#include "estensioni.h"

#include <algorithm>

namespace tramel {

namespace {

class Estensioni {
public:
    explicit Estensioni(DrawingState& s) : s_(s) { s_.xmin = s_.ymin = s_.xmax = s_.ymax = 0; }

    void punto(double x, double y)
    {
        s_.xmin = std::min(s_.xmin, x);
        s_.ymin = std::min(s_.ymin, y);
        s_.xmax = std::max(s_.xmax, x);
        s_.ymax = std::max(s_.ymax, y);
    }
    void quadrato(double xc, double yc, double r)
    {
        punto(xc - r, yc - r);
        punto(xc + r, yc + r);
    }
    // Vertices 1 to vertic of a polyline, rectangle or surface, read with its own vertex read.
    template <class T>
    void vertici(const T& e, void (T::*prel)(double&, double&, double) const)
    {
        for (int i = 1; i <= e.vertic(); ++i) {
            double x = 0, y = 0;
            (e.*prel)(x, y, i);
            punto(x, y);
        }
    }

private:
    DrawingState& s_;
};

template <class T, class F>
void perOgniVivo(const Collezione<T>& c, F f)
{
    for (int i = 1; i <= c.Count(); ++i)
        if (c.Item(i).stato != STATO_CANCELLATO)
            f(c.Item(i));
}

} // namespace

void determxymin_xymax(DrawingState& s, const MisuraTesto& misura)
{
    Estensioni e(s);
    const disegno& d = s.dis;
    perOgniVivo(d.superfici, [&](const superficie& x) { e.vertici(x, &superficie::prel_vert_sup); });
    perOgniVivo(d.polilinee, [&](const polilinea& x) { e.vertici(x, &polilinea::prel_vert_pol); });
    perOgniVivo(d.rettangoli, [&](const Rettangolo& x) { e.vertici(x, &Rettangolo::prel_vert_ret); });
    perOgniVivo(d.linee, [&](const Linea& l) {
        e.punto(l.Xi, l.Yi);
        e.punto(l.Xf, l.Yf);
    });
    perOgniVivo(d.cerchi, [&](const Cerchio& c) { e.quadrato(c.Xcentro, c.Ycentro, c.raggio); });
    perOgniVivo(d.archi, [&](const Arco& a) {
        if (const auto c = a.cerchio()) {
            e.quadrato(c->xc, c->yc, c->r);
            return;
        }
        // Three points on one line have no circle: the arc counts with its points.
        e.punto(a.p1x, a.p1y);
        e.punto(a.p2x, a.p2y);
        e.punto(a.p3x, a.p3y);
    });
    const double scala = s.vista.scala;
    perOgniVivo(d.testi, [&](const testo& t) {
        const double x1 = t.pos_testox * scala, y1 = t.pos_testoy * scala;
        double x2 = 0, y2 = 0, x3 = 0, y3 = 0, x4 = 0, y4 = 0;
        determvert_testo(t, misura, scala, x1, y1, x2, y2, x3, y3, x4, y4);
        e.punto(x1 / scala, y1 / scala);
        e.punto(x2 / scala, y2 / scala);
        e.punto(x3 / scala, y3 / scala);
        e.punto(x4 / scala, y4 / scala);
    });
}

} // namespace tramel
