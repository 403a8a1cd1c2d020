#include "immagine_finestra.h"
#include "support/finestra_prova.h"
#include "view/disegna_entita.h"

#include "platform/palette.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <cstdio>
#include <regex>

namespace tramel {
namespace {

const std::string EVIDENZIA = colore(Palette::color(3)); // the default highlight colour
const std::string PRIMO_PIANO = colore(RGB(0, 0, 0));    // the window's foreground colour

struct Disegno : FinestraProva {
    explicit Disegno(double scala, double x1 = 0, double y1 = 0) : FinestraProva(VistaProva{scala, x1, y1}) {}
    ContestoDisegno contesto() { return ContestoDisegno(stato, superficie); }
};

// Pen width and colour of every CreatePen, in order.
std::vector<std::pair<int, std::string>> penne(const SuperficieProva& sup)
{
    std::vector<std::pair<int, std::string>> p;
    const std::regex re(R"(CreatePen\((-?\d+),(-?\d+),(#[0-9a-f]{6})\)=\d+)");
    for (const std::string& c : sup.solo({"CreatePen"})) {
        std::smatch m;
        if (std::regex_match(c, m, re))
            p.emplace_back(std::stoi(m[2]), m[3]);
    }
    return p;
}

Linea linea(double xi, double yi, double xf, double yf, float spessore = 0)
{
    Linea l;
    l.Xi = xi;
    l.Yi = yi;
    l.Xf = xf;
    l.Yf = yf;
    l.speslinea = spessore;
    l.colorelinea = RGB(200, 0, 0);
    return l;
}

superficie quadrato(int campitura = CAMPITURA_PIENA)
{
    superficie q;
    q.vertici({{1, 1}, {3, 1}, {3, 3}, {1, 3}});
    q.colcont = RGB(0, 0, 200);
    q.colocampitura = RGB(0, 200, 0);
    q.campitura = campitura;
    return q;
}

Arco arco(Punto p1, Punto p2, Punto p3)
{
    Arco a;
    a.p1x = p1.x;
    a.p1y = p1.y;
    a.p2x = p2.x;
    a.p2y = p2.y;
    a.p3x = p3.x;
    a.p3y = p3.y;
    a.colcont = RGB(0, 0, 200);
    return a;
}

testo scritta(float dimensione = 10)
{
    testo t;
    t.carattere_testo("Arial");
    t.stringa_testo = "AB";
    t.dimens_testo = dimensione;
    t.pos_testox = 2;
    t.pos_testoy = 3;
    t.colore_testo = RGB(0, 0, 200);
    return t;
}

// Width in pixels = round half to even of thickness * scala / 2.5, at least 1.
struct CasoLarghezza {
    float spessore;
    double scala;
    int larghezza;
};

class LarghezzaLinea : public ::testing::TestWithParam<CasoLarghezza> {};

TEST_P(LarghezzaLinea, RoundsHalfToEvenAndIsAtLeastOnePixel)
{
    const CasoLarghezza caso = GetParam();
    Disegno d(caso.scala);
    disegnalinea(d.contesto(), linea(1, 1, 2, 2, caso.spessore), true);
    ASSERT_EQ(penne(d.superficie).size(), 1u);
    EXPECT_EQ(penne(d.superficie)[0].first, caso.larghezza);
}

INSTANTIATE_TEST_SUITE_P(Linee, LarghezzaLinea,
                         ::testing::Values(CasoLarghezza{0, 3, 1}, CasoLarghezza{1, 3, 1}, CasoLarghezza{5, 3, 6},
                                           CasoLarghezza{2.5f, 2.5, 2}, CasoLarghezza{3.5f, 2.5, 4}));

TEST(Disegnalinea, WindowUnitsToPixelsInItsColourOrTheHighlight)
{
    Disegno d(3);
    Linea l = linea(1, 2, 3, 4);
    l.TipoLinea = PS_DASH;
    disegnalinea(d.contesto(), l, true);
    disegnalinea(d.contesto(), l, false);
    EXPECT_EQ(d.superficie.disegni(), (std::vector<std::string>{"Polyline(30,60 90,120) pen(1,1,#c80000)",
                                                         "Polyline(30,60 90,120) pen(1,1," + EVIDENZIA + ")"}));
    // A line is drawn by the window itself: no pixel at the scale origin.
    EXPECT_TRUE(d.superficie.solo({"SetPixel"}).empty());
}

TEST(DisegnaEntita, PenWidthsOfTheSelfDrawingKinds)
{
    Disegno d(3);
    polilinea p;
    p.vertici({{0, 0}, {1, 1}});
    disegnaPolilinea(d.contesto(), p, true);
    Arco a = arco({0, 0}, {2, 0}, {1, -1});
    disegnaarco(d.contesto(), a, true);
    superficie q = quadrato();
    disegnasuperficie(d.contesto(), q, true);
    p.spescont = 5;
    disegnaPolilinea(d.contesto(), p, true);
    a.spescont = 5;
    disegnaarco(d.contesto(), a, true);

    const auto w = penne(d.superficie);
    ASSERT_EQ(w.size(), 5u);
    EXPECT_EQ(w[0].first, 1); // polyline of thickness 0: at least one pixel
    EXPECT_EQ(w[1].first, 0); // arc of thickness 0: no lower bound
    EXPECT_EQ(w[2].first, 1);
    EXPECT_EQ(w[3].first, 6); // 5 * 3 / 2.5
    EXPECT_EQ(w[4].first, 6);
}

TEST(DisegnaEntita, SelfDrawingKindsPlotTheScaleOriginFirst)
{
    Disegno d(3);
    d.stato.forecolor = RGB(10, 20, 30);
    disegnasuperficie(d.contesto(), quadrato(), true);
    ASSERT_FALSE(d.superficie.chiamate().empty());
    EXPECT_EQ(d.superficie.chiamate().front(), "SetPixel(0,0,#0a141e)");
    EXPECT_EQ(d.superficie.solo({"Polygon"}), (std::vector<std::string>{"Polygon(30,30 90,30 90,90 30,90)"}));
}

TEST(DisegnaEntita, SelectedSurfaceHasOutlineAndFillInTheHighlightColour)
{
    Disegno d(3);
    disegnasuperficie(d.contesto(), quadrato(), true);
    disegnasuperficie(d.contesto(), quadrato(), false);
    disegnasuperficie(d.contesto(), quadrato(HS_CROSS), false);
    const std::string q = "Polygon(30,30 90,30 90,90 30,90) ";
    const std::string origine = "SetPixel(0,0," + PRIMO_PIANO + ")";
    EXPECT_EQ(d.superficie.disegni(),
              (std::vector<std::string>{origine, q + "pen(0,1,#0000c8) brush(solid,#00c800)", origine,
                                        q + "pen(0,1," + EVIDENZIA + ") brush(solid," + EVIDENZIA + ")",
                                        origine, q + "pen(0,1," + EVIDENZIA + ") brush(hatch,4," + EVIDENZIA + ")"}));
}

template <class T, class Disegna>
void restaUguale(Disegno& d, const T& e, Disegna disegna)
{
    const T prima = e;
    disegna(d.contesto(), e, true);
    disegna(d.contesto(), e, false);
    EXPECT_TRUE(e == prima);
}

TEST(DisegnaEntita, TheStoredEntityIsNeverChanged)
{
    Disegno d(3);
    d.stato.aiuti.mostrabordotesto = 1;
    Rettangolo r;
    r.vertici({{1, 1}, {4, 1}, {4, 2}, {1, 2}});
    r.spescont = 0.25f;
    polilinea p;
    p.vertici({{0, 0}, {1e9, 2}});
    Cerchio c;
    c.Xcentro = 5;
    c.Xpunto = 7;
    c.raggio = 2;
    superficie q = quadrato();
    q.spescont = 3;
    const Arco a = arco({0, 0}, {2, 0}, {1, -1});
    const Arco retto = arco({0, 0}, {2, 0}, {1, 0});

    restaUguale(d, linea(1, 2, 3, 4, 2), disegnalinea);
    restaUguale(d, p, disegnaPolilinea);
    restaUguale(d, r, disegnarettangolo);
    restaUguale(d, q, disegnasuperficie);
    restaUguale(d, c, disegnacerchio);
    restaUguale(d, a, disegnaarco);
    restaUguale(d, retto, disegnaarco);
    restaUguale(d, scritta(), [](const ContestoDisegno& c, const testo& t, bool n) { disegnatesto(c, t, n); });
    // And the device did get device units: the rectangle at 30 px a unit.
    EXPECT_EQ(d.superficie.solo({"Polygon"}).front(), "Polygon(30,30 120,30 120,60 30,60)");
}

TEST(Disegnaarco, ThroughPointOnTheSegmentDrawsTheSegment)
{
    Disegno d(3);
    Arco a = arco({1, 1}, {3, 1}, {2, 1});
    a.spescont = 5;
    a.trattcont = PS_DOT;
    disegnaarco(d.contesto(), a, false);
    EXPECT_EQ(d.superficie.disegni(), (std::vector<std::string>{"Polyline(30,30 90,30) pen(2,6," + EVIDENZIA + ")"}));
    EXPECT_TRUE(d.superficie.solo({"Arc"}).empty());
    EXPECT_EQ(d.superficie.solo({"CreatePen", "DeleteObject"}).size(), 2u); // its pen made and deleted
}

TEST(Disegnaarco, CollinearThroughPointOutsideTheSegmentAlsoDrawsTheSegment)
{
    // Three points on a line have no circle; the segment p1-p2 is what
    // selection and snapping also take for such an arc.
    Disegno d(3);
    disegnaarco(d.contesto(), arco({1, 1}, {3, 1}, {5, 1}), true);
    EXPECT_TRUE(d.superficie.solo({"Arc"}).empty());
    EXPECT_EQ(d.superficie.solo({"Polyline"}), (std::vector<std::string>{"Polyline(30,30 90,30)"}));
}

TEST(Disegnaarco, AnArcGoesToTheDeviceInPixels)
{
    Disegno d(3);
    disegnaarco(d.contesto(), arco({0, 1}, {2, 1}, {1, 0}), true);
    // Centre (1, 1), radius 1: box (0, 0)-(60, 60), from p1 (0, 30) to p2 (60, 30).
    EXPECT_EQ(d.superficie.solo({"Arc"}), (std::vector<std::string>{"Arc(0,0,60,60,0,30,60,30)"}));
}

TEST(Disegnaarco, ALargeArcSeenCloseLandsOnItsPixels)
{
    // From (60, 0) to (-60, 0) through (0, -1): centre (0, 1799.5), radius 1800.5;
    // its top is in view, 2.5 units either side of x = 0, a radius of 54 000
    // pixels at scale 3 and 540 000 at scale 30.
    for (const double scala : {3.0, 30.0}) {
        SCOPED_TRACE(scala);
        const double x1 = -75 / scala, y1 = -60 / scala;
        Disegno d(scala, x1, y1);
        ImmagineFinestra finestra(1500, 1100);
        disegnaarco(ContestoDisegno(d.stato, finestra), arco({60, 0}, {-60, 0}, {0, -1}), true);
        const QImage img = finestra.fotografia();
        const double pixel = 10 * scala; // pixels a drawing unit
        for (int x = 1; x < img.width(); ++x) {
            const double u = (x + 0.5) / pixel + x1;
            const double riga = (1799.5 - std::sqrt(1800.5 * 1800.5 - u * u) - y1) * pixel;
            int dipinti = 0;
            for (int y = 0; y < img.height(); ++y)
                if (img.pixel(x, y) != qRgb(255, 255, 255)) {
                    ++dipinti;
                    EXPECT_LE(std::abs(y + 0.5 - riga), 1) << x << ',' << y;
                }
            ASSERT_GE(dipinti, 1) << x;
        }
    }
}

TEST(Disegnatesto, CharacterHeightFromSizeScaleAndTwipsPerPixel)
{
    Disegno d(3);
    disegnatesto(d.contesto(), scritta(10), true);
    // h = -2 * 10 * 3 / (1440 / 254) = -10.58 pixels; the reference point (2, 3) at 30 px a unit.
    EXPECT_EQ(d.superficie.chiamate().front(), "SetPixel(0,0," + PRIMO_PIANO + ")");
    EXPECT_EQ(d.superficie.solo({"SetTextColor", "TextOut"}),
              (std::vector<std::string>{"SetTextColor(#0000c8)", "TextOut(60,90,AB)", "SetTextColor(#000000)"}));
    EXPECT_EQ(d.superficie.disegni().back(), "TextOut(60,90,AB) font(-11,0,0,000,Arial)");
}

TEST(Disegnatesto, SizeZeroOrBelowDrawsNothing)
{
    Disegno d(3);
    d.stato.aiuti.mostrabordotesto = 1;
    disegnatesto(d.contesto(), scritta(0), true);
    disegnatesto(d.contesto(), scritta(-4), false);
    EXPECT_TRUE(d.superficie.chiamate().empty());
}

TEST(Disegnatesto, BoxInTheHighlightColourInBothLooksWhenShown)
{
    for (bool normale : {true, false}) {
        Disegno d(3);
        d.stato.aiuti.mostrabordotesto = 1;
        disegnatesto(d.contesto(), scritta(), normale);
        const auto lati = d.superficie.solo({"Polyline"});
        ASSERT_EQ(lati.size(), 4u) << normale;
        EXPECT_EQ(lati[0].rfind("Polyline(60,90 ", 0), 0u) << lati[0]; // from the reference point
        for (const auto& [larghezza, c] : penne(d.superficie)) {
            EXPECT_EQ(larghezza, 1);
            EXPECT_EQ(c, EVIDENZIA);
        }
        const auto testi = d.superficie.solo({"SetTextColor"});
        EXPECT_EQ(testi.front(), normale ? "SetTextColor(#0000c8)" : "SetTextColor(" + EVIDENZIA + ")");
    }
    Disegno senza(3);
    disegnatesto(senza.contesto(), scritta(), true);
    EXPECT_TRUE(senza.superficie.solo({"Polyline"}).empty());
}

TEST(DisegnaEntita, DrawingLeavesTheWindowsFontAndForegroundAlone)
{
    Disegno d(3);
    d.stato.forecolor = RGB(1, 2, 3);
    disegnatesto(d.contesto(), scritta(), false);
    EXPECT_EQ(d.stato.forecolor, RGB(1, 2, 3));
    EXPECT_EQ(d.stato.font.nome, "Arial");
    EXPECT_FLOAT_EQ(d.stato.font.dimensione, 8.25f);
}

// Every device coordinate of a call, as numbers.
std::vector<long long> numeri(const std::string& call)
{
    std::vector<long long> n;
    const std::regex re(R"(-?\d+)");
    const std::string argomenti = call.substr(call.find('('));
    for (auto it = std::sregex_iterator(argomenti.begin(), argomenti.end(), re); it != std::sregex_iterator(); ++it)
        n.push_back(std::stoll(it->str()));
    return n;
}

TEST(DisegnaEntita, HighZoomKeepsCoordinatesInRangeAndEdgesInPlace)
{
    // 1e6 pixels a drawing unit: a triangle whose slanted edge runs from the
    // origin at slope 1/2 far beyond any integer range.
    Disegno d(1e5);
    superficie t;
    t.vertici({{0, 0}, {2e6, 1e6}, {0, 1e6}});
    disegnasuperficie(d.contesto(), t, true);
    const auto poligoni = d.superficie.solo({"Polygon"});
    ASSERT_EQ(poligoni.size(), 1u);
    const auto n = numeri(poligoni[0]);
    bool bordo = false;
    for (std::size_t i = 0; i + 1 < n.size(); i += 2) {
        EXPECT_LE(std::llabs(n[i]), 4000000);
        EXPECT_LE(std::llabs(n[i + 1]), 4000000);
        bordo = bordo || (n[i] == 4000000 && n[i + 1] == 2000000); // the edge leaves the band still at slope 1/2
    }
    EXPECT_TRUE(bordo) << poligoni[0];

    Linea l = linea(-1e7, 0.5, 1e7, 0.5);
    disegnalinea(d.contesto(), l, true);
    EXPECT_EQ(d.superficie.solo({"Polyline"}).back(), "Polyline(-4000000,500000 4000000,500000)");
}

TEST(DisegnaEntita, ExtremeValuesStayWithinTheDevicesRange)
{
    // Values a damaged file could carry, at a high zoom.
    for (double v : {1e300, -1e300, std::nan("")}) {
        Disegno d(1e5);
        polilinea p;
        p.vertici({{0, 0}, {v, 1}, {2, v}});
        p.spescont = static_cast<float>(1e30);
        disegnaPolilinea(d.contesto(), p, true);
        superficie q;
        q.vertici({{v, 0}, {1, v}, {0, 1}});
        disegnasuperficie(d.contesto(), q, true);
        Cerchio c;
        c.Xcentro = 0.001;
        c.Xpunto = v;
        disegnacerchio(d.contesto(), c, true);
        disegnalinea(d.contesto(), linea(v, 0, 0, v, 1e30f), true);
        testo t = scritta(1e30f);
        t.pos_testox = v;
        disegnatesto(d.contesto(), t, true);
        disegnaarco(d.contesto(), arco({0, 0}, {v, 1}, {1, v}), true);
        disegnaarco(d.contesto(), arco({0, 0}, {v, 0}, {1, 1e-9}), true);
        for (const std::string& call : d.superficie.solo({"Polygon", "Polyline", "Ellipse", "Arc", "TextOut"}))
            for (long long n : numeri(call))
                EXPECT_LE(std::llabs(n), 4000000) << v << ' ' << call;
        for (const auto& [larghezza, c] : penne(d.superficie))
            EXPECT_LE(larghezza, 4000000) << v;
    }
}

TEST(DisegnaEntita, HugeFilledCircleAroundTheViewStillCoversIt)
{
    // The client area (1500 x 1100 px) lies deep inside a circle of radius 1e6 units.
    Disegno d(1e5);
    Cerchio c;
    c.Xcentro = 0;
    c.Ycentro = 0;
    c.Xpunto = 1e6;
    c.campitura = CAMPITURA_PIENA;
    disegnacerchio(d.contesto(), c, true);
    const auto poligoni = d.superficie.solo({"Polygon"});
    ASSERT_EQ(poligoni.size(), 1u);
    const auto n = numeri(poligoni[0]);
    long long xa = n[0], xb = n[0], ya = n[1], yb = n[1];
    for (std::size_t i = 0; i + 1 < n.size(); i += 2) {
        xa = std::min(xa, n[i]), xb = std::max(xb, n[i]);
        ya = std::min(ya, n[i + 1]), yb = std::max(yb, n[i + 1]);
        EXPECT_LE(std::llabs(n[i]) + std::llabs(n[i + 1]), 4000000);
    }
    EXPECT_LT(xa, 0);
    EXPECT_LT(ya, 0);
    EXPECT_GT(xb, 1500);
    EXPECT_GT(yb, 1100);
}

// A circle of radius 1000 seen close, from 30 to 0.2 units across the view
// (radii of 50 000 to 95 000 pixels, where the device's own ellipse strays,
// then 750 000 and 7 500 000), at steep and at oblique points of its outline:
// the outline paints on the curve, and a solid one paints all that lies
// inside and nothing a few pixels outside.
TEST(DisegnaEntita, ALargeCircleSeenCloseLandsOnItsPixels)
{
    for (const double scala : {5.0, 7.0, 9.5, 75.0, 750.0})
        for (const double gradi : {0.0, 10.0, 180.0, 45.0, 90.0})
            for (const std::int32_t campitura : {CAMPITURA_NESSUNA, CAMPITURA_PIENA}) {
                SCOPED_TRACE(testing::Message() << scala << ' ' << gradi << ' ' << campitura);
                const double pixel = 10 * scala; // pixels a drawing unit
                const double a = gradi * std::numbers::pi / 180;
                const double x1 = 1000 * std::cos(a) - 750 / pixel, y1 = 1000 * std::sin(a) - 550 / pixel;
                Disegno d(scala, x1, y1);
                ImmagineFinestra finestra(1500, 1100);
                Cerchio c;
                c.Xpunto = 1000;
                c.colcont = RGB(200, 0, 0);
                c.colocampitura = RGB(0, 0, 200);
                c.campitura = campitura;
                disegnacerchio(ContestoDisegno(d.stato, finestra), c, true);
                const QImage img = finestra.fotografia();
                int bordo = 0;
                for (int y = 0; y < img.height(); ++y)
                    for (int x = 1; x < img.width(); ++x) {
                        const double scarto =
                            (std::hypot((x + 0.5) / pixel + x1, (y + 0.5) / pixel + y1) - 1000) * pixel;
                        const QRgb p = img.pixel(x, y);
                        bordo += p == qRgb(200, 0, 0);
                        if (scarto > 3 || (scarto < -3 && campitura == CAMPITURA_NESSUNA)) {
                            ASSERT_EQ(p, qRgb(255, 255, 255)) << x << ',' << y;
                        } else if (scarto < -3) {
                            ASSERT_EQ(p, qRgb(0, 0, 200)) << x << ',' << y;
                        }
                    }
                EXPECT_GE(bordo, 100);
            }
}

} // namespace
} // namespace tramel
