#pragma once
#include "entita.h"
#include "lista_vertici.h"

namespace tramel {

// An open chain of segments through its vertices.
struct polilinea : EntitaDisegnabile, ListaVertici {
    Rgb colcont = 0;
    float spescont = 0;           // thickness; the pen width in pixels during a draw call
    std::int32_t trattcont = 0;   // line style 0-5
    double lunghez = 0;           // length; stored only

    void inser_vert_pol(double x, double y, double index) { inser_vert(x, y, index); }
    void prel_vert_pol(double& x, double& y, double index) const { prel_vert(x, y, index); }
    void disPolyline();

    bool operator==(const polilinea&) const = default;
};

} // namespace tramel
