#include "support/finestra_prova.h"

#include <gtest/gtest.h>

namespace tramel {
namespace {

// Two lines, for the edits: (0,0)-(10,0) and (0,20)-(10,20).
struct DueLinee : FinestraProva {
    DueLinee()
    {
        linea(0, 0, 10, 0);
        linea(0, 20, 10, 20);
    }
    std::int16_t statoLinea(int i) { return stato.dis.linee.Item(i).stato; }
};

TEST(Sospensione, ScrollDuringALineKeepsItsFirstPoint)
{
    FinestraProva f;
    f.stato.comandi.comandoattivo = "Cerchio";
    f.start("Linea");
    f.click(2, 3);
    f.motore.scorri(true, 60); // the vertical bar down by 10 steps of 110 / 20
    EXPECT_FLOAT_EQ(f.stato.vista.origineY, 55);
    EXPECT_EQ(f.stato.corrente().tipo, "Linea");
    EXPECT_EQ(f.stato.comandi.passocomando, 1);
    EXPECT_EQ(f.stato.corrente().x1, 2);
    EXPECT_EQ(f.box(1).testo, " 2, 3");
    EXPECT_EQ(f.riga.Label2, "Al Punto: ");
    EXPECT_EQ(f.stato.comandi.numcomando, 1); // a pan leaves no record
    EXPECT_EQ(f.stato.comandi.comandoattivo, "Cerchio");
    f.click(6, 3);
    ASSERT_EQ(f.stato.dis.linee.Count(), 1);
    EXPECT_EQ(f.stato.dis.linee.Item(1).Xi, 2);
}

TEST(Sospensione, ResizeDuringASurfaceJoinsItsVerticesAgain)
{
    FinestraProva f;
    f.modulo.gen_colcont = RGB(255, 0, 0);
    f.modulo.gen_trattcont = 2;
    f.start("Superficie");
    f.click(1, 1);
    f.click(20, 1);
    f.click(20, 15);
    f.superficie.registro.calls.clear();
    f.motore.ridimensiona();
    EXPECT_EQ(f.riga.Label1, " Superficie:  3° Vertice");
    EXPECT_EQ(f.riga.Label2, "  4° Vertice");
    EXPECT_EQ(f.stato.comandi.passocomando, 1);
    EXPECT_EQ(f.stato.ogg.oggsuperficie->vertic(), 3);
    EXPECT_EQ(f.superficie.registro.only({"Polyline"}).size(), 2u);
    for (const std::string& penna : f.superficie.registro.only({"CreatePen"}))
        EXPECT_EQ(penna.rfind("CreatePen(2,1," + RecordingDc::colorText(RGB(255, 0, 0)), 0), 0u) << penna;
    EXPECT_EQ(f.stato.comandi.comandoattivo, "Superficie");
    f.click(1, 15);
    f.rightClick();
    ASSERT_EQ(f.stato.dis.superfici.Count(), 1);
    EXPECT_EQ(f.stato.dis.superfici.Item(1).vertic(), 4);
}

TEST(Sospensione, ArcWaitingForItsThirdPoint)
{
    FinestraProva f;
    f.start("Arco");
    f.click(-10, 0);
    f.click(0, 10);
    f.motore.ridimensiona();
    EXPECT_EQ(f.riga.Label1, " Arco_Secondo Punto(P.Finale): ");
    EXPECT_EQ(f.riga.Label2, " Arco_Terzo Punto: ");
    EXPECT_EQ(f.box(1).testo, " 0, 10");
    f.click(-7, 7);
    EXPECT_EQ(f.stato.dis.archi.Count(), 1);
}

TEST(Sospensione, ZoomWhileAMoveWaitsForItsFinalPointReplaysTheBasePoint)
{
    DueLinee f;
    f.stato.comandi.modoscelto = "Ogget";
    f.start("Sposta");
    f.click(5, 0);
    f.rightClick();
    f.click(1.5, 2.5);
    f.stato.aiuti.filtrosnap = 2; // a snap point found by the last move over the drawing
    f.stato.snap.trovatosnap = 1;
    f.stato.snap.snapx = 9;
    f.stato.snap.snapy = 9;
    f.start("Zoom Tutto");
    EXPECT_EQ(f.stato.comandi.coma[1].tipo, "Zoom Tutto");
    EXPECT_EQ(f.stato.comandi.numcomando, 2);
    EXPECT_EQ(f.stato.corrente().tipo, "Sposta");
    EXPECT_EQ(f.stato.corrente().x1, 1.5);
    EXPECT_EQ(f.stato.corrente().y1, 2.5);
    EXPECT_EQ(f.stato.comandi.passocomando, 3);
    EXPECT_EQ(f.riga.Label1, "<Sposta> Punto Base:");
    EXPECT_EQ(f.riga.Label2, "Punto Finale:");
    EXPECT_EQ(f.box(1).testo, "1.5;2.5");
    EXPECT_EQ(f.stato.snap.trovatosnap, 0);
    EXPECT_EQ(f.statoLinea(1), STATO_SELEZIONATO);
}

TEST(Sospensione, ZoomDuringASelectionKeepsItsCount)
{
    DueLinee f;
    f.stato.comandi.modoscelto = "Ogget";
    f.start("Copia");
    f.click(5, 0);
    f.click(5, 20);
    EXPECT_EQ(f.stato.comandi.numselez, 2);
    f.start("Zoom Tutto");
    EXPECT_EQ(f.stato.comandi.numselez, 2);
    EXPECT_EQ(f.box(1).testo, "<2> Oggetti Selezionati");
    EXPECT_EQ(f.riga.Label2, "Conferma Oggetti da Copiare");
    f.rightClick();
    EXPECT_EQ(f.stato.comandi.passocomando, 2);
    EXPECT_EQ(f.riga.Label1, "<Copia>");
}

// A zoom window beyond the numbers makes no view: the zoom waits, and the edit
// it suspended keeps its selection.
TEST(Sospensione, AZoomWindowBeyondTheNumbersKeepsTheSuspendedSelection)
{
    DueLinee f;
    f.start("Sposta");
    f.click(-1, -1);
    f.click(1, 1);
    f.start("Zoom Area");
    f.type("-1e308,0");
    f.type("1e308,1");
    EXPECT_EQ(f.stato.corrente().nome(), "Zoom Area");
    f.key(Tasto::Esc);
    EXPECT_EQ(f.stato.corrente().nome(), "Sposta");
    EXPECT_EQ(f.statoLinea(1), STATO_SELEZIONATO);
}

TEST(Sospensione, ANewSelectionModeDropsWhatWasPicked)
{
    DueLinee f;
    f.stato.comandi.modoscelto = "Ogget";
    f.start("Sposta");
    f.click(5, 0);
    ASSERT_EQ(f.riga.Text[1].testo, "<1> Oggetto Selezionato");
    f.motore.impo(2);
    EXPECT_EQ(f.statoLinea(1), STATO_NORMALE);
    EXPECT_EQ(f.stato.comandi.numselez, 0);
    EXPECT_EQ(f.riga.Text[1].testo, "");
}

TEST(Sospensione, AChainShowsEachSideAsItsVertexIsPlaced)
{
    for (const char* nome : {"Polilinea", "Superficie"}) {
        FinestraProva f;
        f.start(nome);
        f.superficie.registro.calls.clear();
        f.click(1, 1);
        f.click(20, 1);
        f.click(20, 15);
        EXPECT_EQ(f.superficie.registro.only({"Polyline"}).size(), 2u) << nome;
    }
}

TEST(Sospensione, EditBetweenTheCornersOfItsWindowKeepsTheFirstCorner)
{
    DueLinee f;
    f.stato.comandi.modoscelto = "Fines";
    f.start("Cancella");
    f.click(-1, -1);
    f.motore.ridimensiona();
    EXPECT_EQ(f.stato.comandi.passocomando, 1);
    EXPECT_EQ(f.stato.corrente().x1, -1);
    EXPECT_EQ(f.riga.Label2, "Secondo Punto:");
    f.click(11, 1);
    EXPECT_EQ(f.stato.comandi.numselez, 1);
    EXPECT_EQ(f.statoLinea(1), STATO_SELEZIONATO);
    EXPECT_EQ(f.statoLinea(2), STATO_NORMALE);
}

TEST(Sospensione, ResumeLeavesTheSnapStep)
{
    for (const char* snap : {"ON", "OFF"}) {
        FinestraProva f;
        f.stato.aiuti.snapattivo = snap;
        f.stato.aiuti.passosnap = 2.5f;
        f.start("Linea");
        f.click(1, 1);
        f.motore.ridimensiona();
        EXPECT_EQ(f.stato.aiuti.snapattivo, snap);
        EXPECT_EQ(f.stato.aiuti.passosnap, 2.5f);
    }
}

// A real cancel while a command is suspended takes the suspended one away too:
// its selection does not leak into the next edit.
TEST(Sospensione, RealCancelDiscardsTheSuspendedCommand)
{
    DueLinee f;
    f.stato.comandi.modoscelto = "Ogget";
    f.start("Sposta");
    f.click(5, 0);
    f.start("Zoom Area");
    f.start("Cancella");
    EXPECT_EQ(f.stato.comandi.comasospeso.tipo, "");
    EXPECT_EQ(f.statoLinea(1), STATO_NORMALE);
    f.click(5, 20);
    EXPECT_EQ(f.stato.comandi.numselez, 1);
    EXPECT_EQ(f.statoLinea(1), STATO_NORMALE);
    EXPECT_EQ(f.statoLinea(2), STATO_SELEZIONATO);
}

TEST(Sospensione, EveryViewCommandEndsInAResume)
{
    FinestraProva vuoto; // "Zoom Tutto" refused on an empty drawing
    vuoto.start("Linea");
    vuoto.click(1, 2);
    vuoto.start("Zoom Tutto");
    EXPECT_EQ(vuoto.messaggi().size(), 1u);
    EXPECT_EQ(vuoto.stato.corrente().tipo, "Linea");
    EXPECT_EQ(vuoto.stato.comandi.passocomando, 1);
    EXPECT_EQ(vuoto.stato.comandi.comasospeso.tipo, "");

    FinestraProva annulla; // the percent dialog left with Annulla
    annulla.start("Linea");
    annulla.click(1, 2);
    annulla.start("Zoom %");
    EXPECT_EQ(annulla.stato.corrente().tipo, "");
    annulla.motore.riprendi();
    EXPECT_EQ(annulla.stato.corrente().tipo, "Linea");
    EXPECT_EQ(annulla.stato.comandi.passocomando, 1);

    FinestraProva cento; // a percent that changes nothing
    cento.start("Linea");
    cento.click(1, 2);
    cento.start("Zoom %");
    cento.motore.zoomperc(100);
    EXPECT_EQ(cento.stato.corrente().tipo, "Linea");
    EXPECT_EQ(cento.riga.Label2, "Al Punto: ");
}

// A pan or a resize while a "Zoom Area" runs inside a line keeps both.
TEST(Sospensione, TwoLevels)
{
    FinestraProva f;
    f.start("Linea");
    f.click(2, 3);
    f.start("Zoom Area");
    f.motore.ridimensiona();
    f.motore.scorri(false, 55);
    EXPECT_EQ(f.stato.corrente().tipo, "Zoom Area");
    EXPECT_EQ(f.riga.Label1, "' Zoom_Primo punto: ");
    EXPECT_EQ(f.stato.comandi.comasospeso.tipo, "Linea");
    f.click(30, 10);
    f.click(50, 20);
    EXPECT_EQ(f.stato.corrente().tipo, "Linea");
    EXPECT_EQ(f.stato.comandi.passocomando, 1);
    EXPECT_EQ(f.stato.corrente().x1, 2);
    EXPECT_EQ(f.stato.comandi.comasospeso.tipo, "");
}

} // namespace
} // namespace tramel
