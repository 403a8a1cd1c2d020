#pragma once
#include <string>
#include <vector>

namespace tramel {

class Frame;

// The settings file's path: the program's folder followed by "Tramel.ini",
// with a separator added only where the folder does not end in one.
std::string percorsoIni(const std::string& cartellaProgramma);

// The drawing named on the command line: the arguments joined by single
// blanks, then one leading and one trailing double quote taken off.
std::string nomeDaRigaComando(const std::vector<std::string>& argomenti);

// Starts the program: Qt's Italian translation for its own dialogs, the
// settings file's path, then the frame's load with the drawing named on the
// command line (a relative name is taken from the current folder, the one
// the user started from). Gives 0 when the program goes on with the frame
// shown, or the exit code it must end with because the named drawing could
// not be opened (the user has been told, no window is left).
int startup(Frame& frame, const std::string& cartellaProgramma, const std::vector<std::string>& argomenti);

} // namespace tramel
