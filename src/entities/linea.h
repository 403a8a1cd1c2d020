#pragma once
#include "entita.h"

namespace tramel {

// A line segment. Lines have no draw operation: the window draws them itself.
struct Linea : Entita {
    float speslinea = 0;          // thickness, in tenths
    std::int32_t TipoLinea = 0;   // line style 0-5
    Rgb colorelinea = 0;
    double Xi = 0;
    double Yi = 0;
    double Yf = 0;
    double Xf = 0;
    std::int16_t vert1_selez = 0; // stretch mark of the start point
    std::int16_t vert2_selez = 0; // stretch mark of the end point

    bool operator==(const Linea&) const = default;
};

} // namespace tramel
