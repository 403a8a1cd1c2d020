#include "command_engine.h"

namespace tramel {

// The edits themselves are not there yet: every kind leaves its entities as
// they are and finds nothing, so completion cancels the edit and the drawing
// is never reported changed by an edit that did not happen.
void CommandEngine::eseguiComandoModifica_su_Superfici(int&, std::int16_t&) {}
void CommandEngine::eseguiComandoModifica_su_Linee(int&, std::int16_t&) {}
void CommandEngine::eseguiComandoModifica_su_Rettangoli(int&, std::int16_t&) {}
void CommandEngine::eseguiComandoModifica_su_Testi(int&, std::int16_t&) {}
void CommandEngine::eseguiComandoModifica_su_Cerchi(int&, std::int16_t&) {}
void CommandEngine::eseguiComandoModifica_su_Archi(int&, std::int16_t&) {}
void CommandEngine::eseguiComandoModifica_su_Polilinee(int&, std::int16_t&) {}

} // namespace tramel
