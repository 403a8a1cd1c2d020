#include "files/applica_dis.h"

#include "support/finestra_prova.h"

#include <gtest/gtest.h>

namespace tramel {
namespace {

TEST(ApplicaDisegno, ADrawingReadTakesItsHeaderAndMovesTheLogOn)
{
    FinestraProva f(100, 40);
    DrawingState& s = f.stato;
    s.vista.scala = 3;
    DisegnoLetto d;
    d.vistaValida = false; // keeps the window's own view
    d.finlarg = 7;
    d.colsfondo = Variant(3.0);
    d.colanteprima = Variant(std::int16_t{9});
    d.snapattivo = "on"; // only "ON" is on
    d.grigliaattiva = "ON";
    d.passosnap = 0;
    d.passogriglia = 2.5f;
    d.dis.linee.Add(std::make_unique<Linea>());
    d.cisonooggetti = true;
    applicaDisegno(f.motore, d);
    EXPECT_EQ(s.vista.scala, 3);
    EXPECT_EQ(s.finlarg, 0);
    EXPECT_EQ(s.colori.colevidenzia, 15.0);
    EXPECT_EQ(s.colori.colanteprima, 9.0);
    EXPECT_EQ(s.aiuti.snapattivo, "OFF");
    EXPECT_EQ(s.aiuti.passosnap, 0); // a step of 0 stays while the snap is off
    EXPECT_EQ(s.aiuti.grigliaattiva, "ON");
    EXPECT_EQ(s.dis.linee.Count(), 1);
    EXPECT_EQ(s.cisonooggetti, 1);
    EXPECT_EQ(s.comandi.numcomando, 2);
    EXPECT_EQ(f.riga.Label1, "Comando: ");
}

} // namespace
} // namespace tramel
