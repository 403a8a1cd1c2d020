#pragma once
#include "lettura_dis.h"

#include "commands/motore_comandi.h"
#include "commands/finestra.h"
#include "view/impostdistipo.h"

namespace tramel {

// The settings a drawing file brings (a .DIS or a .TXT header): the colours,
// colevidenzia from the background, the snap and grid steps, then each switch
// in the state the file gives.
template <class D>
void applicaImpostazioni(CommandEngine& e, const D& d)
{
    DrawingState& s = e.stato();
    s.colori.colsfondo = d.colsfondo;
    s.colori.colevidenzia = colevidenziaPer(s.colori.colsfondo);
    s.colori.colanteprima = d.colanteprima;
    s.aiuti.passosnap = d.passosnap;
    s.aiuti.passogriglia = d.passogriglia;
    impostaAiuto(e, VOCE_SNAP, d.snapattivo == AIUTO_ON);
    impostaAiuto(e, VOCE_GRIGLIA, d.grigliaattiva == AIUTO_ON);
}

// Puts a drawing read from its file into a window whose size already follows
// the stored window state: the stored view fitted to the client area (a view
// of no size keeps the window's own), the colours, the snap and grid steps
// and switches, the entities; then the log moves on to a new command.
void applicaDisegno(CommandEngine& e, DisegnoLetto& d);

} // namespace tramel
