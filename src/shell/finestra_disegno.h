#pragma once
#include "commands/motore_comandi.h"
#include "properties/passaggio_dialogo.h"
#include "files/lettura_txt.h"
#include "printing/geststamp.h"
#include "view/stato_disegno.h"

#include <QMdiSubWindow>
#include <QPointer>

#include <array>
#include <memory>
#include <optional>
#include <string>

class QMenu;
class QScrollBar;

namespace tramel {

struct DisegnoLetto;
struct EtichettaAiuto;

struct AppContext;
class Frame;
class Tavola;

// A drawing window (`distipo`): it owns the drawing's state and its command
// engine, shows the picture with its scroll strips, carries its menus for the
// frame to show while it is active, and runs its load, activation, resize and
// close. Operations that dialogs and the frame call on it keep their names.
class DrawingWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    DrawingWindow(AppContext& contesto, Frame& frame);
    ~DrawingWindow() override;

    DrawingState& stato() { return stato_; }
    CommandEngine& engine() { return *engine_; }
    Tavola& tavola() { return *tavola_; }
    QScrollBar& HScroll1() { return *HScroll1_; }
    QScrollBar& VScroll1() { return *VScroll1_; }
    QWidget& Picture3() { return *Picture3_; }
    QWidget& Picture4() { return *Picture4_; }
    // The menus the frame shows while this window is active.
    const QList<QMenu*>& menus() const { return menus_; }

    std::string caption() const;
    void setCaption(const std::string& caption);
    // An untitled window's caption starts with "Disegno _".
    bool senzaTitolo() const;
    bool caricata() const { return caricata_; }
    // Set once the window has agreed to close; it no longer counts as open.
    bool chiusa() const { return chiusa_; }

    void Form_Load();
    void Form_Activate();
    void Form_Deactivate();
    void Form_Resize();
    // The close question: true when the window may close. A modified drawing
    // is saved first when the user asks so, and closes only if that succeeded.
    bool Form_QueryUnload();
    // Closes without the question: it was asked already, or nothing is to be asked.
    void chiudiSenzaDomanda();

    // The menu items, by the index of their menu array.
    // File: 1 "Nuovo", 2 "Apri", 3 "Salva", 4 "Salva con Nome", 5 "Chiudi",
    // 7 "Imposta Stampante", 8 "Stampa".
    void opfile_Click(int index);
    // Disegna 1 to 7, "Linea" to "Rettangolo".
    void opdis_Click(int index);
    // Visualizza 1 to 4, "Zoom Area" to "Zoom %".
    void selezoom_Click(int index);
    // The bars: 1 toolbar, 3 cursor coordinates, 4 command line, 6 and 7 the scroll strips.
    void barre_Click(int index);
    // Edita 1 "Imposta Selezione", 3 "Cancella" to 9 "Proprietà Oggetto".
    void modifica_Click(int index);
    void impo_Click(int index);
    void mnudistanza_Click();
    // The defaults of new lines, surfaces and texts.
    void mnutipolinea_Click();
    void mnutiposup_Click();
    void mnutipotesto_Click();
    void informa_Click();
    // Opening a menu: what the drawing's content allows.
    void file_Click();
    void visual_Click();
    void mnuedita_Click();
    // Drawing aids: 1 opens the general settings, 4 switches the snap step, 5
    // the grid, 6 the orthogonal mode, 7 the frames round the texts.
    void impaiut(int k);
    // The check mark of a menu item.
    bool aiutdis(int k) const;
    void aiutdis(int k, bool spuntato);
    bool barre(int k) const;
    bool impo(int k) const;
    bool filtri(int k) const;
    void impscroll();
    void impfiltri(int filtro);

    // Keys and the mouse over the drawing, in window units.
    void Form_KeyDown(int tasto);
    void Form_KeyPress(int codice);
    void Form_MouseMove(float X, float Y);
    void Form_MouseDown(bool sinistro, float X, float Y);
    // The pointer has left the picture (for a scroll strip or a part of the frame): the cross-hair goes.
    void Picture_MouseMove();

