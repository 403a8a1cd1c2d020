#pragma once
#include "platform/colors.h"
#include "platform/dc.h"

#include <cstdint>

namespace tramel {

// Entity states.
constexpr std::int16_t STATO_NORMALE = 0;
constexpr std::int16_t STATO_SELEZIONATO = -1;
constexpr std::int16_t STATO_CANCELLATO = -2; // erased entities keep their position and never come back

// Booleans kept as 16-bit integers.
constexpr std::int16_t VERO = -1;
constexpr std::int16_t FALSO = 0;

// Members that every kind carries.
struct Entita {
    std::int16_t stato = STATO_NORMALE;
    std::int16_t stampare = 0; // 1 when the print window caught the entity

    bool operator==(const Entita&) const = default;
};

// Kinds that draw themselves: the caller sets DC, and converts the coordinates
// to device units and the thickness to a pen width in pixels, around each call.
struct EntitaDisegnabile : Entita {
    Dc* DC = nullptr;

    bool operator==(const EntitaDisegnabile&) const = default;
};

} // namespace tramel
