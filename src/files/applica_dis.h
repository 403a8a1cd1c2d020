#pragma once
#include "lettura_dis.h"

#include "commands/command_engine.h"

namespace tramel {

// Puts a drawing read from its file into a window whose size already follows
// the stored window state: the stored view fitted to the client area (a view
// of no size keeps the window's own), the colours, the snap and grid steps
// and switches, the entities; then the log moves on to a new command.
void applicaDisegno(CommandEngine& e, DisegnoLetto& d);

} // namespace tramel
