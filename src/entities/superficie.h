#pragma once
#include "rettangolo.h"

namespace tramel {

// A closed, filled polygon of any number of vertices.
struct superficie : Poligono {
    std::int32_t hBmp = 0; // bitmap of fill code 8; nothing sets it, files may carry the code

    void inser_vert_sup(double x, double y, double index) { inser_vert(x, y, index); }
    void prel_vert_sup(double& x, double& y, double index) const { prel_vert(x, y, index); }
    void disSup() { disegnaPoligono(hBmp); }

    bool operator==(const superficie&) const = default;
};

} // namespace tramel
