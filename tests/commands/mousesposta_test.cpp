#include "support/finestra_prova.h"

#include <gtest/gtest.h>

namespace tramel {
namespace {

// x goes down to the step, y to the nearest step; a step of 0 or the snap off
// leaves the point as it is; the coordinates take the step's decimals.
TEST(Cursore, SnapStepAndItsDecimals)
{
    struct Caso {
        std::string snap;
        float passo;
        Punto cursore, atteso;
        std::string X, Y;
    };
    const std::vector<Caso> casi = {
        {"ON", 1, {2.9, 2.4}, {2, 2}, " X= 2", " Y= 2"},
        {"ON", 1, {2.9, 2.6}, {2, 3}, " X= 2", " Y= 3"},
        {"ON", 1, {-0.2, -0.6}, {-1, -1}, " X=-1", " Y=-1"},
        {"ON", 0.5, {1.3, 1.3}, {1, 1.5}, " X= 1", " Y= 1.5"},
        {"ON", 0.25, {2.3, 2.375}, {2.25, 2.5}, " X= 2.25", " Y= 2.5"},
        {"ON", 0.1, {1.23, 0}, {1.2, 0}, " X= 1.2", " Y= 0"}, // 1.2 as a Single, shown to one decimal
        {"ON", 0, {2.375, 1.625}, {2.375, 1.625}, " X= 2.375", " Y= 1.625"},
        {"OFF", 0.25, {2.375, 1.625}, {2.375, 1.625}, " X= 2.375", " Y= 1.625"},
    };
    for (const Caso& c : casi) {
        FinestraProva f(VistaProva{});
        f.stato.aiuti.snapattivo = c.snap;
        f.stato.aiuti.passosnap = c.passo;
        const Punto p = f.move(c.cursore.x, c.cursore.y);
        EXPECT_NEAR(p.x, c.atteso.x, 1e-6) << c.passo << " " << c.cursore.x;
        EXPECT_NEAR(p.y, c.atteso.y, 1e-6) << c.passo << " " << c.cursore.y;
        EXPECT_EQ(f.box(3).testo, c.X);
        EXPECT_EQ(f.box(4).testo, c.Y);
    }
}

// A cross-hair line of no length takes a twentieth of the window's width
// (150 mm) on the first move, and keeps it.
TEST(Cursore, CrossHairTakesItsLengthOnceAndFollows)
{
    FinestraProva f(VistaProva{});
    f.move(10, 20); // 30, 60 mm
    const LineaOverlay& v = f.stato.overlay.Line1;
    const LineaOverlay& o = f.stato.overlay.Line2;
    EXPECT_DOUBLE_EQ(v.x1, 30);
    EXPECT_DOUBLE_EQ(v.x2, 30);
    EXPECT_DOUBLE_EQ(v.y1, 60 - 3.75);
    EXPECT_DOUBLE_EQ(v.y2, 60 + 3.75);
    f.move(1, 2);
    EXPECT_DOUBLE_EQ(o.x1, 3 - 3.75);
    EXPECT_DOUBLE_EQ(o.x2, 3 + 3.75);
    EXPECT_DOUBLE_EQ(o.y1, 6);
    EXPECT_DOUBLE_EQ(v.y2 - v.y1, 7.5);
}

struct SnapProva : FinestraProva {
    SnapProva() : FinestraProva(VistaProva{})
    {
        stato.aiuti.snapattivo = AIUTO_OFF;
        linea(0, 0, 10, 0);
        stato.aiuti.filtrosnap = 3; // "Fine"
    }
    // A move at the time t, near the line's end.
    bool trovaFine(double t)
    {
        porte.clock.adesso = t;
        const Punto p = move(10.2, 0.1);
        return stato.overlay.Shape3.visibile && p.x == 10 && p.y == 0;
    }
    void mancato(double t)
    {
        porte.clock.adesso = t;
        move(50, 50);
    }
};

// After a search that found nothing, moves within 0.8 s search nothing; after
// a hit every move searches; a clock that went back does not stop the search.
TEST(Cursore, ObjectSnapPausesAfterAMissOnly)
{
    SnapProva f;
    f.start("Linea");
    EXPECT_TRUE(f.trovaFine(0)); // the first move of all searches
    EXPECT_EQ(f.stato.overlay.Shape3.sinistra, 30 - f.stato.overlay.Shape3.larghezza / 2);
    f.mancato(0.1);
    EXPECT_FALSE(f.trovaFine(0.5));
    EXPECT_FALSE(f.stato.overlay.Shape3.visibile);
    EXPECT_TRUE(f.trovaFine(0.95));
    EXPECT_TRUE(f.trovaFine(0.96));
    f.mancato(100);
    EXPECT_TRUE(f.trovaFine(5));
    // The click takes the point found.
    f.click(10.2, 0.1);
    EXPECT_EQ(f.stato.corrente().x1, 10);
}

// No search while a command never takes snapped points, nor while an edit selects.
TEST(Cursore, NoObjectSnapWhereTheCommandTakesNone)
{
    const std::vector<std::pair<std::string, int>> casi = {
        {"Rettangolo", 0}, {"Cancella", 0}, {"Proprietà Oggetto", 0}, {"Zoom Area", 0},
        {"Sposta", 0},     {"Sposta", 1},   {"Stira", 0},             {"Stira", 1},
    };
    for (const auto& [nome, passo] : casi) {
        SnapProva f;
        f.start(nome);
        if (passo == 1)
            f.click(30, 30);
        ASSERT_EQ(f.stato.comandi.passocomando, passo) << nome;
        EXPECT_FALSE(f.trovaFine(1)) << nome << " " << passo;
        EXPECT_EQ(f.stato.snap.trovatosnap, 0) << nome;
    }
}

// Pick mode at the last step of a move: the pick box follows the cursor, the
// second box holds the point and the band runs from the base point.
TEST(Cursore, MoveInPickModeAtItsLastStep)
{
    FinestraProva f(VistaProva{});
    f.linea(0, 0, 10, 0);
    f.stato.comandi.modoscelto = "Ogget";
    f.start("Sposta");
    f.click(5, 0);
    f.rightClick();
    f.click(1, 1);
    ASSERT_EQ(f.stato.comandi.passocomando, PASSO_FINALE);
    f.move(5, 5);
    const FormaOverlay& box = f.stato.overlay.Shape2;
    EXPECT_DOUBLE_EQ(box.sinistra + box.larghezza / 2, 15);
    EXPECT_DOUBLE_EQ(box.alto + box.altezza / 2, 15);
    EXPECT_EQ(f.box(2).testo, " 5, 5");
    const LineaOverlay& banda = f.stato.overlay.Line3;
    EXPECT_TRUE(banda.visibile);
    EXPECT_EQ(std::vector<double>({banda.x1, banda.y1, banda.x2, banda.y2}), std::vector<double>({3, 3, 15, 15}));
    EXPECT_EQ(f.box(5).testo, ""); // no read-outs in pick mode
}

// Before a command's first point its first box shows the cursor; the second
// box takes the focus once it is enabled.
TEST(Cursore, FirstPointEchoedAndFocus)
{
    FinestraProva f(VistaProva{});
    f.stato.aiuti.snapattivo = AIUTO_OFF;
    f.motore.scrivilabel1(); // "Comando: ", as the window starts
    f.start("Linea");
    f.move(2.5, 4);
    EXPECT_EQ(f.box(1).testo, " 2.5, 4");
    EXPECT_EQ(f.riga.fuoco, 1);
    f.click(2.5, 4);
    f.move(3, 4);
    EXPECT_EQ(f.box(2).testo, " 3, 4");
    EXPECT_EQ(f.riga.fuoco, 2);
    // No command: no echo.
    f.key(Tasto::Esc);
    f.move(7, 7);
    EXPECT_EQ(f.box(1).testo, "");
}

} // namespace
} // namespace tramel
