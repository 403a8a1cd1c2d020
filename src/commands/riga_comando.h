#pragma once
#include <array>
#include <functional>
#include <string>

namespace tramel {

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
    int fuoco = 0;                 // the box that last got the keyboard focus, 0 none

    std::function<void()> cambiato; // called after the engine has written it
    void notifica() const
    {
        if (cambiato)
            cambiato();
    }
};

} // namespace tramel
