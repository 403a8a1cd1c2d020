#include "command_engine.h"

namespace tramel {

void CommandEngine::mousesposta(float&, float&) {}

} // namespace tramel
