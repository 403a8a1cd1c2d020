#pragma once
#include "colors.h"

#include <string_view>

namespace tramel {

// The indexes of the sixteen colours, by the names the chooser shows.
enum IndicePalette : int {
    NERO, BLU_SCURO, VERDE, VERDE_ACQUA, BORDEAUX, VIOLA, VERDE_OLIVA, GRIGIO_CHIARO,
    GRIGIO, BLU, VERDE_LIMONE, AZZURRO, ROSSO, FUCSIA, GIALLO, BIANCO,
};

// The classic 16-colour palette, addressed by index 0-15, with the names the
// colour chooser shows. An index outside 0-15 gives the colour of index 0
// (black) and an empty name; callers that must tell it apart ask valid().
class Palette {
public:
    static constexpr int count = 16;

    static bool valid(int index) { return index >= 0 && index < count; }
    static Rgb color(int index);
    static std::string_view name(int index);
};

} // namespace tramel
