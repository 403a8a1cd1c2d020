#pragma once
#include "platform/ui_ports.h"
#include "view/stato_disegno.h"

#include <cstddef>
#include <string>

namespace tramel {

// The settings file Tramel.ini: 48 records of 128 bytes, one value at the
// start of each, written whole from one window's values and the module's.
namespace fileini {
constexpr std::size_t lunghezzaRecord = 128;
constexpr int numeroRecord = 48;
// The longest text a record holds after its 16-bit length.
constexpr std::size_t maxTesto = lunghezzaRecord - 2;
} // namespace fileini

// Defaults for new lines, polylines and arcs.
void inizializ_varLinee(ValoriModulo& m);
// Defaults for new surfaces, rectangles and circles: no fill, black, thin, solid.
void inizializ_varSup(ValoriModulo& m);
// The window's defaults for new texts and the text frame switch.
void inizializ_varTesto(DrawingState& s);

// Reads the settings file into the window and the module. A missing file is
// created with the defaults (inizializini). A short or damaged file is read as
// far as each record is valid; every other record takes its default. False
// only when the defaults had to be written and could not be: the values in
// memory hold all the same.
bool leggifileini_dis(DrawingState& s);

// Sets every value of the settings file to its default, then writes the file.
// False when the write failed; the defaults are in force anyway.
bool inizializini(DrawingState& s);

// Writes the whole settings file from the window's and the module's values.
// The old file is replaced only by a complete new one, except where the file
// is writable in a folder that is not: there it is written in place. False
// when the write failed, and nothing else changes.
bool salvafileini_dis(const DrawingState& s);

// leggifileini_dis and salvafileini_dis for the windows and their dialogs: a
// settings file that could not be written is told to the user, in a message
// box titled titolo, and the values in memory hold for the session.
bool leggiImpostazioni(DrawingState& s, Notifier& notifier, const std::string& titolo);
bool salvaImpostazioni(const DrawingState& s, Notifier& notifier, const std::string& titolo);

} // namespace tramel
