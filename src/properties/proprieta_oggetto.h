#pragma once
#include "passaggio_dialogo.h"

#include <cstdint>

namespace tramel {

// The defaults dialogs of the window's menu: lines, surfaces, texts.
void mnutipolinea_Click(const FinestraDialogo& f, const Dialoghi& dialoghi);
void mnutiposup_Click(const FinestraDialogo& f, const Dialoghi& dialoghi);
void mnutipotesto_Click(const FinestraDialogo& f, const Dialoghi& dialoghi);

// The text dialog at the insertion point of "Testo" (drawing units).
void inserisciTesto(const FinestraDialogo& f, const Dialoghi& dialoghi, double x, double y);

// "Proprietà Oggetto" on the selected entities of kind T: when there are
// some, found becomes 1 and the kind's dialog opens for the first of them in
// collection order, singular for one, plural for several (the values they
// share, "Vari" for the others); afterwards the kind's selection is cleared.
template <class T>
void proprietaOggetto(const FinestraDialogo& f, const Dialoghi& dialoghi, std::int16_t& found);

// Hands the window's engine the dialogs: the text dialog of "Testo", and
// "Proprietà Oggetto" in place of the edit routines, which keep every other edit.
void collegaDialoghi(AgganciMotore& agganci, const FinestraDialogo& f, const Dialoghi& dialoghi);

} // namespace tramel
