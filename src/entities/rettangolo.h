#pragma once
#include "entita.h"
#include "lista_vertici.h"

namespace tramel {

// Fill codes.
constexpr std::int32_t CAMPITURA_PIENA = 6;
constexpr std::int32_t CAMPITURA_NESSUNA = 7;
constexpr std::int32_t CAMPITURA_MOTIVO = 8; // surfaces only: pattern from hBmp

// What rectangles and surfaces share: a filled closed polygon.
struct Poligono : EntitaDisegnabile, ListaVertici {
    double perimet = 0;
    double supf = 0;
    Rgb colcont = 0;
    float spescont = 0;
    std::int32_t trattcont = 0;
    std::int32_t campitura = 0;
    Rgb colocampitura = 0;

    bool operator==(const Poligono&) const = default;

protected:
    // Draws the polygon with its pen and fill; bitmap is the pattern for fill code 8, or 0 for none.
    void disegnaPoligono(std::int32_t bitmap);
};

// A rectangle kept as its four corners, so that it stays a four-cornered
// polygon after rotation and stretching.
struct Rettangolo : Poligono {
    void inser_vert_ret(double x, double y, double index) { inser_vert(x, y, index); }
    void prel_vert_ret(double& x, double& y, double index) const { prel_vert(x, y, index); }
    void disrettangolo() { disegnaPoligono(0); }

    bool operator==(const Rettangolo&) const = default;
};

} // namespace tramel
