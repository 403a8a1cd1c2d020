// What the window's menus and mouse start in the engine: clicks on the snap
// step, the selection mode, the print window, the pans of the scroll bars.
#include "support/finestra_prova.h"

#include <gtest/gtest.h>

namespace tramel {
namespace {

// The click lands on the step as the cross-hair shows it: x down, y to the
// nearest; a step of 0 or the snap off takes the point as it is.
TEST(Premuto, LeftButtonClicksOnTheSnapStep)
{
    struct Caso {
        std::string snap;
        float passo;
        double x, y, attesoX, attesoY;
    };
    const Caso casi[] = {
        {"ON", 1, 2.7, 2.7, 2, 3},       {"ON", 0.5f, 1.3, 1.3, 1.0, 1.5}, {"ON", 1, -0.2, -0.6, -1, -1},
        {"ON", 0, 2.7, 2.7, 2.7, 2.7},   {"OFF", 1, 2.7, 2.7, 2.7, 2.7},
    };
    for (const Caso& c : casi) {
        FinestraProva f(VistaProva{});
        f.stato.aiuti.snapattivo = c.snap;
        f.stato.aiuti.passosnap = c.passo;
        f.start("Linea");
        f.motore.premuto(true, static_cast<float>(c.x * 3), static_cast<float>(c.y * 3));
        EXPECT_NEAR(f.stato.corrente().x1, c.attesoX, 1e-5) << c.snap << " " << c.passo << " " << c.x;
        EXPECT_NEAR(f.stato.corrente().y1, c.attesoY, 1e-5) << c.snap << " " << c.passo << " " << c.y;
    }
}

// A snapped click is stored on the very step, whatever the scale; a pan keeps the scale.
TEST(Premuto, ASnappedClickIsExactlyOnTheStepAndAPanKeepsTheScale)
{
    struct Caso {
        float passo;
        double x, y, attesoX, attesoY;
    };
    const double scala = 4.95537571691109;
    for (const Caso& c : {Caso{1, 15.3, 7.2, 15, 7}, Caso{0.1f, 1.57, 0.33, 1.5, 0.3}}) {
        FinestraProva f(VistaProva{scala});
        f.stato.aiuti.snapattivo = "ON";
        f.stato.aiuti.passosnap = c.passo;
        f.start("Linea");
        f.motore.premuto(true, static_cast<float>(c.x * scala), static_cast<float>(c.y * scala));
        EXPECT_EQ(f.stato.corrente().x1, c.attesoX);
        EXPECT_EQ(f.stato.corrente().y1, c.attesoY);
    }
    FinestraProva f(VistaProva{scala});
    f.stato.xmax = f.stato.ymax = 1000;
    for (int v : {51, 52, 53, 40})
        f.motore.scorri(v % 2 == 0, v);
    EXPECT_EQ(f.stato.vista.scala, scala);
}

// A click on a node of a decimal step, at the pixel where the view shows it,
// lands on that node, and the cross-hair reads it: at or below, the node included.
TEST(Premuto, AClickOnANodeOfADecimalStepLandsOnIt)
{
    struct Caso {
        float passo;
        int numeratore, denominatore; // the step as a fraction
        double scala, x1;
    };
    for (const Caso& c : {Caso{0.1f, 1, 10, 10, 0}, Caso{0.1f, 1, 10, 3, 0}, Caso{0.1f, 1, 10, 0.7, 0},
                          Caso{0.05f, 5, 100, 4.95537571691109, -10.3}, Caso{0.3f, 3, 10, 7, 2}}) {
        FinestraProva f(VistaProva{c.scala, c.x1, c.x1});
        f.stato.aiuti.snapattivo = "ON";
        f.stato.aiuti.passosnap = c.passo;
        const auto nodo = [&](int k) { return static_cast<double>(k * c.numeratore) / c.denominatore; };
        const auto clic = [&](Punto pixel) {
            const Punto mm = finestraDaDispositivo(f.stato.vista, pixel.x, pixel.y);
            float X = static_cast<float>(mm.x), Y = static_cast<float>(mm.y);
            f.key(Tasto::Esc);
            f.motore.mousesposta(X, Y);
            f.start("Linea");
            f.motore.premuto(true, static_cast<float>(mm.x), static_cast<float>(mm.y));
        };
        // A tenth of a step to the left lands on the node before.
        const double decimo = 0.1 * c.passo * f.stato.vista.scala * f.stato.vista.pixelPerMmX();
        int mancati = 0;
        for (int k = -100; k <= 500; ++k) {
            const Punto pixel = dispositivoDaDisegno(f.stato.vista, nodo(k), nodo(k));
            clic(pixel);
            mancati += f.stato.corrente().x1 != nodo(k) || f.stato.corrente().y1 != nodo(k) ||
                       f.box(3).testo != " X=" + strNumero(nodo(k)) || f.box(4).testo != " Y=" + strNumero(nodo(k));
            clic({pixel.x - decimo, pixel.y});
            mancati += f.stato.corrente().x1 != nodo(k - 1);
        }
        EXPECT_EQ(mancati, 0) << c.passo << " at scale " << c.scala;
    }
}

TEST(Premuto, OtherButtonsRightClick)
{
    FinestraProva f(VistaProva{});
    f.start("Linea");
    f.motore.premuto(true, 3, 3);
    f.motore.premuto(false, 30, 30);
    EXPECT_EQ(f.stato.corrente().nome(), "");
    EXPECT_EQ(f.stato.dis.linee.Count(), 0);
    EXPECT_EQ(f.riga.Label1, "Comando: ");
}

TEST(ImpostaSelezione, APendingEditSelectsAgainInTheNewMode)
{
    FinestraProva f(VistaProva{});
    f.linea(0, 0, 10, 0);
    f.start("Sposta");
    f.click(-1, -1); // the first corner of a crossing window
    ASSERT_EQ(f.stato.comandi.passocomando, 1);
    f.riga.Label2 = "Secondo Punto: ";
    f.riga.Text[2].testo = "3,4";
    f.motore.impo(1);
    EXPECT_EQ(f.stato.comandi.modoselez, "Ogget");
    EXPECT_EQ(f.stato.comandi.passocomando, 0);
    EXPECT_FALSE(f.stato.overlay.Shape1.visibile);
    EXPECT_EQ(f.riga.Label2, "");
    EXPECT_EQ(f.box(2).testo, "");
    f.click(5, 0); // a pick now
    EXPECT_EQ(f.stato.comandi.numselez, 1);

    // Without a command the mode waits for the next edit; a stretch keeps its own.
    f.key(Tasto::Esc);
    f.motore.impo(2);
    f.start("Copia");
    EXPECT_EQ(f.stato.comandi.modoselez, "Fines");
    f.motore.impo(0);
    EXPECT_EQ(f.stato.comandi.modoselez, "Fines");
}

TEST(Stampa, MarksWhatCrossesTheVisibleWindowAndGivesItsCorner)
{
    FinestraProva f(VistaProva{2, -5, 10}); // 150 x 110 mm at scale 2: (-5, 10)-(70, 65)
    f.linea(0, 20, 10, 20);
    f.linea(100, 100, 110, 100);
    f.stato.dis.linee.Item(2).stampare = 1; // marked by an earlier print
    std::string x, y;
    f.motore.agganci().stampa.origine = [&](const std::string& a, const std::string& b) {
        x = a;
        y = b;
    };
    f.start("Linea");
    f.click(1, 1);
    f.motore.finestraStampa();
    EXPECT_EQ(x, "-5");
    EXPECT_EQ(y, " 10");
    EXPECT_EQ(f.stato.dis.linee.Item(1).stampare, 1);
    EXPECT_EQ(f.stato.dis.linee.Item(2).stampare, 0);
    EXPECT_EQ(f.stato.dis.linee.Item(1).stato, STATO_NORMALE); // marked, not selected
    EXPECT_EQ(f.stato.corrente().tipo, "");
    EXPECT_EQ(f.stato.dis.linee.Count(), 2); // the line under way was dropped
}

// A view of 50 x 20 units pans by a step of 1 unit a notch, while the
// drawing is longer than the step along the bar's axis.
TEST(Scorrimento, PansByAStepWhileTheDrawingIsLongerThanIt)
{
    FinestraProva f(150, 60);
    f.stato.vista.scala = 3;
    f.stato.xmax = 1; // no longer than the step
    f.stato.ymax = 100;
    f.motore.scorri(false, 55);
    EXPECT_EQ(f.stato.vista.origineX, 0);
    EXPECT_EQ(f.stato.valhscroll, 50);
    f.stato.xmax = 2;
    f.motore.scorri(false, 57); // the whole way from the last real pan
    EXPECT_FLOAT_EQ(f.stato.vista.origineX / 3, 7);
    EXPECT_EQ(f.stato.valhscroll, 57);

    f.motore.scorri(true, 60);
    EXPECT_FLOAT_EQ(f.stato.vista.origineY / 3, 10);
    f.motore.scorri(true, 50);
    EXPECT_FLOAT_EQ(f.stato.vista.origineY / 3, 0);
}

// Steps along a bar and as many back bring the view to the very origin it
// had, whatever the scale, the origin and the order of the steps.
TEST(Scorrimento, StepsBackReturnToTheVeryOrigin)
{
    struct Caso {
        double scala, x1, y1;
        std::vector<std::pair<bool, int>> valori; // (vertical, value) in turn, ending where the bars began
    };
    const Caso casi[] = {
        {3, 0, 0, {{false, 51}, {false, 50}}},
        {4.95537571691109, -10.3, 7.7, {{false, 60}, {true, 41}, {false, 59}, {false, 50}, {true, 50}}},
        {0.37, 1e5, -3.3, {{true, 100}, {true, 0}, {false, 73}, {true, 50}, {false, 50}}},
        {1234.5, 0.1, 0.2, {{false, 51}, {false, 52}, {false, 53}, {false, 52}, {false, 51}, {false, 50}}},
    };
    for (const Caso& c : casi) {
        FinestraProva f(VistaProva{c.scala, c.x1, c.y1});
        f.stato.xmin = f.stato.ymin = -1e9;
        f.stato.xmax = f.stato.ymax = 1e9;
        const Vista prima = f.stato.vista;
        for (const auto& [verticale, valore] : c.valori)
            f.motore.scorri(verticale, valore);
        EXPECT_EQ(f.stato.vista.origineX, prima.origineX) << c.scala;
        EXPECT_EQ(f.stato.vista.origineY, prima.origineY) << c.scala;
        EXPECT_EQ(f.stato.vista.scala, prima.scala) << c.scala;
    }
}

} // namespace
} // namespace tramel
