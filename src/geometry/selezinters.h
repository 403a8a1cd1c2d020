#pragma once
#include "entities/arco.h"
#include "entities/cerchio.h"
#include "entities/linea.h"
#include "entities/polilinea.h"
#include "entities/rettangolo.h"
#include "entities/superficie.h"
#include "entities/testo.h"
#include "platform/text_metrics.h"

#include <array>

namespace tramel {

// Whether an entity has any point in the window (x1, y1)-(x2, y2), with
// x1 <= x2 and y1 <= y2, border included: a defining point inside it, or its
// outline crossing one of the window's edges. A window wholly inside a
// circle, an arc's circle or a polygon meets no outline and gives false.
bool selezinters_lineaintersfin(const Linea& linea, double x1, double y1, double x2, double y2);
bool selezinters_cerchiointersfin(const Cerchio& cerchio, double x1, double y1, double x2, double y2);
bool selezinters_arcointersfin(const Arco& arco, double x1, double y1, double x2, double y2);
bool selezinters_polilineaintersfin(const polilinea& pol, double x1, double y1, double x2, double y2);
bool selezinters_superficieintersfin(const superficie& sup, double x1, double y1, double x2, double y2);
bool selezinters_rettangolointersfin(const Rettangolo& ret, double x1, double y1, double x2, double y2);

// How texts are measured: the device's text metrics and its logical
// resolution in dots per inch.
struct MisuraTesto {
    const TextMetrics& metrics;
    double dpiX;
    double dpiY;
};

// The corners of a text's box in window units, from its reference point
// (x1, y1), which is corner 1. The text is measured in its font at its size in
// points; width and height go from pixels to millimetres, times scala / 10.
// Corner 2 lies along the baseline, corners 3 and 4 one text height below
// corners 2 and 1 (y grows downwards).
void determvert_testo(const testo& t, const MisuraTesto& misura, double scala, double x1, double y1, double& x2,
                      double& y2, double& x3, double& y3, double& x4, double& y4);

// The window test of a text's box from its four corners in drawing units,
// (x, y) of corners 1 to 4 in turn.
bool selezinters_scatolaintersfin(const std::array<Punto, 4>& angoli, double x1, double y1, double x2, double y2);

// The window test of a text: its box, computed in window units at the view
// scale scala, against the window in drawing units.
bool selezinters_testointersfin(const testo& t, const MisuraTesto& misura, double scala, double x1, double y1,
                                double x2, double y2);

} // namespace tramel
