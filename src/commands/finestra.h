#pragma once
#include "motore_comandi.h"

#include <optional>
#include <string>

namespace tramel {

// The rules of a drawing window that are not the widget's: its load, its
// drawing aids and what the frame's status labels show of them.

// Items of the drawing-aids menu.
constexpr int VOCE_IMPOSTAZIONI = 1;
constexpr int VOCE_SNAP = 4;
constexpr int VOCE_GRIGLIA = 5;
constexpr int VOCE_ORTO = 6;
constexpr int VOCE_BORDO_TESTO = 7;

// The frame's status labels of the drawing aids.
constexpr int ETICHETTA_SNAP = 8;
constexpr int ETICHETTA_GRIGLIA = 9;
constexpr int ETICHETTA_ORTO = 10;

// What a status label of a drawing aid shows: its colour (a palette index)
// and its tooltip.
struct EtichettaAiuto {
    int n = 0;
    int colore = 0;
    std::string suggerimento;
};

// A new window's state: an empty log, no change, a new drawing's view
// (0,0)-(50,20) fitted to the client area, and its snapshot in finx...finalt.
void caricaFinestra(CommandEngine& e);

// The label n (ETICHETTA_SNAP, ETICHETTA_GRIGLIA or ETICHETTA_ORTO): black
// with its step while the aid is on, grey "[ OFF ]" while off.
EtichettaAiuto etichettaAiuto(const DrawingState& s, int n);

// The general settings, the grid and the text frames wait for the command in
// progress, the snap step and the orthogonal mode may change during one: the
// message that refuses the item now, or nothing. spuntata is the item's check mark.
std::optional<std::string> rifiutoAiuto(const DrawingState& s, int voce, bool spuntata);

// Switches the snap step (VOCE_SNAP), the grid (VOCE_GRIGLIA) or the
// orthogonal mode (VOCE_ORTO) on or off: a snap step of 0 becomes 1 as the
// snap comes on, the grid shows at once. Gives the label that now shows the aid.
EtichettaAiuto impostaAiuto(CommandEngine& e, int voce, bool attiva);

// Switches the frames round the texts on or off, and redraws with them.
void impostaBordoTesto(CommandEngine& e, bool attiva);

// The object-snap filter after k in the cycle of F9 and of the frame's filter
// label: 0 "Libero", 2, 3, 4, 6 "Centro", then 0 again.
int filtroSuccessivo(int k);

// Whether the drawing holds anything: saving, the zooms and the edits are
// offered only then.
bool disegnoPieno(const DrawingState& s);

// The selection mode may change unless a stretch runs or a command is past its first step.
bool impostaSelezioneAbilitata(const DrawingState& s);

// The switch of the bar k of the Visualizza menu (1 toolbar, 3 cursor
// coordinates, 4 command line, 6 and 7 the scroll strips).
std::int16_t& vedibarra(BarreFinestra& b, int k);

} // namespace tramel
