#include "motore_comandi.h"

namespace tramel {

namespace {

// A window without the edit commands finds nothing, so completion cancels the edit.
void esegui(const AgganciMotore::Modifica::Esecutore& esecutore, int& k, std::int16_t& found)
{
    if (esecutore)
        esecutore(k, found);
}

} // namespace

void CommandEngine::eseguiComandoModifica_su_Superfici(int& k, std::int16_t& found)
{
    esegui(agganci_.modifica.superfici, k, found);
}

void CommandEngine::eseguiComandoModifica_su_Linee(int& k, std::int16_t& found)
{
    esegui(agganci_.modifica.linee, k, found);
}

void CommandEngine::eseguiComandoModifica_su_Rettangoli(int& k, std::int16_t& found)
{
    esegui(agganci_.modifica.rettangoli, k, found);
}

void CommandEngine::eseguiComandoModifica_su_Testi(int& k, std::int16_t& found)
{
    esegui(agganci_.modifica.testi, k, found);
}

void CommandEngine::eseguiComandoModifica_su_Cerchi(int& k, std::int16_t& found)
{
    esegui(agganci_.modifica.cerchi, k, found);
}

void CommandEngine::eseguiComandoModifica_su_Archi(int& k, std::int16_t& found)
{
    esegui(agganci_.modifica.archi, k, found);
}

void CommandEngine::eseguiComandoModifica_su_Polilinee(int& k, std::int16_t& found)
{
    esegui(agganci_.modifica.polilinee, k, found);
}

} // namespace tramel
