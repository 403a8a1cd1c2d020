#pragma once
#include "stato_disegno.h"
#include "superficie_disegno.h"

#include <optional>

namespace tramel {

// The dots of a grid of step p over a rectangle (sinistra, alto, larghezza,
// altezza), in the rectangle's units: the first dot at the multiples of p at
// or before its left and top, (x0, y0); then one every p, passiX steps across
// and passiY down, dots at (x0 + i * p, y0 + j * p) for i = 0..passiX and
// j = 0..passiY. A step of 0 or below, or not a number, gives no grid.
// The window's grid shows its dots only up to 100 steps across; the settings
// dialog's preview applies its own limit.
struct GrigliaPunti {
    double x0 = 0;
    double y0 = 0;
    double passo = 0;
    int passiX = 0;
    int passiY = 0;
};
std::optional<GrigliaPunti> grigliaPunti(double sinistra, double alto, double larghezza, double altezza, double p);

// The most steps across for which the window shows its grid.
constexpr int PASSI_GRIGLIA_MASSIMI = 100;

// Palette index of selected entities for a background: white (15) on
// "Verde Acqua", a value of any numeric tag that rounds to index 3, else 3;
// a 16-bit integer.
Variant colevidenziaPer(const Variant& colsfondo);

// Gives the window's picture a background colour: a new colour clears it, the
// colour it already has clears nothing.
void impostaSfondo(DrawingState& s, SuperficieDisegno& sup, Rgb colore);

// The window's own settings over its picture, after the entities: background
// palette(colsfondo), the grid dots in palette(colanteprima) when the grid is
// "ON" and at most 100 steps across, the rubber bands, pick box and snap
// marker hidden and the cross-hair in palette(colanteprima).
void impostdistipo(DrawingState& s, SuperficieDisegno& sup);

} // namespace tramel
