#include "motore_comandi.h"

#include "platform/numbers.h"
#include "platform/palette.h"
#include "view/comando.h"

#include <cmath>

namespace tramel {

namespace {

// A number that overflowed is no coordinate.
bool finito(const Punto& p)
{
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// Whether the text starts with a number, blanks aside, as valNumero reads it.
bool iniziaConNumero(std::string_view testo)
{
    std::string t;
    for (const char c : testo)
        if (c != ' ' && c != '\t')
            t += c;
    std::size_t i = !t.empty() && (t[0] == '+' || t[0] == '-') ? 1 : 0;
    if (i < t.size() && t[i] == '.')
        ++i;
    return i < t.size() && t[i] >= '0' && t[i] <= '9';
}

// A typed point: a number, or two parted by a comma.
bool ePunto(std::string_view testo)
{
    const std::size_t virgola = testo.find(',');
    if (virgola == std::string_view::npos)
        return iniziaConNumero(testo);
    return iniziaConNumero(testo.substr(0, virgola)) && iniziaConNumero(testo.substr(virgola + 1));
}

} // namespace

Punto leggiPunto(std::string_view testo)
{
    const std::size_t virgola = testo.find(',');
    if (virgola == std::string_view::npos) {
        const double v = valNumero(testo);
        return {v, v};
    }
    return {valNumero(testo.substr(0, virgola)), valNumero(testo.substr(virgola + 1))};
}

std::string scriviPunto(double x, double y)
{
    return strNumero(x) + "," + strNumero(y);
}

std::string scriviNumero(double v)
{
    std::string t = strNumero(v);
    return t.substr(t.find_first_not_of(' '));
}

void RigaComando::abilita(int n, bool si)
{
    Text[n].abilitata = si;
    Text[n].colore = si ? BIANCO : GRIGIO_CHIARO;
}

RigaComando::Invio RigaComando::invio(int n)
{
    if (n == 1) {
        if (Label1 == dati(Comando::Nessuno).primoPrompt)
            return {Invio::Prompt, {}};
        // A message or an empty box is no point: Enter does what it does in the drawing.
        if (!ePunto(Text[1].testo))
            return {Invio::ClicDestro, {}};
        const Punto p{fx1(), fy1()};
        if (!finito(p))
            return {Invio::Beep, p};
        Text[1].testo = scriviPunto(p.x, p.y);
        return {Invio::Punto, p};
    }
    // An empty box, the point already given, the question of "Cancella" and the
    // invitation to confirm a selection (which reads as no number) confirm instead.
    const std::string& t = Text[2].testo;
    if (t.empty() || t == Text[1].testo || Label2 == dati(Comando::Cancella).conferma || t == INVITO_CONFERMA)
        return {Invio::ClicDestro, {}};
    const Punto p{fx2(), fy2()};
    return {finito(p) ? Invio::Punto : Invio::Beep, p};
}

void RigaComando::dopoPunto(int n)
{
    if (n == 1) {
        if (Text[2].abilitata && Picture2visibile)
            fuoco = 2;
        return;
    }
    // A single value (a radius) is no point, and a report written at completion
    // stays: the boxes stay as they are.
    if (Text[2].testo.find(',') == std::string::npos || Text[1].solaLettura)
        return;
    const Punto p = leggiPunto(Text[2].testo);
    Text[1].testo = scriviPunto(p.x, p.y);
    abilita(1, false);
    Text[2].testo.clear();
}

void CommandEngine::tastoRiga(int n, int tasto)
{
    if (tasto == TASTO_ESC) {
        gestastiera(TASTO_ESC);
        return;
    }
    if (tasto != TASTO_INVIO)
        return;
    // A refused point changes nothing, the boxes included.
    const auto caselle = riga_.Text;
    const RigaComando::Invio i = riga_.invio(n);
    switch (i.azione) {
    case RigaComando::Invio::Prompt:
        scrivilabel1();
        scrivilabel2();
        riga_.Text[1].testo.clear();
        riga_.Text[2].testo.clear();
        break;
    case RigaComando::Invio::Punto:
        if (puntoDigitato(i.punto.x, i.punto.y))
            riga_.dopoPunto(n);
        else
            riga_.Text = caselle;
        break;
    case RigaComando::Invio::ClicDestro:
        // The right click's point is not used.
        clickdes(0, 0);
        break;
    case RigaComando::Invio::Beep:
        porte_.notifier.beep();
        break;
    }
    riga_.notifica();
}

} // namespace tramel
