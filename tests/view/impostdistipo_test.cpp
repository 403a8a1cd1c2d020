#include "support/finestra_prova.h"
#include "view/impostdistipo.h"

#include "platform/palette.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tramel {
namespace {

const std::string ANTEPRIMA = colore(Palette::color(5)); // the default grid colour

struct Griglia : FinestraProva {
    explicit Griglia(double scala, double x1 = 0, double y1 = 0) : FinestraProva(VistaProva{scala, x1, y1})
    {
        stato.aiuti.grigliaattiva = "ON";
        stato.sfondoFinestra = Palette::color(15);
    }
    std::vector<std::string> punti() const { return superficie.solo({"SetPixel"}); }
};

TEST(Impostdistipo, GridShownUpTo100StepsAcrossAndNotAt101)
{
    Griglia cento(1.5); // 150 mm / 1.5 = 100 units, step 1
    impostdistipo(cento.stato, cento.superficie);
    // 101 columns by 74 rows (110 / 1.5 = 73.3 steps down), from the top-left corner.
    ASSERT_EQ(cento.punti().size(), 101u * 74u);
    EXPECT_EQ(cento.punti().front(), "SetPixel(0,0," + ANTEPRIMA + ")");
    EXPECT_EQ(cento.punti()[1], "SetPixel(0,15," + ANTEPRIMA + ")"); // outer loop across: the column first
    EXPECT_EQ(cento.punti().back(), "SetPixel(1500,1095," + ANTEPRIMA + ")");

    Griglia centouno(1.5);
    centouno.stato.vista.larghezzaMm = 151.5; // 101 units
    impostdistipo(centouno.stato, centouno.superficie);
    EXPECT_TRUE(centouno.punti().empty());
}

TEST(Impostdistipo, DotsStartAtTheStepBeforeTheViewsCorner)
{
    Griglia g(3, 2.5, -2.5); // origin (7.5, -7.5) mm
    g.stato.vista.larghezzaMm = 60;
    g.stato.vista.altezzaMm = 30;
    impostdistipo(g.stato, g.superficie);
    // Columns from 2 (6 mm), rows from -3 (-9 mm): 15 pixels before the corner on both axes.
    EXPECT_EQ(g.punti().front(), "SetPixel(-15,-15," + ANTEPRIMA + ")");
    EXPECT_EQ(g.punti().size(), 21u * 11u);
}

TEST(Impostdistipo, NoDotsForAStepOfZeroOrBelowOrWithTheGridOff)
{
    for (float p : {0.0f, -1.0f, std::nanf("")}) {
        Griglia g(1.5);
        g.stato.aiuti.passogriglia = p;
        impostdistipo(g.stato, g.superficie);
        EXPECT_TRUE(g.punti().empty()) << p;
    }
    Griglia spenta(1.5);
    spenta.stato.aiuti.grigliaattiva = "OFF";
    impostdistipo(spenta.stato, spenta.superficie);
    EXPECT_TRUE(spenta.punti().empty());
}

TEST(Impostdistipo, ADegenerateScaleDrawsNoEndlessColumnOfDots)
{
    Griglia g(1e-13); // as a client area of zero width leaves it
    g.stato.vista.larghezzaMm = 0;
    impostdistipo(g.stato, g.superficie);
    EXPECT_TRUE(g.punti().empty());
}

TEST(Impostdistipo, BackgroundClearsOnlyWhenItsColourChanges)
{
    Griglia g(3);
    g.stato.aiuti.grigliaattiva = "OFF";
    impostdistipo(g.stato, g.superficie);
    EXPECT_TRUE(g.superficie.pulizie.empty()); // white already

    g.stato.colori.colsfondo = Variant(3.0); // as the settings dialog stores it
    impostdistipo(g.stato, g.superficie);
    impostdistipo(g.stato, g.superficie);
    EXPECT_EQ(g.superficie.pulizie, (std::vector<Rgb>{Palette::color(3)}));
    EXPECT_EQ(g.stato.sfondoFinestra, Palette::color(3));
}

TEST(Impostdistipo, HidesTheRubberBandsAndColoursTheCrossHair)
{
    Griglia g(3);
    Overlay& o = g.stato.overlay;
    o.Line3.visibile = o.Shape1.visibile = o.Shape2.visibile = o.Shape3.visibile = true;
    o.Line1.visibile = true;
    g.stato.colori.colanteprima = Variant(std::int16_t{12});
    impostdistipo(g.stato, g.superficie);
    EXPECT_FALSE(o.Line3.visibile || o.Shape1.visibile || o.Shape2.visibile || o.Shape3.visibile);
    EXPECT_TRUE(o.Line1.visibile); // the cross-hair stays where it is
    EXPECT_EQ(o.Line1.colore, Palette::color(12));
    EXPECT_EQ(o.Line2.colore, Palette::color(12));
}

TEST(GrigliaPunti, MultiplesOfTheStepFromTheCornerOrBefore)
{
    // As the settings dialog's preview uses it: a box from (0, 0).
    auto g = grigliaPunti(0, 0, 40, 30, 7);
    ASSERT_TRUE(g);
    EXPECT_EQ(g->x0, 0);
    EXPECT_EQ(g->y0, 0);
    EXPECT_EQ(g->passiX, 5);
    EXPECT_EQ(g->passiY, 4);

    g = grigliaPunti(-2.5, 2.5, 10, 10, 2);
    ASSERT_TRUE(g);
    EXPECT_EQ(g->x0, -4);
    EXPECT_EQ(g->y0, 2);
    EXPECT_FALSE(grigliaPunti(0, 0, 10, 10, 0));
    // Counts that no integer holds saturate instead of overflowing.
    EXPECT_EQ(grigliaPunti(0, 0, 1e300, 1, 1)->passiX, std::numeric_limits<std::int32_t>::max());
}

} // namespace
} // namespace tramel
