// 100,000 marked entities of every kind printed into an A4 PDF file at 600
// dpi (in /tmp, or TRAMEL_BENCH_DIR), and previewed on the print dialog's
// sheet for an A4 page at 96 dpi.
#include "synthetic.h"

#include "platform/fake_ports.h"
#include "platform/qt_dc.h"
#include "platform/qt_ports.h"
#include "printing/geststamp.h"

#include <benchmark/benchmark.h>

#include <QPainter>

#include <cstdlib>
#include <filesystem>
#include <thread>

namespace tramel {
namespace {

const std::filesystem::path CARTELLA = std::getenv("TRAMEL_BENCH_DIR") ? std::getenv("TRAMEL_BENCH_DIR") : "/tmp";
constexpr int PER_TIPO = 14286;   // 7 kinds: 100,002 entities
constexpr double SCALA = 0.18;    // the drawing's 1000 units across 180 mm of paper

std::unique_ptr<disegno> segnato()
{
    auto d = disegnoSintetico(PER_TIPO, 11);
    perOgniVivo<superficie, Rettangolo, Linea, polilinea, testo, Arco, Cerchio>(*d, [](auto& e) { e.stampare = 1; });
    return d;
}

void BM_StampaPdf(benchmark::State& state)
{
    const auto d = segnato();
    FakePorte fake;
    QtPrintDevice stampante;
    stampante.printer().setPageSize(QPageSize(QPageSize::A4));
    const auto file = CARTELLA / "tramel_bench_stampa.pdf";
    stampante.file(file.string());
    const Porte porte{fake.notifier, fake.files, fake.colori, fake.caratteri, fake.shell, fake.clock, stampante};
    const std::array<float, 16> spessori{};
    for (auto _ : state) {
        fake.files.scelte.push_back(file.string()); // each print asks for its file
        if (stampa(*d, spessori, porte, "Tramel", SCALA, 0, 0) != EsitoStampa::Stampata)
            state.SkipWithError("print failed");
    }
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(file)) / 1e6;
    state.counters["core"] = std::thread::hardware_concurrency();
    std::filesystem::remove(file);
}
BENCHMARK(BM_StampaPdf)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_AnteprimaA4(benchmark::State& state)
{
    const auto d = segnato();
    FakePrintDevice a4; // 190 x 277 mm printable
    FakeNotifier notifier;
    Geststamp g({}, notifier, "Tramel");
    g.selcarta(a4.larghezzaMm(), a4.altezzaMm(), 100, 113);
    const double pxMm = 96 / 25.4;
    QImage foglio(static_cast<int>(g.Picture1.width * pxMm), static_cast<int>(g.Picture1.height * pxMm),
                  QImage::Format_RGB32);
    const std::array<float, 16> spessori{};
    for (auto _ : state) {
        QPainter p(&foglio);
        QtDc dc(p);
        anteprimastampa(*d, spessori, a4, dc, {g.Picture1.width, g.Picture1.height, pxMm, pxMm}, SCALA, 0, 0);
    }
    state.counters["core"] = std::thread::hardware_concurrency();
}
BENCHMARK(BM_AnteprimaA4)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

} // namespace
} // namespace tramel
