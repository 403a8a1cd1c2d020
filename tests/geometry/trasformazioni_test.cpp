#include "geometry/trasformazioni.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace tramel {
namespace {

constexpr double TOLLERANZA = 1e-9;

void vicino(Punto atteso, Punto p, const char* caso)
{
    EXPECT_NEAR(atteso.x, p.x, TOLLERANZA) << caso;
    EXPECT_NEAR(atteso.y, p.y, TOLLERANZA) << caso;
}

TEST(Rotazione, TurnsAboutTheCentre)
{
    struct Caso {
        const char* nome;
        Punto centro;
        double gradi;
        Punto p, atteso;
    };
    const std::vector<Caso> casi = {
        {"(1,0) by 90", {0, 0}, 90, {1, 0}, {0, 1}},
        {"(2,0) by 90", {0, 0}, 90, {2, 0}, {0, 2}},
        {"the centre stays", {3, 4}, 57, {3, 4}, {3, 4}},
        {"straight above the centre", {1, 1}, 90, {1, 3}, {-1, 1}},
        {"by -90", {0, 0}, -90, {1, 0}, {0, -1}},
        {"by 450 as by 90", {0, 0}, 450, {1, 0}, {0, 1}},
        {"by -360 as by 0", {5, 5}, -360, {7, 6}, {7, 6}},
    };
    for (const auto& c : casi)
        vicino(c.atteso, Rotazione(c.centro, c.gradi)(c.p), c.nome);
}

TEST(Specchio, ReflectsAboutTheAxis)
{
    struct Caso {
        const char* nome;
        Punto a, b;
        Punto p, atteso;
    };
    const std::vector<Caso> casi = {
        {"x axis", {0, 0}, {1, 0}, {3, 1}, {3, -1}},
        {"vertical axis x = 2", {2, 0}, {2, 7}, {5, 4}, {-1, 4}},
        {"vertical axis drawn downwards", {2, 7}, {2, 0}, {5, 4}, {-1, 4}},
        {"axis points equal: vertical", {2, 2}, {2, 2}, {5, 4}, {-1, 4}},
        {"diagonal y = x", {0, 0}, {3, 3}, {1, 0}, {0, 1}},
        {"a point on the axis stays", {1, 1}, {4, 2}, {7, 3}, {7, 3}},
    };
    for (const auto& c : casi)
        vicino(c.atteso, Specchio(c.a, c.b)(c.p), c.nome);
}

TEST(VariazioneAngoloTesto, TheTurnReversedWithinMinus90To270)
{
    const std::vector<std::pair<double, double>> casi = {
        {0, 0},     {30, -30}, {90, -90},  {135, 225}, {180, 180}, {200, 160},
        {270, 90},  {360, 0},  {-30, 30},  {-90, 90},  {390, -30}, {89.999, -89.999},
    };
    for (const auto& [gradi, atteso] : casi)
        EXPECT_NEAR(atteso, variazioneAngoloTesto(gradi), 1e-6) << gradi;
}

Arco arco(Punto p1, Punto p2, Punto p3)
{
    Arco a;
    a.p1x = p1.x, a.p1y = p1.y, a.p2x = p2.x, a.p2y = p2.y, a.p3x = p3.x, a.p3y = p3.y;
    return a;
}

TEST(RiordinaEstremiArco, SwapsTheEndsOnlyWhenTheArcMissesTheThirdPoint)
{
    const double r = std::sqrt(2.0);
    // From (-1,1) the arc runs through the right-hand side to (-1,-1).
    Arco giusto = arco({-1, 1}, {-1, -1}, {r, 0});
    riordinaEstremiArco(giusto, {100, 100});
    EXPECT_EQ(giusto.p1x, -1);
    EXPECT_EQ(giusto.p1y, 1);

    Arco rovescio = arco({-1, 1}, {-1, -1}, {-r, 0});
    riordinaEstremiArco(rovescio, {100, 100});
    EXPECT_EQ(rovescio.p1y, -1);
    EXPECT_EQ(rovescio.p2y, 1);
    EXPECT_EQ(rovescio.p3x, -r); // the third point stays
}

TEST(RiordinaEstremiArco, ThreePointsOnOneLineTestAgainstTheBasePoint)
{
    // No circle: the base point stands in for the centre, and nothing breaks
    // even when it coincides with one of the arc's points.
    struct Caso {
        Punto base;
        double p1x; // after the test
    };
    const std::vector<Caso> casi = {{{0, 5}, 2}, {{0, -5}, 0}, {{1, 0}, 0}, {{0, 0}, 0}};
    for (const auto& c : casi) {
        Arco a = arco({0, 0}, {2, 0}, {1, 0});
        riordinaEstremiArco(a, c.base);
        EXPECT_EQ(a.p1x, c.p1x) << c.base.x << "," << c.base.y;
        EXPECT_EQ(a.p1x + a.p2x, 2);
        EXPECT_EQ(a.p3x, 1);
    }
}

} // namespace
} // namespace tramel
