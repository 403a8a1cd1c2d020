#pragma once
#include "registro.h"

#include "commands/riga_comando.h"
#include "platform/ui_ports.h"
#include "view/stato_disegno.h"

namespace tramel {

// What the whole program shares: the module-wide values (defaults for new
// entities, print widths, the settings file's path), pi, the window registry,
// the frame's command line and the ports to the user.
struct AppContext {
    explicit AppContext(Porte p) : porte(p) {}

    ValoriModulo modulo;
    double pigreco = 0;  // set by the frame's load
    int numbarre = 0;    // frame panels switched by attivabarre and disattivabarre
    RegistroDisegni registro;
    RigaComando riga;
    Porte porte;
};

} // namespace tramel
