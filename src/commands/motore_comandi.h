#pragma once
#include "riga_comando.h"
#include "selezione.h"

#include "platform/numbers.h"
#include "platform/ui_ports.h"
#include "view/comando.h"
#include "view/stato_disegno.h"
#include "view/superficie_disegno.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tramel {

// What the engine reaches beyond the command line: the drawing window and the
// dialogs fill these; an empty hook does nothing (or measures 0).
struct AgganciMotore {
    std::function<void()> impscroll;          // the scroll bars back to the middle, after a zoom
    std::function<double()> altezzaPicture3;  // height of the horizontal scroll strip, mm
    std::function<double()> larghezzaPicture4; // width of the vertical scroll strip, mm
    // The text dialog, modal, at the insertion point of "Testo" (drawing units).
    std::function<void(double x, double y)> inserisciTesto;
    // The print dialog while the print window is picked.
    struct Stampa {
        std::function<void(const std::string& x, const std::string& y)> origine; // its Text2 and Text3
        std::function<void()> ripristina; // its window back to the normal state
        std::function<void()> anteprima;  // anteprimastampa
    } stampa;
    // The edit commands, one routine per kind, which live above the engine:
    // each applies record k to its kind's selection and sets found on meeting one.
    struct Modifica {
        using Esecutore = std::function<void(int& k, std::int16_t& found)>;
        Esecutore superfici, linee, rettangoli, testi, cerchi, archi, polilinee;
        // Whether the edit of record k would leave every selected entity finite.
        std::function<bool(int k)> finita;
    } modifica;
    std::string titolo;                            // of the engine's message boxes
    NumberFormat formato = NumberFormat::system(); // the user's numbers, for reports read by people
};

// The steps of a command (passocomando).
constexpr int PASSO_PRIMO = 0;   // waiting for the first point, or selecting
constexpr int PASSO_SECONDO = 1; // after the first point, or the first corner of a window
constexpr int PASSO_TERZO = 2;   // an arc's third point
constexpr int PASSO_BASE = 2;    // an edit's base point, after the confirmation
constexpr int PASSO_FINALE = 3;  // an edit's final point

// Where a point given to the engine comes from: only a mouse click takes a
// pending object-snap point; a typed or replayed point clears it.
enum class Origine { Mouse, Digitato, Ripetuto };

// A cancel made to suspend a command keeps its selection for the resume; a
// real cancel also discards a suspended command.
enum class Annullo { Reale, PerSospendere };

// The command engine of one drawing window: the routines that read and write
// the window's command state, prompts and view, over the window's state.
// The routines call each other in cycles (a zoom re-issues the prompt, the
// prompt of an immediate zoom completes it), which one class handles simply.
class CommandEngine {
public:
    CommandEngine(DrawingState& stato, RigaComando& riga, SuperficieDisegno& superficie, Porte porte);

    DrawingState& stato() { return s_; }
    RigaComando& riga() { return riga_; }
    AgganciMotore& agganci() { return agganci_; }

    // Command log.
    void reiniz(int k);

    // Prompts and selection messages.
    void scrivilabel1();
    void scrivilabel2();
    void scrivitrov();

    // View: the one operation that moves the view, its scale and the snapshot of the visible window.
    void selzoom(double x1, double y1, double x2, double y2);
    void impost_rapscala(double x1, double y1, double x2, double y2);
    // The view from its corner (x1, y1) at the scale it has.
    void mostraDa(double x1, double y1);
    void memxin();
    void redraw();
    // The window's background and grid, as every redraw ends.
    void impostdistipo();

