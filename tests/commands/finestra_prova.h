#pragma once
// One drawing window's engine over a recording surface and scripted ports.
#include "commands/command_engine.h"
#include "platform/fake_ports.h"
#include "platform/recording_dc.h"

#include <string>
#include <vector>

namespace tramel {

class SuperficieProva : public SuperficieDisegno {
public:
    RecordingDc registro;
    FakeTextMetrics misure;
    std::vector<Rgb> pulizie; // the colour of every clear

    Dc& dc() override { return registro; }
    const TextMetrics& metrics() const override { return misure; }
    void cls(Rgb colore) override { pulizie.push_back(colore); }
    void aggiorna() override {}
};

struct FinestraProva {
    ValoriModulo modulo;
    DrawingState stato{modulo};
    RigaComando riga;
    SuperficieProva superficie;
    FakePorte porte;
    CommandEngine motore{stato, riga, superficie, porte.porte()};

    FinestraProva(double larghezzaMm = 150, double altezzaMm = 110)
    {
        stato.vista.larghezzaMm = larghezzaMm;
        stato.vista.altezzaMm = altezzaMm;
    }

    // Starts a command as the menus do: its name into the current record, then the first prompt.
    void avvia(const std::string& nome)
    {
        stato.corrente().tipo = nome;
        motore.scrivilabel1();
    }
    const RigaComando::Casella& box(int n) const { return riga.Text[n]; }
};

} // namespace tramel
