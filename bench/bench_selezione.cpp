// Selection and object snap on a synthetic drawing of 100,000 entities shown
// whole in a 1920x1080 window, through the engine as a click or a mouse move
// calls them: the texts measured by Qt, the highlight drawn by QtDc.
#include "commands/motore_comandi.h"
#include "immagine_finestra.h"
#include "synthetic.h"

#include "platform/fake_ports.h"
#include "view/ridisegna.h"

#include <benchmark/benchmark.h>

#include <thread>

namespace tramel {
namespace {

constexpr int LARGHEZZA = 1920;
constexpr int ALTEZZA = 1080;
constexpr double ESTENSIONE = 1000;
constexpr std::uint32_t SEME = 20240501;

// A window past the drawing's edge, where nothing lies: the searches walk everything.
constexpr double FUORI = 2 * ESTENSIONE;

struct Finestra100000 {
    ValoriModulo modulo;
    DrawingState stato{modulo};
    RigaComando riga;
    ImmagineFinestra immagine{LARGHEZZA, ALTEZZA};
    FakePorte porte;
    CommandEngine motore{stato, riga, immagine, porte.porte()};

    Finestra100000()
    {
        stato.dis = std::move(*disegnoSintetico(14286, SEME, ESTENSIONE));
        Vista& v = stato.vista;
        v.larghezzaMm = LARGHEZZA / v.pixelPerMmX();
        v.altezzaMm = ALTEZZA / v.pixelPerMmY();
        v.scala = rapportoScala(v, -5, -5, ESTENSIONE + 5, ESTENSIONE + 5);
        redraw(stato, immagine); // measures the texts, as the window's first redraw does
    }

    template <class T>
    static void deseleziona(Collezione<T>& c)
    {
        for (int i = 1; i <= c.Count(); ++i)
            c.Item(i).stato = STATO_NORMALE;
    }
    void deselezionaTutto()
    {
        disegno& d = stato.dis;
        deseleziona(d.superfici), deseleziona(d.rettangoli), deseleziona(d.linee), deseleziona(d.polilinee);
        deseleziona(d.testi), deseleziona(d.archi), deseleziona(d.cerchi);
        stato.comandi.numselez = 0;
    }
};

Finestra100000& finestra()
{
    static Finestra100000 f;
    return f;
}

void contatori(benchmark::State& state)
{
    state.counters["raggio"] = raggioMirino(finestra().stato.vista.scala);
    state.counters["core"] = std::thread::hardware_concurrency();
}

// The search a mouse move makes, at the middle of the drawing and off it.
// Arg: the filter (3 end: segments, then arcs; 6 centre: arcs, then circles).
void BM_snap(benchmark::State& state, double x, double y)
{
    Finestra100000& f = finestra();
    f.stato.aiuti.filtrosnap = static_cast<std::int16_t>(state.range(0));
    for (auto _ : state)
        f.motore.selezoggettifiltri(x, y);
    state.counters["trovato"] = f.stato.snap.trovatosnap;
    contatori(state);
}
void BM_snap_sottoCursore(benchmark::State& s) { BM_snap(s, ESTENSIONE / 2, ESTENSIONE / 2); }
void BM_snap_nulla(benchmark::State& s) { BM_snap(s, FUORI, FUORI); }

// A click of "Cancella" by picking, selecting and highlighting what it hits.
void BM_pick(benchmark::State& state, double x, double y)
{
    Finestra100000& f = finestra();
    for (auto _ : state) {
        state.PauseTiming();
        f.deselezionaTutto();
        state.ResumeTiming();
        f.motore.selezionaoggetti(x, y);
    }
    state.counters["presi"] = f.stato.comandi.numselez;
    contatori(state);
}
void BM_pick_sottoCursore(benchmark::State& s) { BM_pick(s, ESTENSIONE / 2, ESTENSIONE / 2); }
void BM_pick_nulla(benchmark::State& s) { BM_pick(s, FUORI, FUORI); }

// A crossing window over a tenth of the drawing's area, about its middle:
// about 10,000 entities selected and drawn highlighted.
void BM_inters_10percento(benchmark::State& state)
{
    Finestra100000& f = finestra();
    const double lato = ESTENSIONE * std::sqrt(0.1);
    const double a = (ESTENSIONE - lato) / 2;
    for (auto _ : state) {
        state.PauseTiming();
        f.deselezionaTutto();
        state.ResumeTiming();
        double x1 = a, y1 = a, x2 = a + lato, y2 = a + lato;
        f.motore.selezinters(x1, y1, x2, y2);
    }
    state.counters["presi"] = f.stato.comandi.numselez;
    contatori(state);
}

BENCHMARK(BM_snap_sottoCursore)->Arg(3)->Arg(6)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_snap_nulla)->Arg(3)->Arg(6)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_pick_sottoCursore)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_pick_nulla)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_inters_10percento)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tramel
