#include "motore_comandi.h"

#include <utility>

namespace tramel {

namespace {

bool spostamento(Comando c)
{
    return c == Comando::Sposta || c == Comando::Copia || c == Comando::Ruota || c == Comando::Specchio;
}

} // namespace

void CommandEngine::clickdes(float, float)
{
    const DatiComando& c = comandoCorrente();
    const int passo = s_.comandi.passocomando;
    // A view command running inside another: the right click drops it and resumes the other, as Esc does.
    if (const std::string sospeso = s_.comandi.comasospeso.nome();
        c.comando != Comando::Nessuno && !sospeso.empty() && sospeso != s_.corrente().nome()) {
        lasciaVista();
        return;
    }
    switch (c.comando) {
    case Comando::Nessuno:
        // Repeats the command that ended last.
        if (s_.comandi.comandoattivo.empty()) {
            porte_.notifier.beep();
            return;
        }
        s_.corrente().tipo = std::exchange(s_.comandi.comandoattivo, std::string());
        scrivilabel1();
        return;
    case Comando::Superficie:
    case Comando::Polilinea:
        eseguicomando(s_.comandi.numcomando);
        s_.comandi.numselez = 0;
        scrivilabel1();
        return;
    case Comando::Cancella:
    case Comando::ProprietaOggetto:
        if (passo == PASSO_BASE)
            break;
        eseguicomando(s_.comandi.numcomando);
        s_.comandi.numselez = 0;
        scrivilabel1();
        return;
    case Comando::Selstamp:
        annullacomando(s_.comandi.numcomando);
        return;
    default:
        break;
    }
    const bool conferma = (spostamento(c.comando) && (passo == PASSO_PRIMO ||
                                                      (s_.comandi.modoselez == "Ogget" && passo != PASSO_BASE))) ||
                          (c.comando == Comando::Stira && passo == PASSO_PRIMO);
    if (conferma) {
        confermaSelezione(c);
        return;
    }
    // Ends a line chain, drops a command before its last point or a selection window half drawn.
    annullacomando(s_.comandi.numcomando);
    scrivilabel1();
}

void CommandEngine::confermaSelezione(const DatiComando& c)
{
    if (s_.comandi.numselez == 0) {
        annullacomando(s_.comandi.numcomando);
        scrivilabel1();
        return;
    }
    // The selected entities stay selected; the count starts again for the next edit.
    s_.comandi.numselez = 0;
    s_.comandi.passocomando = PASSO_BASE;
    riga_.Label2 = c.comando == Comando::Specchio ? "Primo Punto - Asse:" : "Punto Base:";
    riga_.Text[2].testo.clear();
    riga_.Label1 = "<" + std::string(c.nome) + ">";
    riga_.Text[1].testo.clear();
    s_.overlay.Shape2.visibile = false;
    s_.overlay.Shape1.visibile = false;
    riga_.notifica();
}

void CommandEngine::gestastiera(int key)
{
    if (key == TASTO_INVIO) {
        clickdes(0, 0);
        return;
    }
    const DatiComando& c = comandoCorrente();
    if (key != TASTO_ESC || c.comando == Comando::Nessuno)
        return;
    const std::string sospeso = s_.comandi.comasospeso.nome();
    if (!sospeso.empty() && sospeso != s_.corrente().nome()) {
        lasciaVista();
        return;
    }
    // Esc throws a half-built surface away; everything else ends as at the last step.
    if (c.comando == Comando::Superficie) {
        annullacomando(s_.comandi.numcomando);
        redraw();
        return;
    }
    s_.comandi.passocomando = PASSO_BASE;
    clickdes(0, 0);
}

} // namespace tramel
