#include "support/finestra_prova.h"

#include <gtest/gtest.h>

namespace tramel {
namespace {

TEST(ClickdesRipeti, RepeatsTheLastCommandOrBeeps)
{
    FinestraProva f;
    f.rightClick();
    EXPECT_EQ(f.beeps(), 1);
    EXPECT_EQ(f.riga.Label1, "Comando: ");
    f.start("Cerchio");
    f.click(1, 1);
    f.type("2");
    f.stato.dasalvare = 0; // as after a save
    f.rightClick();
    EXPECT_EQ(f.riga.Label1, " Cerchio_Centro: ");
    EXPECT_EQ(f.stato.comandi.passocomando, 0);
    EXPECT_EQ(f.stato.comandi.comandoattivo, "");
    f.click(5, 5);
    f.type("1");
    EXPECT_EQ(f.stato.dis.cerchi.Count(), 2);
    EXPECT_EQ(f.stato.dasalvare, 1); // the repeated circle is a change to save
    EXPECT_EQ(f.beeps(), 1);
}

TEST(ClickdesConferma, PickedObjectsGoOnToTheBasePoint)
{
    FinestraProva f;
    f.linea(0, 0, 5, 0);
    f.linea(0, 20, 5, 20);
    f.stato.comandi.modoscelto = "Ogget";
    f.start("Copia");
    f.click(2.5, 0);
    f.click(2.5, 20);
    EXPECT_EQ(f.box(1).testo, "<2> Oggetti Selezionati");
    f.key(Tasto::Invio);
    EXPECT_EQ(f.riga.Label1, "<Copia>");
    EXPECT_EQ(f.riga.Label2, "Punto Base:");
    EXPECT_EQ(f.stato.comandi.numselez, 0);
    EXPECT_EQ(f.stato.comandi.passocomando, 2);
    EXPECT_EQ(f.stato.dis.linee.Item(1).stato, STATO_SELEZIONATO);
    EXPECT_EQ(f.stato.dis.linee.Item(2).stato, STATO_SELEZIONATO);
    f.click(1, 1);
    EXPECT_EQ(f.riga.Label1, "<Copia> Punto Base:");
    EXPECT_EQ(f.riga.Label2, "Punto Finale:");
    EXPECT_EQ(f.box(1).testo, " 1, 1");
    f.click(3, 4);
    // Both lines are copied by (2, 3) and the copy stays in the log.
    ASSERT_EQ(f.stato.dis.linee.Count(), 4);
    EXPECT_EQ(f.stato.dis.linee.Item(1).stato, STATO_NORMALE);
    EXPECT_EQ(f.stato.dis.linee.Item(4).Yi, 23);
    EXPECT_EQ(f.stato.comandi.numcomando, 2);
    EXPECT_EQ(f.stato.comandi.comandoattivo, "Copia");
    EXPECT_EQ(f.riga.Label1, "Comando: ");
}

TEST(ClickdesConferma, NothingSelectedCancels)
{
    FinestraProva f;
    f.linea(0, 0, 5, 0);
    f.start("Specchio");
    f.rightClick();
    EXPECT_EQ(f.stato.corrente().tipo, "");
    EXPECT_EQ(f.stato.comandi.comandoattivo, "Specchio");
}

TEST(ClickdesFinestra, BetweenTheCornersCancelsTheWholeCommand)
{
    FinestraProva f;
    f.linea(0, 0, 5, 0);
    f.stato.comandi.modoscelto = "Fines";
    f.start("Sposta");
    f.click(-1, -1);
    f.click(6, 1);
    EXPECT_EQ(f.stato.dis.linee.Item(1).stato, STATO_SELEZIONATO);
    f.click(-1, -1);
    EXPECT_EQ(f.riga.Label2, "Secondo Punto:");
    f.rightClick();
    EXPECT_EQ(f.stato.corrente().tipo, "");
    EXPECT_EQ(f.stato.dis.linee.Item(1).stato, STATO_NORMALE);
    EXPECT_EQ(f.stato.comandi.numselez, 0);
}

TEST(ClickdesCancella, EnterOnTheConfirmationRunsTheEdit)
{
    FinestraProva f;
    f.linea(0, 0, 5, 0);
    f.stato.comandi.modoscelto = "Ogget";
    f.start("Cancella");
    f.click(2.5, 0);
    EXPECT_EQ(f.riga.Label2, "Conferma Cancella");
    f.key(Tasto::Invio);
    EXPECT_EQ(f.stato.corrente().tipo, "");
    EXPECT_EQ(f.stato.comandi.numselez, 0);
    EXPECT_EQ(f.riga.Label1, "Comando: ");
}

TEST(EscPoligono, SurfaceDiscardedPolylineKept)
{
    for (const char* nome : {"Superficie", "Polilinea"}) {
        FinestraProva f;
        f.start(nome);
        f.click(0, 0);
        f.click(5, 0);
        f.click(5, 5);
        const auto pulizie = f.superficie.pulizie.size();
        f.key(Tasto::Esc);
        const bool sup = std::string(nome) == "Superficie";
        EXPECT_EQ(f.stato.dis.superfici.Count(), 0) << nome;
        EXPECT_EQ(f.stato.dis.polilinee.Count(), sup ? 0 : 1) << nome;
        EXPECT_EQ(f.superficie.pulizie.size(), pulizie + (sup ? 1 : 0)) << nome; // the discarded one is wiped
        EXPECT_EQ(f.stato.comandi.comandoattivo, nome);
        EXPECT_EQ(f.riga.Label1, "Comando: ");
    }
}

TEST(EscPoligono, OneVertexIsRefused)
{
    FinestraProva f;
    f.start("Polilinea");
    f.click(0, 0);
    f.rightClick();
    EXPECT_EQ(f.beeps(), 1);
    EXPECT_EQ(f.messaggi(), std::vector<std::string>{"Inserire almeno due vertici."});
    EXPECT_EQ(f.stato.dis.polilinee.Count(), 0);
    EXPECT_EQ(f.stato.corrente().tipo, "");
    EXPECT_EQ(f.stato.comandi.comandoattivo, "Polilinea");
}

// A "Zoom Area" chosen in the middle of a line: Esc, Enter or the right click
// drop the zoom and give the line back at its step.
class ZoomDentroLinea : public testing::TestWithParam<int> {};

TEST_P(ZoomDentroLinea, EndingTheZoomResumesTheLine)
{
    FinestraProva f;
    f.start("Linea");
    f.click(2, 3);
    f.start("Zoom Area");
    EXPECT_EQ(f.riga.Label1, "' Zoom_Primo punto: ");
    f.click(1, 1);
    if (GetParam() == 0)
        f.rightClick();
    else
        f.motore.gestastiera(GetParam());
    EXPECT_EQ(f.stato.corrente().tipo, "Linea");
    EXPECT_EQ(f.stato.comandi.passocomando, 1);
    EXPECT_EQ(f.stato.corrente().x1, 2);
    EXPECT_EQ(f.riga.Label2, "Al Punto: ");
    EXPECT_EQ(f.stato.comandi.comasospeso.tipo, "");
    f.click(6, 3);
    EXPECT_EQ(f.stato.dis.linee.Count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Tasti, ZoomDentroLinea, testing::Values(0, 13, 27));

TEST(EscDistanza, TheFirstBoxTakesPointsAgain)
{
    FinestraProva f;
    f.start("Distanza-Angolo");
    f.click(0, 0);
    f.click(3, 4);
    EXPECT_TRUE(f.box(1).solaLettura);
    f.key(Tasto::Esc);
    EXPECT_FALSE(f.box(1).solaLettura);
    EXPECT_EQ(f.box(1).coloreTesto, 0);
    f.start("Linea");
    EXPECT_TRUE(f.box(1).abilitata);
    EXPECT_FALSE(f.box(1).solaLettura);
}

TEST(EscNessuno, NothingRunsNothingHappens)
{
    FinestraProva f;
    f.stato.comandi.comandoattivo = "Linea";
    f.key(Tasto::Esc);
    EXPECT_EQ(f.stato.corrente().tipo, "");
    EXPECT_EQ(f.stato.comandi.comandoattivo, "Linea");
    EXPECT_EQ(f.beeps(), 0);
}

} // namespace
} // namespace tramel
