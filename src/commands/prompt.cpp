#include "motore_comandi.h"

#include "platform/numbers.h"
#include "platform/palette.h"

namespace tramel {

namespace {

// The prompt of the next vertex of a polyline or a surface.
std::string prossimoVertice(std::int16_t vertici)
{
    return " " + strNumero(static_cast<double>(vertici) + 1) + "° Vertice";
}

} // namespace

void CommandEngine::casella(int n, bool abilitata)
{
    riga_.abilita(n, abilitata);
}

void CommandEngine::scrivilabel1()
{
    casella(1, true);
    riga_.Text[1].solaLettura = false;
    const DatiComando& c = comandoCorrente();
    if (c.immediato) {
        eseguicomando(s_.comandi.numcomando);
    } else {
        primoPrompt(c);
        s_.comandi.passocomando = 0;
    }
    for (int n : {5, 6, 7})
        riga_.Text[n].testo.clear();
    if (riga_.Text[1].abilitata && riga_.Picture2visibile)
        riga_.fuoco = 1;
    riga_.notifica();
}

void CommandEngine::primoPrompt(const DatiComando& c)
{
    switch (c.famiglia) {
    case Famiglia::Nessuna:
        // A name that is no command leaves the prompt as it is.
        if (c.comando == Comando::Nessuno) {
            riga_.Label1 = c.primoPrompt;
            riga_.Label2.clear();
            for (int n : {1, 2}) {
                riga_.Text[n].testo.clear();
                casella(n, false);
            }
        }
        break;
    case Famiglia::Disegno:
    case Famiglia::Misura:
        riga_.Label1 = c.primoPrompt;
        // A new entity of these kinds starts without vertices.
        if (c.comando == Comando::Superficie)
            s_.ogg.oggsuperficie->vertic(0);
        else if (c.comando == Comando::Polilinea)
            s_.ogg.oggpolilinea->vertic(0);
        else if (c.comando == Comando::Rettangolo)
            s_.ogg.oggrettangolo->vertic(0);
        break;
    case Famiglia::Zoom:
        // The apostrophe marks a zoom inside another command.
        if (c.comando == Comando::ZoomArea)
            riga_.Label1 = (s_.comandi.comasospeso.nome().empty() ? "" : "'") + std::string(c.primoPrompt);
        break;
    case Famiglia::Modifica:
        s_.comandi.numselez = 0;
        if (c.comando == Comando::Stira) {
            s_.comandi.modoselez = "Inters";
            riga_.Label1 = c.primoPrompt;
            s_.overlay.Shape1.forma = FormaOverlay::Rettangolo;
        } else {
            promptSelezione(c.nome);
        }
        break;
    case Famiglia::Stampa:
        riga_.Label1 = c.primoPrompt;
        s_.overlay.Shape1.forma = FormaOverlay::Rettangolo;
        break;
    }
}

void CommandEngine::promptSelezione(std::string_view nome)
{
    if (s_.comandi.modoselez == "Ogget") {
        riga_.Label1 = std::string(nome) + " _ Selez. Oggetto: ";
        s_.overlay.Shape2.visibile = true;
        s_.overlay.Shape2.colore = Palette::color(s_.colori.colanteprima.toInt16());
    } else {
        riga_.Label1 = std::string(nome) + " (" + s_.comandi.modoselez.substr(0, 1) + ") _ Primo Punto:";
        s_.overlay.Shape1.forma = FormaOverlay::Rettangolo;
    }
}

void CommandEngine::scrivilabel2()
{
    casella(1, false);
    casella(2, true);
    const DatiComando& c = comandoCorrente();
    if (c.comando == Comando::Superficie)
        riga_.Label2 = prossimoVertice(s_.ogg.oggsuperficie->vertic());
    else if (c.comando == Comando::Polilinea)
        riga_.Label2 = prossimoVertice(s_.ogg.oggpolilinea->vertic());
    else if (c.comando == Comando::Arco)
        riga_.Label2 = s_.comandi.passocomando == 1 ? " Arco_Secondo Punto(P.Finale): " : " Arco_Terzo Punto: ";
    else if (!c.secondoPrompt.empty())
        riga_.Label2 = c.secondoPrompt;
    riga_.notifica();
}

void CommandEngine::scrivitrov()
{
    if (s_.comandi.numselez == 0) {
        porte_.notifier.beep();
        riga_.Text[1].testo = "Nessun Oggetto selezionato";
        riga_.Text[2].testo.clear();
        casella(2, false);
        riga_.Label2.clear();
        riga_.notifica();
        return;
    }
    riga_.Text[1].testo = "<" + std::to_string(s_.comandi.numselez) +
                          (s_.comandi.numselez == 1 ? "> Oggetto Selezionato" : "> Oggetti Selezionati");
    // "Stira" has no question: its prompt stays.
    if (const DatiComando& c = comandoCorrente(); !c.conferma.empty())
        riga_.Label2 = c.conferma;
    casella(2, true);
    riga_.Text[2].testo = INVITO_CONFERMA;
    riga_.notifica();
}

} // namespace tramel
