#include "comando.h"

namespace tramel {

namespace {

// Every command has its row, at its own place.
constexpr bool righeInOrdine()
{
    for (std::size_t i = 0; i < COMANDI.size(); ++i)
        if (static_cast<std::size_t>(COMANDI[i].comando) != i)
            return false;
    return true;
}
static_assert(righeInOrdine());

} // namespace

Comando comando(std::string_view nome)
{
    for (const DatiComando& d : COMANDI)
        if (d.comando != Comando::Sconosciuto && d.nome == nome)
            return d.comando;
    return Comando::Sconosciuto;
}

} // namespace tramel
