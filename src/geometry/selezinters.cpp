#include "selezinters.h"

#include "intersezioni.h"
#include "platform/cp1252.h"
#include "platform/rounding.h"

#include <array>
#include <string>

namespace tramel {

namespace {

// The window (x1, y1)-(x2, y2), its corners ordered.
Riquadro finestra(double x1, double y1, double x2, double y2)
{
    return riquadro({x1, y1}, {x2, y2});
}

Segmento bordoY(const Riquadro& f, double y) { return {{f.x1, y}, {f.x2, y}}; }
Segmento bordoX(const Riquadro& f, double x) { return {{x, f.y1}, {x, f.y2}}; }

// A segment against the window's edges y = y2, y = y1, x = x1, x = x2.
bool segmentoTagliaBordi(const Segmento& s, const Riquadro& f)
{
    for (const Segmento& b : {bordoY(f, f.y2), bordoY(f, f.y1), bordoX(f, f.x1), bordoX(f, f.x2)}) {
        if (intersezione(s, b))
            return true;
    }
    return false;
}

// A circle against the window's edges y = y1, y = y2, x = x1, x = x2: true at
// the first point where it meets an edge that accetta takes.
template <class Accetta>
bool cerchioTagliaBordi(double xc, double yc, double r, const Riquadro& f, Accetta accetta)
{
    for (const Segmento& b : {bordoY(f, f.y1), bordoY(f, f.y2), bordoX(f, f.x1), bordoX(f, f.x2)}) {
        double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
        int flag1 = 0, flag2 = 0;
        detinters_cerchio_segmento(xc, yc, r, b.a.x, b.a.y, b.b.x, b.b.y, X1, Y1, X2, Y2, flag1, flag2);
        if ((flag1 == 1 && accetta(X1, Y1)) || (flag2 == 1 && accetta(X2, Y2)))
            return true;
    }
    return false;
}

// A chain of n vertices, vertice(i) for i = 1 to n: first each vertex inside
// the window, then each segment (and the closing one when chiuso) against the
// window's edges.
template <class Vertice>
bool verticiIntersFin(int n, bool chiuso, Vertice vertice, const Riquadro& f)
{
    for (int i = 1; i <= n; ++i) {
        if (contiene(f, vertice(i)))
            return true;
    }
    const auto lato = [&](int a, int b) { return segmentoTagliaBordi({vertice(a), vertice(b)}, f); };
    for (int i = 1; i <= n - 1; ++i) {
        if (lato(i, i + 1))
            return true;
    }
    return chiuso && lato(n, 1);
}

bool verticiIntersFin(const ListaVertici& v, bool chiuso, const Riquadro& f)
{
    return verticiIntersFin(v.vertic(), chiuso, [&](int i) { return v.punto(i); }, f);
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
    const Riquadro f = finestra(x1, y1, x2, y2);
    const Punto i{linea.Xi, linea.Yi}, e{linea.Xf, linea.Yf};
    return contiene(f, i) || contiene(f, e) || segmentoTagliaBordi({i, e}, f);
}

bool selezinters_cerchiointersfin(const Cerchio& cerchio, double x1, double y1, double x2, double y2)
{
    const Riquadro f = finestra(x1, y1, x2, y2);
    // The rightmost point catches a circle that lies wholly inside the window.
    return contiene(f, {cerchio.Xcentro + cerchio.raggio, cerchio.Ycentro}) ||
           cerchioTagliaBordi(cerchio.Xcentro, cerchio.Ycentro, cerchio.raggio, f,
                              [](double, double) { return true; });
}

bool selezinters_arcointersfin(const Arco& arco, double x1, double y1, double x2, double y2)
{
    const Riquadro f = finestra(x1, y1, x2, y2);
    const Punto p1{arco.p1x, arco.p1y}, p2{arco.p2x, arco.p2y};
    if (contiene(f, p1) || contiene(f, p2) || contiene(f, {arco.p3x, arco.p3y}))
        return true;
    // Collinear points have no circle: the arc is drawn, and crosses, as the segment p1-p2.
    const auto c = arco.cerchio();
    if (!c)
        return segmentoTagliaBordi({p1, p2}, f);
    return cerchioTagliaBordi(c->xc, c->yc, c->r, f, [&](double X, double Y) {
        return detPinArco(X, Y, c->xc, c->yc, arco.p1x, arco.p1y, arco.p2x, arco.p2y);
    });
}

bool selezinters_polilineaintersfin(const polilinea& pol, double x1, double y1, double x2, double y2)
{
    return verticiIntersFin(pol, false, finestra(x1, y1, x2, y2));
}

bool selezinters_superficieintersfin(const superficie& sup, double x1, double y1, double x2, double y2)
{
    return verticiIntersFin(sup, true, finestra(x1, y1, x2, y2));
}

bool selezinters_rettangolointersfin(const Rettangolo& ret, double x1, double y1, double x2, double y2)
{
    return verticiIntersFin(ret, true, finestra(x1, y1, x2, y2));
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

bool selezinters_scatolaintersfin(const std::array<Punto, 4>& angoli, double x1, double y1, double x2, double y2)
{
    return verticiIntersFin(4, true, [&](int i) { return angoli[static_cast<std::size_t>(i - 1)]; },
                            finestra(x1, y1, x2, y2));
}

bool selezinters_testointersfin(const testo& t, const MisuraTesto& misura, double scala, double x1, double y1,
                                double x2, double y2)
{
    // The corners come in window units from the reference point at the view scale.
    std::array<Punto, 4> c{Punto{t.pos_testox * scala, t.pos_testoy * scala}};
    determvert_testo(t, misura, scala, c[0].x, c[0].y, c[1].x, c[1].y, c[2].x, c[2].y, c[3].x, c[3].y);
    for (Punto& p : c)
        p = {p.x / scala, p.y / scala};
    return selezinters_scatolaintersfin(c, x1, y1, x2, y2);
}

} // namespace tramel
