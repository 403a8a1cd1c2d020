// Full redraws of synthetic drawings into a 1920x1080 window image through
// QtDc: everything visible, and zoomed in so that about 1% of the drawing shows.
// Besides these: the first redraw, zoom steps, the cost of walking the drawing
// and of the view alone, and each kind alone, to see where the time goes.
#include "immagine_finestra.h"
#include "synthetic.h"
#include "view/ridisegna.h"

#include <benchmark/benchmark.h>

#include <thread>
#include <utility>

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
std::unique_ptr<DrawingState> finestraZoom(int perTipo)
{
    const double h = std::sqrt(ESTENSIONE * ESTENSIONE / 100 * ALTEZZA / LARGHEZZA);
    const double w = h * LARGHEZZA / ALTEZZA;
    const double x1 = (ESTENSIONE - w) / 2;
    const double y1 = (ESTENSIONE - h) / 2;
    return finestra(perTipo, x1, y1, x1 + w, y1 + h);
}

void BM_redraw_100000_zoom1(benchmark::State& state)
{
    misura(state, *finestraZoom(14286));
}

// The same view redrawn after every kind of entity has been changed, as
// after an edit: the boxes kept for culling are taken again.
void BM_redraw_100000_zoom1_modificato(benchmark::State& state)
{
    const auto s = finestraZoom(14286);
    ImmagineFinestra immagine(LARGHEZZA, ALTEZZA);
    redraw(*s, immagine);
    for (auto _ : state) {
        perOgniVivo<superficie, Rettangolo, Cerchio, Arco, testo, polilinea, Linea>(s->dis, [](auto&) {});
        redraw(*s, immagine);
    }
}

// The same view redrawn after a line is drawn in it, as after the Linea
// command: the new line's box joins those kept for culling.
void BM_redraw_100000_zoom1_aggiunta(benchmark::State& state)
{
    const auto s = finestraZoom(14286);
    ImmagineFinestra immagine(LARGHEZZA, ALTEZZA);
    redraw(*s, immagine);
    for (auto _ : state) {
        auto l = std::make_unique<Linea>(std::as_const(s->dis.linee).Item(1));
        l->Xi = l->Xf = ESTENSIONE / 2;
        l->Yi = ESTENSIONE / 2;
        l->Yf = ESTENSIONE / 2 + 1;
        s->dis.linee.Add(std::move(l));
        redraw(*s, immagine);
    }
}

// The zoomed view panned down as the scroll bars pan it, a twentieth of its
// height a step, from the middle of the drawing to near its bottom edge and
// again. Arg: the window's height in pixels, 1080 (a step of 54 pixels: the
// points keep their fractions of a pixel) or 1095 (54.75: every step puts
// them on new ones).
void BM_redraw_100000_zoom1_pan(benchmark::State& state)
{
    const auto s = finestraZoom(14286);
    ImmagineFinestra immagine(LARGHEZZA, ALTEZZA);
    redraw(*s, immagine);
    Vista& v = s->vista;
    const double passo = v.altezzaMm * static_cast<double>(state.range(0)) / ALTEZZA / 20;
    const float inizio = v.origineY;
    for (auto _ : state) {
        v.origineY = singolo(v.origineY + passo);
        if (v.origineY / v.scala > ESTENSIONE - 100)
            v.origineY = inizio;
        redraw(*s, immagine);
    }
}

// The view beside the drawing, nothing in it: the cost of clearing the
// picture and walking the drawing.
void BM_redraw_100000_vuoto(benchmark::State& state)
{
    misura(state, *finestra(14286, 2 * ESTENSIONE, 0, 3 * ESTENSIONE, ESTENSIONE));
}

// The first redraw of a drawing, which measures every text. The texts and
// shapes drawn are kept for later redraws, so this one runs first, or alone
// (--benchmark_filter=primo).
void BM_redraw_100000_primo(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        const auto s = finestra(14286, -5, -5, ESTENSIONE + 5, ESTENSIONE + 5);
        ImmagineFinestra immagine(LARGHEZZA, ALTEZZA);
        state.ResumeTiming();
        redraw(*s, immagine);
    }
}

// Zooming in a step at a time (5%, about the middle) on the whole drawing:
// every redraw is at a scale not seen before.
void BM_redraw_100000_passi(benchmark::State& state)
{
    const auto s = finestra(14286, -5, -5, ESTENSIONE + 5, ESTENSIONE + 5);
    ImmagineFinestra immagine(LARGHEZZA, ALTEZZA);
    redraw(*s, immagine); // the first redraw measures the texts
    Vista& v = s->vista;
    const double cx = ESTENSIONE / 2, cy = ESTENSIONE / 2;
    for (auto _ : state) {
        v.scala *= 1.05;
        v.origineX = singolo(cx * v.scala - v.larghezzaMm / 2);
        v.origineY = singolo(cy * v.scala - v.altezzaMm / 2);
        redraw(*s, immagine);
    }
}

