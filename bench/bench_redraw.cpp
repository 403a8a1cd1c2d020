// Full redraws of synthetic drawings into a 1920x1080 window image through
// QtDc: everything visible, and zoomed in so that about 1% of the drawing shows.
#include "immagine_finestra.h"
#include "synthetic.h"
#include "view/redraw.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <thread>

namespace tramel {
namespace {

constexpr int LARGHEZZA = 1920;
constexpr int ALTEZZA = 1080;
constexpr double DPI = 96;
constexpr double ESTENSIONE = 1000;
constexpr std::uint32_t SEME = 20240501;

ValoriModulo modulo;

// A window showing the drawing's rectangle (x1, y1)-(x2, y2), top-left anchored.
std::unique_ptr<DrawingState> finestra(int perTipo, double x1, double y1, double x2, double y2)
{
    auto s = std::make_unique<DrawingState>(modulo);
    auto d = disegnoSintetico(perTipo, SEME, ESTENSIONE);
    s->dis = std::move(*d);
    Vista& v = s->vista;
    v.dpiX = v.dpiY = DPI;
    v.larghezzaMm = LARGHEZZA / v.pixelPerMmX();
    v.altezzaMm = ALTEZZA / v.pixelPerMmY();
    v.scala = rapportoScala(v, x1, y1, x2, y2);
    v.origineX = singolo(x1 * v.scala);
    v.origineY = singolo(y1 * v.scala);
    return s;
}

void misura(benchmark::State& state, DrawingState& s)
{
    ImmagineFinestra immagine(LARGHEZZA, ALTEZZA);
    redraw(s, immagine); // the first redraw measures the texts
    for (auto _ : state)
        redraw(s, immagine);
    state.counters["entita"] = 7.0 * s.dis.linee.Count();
    state.counters["core"] = std::thread::hardware_concurrency();
}

void tuttoVisibile(benchmark::State& state, int perTipo)
{
    const auto s = finestra(perTipo, -5, -5, ESTENSIONE + 5, ESTENSIONE + 5);
    misura(state, *s);
}

void BM_redraw_100000(benchmark::State& state) { tuttoVisibile(state, 14286); }
void BM_redraw_10000(benchmark::State& state) { tuttoVisibile(state, 1429); }

// 1% of the drawing's area, in the window's proportions, about its middle.
void BM_redraw_100000_zoom1(benchmark::State& state)
{
    const double h = std::sqrt(ESTENSIONE * ESTENSIONE / 100 * ALTEZZA / LARGHEZZA);
    const double w = h * LARGHEZZA / ALTEZZA;
    const double x1 = (ESTENSIONE - w) / 2;
    const double y1 = (ESTENSIONE - h) / 2;
    const auto s = finestra(14286, x1, y1, x1 + w, y1 + h);
    misura(state, *s);
}

BENCHMARK(BM_redraw_100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_redraw_10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_redraw_100000_zoom1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tramel

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
