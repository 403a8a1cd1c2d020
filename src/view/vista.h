#pragma once
#include "geometry/forme.h"

namespace tramel {

// The view of a drawing window. Window units are millimetres; the scale
// origin is the window point shown at the client area's top-left corner;
// device pixels follow from the logical DPI.
struct Vista {
    double scala = 1;          // window units per drawing unit
    float origineX = 0;        // scale origin left, mm
    float origineY = 0;        // scale origin top, mm
    double larghezzaMm = 0;    // client width, mm (scale width)
    double altezzaMm = 0;      // client height, mm (scale height)
    double dpiX = 96;
    double dpiY = 96;

    double pixelPerMmX() const { return dpiX / 25.4; }
    double pixelPerMmY() const { return dpiY / 25.4; }
};

// The scale that shows the rectangle (x1, y1)-(x2, y2) as large as the
// client area allows: the smaller of the two ratios, or 1e-13 when that is 0
// (a client area of zero width or height).
double rapportoScala(const Vista& v, double x1, double y1, double x2, double y2);

// The visible window in drawing units: the client area divided by the scale.
Riquadro finestraVisibile(const Vista& v);

// The client area in pixels, for the culling margins and the grid.
double larghezzaPixel(const Vista& v);
double altezzaPixel(const Vista& v);

// Window units (mm) to device pixels and back, from the scale origin.
Punto dispositivoDaFinestra(const Vista& v, double xMm, double yMm);
// Device pixels (a mouse position) to window units.
Punto finestraDaDispositivo(const Vista& v, double xPx, double yPx);
// Drawing units to device pixels: the drawing point times the scale, from the scale origin.
Punto dispositivoDaDisegno(const Vista& v, double x, double y);
// Device pixels (a mouse position) to drawing units.
Punto disegnoDaDispositivo(const Vista& v, double xPx, double yPx);

// The lengths of a number of pixels along each axis, in drawing units.
double disegnoDaPixelX(const Vista& v, double pixel);
double disegnoDaPixelY(const Vista& v, double pixel);

// Device coordinates are kept within this band, in pixels on either side of
// the device origin, before they become integers: far beyond any screen or
// page, well inside the 32-bit range and the range the painter rasterises
// exactly.
constexpr double BANDA_DISPOSITIVO = 4.0e6;

// A value held in single precision, as the window keeps its coordinates;
// values beyond the single range take its largest value of their sign.
float singolo(double v);

} // namespace tramel