    // Starting a command as its menu item does: the drawing and measuring
    // commands cancel a pending one, the edits go through `modifica`, the
    // zooms through `avviaZoom`.
    void avviaComando(Comando c);
    // The Edita items (3 "Cancella" to 9 "Proprietà Oggetto"; 1 and 2 only reset the count).
    void modifica(int voce);
    // The Visualizza items: 1 "Zoom Area", 2 "Zoom Tutto", 3 "Zoom Prec.", 4
    // "Zoom %" (which only suspends: its dialog then calls zoomperc, or
    // riprendi when it is left with Annulla).
    void avviaZoom(int voce);
    void zoomperc(std::int32_t percento);
    // The Imposta Selezione items: 1 "Ogget", 2 "Fines", 3 "Inters". A
    // pending command starts its selection again in the new mode.
    void impo(int voce);
    // The File item "Stampa": marks for printing what crosses the visible
    // window and hands its corner with the smaller x and y to the print dialog.
    void finestraStampa();
    // No entity is marked for printing.
    void inizializ_stampare();
    // A pan of one scroll bar to the value v (the window calls it while the bar's strip shows).
    void scorri(bool verticale, int v);
    // The window's client area changed size.
    void ridimensiona();

    // Completion and cancel of the current command: k is numcomando (the
    // dialogs cancel with -1, which stands for it).
    void eseguicomando(int& k);
    void annullacomando(int k, Annullo modo = Annullo::Reale);

    // Suspension around a view change: the pending command is kept aside with
    // its step and its entity under construction, then comes back. A view
    // command running inside another is kept above it (two levels).
    void sospendi();
    void impostatrasparente();
    void ripristinatrasparente();
    // Resumes a suspended command, if any (a view step that changed nothing).
    void riprendi();
    // Suspends, changes the view, resumes: what pans and resizes share.
    void cambiaVista(const std::function<void()>& cambio);

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
    // False when the command refused the point (with a beep): nothing changed.
    bool puntoDigitato(double X, double Y);
    // The snap step on a point in drawing units, as the mouse's clicks and
    // moves take it: x down to the step at or below it, y to the nearest step,
    // both exactly on it to the step's decimals. A step of 0, or one that is
    // not a number, snaps nothing.
    Punto agganciaPasso(double x, double y) const;
    void clickdes(float x, float y);
    // A mouse button pressed over the drawing, in window units: the point
    // takes the snap step, then the left button clicks and any other
    // right-clicks.
    void premuto(bool sinistro, float X, float Y);
    // The keys the engine understands, as the windows pass them: Enter and
    // Esc to the command, F9 to the window for the next object-snap filter.
    static constexpr int TASTO_INVIO = 13;
    static constexpr int TASTO_ESC = 27;
    static constexpr int TASTO_F9 = 120;
    void gestastiera(int key);
    // A mouse move over the drawing at X, Y (window units): snaps them to the
    // step, and to the object-snap point found under the cursor, and brings
    // the cross-hair, the pick box, the snap marker, the coordinates, the
    // command line and the rubber band or ghosts of the step up to the cursor.
    void mousesposta(float& X, float& Y);
    // The rubber band from the first point (P0x, P0y), in drawing units, to
    // the cursor X, Y in window units (the orthogonal mode may move them),
    // with the DX, DY, L or R read-outs; at an edit's last step the ghosts of
    // the selection follow the cursor.
    void distraccia(double P0x, double P0y, float& X, float& Y);
    // A key pressed in box n of the command line (1 or 2): Enter clicks at
    // the typed point, confirms or prompts again; Esc is the window's own.
    void tastoRiga(int n, int tasto);


    // The edit of record k applied to the selected entities of one kind;
    // found becomes 1 when one was met.
    void eseguiComandoModifica_su_Superfici(int& k, std::int16_t& found);
    void eseguiComandoModifica_su_Linee(int& k, std::int16_t& found);
    void eseguiComandoModifica_su_Rettangoli(int& k, std::int16_t& found);
    void eseguiComandoModifica_su_Testi(int& k, std::int16_t& found);
    void eseguiComandoModifica_su_Cerchi(int& k, std::int16_t& found);
    void eseguiComandoModifica_su_Archi(int& k, std::int16_t& found);
    void eseguiComandoModifica_su_Polilinee(int& k, std::int16_t& found);

private:
    // The row of the command the current record names.
    const DatiComando& comandoCorrente() const;
    void disattivaText2();
    void casella(int n, bool abilitata);
    void primoPrompt(const DatiComando& c);
    void promptSelezione(std::string_view nome);
    void nascondiForme();
    bool deselezionaTutto(bool segniStira);
    void lasciaSelezione(Comando c);
    void scartaSospeso();
    // Drops the view command running inside another and resumes that one.
    void lasciaVista();

