#include "support/finestra_prova.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <tuple>

namespace tramel {
namespace {

TEST(Selzoom, FitsTheRectangleAtTheSmallerRatio)
{
    FinestraProva f(150, 110);
    f.motore.selzoom(0, 0, 50, 20);
    EXPECT_DOUBLE_EQ(f.stato.vista.scala, 3);
    EXPECT_EQ(f.stato.vista.origineX, 0);
    EXPECT_EQ(f.stato.vista.origineY, 0);
    EXPECT_EQ(f.riga.Label3, " 3");
    EXPECT_EQ(f.porte.notifier.occupatoLivello, 0);
    EXPECT_EQ(f.superficie.pulizie.size(), 1u); // redrawn
    f.motore.memxin();
    EXPECT_EQ(f.stato.finx, 0);
    EXPECT_EQ(f.stato.finy, 0);
    EXPECT_FLOAT_EQ(f.stato.finlarg, 50);
    EXPECT_NEAR(f.stato.finalt, 36.67, 0.01);
}

struct Adatta {
    const char* nome;
    double x1, y1, x2, y2;
    double scala, larghezza, altezza; // visible window in drawing units
};

class SelzoomForma : public testing::TestWithParam<Adatta> {};

TEST_P(SelzoomForma, AnchorsTheTopLeftCorner)
{
    const Adatta& a = GetParam();
    FinestraProva f(150, 110);
    f.motore.selzoom(a.x1, a.y1, a.x2, a.y2);
    f.motore.memxin();
    EXPECT_DOUBLE_EQ(f.stato.vista.scala, a.scala);
    EXPECT_FLOAT_EQ(f.stato.finx, a.x1);
    EXPECT_FLOAT_EQ(f.stato.finy, a.y1);
    EXPECT_FLOAT_EQ(f.stato.finlarg, a.larghezza);
    EXPECT_FLOAT_EQ(f.stato.finalt, a.altezza);
}

INSTANTIATE_TEST_SUITE_P(Rettangoli, SelzoomForma,
                         testing::Values(Adatta{"Wide", 10, 5, 310, 25, 0.5, 300, 220},
                                         Adatta{"Tall", 10, 5, 20, 105, 1.1, 150 / 1.1, 100},
                                         Adatta{"Negative", -40, -30, -10, -20, 5, 30, 22}),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST(Selzoom, NamedRecordKeepsTheViewInTheLog)
{
    FinestraProva f;
    f.stato.corrente().tipo = " Zoom Area ";
    f.motore.selzoom(1, 2, 11, 12);
    const recordcoma& r = f.stato.comandi.coma.at(1);
    EXPECT_EQ(r.tipo, " Zoom Area ");
    EXPECT_EQ(std::tie(r.x1, r.y1, r.x2, r.y2), std::make_tuple(1.0, 2.0, 11.0, 12.0));
    EXPECT_EQ(f.stato.comandi.comandoattivo, "Zoom Area");
    EXPECT_EQ(f.stato.comandi.numcomando, 2);
    EXPECT_EQ(f.stato.corrente().tipo, "");
    EXPECT_EQ(f.riga.Label1, "Comando: ");
}

TEST(Selzoom, BlankRecordLeavesTheLogAlone)
{
    FinestraProva f;
    f.motore.selzoom(1, 2, 11, 12);
    EXPECT_EQ(f.stato.comandi.numcomando, 1);
    EXPECT_EQ(f.stato.comandi.coma.size(), 2u);
    EXPECT_EQ(f.stato.comandi.coma[1].x1, 0);
    EXPECT_EQ(f.stato.comandi.comandoattivo, "");
}

TEST(Selzoom, ZeroClientHeightGivesTheSmallestScale)
{
    FinestraProva f(150, 0);
    f.motore.selzoom(0, 0, 50, 20);
    EXPECT_EQ(f.stato.vista.scala, 1e-13);
    EXPECT_EQ(f.riga.Label3, " 1E-13");
}

TEST(Selzoom, RectangleWithoutAScaleKeepsTheView)
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    const std::vector<std::array<double, 4>> rettangoli = {
        {0, 0, 0, 20}, {0, 0, 50, 0}, {5, 0, 1, 20}, {0, 5, 50, 1}, {nan, 0, 50, 20}, {0, 0, 50, nan},
        {0, 0, inf, 20}, {-inf, 0, 50, 20}, {-1e308, 0, 1e308, 20}, {0, 0, 1e-320, 1e-320},
    };
    for (const auto& [x1, y1, x2, y2] : rettangoli) {
        FinestraProva f;
        f.motore.selzoom(2, 3, 52, 23);
        f.stato.corrente().tipo = "Zoom Area";
        f.riga.Label1 = " Zoom_Primo punto: ";
        f.motore.selzoom(x1, y1, x2, y2);
        EXPECT_EQ(f.stato.vista.scala, 3) << x1 << " " << y1 << " " << x2 << " " << y2;
        EXPECT_EQ(f.stato.vista.origineX, 6);
        EXPECT_EQ(f.stato.vista.origineY, 9);
        EXPECT_EQ(f.riga.Label3, " 3");
        EXPECT_EQ(f.stato.comandi.numcomando, 1);
        EXPECT_EQ(f.riga.Label1, " Zoom_Primo punto: ");
        EXPECT_EQ(f.porte.notifier.occupatoLivello, 0);
        EXPECT_EQ(f.superficie.pulizie.size(), 1u); // only the first zoom redrew
    }
}

TEST(Memxin, FarWindowSaturatesAtTheSingleRange)
{
    FinestraProva f;
    f.motore.selzoom(1e300, -1e300, 2e300, -0.5e300);
    EXPECT_FLOAT_EQ(f.stato.vista.origineX, 150);
    f.motore.memxin();
    EXPECT_EQ(f.stato.finx, std::numeric_limits<float>::max());
    EXPECT_EQ(f.stato.finy, -std::numeric_limits<float>::max());
    EXPECT_EQ(f.stato.finlarg, std::numeric_limits<float>::max());
}

} // namespace
} // namespace tramel

namespace tramel {

TEST(Ridisegno, BackgroundAndGridLeaveTheSecondBoxDisabled)
{
    FinestraProva f;
    for (void (CommandEngine::*routine)() : {&CommandEngine::redraw, &CommandEngine::impostdistipo}) {
        f.riga.Text[2].abilitata = true;
        (f.motore.*routine)();
        EXPECT_FALSE(f.riga.Text[2].abilitata);
    }
    EXPECT_EQ(f.porte.notifier.occupatoLivello, 0); // the busy pointer is given back
}

} // namespace tramel
