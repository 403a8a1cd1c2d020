#include "disegno_prova.h"
#include "support/finestra_prova.h"

#include "geometry/intersezioni.h"

#include <gtest/gtest.h>

#include <random>

namespace tramel {
namespace {

// A window at scale 3, 10 pixels a millimetre: a drawing point (x, y) lands
// on the pixel (30x, 30y).
struct Fantasmi : FinestraProva {
    Fantasmi() : FinestraProva(VistaProva{})
    {
        stato.aiuti.snapattivo = AIUTO_OFF;
        stato.cisonooggetti = stato.cisonotesti = 1;
    }
    // Runs an edit up to its last step: a crossing window round (x1, y1) -
    // (x2, y2), the confirmation and the base point.
    void finoAllaBase(const std::string& comando, Riquadro finestra, Punto base)
    {
        start(comando);
        click(finestra.x1, finestra.y1);
        click(finestra.x2, finestra.y2);
        rightClick();
        click(base.x, base.y);
        ASSERT_EQ(stato.comandi.passocomando, PASSO_FINALE);
    }
    const std::vector<std::string>& fantasma() const { return superficie.transitorio.disegni(); }
    bool disegnato(const std::string& inizio) const
    {
        for (const std::string& d : fantasma())
            if (d.starts_with(inizio))
                return true;
        return false;
    }
};

template <class T>
std::vector<T> copie(const Collezione<T>& c)
{
    std::vector<T> v;
    for (int i = 1; i <= c.Count(); ++i)
        v.push_back(c.Item(i));
    return v;
}

// After any number of ghosts every selected entity of the seven kinds is as
// it was, bit for bit; the ghosts go to the transient layer only.
TEST(Fantasmi, SelectedEntitiesNeverChange)
{
    for (const std::string comando : {"Sposta", "Copia", "Stira", "Ruota", "Specchio"}) {
        Fantasmi f;
        disegno& d = f.stato.dis;
        vertici(d.superfici, {{0, 0}, {0, 2}, {2, 2}}, &superficie::inser_vert_sup);
        vertici(d.rettangoli, {{3, 0}, {3, 2}, {5, 2}, {5, 0}}, &Rettangolo::inser_vert_ret);
        vertici(d.polilinee, {{6, 0}, {7, 2}, {8, 0}}, &polilinea::inser_vert_pol);
        linea(d, 9, 0, 11, 2);
        cerchio(d, 13, 1, 1);
        arco(d, 16, 1, 1, 90, 0);
        scritta(d, 18, 0).ang_testo(30);
        f.finoAllaBase(comando, {-1, -1, 12, 3}, {5, 5}); // a crossing window: Stira marks some vertices
        const auto prima = std::tuple(copie(d.superfici), copie(d.rettangoli), copie(d.polilinee), copie(d.linee),
                                      copie(d.cerchi), copie(d.archi), copie(d.testi));
        f.superficie.dimentica();
        std::mt19937 caso(7);
        std::uniform_real_distribution<double> punto(-20, 40);
        for (int i = 0; i < 30; ++i)
            f.move(punto(caso), punto(caso));
        EXPECT_EQ(prima, std::tuple(copie(d.superfici), copie(d.rettangoli), copie(d.polilinee), copie(d.linee),
                                    copie(d.cerchi), copie(d.archi), copie(d.testi)))
            << comando;
        EXPECT_FALSE(f.fantasma().empty()) << comando;
        EXPECT_EQ(f.superficie.pulizieTransitorie, 30) << comando;
        EXPECT_TRUE(f.superficie.disegni().empty()) << comando; // nothing into the picture
    }
}

// The cursor straight below the base point turns a quarter: a point one to
// the right goes one down, a point on the base stays; the click agrees.
TEST(Fantasmi, RotationAQuarterTurn)
{
    Fantasmi f;
    linea(f.stato.dis, 10, 10, 11, 10);
    f.finoAllaBase("Ruota", {9, 9, 12, 11}, {10, 10});
    f.move(10, 15);
    EXPECT_EQ(f.box(2).testo, "90");
    EXPECT_TRUE(f.disegnato("Polyline(300,300 300,330)"));
    f.click(10, 15);
    const Linea& l = f.stato.dis.linee.Item(1);
    EXPECT_NEAR(l.Xf, 10, 1e-9);
    EXPECT_NEAR(l.Yf, 11, 1e-9);
    EXPECT_EQ(l.Xi, 10);
    EXPECT_EQ(l.Yi, 10);
}

// The angle shown has its fraction in the plain "." form, whatever the
// user's numbers, and the click rotates by exactly that angle.
TEST(Fantasmi, RotationAngleRoundTripsWithItsFraction)
{
    Fantasmi f;
    f.motore.agganci().formato = NumberFormat(",", ".");
    linea(f.stato.dis, 10, 10, 12, 10);
    f.finoAllaBase("Ruota", {9, 9, 13, 11}, {10, 10});
    f.move(12, 11);
    const std::string angolo = f.box(2).testo;
    EXPECT_EQ(angolo.substr(0, 8), "26.56505");
    EXPECT_EQ(angolo.find(','), std::string::npos);
    f.click(12, 11);
    EXPECT_EQ(f.stato.comandi.coma.at(1).x2, valNumero(angolo));
}

// A mirror axis of one point is vertical; a horizontal axis turns y about it.
TEST(Fantasmi, MirrorAxes)
{
    Fantasmi f;
    linea(f.stato.dis, 11, 10, 12, 12);
    f.finoAllaBase("Specchio", {10.5, 9, 13, 13}, {10, 10});
    f.move(10, 10);
    EXPECT_TRUE(f.disegnato("Polyline(270,300 240,360)"));
    f.move(20, 10);
    EXPECT_TRUE(f.disegnato("Polyline(330,300 360,240)"));
    EXPECT_EQ(f.fantasma().size(), 1u); // the previous ghost is gone
}

// A stretch moves only the marked end of a line; an arc with one end marked
// moves it and its third point, drawn through that point.
TEST(Fantasmi, StretchMovesMarkedPointsOnly)
{
    Fantasmi f;
    linea(f.stato.dis, 0, 0, 10, 0);
    f.finoAllaBase("Stira", {9, -1, 11, 1}, {10, 0});
    f.move(10, 5);
    EXPECT_TRUE(f.disegnato("Polyline(0,0 300,150)"));
}

// Only the selected entities are drawn, each once, in its own colour.
TEST(Fantasmi, OnlyTheSelectionInItsOwnColours)
{
    Fantasmi f;
    for (int i = 0; i < 50; ++i)
        linea(f.stato.dis, i, 20, i + 0.5, 20);
    linea(f.stato.dis, 0, 0, 1, 0).colorelinea = RGB(200, 0, 0);
    f.finoAllaBase("Copia", {-0.5, -0.5, 1.5, 0.5}, {0, 0});
    f.move(1, 1);
    ASSERT_EQ(f.fantasma().size(), 1u);
    EXPECT_EQ(f.fantasma()[0], "Polyline(30,30 60,30) pen(0,1,#c80000)");
}

// The base point switches the persistent drawing off, the final point and a
// cancel switch it on again and take the ghost away.
TEST(Fantasmi, PersistentDrawingOffOnlyWhileTheGhostsRun)
{
    for (const bool annulla : {false, true}) {
        Fantasmi f;
        linea(f.stato.dis, 0, 0, 1, 0);
        f.start("Sposta");
        f.click(-1, -1);
        f.click(2, 1);
        f.rightClick();
        EXPECT_TRUE(f.superficie.persistenza);
        f.click(0, 0);
        EXPECT_FALSE(f.superficie.persistenza);
        f.move(3, 3);
        if (annulla)
            f.key(Tasto::Esc);
        else
            f.click(3, 3);
        EXPECT_TRUE(f.superficie.persistenza);
        EXPECT_TRUE(f.fantasma().empty());
    }
}

// A selection taken up again after a zoom keeps its highlights in the picture.
TEST(Fantasmi, SelectionResumedAfterAZoomDrawsIntoThePicture)
{
    Fantasmi f;
    linea(f.stato.dis, 0, 0, 10, 0);
    linea(f.stato.dis, 0, 5, 10, 5);
    f.stato.comandi.modoscelto = "Ogget";
    f.start("Sposta");
    f.click(5, 0);
    f.motore.avviaZoom(2); // "Zoom Tutto", then back to the selection
    ASSERT_EQ(f.stato.corrente().nome(), "Sposta");
    EXPECT_TRUE(f.superficie.persistenza);
    f.superficie.dimentica();
    const Vista& v = f.stato.vista;
    f.motore.selezionaoggetti(5, 5 + 0 * v.scala);
    EXPECT_FALSE(f.superficie.disegni().empty());
}

} // namespace
} // namespace tramel
