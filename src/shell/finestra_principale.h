#pragma once
#include "contesto_app.h"

#include "printing/geststamp.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace tramel {

class DrawingWindow;
class Maschera;

// How a file command ended.
enum class EsitoFile {
    Riuscito,    // opened or saved
    Abbandonato, // the user stopped it, or there was nothing to do
    Fallito,     // the file could not be read or written (a message told so)
};

// The file-name filter of the open and save dialogs.
inline const std::string filtroDisegni =
    "DIsegni Tramel (*.DIS)|*.DIS|Disegni file-testo (*.TXT)|*.TXT|Tutti i file (*.*)|*.*";

// The save dialog and the overwrite question: the name chosen, once the user
// has agreed to replace an existing file of that name; nothing when the user
// stopped. A dialog closed without a choice keeps the name offered; No to the
// question shows the dialog again.
std::optional<std::string> nomeDaSalvare(const Porte& porte, const std::string& titolo, const std::string& filtro,
                                         const std::string& proposto);

// A name that goes to the text import: one ending in ".txt", in any case.
bool nomeTxt(const std::string& nome);

// Which of the four toolbar bands start a new row: the first never; a later
// visible band whose running width passes the screen width does, and the
// running width starts again from its own width.
std::array<bool, 4> righeBande(const std::array<int, 4>& larghezze, const std::array<bool, 4>& visibili,
                               int larghezzaSchermo);

// Where a new drawing window goes in a drawing area of that size: two thirds
// of the area, one step down and to the right of the last new window, or at
// the top-left corner when it would not lie wholly inside the area there.
QRect posizioneNuova(const QSize& area, const std::optional<QPoint>& ultima, int passo);

// Gives the box the focus and selects its whole text.
void selezionatesto(QLineEdit& casella);

// The main frame (`frmMain`): the MDI area with the drawing windows, the four
// toolbars, the command-line and coordinate panels, the status labels and the
// File menu shown while no drawing is open. It keeps the window registry and
// runs the file commands.
class Frame : public QMainWindow {
    Q_OBJECT
public:
    explicit Frame(AppContext& contesto);
    ~Frame() override;

    AppContext& contesto() { return ctx_; }

    // The frame's load: maximised, toolbars laid out, the program's folder as
    // the current one, caption; then the drawing named on the command line,
    // when there is one. False when that drawing could not be opened: the
    // message has been shown and no drawing window is left.
    bool MDIForm_Load(const std::string& cartellaProgramma, const std::string& nomeFile);
    // Shows the start screen while no drawing is open.
    void MDIForm_Activate();
    // The frame's File menu: 1 "Nuovo", 2 "Apri", 3 "Esci".
    void gestfile_Click(int index);

    // Toolbars and panels (panel 1 cursor coordinates, panel 2 command line).
    void attivabarre();
    void disattivabarre();
    void attivapicture(int n);
    void disattivapicture(int n);
    bool barraMostrata(int k) const; // bar k of the Visualizza menu: 1, 3 or 4
    void attivabarraStrum();
    void disattivabarraStrum();
    void impostcoolbar();

    // Status labels 8 to 11: text colour (palette index) and tip.
    void coloreEtichetta(int n, int colore);
    void suggerimentoEtichetta(int n, const std::string& testo);

    // Opens the next drawing window and makes it the active one.
    DrawingWindow* nuovodisegno();
    // A new window, then the "Apri" file command on it.
    void apri();
    // The file commands "Apri", "Salva" and "SalvaConNome" on the window given;
    // "Salva" on an untitled window becomes "SalvaConNome" in `comando`.
    EsitoFile gestionefile(DrawingWindow& finestra, std::string& comando);

    void mostraMaschera();
    void chiudiMaschera();

    // Hides the active window's cross-hair, while the pointer is over the frame's own parts.
    void nascondilinee_cursore();

    // The print dialog, one for the whole program, while it is open.
    GeststampDialog* geststamp() const { return geststamp_; }
    void geststamp(GeststampDialog* dialogo) { geststamp_ = dialogo; }

    // The drawing window active now, if any.
    DrawingWindow* finestraAttiva() const;

    // The frame's controls.
    QMdiArea& area() { return *area_; }
    Maschera& maschera() { return *maschera_; }
    QMenu& menuFile() { return *menuFile_; }
    QToolBar& Toolbar1(int n) { return *toolbar_.at(static_cast<std::size_t>(n - 1)); }
    QWidget& Picture1() { return *Picture1_; }
    QWidget& Picture2() { return *Picture2_; }
    QLabel& Label(int n);
    QLineEdit& Text(int n) { return *Text_.at(static_cast<std::size_t>(n)); }

protected:
    void closeEvent(QCloseEvent* evento) override;
    // Enter, Esc and F9 in the two boxes of the command line and clicks on the
    // status labels go to the active window; moves over the frame's parts hide its cross-hair.
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void changeEvent(QEvent* evento) override;

private:
    QWidget* Picture(int n) const;
    // The parts of the frame whose mouse moves hide the cross-hair.
    std::array<QWidget*, 8> partiFuoriDisegno() const;
    void costruisciBarre();
    // What button b of toolbar t calls on the drawing window.
    static void pulsante(DrawingWindow& w, int t, int b);
    void costruisciPannelli();
    void costruisciMenu();
    // Mirrors the engine's command line on the boxes and labels.
    void mostraRigaComando();
    // Gives the focus to the box the engine names, and takes it from a box
    // that the engine disables before the box is disabled.
    void daiFuoco();
    // The keys go to the active drawing, or nowhere without one.
    void fuocoAlDisegno();
    void mostraMenu(DrawingWindow* finestra);
    void finestraAttivata(QMdiSubWindow* sotto);
    bool rifiutaRigaComando(const std::string& nome, const std::string& dettaglio = "");
    // A click on a status label of the drawing aids (8 to 11); false for any other object.
    bool etichettaPremuta(QObject* etichetta);
    // Reads the file named by the window's caption; on a failure `dettaglio`
    // gets what the message adds to the file's name (the line at fault).
    bool leggiDisegno(DrawingWindow& finestra, std::string& dettaglio);
    EsitoFile apriFile(DrawingWindow& finestra);
    EsitoFile salvaConNome(DrawingWindow& finestra);
    EsitoFile salvaCome(DrawingWindow& finestra, const std::string& nome);
    void fallimentoApri(DrawingWindow& finestra);

    AppContext& ctx_;
    QMdiArea* area_ = nullptr;
    Maschera* maschera_ = nullptr;
    QMenu* menuFile_ = nullptr;
    std::array<QToolBar*, 4> toolbar_{};
    QWidget* Picture1_ = nullptr;
    QWidget* Picture2_ = nullptr;
    std::array<QLabel*, 12> Label_{};   // Label1 to Label11
    std::array<QLineEdit*, 8> Text_{};  // Text1 to Text7
    QPointer<DrawingWindow> attiva_;
    QPointer<GeststampDialog> geststamp_;
    std::optional<QPoint> ultimaPosizione_; // of the last new drawing window
};

} // namespace tramel
