#include "command_engine.h"

namespace tramel {

namespace {

// The command of a menu's item: the edits by their Edita item, the zooms by their Visualizza item.
const DatiComando* perVoce(Famiglia famiglia, int voce)
{
    for (const DatiComando& d : COMANDI)
        if (d.famiglia == famiglia && d.voce == voce && voce != 0)
            return &d;
    return nullptr;
}

bool disegnoVuoto(const DrawingState& s)
{
    return s.cisonooggetti != 1 && s.cisonotesti != 1;
}

} // namespace

void CommandEngine::avviaComando(Comando c)
{
    const DatiComando& d = dati(c);
    switch (d.famiglia) {
    case Famiglia::Nessuna:
        return;
    case Famiglia::Modifica:
        modifica(d.voce);
        return;
    case Famiglia::Zoom:
        avviaZoom(d.voce);
        return;
    case Famiglia::Disegno:
    case Famiglia::Misura:
    case Famiglia::Stampa:
        break;
    }
    if (!s_.corrente().nome().empty())
        annullacomando(s_.comandi.numcomando);
    s_.corrente().tipo = d.nome;
    // Measuring changes nothing in the drawing.
    if (d.famiglia == Famiglia::Disegno)
        s_.dasalvare = 1;
    scrivilabel1();
}

void CommandEngine::modifica(int voce)
{
    const DatiComando* d = perVoce(Famiglia::Modifica, voce);
    if (disegnoVuoto(s_)) {
        if (d) {
            porte_.notifier.beep();
            porte_.notifier.messaggio("Impossibile eseguire: \"" + std::string(d->nome) + "\" - Disegno Vuoto",
                                      agganci_.titolo, Pulsanti::Ok, Icona::Nessuna);
        }
        return;
    }
    // A suspended command keeps its selection count.
    if (s_.comandi.comasospeso.nome().empty())
        s_.comandi.numselez = 0;
    if (!d)
        return;
    if (!s_.corrente().nome().empty())
        annullacomando(s_.comandi.numcomando);
    s_.corrente().tipo = d->nome;
    s_.dasalvare = 1;
    if (d->comando != Comando::Stira)
        s_.comandi.modoselez = s_.comandi.modoscelto;
    scrivilabel1();
}

void CommandEngine::avviaZoom(int voce)
{
    const DatiComando* d = perVoce(Famiglia::Zoom, voce);
    if (!d)
        return;
    // A zoom chosen while another zoom runs inside a command takes its place.
    if (comandoCorrente().famiglia == Famiglia::Zoom && !s_.comandi.comasospeso.nome().empty())
        annullacomando(s_.comandi.numcomando, Annullo::PerSospendere);
    sospendi();
    if (d->comando == Comando::ZoomTutto && disegnoVuoto(s_)) {
        porte_.notifier.beep();
        porte_.notifier.messaggio("Inutile eseguire: \"" + std::string(d->nome) + "\" - Disegno Vuoto",
                                  agganci_.titolo, Pulsanti::Ok, Icona::Nessuna);
        riprendi();
        return;
    }
    // "Zoom %" asks for its percentage first.
    if (d->comando == Comando::ZoomPercento)
        return;
    Notifier::Occupato occupato(porte_.notifier);
    s_.corrente().tipo = d->nome;
    s_.dasalvare = 1;
    scrivilabel1();
}

void CommandEngine::zoomperc(std::int32_t percento)
{
    s_.zoompercento = percento;
    s_.corrente().tipo = dati(Comando::ZoomPercento).nome;
    s_.dasalvare = 1;
    scrivilabel1();
}

} // namespace tramel
