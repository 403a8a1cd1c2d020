// A 1920x1080 drawing area saved as a BMP file (in /tmp, or
// TRAMEL_BENCH_DIR), the file committed.
#include "immagine_finestra.h"
#include "synthetic.h"

#include "platform/file_writer.h"
#include "view/ridisegna.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <thread>

namespace tramel {
namespace {

const std::filesystem::path CARTELLA = std::getenv("TRAMEL_BENCH_DIR") ? std::getenv("TRAMEL_BENCH_DIR") : "/tmp";

// The picture of a window showing 10,000 synthetic entities.
void BM_Bmp1920x1080(benchmark::State& state)
{
    ValoriModulo modulo;
    DrawingState s(modulo);
    s.dis = std::move(*disegnoSintetico(1429, 7));
    Vista& v = s.vista;
    v.larghezzaMm = 1920 / v.pixelPerMmX();
    v.altezzaMm = 1080 / v.pixelPerMmY();
    v.scala = rapportoScala(v, 0, 0, 1000, 1000);
    ImmagineFinestra immagine(1920, 1080);
    redraw(s, immagine);
    const QImage foto = immagine.fotografia();
    const auto file = CARTELLA / "tramel_bench.bmp";
    for (auto _ : state)
        if (!salvaBmp(foto, file))
            state.SkipWithError("write failed");
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(file)) / 1e6;
    state.counters["core"] = std::thread::hardware_concurrency();
    std::filesystem::remove(file);
}
BENCHMARK(BM_Bmp1920x1080)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

} // namespace
} // namespace tramel
