#pragma once
#include "riga_comando.h"
#include "selezione.h"

#include "platform/ui_ports.h"
#include "view/comando.h"
#include "view/drawing_state.h"
#include "view/superficie.h"

#include <string>
#include <vector>
#include <string_view>

namespace tramel {

// The command engine of one drawing window: the routines that read and write
// the window's command state, prompts and view, over the window's state.
// The routines call each other in cycles (a zoom re-issues the prompt, the
// prompt of an immediate zoom completes it), which one class handles simply.
class CommandEngine {
public:
    CommandEngine(DrawingState& stato, RigaComando& riga, SuperficieDisegno& superficie, Porte porte);

    DrawingState& stato() { return s_; }
    RigaComando& riga() { return riga_; }

    // Command log.
    void reiniz(int k);

    // Prompts and selection messages.
    void scrivilabel1();
    void scrivilabel2();
    void scrivitrov();

    // View: the one operation that moves the view, its scale and the snapshot of the visible window.
    void selzoom(double x1, double y1, double x2, double y2);
    void impost_rapscala(double x1, double y1, double x2, double y2);
    void memxin();
    void redraw();
    // The window's background and grid, as every redraw ends.
    void impostdistipo();

    // Completion and cancel of the current command: k is numcomando (the
    // dialogs cancel with -1, which stands for it).
    void eseguicomando(int& k);
    void annullacomando(int k);

    // Selection and object snap, in drawing units. The selections select what
    // they find (stato -1), count the newly selected in numselez and draw them
    // highlighted; the window routines first order the caller's corners.
    // Object snap sets trovatosnap, and snapx, snapy when a point is found.
    void selezionaoggetti(double X, double Y);
    void selezfin(double& x1, double& y1, double& x2, double& y2);
    // Under the record name "Selstamp" it only marks what it finds for printing.
    void selezinters(double& x1, double& y1, double& x2, double& y2);
    // Marks the vertices in the window as well, for the stretch.
    void selezintersStira(double& x1, double& y1, double& x2, double& y2);
    void selezoggettifiltri(double X, double Y);
    // Input: a left click in window units, a point typed on the command line
    // in drawing units, the right click, and the keys Enter (13) and Esc (27).
    void clicksin(float& x, float& y);
    void puntoDigitato(double X, double Y);
    void clickdes(float x, float y);
    void gestastiera(int key);
    // A key pressed in box n of the command line (1 or 2): Enter clicks at
    // the typed point, confirms or prompts again; Esc is the window's own.
    void tastoRiga(int n, int tasto);

private:
    // The row of the command the current record names.
    const DatiComando& comandoCorrente() const;
    void disattivaText2();
    void casella(int n, bool abilitata);
    void primoPrompt(const DatiComando& c);
    void promptSelezione(std::string_view nome);
    void nascondiForme();
    bool deselezionaTutto(bool segniStira);
    const CacheTesti& testiMisurati();
    Riquadro ordinaAngoli(double& x1, double& y1, double& x2, double& y2);
    void evidenzia(const std::vector<Preso>& presi);

    DrawingState& s_;
    RigaComando& riga_;
    SuperficieDisegno& superficie_;
    Porte porte_;
};

} // namespace tramel
