#pragma once
#include "passaggio_dialogo.h"
#include "valori_dialogo.h"

#include "platform/ui_ports.h"

#include <string>

namespace tramel {

// The text dialog `Gesttesto`: string, font and colour, opaque background,
// position and angle of the text defaults, of a new text or of the selected
// texts. Its heading Label1 is its mode. The font selection is the one place
// of the font and the text colour; the sample only mirrors it.
class Gesttesto {
public:
    static constexpr std::string_view caratteristiche = "Caratteristiche Testo";
    static constexpr std::string_view inserisci = "Inserisci Testo";
    static constexpr std::string_view selezionato = "Proprietà Testo Selezionato";
    static constexpr std::string_view selezionati = "Proprietà Testi Selezionati";
    static constexpr std::string_view carattereVari = "Tipo Carattere: Vari";
    static constexpr std::string_view cliccaCarattere = "Click su carattere modifica impostazioni";

    explicit Gesttesto(FinestraDialogo finestra);

    std::string Label1 = "Label1";
    std::string Text1;          // the string, at most 100 characters
    Coordinata Text3;           // position X
    Coordinata Text4;           // position Y
    std::string Text2 = "0";    // angle
    // Boxes disabled (greyed) by the defaults and plural modes.
    bool Text1Abilitato = true;
    bool Text2Abilitato = true;
    bool posizioneAbilitata = true;
    bool Check1 = false;        // opaque background
    Portatore<Rgb> Label8;      // background colour
    bool coloreScelto = false;  // the user chose the background colour
    bool Command4 = false;      // the colour button, shown while Check1 is ticked
    SceltaCarattere carattere;  // CommonDialog1's font selection
    bool carattereScelto = false; // the user confirmed the font dialog
    // The sample: its caption, its background (opaque or not) and the sample area's.
    std::string Label2;
    Rgb sfondoLabel2 = 0;
    bool Label2Opaco = false;
    Rgb sfondoFrame2 = 0;
    std::string Label4;         // the font description

    static constexpr std::size_t lunghezzaMassima = 100;
    void Text1_Change(std::string testo);
    // The angle box discards "," and ".".
    static bool Text2_KeyPress(char tasto) { return tasto != ',' && tasto != '.'; }
    void Check1_Click(bool spuntato);
    void Command3_Click();
    void Command4_Click();
    void set_carattere();
    // OK: false when the operation refused a number and the dialog stays open.
    bool Command1_Click();
    // Annulla, Esc and the close box: the pending command ends, except under
    // the text defaults, which leave a drawing command alone.
    void Command2_Click();

    FinestraDialogo& finestra() { return f_; }

private:
    FinestraDialogo f_;
};

// Fills the dialog from the window's text defaults and background (first
// resetting the defaults when the face is blank); sets no mode, string,
// position or angle.
void impost_gesttesto(const FinestraDialogo& f, Gesttesto& d);
// The dialog's opaque flag and background, and the font when the user chose
// it, become the text defaults, saved.
bool set_carattGenTesto(const FinestraDialogo& f, const Gesttesto& d);
// Under the "Testo" command places the new text at the clicked point and ends
// the command; otherwise changes the selected texts (only the first in the
// one-text mode), giving them the font only when the user chose it. False,
// with nothing changed, when the angle or a position is not a number.
bool aggtesto(const FinestraDialogo& f, const Gesttesto& d);

} // namespace tramel
