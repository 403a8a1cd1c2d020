#pragma once
#include "lettura_txt.h"

#include "commands/motore_comandi.h"

namespace tramel {

// Puts a text drawing read whole into a window: the header's colours, steps
// and switches, the entities (cisonooggetti for any of them, texts included),
// then a redraw and the prompt. The command log and the modified flag stay as
// they were; the caption, the window's size and the zoom are the window's.
void applicaTxt(CommandEngine& e, DisegnoTxt& d);

} // namespace tramel
