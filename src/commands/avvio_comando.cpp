#include "motore_comandi.h"
#include "finestra.h"

#include "platform/numbers.h"

#include <algorithm>
#include <array>

namespace tramel {

namespace {

bool disegnoVuoto(const DrawingState& s)
{
    return !disegnoPieno(s);
}

// The selection modes of the Imposta Selezione items 1 to 3.
constexpr std::array<std::string_view, 3> MODI_SELEZIONE = {"Ogget", "Fines", "Inters"};

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

void CommandEngine::impo(int voce)
{
    if (voce < 1 || voce > static_cast<int>(MODI_SELEZIONE.size()))
        return;
    s_.comandi.modoscelto = MODI_SELEZIONE[static_cast<std::size_t>(voce - 1)];
    s_.comandi.modoselez = s_.comandi.modoscelto;
    if (s_.corrente().nome().empty())
        return;
    // The command in progress selects again from its first prompt, with nothing picked.
    lasciaSelezione(comando(s_.corrente().nome()));
    nascondiForme();
    scrivilabel1();
    riga_.Label2.clear();
    riga_.Text[1].testo.clear();
    riga_.Text[2].testo.clear();
    riga_.notifica();
}

void CommandEngine::finestraStampa()
{
    // The print window takes the current record: a command in progress ends first.
    if (!s_.corrente().nome().empty())
        annullacomando(s_.comandi.numcomando);
    inizializ_stampare();
    const Vista& v = s_.vista;
    const float xa = singolo(v.origineX / v.scala);
    const float ya = singolo(v.origineY / v.scala);
    const float xb = singolo(v.larghezzaMm / v.scala + xa);
    const float yb = singolo(v.altezzaMm / v.scala + ya);
    recordcoma& r = s_.corrente();
    r.tipo = dati(Comando::Selstamp).nome;
    r.x1 = xa;
    r.y1 = ya;
    r.x2 = xb;
    r.y2 = yb;
    double x1 = xa, y1 = ya, x2 = xb, y2 = yb;
    selezinters(x1, y1, x2, y2);
    if (agganci_.stampa.origine)
        agganci_.stampa.origine(strNumero(std::min(xa, xb)), strNumero(std::min(ya, yb)));
    s_.corrente().tipo.clear();
}

void CommandEngine::inizializ_stampare()
{
    // Every entity, erased ones too.
    const auto azzera = [](auto& c) {
        for (int i = 1; i <= c.Count(); ++i)
            c.Item(i).stampare = 0;
    };
    disegno& d = s_.dis;
    azzera(d.cerchi);
    azzera(d.linee);
    azzera(d.archi);
    azzera(d.polilinee);
    azzera(d.rettangoli);
    azzera(d.superfici);
    azzera(d.testi);
}

} // namespace tramel
