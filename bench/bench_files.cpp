// Writing and reading a drawing file of a million lines (about 240 MB, in
// /tmp), in entities per second, and the peak memory of the process while
// it reads that file and holds the drawing.
#include "synthetic.h"

#include "files/lettura_dis.h"
#include "files/scrittura_dis.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <string>
#include <thread>

namespace tramel {
namespace {

constexpr int LINEE = 1'000'000;
// TRAMEL_BENCH_FILE puts the file elsewhere, e.g. on a RAM disk to leave the disk's flush out.
const std::filesystem::path FILE_PROVA = std::getenv("TRAMEL_BENCH_FILE") ? std::getenv("TRAMEL_BENCH_FILE")
                                                                        : "/tmp/tramel_bench_linee.dis";

ValoriModulo modulo;

// A million lines of synthetic drawings, taken a thousand at a time.
std::unique_ptr<DrawingState> finestraDiLinee()
{
    auto s = std::make_unique<DrawingState>(modulo);
    s->finlarg = 1000;
    s->finalt = 1000;
    for (std::uint32_t seme = 1; s->dis.linee.Count() < LINEE; ++seme) {
        const auto d = disegnoSintetico(1000, seme);
        for (int i = 1; i <= d->linee.Count(); ++i)
            s->dis.linee.Add(std::make_unique<Linea>(d->linee.Item(i)));
    }
    return s;
}

// A value of /proc/self/status, in MB.
double statusMb(const std::string& chiave)
{
    std::ifstream in("/proc/self/status");
    for (std::string riga; std::getline(in, riga);)
        if (riga.rfind(chiave + ":", 0) == 0)
            return std::stod(riga.substr(chiave.size() + 1)) / 1024;
    return -1;
}

void contatori(benchmark::State& state)
{
    state.counters["entita/s"] = benchmark::Counter(LINEE, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["core"] = std::thread::hardware_concurrency();
}

void BM_SalvaLinee(benchmark::State& state)
{
    const auto s = finestraDiLinee();
    for (auto _ : state)
        if (!salvafile(*s, FILE_PROVA, 0))
            state.SkipWithError("write failed");
    contatori(state);
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(FILE_PROVA)) / 1e6;
}
BENCHMARK(BM_SalvaLinee)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_LeggiLinee(benchmark::State& state)
{
    // The peak counts from here: what the writer's drawing held is given back first.
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
    for (auto _ : state) {
        const EsitoLettura esito = leggifile(FILE_PROVA);
        const auto* d = std::get_if<DisegnoLetto>(&esito);
        if (!d || d->dis.linee.Count() != LINEE)
            state.SkipWithError("read failed");
        state.PauseTiming();
        state.counters["RSS_MB"] = statusMb("VmRSS"); // with the drawing held open
        state.ResumeTiming();
    }
    contatori(state);
    state.counters["picco_MB"] = statusMb("VmHWM");
    std::filesystem::remove(FILE_PROVA);
}
BENCHMARK(BM_LeggiLinee)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace
} // namespace tramel
