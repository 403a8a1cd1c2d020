#include "shell/tavola.h"

#include "entities/strumenti_dc.h"
#include "platform/palette.h"

#include <QImage>
#include <gtest/gtest.h>

namespace tramel {
namespace {

const Rgb rosso = Palette::color(ROSSO);
const Rgb blu = Palette::color(BLU);

void riga(Tavola& t, int y, Rgb colore)
{
    Dc& dc = t.dc();
    const OggettoSelezionato penna(dc, dc.CreatePen(PS_SOLID, 1, colore));
    dc.Polyline({{0, y}, {40, y}});
}

struct TavolaProva : ::testing::Test {
    ValoriModulo modulo;
    DrawingState stato{modulo};
    Tavola tavola{stato};

    TavolaProva()
    {
        tavola.resize(40, 30);
        tavola.show();
        tavola.cls(RGB(255, 255, 255));
    }
    QRgb schermo(int x, int y) { return tavola.grab().toImage().pixel(x, y); }
};

// With the persistent drawing off a drawing lands on the transient layer,
// shown over the picture; a clear empties that layer and leaves the picture.
TEST_F(TavolaProva, TransientLayerOverThePictureClearedAlone)
{
    riga(tavola, 5, blu);
    tavola.persistente(false);
    riga(tavola, 10, rosso);
    EXPECT_EQ(tavola.immagine().pixel(3, 10), qRgb(255, 255, 255));
    EXPECT_EQ(tavola.transitoria().pixel(3, 10), qRgb(255, 0, 0));
    EXPECT_EQ(schermo(3, 10), qRgb(255, 0, 0));
    EXPECT_EQ(schermo(3, 5), qRgb(0, 0, 255));

    tavola.cls(RGB(0, 0, 0));
    EXPECT_EQ(qAlpha(tavola.transitoria().pixel(3, 10)), 0);
    EXPECT_EQ(schermo(3, 10), qRgb(255, 255, 255));
    EXPECT_EQ(schermo(3, 5), qRgb(0, 0, 255));
}

// Switching the persistent drawing on again takes the last ghost away, and
// drawing goes back into the picture.
TEST_F(TavolaProva, PersistentAgainEmptiesTheTransientLayer)
{
    tavola.persistente(false);
    riga(tavola, 10, rosso);
    tavola.persistente(true);
    EXPECT_EQ(schermo(3, 10), qRgb(255, 255, 255));
    riga(tavola, 12, blu);
    EXPECT_EQ(tavola.immagine().pixel(3, 12), qRgb(0, 0, 255));
    EXPECT_EQ(qAlpha(tavola.transitoria().pixel(3, 12)), 0);
}

} // namespace
} // namespace tramel
