#include "intersezioni.h"

#include <algorithm>
#include <utility>

namespace tramel {

namespace {

// The direction angle in the precision of T, so that single-precision
// callers get single-precision results.
template <class T>
T angolo(T x1, T y1, T x2, T y2)
{
    const T pi = static_cast<T>(pigreco);
    const T dx = x2 - x1;
    const T dy = y2 - y1;
    const T len = std::sqrt(dx * dx + dy * dy);
    if (len == 0)
        return 0;
    const T s = dy / len;
    if (std::abs(s) == 1)
        return s == -1 ? 3 * pi / 2 : pi / 2;
    // The arc sine of s; rounding must never take the root of a negative number.
    const T a = std::atan(s / std::sqrt(std::max(T(0), 1 - s * s)));
    T ang;
    if (dx > 0)
        ang = dy > 0 ? a : a + 2 * pi;
    else
        ang = dy < 0 ? 3 * pi - a : pi - a;
    if (ang >= 2 * pi)
        ang -= 2 * pi * std::floor(ang / (2 * pi));
    return ang;
}

bool tra(double v, double a, double b)
{
    return std::min(a, b) <= v && v <= std::max(a, b);
}

// The coordinate t where the circle of radius r meets the line u = q + m*t;
// ct and cu are the centre's coordinates along t and along u.
void radiciSuRetta(double q, double m, double ct, double cu, double r, double& delta, double& t1, double& t2)
{
    risolvi2grado(m * m + 1, 2 * m * q - 2 * ct - 2 * m * cu, ct * ct + q * q + cu * cu - 2 * q * cu - r * r, delta,
                  t1, t2);
}

// The coordinate t where the circle of radius r meets the line
// u = ua + m*(t - ta); tc and uc are the centre's coordinates along t and u.
void radiciSuSegmento(double ta, double ua, double m, double tc, double uc, double r, double& delta, double& t1,
                      double& t2)
{
    risolvi2grado(1 + m * m, -2 * tc + 2 * m * ua - 2 * m * m * ta - 2 * m * uc,
                  tc * tc + uc * uc + ua * ua + m * m * ta * ta - 2 * m * ta * ua - 2 * ua * uc + 2 * m * ta * uc -
                      r * r,
                  delta, t1, t2);
}

} // namespace

void risolvi2grado(double a, double b, double c, double& delta, double& r1, double& r2)
{
    delta = b * b - 4 * a * c;
    if (delta > 0) {
        r1 = ((-b + std::sqrt(delta)) / 2) / a;
        r2 = ((-b - std::sqrt(delta)) / 2) / a;
    } else if (delta == 0) {
        r1 = ((-b + std::sqrt(delta)) / 2) / a;
        r2 = r1;
    }
}

double angolo_retta_P1P2(double x1, double y1, double x2, double y2)
{
    return angolo(x1, y1, x2, y2);
}

float angolo_retta_P1P2(float x1, float y1, float x2, float y2)
{
    return angolo(x1, y1, x2, y2);
}

double detAngolo(double x1, double y1, double x2, double y2)
{
    return angolo(x1, y1, x2, y2);
}

// Lines are taken as x = x0 + m*(y - y0), with the inverse slope m, so that
// only horizontal lines need a case of their own.
void detintersrette(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4,
                    double& X, double& Y, int& flag)
{
    flag = 1;
    if (y1 == y2) {
        if (y3 == y4) {
            flag = 0;
        } else {
            const double m2 = (x4 - x3) / (y4 - y3);
            Y = y1;
            X = x3 + m2 * (y1 - y3);
        }
    } else if (y3 == y4) {
        const double m1 = (x2 - x1) / (y2 - y1);
        Y = y3;
        X = x1 + m1 * (y3 - y1);
    } else {
        const double m1 = (x2 - x1) / (y2 - y1);
        const double m2 = (x4 - x3) / (y4 - y3);
        if (m1 == m2) {
            flag = 0;
        } else {
            Y = (x3 - x1 + m1 * y1 - m2 * y3) / (m1 - m2);
            X = x1 + m1 * (Y - y1);
        }
    }
    // Nearly parallel lines meet too far away to matter.
    if (std::abs(X) > 5e10 || std::abs(Y) > 5e10)
        flag = 0;
}

std::optional<Punto> intersezione(const Segmento& s, const Segmento& t)
{
    Punto p;
    int trovato = 0;
    detintersrette(s.a.x, s.a.y, s.b.x, s.b.y, t.a.x, t.a.y, t.b.x, t.b.y, p.x, p.y, trovato);
    if (trovato == 1 && detPinsegmento(p.x, p.y, s.a.x, s.a.y, s.b.x, s.b.y) &&
        detPinsegmento(p.x, p.y, t.a.x, t.a.y, t.b.x, t.b.y))
        return p;
    return std::nullopt;
}

void detinters_segmenti(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4,
                        double& X, double& Y, int& flag)
{
    const auto p = intersezione({{x1, y1}, {x2, y2}}, {{x3, y3}, {x4, y4}});
    flag = p ? 1 : 0;
    if (p) {
        X = p->x;
        Y = p->y;
    }
}

bool detPinsegmento(double px, double py, double xa, double ya, double xb, double yb)
{
    // Horizontal and vertical segments compare exactly; a point off their
    // range still goes through the general test below, which rejects it.
    if (ya == yb) {
        if (py != ya)
            return false;
        if (tra(px, xa, xb))
            return true;
    }
    if (xa == xb) {
        if (px != xa)
            return false;
        if (tra(py, ya, yb))
            return true;
    }
    const double c1 = (xb - xa) * (py - ya);
    const double c2 = (yb - ya) * (px - xa);
    if (std::abs(c1 - c2) >= 0.0001)
        return false;
    return tra(px, xa, xb) && tra(py, ya, yb);
}

double ampiezzaArco(double xc, double yc, double xs, double ys, double xe, double ye)
{
    const double as = detAngolo(xc, yc, xs, ys);
    const double ae = detAngolo(xc, yc, xe, ye);
    return ae <= as ? as - ae : as - ae + 2 * pigreco;
}

bool detPinArco(double px, double py, double xc, double yc, double xs, double ys, double xe, double ye)
{
    const double ampiezza = ampiezzaArco(xc, yc, xs, ys, xe, ye);
    // Ends on one radius: the device draws the whole circle.
    return ampiezza == 0 || ampiezzaArco(xc, yc, xs, ys, px, py) <= ampiezza;
}

bool detPinRettangolo(double px, double py, double& xa, double& ya, double& xb, double& yb)
{
    if (xa > xb)
        std::swap(xa, xb);
    if (ya > yb)
        std::swap(ya, yb);
    return xa <= px && px <= xb && ya <= py && py <= yb;
}

void detinters_cerchio_segmento(double xc, double yc, double r, double xa, double ya, double xb, double yb,
                                double& X1, double& Y1, double& X2, double& Y2, int& flag1, int& flag2)
{
    flag1 = 0;
    flag2 = 0;
    double delta = 0;
    if (xb == xa) {
        risolvi2grado(1, -2 * yc, yc * yc + (xa - xc) * (xa - xc) - r * r, delta, Y1, Y2);
        X1 = xa;
        X2 = xa;
    } else if (yb == ya) {
        risolvi2grado(1, -2 * xc, xc * xc + (ya - yc) * (ya - yc) - r * r, delta, X1, X2);
        Y1 = ya;
        Y2 = ya;
    } else if (std::abs(yb - ya) <= std::abs(xb - xa)) {
        const double m = (yb - ya) / (xb - xa);
        radiciSuSegmento(xa, ya, m, xc, yc, r, delta, X1, X2);
        Y1 = ya + m * (X1 - xa);
        Y2 = ya + m * (X2 - xa);
    } else {
        // A steep segment is solved along y: its slope against x would be
        // huge and the points lost to rounding.
        const double m = (xb - xa) / (yb - ya);
        radiciSuSegmento(ya, xa, m, yc, xc, r, delta, Y1, Y2);
        X1 = xa + m * (Y1 - ya);
        X2 = xa + m * (Y2 - ya);
    }
    if (delta >= 0) {
        flag1 = detPinsegmento(X1, Y1, xa, ya, xb, yb) ? 1 : 0;
        flag2 = detPinsegmento(X2, Y2, xa, ya, xb, yb) ? 1 : 0;
    }
}

void detinters_cerchio_cerchio(double x1, double y1, double r1, double x2, double y2, double r2, int& flag,
                               double& X1, double& Y1, double& X2, double& Y2)
{
    flag = 0;
    const double d2 = (x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2);
    if (r1 < r2 && d2 <= r2 * r2) {
        flag = 2; // circle 1 is taken to lie inside circle 2
        return;
    }
    // The radical line A*x + B*y + C = 0 holds both meeting points.
    const double A = 2 * (x2 - x1);
    const double B = 2 * (y2 - y1);
    const double C = x1 * x1 - x2 * x2 + y1 * y1 - y2 * y2 + r2 * r2 - r1 * r1;
    if (A == 0 && B == 0)
        return; // concentric: no radical line
    double delta = 0;
    double t1 = 0;
    double t2 = 0;
    // Solved along the axis the radical line is less steep against: with
    // centres nearly level (or nearly one above the other) the other slope
    // would be huge and the points lost to rounding.
    if (std::abs(B) >= std::abs(A)) {
        // y = q + m*x; the roots are the x of the points.
        const double q = -C / B;
        const double m = -A / B;
        radiciSuRetta(q, m, x1, y1, r1, delta, t1, t2);
        if (delta >= 0) {
            flag = 1;
            X1 = t1;
            Y1 = q + m * t1;
            X2 = t2;
            Y2 = q + m * t2;
        }
    } else {
        // x = q + m*y; the roots are the y of the points.
        const double q = -C / A;
        const double m = -B / A;
        radiciSuRetta(q, m, y1, x1, r1, delta, t1, t2);
        if (delta >= 0) {
            flag = 1;
            X1 = q + m * t1;
            Y1 = t1;
            X2 = q + m * t2;
            Y2 = t2;
        }
    }
}

} // namespace tramel
