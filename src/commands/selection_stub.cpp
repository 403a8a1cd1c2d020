#include "command_engine.h"

namespace tramel {

// Selection and object snap are not there yet: they find nothing.
void CommandEngine::selezionaoggetti(double, double) {}
void CommandEngine::selezfin(double&, double&, double&, double&) {}
void CommandEngine::selezinters(double&, double&, double&, double&) {}
void CommandEngine::selezintersStira(double&, double&, double&, double&) {}
void CommandEngine::selezoggettifiltri(double, double) {}

} // namespace tramel
