#pragma once
#include "entita.h"

#include <optional>

namespace tramel {

// An arc through three points: from p1 to p2, passing through p3.
struct Arco : EntitaDisegnabile {
    // The largest radius Disarco draws with, in device units.
    static constexpr std::int32_t RAGGIO_MASSIMO = 100000;

    double p1x = 0;
    double p1y = 0;
    double p2x = 0;
    double p2y = 0;
    double p3x = 0;
    double p3y = 0;
    Rgb colcont = 0;
    float spescont = 0;
    std::int32_t trattcont = 0;
    std::int16_t vert1_selez = 0; // stretch mark of p1
    std::int16_t vert2_selez = 0; // stretch mark of p2

    // Centre and radius of the circle through the three points. Collinear
    // points have no circle: the caller's variables are left as they were.
    void Calcola_Xc_Yc_Raggio_arco(double& xc, double& yc, double& r) const;
    struct Circonferenza {
        double xc, yc, r;
    };
    // The same circle, or nothing when the three points lie on one line.
    std::optional<Circonferenza> cerchio() const;
    // Draws counter-clockwise on the device from the radial through p1 to the radial through p2.
    void Disarco();

    bool operator==(const Arco&) const = default;
};

} // namespace tramel
