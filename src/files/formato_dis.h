#pragma once
#include "entities/testo.h"
#include "view/recordcoma.h"

#include <cstdint>
#include <string_view>

namespace tramel::dis {

// The drawing file (.DIS): records of recordcoma::LUNGHEZZA bytes numbered
// from 1; eleven header records, then one or more records per entity.

constexpr std::uint64_t RECORD_INTESTAZIONE = 11;

// Kind tags, stored blank-padded in `tipo` and compared trimmed.
inline constexpr std::string_view LINEA = "Linea";
inline constexpr std::string_view ARCO = "Arco";
inline constexpr std::string_view CERCHIO = "Cerchio";
inline constexpr std::string_view RETTANGOLO = "Rettangolo";
inline constexpr std::string_view CONTINUA_RETTANGOLO = "ContinuaRettangolo";
inline constexpr std::string_view SUPERFICIE = "Superficie";
inline constexpr std::string_view CONTINUA_SUPERFICIE = "ContinuaSuperficie";
inline constexpr std::string_view POLILINEA = "Polilinea";
inline constexpr std::string_view CONTINUA_POLILINEA = "ContinuaPolilinea";
inline constexpr std::string_view TESTO = "Testo";

// A text record's `stringa`: the font field, then the text.
constexpr std::size_t LUNGHEZZA_CARATTERE = testo::LUNGHEZZA_CARATTERE;
constexpr std::size_t LUNGHEZZA_TESTO = recordcoma::LUNGHEZZA_STRINGA - LUNGHEZZA_CARATTERE;

// The view a window opens with, for a file whose stored view is unusable.
constexpr float VISTA_X = 0;
constexpr float VISTA_Y = 0;
constexpr float VISTA_LARGHEZZA = 50;
constexpr float VISTA_ALTEZZA = 20;

// Records holding n vertices, three to a record; none for n <= 0.
constexpr int recordPerVertici(int n)
{
    return n <= 0 ? 0 : (n + 2) / 3;
}

} // namespace tramel::dis
