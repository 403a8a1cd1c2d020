#include "support/finestra_prova.h"

#include <gtest/gtest.h>

namespace tramel {
namespace {

TEST(CompletaDistanza, ReportInTheUsersNumbers)
{
    FinestraProva f;
    f.motore.agganci().formato = NumberFormat(",", ".");
    f.start("Distanza-Angolo");
    f.click(0, 0);
    f.click(3, 4);
    EXPECT_EQ(f.box(1).testo, "   P1=(0,00;0,00) - P2=(3,00;4,00)     DISTANZA = 5,000 ANGOLO = 53,1301");
    EXPECT_TRUE(f.box(1).abilitata);
    EXPECT_TRUE(f.box(1).solaLettura);
    EXPECT_EQ(f.box(1).coloreTesto, 9);
    // The command stays, measuring again from the same first point.
    EXPECT_EQ(f.stato.comandi.passocomando, 1);
    f.click(-3, 0);
    EXPECT_EQ(f.box(1).testo, "   P1=(0,00;0,00) - P2=(-3,00;0,00)     DISTANZA = 3,000 ANGOLO = 180,0000");
    EXPECT_EQ(f.stato.dasalvare, 0);
}

// The view as drawing units: left, top, width.
struct Veduta {
    double l, t, w;
};
Veduta veduta(const FinestraProva& f)
{
    const Vista& v = f.stato.vista;
    return {v.origineX / v.scala, v.origineY / v.scala, v.larghezzaMm / v.scala};
}

TEST(CompletaZoomPrec, WalksBackThroughTheLogThenToTheKeptWindow)
{
    FinestraProva f(150, 120); // a view of 50 x 40 at scale 3, exact in single precision
    f.motore.selzoom(0, 0, 50, 20);
    f.motore.memxin();
    f.start("Zoom Area");
    f.click(10, 10);
    f.click(40, 20); // A: 30 wide
    f.start("Zoom Area");
    f.click(12, 11);
    f.click(14, 12); // B
    f.start("Zoom Prec.");
    EXPECT_NEAR(veduta(f).l, 10, 1e-5);
    EXPECT_NEAR(veduta(f).w, 30, 1e-5);
    EXPECT_EQ(f.stato.comandi.coma[3].tipo, "Zoom Prec.");
    f.start("Zoom Prec.");
    EXPECT_NEAR(veduta(f).l, 0, 1e-5);
    EXPECT_NEAR(veduta(f).w, 50, 1e-5);
    EXPECT_TRUE(f.messaggi().empty());
    const int numcomando = f.stato.comandi.numcomando;
    f.start("Zoom Prec.");
    EXPECT_EQ(f.beeps(), 1);
    EXPECT_EQ(f.messaggi(), std::vector<std::string>{"Nessun \"Zoom Precedente\" memorizzato"});
    EXPECT_EQ(f.stato.comandi.numcomando, numcomando);
    EXPECT_EQ(f.stato.corrente().tipo, "");
}

TEST(CompletaZoomPrec, RecordZeroIsNoView)
{
    FinestraProva f(150, 120);
    f.motore.selzoom(0, 0, 50, 20);
    f.motore.memxin();
    f.start("Zoom Area");
    f.click(10, 10);
    f.click(40, 20);
    recordcoma& zero = f.stato.comandi.coma[0]; // the drawing file's buffer, whatever it holds
    zero.tipo = "Zoom Area";
    zero.x1 = zero.y1 = 100;
    zero.x2 = zero.y2 = 200;
    f.start("Zoom Prec.");
    EXPECT_NEAR(veduta(f).l, 0, 1e-5);
    EXPECT_NEAR(veduta(f).w, 50, 1e-5);
}

TEST(CompletaZoomPercento, KeepsTheTopLeftCorner)
{
    FinestraProva f;
    int bande = 0;
    f.motore.agganci().impscroll = [&] { ++bande; };
    f.motore.selzoom(10, 0, 60, 20); // 50 wide at left 10
    f.start("Zoom %");
    f.motore.zoomperc(200);
    EXPECT_NEAR(veduta(f).l, 10, 1e-5);
    EXPECT_NEAR(veduta(f).w, 25, 1e-5);
    EXPECT_EQ(f.stato.comandi.numcomando, 2);
    EXPECT_EQ(bande, 1);
    f.start("Zoom %");
    f.motore.zoomperc(100);
    EXPECT_NEAR(veduta(f).w, 25, 1e-5);
    EXPECT_EQ(f.stato.comandi.numcomando, 2);
    EXPECT_EQ(f.stato.corrente().tipo, "");
    EXPECT_EQ(f.riga.Label1, "Comando: ");
}

TEST(CompletaZoomTutto, FitsTheDrawingWithTheStripsAsMargins)
{
    FinestraProva f;
    f.motore.agganci().altezzaPicture3 = [] { return 4.0; };
    f.motore.agganci().larghezzaPicture4 = [] { return 6.0; };
    f.linea(0, 0, 100, 0);
    f.start("Zoom Tutto");
    EXPECT_EQ(f.stato.vista.scala, 1); // a drawing with no height is left as it is
    EXPECT_EQ(f.stato.comandi.numcomando, 1);
    f.linea(0, 0, 0, 50);
    f.start("Zoom Tutto");
    // Margins at scale 1: 4 x 2.5 on the right, 6 x 2.5 at the bottom.
    const recordcoma& r = f.stato.comandi.coma[1];
    EXPECT_EQ(r.tipo, "Zoom Tutto");
    EXPECT_EQ(r.x2, 110);
    EXPECT_EQ(r.y2, 65);
    EXPECT_EQ(f.stato.comandi.numcomando, 2);
}

TEST(CompletaModifica, StretchGivesTheUsersModeBack)
{
    FinestraProva f;
    f.linea(0, 0, 5, 0);
    f.stato.comandi.modoscelto = "Ogget";
    f.start("Stira");
    EXPECT_EQ(f.stato.comandi.modoselez, "Inters");
    f.click(-1, -1);
    f.click(1, 1);
    EXPECT_EQ(f.stato.dis.linee.Item(1).vert1_selez, 1);
    f.rightClick();
    f.click(0, 0);
    f.click(2, 2);
    EXPECT_EQ(f.stato.comandi.modoselez, "Ogget");
    // The marked end moved; the stretch stays in the log.
    const Linea& l = f.stato.dis.linee.Item(1);
    EXPECT_EQ(l.Xi, 2);
    EXPECT_EQ(l.Yi, 2);
    EXPECT_EQ(l.Xf, 5);
    EXPECT_EQ(f.stato.comandi.numcomando, 2);
    EXPECT_EQ(f.stato.comandi.comandoattivo, "Stira");
    EXPECT_EQ(l.stato, STATO_NORMALE);
    EXPECT_EQ(l.vert1_selez, 0);
}

TEST(CompletaModifica, EditsWaitForADrawing)
{
    FinestraProva f;
    f.start("Cancella");
    EXPECT_EQ(f.beeps(), 1);
    EXPECT_EQ(f.messaggi(), std::vector<std::string>{"Impossibile eseguire: \"Cancella\" - Disegno Vuoto"});
    EXPECT_EQ(f.stato.corrente().tipo, "");
    f.start("Zoom Tutto");
    EXPECT_EQ(f.messaggi().back(), "Inutile eseguire: \"Zoom Tutto\" - Disegno Vuoto");
}

} // namespace
} // namespace tramel
