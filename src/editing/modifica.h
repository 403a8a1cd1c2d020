#pragma once
#include "commands/motore_comandi.h"
#include "view/stato_disegno.h"

#include <cstdint>

namespace tramel {

// The edit commands on the selected entities of one kind: each routine applies
// the command of record ii of the log ("Cancella", "Sposta", "Copia", "Stira",
// "Ruota", "Specchio", "Proprietà Oggetto") to every entity of its kind with
// stato -1, deselecting it, and sets trovato to 1 when it met one; it never
// sets trovato back to 0. They draw nothing: the caller redraws once.
// "Proprietà Oggetto" only deselects here: a window with the property
// dialogs hands it to them instead (properties/proprieta_oggetto.h).
void eseguiComandoModifica_su_Superfici(DrawingState& s, int& ii, std::int16_t& trovato);
void eseguiComandoModifica_su_Linee(DrawingState& s, int& ii, std::int16_t& trovato);
void eseguiComandoModifica_su_Rettangoli(DrawingState& s, int& ii, std::int16_t& trovato);
void eseguiComandoModifica_su_Testi(DrawingState& s, int& ii, std::int16_t& trovato);
void eseguiComandoModifica_su_Cerchi(DrawingState& s, int& ii, std::int16_t& trovato);
void eseguiComandoModifica_su_Archi(DrawingState& s, int& ii, std::int16_t& trovato);
void eseguiComandoModifica_su_Polilinee(DrawingState& s, int& ii, std::int16_t& trovato);

// The seven in the order surfaces, lines, rectangles, texts, circles, arcs,
// polylines, sharing trovato.
void eseguiComandiModifica(DrawingState& s, int& ii, std::int16_t& trovato);

// Whether the edit of record ii leaves every selected entity finite, its
// points and measures fitting the fields that keep them.
bool modificaFinita(const DrawingState& s, int ii);

// Hands the seven routines, over the window's state s, to its engine.
void collegaModifica(AgganciMotore::Modifica& modifica, DrawingState& s);

} // namespace tramel
