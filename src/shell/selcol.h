#pragma once
#include "platform/colors.h"

#include <QDialog>

#include <optional>
#include <string>
#include <string_view>

namespace tramel {

class Impost;

// Model of the colour picker `Selcol`: one of the 16 palette colours for one
// of the two colour boxes of the general settings dialog, named by Label1.
class Selcol {
public:
    static constexpr std::string_view titolo = "Seleziona colore";
    static constexpr std::string_view puntatore = "Colore Puntatore e Griglia";
    static constexpr std::string_view sfondo = "Colore Sfondo";

    // Opens on the option of the box's current index, or on none when that
    // index is not a palette colour.
    Selcol(Impost& impost, std::string scopo, double corrente);

    std::string Label1;         // the purpose: which box the choice goes to
    std::optional<int> Option1; // the option button chosen, 0 to 15

    // Ok: the chosen index, as text, into the dialog's box; nothing when none is chosen.
    void Command1_Click();

private:
    Impost& impost_;
};

// The colour picker over its model: 16 option buttons with the palette names
// and a swatch beside each; Ok applies, Annulla closes.
class SelcolDialog : public QDialog {
public:
    SelcolDialog(Selcol& modello, QWidget* parent = nullptr);
};

} // namespace tramel
