#include "support/finestra_prova.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tramel {
namespace {

TEST(ClickLinea, ChainGoesOnFromTheEndPoint)
{
    FinestraProva f;
    f.start("Linea");
    f.click(0, 0);
    EXPECT_EQ(f.riga.Label2, "Al Punto: ");
    f.click(10, 5);
    EXPECT_EQ(f.box(1).testo, " 10, 5");
    f.click(10, 8);
    ASSERT_EQ(f.stato.dis.linee.Count(), 2);
    const Linea& seconda = f.stato.dis.linee.Item(2);
    EXPECT_EQ(seconda.Xi, 10);
    EXPECT_EQ(seconda.Yi, 5);
    EXPECT_EQ(f.stato.comandi.numcomando, 1);
    EXPECT_EQ(f.stato.corrente().tipo, "Linea");
    EXPECT_EQ(f.stato.comandi.passocomando, 1);
    EXPECT_EQ(f.stato.dasalvare, 1);
}

// The snap step as the mouse takes it, in drawing units: x goes
// down to the step, y to the nearest one; OFF, a step of 0 or of no number snaps nothing.
TEST(PassoSnap, XDownYToTheNearestStep)
{
    struct Caso {
        const char* snap;
        float passo, x, y, attesoX, attesoY;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const Caso& c : {Caso{"ON", 1, 2.7f, 2.7f, 2, 3}, Caso{"ON", 0.5f, 1.3f, 1.3f, 1, 1.5f},
                          Caso{"ON", 1, -0.2f, -0.6f, -1, -1}, Caso{"OFF", 1, 2.7f, 2.7f, 2.7f, 2.7f},
                          Caso{"ON", 0, 2.7f, 2.7f, 2.7f, 2.7f}, Caso{"ON", nan, 2.7f, 2.7f, 2.7f, 2.7f}}) {
        FinestraProva f;
        f.stato.vista.scala = 3;
        f.stato.aiuti.snapattivo = c.snap;
        f.stato.aiuti.passosnap = c.passo;
        const Punto p = f.motore.agganciaPasso(c.x, c.y);
        EXPECT_NEAR(p.x, c.attesoX, 1e-5) << c.snap << " " << c.passo << " " << c.x;
        EXPECT_NEAR(p.y, c.attesoY, 1e-5) << c.snap << " " << c.passo << " " << c.y;
    }
}

// A radius typed beyond the numbers, then a click where the mouse is: no circle, a beep.
TEST(ClickCerchio, ARadiusBeyondTheNumbersIsRefused)
{
    for (const char* raggio : {"1e999", "1e200"}) {
        FinestraProva f;
        f.start("Cerchio");
        f.type("0,0");
        f.riga.Text[2].testo = raggio;
        const int beeps = f.beeps();
        f.click(1, 0);
        EXPECT_EQ(f.beeps(), beeps + 1) << raggio;
        EXPECT_EQ(f.stato.dis.cerchi.Count(), 0) << raggio;
    }
}

TEST(ClickLinea, NoCommandNoClick)
{
    FinestraProva f;
    f.click(1, 1);
    EXPECT_EQ(f.stato.corrente().x1, 0);
    EXPECT_EQ(f.riga.Label1, "Comando: ");
}

// The pending object-snap point: only a mouse click of a command that is not exempt takes it.
struct SnapPendente {
    const char* nome;
    bool digitato;
    bool preso;     // the point stored is the snap point
    bool pendente;  // the snap point is still pending afterwards
};

class ClickSnap : public testing::TestWithParam<SnapPendente> {};

TEST_P(ClickSnap, TakesKeepsOrDropsThePendingPoint)
{
    const SnapPendente& p = GetParam();
    FinestraProva f;
    f.stato.cisonooggetti = 1;
    f.stato.comandi.modoselez = f.stato.comandi.modoscelto = "Ogget";
    f.start(p.nome);
    f.stato.aiuti.filtrosnap = 2;
    f.stato.snap.trovatosnap = 1;
    f.stato.snap.snapx = 7;
    f.stato.snap.snapy = 8;
    if (p.digitato)
        f.type("1,2");
    else
        f.click(1, 2);
    // A pick stores no point in the record.
    if (std::string(p.nome) != "Sposta") {
        EXPECT_EQ(f.stato.corrente().x1, p.preso ? 7 : 1);
        EXPECT_EQ(f.stato.corrente().y1, p.preso ? 8 : 2);
    }
    EXPECT_EQ(f.stato.snap.trovatosnap, p.pendente ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Comandi, ClickSnap,
                         testing::Values(SnapPendente{"Linea", false, true, false},
                                         SnapPendente{"Linea", true, false, false},
                                         SnapPendente{"Rettangolo", false, false, true},
                                         SnapPendente{"Rettangolo", true, false, false},
                                         SnapPendente{"Zoom Area", false, false, true},
                                         SnapPendente{"Sposta", false, false, true},
                                         SnapPendente{"Arco", false, true, false}));

struct Ortogonale {
    double x, y;     // second point, first at (0, 0)
    double ex, ey;   // stored
};

class ClickOrto : public testing::TestWithParam<Ortogonale> {};

TEST_P(ClickOrto, LevelOrPlumbWithTheFirstPoint)
{
    const Ortogonale& o = GetParam();
    FinestraProva f;
    f.stato.aiuti.ortoattivo = "ON";
    f.start("Linea");
    f.click(0, 0);
    f.click(o.x, o.y);
    const Linea& l = f.stato.dis.linee.Item(1);
    EXPECT_EQ(l.Xf, o.ex);
    EXPECT_EQ(l.Yf, o.ey);
}

INSTANTIATE_TEST_SUITE_P(Punti, ClickOrto,
                         testing::Values(Ortogonale{5, 5, 0, 5},     // 45 degrees: plumb
                                         Ortogonale{-4, 4, 0, 4},    // a tie the other way: plumb
                                         Ortogonale{6, 5, 6, 0},     // farther along: level
                                         Ortogonale{2, -9, 0, -9})); // farther across: plumb

TEST(ClickArco, ThirdPointOffTheArcTurnsItRound)
{
    // From (-10, 0) through falling angles to (0, 10): the quarter about the origin between them.
    for (const auto& [x3, y3, girato] : {std::tuple{-7.0, 7.0, false}, std::tuple{7.0, -7.0, true}}) {
        FinestraProva f;
        f.start("Arco");
        f.click(-10, 0);
        EXPECT_EQ(f.riga.Label2, " Arco_Secondo Punto(P.Finale): ");
        f.click(0, 10);
        EXPECT_EQ(f.riga.Label2, " Arco_Terzo Punto: ");
        f.click(x3, y3);
        ASSERT_EQ(f.stato.dis.archi.Count(), 1);
        const Arco& a = f.stato.dis.archi.Item(1);
        EXPECT_EQ(a.p1x, girato ? 0 : -10) << x3;
        EXPECT_EQ(a.p2x, girato ? -10 : 0) << x3;
        EXPECT_EQ(f.stato.corrente().tipo, "");
        EXPECT_EQ(f.stato.comandi.comandoattivo, "Arco");
    }
}

TEST(ClickArco, ThreePointsOnALineAreKeptAsClicked)
{
    FinestraProva f;
    f.start("Arco");
    f.click(0, 0);
    f.click(10, 0);
    f.click(20, 0);
    const Arco& a = f.stato.dis.archi.Item(1);
    EXPECT_EQ(a.p1x, 0);
    EXPECT_EQ(a.p2x, 10);
}

TEST(ClickRettangolo, VerticesStartAtTheFirstCorner)
{
    FinestraProva f;
    f.start("Rettangolo");
    f.click(10, 2);
    EXPECT_EQ(f.riga.Label2, "Secondo Punto: ");
    f.click(4, 8);
    ASSERT_EQ(f.stato.dis.rettangoli.Count(), 1);
    const Rettangolo& r = f.stato.dis.rettangoli.Item(1);
    double x, y;
    const double attesi[4][2] = {{10, 2}, {10, 8}, {4, 8}, {4, 2}};
    for (int i = 1; i <= 4; ++i) {
        r.prel_vert_ret(x, y, i);
        EXPECT_EQ(x, attesi[i - 1][0]) << i;
        EXPECT_EQ(y, attesi[i - 1][1]) << i;
    }
    EXPECT_EQ(f.riga.Label1, "Comando: ");
    EXPECT_EQ(f.stato.comandi.comandoattivo, "Rettangolo");
}

TEST(ClickCerchio, RadiusIsTheOneTyped)
{
    FinestraProva f;
    f.start("Cerchio");
    f.click(3, 4);
    EXPECT_EQ(f.riga.Label2, "Raggio: ");
    f.type("2.5");
    ASSERT_EQ(f.stato.dis.cerchi.Count(), 1);
    const Cerchio& c = f.stato.dis.cerchi.Item(1);
    EXPECT_EQ(c.Xcentro, 3);
    EXPECT_EQ(c.Xpunto, 5.5);
    EXPECT_EQ(c.YPunto, 4);
    EXPECT_EQ(f.riga.Label1, "Comando: ");
}

TEST(ClickPoligono, VerticesFollowTheClicksAndTypedPointsKeepTheirPrecision)
{
    FinestraProva f;
    f.start("Polilinea");
    f.type("0.1,0");
    f.click(5, 0);
    EXPECT_EQ(f.riga.Label1, " Polilinea:  2° Vertice");
    EXPECT_EQ(f.riga.Label2, "  3° Vertice");
    double x, y;
    f.stato.ogg.oggpolilinea->prel_vert_pol(x, y, 1);
    EXPECT_EQ(x, static_cast<double>(0.1f)); // polyline points are single precision
    f.start("Linea");
    f.type("0.1,0.2");
    EXPECT_EQ(f.stato.corrente().x1, 0.1);
}

TEST(ClickPoligono, NoVertexBeyondTheLargestCount)
{
    FinestraProva f;
    f.start("Superficie");
    f.click(0, 0);
    f.stato.ogg.oggsuperficie->vertic(32767);
    f.click(1, 1);
    EXPECT_EQ(f.beeps(), 1);
    EXPECT_EQ(f.stato.ogg.oggsuperficie->vertic(), 32767);
}

TEST(ClickDistanza, EqualPointsBeepSevenTimesAndWait)
{
    FinestraProva f;
    f.start("Distanza-Angolo");
    f.click(2, 2);
    f.click(2, 2);
    EXPECT_EQ(f.beeps(), 7);
    EXPECT_EQ(f.stato.comandi.passocomando, 1);
    EXPECT_EQ(f.box(1).testo, "");
}

TEST(ClickZoomArea, TooNarrowBeepsAndKeepsTheView)
{
    FinestraProva f;
    f.motore.selzoom(0, 0, 50, 20);
    f.start("Zoom Area");
    f.click(1, 1);
    f.click(1.005, 5);
    EXPECT_EQ(f.beeps(), 1);
    EXPECT_EQ(f.stato.comandi.passocomando, 1);
    EXPECT_EQ(f.stato.vista.scala, 3);
    f.click(11, 6);
    EXPECT_EQ(f.stato.vista.scala, 15);
    EXPECT_EQ(f.stato.comandi.coma[1].tipo, "Zoom Area");
    EXPECT_EQ(f.stato.comandi.numcomando, 2);
}

TEST(ClickTesto, TheTextDialogGetsTheInsertionPoint)
{
    FinestraProva f;
    double x = 0, y = 0;
    f.motore.agganci().inserisciTesto = [&](double a, double b) {
        x = a;
        y = b;
    };
    f.start("Testo");
    f.click(4, 6);
    EXPECT_EQ(x, 4);
    EXPECT_EQ(y, 6);
    EXPECT_EQ(f.stato.comandi.passocomando, 1);
}

TEST(ClickStampa, SecondCornerGivesThePrintOrigin)
{
    FinestraProva f;
    std::string ox, oy;
    int anteprime = 0;
    f.motore.agganci().stampa.origine = [&](const std::string& x, const std::string& y) {
        ox = x;
        oy = y;
    };
    f.motore.agganci().stampa.anteprima = [&] { ++anteprime; };
    f.start("Selstamp");
    f.click(9, 2);
    EXPECT_EQ(f.riga.Label2, "Secondo Punto:");
    f.click(3, 7.5);
    EXPECT_EQ(ox, " 3");
    EXPECT_EQ(oy, " 2");
    EXPECT_EQ(anteprime, 1);
    EXPECT_EQ(f.stato.comandi.passocomando, 0);
}

TEST(ClickFinestra, ASecondWindowAddsToTheFirst)
{
    FinestraProva f;
    f.linea(0, 0, 10, 0);
    f.linea(0, 20, 10, 20);
    f.stato.comandi.modoscelto = "Fines";
    f.start("Sposta");
    EXPECT_EQ(f.riga.Label1, "Sposta (F) _ Primo Punto:");
    f.click(-1, -1);
    EXPECT_FALSE(f.box(1).abilitata);
    f.click(11, 1);
    EXPECT_EQ(f.box(1).testo, "<1> Oggetto Selezionato");
    EXPECT_EQ(f.stato.comandi.passocomando, 0);
    f.click(11, 21); // corners in any order
    f.click(-1, 19);
    EXPECT_EQ(f.box(1).testo, "<2> Oggetti Selezionati");
    EXPECT_EQ(f.riga.Label2, "Conferma Oggetti da Spostare");
}

TEST(ClickDigitato, NoInfinitePointBecomesACoordinate)
{
    FinestraProva f;
    f.start("Linea");
    f.motore.puntoDigitato(std::numeric_limits<double>::infinity(), 1);
    f.motore.puntoDigitato(1, std::nan(""));
    EXPECT_EQ(f.stato.comandi.passocomando, 0);
}

} // namespace
} // namespace tramel
