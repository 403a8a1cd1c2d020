// Writing and reading a drawing file of a million lines (about 240 MB, in
// /tmp), in entities per second, and the peak memory of the process while
// it reads that file and holds the drawing, then while a window shows it.
#include "immagine_finestra.h"
#include "synthetic.h"

#include "files/lettura_dis.h"
#include "files/scrittura_dis.h"
#include "view/ridisegna.h"

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
}
BENCHMARK(BM_LeggiLinee)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The file opened into a window's state, the whole drawing shown in a
// 1920x1080 picture: read, culling index built and one redraw. The memory
// while the window holds it, and the peak from the start of the reading.
void BM_ApriLineeInFinestra(benchmark::State& state)
{
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
    for (auto _ : state) {
        auto s = std::make_unique<DrawingState>(modulo);
        EsitoLettura esito = leggifile(FILE_PROVA);
        auto* d = std::get_if<DisegnoLetto>(&esito);
        if (!d) {
            state.SkipWithError("read failed");
            break;
        }
        s->dis = std::move(d->dis);
        esito = {};
        ImmagineFinestra immagine(1920, 1080);
        Vista& v = s->vista;
        v.dpiX = v.dpiY = 96;
        v.larghezzaMm = 1920 / v.pixelPerMmX();
        v.altezzaMm = 1080 / v.pixelPerMmY();
        v.scala = rapportoScala(v, -5, -5, 1005, 1005);
        v.origineX = singolo(-5 * v.scala);
        v.origineY = singolo(-5 * v.scala);
        redraw(*s, immagine);
        state.PauseTiming();
        state.counters["RSS_MB"] = statusMb("VmRSS");
        s.reset();
        malloc_trim(0);
        state.ResumeTiming();
    }
    contatori(state);
    state.counters["picco_MB"] = statusMb("VmHWM");
    std::filesystem::remove(FILE_PROVA);
}
BENCHMARK(BM_ApriLineeInFinestra)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace
} // namespace tramel
