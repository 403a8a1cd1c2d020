#include "view/ritaglio.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace tramel {
namespace {

constexpr double L = 100; // a small band, to keep the numbers readable

TEST(RitagliaSegmento, KeepsTheInsidePartOnTheSameLine)
{
    Punto a{0, 0}, b{50, 20};
    ASSERT_TRUE(ritagliaSegmento(a, b, L));
    EXPECT_EQ(a, (Punto{0, 0})); // wholly inside: unchanged
    EXPECT_EQ(b, (Punto{50, 20}));

    a = {-300, 10};
    b = {300, 40};
    ASSERT_TRUE(ritagliaSegmento(a, b, L));
    EXPECT_DOUBLE_EQ(a.x, -100);
    EXPECT_DOUBLE_EQ(a.y, 20); // on the line y = 25 + x / 20
    EXPECT_DOUBLE_EQ(b.x, 100);
    EXPECT_DOUBLE_EQ(b.y, 30);

    a = {-1e12, -1e12};
    b = {1e12, 1e12};
    ASSERT_TRUE(ritagliaSegmento(a, b, L));
    EXPECT_EQ(a, (Punto{-100, -100}));
    EXPECT_EQ(b, (Punto{100, 100}));
}

TEST(RitagliaSegmento, NothingLeftOutsideTheBand)
{
    Punto a{200, 0}, b{300, 50};
    EXPECT_FALSE(ritagliaSegmento(a, b, L));
    a = {50, 300};
    b = {300, 50}; // passes the corner outside
    EXPECT_FALSE(ritagliaSegmento(a, b, L));
    a = {std::nan(""), 0};
    b = {0, 0};
    EXPECT_FALSE(ritagliaSegmento(a, b, L));
}

TEST(RitagliaSpezzata, SplitsWhereTheChainLeavesTheBand)
{
    // In, out to the right, back in, and a last segment wholly outside.
    const std::vector<Punto> punti = {{0, 0}, {50, 0}, {300, 0}, {300, 50}, {50, 50}, {0, 50}, {0, 500}, {50, 500}};
    const auto pezzi = ritagliaSpezzata(punti, L);
    ASSERT_EQ(pezzi.size(), 2u);
    EXPECT_EQ(pezzi[0], (std::vector<Punto>{{0, 0}, {50, 0}, {100, 0}}));
    EXPECT_EQ(pezzi[1], (std::vector<Punto>{{100, 50}, {50, 50}, {0, 50}, {0, 100}}));
}

double area(const std::vector<Punto>& p)
{
    double a = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const Punto& u = p[i];
        const Punto& v = p[(i + 1) % p.size()];
        a += u.x * v.y - v.x * u.y;
    }
    return std::abs(a) / 2;
}

TEST(RitagliaPoligono, CoversTheSameAreaInsideTheBand)
{
    // A triangle reaching far out: the part inside is the band's lower half.
    const std::vector<Punto> triangolo = {{-1e9, 0}, {1e9, 0}, {0, 1e9}};
    const auto r = ritagliaPoligono(triangolo, L);
    for (const Punto& p : r) {
        EXPECT_LE(std::abs(p.x), L);
        EXPECT_LE(std::abs(p.y), L);
    }
    EXPECT_NEAR(area(r), 200 * 100, 1e-6);

    // A polygon that encloses the whole band becomes the band.
    const std::vector<Punto> grande = {{-1e7, -1e7}, {1e7, -1e7}, {1e7, 1e7}, {-1e7, 1e7}};
    EXPECT_NEAR(area(ritagliaPoligono(grande, L)), 200 * 200, 1e-6);
    // One wholly outside vanishes.
    EXPECT_TRUE(ritagliaPoligono({{200, 200}, {300, 200}, {300, 300}}, L).empty());
}

bool nelPoligono(const std::vector<Punto>& poligono, Punto p)
{
    bool dentro = false;
    for (std::size_t i = 0, j = poligono.size() - 1; i < poligono.size(); j = i++) {
        const Punto& a = poligono[i];
        const Punto& b = poligono[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y))
            dentro = !dentro;
    }
    return dentro;
}

// Within reach of the screen's middle the polygon covers the disc exactly:
// small and whole, huge with the screen just inside it (seen at the angle 0,
// where its chain wraps, and at 180 degrees), the screen deep inside; and
// nothing for circles out of reach.
TEST(PoligonoCerchio, CoversTheDiscWithinReach)
{
    const struct {
        Punto centro;
        double raggio;
        bool vuoto;
    } casi[] = {{{10, 20}, 50, false},   {{-1e9 + 10, 0}, 1e9, false}, {{1e9 - 10, 3}, 1e9, false},
                {{-5, -5}, 1e9, false},  {{1e9, 0}, 10, true},         {{3e9, 0}, 1e9, true}};
    for (const auto& c : casi) {
        const std::vector<Punto> p = poligonoCerchio(c.centro, c.raggio, {0, 0}, 1000);
        ASSERT_EQ(p.empty(), c.vuoto) << c.centro.x;
        if (c.vuoto)
            continue;
        for (double x = -900; x <= 900; x += 7.5)
            for (double y = -600; y <= 600; y += 7.5) {
                const double scarto = std::hypot(x - c.centro.x, y - c.centro.y) - c.raggio;
                if (std::abs(scarto) > 0.5 && std::hypot(x, y) < 1000) {
                    ASSERT_EQ(nelPoligono(p, {x, y}), scarto < 0) << c.centro.x << ' ' << x << ',' << y;
                }
            }
    }
}

TEST(CordeArco, ANearlyWholeHugeArcSeenAtItsGapGivesBothEnds)
{
    // Radius 1e6 about (0, 1e6): its top touches the origin. The arc runs the
    // long way round from 50 pixels left of the top to 50 right of it.
    constexpr double r = 1e6, g = 50 / r, top = std::numbers::pi / 2;
    const auto catene = cordeArco({0, r}, r, top + g, 2 * std::numbers::pi - 2 * g, {0, 0}, 200);
    ASSERT_EQ(catene.size(), 2u);
    EXPECT_NEAR(catene[0].front().x, -50, 1e-6); // from its start to the disc's edge
    EXPECT_NEAR(catene[0].back().x, -200, 0.5);
    EXPECT_NEAR(catene[1].front().x, 200, 0.5); // from the disc's edge to its end
    EXPECT_NEAR(catene[1].back().x, 50, 1e-6);
    for (const auto& catena : catene)
        for (std::size_t i = 1; i < catena.size(); ++i) {
            const Punto m{(catena[i - 1].x + catena[i].x) / 2, (catena[i - 1].y + catena[i].y) / 2};
            EXPECT_LT(r - std::hypot(m.x, m.y - r), 0.25); // each chord within a quarter pixel of the arc
        }
    EXPECT_TRUE(cordeArco({0, r}, r, top + g, 2 * std::numbers::pi - 2 * g, {0, -300}, 200).empty());
}

} // namespace
} // namespace tramel
