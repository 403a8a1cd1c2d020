#pragma once
#include "entita.h"

namespace tramel {

// A filled circle given by its centre and a point on its circumference.
struct Cerchio : EntitaDisegnabile {
    Rgb colcont = 0;
    float spescont = 0;
    std::int32_t trattcont = 0;
    std::int32_t campitura = 0; // fill code 0-7
    Rgb colocampitura = 0;
    double Xcentro = 0;
    double Ycentro = 0;
    double raggio = 0;          // kept equal to the centre-point distance by whoever finishes the circle
    double perimet = 0;
    double supf = 0;
    double Xpunto = 0;
    double YPunto = 0;

    // Draws the circle with the radius from the centre to the point; raggio is not read.
    void discerchio();

    bool operator==(const Cerchio&) const = default;
};

} // namespace tramel
