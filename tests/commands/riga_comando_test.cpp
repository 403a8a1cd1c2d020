// Points typed on the command line, and Enter and Esc in its two boxes.
#include "finestra_prova.h"

#include "commands/filtri.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tramel {
namespace {

TEST(PuntoDigitato, ReadsXAndYAroundTheFirstComma)
{
    struct Caso {
        const char* testo;
        double x, y;
    };
    const Caso casi[] = {
        {"3", 3, 3},         {",4", 0, 4},    {"3,", 3, 0},           {"1 2,5", 12, 5},
        {"abc", 0, 0},       {"", 0, 0},      {"-1.5e1,2", -15, 2},   {" 2.5 , -.5", 2.5, -.5},
        {"1,2,3", 1, 2},     {"7x,8y", 7, 8}, {"1e308,-1e308", 1e308, -1e308},
    };
    for (const Caso& c : casi) {
        const PuntoDigitato p = leggiPunto(c.testo);
        EXPECT_EQ(p.x, c.x) << c.testo;
        EXPECT_EQ(p.y, c.y) << c.testo;
        EXPECT_TRUE(p.finito()) << c.testo;
    }
    for (const char* fuori : {"1e999", "1,-1e999", "-1e999,0"})
        EXPECT_FALSE(leggiPunto(fuori).finito()) << fuori;
}

TEST(PuntoDigitato, WrittenBackInThePlainFormAndReadAgain)
{
    EXPECT_EQ(scriviPunto(5, 3), " 5, 3");
    EXPECT_EQ(scriviPunto(-1.5, 0.25), "-1.5, .25");
    for (const PuntoDigitato p : {PuntoDigitato{0.1, -7}, PuntoDigitato{1e20, 123456.789}}) {
        const PuntoDigitato letto = leggiPunto(scriviPunto(p.x, p.y));
        EXPECT_EQ(letto.x, p.x);
        EXPECT_EQ(letto.y, p.y);
    }
}

TEST(InvioRiga, EachBoxDecidesBetweenPointRightClickAndPrompt)
{
    using A = RigaComando::Invio::Azione;
    struct Caso {
        int casella;
        const char* label1;
        const char* label2;
        const char* text1;
        const char* text2;
        A azione;
        PuntoDigitato punto;
        const char* text1Dopo;
    };
    const char* linea = " Linea_Dal Punto: ";
    const Caso casi[] = {
        {1, "Comando: ", "", "3,4", "", A::Prompt, {}, "3,4"},
        {1, linea, "", "3,4", "", A::Punto, {3, 4}, " 3, 4"},
        {1, linea, "", "0.1", "", A::Punto, {0.1, 0.1}, " .1, .1"},
        {1, linea, "", "1e999,2", "", A::Beep, {}, "1e999,2"},
        {2, "Al Punto: ", "", " 3, 4", "5,6", A::Punto, {5, 6}, " 3, 4"},
        {2, "Al Punto: ", "", " 3, 4", "5,1e999", A::Beep, {}, " 3, 4"},
        {2, "Al Punto: ", "", " 3, 4", "", A::ClicDestro, {}, " 3, 4"},
        {2, "Al Punto: ", "", " 3, 4", " 3, 4", A::ClicDestro, {}, " 3, 4"},
        {2, "Cancella", "Conferma Cancella", "<1> Oggetto Selezionato", "5,6", A::ClicDestro, {}, ""},
        // The invitation to confirm is no point, whatever the question.
        {2, "Sposta", "Conferma Oggetti da Spostare", "", INVITO_CONFERMA.data(), A::ClicDestro, {}, ""},
        {2, " Stira _ Primo Punto:", "", "", INVITO_CONFERMA.data(), A::ClicDestro, {}, ""},
    };
    for (const Caso& c : casi) {
        RigaComando r;
        r.Label1 = c.label1;
        r.Label2 = c.label2;
        r.Text[1].testo = c.text1;
        r.Text[2].testo = c.text2;
        const RigaComando::Invio i = r.invio(c.casella);
        const std::string caso = std::to_string(c.casella) + " " + c.text1 + " | " + c.text2;
        EXPECT_EQ(i.azione, c.azione) << caso;
        if (c.azione == A::Punto) {
            EXPECT_EQ(i.punto.x, c.punto.x) << caso;
            EXPECT_EQ(i.punto.y, c.punto.y) << caso;
        }
        if (c.casella == 1) {
            EXPECT_EQ(r.Text[1].testo, c.text1Dopo) << caso;
        }
    }
}

TEST(InvioRiga, EnterInTheFirstBoxWithNoCommandPromptsAgainAndEmptiesBoth)
{
    FinestraProva f;
    f.avvia("");
    f.riga.Text[1].testo = "3,4";
    f.riga.Text[2].testo = "x";
    f.motore.tastoRiga(1, 13);
    EXPECT_EQ(f.riga.Label1, "Comando: ");
    EXPECT_EQ(f.box(1).testo, "");
    EXPECT_EQ(f.box(2).testo, "");
    EXPECT_EQ(f.porte.notifier.beeps, 0);
}

TEST(InvioRiga, TypedPointsOfALineMoveFromBoxToBox)
{
    FinestraProva f;
    f.avvia("Linea");
    f.riga.Text[1].testo = "3,4";
    f.motore.tastoRiga(1, 13);
    EXPECT_EQ(f.box(1).testo, " 3, 4");
    EXPECT_EQ(f.riga.fuoco, 2);
    // The next point, typed in the second box, becomes the grey reference in the first.
    f.riga.Text[2].testo = "5,6";
    f.motore.tastoRiga(2, 13);
    EXPECT_EQ(f.box(1).testo, " 5, 6");
    EXPECT_FALSE(f.box(1).abilitata);
    EXPECT_EQ(f.box(1).colore, 7);
    EXPECT_EQ(f.box(2).testo, "");
    EXPECT_EQ(f.porte.notifier.beeps, 0);
}

TEST(InvioRiga, FocusStaysWhereItIsWithoutTheCommandLineStrip)
{
    RigaComando r;
    r.Picture2visibile = false;
    r.dopoPunto(1);
    EXPECT_EQ(r.fuoco, 0);
    r.Picture2visibile = true;
    r.abilita(2, false);
    r.dopoPunto(1);
    EXPECT_EQ(r.fuoco, 0);
}

TEST(InvioRiga, ASingleValueInTheSecondBoxLeavesBothBoxes)
{
    RigaComando r;
    r.Text[1].testo = " 1, 1";
    r.Text[2].testo = "2.5"; // a radius
    r.dopoPunto(2);
    EXPECT_EQ(r.Text[1].testo, " 1, 1");
    EXPECT_TRUE(r.Text[1].abilitata);
    EXPECT_EQ(r.Text[2].testo, "2.5");
}

TEST(InvioRiga, ANumberOutOfRangeBeepsAndLeavesTheBoxes)
{
    FinestraProva f;
    f.avvia("Linea");
    f.riga.Text[1].testo = "1e999";
    f.motore.tastoRiga(1, 13);
    f.riga.Text[2].testo = "1,-1e999";
    f.motore.tastoRiga(2, 13);
    EXPECT_EQ(f.porte.notifier.beeps, 2);
    EXPECT_EQ(f.box(1).testo, "1e999");
    EXPECT_EQ(f.box(2).testo, "1,-1e999");
}

TEST(Filtri, TheFilterNamesTheFramesLabelAndTheFreeOneHidesThePickBox)
{
    FinestraProva f;
    f.stato.overlay.Shape2.visibile = true;
    impostaFiltro(f.stato, f.riga, 4);
    EXPECT_EQ(f.stato.filtrosnap, 4);
    EXPECT_EQ(f.riga.Label11, "Medio(F9)");
    EXPECT_TRUE(f.stato.overlay.Shape2.visibile);
    impostaFiltro(f.stato, f.riga, 0);
    EXPECT_EQ(f.stato.filtrosnap, 0);
    EXPECT_EQ(f.riga.Label11, "Libero(F9)");
    EXPECT_FALSE(f.stato.overlay.Shape2.visibile);
}

} // namespace
} // namespace tramel
