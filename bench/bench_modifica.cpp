// The edit commands on 100,000 selected entities of every kind (14,286 each):
// moving them, copying them, and turning them; the redraw that follows is not counted.
#include "synthetic.h"
#include "editing/modifica.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <thread>

namespace tramel {
namespace {

constexpr int PER_TIPO = 14286;
constexpr std::uint32_t SEME = 20240501;

ValoriModulo modulo;

std::unique_ptr<DrawingState> finestra()
{
    auto s = std::make_unique<DrawingState>(modulo);
    s->dis = std::move(*disegnoSintetico(PER_TIPO, SEME));
    return s;
}

void selezionaTutto(DrawingState& s)
{
    perOgniVivo<superficie, Linea, Rettangolo, testo, Cerchio, Arco, polilinea>(
        s.dis, [](auto& e) { e.stato = STATO_SELEZIONATO; });
}

void esegui(DrawingState& s, const std::string& nome, double x2, double y2)
{
    recordcoma& r = s.corrente();
    r.tipo = nome;
    r.x1 = 10, r.y1 = 20, r.x2 = x2, r.y2 = y2;
    std::int16_t trovato = 0;
    eseguiComandiModifica(s, s.comandi.numcomando, trovato);
    if (trovato != 1)
        std::abort();
}

// Each run on the same drawing, selected again before it.
void sulPosto(benchmark::State& state, const std::string& nome, double x2, double y2)
{
    const auto s = finestra();
    for (auto _ : state) {
        state.PauseTiming();
        selezionaTutto(*s);
        state.ResumeTiming();
        esegui(*s, nome, x2, y2);
    }
    state.counters["core"] = std::thread::hardware_concurrency();
}

void BM_sposta_100000(benchmark::State& state) { sulPosto(state, "Sposta", 15, 27); }
void BM_ruota_100000(benchmark::State& state) { sulPosto(state, "Ruota", 30, 0); }

// Each copy on a fresh drawing, so that it appends 100,000 entities to 100,000.
void BM_copia_100000(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        const auto s = finestra();
        selezionaTutto(*s);
        state.ResumeTiming();
        esegui(*s, "Copia", 15, 27);
        state.PauseTiming();
        s->dis = disegno(); // the freeing is no part of the copy
        state.ResumeTiming();
    }
    state.counters["core"] = std::thread::hardware_concurrency();
}

BENCHMARK(BM_sposta_100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ruota_100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_copia_100000)->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tramel

BENCHMARK_MAIN();
