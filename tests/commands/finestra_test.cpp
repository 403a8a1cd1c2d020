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

// Settings (1), grid (5) and text frames (7) wait for a command in progress,
// the snap step (4) and the orthogonal mode (6) do not.
TEST(Finestra, AidsThatWaitForTheCommandInProgress)
{
    struct Caso {
        int voce;
        std::string comando;
        bool spuntata;
        std::optional<std::string> rifiuto;
    };
    const Caso casi[] = {
        {1, "  Linea  ", false, "Completare il comando \"Linea\" prima di modificare le impostazioni generali."},
        {5, "Linea", true, "Completare il comando \"Linea\" prima di disattivare la griglia."},
        {5, "Linea", false, "Completare il comando \"Linea\" prima di attivare la griglia."},
        {7, "Sposta", true, "Completare il comando \"Sposta\" prima di disattivare visualizzazione bordo testo."},
        {7, "Sposta", false, "Completare il comando \"Sposta\" prima di attivare visualizzazione bordo testo."},
        {4, "Linea", true, std::nullopt},
        {6, "Linea", false, std::nullopt},
        {1, "", true, std::nullopt},
        {7, "", true, std::nullopt},
        {5, "", true, std::nullopt},
    };
    for (const Caso& c : casi) {
        FinestraProva f;
        f.stato.corrente().tipo = c.comando;
        EXPECT_EQ(rifiutoAiuto(f.stato, c.voce, c.spuntata), c.rifiuto) << c.voce << " " << c.comando;
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

    const EtichettaAiuto orto = impostaAiuto(f.motore, VOCE_ORTO, true);
    EXPECT_EQ(s.aiuti.ortoattivo, "ON");
    EXPECT_EQ(orto.n, ETICHETTA_ORTO);
    EXPECT_EQ(orto.suggerimento, "[ON]");

    s.sfondoFinestra.reset();
    const std::size_t primaDelBordo = f.superficie.pulizie.size();
    impostaBordoTesto(f.motore, true);
    EXPECT_EQ(s.aiuti.mostrabordotesto, 1);
    EXPECT_GT(f.superficie.pulizie.size(), primaDelBordo); // the texts show their frames at once
}

// F9 and the frame's filter label: Libero, Inizio, Fine, Medio, Centro, then
// Libero again; a value that is no item also starts again.
TEST(Finestra, NextObjectSnapFilter)
{
    const std::pair<int, int> casi[] = {{0, 2}, {2, 3}, {3, 4}, {4, 6}, {6, 0}, {1, 0}, {5, 0}, {9, 0}, {-1, 0}};
    for (const auto& [filtro, prossimo] : casi)
        EXPECT_EQ(filtroSuccessivo(filtro), prossimo) << filtro;
}

TEST(Finestra, SelectionModeMenuWaitsDuringAStretchAndPastTheFirstStep)
{
    struct Caso {
        std::string comando;
        int passo;
        bool abilitato;
    };
    const Caso casi[] = {{"", 0, true}, {"Sposta", 0, true}, {"Stira", 0, false}, {"Linea", 1, false}};
    for (const Caso& c : casi) {
        FinestraProva f;
        f.stato.corrente().tipo = c.comando;
        f.stato.comandi.passocomando = c.passo;
        EXPECT_EQ(impostaSelezioneAbilitata(f.stato), c.abilitato) << c.comando;
    }
}

} // namespace
} // namespace tramel
