#include "view/griglia_riquadri.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

namespace tramel {
namespace {

void costruisci(GrigliaRiquadri& g, const std::vector<Riquadro>& r)
{
    g.costruisci(static_cast<int>(r.size()), [&](int i) { return r[static_cast<std::size_t>(i - 1)]; });
}

std::vector<int> cerca(const GrigliaRiquadri& g, const Riquadro& finestra)
{
    std::vector<int> p;
    g.cerca(finestra, p);
    return p;
}

TEST(GrigliaRiquadri, FindsWhatMeetsTheWindowInOrder)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::vector<Riquadro> r;
    for (int i = 0; i < 100; ++i) // a row of unit boxes 0-1, 2-3, ... 198-199
        r.push_back({2.0 * i, 0, 2.0 * i + 1, 1});
    r.push_back({-1000, -1000, 1000, 1000}); // 101: far larger than a cell
    r.push_back({-inf, 5, inf, 5});          // 102: endless, below the row
    r.push_back({nan, 0, 1, 1});             // 103: not a number, never found
    r.push_back({});                         // 104: empty
    r.push_back({0.1, 0.1, 0.3, 0.3});       // 105: not held exactly by a float
    GrigliaRiquadri g;
    costruisci(g, r);
    EXPECT_EQ(cerca(g, {-0.5, -0.5, 0.1, 0.1}), (std::vector<int>{1, 101, 105})); // its corners still touch
    EXPECT_EQ(cerca(g, {0.3, 0.3, 0.5, 0.5}), (std::vector<int>{1, 101, 105}));
    EXPECT_EQ(cerca(g, {3, 0, 4, 1}), (std::vector<int>{2, 3, 101})); // borders touch 2 and 3
    EXPECT_EQ(cerca(g, {1.5, 0.5, 1.9, 0.6}), (std::vector<int>{101}));
    EXPECT_EQ(cerca(g, {150, 4, 150, 6}), (std::vector<int>{101, 102}));
    EXPECT_EQ(cerca(g, {2000, 0, 3000, 1}), (std::vector<int>{}));
    EXPECT_EQ(cerca(g, {nan, 0, 1, 1}), (std::vector<int>{}));
    EXPECT_EQ(cerca(g, {-inf, -inf, inf, inf}).size(), 103u);
    costruisci(g, {});
    EXPECT_EQ(cerca(g, {-inf, -inf, inf, inf}), (std::vector<int>{}));

    // Boxes of no height, horizontal lines on one row: one enters the window from the left.
    std::vector<Riquadro> righe;
    for (int i = 0; i < 102; ++i)
        righe.push_back({2.0 * i, 3, 2.0 * i + 1, 3});
    righe.push_back({1.5, 3, 10.5, 3});
    costruisci(g, righe);
    EXPECT_EQ(cerca(g, {10, 2, 12, 4}), (std::vector<int>{6, 7, 103}));
}

// Boxes of every size, crowded and spread, against a plain test of each: laid
// out at once, or some appended one by one and in groups after the layout
// (enough, from 500, for it to be laid out again).
TEST(GrigliaRiquadri, AgreesWithTestingEveryBox)
{
    std::mt19937 gen(7);
    // In 1/1024ths, which single precision holds exactly.
    const auto u = [&](double a, double b) {
        return std::round((a + (b - a) * (gen() / 4294967296.0)) * 1024) / 1024;
    };
    std::vector<Riquadro> r;
    for (int i = 0; i < 3000; ++i) {
        const double x = i % 3 ? u(0, 1000) : u(400, 410), y = u(0, 500);
        const double lato = i % 50 ? u(0, 8) : u(0, 600);
        r.push_back({x, y, x + lato, y + u(0, lato)});
    }
    for (const int disposte : {3000, 2990, 500}) {
        GrigliaRiquadri g;
        g.costruisci(disposte, [&](int i) { return r[static_cast<std::size_t>(i - 1)]; });
        for (int n = disposte; n < 3000;) {
            n = std::min(3000, n + 1 + n % 13);
            g.aggiungi(n, [&](int i) { return r[static_cast<std::size_t>(i - 1)]; });
        }
        ASSERT_EQ(g.conteggio(), 3000);
        for (int k = 0; k < 200; ++k) {
            const double x = u(-100, 1100), y = u(-100, 600), lato = u(0, k % 2 ? 20 : 400);
            const Riquadro f{x, y, x + lato, y + lato};
            std::vector<int> attese;
            for (std::size_t i = 0; i < r.size(); ++i)
                if (siToccano(r[i], f))
                    attese.push_back(static_cast<int>(i) + 1);
            ASSERT_EQ(cerca(g, f), attese) << disposte << ' ' << k;
        }
    }
}

} // namespace
} // namespace tramel
