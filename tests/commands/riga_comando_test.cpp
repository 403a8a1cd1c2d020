// Points typed on the command line, and Enter in its two boxes.
#include "support/finestra_prova.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace tramel {
namespace {

TEST(LeggiPunto, ReadsXAndYAroundTheFirstComma)
{
    struct Caso {
        const char* testo;
        double x, y;
    } casi[] = {{"3", 3, 3},          {",4", 0, 4},         {"3,", 3, 0},     {"1 2,5", 12, 5},
                {"abc", 0, 0},        {"-1.5e1,2", -15, 2}, {"1,2,3", 1, 2},  {" 2.5 , -.5", 2.5, -.5},
                {"1e308,-1e308", 1e308, -1e308}};
    for (const Caso& c : casi) {
        EXPECT_EQ(leggiPunto(c.testo), (Punto{c.x, c.y})) << c.testo;
    }
    EXPECT_EQ(leggiPunto("1,-1e999"), (Punto{1, -HUGE_VAL}));
    EXPECT_EQ(scriviPunto(-1.5, 0.25), "-1.5, .25");
    EXPECT_EQ(leggiPunto(scriviPunto(0.1, 1e20)).y, 1e20);
}

TEST(InvioRiga, EachBoxDecidesBetweenPointRightClickAndPrompt)
{
    using A = RigaComando::Invio::Azione;
    struct Caso {
        int casella;
        const char *label1, *label2, *text1, *text2;
        A azione;
        Punto punto;
        const char* text1Dopo;
    };
    const char* linea = " Linea_Dal Punto: ";
    const Caso casi[] = {
        {1, "Comando: ", "", "3,4", "", A::Prompt, {}, "3,4"},
        {1, linea, "", "0.1", "", A::Punto, {0.1, 0.1}, " .1, .1"},
        {1, linea, "", "1e999,2", "", A::Beep, {}, "1e999,2"},
        {2, linea, "Al Punto: ", " 3, 4", "5,6", A::Punto, {5, 6}, ""},
        {2, linea, "Al Punto: ", " 3, 4", "5,1e999", A::Beep, {}, ""},
        {2, linea, "Al Punto: ", " 3, 4", "", A::ClicDestro, {}, ""},
        {2, linea, "Al Punto: ", " 3, 4", " 3, 4", A::ClicDestro, {}, ""},
        {2, "Cancella", "Conferma Cancella", "", "5,6", A::ClicDestro, {}, ""},
        // The invitation to confirm is no point, whatever the question.
        {2, "Sposta", "Conferma Oggetti da Spostare", "", INVITO_CONFERMA.data(), A::ClicDestro, {}, ""},
    };
    for (const Caso& c : casi) {
        RigaComando r;
        r.Label1 = c.label1;
        r.Label2 = c.label2;
        r.Text[1].testo = c.text1;
        r.Text[2].testo = c.text2;
        const RigaComando::Invio i = r.invio(c.casella);
        EXPECT_EQ(i.azione, c.azione) << c.text1 << " | " << c.text2;
        if (c.azione == A::Punto) {
            EXPECT_EQ(i.punto, c.punto) << c.text1 << " | " << c.text2;
        }
        if (c.casella == 1) {
            EXPECT_EQ(r.Text[1].testo, c.text1Dopo);
        }
    }
}

TEST(InvioRiga, WithNoCommandPromptsAgainAndOutOfRangeBeeps)
{
    FinestraProva f;
    f.avvia("");
    f.riga.Text[1].testo = "3,4";
    f.riga.Text[2].testo = "x";
    f.motore.tastoRiga(1, 13);
    EXPECT_EQ(f.riga.Label1, "Comando: ");
    EXPECT_EQ(f.box(1).testo + f.box(2).testo, "");
    f.avvia("Linea");
    f.riga.Text[2].testo = "1,-1e999";
    f.motore.tastoRiga(2, 13);
    EXPECT_EQ(f.porte.notifier.beeps, 1);
    EXPECT_EQ(f.box(2).testo, "1,-1e999");
}

// A typed point that the command refuses changes nothing, the boxes included.
TEST(InvioRiga, ARefusedPointLeavesTheBoxesAsTheyWere)
{
    struct Caso {
        const char* comando;
        std::vector<const char*> prima; // typed before; "" confirms the selection
        const char* rifiutato;
        int beeps;
    };
    const Caso casi[] = {
        {"Sposta", {"0,0", "70,20", "", "-1e308,0"}, "1e308,0", 1}, // beyond the numbers
        {"Polilinea", {}, "1e39,0", 1},                      // beyond a Single
        {"Distanza-Angolo", {"5,5"}, "5,5", 7},              // no distance
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.comando);
        FinestraProva f;
        f.linea(10, 10, 60, 10);
        f.start(c.comando);
        for (const char* t : c.prima)
            *t ? f.type(t) : f.rightClick();
        const int n = f.box(2).abilitata ? 2 : 1;
        f.riga.Text[n].testo = c.rifiutato;
        const RigaComando prima = f.riga;
        f.motore.tastoRiga(n, static_cast<int>(Tasto::Invio));
        EXPECT_EQ(f.beeps(), c.beeps);
        for (int b : {1, 2}) {
            EXPECT_EQ(f.box(b).testo, prima.Text[b].testo) << b;
            EXPECT_EQ(f.box(b).abilitata, prima.Text[b].abilitata) << b;
        }
    }
}

TEST(InvioRiga, ARadiusInTheSecondBoxLeavesBothBoxes)
{
    RigaComando r;
    r.Text[1].testo = " 1, 1";
    r.Text[2].testo = "2.5";
    r.dopoPunto(2);
    EXPECT_EQ(r.Text[1].testo + "|" + r.Text[2].testo, " 1, 1|2.5");
}

// The measure's report stays in Text1 when its second point is typed.
TEST(InvioRiga, ATypedSecondPointKeepsTheMeasuresReport)
{
    FinestraProva f;
    f.start("Distanza-Angolo");
    f.type("0,0");
    f.type("3,4");
    EXPECT_NE(f.box(1).testo.find("DISTANZA = 5"), std::string::npos) << f.box(1).testo;
}

} // namespace
} // namespace tramel
