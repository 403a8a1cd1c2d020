#pragma once
#include "commands/motore_comandi.h"
#include "platform/numbers.h"
#include "platform/ui_ports.h"
#include "view/stato_disegno.h"
#include "view/superficie_disegno.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tramel {

class TipoLinea;
class TipoSuperficie;
class Gesttesto;

// The drawing window a property dialog is bound to when it is created: its
// state and engine, its picture, the ports to the user and the user's numbers.
struct FinestraDialogo {
    CommandEngine& motore;
    SuperficieDisegno& superficie;
    Porte porte;
    NumberFormat formato;
    DrawingState& stato() const { return motore.stato(); }
};

// Shows a property dialog modally; an empty one shows nothing, as a cancel.
struct Dialoghi {
    std::function<void(TipoLinea&)> tipoLinea;
    std::function<void(TipoSuperficie&)> tipoSuperficie;
    std::function<void(Gesttesto&)> gesttesto;
};

// The three property dialogs, and the operations of the drawing window their OK calls.
enum class Dialogo { TipoLinea, TipoSuperficie, Gesttesto };
enum class Operazione {
    set_carattGenLinee, set_tipoLinea, set_tipoLinee, set_tipoArco, set_tipoArchi, set_tipoPoliLinea,
    set_tipoPoliLinee, set_carattGenSup, set_tipoSuperficie, set_tipoSuperfici, set_tipoRettangolo,
    set_tiporettangoli, set_tipoCerchio, set_tipoCerchi, set_carattGenTesto, aggtesto, annullacomando,
};

// The operation OK calls for a dialog in a mode (the caption; for the text
// dialog its heading): exact, case-sensitive captions, except the defaults of
// the line and surface dialogs, told by their first 24 and 34 characters. The
// text dialog's insert mode cancels the command when the text box (testo) is
// empty. Nothing for a caption that names no mode.
std::optional<Operazione> operazione(Dialogo dialogo, std::string_view modo, std::string_view testo = {});

// The refusal of a number that cannot be read: beep and the message, OK only.
inline constexpr std::string_view msgCoordinate = "Inserire coordinate con formato numerico corretto";
inline constexpr std::string_view msgAngolo = "Inserire angolo con formato numerico corretto";
void rifiuta(Notifier& notifier, std::string_view messaggio);

// The window's background, the palette colour colsfondo.
Rgb sfondoFinestra(const DrawingState& s);

} // namespace tramel
