#include "selezinters.h"

#include "intersezioni.h"
#include "platform/cp1252.h"
#include "platform/rounding.h"

#include <array>
#include <string>

namespace tramel {

namespace {

struct Finestra {
    double x1, y1, x2, y2;
};

struct Segmento {
    double xa, ya, xb, yb;
};

bool dentro(const Finestra& f, double x, double y)
{
    double xa = f.x1, ya = f.y1, xb = f.x2, yb = f.y2;
    return detPinRettangolo(x, y, xa, ya, xb, yb);
}

Segmento bordoY(const Finestra& f, double y) { return {f.x1, y, f.x2, y}; }
Segmento bordoX(const Finestra& f, double x) { return {x, f.y1, x, f.y2}; }

// A segment against the window's edges y = y2, y = y1, x = x1, x = x2.
bool segmentoTagliaBordi(const Segmento& s, const Finestra& f)
{
    for (const Segmento& b : {bordoY(f, f.y2), bordoY(f, f.y1), bordoX(f, f.x1), bordoX(f, f.x2)}) {
        double X = 0, Y = 0;
        int flag = 0;
        detinters_segmenti(s.xa, s.ya, s.xb, s.yb, b.xa, b.ya, b.xb, b.yb, X, Y, flag);
        if (flag == 1)
            return true;
    }
    return false;
}

// A circle against the window's edges y = y1, y = y2, x = x1, x = x2: true at
// the first point where it meets an edge that accetta takes.
template <class Accetta>
bool cerchioTagliaBordi(double xc, double yc, double r, const Finestra& f, Accetta accetta)
{
    for (const Segmento& b : {bordoY(f, f.y1), bordoY(f, f.y2), bordoX(f, f.x1), bordoX(f, f.x2)}) {
        double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
        int flag1 = 0, flag2 = 0;
        detinters_cerchio_segmento(xc, yc, r, b.xa, b.ya, b.xb, b.yb, X1, Y1, X2, Y2, flag1, flag2);
        if ((flag1 == 1 && accetta(X1, Y1)) || (flag2 == 1 && accetta(X2, Y2)))
            return true;
    }
    return false;
}

// A chain of n vertices, read by leggi(i, x, y) for i = 1 to n: first each
// vertex inside the window, then each segment (and the closing one when
// chiuso) against the window's edges.
template <class Leggi>
bool verticiIntersFin(int n, bool chiuso, Leggi leggi, const Finestra& f)
{
    double x = 0, y = 0;
    for (int i = 1; i <= n; ++i) {
        leggi(i, x, y);
        if (dentro(f, x, y))
            return true;
    }
    const auto lato = [&](int a, int b) {
        Segmento s{};
        leggi(a, s.xa, s.ya);
        leggi(b, s.xb, s.yb);
        return segmentoTagliaBordi(s, f);
    };
    for (int i = 1; i <= n - 1; ++i) {
        if (lato(i, i + 1))
            return true;
    }
    return chiuso && lato(n, 1);
}

// The pixel extent of a text as the device draws it, unrotated.
TextExtent estensione(const testo& t, const MisuraTesto& misura)
{
    LogFont font = t.fontLogico(-clng(t.dimens_testo * misura.dpiY / 72));
    font.escapement = 0;
    std::string s = t.stringa_testo;
    s.erase(s.find_last_not_of(' ') + 1);
    return misura.metrics.extent(font, cp1252::encode(s));
}

} // namespace

bool selezinters_lineaintersfin(const Linea& linea, double x1, double y1, double x2, double y2)
{
    const Finestra f{x1, y1, x2, y2};
    return dentro(f, linea.Xi, linea.Yi) || dentro(f, linea.Xf, linea.Yf) ||
           segmentoTagliaBordi({linea.Xi, linea.Yi, linea.Xf, linea.Yf}, f);
}

bool selezinters_cerchiointersfin(const Cerchio& cerchio, double x1, double y1, double x2, double y2)
{
    const Finestra f{x1, y1, x2, y2};
    // The rightmost point catches a circle that lies wholly inside the window.
    return dentro(f, cerchio.Xcentro + cerchio.raggio, cerchio.Ycentro) ||
           cerchioTagliaBordi(cerchio.Xcentro, cerchio.Ycentro, cerchio.raggio, f,
                              [](double, double) { return true; });
}

bool selezinters_arcointersfin(const Arco& arco, double x1, double y1, double x2, double y2)
{
    const Finestra f{x1, y1, x2, y2};
    if (dentro(f, arco.p1x, arco.p1y) || dentro(f, arco.p2x, arco.p2y) || dentro(f, arco.p3x, arco.p3y))
        return true;
    // Collinear points have no circle: the arc is drawn, and crosses, as the segment p1-p2.
    const auto c = arco.cerchio();
    if (!c)
        return segmentoTagliaBordi({arco.p1x, arco.p1y, arco.p2x, arco.p2y}, f);
    return cerchioTagliaBordi(c->xc, c->yc, c->r, f, [&](double X, double Y) {
        return detPinArco(X, Y, c->xc, c->yc, arco.p1x, arco.p1y, arco.p2x, arco.p2y);
    });
}

bool selezinters_polilineaintersfin(const polilinea& pol, double x1, double y1, double x2, double y2)
{
    const auto leggi = [&](int i, double& x, double& y) { pol.prel_vert_pol(x, y, i); };
    return verticiIntersFin(pol.vertic(), false, leggi, {x1, y1, x2, y2});
}

bool selezinters_superficieintersfin(const superficie& sup, double x1, double y1, double x2, double y2)
{
    const auto leggi = [&](int i, double& x, double& y) { sup.prel_vert_sup(x, y, i); };
    return verticiIntersFin(sup.vertic(), true, leggi, {x1, y1, x2, y2});
}

bool selezinters_rettangolointersfin(const Rettangolo& ret, double x1, double y1, double x2, double y2)
{
    const auto leggi = [&](int i, double& x, double& y) { ret.prel_vert_ret(x, y, i); };
    return verticiIntersFin(ret.vertic(), true, leggi, {x1, y1, x2, y2});
}

void determvert_testo(const testo& t, const MisuraTesto& misura, double scala, double x1, double y1, double& x2,
                      double& y2, double& x3, double& y3, double& x4, double& y4)
{
    const TextExtent e = estensione(t, misura);
    const double w = e.cx * 25.4 / misura.dpiX * scala / 10;
    const double h = e.cy * 25.4 / misura.dpiY * scala / 10;
    const double a = t.ang_testo() * pigreco / 180;
    x2 = x1 + w * std::cos(a);
    y2 = y1 - w * std::sin(a);
    x3 = x2 + h * std::sin(a);
    y3 = y2 + h * std::cos(a);
    x4 = x1 + h * std::sin(a);
    y4 = y1 + h * std::cos(a);
}

bool selezinters_scatolaintersfin(const std::array<double, 8>& angoli, double x1, double y1, double x2, double y2)
{
    const auto leggi = [&](int i, double& x, double& y) {
        x = angoli[2 * (i - 1)];
        y = angoli[2 * (i - 1) + 1];
    };
    return verticiIntersFin(4, true, leggi, {x1, y1, x2, y2});
}

bool selezinters_testointersfin(const testo& t, const MisuraTesto& misura, double scala, double x1, double y1,
                                double x2, double y2)
{
    // The corners come in window units from the reference point at the view scale.
    std::array<double, 8> c{t.pos_testox * scala, t.pos_testoy * scala};
    determvert_testo(t, misura, scala, c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7]);
    for (double& v : c)
        v /= scala;
    return selezinters_scatolaintersfin(c, x1, y1, x2, y2);
}

} // namespace tramel
