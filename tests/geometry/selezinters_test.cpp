#include "geometry/selezinters.h"

#include "geometry/intersezioni.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace tramel {
namespace {

// Every window test uses the window (0, 0)-(10, 10).
constexpr double W1 = 0, W2 = 10;

struct CasoLinea {
    const char* nome;
    double xi, yi, xf, yf;
    bool atteso;
};

TEST(SelezintersLinea, InsideCrossingTouchingAndMissing)
{
    const std::vector<CasoLinea> casi = {
        {"wholly inside", 2, 2, 3, 3, true},
        {"start inside", 5, 5, 20, 20, true},
        {"end inside", 20, 20, 5, 5, true},
        {"across, both ends outside", -5, 5, 15, 5, true},
        {"down across, both ends outside", 5, -5, 5, 15, true},
        {"through a corner only", -5, 5, 5, -5, true},
        {"along the bottom edge's line", -5, 0, 15, 0, true},
        {"wholly outside", 11, 0, 12, 10, false},
        {"would cross only if extended", -5, 12, -1, 11, false},
    };
    for (const CasoLinea& c : casi) {
        SCOPED_TRACE(c.nome);
        Linea l;
        l.Xi = c.xi;
        l.Yi = c.yi;
        l.Xf = c.xf;
        l.Yf = c.yf;
        EXPECT_EQ(selezinters_lineaintersfin(l, W1, W1, W2, W2), c.atteso);
    }
}

struct CasoCerchio {
    const char* nome;
    double xc, yc, raggio;
    bool atteso;
};

TEST(SelezintersCerchio, RightmostPointOrEdgesButNotAnEnclosingCircle)
{
    const std::vector<CasoCerchio> casi = {
        {"wholly inside", 3, 5, 2, true},
        {"across the right edge", 12, 5, 3, true},
        {"across a corner, rightmost point outside", 5, -2, 6, true},
        {"touching the left edge from outside", -1, 5, 1, true},
        {"touching the right edge from outside", 11, 5, 1, true},
        {"touching the top edge from outside", 5, -1, 1, true},
        {"enclosing the window", 5, 5, 100, false},
        {"outside to the left", -1, 5, 0.5, false},
        {"outside beyond a corner", 13, 13, 4, false},
    };
    for (const CasoCerchio& c : casi) {
        SCOPED_TRACE(c.nome);
        Cerchio cerchio;
        cerchio.Xcentro = c.xc;
        cerchio.Ycentro = c.yc;
        cerchio.raggio = c.raggio;
        EXPECT_EQ(selezinters_cerchiointersfin(cerchio, W1, W1, W2, W2), c.atteso);
    }
}

TEST(SelezintersCerchio, ReadsTheStoredRadius)
{
    Cerchio cerchio;
    cerchio.Xcentro = 12;
    cerchio.Ycentro = 5;
    cerchio.raggio = 1;
    cerchio.Xpunto = 12;
    cerchio.YPunto = 0; // a radius of 5 would cross the window
    EXPECT_FALSE(selezinters_cerchiointersfin(cerchio, W1, W1, W2, W2));
}

Arco arcoDa(std::pair<double, double> p1, std::pair<double, double> p2, std::pair<double, double> p3)
{
    Arco a;
    std::tie(a.p1x, a.p1y) = p1;
    std::tie(a.p2x, a.p2y) = p2;
    std::tie(a.p3x, a.p3y) = p3;
    return a;
}

// The point of the circle of radius 22 about (5, -20) at the angle given.
std::pair<double, double> suCerchioGrande(double angolo)
{
    return {5 + 22 * std::cos(angolo), -20 + 22 * std::sin(angolo)};
}

TEST(SelezintersArco, InsideByAnyOfItsThreePoints)
{
    EXPECT_TRUE(selezinters_arcointersfin(arcoDa({5, 5}, {20, 20}, {30, 0}), W1, W1, W2, W2));
    EXPECT_TRUE(selezinters_arcointersfin(arcoDa({20, 20}, {5, 5}, {30, 0}), W1, W1, W2, W2));
    EXPECT_TRUE(selezinters_arcointersfin(arcoDa({20, 20}, {30, 0}, {5, 5}), W1, W1, W2, W2));
}

TEST(SelezintersArco, CaughtOnlyWhereItsOwnPartOfTheCircleCrossesAnEdge)
{
    // The circle crosses the left and right edges at angles about 1.80 and 1.34;
    // the arc from angle 2.27 down to 1.07 holds both crossings, none of its points
    // lies in the window.
    const Arco dentro = arcoDa(suCerchioGrande(pigreco / 2 + 0.7), suCerchioGrande(pigreco / 2 - 0.5),
                               suCerchioGrande(1.2));
    EXPECT_TRUE(selezinters_arcointersfin(dentro, W1, W1, W2, W2));
    // The rest of the same circle meets the edges nowhere.
    const Arco fuori = arcoDa(suCerchioGrande(pigreco / 2 - 0.5), suCerchioGrande(pigreco / 2 + 0.7),
                              suCerchioGrande(3 * pigreco / 2));
    EXPECT_FALSE(selezinters_arcointersfin(fuori, W1, W1, W2, W2));
}

TEST(SelezintersArco, WindowInsideTheArcsCircleIsNotCaught)
{
    const Arco a = arcoDa({105, 5}, {-95, 5}, {5, -95});
    EXPECT_FALSE(selezinters_arcointersfin(a, W1, W1, W2, W2));
}

TEST(SelezintersArco, CollinearArcIsTestedAsTheSegmentFromStartToEnd)
{
    // p3 beyond the segment: no circle, and the segment p1-p2 crosses the window.
    EXPECT_TRUE(selezinters_arcointersfin(arcoDa({-5, 5}, {15, 5}, {20, 5}), W1, W1, W2, W2));
    // Only the line through p2 and p3 would reach the window.
    EXPECT_FALSE(selezinters_arcointersfin(arcoDa({-5, -5}, {-1, -1}, {-3, -3}), W1, W1, W2, W2));
    EXPECT_FALSE(selezinters_arcointersfin(arcoDa({-5, 1}, {-1, 1}, {-20, 1}), W1, W1, W2, W2));
}

using Vertici = std::vector<Punto>;

template <class T>
T conVertici(const Vertici& v)
{
    T e;
    e.vertici(v);
    return e;
}

struct CasoVertici {
    const char* nome;
    Vertici vertici;
    bool polilinea;  // expected for the open chain
    bool poligono;   // expected for the surface, and the rectangle when there are four
};

TEST(SelezintersVertici, PolylineSurfaceAndRectangle)
{
    const std::vector<CasoVertici> casi = {
        {"all inside", {{1, 1}, {2, 1}, {2, 2}, {1, 2}}, true, true},
        {"only the last vertex inside", {{-5, -5}, {-5, -20}, {20, -20}, {5, 5}}, true, true},
        {"an edge across, no vertex inside", {{-5, 5}, {15, 5}, {5, -20}}, true, true},
        {"only the closing edge across", {{5, -5}, {20, -5}, {20, 15}, {5, 15}}, false, true},
        {"enclosing the window", {{-10, -10}, {20, -10}, {20, 20}, {-10, 20}}, false, false},
        {"touching a corner from outside", {{-5, 5}, {5, -5}, {-5, -5}}, true, true},
        {"wholly outside", {{11, 11}, {12, 11}, {12, 12}, {11, 12}}, false, false},
    };
    for (const CasoVertici& c : casi) {
        SCOPED_TRACE(c.nome);
        const auto pol = conVertici<polilinea>(c.vertici);
        EXPECT_EQ(selezinters_polilineaintersfin(pol, W1, W1, W2, W2), c.polilinea);
        const auto sup = conVertici<superficie>(c.vertici);
        EXPECT_EQ(selezinters_superficieintersfin(sup, W1, W1, W2, W2), c.poligono);
        if (c.vertici.size() == 4) {
            const auto ret = conVertici<Rettangolo>(c.vertici);
            EXPECT_EQ(selezinters_rettangolointersfin(ret, W1, W1, W2, W2), c.poligono);
        }
    }
}

// Records what it was asked to measure, and measures like FakeTextMetrics.
class MetricheRegistrate : public TextMetrics {
public:
    TextExtent extent(const LogFont& font, std::string_view ansiText) const override
    {
        font_ = font;
        testo_ = std::string(ansiText);
        return FakeTextMetrics().extent(font, ansiText);
    }
    mutable LogFont font_;
    mutable std::string testo_;
};

testo testoDi(const std::string& s, double angolo)
{
    testo t;
    t.carattere_testo("Arial");
    t.dimens_testo = 10;
    t.stringa_testo = s;
    t.ang_testo(angolo);
    return t;
}

// Ten points at 72 dpi vertically: a 10-pixel cell of 6-pixel characters.
// Horizontally 144 dpi, so that the two resolutions cannot be swapped unseen.
const FakeTextMetrics finte;
const MisuraTesto misura{finte, 144, 72};
constexpr double SCALA = 10;
const double LARGO = 18 * 25.4 / 144 * SCALA / 10; // "ABC", in window units
const double ALTO = 10 * 25.4 / 72 * SCALA / 10;

struct CasoAngoli {
    double angolo;
    double x2, y2, x3, y3, x4, y4; // relative to corner 1
};

TEST(DetermvertTesto, CornersAtEachAngle)
{
    const double c = std::cos(pigreco / 6), s = std::sin(pigreco / 6);
    const std::vector<CasoAngoli> casi = {
        {0, LARGO, 0, LARGO, ALTO, 0, ALTO},
        {90, 0, -LARGO, ALTO, -LARGO, ALTO, 0},
        {180, -LARGO, 0, -LARGO, -ALTO, 0, -ALTO},
        {30, LARGO * c, -LARGO * s, LARGO * c + ALTO * s, -LARGO * s + ALTO * c, ALTO * s, ALTO * c},
    };
    for (const CasoAngoli& k : casi) {
        SCOPED_TRACE(testing::Message() << "angle " << k.angolo);
        const testo t = testoDi("ABC  ", k.angolo); // trailing blanks do not widen the box
        double x2 = 0, y2 = 0, x3 = 0, y3 = 0, x4 = 0, y4 = 0;
        determvert_testo(t, misura, SCALA, 40, 50, x2, y2, x3, y3, x4, y4);
        EXPECT_NEAR(x2, 40 + k.x2, 1e-12);
        EXPECT_NEAR(y2, 50 + k.y2, 1e-12);
        EXPECT_NEAR(x3, 40 + k.x3, 1e-12);
        EXPECT_NEAR(y3, 50 + k.y3, 1e-12);
        EXPECT_NEAR(x4, 40 + k.x4, 1e-12);
        EXPECT_NEAR(y4, 50 + k.y4, 1e-12);
    }
}

TEST(DetermvertTesto, MeasuresInTheTextsOwnFontAndCodePage)
{
    MetricheRegistrate metriche;
    testo t = testoDi("Citt\xC3\xA0  ", 45);
    t.dimens_testo = 12;
    t.bold_testo = VERO;
    t.corsivo_testo = VERO;
    t.sottolineato_testo = VERO;
    t.barrato_testo = VERO;
    double x2, y2, x3, y3, x4, y4;
    determvert_testo(t, MisuraTesto{metriche, 96, 96}, 1, 0, 0, x2, y2, x3, y3, x4, y4);
    EXPECT_EQ(metriche.testo_, "Citt\xE0");
    EXPECT_EQ(metriche.font_.height, -16); // 12 points at 96 dpi
    EXPECT_EQ(metriche.font_.faceName, "Arial");
    EXPECT_EQ(metriche.font_.weight, FW_BOLD);
    EXPECT_TRUE(metriche.font_.italic);
    EXPECT_TRUE(metriche.font_.underline);
    EXPECT_TRUE(metriche.font_.strikeOut);
    EXPECT_EQ(metriche.font_.escapement, 0); // measured along its own baseline
}

struct CasoTesto {
    const char* nome;
    double angolo;
    double x1, y1, x2, y2;
    bool atteso;
};

TEST(SelezintersTesto, BoxAtTheViewScaleAgainstTheWindowInDrawingUnits)
{
    // The text "ABC" at (1, 1): its box is 0.3175 wide and 0.3528 high in drawing units.
    const std::vector<CasoTesto> casi = {
        {"a corner inside", 0, 1.1, 1.1, 2, 2, true},
        {"sides across a narrow window", 0, 1.1, 0, 1.2, 5, true},
        {"window inside the box", 0, 1.1, 1.1, 1.2, 1.2, false},
        {"window right of the box", 0, 1.4, 0, 2, 5, false},
        {"at 90 degrees the box runs upwards", 90, 0.99, 0.6, 1.01, 0.7, true},
        {"at 90 degrees nothing below the reference point", 90, 0.99, 1.2, 1.01, 1.4, false},
    };
    for (const CasoTesto& c : casi) {
        SCOPED_TRACE(c.nome);
        testo t = testoDi("ABC", c.angolo);
        t.pos_testox = 1;
        t.pos_testoy = 1;
        EXPECT_EQ(selezinters_testointersfin(t, misura, SCALA, c.x1, c.y1, c.x2, c.y2), c.atteso);
    }
}

} // namespace
} // namespace tramel
