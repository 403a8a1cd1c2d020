#pragma once
#include "riga_comando.h"

#include "view/stato_disegno.h"

#include <array>
#include <string_view>

namespace tramel {

// The items of the snap-filter menu `filtri`, indexed by the value of
// `filtrosnap`; items 1 and 5 are separators and never a filter.
inline constexpr std::array<std::string_view, 7> VOCI_FILTRI = {"Libero", "-",  "Inizio", "Fine",
                                                                 "Medio",  "-", "Centro"};

// Sets the window's snap filter: the frame's snap label shows the filter's
// item followed by "(F9)", and the free filter hides the pick box. Saving the
// settings is the caller's.
void impostaFiltro(DrawingState& s, RigaComando& riga, int k);

} // namespace tramel
