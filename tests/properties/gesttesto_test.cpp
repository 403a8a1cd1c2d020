#include "prova_dialoghi.h"

#include "properties/gesttesto.h"
#include "properties/proprieta_oggetto.h"

#include <gtest/gtest.h>

namespace tramel {
namespace {

struct GesttestoTest : ProvaDialoghi {
    testo& unTesto(double x, double y, std::int32_t angolo, float dimensione, bool opaco = false)
    {
        testo t;
        t.pos_testox = x;
        t.pos_testoy = y;
        t.ang_testo(angolo);
        t.dimens_testo = dimensione;
        t.carattere_testo("Arial");
        t.stringa_testo = "abc";
        t.opaco_testo = opaco ? VERO : FALSO;
        t.stato = STATO_SELEZIONATO;
        return aggiungi(t);
    }
    // "Proprietà Oggetto" on the selected texts, the dialog driven by usa.
    void proprieta(std::function<void(Gesttesto&)> usa)
    {
        Dialoghi dialoghi;
        dialoghi.gesttesto = std::move(usa);
        std::int16_t trovato = 0;
        proprietaOggetto<testo>(f, dialoghi, trovato);
    }
};

TEST_F(GesttestoTest, TheFontDescriptionNamesSizeAndStyles)
{
    Gesttesto d(f);
    d.carattere = {"Arial", 10};
    d.set_carattere();
    EXPECT_EQ(d.Label4, "Arial 10 Pt.  - Normale");
    EXPECT_EQ(d.Label2, "Arial");
    d.carattere = {"Arial", 8.25f, true, true, true, true};
    d.Text1_Change(" ab ");
    d.set_carattere();
    EXPECT_EQ(d.Label4, "Arial 8.25 Pt.  - Grassetto - Corsivo - Barrato - Sottolineato");
    EXPECT_EQ(d.Label2, "ab");
}

TEST_F(GesttestoTest, TheAngleBoxRefusesOnlyDecimalSeparators)
{
    for (char c : std::string("-09aZ"))
        EXPECT_TRUE(Gesttesto::Text2_KeyPress(c)) << c;
    EXPECT_FALSE(Gesttesto::Text2_KeyPress(','));
    EXPECT_FALSE(Gesttesto::Text2_KeyPress('.'));
}

TEST_F(GesttestoTest, DefaultsTakeAWholeSizeAndRewriteTheirRecords)
{
    stato.testoNuovo.gen_carattere_testo = " ";
    stato.aiuti.mostrabordotesto = 1;
    porte.caratteri.scelte = {SceltaCarattere{"Times New Roman", 10.5f, true, false, false, true, RGB(0, 0, 255)}};
    Dialoghi dialoghi;
    dialoghi.gesttesto = [](Gesttesto& d) {
        EXPECT_EQ(d.Label1, "Caratteristiche Testo");
        EXPECT_FALSE(d.Text1Abilitato || d.Text2Abilitato || d.posizioneAbilitata);
        EXPECT_EQ(d.Label4, "Arial 10 Pt.  - Normale"); // the blank face reset every default
        d.Command3_Click();
        d.Check1_Click(true);
        EXPECT_TRUE(d.Command1_Click());
    };
    mnutipotesto_Click(f, dialoghi);
    EXPECT_EQ(stato.aiuti.mostrabordotesto, 0);
    const TestoNuovo n = riletto().testoNuovo;
    EXPECT_EQ(std::tuple(n.gen_carattere_testo, n.gen_dimens_testo, n.gen_bold_testo, n.gen_sottolineato_testo),
              std::tuple("Times New Roman", 10, VERO, VERO));
    EXPECT_EQ(std::tuple(n.gen_colore_testo, n.gen_opaco_testo, n.gen_colore_opaco_testo),
              std::tuple(RGB(0, 0, 255), VERO, RGB(255, 255, 255)));
}

TEST_F(GesttestoTest, AnnullaOverTheDefaultsLeavesAPendingCommandAlone)
{
    start("Polilinea");
    click(0, 0);
    click(5, 0);
    Dialoghi dialoghi;
    dialoghi.gesttesto = [](Gesttesto& d) { d.Command2_Click(); };
    mnutipotesto_Click(f, dialoghi);
    EXPECT_EQ(stato.corrente().tipo, "Polilinea");
    click(5, 5);
    EXPECT_EQ(stato.ogg.oggpolilinea->vertic(), 3);
}

TEST_F(GesttestoTest, SeveralTextsKeepTheirOwnAngleAndSizeUnlessTheUserChose)
{
    testo& a = unTesto(0, 0, 10, 8);
    testo& b = unTesto(5, 5, 20, 12);
    proprieta([](Gesttesto& d) {
        EXPECT_EQ(d.Label1, "Proprietà Testi Selezionati");
        EXPECT_EQ(std::tuple(d.Text2, d.Label2, d.Text1Abilitato), std::tuple("Vari", "Click su carattere modifica impostazioni", false));
        EXPECT_EQ(d.Label4, "Arial 8 Pt.  - Normale");
        EXPECT_TRUE(d.Command1_Click());
    });
    EXPECT_EQ(std::tuple(a.ang_testo(), a.dimens_testo, b.ang_testo(), b.dimens_testo), std::tuple(10, 8.0f, 20, 12.0f));

    a.stato = b.stato = STATO_SELEZIONATO;
    porte.caratteri.scelte = {SceltaCarattere{"Arial", 14.257f, false, true, false, false, RGB(1, 2, 3)}};
    proprieta([](Gesttesto& d) {
        d.Command3_Click();
        d.Text2 = "-45";
        EXPECT_TRUE(d.Command1_Click());
    });
    for (const testo* t : {&a, &b})
        EXPECT_EQ(std::tuple(t->ang_testo(), t->dimens_testo, t->corsivo_testo, t->colore_testo, t->stato),
                  std::tuple(-45, 14.26f, VERO, RGB(1, 2, 3), 0));
}

TEST_F(GesttestoTest, TheFontDialogKeepsTheSizeItWasGivenAndRoundsAChangedOne)
{
    for (auto [data, scelta, attesa] :
         {std::tuple{3.125f, 3.125f, 3.125f}, {0.004f, 0.004f, 0.004f}, {3.125f, 7.257f, 7.26f}}) {
        testo& t = unTesto(0, 0, 0, data);
        porte.caratteri.scelte = {SceltaCarattere{"Arial", scelta}};
        proprieta([](Gesttesto& d) {
            d.Command3_Click();
            EXPECT_TRUE(d.Command1_Click());
        });
        EXPECT_EQ(t.dimens_testo, attesa);
    }
}

TEST_F(GesttestoTest, DifferingBackgroundsShowVariUntilTheBoxIsTicked)
{
    testo& a = unTesto(0, 0, 0, 8, true);
    testo& b = unTesto(0, 0, 0, 8, false);
    a.colore_opaco_testo = RGB(9, 9, 9);
    proprieta([](Gesttesto& d) {
        EXPECT_FALSE(d.Check1);
        EXPECT_TRUE(d.Label8.vari() && d.Label8.visibile);
        EXPECT_TRUE(d.Command1_Click());
    });
    EXPECT_EQ(std::tuple(a.opaco_testo, b.opaco_testo), std::tuple(VERO, FALSO));
    a.stato = b.stato = STATO_SELEZIONATO;
    proprieta([](Gesttesto& d) {
        d.Check1_Click(true);
        EXPECT_EQ(d.Label8.valore, RGB(255, 255, 255));
        EXPECT_FALSE(d.Label8.visibile);
        EXPECT_TRUE(d.Command1_Click());
    });
    // The tick chose white for every text.
    EXPECT_EQ(std::tuple(a.opaco_testo, b.opaco_testo, a.colore_opaco_testo, b.colore_opaco_testo),
              std::tuple(VERO, VERO, RGB(255, 255, 255), RGB(255, 255, 255)));
}

TEST_F(GesttestoTest, OpaqueTextsKeepTheirOwnBackgroundWhenNoneWasChosen)
{
    testo& a = unTesto(0, 0, 0, 8, true);
    testo& b = unTesto(0, 0, 0, 8, true);
    a.colore_opaco_testo = RGB(9, 9, 9);
    b.colore_opaco_testo = RGB(7, 7, 7);
    proprieta([](Gesttesto& d) { EXPECT_TRUE(d.Command1_Click()); });
    EXPECT_EQ(std::tuple(a.colore_opaco_testo, b.colore_opaco_testo), std::tuple(RGB(9, 9, 9), RGB(7, 7, 7)));
}

TEST_F(GesttestoTest, OneTextTakesStringAndPositionAndABadAngleChangesNothing)
{
    testo& a = unTesto(1.0 / 3, 2, 30, 8);
    testo& b = unTesto(5, 5, 0, 8);
    b.stato = STATO_NORMALE;
    testo attesa = a;
    attesa.stato = STATO_NORMALE; // refused, then deselected
    proprieta([](Gesttesto& d) {
        EXPECT_EQ(std::tuple(d.Label1, d.Text1, d.Text2, d.Text3.testo), std::tuple("Proprietà Testo Selezionato", "abc", "30", "0,333333333333333"));
        d.Text1_Change("xyz");
        d.Text4.testo = "7,5";
        for (const char* angolo : {"", "trenta", "1e20"}) {
            d.Text2 = angolo;
            EXPECT_FALSE(d.Command1_Click());
        }
        d.Text2 = "30";
    });
    EXPECT_EQ(a, attesa);
    EXPECT_EQ(messaggi().back(), "Inserire angolo con formato numerico corretto");
    a.stato = STATO_SELEZIONATO;
    proprieta([](Gesttesto& d) {
        d.Text1_Change("xyz");
        d.Text4.testo = "7,5";
        EXPECT_TRUE(d.Command1_Click());
    });
    EXPECT_EQ(std::tuple(a.stringa_testo, a.pos_testox, a.pos_testoy), std::tuple("xyz", 1.0 / 3, 7.5));
    EXPECT_EQ(b.stringa_testo, "abc");
}

} // namespace
} // namespace tramel
