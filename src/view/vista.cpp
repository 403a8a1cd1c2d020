#include "vista.h"

#include <algorithm>
#include <limits>

namespace tramel {

double rapportoScala(const Vista& v, double x1, double y1, double x2, double y2)
{
    const double rx = v.larghezzaMm / (x2 - x1);
    const double ry = v.altezzaMm / (y2 - y1);
    double scala = rx;
    if (scala > ry)
        scala = ry;
    return scala == 0 ? 1e-13 : scala;
}

Riquadro finestraVisibile(const Vista& v)
{
    return {v.origineX / v.scala, v.origineY / v.scala, (v.origineX + v.larghezzaMm) / v.scala,
            (v.origineY + v.altezzaMm) / v.scala};
}

double larghezzaPixel(const Vista& v)
{
    return v.larghezzaMm * v.pixelPerMmX();
}

double altezzaPixel(const Vista& v)
{
    return v.altezzaMm * v.pixelPerMmY();
}

Punto dispositivoDaFinestra(const Vista& v, double xMm, double yMm)
{
    return {(xMm - v.origineX) * v.pixelPerMmX(), (yMm - v.origineY) * v.pixelPerMmY()};
}

Punto finestraDaDispositivo(const Vista& v, double xPx, double yPx)
{
    return {xPx / v.pixelPerMmX() + v.origineX, yPx / v.pixelPerMmY() + v.origineY};
}

Punto dispositivoDaDisegno(const Vista& v, double x, double y)
{
    return dispositivoDaFinestra(v, x * v.scala, y * v.scala);
}

Punto disegnoDaDispositivo(const Vista& v, double xPx, double yPx)
{
    const Punto f = finestraDaDispositivo(v, xPx, yPx);
    return {f.x / v.scala, f.y / v.scala};
}

double disegnoDaPixelX(const Vista& v, double pixel)
{
    return pixel / v.pixelPerMmX() / v.scala;
}

double disegnoDaPixelY(const Vista& v, double pixel)
{
    return pixel / v.pixelPerMmY() / v.scala;
}

float singolo(double v)
{
    constexpr double massimo = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(v, -massimo, massimo));
}

} // namespace tramel
