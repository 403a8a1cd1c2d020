#include "command_engine.h"

namespace tramel {

// The zooms that need no input: their prompt completes them at once.
bool CommandEngine::zoomImmediato(const std::string& nome)
{
    return nome == "Zoom Tutto" || nome == "Zoom Prec." || nome == "Zoom %";
}

void CommandEngine::eseguicomando(int& k)
{
    recordcoma& r = s_.coma.at(static_cast<std::size_t>(k));
    // The immediate zooms end here leaving the view as it is, and the prompt
    // goes back to the idle command line.
    if (zoomImmediato(r.nome())) {
        r.tipo.clear();
        scrivilabel1();
    }
}

} // namespace tramel
