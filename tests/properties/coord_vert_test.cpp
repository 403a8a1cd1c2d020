#include "properties/coord_vert.h"

#include "platform/fake_ports.h"

#include <gtest/gtest.h>

namespace tramel {
namespace {

struct CoordVertTest : ::testing::Test {
    FakeNotifier notifier;
    NumberFormat it{",", "."};
    ColonneVertici colonne{notifier, it};

    CoordVertTest()
    {
        for (int i = 1; i <= 5; ++i)
            colonne.righe.push_back({Coordinata::di(i, std::to_string(i)), Coordinata::di(-i, std::to_string(-i))});
    }
    std::vector<std::string> xs() const
    {
        std::vector<std::string> v;
        for (const auto& r : colonne.righe)
            v.push_back(r.x.testo);
        return v;
    }
    // One use of a button: the box as the user fills it, then its action.
    MostraCoordVert digita(std::string x, std::string y, bool* accettato = nullptr)
    {
        return [=](CoordVert& box) {
            if (box.Text1Visibile)
                box.Text1 = x;
            box.Text2 = y;
            const bool ok = box.Command1_Click();
            if (accettato)
                *accettato = ok;
        };
    }
};

TEST_F(CoordVertTest, InsertGoesAfterTheSelectedRowOrOnTop)
{
    colonne.Command6_Click("Coordinate Vertici Superficie", [](CoordVert& box) {
        EXPECT_EQ(box.Frame4, "Inserisci Vertice Prima del N. 1");
        box.Text1 = "7";
        box.Text2 = "8";
        box.Command1_Click();
    });
    colonne.List1_Click(5);
    colonne.Command6_Click("Coordinate Vertici Superficie", digita("9", "9"));
    EXPECT_EQ(xs(), (std::vector<std::string>{"         7", "1", "2", "3", "4", "5", "         9"}));
    // No row is selected after an insertion.
    EXPECT_EQ(colonne.selezionata, -1);
    EXPECT_EQ(colonne.tooltip6, "Inserisci Vertice Prima del N. 1");
}

TEST_F(CoordVertTest, ModifyReplacesTheRowInPlaceRoundedToThreeDecimals)
{
    colonne.List1_Click(2);
    colonne.Command3_Click("Coordinate Vertici Rettangolo", [](CoordVert& box) {
        EXPECT_EQ(box.Frame4, "Coordinate Vertice N. 3");
        EXPECT_EQ(box.Command1, "Registra Modifica");
        EXPECT_EQ(std::tuple(box.Text1, box.Text2), std::tuple("3", "-3"));
        box.Text1 = "2" + box.Text_KeyPress('.') + "12345";
        box.Text2 = "1e2";
        EXPECT_TRUE(box.Command1_Click());
    });
    EXPECT_EQ(xs(), (std::vector<std::string>{"1", "2", "     2,123", "4", "5"}));
    EXPECT_EQ(colonne.righe[2].y.testo, "       100");
    EXPECT_EQ(colonne.punti()->at(2).x, 2.123);
}

TEST_F(CoordVertTest, ANonNumberKeepsTheBoxOpenAndTheRowsAsTheyWere)
{
    for (const auto& [x, y] : {std::pair{"", "1"}, std::pair{"1", "a"}, std::pair{"1e999", "1"}}) {
        bool accettato = true;
        colonne.Command6_Click("Coordinate Vertici Polilinea", digita(x, y, &accettato));
        EXPECT_FALSE(accettato);
    }
    EXPECT_EQ(colonne.righe.size(), 5u);
    EXPECT_EQ(notifier.beeps, 3);
    EXPECT_EQ(notifier.messaggi.back().testo, "Inserire coordinate con formato numerico corretto");
}

TEST_F(CoordVertTest, DeleteAndModifyWithoutARowBeepAndDisableThemselves)
{
    colonne.Command3 = colonne.Command7 = true;
    colonne.Command3_Click("Coordinate Vertici Superficie", [](CoordVert&) { FAIL(); });
    colonne.Command7_Click("Coordinate Vertici Superficie", [](CoordVert&) { FAIL(); });
    EXPECT_FALSE(colonne.Command3 || colonne.Command7);
    EXPECT_EQ(notifier.beeps, 2);

    colonne.righe.resize(3);
    colonne.List1_Click(0);
    EXPECT_TRUE(colonne.Command7);
    colonne.Command7_Click("Coordinate Vertici Superficie", [](CoordVert& box) { box.Command1_Click(); });
    EXPECT_EQ(xs(), (std::vector<std::string>{"2", "3"}));
    EXPECT_FALSE(colonne.Command7);
}

TEST_F(CoordVertTest, ACircleChangesItsCentreRowOrOnlyItsRadius)
{
    colonne.righe.resize(2);
    colonne.righe[1].x = Coordinata::di(0, "Raggio= ");
    colonne.List1_Click(1);
    colonne.Command3_Click("Proprietà Cerchio Selezionato", [](CoordVert& box) {
        EXPECT_EQ(std::tuple(box.Frame4, box.Label10, box.Text1Visibile), std::tuple("Raggio Cerchio", "R =", false));
        box.Text1 = "not read";
        box.Text2 = "4";
        EXPECT_TRUE(box.Command1_Click());
    });
    EXPECT_EQ(xs(), (std::vector<std::string>{"1", "Raggio= "}));
    EXPECT_EQ(colonne.righe[1].y.testo, "         4");
    colonne.List1_Click(0);
    colonne.Command3_Click("Proprietà Cerchio Selezionato", digita("5", "6"));
    EXPECT_EQ(colonne.righe[0].y.testo, "         6");
    EXPECT_EQ(xs(), (std::vector<std::string>{"         5", "Raggio= "}));
    // A circle's rows are never inserted or deleted.
    colonne.Command6_Click("Proprietà Cerchio Selezionato", digita("1", "1"));
    EXPECT_EQ(colonne.righe.size(), 2u);
}

} // namespace
} // namespace tramel