    // The left click once the point is in drawing units; false when the command refused it.
    bool clicca(double X, double Y, Origine origine);
    // A point the command cannot take: a beep, and the click changes nothing.
    void rifiuta();
    bool prendeSnap(const DatiComando& c) const;
    void clicDisegno(const DatiComando& c, double X, double Y);
    void clicUltimoPunto(const DatiComando& c, double X, double Y);
    void clicPoligono(const DatiComando& c, double X, double Y);
    void clicArco(double X, double Y);
    // On the first step: keeps the first point and moves to the second; false on any other step.
    bool primoPunto(double X, double Y);
    void clicMisura(double X, double Y);
    void clicZoomArea(double X, double Y);
    void clicModifica(const DatiComando& c, double X, double Y);
    void clicStampa(double X, double Y);
    void primoAngolo(double X, double Y);
    void puntoBase(const DatiComando& c, double X, double Y);
    void puntoFinale(const DatiComando& c, double X, double Y);
    void orto(double& X, double& Y) const;
    // The orthogonal mode's rule: (X, Y) goes level with (x0, y0), or plumb
    // below it when it lies at least as far across as along.
    static void ortogonale(double x0, double y0, double& X, double& Y);
    void eco(double x, double y);

    // Cursor tracking.
    bool snapInUso(const DatiComando& c) const;
    bool passoInVigore() const;
    // The decimals of the snap step while it is in force; none otherwise.
    std::optional<int> decimaliPasso() const;
    // The value rounded to n decimals, halves to even; unchanged without n.
    static double arrotonda(double v, std::optional<int> n);
    void mirino(float X, float Y);
    void cercaSnap(float& X, float& Y);
    // punto: the cursor point as the command line writes it.
    void seguiCursore(const DatiComando& c, const std::string& punto, float& X, float& Y);
    // The pick box, the rubber band or ghosts, and the cursor point in the box of the step.
    void scriviCursore(const DatiComando& c, const std::string& punto, float& X, float& Y);

    // Rubber bands.
    void aspettoNuovo(LineaOverlay& l, Rgb colore, std::int32_t tratto, std::int32_t spessore) const;
    void aspettoNuovo(FormaOverlay& f) const;
    int larghezzaBanda(std::int32_t spessore) const;
    void bandaFinestra(int stile, double P0x, double P0y, double DXw, double DYw);
    void letture(double DX, double DY, double x, double y);

    // Ghost previews of the selection at an edit's last step, from the base
    // point (x0, y0) to the cursor (x, y), drawing units.
    void fantasmi(const DatiComando& c, double x0, double y0, double x, double y);

    // The right click's confirmation of a selection.
    void confermaSelezione(const DatiComando& c);

    // Completion, by family.
    void completaModifica(int& k);
    void completaDisegno(const DatiComando& c, recordcoma& r);
    void completaMisura(const recordcoma& r);
    bool zoomA(double x1, double y1, double x2, double y2);
    bool zoomPercento();
    bool zoomTutto();
    bool zoomPrec();

    void riprendiDisegno(const DatiComando& c, const recordcoma& sospeso);
    void catenaVertici(const DatiComando& c);
    void trattoCatena(const DatiComando& c, int i);
    void riprendiModifica(const DatiComando& c, const recordcoma& sospeso);

    // The window's persistent drawing: off while the ghost previews of an
    // edit's last step draw on the window's transient layer; either way
    // switching it empties that layer.
    void disegnoPersistente(bool si) { superficie_.persistente(si); }
    const CacheTesti& testiMisurati();
    Riquadro ordinaAngoli(double& x1, double& y1, double& x2, double& y2);
    void evidenzia(const std::vector<Preso>& presi);

    // The entities the selections selected, for the ghosts to visit only
    // them; one that is no longer selected is passed over.
    std::vector<Preso> selezionati_;
    bool rifiutato_ = false; // the click under way was refused

    DrawingState& s_;
    RigaComando& riga_;
    SuperficieDisegno& superficie_;
    Porte porte_;
    AgganciMotore agganci_;
};

} // namespace tramel