// One kind alone (its 14,286 entities of the 100,000), to see where the time
// of the whole goes. First arg: 0 lines, 1 polylines, 2 rectangles,
// 3 surfaces, 4 circles, 5 arcs, 6 texts; second: 0 all visible, 1 zoomed to 1%.
template <class T>
void copia(Collezione<T>& a, const Collezione<T>& da)
{
    for (int i = 1; i <= da.Count(); ++i)
        a.Add(std::make_unique<T>(da.Item(i)));
}

void BM_redraw_tipo(benchmark::State& state)
{
    auto s = state.range(1) ? finestraZoom(0) : finestra(0, -5, -5, ESTENSIONE + 5, ESTENSIONE + 5);
    const auto d = disegnoSintetico(14286, SEME, ESTENSIONE);
    switch (state.range(0)) {
    case 0: copia(s->dis.linee, d->linee); break;
    case 1: copia(s->dis.polilinee, d->polilinee); break;
    case 2: copia(s->dis.rettangoli, d->rettangoli); break;
    case 3: copia(s->dis.superfici, d->superfici); break;
    case 4: copia(s->dis.cerchi, d->cerchi); break;
    case 5: copia(s->dis.archi, d->archi); break;
    default: copia(s->dis.testi, d->testi); break;
    }
    ImmagineFinestra immagine(LARGHEZZA, ALTEZZA);
    redraw(*s, immagine);
    for (auto _ : state)
        redraw(*s, immagine);
}

// A device context that draws nothing, to measure the view's own work.
class DcMuto : public Dc {
public:
    GdiObject CreatePen(int, int, Rgb) override { return nuovo(); }
    GdiObject CreateSolidBrush(Rgb) override { return nuovo(); }
    GdiObject CreateHatchBrush(int, Rgb) override { return nuovo(); }
    GdiObject CreatePatternBrush(std::int32_t) override { return nuovo(); }
    GdiObject CreateFontIndirect(const LogFont&) override { return nuovo(); }
    GdiObject SelectObject(GdiObject) override { return 1; }
    bool DeleteObject(GdiObject) override { return true; }
    void Polygon(const std::vector<DevPoint>&) override {}
    void Polyline(const std::vector<DevPoint>&) override {}
    void Arc(int, int, int, int, int, int, int, int) override {}
    void Ellipse(int, int, int, int) override {}
    void TextOut(int, int, std::string_view) override {}
    void SetPixel(int, int, Rgb) override {}
    void FillRect(int, int, int, int, Rgb) override {}
    int SetBkMode(int) override { return TRANSPARENT; }
    int SetROP2(int) override { return R2_COPYPEN; }
    Rgb SetBkColor(Rgb) override { return 0; }
    Rgb SetTextColor(Rgb) override { return 0; }

private:
    GdiObject nuovo() { return ++ultimo_; }
    GdiObject ultimo_ = 100;
};

class SuperficieMuta : public SuperficieDisegno {
public:
    Dc& dc() override { return dc_; }
    const TextMetrics& metrics() const override { return metrics_; }
    void cls(Rgb) override {}
    void persistente(bool) override {}
    void aggiorna() override {}

private:
    DcMuto dc_;
    QtTextMetrics metrics_;
};

// The 100,000 entities through a device context that draws nothing: the
// view's own work (walking, culling, device copies). Arg: 0 all visible, 1 zoomed to 1%.
void BM_redraw_100000_vista(benchmark::State& state)
{
    const auto s = state.range(0) ? finestraZoom(14286) : finestra(14286, -5, -5, ESTENSIONE + 5, ESTENSIONE + 5);
    SuperficieMuta sup;
    redraw(*s, sup);
    for (auto _ : state)
        redraw(*s, sup);
}

BENCHMARK(BM_redraw_100000_primo)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_redraw_100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_redraw_10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_redraw_100000_zoom1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_redraw_100000_zoom1_modificato)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_redraw_100000_zoom1_aggiunta)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_redraw_100000_zoom1_pan)->Arg(1080)->Arg(1095)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_redraw_100000_passi)->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_redraw_100000_vuoto)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_redraw_100000_vista)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_redraw_tipo)->ArgsProduct({benchmark::CreateDenseRange(0, 6, 1), {0, 1}})->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tramel
