// A million lines written as a DXF file (in /tmp, or TRAMEL_BENCH_DIR), in
// entities per second.
#include "synthetic.h"

#include "files/esporta_dxf.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <thread>

namespace tramel {
namespace {

constexpr int LINEE = 1'000'000;
const std::filesystem::path CARTELLA = std::getenv("TRAMEL_BENCH_DIR") ? std::getenv("TRAMEL_BENCH_DIR") : "/tmp";

void BM_DxfLinee(benchmark::State& state)
{
    disegno dis;
    for (std::uint32_t seme = 1; dis.linee.Count() < LINEE; ++seme) {
        const auto d = disegnoSintetico(1000, seme);
        for (int i = 1; i <= d->linee.Count(); ++i)
            dis.linee.Add(std::make_unique<Linea>(d->linee.Item(i)));
    }
    const auto file = CARTELLA / "tramel_bench_linee.dxf";
    for (auto _ : state)
        if (!scriviDxf(dis, 1000, file))
            state.SkipWithError("write failed");
    state.counters["entita/s"] = benchmark::Counter(LINEE, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(file)) / 1e6;
    state.counters["core"] = std::thread::hardware_concurrency();
    std::filesystem::remove(file);
}
BENCHMARK(BM_DxfLinee)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace
} // namespace tramel
