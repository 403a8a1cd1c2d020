#pragma once
#include "platform/qt_ports.h"
#include "platform/ui_ports.h"
#include "properties/valori_dialogo.h"
#include "view/stato_disegno.h"

#include <QDialog>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QLineEdit;
class QRadioButton;
class QWidget;

namespace tramel {

class Selcol;

// What the general settings reach of their drawing window besides its state.
struct AgganciImpost {
    std::function<void()> redraw; // the window's full redraw
    // The frame's status label 8 (snap step) or 9 (grid) takes a palette colour.
    std::function<void(int etichetta, int colore)> etichetta;
};

// Shows the colour picker modal for one of the dialog's colour boxes.
using MostraSelcol = std::function<void(Selcol&)>;

// Model of the general settings dialog `impost`: its controls as plain values
// and its handlers. It is bound to the drawing window that opened it, filled
// from that window's state and applied to it on OK. A box left as it was
// loaded gives back the window's value exactly.
class Impost {
public:
    static constexpr std::string_view titolo = "Tramel - Gestione Disegni :  Impostazioni Generali";
    static constexpr std::string_view testoAnteprima = "Anteprima Testo";
    static constexpr std::string_view msgGriglia = "Impossibile Visualizzare Griglia a passo =0";
    static constexpr std::string_view msgStep = "Impossibile Attivare STEP a passo =0";
    static constexpr std::string_view msgPasso = "Passo non valido: inserire un numero più piccolo.";
    static constexpr std::string_view msgColore = "Indice colore non valido: scegliere un numero da 0 a 15.";

    enum class Casella { Nessuna, Text1, Text2, Text3, Text4 };
    Impost(DrawingState& s, AgganciImpost agganci, Notifier& notifier);

    // Controls.
    bool Option1 = true;       // grid "ON"; Option2, grid "OFF", is the other choice
    Coordinata Text3;          // grid step, shown while Option1 is chosen
    bool Option3 = true;       // snap step "ON"; Option4 is the other choice
    Coordinata Text4;          // snap step, shown while Option3 is chosen
    Coordinata Text1;          // pointer and grid colour, palette index
    Coordinata Text2;          // background colour, palette index
    std::string Label2;        // the window's scale
    SceltaCarattere carattere; // the font dialog's selection: the window's font and colour
    std::string griglia;       // the preview's grid state, "ON" or "OFF"
    double Line1x = 0;         // preview cross-hair: the vertical line's x and
    double Line2y = 0;         // the horizontal line's y, box units
    Casella fuoco = Casella::Nessuna; // the box that the last refusal sent the focus to
    std::function<void()> anteprima;  // repaints the preview

    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Text3_Change(std::string testo);
    void Command3_Click(const MostraSelcol& mostra);
    void Command4_Click(const MostraSelcol& mostra);
    void Command5_Click(FontChooser& font);
    void Picture1_MouseMove(double x, double y);
    // Ok: true when the settings were applied and the dialog closes.
    bool Command1_Click();

    // Preview: the palette colours of the two boxes and the grid dots of a box
    // of that size, in box units.
    Rgb colorePuntatore() const;
    Rgb coloreSfondo() const;
    std::vector<Punto> puntigriglia(double larghezza, double altezza) const;

private:
    void modificaColore(std::string& testo, std::string_view scopo, const MostraSelcol& mostra);
    bool rifiuta(std::string_view messaggio, Casella casella);
    void ridisegna() const;

    DrawingState& s_;
    AgganciImpost agganci_;
    Notifier& notifier_;
};

// Applies the general settings dialog to its window: drawing aids, colours,
// overlay colours, window font; redraws and rewrites the settings file. An aid
// switched off keeps its step. False when the settings file could not be
// written (told through the notifier; the settings hold).
bool aggimpostgen(DrawingState& s, const Impost& dialogo, const AgganciImpost& agganci, Notifier& notifier);

// The general settings dialog over its model. Control names follow the model's.
class ImpostDialog : public QDialog {
public:
    ImpostDialog(DrawingState& s, AgganciImpost agganci, Notifier& notifier, QWidget* parent = nullptr);
    Impost& modello() { return modello_; }

private:
    void costruisci();
    void collega();
    void aggiorna();
    QLineEdit* casella(Impost::Casella c) const;

    Impost modello_;
    QtFontChooser font_;
    QRadioButton* Option1_ = nullptr;
    QRadioButton* Option2_ = nullptr;
    QRadioButton* Option3_ = nullptr;
    QRadioButton* Option4_ = nullptr;
    QLineEdit* Text1_ = nullptr;
    QLineEdit* Text2_ = nullptr;
    QLineEdit* Text3_ = nullptr;
    QLineEdit* Text4_ = nullptr;
    QWidget* Picture1_ = nullptr;
};

} // namespace tramel
