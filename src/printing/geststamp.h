#pragma once
#include "uscita.h"

#include "platform/ui_ports.h"

#include <QDialog>
#include <QImage>

#include <functional>
#include <string>
#include <string_view>

class QLineEdit;

namespace tramel {

// What the print dialog calls on the drawing window it is bound to.
struct AgganciGeststamp {
    std::function<void()> anteprimastampa;
    // Prints at the scale and origin given; true when the page went out.
    std::function<bool(double scala, double x, double y)> stampa;
    std::function<void()> selfinstamp;    // the pick of a new print window
    std::function<void()> annullacomando; // the window's current command
    std::function<void()> Spesslin;       // the widths dialog, modal
};

// A box of the dialog in millimetres.
struct RiquadroMm {
    double left = 0, top = 0, width = 0, height = 0;
    bool operator==(const RiquadroMm&) const = default;
};

// Model of the print dialog `Geststamp`, bound to the drawing window that
// opened it. The scale (millimetres of paper per drawing unit) and the origin
// (drawing units) are read with "." as decimal point.
class Geststamp {
public:
    static constexpr std::string_view titolo = "Gestione Stampa";
    static constexpr std::string_view prefissoTitolo = "Gestione stampa   -  File: ";
    static constexpr std::string_view msgScala = "Scala Stampa non valida: inserire un numero maggiore di 0.";
    static constexpr std::string_view msgOrigineX = "Origine Stampa X non valida: inserire un numero.";
    static constexpr std::string_view msgOrigineY = "Origine Stampa Y non valida: inserire un numero.";
    enum class Casella { Nessuna, Text1, Text2, Text3 };

    Geststamp(AgganciGeststamp agganci, Notifier& notifier, std::string titoloMessaggi);

    std::string caption{titolo};
    std::string Text1 = "1"; // scale
    std::string Text2 = "0"; // origin X
    std::string Text3 = "0"; // origin Y
    bool minimizzato = false;
    RiquadroMm Picture1;     // the sheet
    RiquadroMm Picture2;     // its shadow
    Casella fuoco = Casella::Nessuna;
    std::function<void()> cambiato; // the widget follows the model

    // Fits the sheet, twice the printable area's millimetres, into a dialog
    // area of that size, only ever shrinking it; the sheet keeps 13 mm below it.
    void selcarta(double paginaLarg, double paginaAlt, double dialogoLarg, double dialogoAlt);
    void agganteprima();
    void Form_Activate();
    // The boxes turn a typed "," into ".".
    void Text1_Change(std::string testo);
    void Text2_Change(std::string testo);
    void Text3_Change(std::string testo);
    // OK: prints; true when the dialog closes. A scale that is no number
    // above 0 or an origin that is no number is refused with a message.
    bool Command1_Click();
    void Command4_Click();
    void Command5_Click();
    // Every way of closing ends here; the dialog then calls nothing more.
    void Form_Unload();
    // Shows the dialog again after the pick.
    void ripristina();
    bool scaricato() const { return scaricato_; }

private:
    bool rifiuta(std::string_view messaggio, Casella casella);
    void notifica() const;

    AgganciGeststamp agganci_;
    Notifier& notifier_;
    std::string titoloMessaggi_;
    bool scaricato_ = false;
};

// The print dialog over its model: modeless, a tool window beside the drawing.
class GeststampDialog : public QDialog {
public:
    GeststampDialog(AgganciGeststamp agganci, Notifier& notifier, const std::string& titoloMessaggi,
                    QWidget* parent = nullptr);
    Geststamp& modello() { return modello_; }

    // Fits the sheet to the printer's printable area.
    void selcarta(const PrintDevice& stampante);
    // The sheet in millimetres with its pixels per millimetre.
    Foglio foglio() const;
    // Paints the sheet anew: `disegna` draws on its device context.
    void anteprima(const std::function<void(Dc&, const Foglio&)>& disegna);
    // The origin boxes, as the pick sets them.
    void origine(const std::string& x, const std::string& y);
    const QImage& immagine() const { return immagine_; }

protected:
    bool event(QEvent* e) override;
    void reject() override;
    void closeEvent(QCloseEvent* e) override;

private:
    void costruisci();
    void aggiorna();
    QLineEdit* casella(Geststamp::Casella c) const;

    Geststamp modello_;
    QWidget* area_ = nullptr;
    QWidget* Picture1_ = nullptr;
    QWidget* Picture2_ = nullptr;
    QLineEdit* Text1_ = nullptr;
    QLineEdit* Text2_ = nullptr;
    QLineEdit* Text3_ = nullptr;
    QImage immagine_;
};

} // namespace tramel
