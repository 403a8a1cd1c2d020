#include "command_engine.h"

namespace tramel {

// The click state machine is not there yet: input reaches the engine and
// leaves the drawing as it is.
void CommandEngine::clicksin(float&, float&) {}
void CommandEngine::puntoDigitato(double, double) {}
void CommandEngine::clickdes(float, float) {}
void CommandEngine::gestastiera(int) {}

} // namespace tramel
