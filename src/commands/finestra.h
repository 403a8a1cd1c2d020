#pragma once
#include "command_engine.h"

#include <optional>
#include <string>

namespace tramel {

// The rules of a drawing window that are not the widget's: its load, its
// drawing aids and what the frame's status labels show of them.

// Items of the drawing-aids menu.
constexpr int VOCE_IMPOSTAZIONI = 1;
constexpr int VOCE_SNAP = 4;
constexpr int VOCE_GRIGLIA = 5;

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

// The general settings and the grid wait for the command in progress, the
// snap step may change during one: the message that refuses the item now, or
// nothing. grigliaSpuntata is the grid item's check mark.
std::optional<std::string> rifiutoAiuto(const DrawingState& s, int voce, bool grigliaSpuntata);

// Switches the snap step (VOCE_SNAP) or the grid (VOCE_GRIGLIA) on or off: a
// snap step of 0 becomes 1 as the snap comes on, the grid shows at once.
// Gives the label that now shows the aid.
EtichettaAiuto impostaAiuto(CommandEngine& e, int voce, bool attiva);

} // namespace tramel
