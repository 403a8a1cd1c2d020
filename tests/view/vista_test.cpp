#include "view/vista.h"

#include <gtest/gtest.h>


namespace tramel {
namespace {

Vista client(double larghezzaMm, double altezzaMm)
{
    Vista v;
    v.larghezzaMm = larghezzaMm;
    v.altezzaMm = altezzaMm;
    return v;
}

TEST(RapportoScala, TheSmallerRatioWinsSoTheWholeRectangleFits)
{
    const Vista v = client(150, 110);
    EXPECT_DOUBLE_EQ(rapportoScala(v, 0, 0, 50, 20), 3);     // 150/50 against 110/20
    EXPECT_DOUBLE_EQ(rapportoScala(v, 0, 0, 10, 100), 1.1); // a tall rectangle: its height decides
    EXPECT_DOUBLE_EQ(rapportoScala(v, 5, 5, 55, 25), 3);    // only the sides count
}

TEST(RapportoScala, ZeroClientSideGivesTheSmallestScale)
{
    EXPECT_EQ(rapportoScala(client(150, 0), 0, 0, 50, 20), 1e-13);
    EXPECT_EQ(rapportoScala(client(0, 110), 0, 0, 50, 20), 1e-13);
}

TEST(FinestraVisibile, ClientAreaDividedByTheScale)
{
    Vista v = client(150, 110);
    v.scala = 3;
    Riquadro f = finestraVisibile(v);
    EXPECT_DOUBLE_EQ(f.x1, 0);
    EXPECT_DOUBLE_EQ(f.y1, 0);
    EXPECT_DOUBLE_EQ(f.x2, 50);
    EXPECT_NEAR(f.y2, 36.667, 1e-3);

    // The top-left corner of a zoomed rectangle lands at the client's top-left corner.
    v.origineX = 30; // x1 = 10
    v.origineY = 60; // y1 = 20
    f = finestraVisibile(v);
    EXPECT_DOUBLE_EQ(f.x1, 10);
    EXPECT_DOUBLE_EQ(f.y1, 20);
    EXPECT_DOUBLE_EQ(f.x2, 60);
}

TEST(Dispositivo, DrawingPointsGoToPixelsFromTheScaleOriginAndBack)
{
    Vista v = client(150, 110);
    v.scala = 3;
    v.origineX = 30;
    v.origineY = 60;
    v.dpiX = 96;
    v.dpiY = 192;
    const Punto p = dispositivoDaDisegno(v, 20, 30); // window (60, 90) mm
    EXPECT_DOUBLE_EQ(p.x, 30 * 96 / 25.4);
    EXPECT_DOUBLE_EQ(p.y, 30 * 192 / 25.4);
    const Punto d = disegnoDaDispositivo(v, p.x, p.y);
    EXPECT_NEAR(d.x, 20, 1e-12);
    EXPECT_NEAR(d.y, 30, 1e-12);
    EXPECT_NEAR(disegnoDaPixelX(v, 96 / 25.4), 1.0 / 3, 1e-12);
    EXPECT_NEAR(disegnoDaPixelY(v, 192 / 25.4), 1.0 / 3, 1e-12);
    EXPECT_DOUBLE_EQ(larghezzaPixel(v), 150 * 96 / 25.4);
    EXPECT_DOUBLE_EQ(altezzaPixel(v), 110 * 192 / 25.4);
}

} // namespace
} // namespace tramel
