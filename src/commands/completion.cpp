#include "command_engine.h"

namespace tramel {

void CommandEngine::eseguicomando(int& k)
{
    recordcoma& r = s_.coma.at(static_cast<std::size_t>(k));
    // The immediate zooms end here leaving the view as it is, and the prompt
    // goes back to the idle command line.
    if (dati(comando(r.nome())).immediato) {
        r.tipo.clear();
        scrivilabel1();
    }
}

} // namespace tramel
