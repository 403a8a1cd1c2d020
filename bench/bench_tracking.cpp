// Mouse moves over a synthetic drawing of 100,000 entities shown whole in a
// 1920x1080 drawing window's picture (the real widget, offscreen): the line's
// rubber band with the snap step and an object-snap search on every move,
// and the ghosts of 1,000 selected entities under a move command.
#include "commands/motore_comandi.h"
#include "shell/tavola.h"
#include "synthetic.h"

#include "platform/fake_ports.h"
#include "view/ridisegna.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <thread>

namespace tramel {
namespace {

constexpr int LARGHEZZA = 1920;
constexpr int ALTEZZA = 1080;
constexpr double ESTENSIONE = 1000;
constexpr std::uint32_t SEME = 20240501;

struct Finestra {
    ValoriModulo modulo;
    DrawingState stato{modulo};
    RigaComando riga;
    Tavola tavola{stato};
    FakePorte porte;
    CommandEngine motore{stato, riga, tavola, porte.porte()};

    Finestra()
    {
        tavola.resize(LARGHEZZA, ALTEZZA);
        tavola.show();
        stato.dis = std::move(*disegnoSintetico(14286, SEME, ESTENSIONE));
        stato.cisonooggetti = stato.cisonotesti = 1;
        Vista& v = stato.vista;
        v.scala = rapportoScala(v, -5, -5, ESTENSIONE + 5, ESTENSIONE + 5);
        redraw(stato, tavola);
    }
    void click(double x, double y)
    {
        float X = static_cast<float>(x * stato.vista.scala), Y = static_cast<float>(y * stato.vista.scala);
        motore.clicksin(X, Y);
    }
    // A move to the drawing point of step i of a small circle round (x, y).
    void muovi(int i, double x, double y)
    {
        float X = static_cast<float>((x + (i % 7)) * stato.vista.scala);
        float Y = static_cast<float>((y + (i % 5)) * stato.vista.scala);
        motore.mousesposta(X, Y);
    }
    // The widget paints itself, as the event loop has it do after a move.
    void dipingi() { tavola.render(&schermo); }

    QImage schermo{LARGHEZZA, ALTEZZA, QImage::Format_RGB32};
};

void contatori(benchmark::State& state)
{
    state.counters["core"] = std::thread::hardware_concurrency();
}

// One move with the line's rubber band, the snap step on and the filter
// "Fine": the clock runs a second a move, so every move searches.
// Arg 1: the widget then paints (the picture, the overlay); 2: the moves
// are off the drawing, where a search finds nothing after walking it all.
void BM_mossa_linea(benchmark::State& state)
{
    Finestra f;
    f.stato.aiuti.snapattivo = AIUTO_ON;
    f.stato.aiuti.passosnap = 0.5;
    f.stato.aiuti.filtrosnap = 3;
    f.motore.avviaComando(Comando::Linea);
    f.click(500, 500);
    int i = 0;
    const double fuori = state.range(0) == 2 ? 2 * ESTENSIONE : 0;
    for (auto _ : state) {
        f.porte.clock.adesso += 1;
        f.muovi(i++, 480 + fuori, 520);
        if (state.range(0) == 1)
            f.dipingi();
    }
    state.counters["trovati"] = f.stato.snap.trovatosnap;
    contatori(state);
}

// One move of "Sposta" with about 1,000 entities selected by a crossing
// window: the transient layer cleared and every ghost drawn. Arg 1: the
// widget then paints (the picture, the ghosts, the overlay).
void BM_fantasmi(benchmark::State& state)
{
    Finestra f;
    f.stato.comandi.modoscelto = "Inters";
    f.motore.avviaComando(Comando::Sposta);
    f.click(400, 400);
    f.click(500, 500);
    f.motore.clickdes(0, 0);
    f.click(450, 450);
    int i = 0;
    for (auto _ : state) {
        f.muovi(i++, 470, 430);
        if (state.range(0))
            f.dipingi();
    }
    int selezionati = 0;
    perOgniVivo<superficie, Rettangolo, Cerchio, Arco, Linea, polilinea, testo>(f.stato.dis, [&](const auto& e) {
        selezionati += e.stato == STATO_SELEZIONATO;
    });
    state.counters["selezionati"] = selezionati;
    state.counters["passo"] = f.stato.comandi.passocomando;
    contatori(state);
}

BENCHMARK(BM_mossa_linea)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_fantasmi)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tramel

// The picture is a widget: the benchmark runs in an offscreen application.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