    // Drawing files: reading the file named by the caption, writing it.
    bool leggifile();
    // Imports the text drawing named by the caption, telling its progress:
    // the fault, or nothing once the drawing has been read whole and shown.
    std::optional<ErroreTxt> leggitxt(const Avanzamento& avanzamento = {});
    bool salvafile();

    // Printing, for the print dialog bound to this window.
    void selfinstamp();
    void anteprimastampa();
    // Prints the marked entities; true when the page went out.
    bool stampa(double scala, double x, double y);
    // The print dialog this window opened, while it is open.
    GeststampDialog* geststamp() const { return geststamp_; }

    // Esporta: "Crea DXF" and "Crea BMP", also reached from the frame's File toolbar.
    void mnudxf_Click();
    void mnucreabmp_Click();
    // Asks for a name and writes the drawing as a DXF file, reporting a failure.
    void crea_dxf();

protected:
    void closeEvent(QCloseEvent* evento) override;
    // The mouse and the keys over the picture and the scroll strips.
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    // What a property dialog reaches of this window.
    FinestraDialogo finestraDialogo();
    void costruisciMenu();
    QMenu* menuFile();
    QMenu* menuVisualizza();
    QMenu* menuEdita();
    QMenu* menuAiuti();
    QMenu* menuFiltri();
    QMenu* menuFinestra();
    // The dialogs and exports the menus open, each with its own window.
    void zoomp();
    // "Stampa": marks what the window shows and opens the print dialog beside it.
    void Geststamp();
    // "Imposta Stampante": the printer set-up; an open print dialog refits its sheet.
    void impostaStampante();
    void info();
    // "Impost. Generali": true when Ok applied the settings.
    bool impostGenerali();
    void commutaAiuto(int k);
    // The drawing aids' check marks, from the switches in the state.
    void spuntaAiuti();
    // A status label of a drawing aid, on the frame.
    void mostra(const EtichettaAiuto& etichetta);
    // Puts a drawing read from its file into this window.
    void applica(DisegnoLetto& letto);
    // The menu, the frame's labels and the settings follow the switches read from a file.
    void aiutiLetti();
    // WindowState: 0 normal, 1 minimised, 2 maximised; the drawing's unsaved mark stays as it was.
    void mostraStato(int statoFinestra);
    // The bars' check marks and the bars, as the settings read at load give them.
    void barre();
    void mostraBarra(int index, bool mostrata);
    void Form_Unload();
    // Asks for a name and saves the drawing area's picture as a BMP file, reporting a failure.
    void salvabmp();
    void erroreCreazione(const std::string& nome);
    void Spesslin();
    // The object-snap filter in force, on the menu and the frame's label.
    void mostraFiltro(int filtro);
    // Rewrites the settings file; a failed write is told, and the settings hold.
    void salvaImpostazioni();

    AppContext& ctx_;
    Frame& frame_;
    DrawingState stato_;
    Tavola* tavola_ = nullptr;
    QWidget* Picture3_ = nullptr;
    QWidget* Picture4_ = nullptr;
    QScrollBar* HScroll1_ = nullptr;
    QScrollBar* VScroll1_ = nullptr;
    std::unique_ptr<CommandEngine> engine_;
    QList<QMenu*> menus_;
    // The items of the menu arrays, by index.
    std::array<QAction*, 9> opfile_{};
    std::array<QAction*, 5> selezoom_{};
    std::array<QAction*, 8> barre_{};
    std::array<QAction*, 10> modifica_{};
    std::array<QAction*, 4> impo_{};
    std::array<QAction*, 8> aiutdis_{};
    std::array<QAction*, 7> filtri_{};
    QPointer<GeststampDialog> geststamp_;
    bool caricata_ = false;
    bool chiedere_ = true;
    bool chiusa_ = false;
};

} // namespace tramel
