// Importing a text drawing of 100,000 entities of every kind (about 1.2
// million lines, in /tmp) under the Italian number format: the file read, the
// lines converted, the measures computed and the entities appended, with the
// progress reported as the wait window takes it. Redraw and zoom are left out.
#include "synthetic.h"

#include "files/lettura_txt.h"
#include "platform/record_file.h"
#include "support/scrittura_txt.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

namespace tramel {
namespace {

constexpr int PER_TIPO = 100'000 / 7 + 1;
const std::filesystem::path FILE_PROVA = std::getenv("TRAMEL_BENCH_TXT") ? std::getenv("TRAMEL_BENCH_TXT")
                                                                       : "/tmp/tramel_bench_disegno.txt";

// Writes the file once and gives its number of lines.
std::int64_t scriviFile()
{
    DisegnoTxt d;
    d.colsfondo = Variant(std::int16_t{15});
    d.colanteprima = Variant(std::int16_t{5});
    d.snapattivo = d.grigliaattiva = "ON";
    d.passosnap = d.passogriglia = 1;
    d.dis = std::move(*disegnoSintetico(PER_TIPO, 1, 100000, 50));
    const std::string bytes = prova::ScritturaTxt(",").scrivi(d);
    std::ofstream(FILE_PROVA, std::ios::binary) << bytes;
    return std::count(bytes.begin(), bytes.end(), '\n');
}

void BM_ImportaTxt(benchmark::State& state)
{
    const std::int64_t righe = scriviFile();
    const NumberFormat italiano(",", ".");
    int barra = 0;
    for (auto _ : state) {
        const auto bytes = readWhole(FILE_PROVA);
        const EsitoTxt esito = leggiTxt(bytes.value_or(""), italiano, [&barra](int v) { barra = v; });
        const auto* d = std::get_if<DisegnoTxt>(&esito);
        if (!d || d->dis.testi.Count() != PER_TIPO || barra != 100)
            state.SkipWithError("read failed");
    }
    state.counters["righe"] = static_cast<double>(righe);
    state.counters["righe/s"] =
        benchmark::Counter(static_cast<double>(righe), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["entita/s"] = benchmark::Counter(7.0 * PER_TIPO, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["core"] = std::thread::hardware_concurrency();
    std::filesystem::remove(FILE_PROVA);
}
BENCHMARK(BM_ImportaTxt)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace
} // namespace tramel
