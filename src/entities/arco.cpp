#include "arco.h"

#include "strumenti_dc.h"
#include "platform/rounding.h"

#include <algorithm>
#include <cmath>

namespace tramel {

void Arco::Calcola_Xc_Yc_Raggio_arco(double& xc, double& yc, double& r) const
{
    const double x1 = p1x, y1 = p1y, x2 = p2x, y2 = p2y, x3 = p3x, y3 = p3y;
    const double s1 = -(x1 * x1) - y1 * y1;
    const double s2 = -(x2 * x2) - y2 * y2;
    const double s3 = -(x3 * x3) - y3 * y3;
    const double A = (y2 - y3) * x1 - (x2 - x3) * y1 + (x2 * y3 - x3 * y2);
    const double B = (y2 - y3) * s1 - (s2 - s3) * y1 + (s2 * y3 - s3 * y2);
    const double C = (s2 - s3) * x1 - (x2 - x3) * s1 + (s3 * x2 - s2 * x3);
    const double D = (s3 * y2 - s2 * y3) * x1 - (s3 * x2 - s2 * x3) * y1 + (x2 * y3 - x3 * y2) * s1;
    if (A == 0)
        return;
    xc = -(B / A) / 2;
    yc = -(C / A) / 2;
    // Nearly coincident points can leave the radicand a hair below zero.
    r = std::sqrt(std::max(0.0, (C / A) * (C / A) / 4 + (B / A) * (B / A) / 4 - D / A));
}

std::optional<Arco::Circonferenza> Arco::cerchio() const
{
    // A radius is never negative: one left at -1 means there was no circle.
    Circonferenza c{0, 0, -1};
    Calcola_Xc_Yc_Raggio_arco(c.xc, c.yc, c.r);
    if (c.r < 0)
        return std::nullopt;
    return c;
}

void Arco::Disarco()
{
    if (!DC)
        return;
    OggettoSelezionato penna(*DC, creaPenna(*DC, trattcont, spescont, colcont));
    // Centre and radius in whole device units; a collinear arc keeps the zero box at the origin.
    double xcD = 0, ycD = 0, rD = 0;
    Calcola_Xc_Yc_Raggio_arco(xcD, ycD, rD);
    const double xc = clng(xcD);
    const double yc = clng(ycD);
    const double r = std::min(clng(rD), RAGGIO_MASSIMO);
    DC->Arc(clng(xc - r), clng(yc - r), clng(xc + r), clng(yc + r), clng(p1x), clng(p1y), clng(p2x), clng(p2y));
}

} // namespace tramel
