#include "sovrimpressione.h"

#include "entities/strumenti_dc.h"
#include "platform/rounding.h"

#include <algorithm>
#include <vector>

namespace tramel {

namespace {

// A window point as a whole device pixel, held within the band first.
DevPoint pixel(const Vista& v, double xMm, double yMm)
{
    const Punto p = dispositivoDaFinestra(v, xMm, yMm);
    const auto intero = [](double c) { return clng(std::clamp(c, -BANDA_DISPOSITIVO, BANDA_DISPOSITIVO)); };
    return {intero(p.x), intero(p.y)};
}

void disegna(Dc& dc, const LineaOverlay& l, const Vista& v)
{
    const OggettoSelezionato penna(dc, dc.CreatePen(l.stile, l.larghezza, l.colore));
    dc.Polyline({pixel(v, l.x1, l.y1), pixel(v, l.x2, l.y2)});
}

void disegna(Dc& dc, const FormaOverlay& f, const Vista& v)
{
    const OggettoSelezionato penna(dc, dc.CreatePen(f.stile, f.spessore, f.colore));
    const OggettoSelezionato pennello(dc, creaPennello(dc, f.campitura, f.coloreCampitura, 0));
    const int raster = dc.SetROP2(f.raster);
    const DevPoint p = pixel(v, f.sinistra, f.alto);
    const DevPoint q = pixel(v, f.sinistra + f.larghezza, f.alto + f.altezza);
    // A shape dragged up or to the left has a negative size.
    const DevPoint a{std::min(p.x, q.x), std::min(p.y, q.y)};
    const DevPoint b{std::max(p.x, q.x), std::max(p.y, q.y)};
    if (f.forma == FormaOverlay::Cerchio)
        dc.Ellipse(a.x, a.y, b.x, b.y);
    else if (f.campitura == CAMPITURA_NESSUNA)
        dc.Polyline({a, {b.x, a.y}, b, {a.x, b.y}, a});
    else
        dc.Polygon({a, {b.x, a.y}, b, {a.x, b.y}});
    dc.SetROP2(raster);
}

} // namespace

void disegnaOverlay(Dc& dc, const Overlay& o, const Vista& v)
{
    for (const LineaOverlay* l : {&o.Line1, &o.Line2, &o.Line3, &o.Line4})
        if (l->visibile)
            disegna(dc, *l, v);
    for (const FormaOverlay* f : {&o.Shape1, &o.Shape2, &o.Shape3})
        if (f->visibile)
            disegna(dc, *f, v);
}

} // namespace tramel
