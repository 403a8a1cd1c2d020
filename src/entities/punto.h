#pragma once

namespace tramel {

// A point of the plane: in drawing units, in window millimetres, or in device
// pixels before they are rounded to whole numbers.
struct Punto {
    double x = 0;
    double y = 0;
    bool operator==(const Punto&) const = default;
};

} // namespace tramel
