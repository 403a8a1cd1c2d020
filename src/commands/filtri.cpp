#include "filtri.h"

namespace tramel {

void impostaFiltro(DrawingState& s, RigaComando& riga, int k)
{
    s.aiuti.filtrosnap = static_cast<std::int16_t>(k);
    if (k >= 0 && k < static_cast<int>(VOCI_FILTRI.size()) && k != 1 && k != 5)
        riga.Label11 = std::string(VOCI_FILTRI[static_cast<std::size_t>(k)]) + "(F9)";
    if (k == 0)
        s.overlay.Shape2.visibile = false;
    riga.notifica();
}

} // namespace tramel
