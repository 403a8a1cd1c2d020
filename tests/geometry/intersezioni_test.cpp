#include "geometry/intersezioni.h"

#include <gtest/gtest.h>

#include <cmath>
#include <type_traits>
#include <utility>
#include <vector>

namespace tramel {
namespace {

constexpr double PI = 3.14159265358979323846;
// A value no routine computes, to tell an untouched output from a written one.
constexpr double NON_SCRITTO = 777.25;

struct CasoAngolo {
    double x1, y1, x2, y2, atteso;
};

TEST(Angolo, DirectionInEveryQuadrantAndOnTheAxes)
{
    const std::vector<CasoAngolo> casi = {
        {0, 0, 1, 0, 0},           {0, 0, 0, 1, PI / 2},      {0, 0, -1, 0, PI},
        {0, 0, 0, -1, 3 * PI / 2}, {0, 0, 1, -1, 7 * PI / 4}, {0, 0, 1, 1, PI / 4},
        {0, 0, -1, 1, 3 * PI / 4}, {0, 0, -1, -1, 5 * PI / 4}, {3, 3, 3, 3, 0},
        {2, 3, 5, 7, std::atan2(4.0, 3.0)}, {-1, -1, -4, -5, PI + std::atan2(4.0, 3.0)},
    };
    for (const CasoAngolo& c : casi) {
        SCOPED_TRACE(testing::Message() << "(" << c.x1 << ", " << c.y1 << ") -> (" << c.x2 << ", " << c.y2 << ")");
        EXPECT_NEAR(detAngolo(c.x1, c.y1, c.x2, c.y2), c.atteso, 1e-12);
        EXPECT_NEAR(angolo_retta_P1P2(c.x1, c.y1, c.x2, c.y2), c.atteso, 1e-12);
        EXPECT_NEAR(angolo_retta_P1P2(float(c.x1), float(c.y1), float(c.x2), float(c.y2)), c.atteso, 1e-5);
    }
}

TEST(Angolo, AlongPlusXIsZeroNotTwoPi)
{
    EXPECT_EQ(detAngolo(0, 0, 1, 0), 0.0);
    // Just below the +x axis the angle lands a hair under 2*pi, or wraps to 0.
    const double a = detAngolo(0, 0, 1, -1e-20);
    EXPECT_GE(a, 0.0);
    EXPECT_LT(a, 2 * PI);
    EXPECT_EQ(angolo_retta_P1P2(0.0f, 0.0f, 1.0f, -1e-20f), 0.0f);
}

TEST(Angolo, SingleArgumentsComputeInSinglePrecision)
{
    static_assert(std::is_same_v<decltype(angolo_retta_P1P2(0.f, 0.f, 1.f, 1.f)), float>);
    EXPECT_EQ(angolo_retta_P1P2(0.f, 0.f, 0.f, 1.f), static_cast<float>(pigreco) / 2);
    EXPECT_EQ(angolo_retta_P1P2(0.f, 0.f, 0.f, -5.f), 3 * static_cast<float>(pigreco) / 2);
}

struct CasoSecondoGrado {
    double a, b, c, delta, r1, r2;
};

TEST(Risolvi2grado, RootsAndUntouchedOutputsWithoutRealRoots)
{
    const std::vector<CasoSecondoGrado> casi = {
        {1, -3, 2, 1, 2, 1},
        {1, 2, 1, 0, -1, -1},
        {2, -4, -6, 64, 3, -1}, // the leading coefficient divides both roots
        {1, 0, 1, -4, NON_SCRITTO, NON_SCRITTO},
    };
    for (const CasoSecondoGrado& c : casi) {
        SCOPED_TRACE(testing::Message() << c.a << " t^2 + " << c.b << " t + " << c.c);
        double delta = NON_SCRITTO, r1 = NON_SCRITTO, r2 = NON_SCRITTO;
        risolvi2grado(c.a, c.b, c.c, delta, r1, r2);
        EXPECT_EQ(delta, c.delta);
        EXPECT_EQ(r1, c.r1);
        EXPECT_EQ(r2, c.r2);
    }
}

struct CasoRette {
    const char* nome;
    double x1, y1, x2, y2, x3, y3, x4, y4;
    int flag;
    double X, Y;
};

TEST(Detintersrette, MeetingPointsParallelsAndFarPoints)
{
    const std::vector<CasoRette> casi = {
        {"x axis and x = 3", 0, 0, 1, 0, 3, 0, 3, 1, 1, 3, 0},
        {"x = 3 and x axis", 3, 0, 3, 1, 0, 0, 1, 0, 1, 3, 0},
        {"oblique and horizontal", 1, 0, 2, 2, 0, 1, 5, 1, 1, 1.5, 1},
        {"two diagonals", 0, 0, 2, 2, 0, 2, 2, 0, 1, 1, 1},
        {"beyond the segments", 0, 0, 1, 1, 3, 0, 3, 5, 1, 3, 3},
        {"two horizontals", 0, 0, 1, 0, 0, 1, 1, 1, 0, NON_SCRITTO, NON_SCRITTO},
        {"two verticals", 0, 0, 0, 1, 2, 0, 2, 1, 0, NON_SCRITTO, NON_SCRITTO},
        {"two parallel obliques", 0, 0, 1, 1, 1, 0, 2, 1, 0, NON_SCRITTO, NON_SCRITTO},
        {"meeting at 6e10", 0, 0, 1, 0, 6e10, 0, 6e10, 1, 0, 6e10, 0},
        {"meeting at 4e10", 0, 0, 1, 0, 4e10, 0, 4e10, 1, 1, 4e10, 0},
        {"meeting at y = -6e10", 0, 0, 0, 1, 0, -6e10, 1, -6e10, 0, 0, -6e10},
    };
    for (const CasoRette& c : casi) {
        SCOPED_TRACE(c.nome);
        double X = NON_SCRITTO, Y = NON_SCRITTO;
        int flag = -1;
        detintersrette(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3, c.x4, c.y4, X, Y, flag);
        EXPECT_EQ(flag, c.flag);
        EXPECT_DOUBLE_EQ(X, c.X);
        EXPECT_DOUBLE_EQ(Y, c.Y);
    }
}

TEST(DetintersSegmenti, WritesThePointOnlyWhenBothSegmentsHoldIt)
{
    const std::vector<CasoRette> casi = {
        {"crossing diagonals", 0, 0, 2, 2, 0, 2, 2, 0, 1, 1, 1},
        {"lines meet beyond segment A", 0, 0, 1, 1, 3, 0, 3, 5, 0, NON_SCRITTO, NON_SCRITTO},
        {"lines meet beyond segment B", 3, 0, 3, 5, 0, 0, 1, 1, 0, NON_SCRITTO, NON_SCRITTO},
        {"shared end point", 0, 0, 1, 1, 1, 1, 2, 0, 1, 1, 1},
        {"end point on the other segment", 0, 0, 2, 0, 1, 0, 1, 5, 1, 1, 0},
        {"overlapping horizontals", 0, 0, 2, 0, 1, 0, 3, 0, 0, NON_SCRITTO, NON_SCRITTO},
        {"overlapping collinear obliques", 0, 0, 2, 2, 1, 1, 3, 3, 0, NON_SCRITTO, NON_SCRITTO},
    };
    for (const CasoRette& c : casi) {
        SCOPED_TRACE(c.nome);
        double X = NON_SCRITTO, Y = NON_SCRITTO;
        int flag = 1;
        detinters_segmenti(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3, c.x4, c.y4, X, Y, flag);
        EXPECT_EQ(flag, c.flag);
        EXPECT_DOUBLE_EQ(X, c.X);
        EXPECT_DOUBLE_EQ(Y, c.Y);
    }
}

struct CasoPunto {
    const char* nome;
    double px, py, xa, ya, xb, yb;
    bool atteso;
};

TEST(DetPinsegmento, ExactOnAxisParallelSegmentsToleranceElsewhere)
{
    const std::vector<CasoPunto> casi = {
        {"oblique, inside the tolerance", 1, 1.00001, 0, 0, 2, 2, true},
        {"oblique, outside the tolerance", 1, 1.0001, 0, 0, 2, 2, false},
        {"oblique, on the line beyond the end", 3, 3, 0, 0, 2, 2, false},
        {"oblique, end point", 2, 2, 0, 0, 2, 2, true},
        {"oblique, ends reversed", 1, 1, 2, 2, 0, 0, true},
        {"horizontal, off by 1e-5", 1, 0.00001, 0, 0, 2, 0, false},
        {"horizontal, inside", 1, 0, 0, 0, 2, 0, true},
        {"horizontal, end point, ends reversed", 2, 0, 2, 0, 0, 0, true},
        {"horizontal, beyond the end", 3, 0, 0, 0, 2, 0, false},
        {"vertical, off by 1e-5", 0.00001, 1, 0, 0, 0, 2, false},
        {"vertical, inside", 0, 1, 0, 2, 0, 0, true},
        {"vertical, beyond the end", 0, -1, 0, 0, 0, 2, false},
        {"a segment of one point", 1, 1, 1, 1, 1, 1, true},
    };
    for (const CasoPunto& c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(detPinsegmento(c.px, c.py, c.xa, c.ya, c.xb, c.yb), c.atteso);
    }
}

TEST(DetPinRettangolo, BorderIncluded)
{
    const std::vector<CasoPunto> casi = {
        {"inside", 1, 1, 0, 0, 2, 2, true},
        {"on a side", 2, 1, 0, 0, 2, 2, true},
        {"on a corner", 0, 0, 0, 0, 2, 2, true},
        {"just right of it", 2.0001, 1, 0, 0, 2, 2, false},
        {"just above it", 1, -0.0001, 0, 0, 2, 2, false},
        {"corners given the other way round", 1, 1, 2, 2, 0, 0, true},
        {"corners given the other way round, outside", 3, 1, 2, 2, 0, 0, false},
    };
    for (const CasoPunto& c : casi) {
        SCOPED_TRACE(c.nome);
        double xa = c.xa, ya = c.ya, xb = c.xb, yb = c.yb;
        EXPECT_EQ(detPinRettangolo(c.px, c.py, xa, ya, xb, yb), c.atteso);
    }
}

TEST(DetPinRettangolo, OrdersTheCallersCorners)
{
    double xa = 2, ya = 0, xb = 0, yb = 2;
    detPinRettangolo(1, 1, xa, ya, xb, yb);
    EXPECT_EQ(xa, 0);
    EXPECT_EQ(ya, 0);
    EXPECT_EQ(xb, 2);
    EXPECT_EQ(yb, 2);
}

struct CasoArco {
    const char* nome;
    double px, py; // on the unit circle about the origin
    double xs, ys, xe, ye;
    bool atteso;
};

// The arc runs from its start through falling angles to its end.
TEST(DetPinArco, EachBranchAndTheWrapThroughZero)
{
    const double c = std::cos(0.1), s = std::sin(0.1);
    const std::vector<CasoArco> casi = {
        // start below the centre, end above: the left half
        {"left half, leftmost point", -1, 0, 0, -1, 0, 1, true},
        {"left half, rightmost point", 1, 0, 0, -1, 0, 1, false},
        {"left half, its start", 0, -1, 0, -1, 0, 1, true},
        {"left half, its end", 0, 1, 0, -1, 0, 1, true},
        // start above, end below: the right half, through angle 0
        {"right half, angle 0", 1, 0, 0, 1, 0, -1, true},
        {"right half, just below angle 0", c, -s, 0, 1, 0, -1, true},
        {"right half, just above angle 0", c, s, 0, 1, 0, -1, true},
        {"right half, leftmost point", -1, 0, 0, 1, 0, -1, false},
        // start and end level, the start at angle 0: the half of negative y
        {"level ends from angle 0, bottom", 0, -1, 1, 0, -1, 0, true},
        {"level ends from angle 0, top", 0, 1, 1, 0, -1, 0, false},
        {"level ends from angle 0, its end", -1, 0, 1, 0, -1, 0, true},
        // start and end level, start right of the end: the long way round through 0
        {"level ends, bottom", 0, -1, 0.6, 0.8, -0.6, 0.8, true},
        {"level ends, angle 0", 1, 0, 0.6, 0.8, -0.6, 0.8, true},
        {"level ends, top", 0, 1, 0.6, 0.8, -0.6, 0.8, false},
        // start and end level below the centre, start left of the end: through 0 as well
        {"level ends below, top", 0, 1, -0.6, -0.8, 0.6, -0.8, true},
        {"level ends below, bottom", 0, -1, -0.6, -0.8, 0.6, -0.8, false},
    };
    for (const CasoArco& k : casi) {
        SCOPED_TRACE(k.nome);
        EXPECT_EQ(detPinArco(k.px, k.py, 0, 0, k.xs, k.ys, k.xe, k.ye), k.atteso);
    }
}

struct CasoArcoAngoli {
    double inizio, fine, punto; // degrees, on a circle of radius 3 about (2, -1)
    bool atteso;
};

// Arcs in every quadrant, across angle 0 and nearly whole, each with a point
// inside, outside and at both ends.
TEST(DetPinArco, ArcsInEveryQuadrantAndAcrossZero)
{
    const std::vector<CasoArcoAngoli> casi = {
        {80, 10, 45, true},    {80, 10, 5, false},    {80, 10, 85, false},   {80, 10, 80, true},
        {80, 10, 10, true},    {170, 100, 135, true}, {170, 100, 95, false}, {170, 100, 260, false},
        {260, 190, 225, true}, {260, 190, 185, false}, {260, 190, 45, false}, {350, 280, 315, true},
        {350, 280, 355, false}, {350, 280, 135, false}, {350, 280, 280, true}, {30, 330, 0, true},
        {30, 330, 345, true},  {30, 330, 15, true},   {30, 330, 180, false}, {30, 330, 330, true},
        {10, 20, 15, false},   {10, 20, 0, true},     {10, 20, 180, true},   {127, 53, 90, true},
        {127, 53, 270, false}, {0, 180, 270, true},   {0, 180, 90, false},   {90, 90, 270, true},
    };
    const auto punto = [](double gradi) {
        const double a = gradi * PI / 180;
        return std::pair{2 + 3 * std::cos(a), -1 + 3 * std::sin(a)};
    };
    for (const CasoArcoAngoli& k : casi) {
        SCOPED_TRACE(testing::Message() << k.inizio << " -> " << k.fine << ", point at " << k.punto);
        const auto [xs, ys] = punto(k.inizio);
        const auto [xe, ye] = punto(k.fine);
        const auto [px, py] = punto(k.punto);
        EXPECT_EQ(detPinArco(px, py, 2, -1, xs, ys, xe, ye), k.atteso);
    }
}

struct CasoCerchioSegmento {
    const char* nome;
    double xc, yc, r, xa, ya, xb, yb;
    int flag1, flag2;
    double X1, Y1, X2, Y2;
};

TEST(DetintersCerchioSegmento, PointsAndWhichOfThemLieOnTheSegment)
{
    const double N = NON_SCRITTO, R2 = std::sqrt(2.0);
    const std::vector<CasoCerchioSegmento> casi = {
        {"horizontal, through", 0, 0, 1, -2, 0, 2, 0, 1, 1, 1, 0, -1, 0},
        {"horizontal, from inside", 0, 0, 1, 0.5, 0, 2, 0, 1, 0, 1, 0, -1, 0},
        {"vertical, one end inside", 3, 4, 2, 3, 0, 3, 5, 0, 1, 3, 6, 3, 2},
        {"oblique, through the centre", 1, 2, R2, -1, 0, 3, 4, 1, 1, 2, 3, 0, 1},
        {"tangent: one point, flagged twice", 0, 0, 1, -2, 1, 2, 1, 1, 1, 0, 1, 0, 1},
        {"missing: the roots stay", 0, 0, 1, -2, 5, 2, 5, 0, 0, N, 5, N, 5},
        {"nearly vertical, solved along y", 0.5, 5, 1, 0.5, 0, 0.5 + 1e-12, 10, 1, 1, 0.5, 6, 0.5, 4},
    };
    for (const CasoCerchioSegmento& c : casi) {
        SCOPED_TRACE(c.nome);
        double X1 = N, Y1 = N, X2 = N, Y2 = N;
        int flag1 = -1, flag2 = -1;
        detinters_cerchio_segmento(c.xc, c.yc, c.r, c.xa, c.ya, c.xb, c.yb, X1, Y1, X2, Y2, flag1, flag2);
        EXPECT_EQ(flag1, c.flag1);
        EXPECT_EQ(flag2, c.flag2);
        EXPECT_NEAR(X1, c.X1, 1e-12);
        EXPECT_NEAR(Y1, c.Y1, 1e-12);
        EXPECT_NEAR(X2, c.X2, 1e-12);
        EXPECT_NEAR(Y2, c.Y2, 1e-12);
    }
}

struct CasoCerchi {
    const char* nome;
    double x1, y1, r1, x2, y2, r2;
    int flag;
    double X1, Y1, X2, Y2;
};

TEST(DetintersCerchioCerchio, PointsFlagsAndUntouchedOutputs)
{
    const double N = NON_SCRITTO;
    const std::vector<CasoCerchi> casi = {
        {"crossing, oblique radical line", 0, 0, 5, 7, 7, 5, 1, 4, 3, 3, 4},
        {"crossing, vertical radical line", 0, 0, 5, 6, 0, 5, 1, 3, 4, 3, -4},
        {"crossing, second circle to the left", 6, 0, 5, 0, 0, 5, 1, 3, 4, 3, -4},
        {"tangent side by side", 0, 0, 1, 2, 0, 1, 1, 1, 0, 1, 0},
        {"tangent one above the other", 0, 0, 1, 0, 2, 1, 1, 0, 1, 0, 1},
        {"small centre inside the large circle", 4.5, 0, 1, 0, 0, 5, 2, N, N, N, N},
        {"small circle on the large one's border", 5, 0, 1, 0, 0, 5, 2, N, N, N, N},
        {"concentric, first smaller", 0, 0, 2, 0, 0, 3, 2, N, N, N, N},
        {"concentric, first larger", 0, 0, 3, 0, 0, 2, 0, N, N, N, N},
        {"concentric, equal", 1, 1, 2, 1, 1, 2, 0, N, N, N, N},
        {"far apart", 0, 0, 1, 10, 0, 1, 0, N, N, N, N},
    };
    for (const CasoCerchi& c : casi) {
        SCOPED_TRACE(c.nome);
        int flag = -1;
        double X1 = N, Y1 = N, X2 = N, Y2 = N;
        detinters_cerchio_cerchio(c.x1, c.y1, c.r1, c.x2, c.y2, c.r2, flag, X1, Y1, X2, Y2);
        EXPECT_EQ(flag, c.flag);
        EXPECT_NEAR(X1, c.X1, 1e-12);
        EXPECT_NEAR(Y1, c.Y1, 1e-12);
        EXPECT_NEAR(X2, c.X2, 1e-12);
        EXPECT_NEAR(Y2, c.Y2, 1e-12);
    }
}

TEST(DetintersCerchioCerchio, LargerFirstCircleStillGivesItsMeetingPoints)
{
    // The second circle's centre lies inside the first; only a smaller first circle means "inside".
    int flag = -1;
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    detinters_cerchio_cerchio(0, 0, 5, 4.5, 1, 1, flag, X1, Y1, X2, Y2);
    ASSERT_EQ(flag, 1);
    for (const auto& [x, y] : {std::pair{X1, Y1}, std::pair{X2, Y2}}) {
        EXPECT_NEAR(std::hypot(x, y), 5, 1e-9);
        EXPECT_NEAR(std::hypot(x - 4.5, y - 1), 1, 1e-9);
    }
    EXPECT_GT(std::hypot(X1 - X2, Y1 - Y2), 0.1);
}

// Centres level but for rounding, and one nearly above the other: the
// meeting points lie on both circles.
TEST(DetintersCerchioCerchio, NearlyLevelCentresKeepTheirPoints)
{
    struct Caso {
        double x1, y1, x2, y2;
    };
    for (const Caso& c : {Caso{1105, 1e-13, 1100, 0}, Caso{1105, 0, 1100, 3e-12}, Caso{1e-13, 1105, 0, 1100}}) {
        SCOPED_TRACE(testing::Message() << c.x1 << ", " << c.y1 << " against " << c.x2 << ", " << c.y2);
        int flag = -1;
        double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
        detinters_cerchio_cerchio(c.x1, c.y1, 5, c.x2, c.y2, 1, flag, X1, Y1, X2, Y2);
        ASSERT_EQ(flag, 1);
        for (const auto& [x, y] : {std::pair{X1, Y1}, std::pair{X2, Y2}}) {
            EXPECT_NEAR(std::hypot(x - c.x1, y - c.y1), 5, 1e-6);
            EXPECT_NEAR(std::hypot(x - c.x2, y - c.y2), 1, 1e-6);
        }
    }
}

} // namespace
} // namespace tramel
