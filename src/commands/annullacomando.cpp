#include "motore_comandi.h"

namespace tramel {

namespace {

// The stretch marks of each kind (circles and texts have none).
void pulisciSegni(ListaVertici& e, int quanti)
{
    for (int i = 1; i <= quanti; ++i)
        e.ins_vertselez(0, i);
}
void pulisciSegni(superficie& e) { pulisciSegni(e, e.vertic()); }
void pulisciSegni(polilinea& e) { pulisciSegni(e, e.vertic()); }
void pulisciSegni(Rettangolo& e) { pulisciSegni(e, 4); }
void pulisciSegni(Linea& e) { e.vert1_selez = e.vert2_selez = 0; }
void pulisciSegni(Arco& e) { e.vert1_selez = e.vert2_selez = 0; }
void pulisciSegni(Cerchio&) {}
void pulisciSegni(testo&) {}

} // namespace

// Takes the selection off every entity, and its stretch marks when asked;
// true when some entity was selected.
bool CommandEngine::deselezionaTutto(bool segniStira)
{
    selezionati_.clear();
    bool cambiato = false;
    perOgniVivo<superficie, Rettangolo, Cerchio, Arco, Linea, polilinea, testo>(s_.dis, [&](auto& e) {
        if (e.stato != STATO_SELEZIONATO)
            return;
        e.stato = STATO_NORMALE;
        if (segniStira)
            pulisciSegni(e);
        cambiato = true;
    });
    return cambiato;
}

// Drops what command c has picked so far: the count, the selection with its
// highlight, and the stretch marks (only the stretch sets them).
void CommandEngine::lasciaSelezione(Comando c)
{
    const bool stira = c == Comando::Stira || comando(s_.comandi.comasospeso.nome()) == Comando::Stira ||
                       comando(s_.comandi.comasospeso2.nome()) == Comando::Stira;
    s_.comandi.numselez = 0;
    if (deselezionaTutto(stira))
        redraw();
}

void CommandEngine::annullacomando(int k, Annullo modo)
{
    if (k == -1)
        k = s_.comandi.numcomando;
    disegnoPersistente(true);
    const auto indice = static_cast<std::size_t>(k);
    const std::string nome = s_.comandi.coma.at(indice).nome();
    const Comando c = comando(nome);
    // A cancel that is part of a suspension keeps the selection for the resume.
    if (modo == Annullo::Reale) {
        lasciaSelezione(c);
        s_.comandi.passocomando = 0;
        scartaSospeso();
        // After the stretch the user's own selection mode is back.
        if (c == Comando::Stira)
            s_.comandi.modoselez = s_.comandi.modoscelto;
        // A cancelled print-window selection is not repeated by the right click.
        if (c != Comando::Selstamp)
            s_.comandi.comandoattivo = nome;
    }
    recordcoma& r = s_.comandi.coma.at(indice);
    r.tipo.clear();
    r.x1 = r.y1 = r.x2 = r.y2 = 0;
    s_.overlay.Line3.visibile = false;
    nascondiForme();
    scrivilabel1();
    // Undoes the colour and the read-only state of the distance report.
    riga_.Text[1].coloreTesto = 0;
    riga_.Text[1].solaLettura = false;
    riga_.notifica();
    // The print dialog, hidden while its window was picked, shows again with its preview.
    if (c == Comando::Selstamp && modo == Annullo::Reale) {
        if (agganci_.stampa.ripristina)
            agganci_.stampa.ripristina();
        if (agganci_.stampa.anteprima)
            agganci_.stampa.anteprima();
    }
}

// A command suspended under the one cancelled goes with it, and so does the
// entity it was building.
void CommandEngine::scartaSospeso()
{
    s_.comandi.comasospeso = recordcoma{};
    s_.comandi.comasospeso2 = recordcoma{};
    s_.ogg2 = OggettiCorrenti{};
}

} // namespace tramel
