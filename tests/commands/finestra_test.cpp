#include "support/finestra_prova.h"

#include "commands/finestra.h"

#include <gtest/gtest.h>

namespace tramel {
namespace {

TEST(Finestra, LoadStartsAnEmptyLogOnANewDrawingsView)
{
    FinestraProva f(100, 40);
    DrawingState& s = f.stato;
    s.comandi.numcomando = 4;
    s.comandi.coma.resize(5);
    s.dasalvare = 1;
    s.ridimensionato = true;
    s.comandi.modoselez = "Finestra";
    s.comandi.comasospeso.tipo = "Linea";
    caricaFinestra(f.motore);
    EXPECT_EQ(s.comandi.numcomando, 1);
    EXPECT_EQ(s.corrente().nome(), "");
    EXPECT_EQ(s.dasalvare, 0);
    EXPECT_FALSE(s.ridimensionato);
    EXPECT_EQ(s.comandi.modoselez, "Inters");
    EXPECT_EQ(s.comandi.comasospeso.nome(), "");
    EXPECT_EQ(s.xmax, 50);
    EXPECT_EQ(s.ymax, 20);
    // (0,0)-(50,20) fits 100 by 40 mm at scale 2, and the snapshot holds the whole client area.
    EXPECT_DOUBLE_EQ(s.vista.scala, 2);
    EXPECT_EQ(s.finlarg, 50);
    EXPECT_EQ(s.finalt, 20);
}

// Settings (1) and grid (5) wait for a command in progress, the snap step (4) does not.
TEST(Finestra, AidsThatWaitForTheCommandInProgress)
{
    struct Caso {
        int voce;
        std::string comando;
        bool grigliaSpuntata;
        std::optional<std::string> rifiuto;
    };
    const Caso casi[] = {
        {1, "  Linea  ", false, "Completare il comando \"Linea\" prima di modificare le impostazioni generali."},
        {5, "Linea", true, "Completare il comando \"Linea\" prima di disattivare la griglia."},
        {5, "Linea", false, "Completare il comando \"Linea\" prima di attivare la griglia."},
        {4, "Linea", true, std::nullopt},
        {1, "", true, std::nullopt},
        {5, "", true, std::nullopt},
    };
    for (const Caso& c : casi) {
        FinestraProva f;
        f.stato.corrente().tipo = c.comando;
        EXPECT_EQ(rifiutoAiuto(f.stato, c.voce, c.grigliaSpuntata), c.rifiuto) << c.voce << " " << c.comando;
    }
}

TEST(Finestra, SwitchingAnAidGivesItsLabel)
{
    FinestraProva f;
    DrawingState& s = f.stato;
    s.aiuti.passosnap = 0;
    const EtichettaAiuto snap = impostaAiuto(f.motore, VOCE_SNAP, true);
    EXPECT_EQ(s.aiuti.snapattivo, "ON");
    EXPECT_EQ(s.aiuti.passosnap, 1.0f); // a step of 0 becomes 1 as the snap comes on
    EXPECT_EQ(snap.n, ETICHETTA_SNAP);
    EXPECT_EQ(snap.colore, 0);
    EXPECT_EQ(snap.suggerimento, "[ON] : 1 ");

    const std::size_t pulizie = f.superficie.pulizie.size();
    s.sfondoFinestra.reset();
    const EtichettaAiuto griglia = impostaAiuto(f.motore, VOCE_GRIGLIA, false);
    EXPECT_EQ(s.aiuti.grigliaattiva, "OFF");
    EXPECT_EQ(griglia.n, ETICHETTA_GRIGLIA);
    EXPECT_EQ(griglia.colore, 8);
    EXPECT_EQ(griglia.suggerimento, "[ OFF ]");
    EXPECT_GT(f.superficie.pulizie.size(), pulizie); // the grid shows at once

    s.aiuti.ortoattivo = "ON";
    EXPECT_EQ(etichettaAiuto(s, ETICHETTA_ORTO).suggerimento, "[ON]");
}

} // namespace
} // namespace tramel
