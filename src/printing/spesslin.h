#pragma once
#include "platform/numbers.h"
#include "platform/ui_ports.h"
#include "properties/valori_dialogo.h"

#include <QDialog>

#include <array>
#include <functional>
#include <string>
#include <string_view>

class QLineEdit;

namespace tramel {

// Model of the dialog `Spesslin`: the print line width of each palette
// colour, shown and read in the user's number format. Ok stores all 16 widths
// and rewrites the settings file, or, when a box holds no number, stores
// nothing. A box left as it was loaded gives back the width it showed exactly.
class Spesslin {
public:
    static constexpr std::string_view titolo = "Spessore Linee x Stampa";
    static constexpr std::string_view intestazione = "Colore Linea          Spessore";
    static constexpr std::array<std::string_view, 16> nomi = {
        "Nero",  "Blu Scuro", "Verde",        "Verde Acqua", "Bordeaux", "Viola",  "Verde Oliva", "Grigio Chiaro",
        "Grigio", "Blu",      "Verde Limone", "Azzurro",     "Rosso",    "Fucsia", "Giallo",      "Bianco"};

    // salvafileini rewrites the settings file.
    Spesslin(std::array<float, 16>& spesslinstampa, NumberFormat formato, Notifier& notifier,
             std::function<void()> salvafileini, std::string titoloMessaggi);

    std::array<Coordinata, 16> Text1; // the widths, from Form_Load
    int fuoco = -1;                    // the box the last refusal sent the focus to

    void Form_Load();
    // What a typed text becomes in a width box: "." is the decimal separator.
    std::string Text1_KeyPress(std::string_view digitato) const;
    // Ok: true when the widths were stored and the dialog closes.
    bool Command1_Click();

private:
    std::array<float, 16>& spesslinstampa_;
    NumberFormat formato_;
    Notifier& notifier_;
    std::function<void()> salvafileini_;
    std::string titoloMessaggi_;
};

// The widths dialog over its model, modal.
class SpesslinDialog : public QDialog {
public:
    SpesslinDialog(Spesslin& modello, QWidget* parent = nullptr);

private:
    Spesslin& modello_;
    std::array<QLineEdit*, 16> Text1_{};
};

} // namespace tramel
