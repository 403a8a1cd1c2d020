// The window-crossing tests over synthetic drawings, against a window over
// about a tenth of the drawing's area.
#include "geometry/selezinters.h"
#include "synthetic.h"

#include <benchmark/benchmark.h>

namespace tramel {
namespace {

constexpr double ESTENSIONE = 1000;
constexpr double LATO = 316.2; // sqrt(0.1) of the extent
constexpr double X1 = (ESTENSIONE - LATO) / 2;
constexpr double Y1 = X1;
constexpr double X2 = X1 + LATO;
constexpr double Y2 = Y1 + LATO;
constexpr std::uint32_t SEME = 20240501;

const FakeTextMetrics metriche;
const MisuraTesto misura{metriche, 96, 96};
constexpr double SCALA = 1;

// 100,000 entities of every kind, one benchmark per kind.
const disegno& perTipo()
{
    static const auto d = disegnoSintetico(100000, SEME, ESTENSIONE);
    return *d;
}

// 100,002 entities in all, 14,286 of every kind.
const disegno& misto()
{
    static const auto d = disegnoSintetico(14286, SEME, ESTENSIONE);
    return *d;
}

template <class T, class Test>
int conta(const Collezione<T>& c, Test test)
{
    int presi = 0;
    for (int i = 1; i <= c.Count(); ++i)
        presi += test(c.Item(i)) ? 1 : 0;
    return presi;
}

bool tocca(const Linea& e) { return selezinters_lineaintersfin(e, X1, Y1, X2, Y2); }
bool tocca(const Cerchio& e) { return selezinters_cerchiointersfin(e, X1, Y1, X2, Y2); }
bool tocca(const Arco& e) { return selezinters_arcointersfin(e, X1, Y1, X2, Y2); }
bool tocca(const polilinea& e) { return selezinters_polilineaintersfin(e, X1, Y1, X2, Y2); }
bool tocca(const superficie& e) { return selezinters_superficieintersfin(e, X1, Y1, X2, Y2); }
bool tocca(const Rettangolo& e) { return selezinters_rettangolointersfin(e, X1, Y1, X2, Y2); }
bool tocca(const testo& e) { return selezinters_testointersfin(e, misura, SCALA, X1, Y1, X2, Y2); }

template <class T>
void perCollezione(benchmark::State& state, Collezione<T> disegno::*membro)
{
    const Collezione<T>& c = perTipo().*membro;
    int presi = 0;
    for (auto _ : state) {
        presi = conta(c, [](const T& e) { return tocca(e); });
        benchmark::DoNotOptimize(presi);
    }
    state.counters["presi"] = presi;
    state.SetItemsProcessed(state.iterations() * c.Count());
}

void BM_linee(benchmark::State& s) { perCollezione(s, &disegno::linee); }
void BM_polilinee(benchmark::State& s) { perCollezione(s, &disegno::polilinee); }
void BM_rettangoli(benchmark::State& s) { perCollezione(s, &disegno::rettangoli); }
void BM_superfici(benchmark::State& s) { perCollezione(s, &disegno::superfici); }
void BM_cerchi(benchmark::State& s) { perCollezione(s, &disegno::cerchi); }
void BM_archi(benchmark::State& s) { perCollezione(s, &disegno::archi); }
void BM_testi(benchmark::State& s) { perCollezione(s, &disegno::testi); }

void BM_tuttiITipi(benchmark::State& state)
{
    const disegno& d = misto();
    const auto test = [](const auto& e) { return tocca(e); };
    int presi = 0;
    for (auto _ : state) {
        presi = conta(d.superfici, test) + conta(d.rettangoli, test) + conta(d.linee, test) +
                conta(d.polilinee, test) + conta(d.testi, test) + conta(d.archi, test) + conta(d.cerchi, test);
        benchmark::DoNotOptimize(presi);
    }
    state.counters["presi"] = presi;
    state.SetItemsProcessed(state.iterations() * 7 * d.linee.Count());
}

BENCHMARK(BM_linee)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_polilinee)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_rettangoli)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_superfici)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_cerchi)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_archi)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_testi)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_tuttiITipi)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tramel
