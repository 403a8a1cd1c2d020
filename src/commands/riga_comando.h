#pragma once
#include "entities/punto.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace tramel {

// What Text2 shows while a selection waits to be confirmed.
inline constexpr std::string_view INVITO_CONFERMA = "<Invio> oppure <Clic Pulsante destro>    - <Esc> Annulla";

// Reads a typed point: x before the first comma, y after it; a text without a
// comma gives its value to both. Each value is the leading number of its text
// ("." decimal point, blanks ignored, 0 when there is no number); a number
// beyond the Double range reads as infinite.
Punto leggiPunto(std::string_view testo);
// A point written back into a box: " 5, 3", "-1.5, .25".
std::string scriviPunto(double x, double y);
// A number in the plain form without its leading blank: "5", "-1.5", ".25".
std::string scriviNumero(double v);

// The frame's command line as the engine writes it: the two prompt labels,
// the boxes Text1 (first point) to Text7 (read-outs), the scale label and the
// snap-filter label. The frame shows it and calls `cambiato` observers.
struct RigaComando {
    struct Casella {
        std::string testo;
        bool abilitata = true;
        int colore = 15; // palette index of the background: 15 white, 7 grey
        int coloreTesto = 0; // palette index of the text
        bool solaLettura = false;
    };

    std::string Label1 = "Comando: ";
    std::string Label2;
    std::string Label3;  // the scale
    std::string Label11; // the snap filter
    std::array<Casella, 8> Text{}; // Text[1] to Text[7]; Text[0] unused
    bool Picture2visibile = true;  // the command-line strip
    // The box that is to get the keyboard focus, 0 none: it takes it with its
    // whole text selected, so that typing replaces what the engine wrote.
    int fuoco = 0;

    std::function<void()> cambiato; // called after the engine has written it

    // The point typed in Text1 and in Text2.
    double fx1() const { return leggiPunto(Text[1].testo).x; }
    double fy1() const { return leggiPunto(Text[1].testo).y; }
    double fx2() const { return leggiPunto(Text[2].testo).x; }
    double fy2() const { return leggiPunto(Text[2].testo).y; }

    // What Enter in box 1 or 2 asks of the drawing window's engine.
    struct Invio {
        enum Azione {
            Prompt,     // no command runs: prompts again, both boxes emptied
            Punto,      // a left click at the typed point
            ClicDestro, // confirms or ends the command
            Beep,       // a number out of range: no click
        } azione;
        tramel::Punto punto; // of a click
    };
    // Decides Enter in box n; in Text1 the typed point is written back first,
    // and a text that is no point (a message, nothing) confirms as in the drawing.
    Invio invio(int n);
    // After the click at a point typed in box n: from Text1 the focus moves on
    // to Text2; a point from Text2 becomes the reference shown in the greyed Text1.
    void dopoPunto(int n);

    // Enables or disables box n; a disabled box is grey.
    void abilita(int n, bool si);

    void notifica() const
    {
        if (cambiato)
            cambiato();
    }
};

} // namespace tramel
