// The dialogs as the window's engine opens them: "Testo" and "Proprietà Oggetto".
#include "prova_dialoghi.h"

#include "properties/gesttesto.h"
#include "properties/proprieta_oggetto.h"
#include "properties/tipo_linea.h"

#include <gtest/gtest.h>

namespace tramel {
namespace {

struct SessioneDialoghi : ProvaDialoghi {
    Dialoghi dialoghi;
    std::vector<std::string> aperti; // the captions of the dialogs shown, in order

    void collega() { collegaDialoghi(motore.agganci(), f, dialoghi); }
};

TEST_F(SessioneDialoghi, TestoPlacesTheTextAtTheClickedPoint)
{
    dialoghi.gesttesto = [this](Gesttesto& d) {
        aperti.push_back(d.Label1);
        EXPECT_EQ(std::tuple(d.Text3.testo, d.Text4.testo), std::tuple("3", "4,5"));
        d.Text3.testo = "99"; // the boxes are not read for a new text
        d.Text1_Change("Ciao");
        d.Text2 = "30";
        EXPECT_TRUE(d.Command1_Click());
    };
    collega();
    start("Testo");
    click(3, 4.5);
    ASSERT_EQ(aperti, std::vector<std::string>{"Inserisci Testo"});
    ASSERT_EQ(stato.dis.testi.Count(), 1);
    const testo& t = stato.dis.testi.Item(1);
    EXPECT_EQ(std::tuple(t.stringa_testo, t.pos_testox, t.pos_testoy, t.ang_testo()), std::tuple("Ciao", 3.0, 4.5, 30));
    // Transparent, yet it keeps the background shown: the window's.
    EXPECT_EQ(std::tuple(t.opaco_testo, t.colore_opaco_testo, t.nomeCarattere(), t.dimens_testo),
              std::tuple(FALSO, RGB(255, 255, 255), "Arial", 10.0f));
    EXPECT_EQ(std::tuple(stato.dasalvare, stato.cisonotesti), std::tuple(1, 1));
    EXPECT_EQ(stato.corrente().tipo, "");
    EXPECT_EQ(riga.Label1, "Comando: ");
}

TEST_F(SessioneDialoghi, AnEmptyTextEndsTheCommandWithoutAText)
{
    dialoghi.gesttesto = [](Gesttesto& d) { EXPECT_TRUE(d.Command1_Click()); };
    collega();
    start("Testo");
    click(3, 4);
    EXPECT_EQ(stato.dis.testi.Count(), 0);
    EXPECT_EQ(stato.corrente().tipo, "");
}

TEST_F(SessioneDialoghi, ProprietaOggettoShowsOneDialogPerKindInOrder)
{
    stato.cisonooggetti = 1;
    Linea& a = aggiungi(unaLinea(0, 0, 5, 0, RGB(1, 0, 0), 5));
    Linea& b = aggiungi(unaLinea(0, 2, 5, 2, RGB(0, 1, 0), 7));
    Arco& c = aggiungi(unArco({1, 5}, {3, 5}, {2, 4}, RGB(0, 0, 1), 9));
    const Arco arcoPrima = c;
    dialoghi.tipoLinea = [this](TipoLinea& d) {
        aperti.push_back(d.caption);
        if (d.caption == "Proprietà Linee Selezionate") {
            porte.colori.scelte = {RGB(7, 7, 7)};
            d.Command4_Click();
            EXPECT_TRUE(d.Command1_Click());
        }
        // The arc's dialog is left with Annulla: nothing is called.
    };
    collega();
    start("Proprietà Oggetto");
    click(-1, -1);
    click(10, 10);
    rightClick();
    EXPECT_EQ(aperti, (std::vector<std::string>{"Proprietà Linee Selezionate", "Proprietà Arco Selezionato"}));
    EXPECT_EQ(std::tuple(a.colorelinea, a.speslinea, a.stato), std::tuple(RGB(7, 7, 7), 5.0f, 0));
    EXPECT_EQ(std::tuple(b.colorelinea, b.speslinea, b.stato), std::tuple(RGB(7, 7, 7), 7.0f, 0));
    EXPECT_EQ(c, arcoPrima);
    EXPECT_EQ(stato.comandi.comandoattivo, "Proprietà Oggetto");
}

} // namespace
} // namespace tramel
