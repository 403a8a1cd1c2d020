#include "synthetic.h"

#include "geometry/intersezioni.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace tramel {
namespace {

TEST(DisegnoSintetico, EveryKindHasTheAskedCount)
{
    const auto d = disegnoSintetico(7, 1);
    EXPECT_EQ(d->linee.Count(), 7);
    EXPECT_EQ(d->polilinee.Count(), 7);
    EXPECT_EQ(d->rettangoli.Count(), 7);
    EXPECT_EQ(d->superfici.Count(), 7);
    EXPECT_EQ(d->cerchi.Count(), 7);
    EXPECT_EQ(d->archi.Count(), 7);
    EXPECT_EQ(d->testi.Count(), 7);
}

TEST(DisegnoSintetico, SameSeedSameDrawingOnEveryPlatform)
{
    const auto a = disegnoSintetico(20, 42);
    const auto b = disegnoSintetico(20, 42);
    const auto c = disegnoSintetico(20, 43);
    for (int i = 1; i <= 20; ++i) {
        EXPECT_EQ(a->linee.Item(i).Xf, b->linee.Item(i).Xf);
        EXPECT_EQ(a->archi.Item(i).p3y, b->archi.Item(i).p3y);
        EXPECT_EQ(a->testi.Item(i).stringa_testo, b->testi.Item(i).stringa_testo);
        EXPECT_EQ(a->superfici.Item(i).vertic(), b->superfici.Item(i).vertic());
    }
    EXPECT_NE(a->linee.Item(1).Xi, c->linee.Item(1).Xi);
    // Pinned: a change here means drawings from earlier runs are no longer reproduced.
    EXPECT_DOUBLE_EQ(a->linee.Item(1).Xi, 183.43478767201304);
}

TEST(DisegnoSintetico, ShortEntitiesSpreadOverTheExtent)
{
    const double extent = 200, size = 4;
    const auto d = disegnoSintetico(200, 5, extent, size);
    double minX = extent, maxX = 0;
    for (int i = 1; i <= d->linee.Count(); ++i) {
        const Linea& l = d->linee.Item(i);
        EXPECT_GE(l.Xi, 0);
        EXPECT_LT(l.Xi, extent);
        EXPECT_LE(std::abs(l.Xf - l.Xi), size);
        EXPECT_LE(std::abs(l.Yf - l.Yi), size);
        minX = std::min(minX, l.Xi);
        maxX = std::max(maxX, l.Xi);
    }
    EXPECT_LT(minX, extent / 10);
    EXPECT_GT(maxX, extent * 9 / 10);
}

TEST(DisegnoSintetico, MeasuresAreSet)
{
    const auto d = disegnoSintetico(50, 9);
    for (int i = 1; i <= 50; ++i) {
        const Cerchio& c = d->cerchi.Item(i);
        EXPECT_NEAR(c.raggio, std::hypot(c.Xpunto - c.Xcentro, c.YPunto - c.Ycentro), 1e-12);
        EXPECT_NEAR(c.supf, pigreco * c.raggio * c.raggio, 1e-9);
        EXPECT_GT(c.perimet, 0);
        EXPECT_GT(d->rettangoli.Item(i).supf, 0);
        EXPECT_GT(d->superfici.Item(i).supf, 0);
        EXPECT_GT(d->superfici.Item(i).perimet, 0);
    }
}

// How far the angle falls going from a to b, in [0, 2*pi).
double caduta(double a, double b)
{
    return std::fmod(a - b + 4 * pigreco, 2 * pigreco);
}

TEST(DisegnoSintetico, ArcsRunThroughFallingAnglesPastTheirMiddlePoint)
{
    const auto d = disegnoSintetico(100, 3);
    for (int i = 1; i <= 100; ++i) {
        SCOPED_TRACE(testing::Message() << "arc " << i);
        const Arco& a = d->archi.Item(i);
        double xc = 0, yc = 0, r = -1;
        a.Calcola_Xc_Yc_Raggio_arco(xc, yc, r);
        ASSERT_GT(r, 0);
        const double a1 = std::atan2(a.p1y - yc, a.p1x - xc);
        const double a2 = std::atan2(a.p2y - yc, a.p2x - xc);
        const double a3 = std::atan2(a.p3y - yc, a.p3x - xc);
        EXPECT_NEAR(caduta(a1, a3), caduta(a1, a2) / 2, 1e-6);
    }
}

} // namespace
} // namespace tramel
