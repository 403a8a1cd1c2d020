#pragma once
// One drawing window's engine over a recording surface and scripted ports,
// driven as a user drives it: commands started as the menus start them,
// clicks in drawing units, points typed on the command line, Enter and Esc.
#include "commands/motore_comandi.h"
#include "editing/modifica.h"
#include "platform/fake_ports.h"
#include "platform/recording_dc.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace tramel {

// A window picture that records what is asked of it: the device calls, the
// clears and the requests to show it; with the persistent drawing off, the
// calls and clears of the transient layer apart.
class SuperficieProva : public SuperficieDisegno {
public:
    RecordingDc registro;
    RecordingDc transitorio;
    FakeTextMetrics misure;
    std::vector<Rgb> pulizie; // the colour of every clear
    int pulizieTransitorie = 0;
    bool persistenza = true;
    int aggiornamenti = 0;

    Dc& dc() override { return persistenza ? registro : transitorio; }
    const TextMetrics& metrics() const override { return misure; }
    void cls(Rgb colore) override
    {
        if (persistenza)
            pulizie.push_back(colore);
        else {
            transitorio.clear();
            ++pulizieTransitorie;
        }
    }
    void persistente(bool si) override
    {
        persistenza = si;
        transitorio.clear();
    }
    void aggiorna() override { ++aggiornamenti; }

    const std::vector<std::string>& chiamate() const { return registro.calls; }
    std::vector<std::string> solo(std::initializer_list<std::string_view> nomi) const { return registro.only(nomi); }
    void dimentica() { registro.clear(); }
    const std::vector<std::string>& disegni() const { return registro.disegni(); }
};

// A window of 150 x 110 mm at 254 dpi (10 pixels a millimetre) showing the
// drawing from (x1, y1) at scale `scala`, with the grid off so that only
// entities reach the device.
struct VistaProva {
    double scala = 3, x1 = 0, y1 = 0;
};

enum class Tasto { Invio = CommandEngine::TASTO_INVIO, Esc = CommandEngine::TASTO_ESC };

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
        collegaModifica(motore.agganci().modifica, stato);
    }
    explicit FinestraProva(VistaProva v)
    {
        Vista& vista = stato.vista;
        vista.dpiX = 254;
        vista.dpiY = 254;
        vista.larghezzaMm = 150;
        vista.altezzaMm = 110;
        vista.scala = v.scala;
        vista.origineX = static_cast<float>(v.x1 * v.scala);
        vista.origineY = static_cast<float>(v.y1 * v.scala);
        stato.aiuti.grigliaattiva = AIUTO_OFF;
        collegaModifica(motore.agganci().modifica, stato);
    }

    // Writes a name into the current record and shows its first prompt (the
    // prompt routines' own view of a command start).
    void avvia(const std::string& nome)
    {
        stato.corrente().tipo = nome;
        motore.scrivilabel1();
    }

    // Starts a command as its menu item does.
    void start(const std::string& nome) { motore.avviaComando(comando(nome)); }
    // A left click at a drawing point, as the window's mouse handler hands it over.
    void click(double x, double y)
    {
        float X = static_cast<float>(x * stato.vista.scala);
        float Y = static_cast<float>(y * stato.vista.scala);
        motore.clicksin(X, Y);
    }
    // A mouse move to a drawing point; gives the point the engine made of it
    // (snapped, orthogonal), in drawing units.
    Punto move(double x, double y)
    {
        float X = static_cast<float>(x * stato.vista.scala);
        float Y = static_cast<float>(y * stato.vista.scala);
        motore.mousesposta(X, Y);
        return {X / stato.vista.scala, Y / stato.vista.scala};
    }
    // Types into the box that takes input and presses Enter there.
    void type(const std::string& testo)
    {
        const int n = riga.Text[2].abilitata ? 2 : 1;
        riga.Text[n].testo = testo;
        motore.tastoRiga(n, static_cast<int>(Tasto::Invio));
    }
    void key(Tasto t) { motore.gestastiera(static_cast<int>(t)); }
    void rightClick() { motore.clickdes(0, 0); }

    // A line drawn as a user draws it.
    void linea(double x1, double y1, double x2, double y2)
    {
        start("Linea");
        click(x1, y1);
        click(x2, y2);
        key(Tasto::Esc);
    }

    const RigaComando::Casella& box(int n) const { return riga.Text[n]; }
    int beeps() const { return porte.notifier.beeps; }
    std::vector<std::string> messaggi() const
    {
        std::vector<std::string> m;
        for (const auto& x : porte.notifier.messaggi)
            m.push_back(x.testo);
        return m;
    }
};

inline std::string colore(Rgb c)
{
    return RecordingDc::colorText(c);
}

// Whether call a comes before call b in the record (both present).
inline bool prima(const std::vector<std::string>& calls, const std::string& a, const std::string& b)
{
    const auto ia = std::find(calls.begin(), calls.end(), a);
    const auto ib = std::find(calls.begin(), calls.end(), b);
    return ia != calls.end() && ib != calls.end() && ia < ib;
}

} // namespace tramel
