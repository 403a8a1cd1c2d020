#include "printing/geststamp.h"

#include "commands/disegno_prova.h"
#include "support/finestra_prova.h"

#include <gtest/gtest.h>

namespace tramel {
namespace {

TEST(Selcarta, TheSheetIsOnlyEverShrunk)
{
    struct Caso {
        double paginaLarg, paginaAlt;
        RiquadroMm atteso;
    };
    const Caso casi[] = {
        {40, 30, {10, 1, 80, 60}},        // landscape, narrower than the dialog, lower than 113 - 13: 2 a mm
        {30, 50, {20, 1, 60, 100}},       // exactly 100 high: still 2 a mm
        {60, 80, {13.25, 1, 73.5, 98}},   // portrait, wider than the dialog: fitted to the height only
        {200, 100, {1, 1, 98, 49}},       // landscape, wider: fitted to the width
        {60, 30, {1, 1, 98, 49}},         // landscape, 120 wide: the width's factor
    };
    FakeNotifier notifier;
    Geststamp g({}, notifier, "Tramel");
    for (const Caso& c : casi) {
        g.selcarta(c.paginaLarg, c.paginaAlt, 100, 113);
        EXPECT_EQ(g.Picture1, c.atteso) << c.paginaLarg << 'x' << c.paginaAlt;
        EXPECT_EQ(g.Picture2, (RiquadroMm{c.atteso.left + 1, 2, c.atteso.width, c.atteso.height}));
    }
}

// A window of 150 x 110 mm at scale 3 (0-50 by 0-36.7 drawing units) with a
// print dialog bound to it, as the window binds it.
struct Dialogo : ::testing::Test {
    FinestraProva f{VistaProva{3, 0, 0}};
    FakeNotifier notifier;
    int anteprime = 0;
    int annullati = 0;
    std::vector<std::array<double, 3>> stampe;
    Geststamp g{agganci(), notifier, "Tramel"};

    AgganciGeststamp agganci()
    {
        AgganciGeststamp a;
        a.anteprimastampa = [this] { ++anteprime; };
        a.stampa = [this](double s, double x, double y) {
            stampe.push_back({s, x, y});
            return true;
        };
        a.selfinstamp = [this] { f.motore.avviaComando(Comando::Selstamp); };
        a.annullacomando = [this] {
            ++annullati;
            f.motore.annullacomando(-1);
        };
        return a;
    }
    void SetUp() override
    {
        AgganciMotore::Stampa& s = f.motore.agganci().stampa;
        s.origine = [this](const std::string& x, const std::string& y) {
            g.Text2_Change(x);
            g.Text3_Change(y);
        };
        s.ripristina = [this] { g.ripristina(); };
        s.anteprima = [this] { g.agganteprima(); };
    }
    std::vector<int> segnate() const
    {
        std::vector<int> v;
        for (int i = 1; i <= f.stato.dis.linee.Count(); ++i)
            v.push_back(f.stato.dis.linee.Item(i).stampare);
        return v;
    }
};

TEST_F(Dialogo, OpeningMarksWhatTheWindowShowsAndFillsAroundIt)
{
    disegno& d = f.stato.dis;
    linea(d, 10, 10, 20, 10);                       // inside
    linea(d, 40, 10, 60, 10);                       // crossing
    linea(d, 60, 0, 70, 0);                         // outside
    const auto attorno = [&](int campitura) -> superficie& {
        superficie& s = vertici(d.superfici, {{-10, -10}, {100, -10}, {100, 100}, {-10, 100}}, &superficie::inser_vert_sup);
        s.campitura = campitura;
        return s;
    };
    attorno(6);                                     // solid
    attorno(7);                                     // hollow
    attorno(0).stato = STATO_CANCELLATO;
    cerchio(d, 25, 18, 200).campitura = 3;          // hatched
    cerchio(d, 25, 18, 200).campitura = 7;
    d.linee.Item(1).stampare = 1;
    d.linee.Item(3).stampare = 1;                   // an earlier mark is cleared
    f.motore.finestraStampa();
    EXPECT_EQ(segnate(), (std::vector<int>{1, 1, 0}));
    EXPECT_EQ(d.superfici.Item(1).stampare, 1);
    EXPECT_EQ(d.superfici.Item(2).stampare, 0);
    EXPECT_EQ(d.superfici.Item(3).stampare, 0);
    EXPECT_EQ(d.cerchi.Item(1).stampare, 1);
    EXPECT_EQ(d.cerchi.Item(2).stampare, 0);
    EXPECT_EQ(g.Text2, " 0");
    EXPECT_EQ(g.Text3, " 0");
    EXPECT_EQ(f.stato.corrente().nome(), "");
}

TEST_F(Dialogo, OpeningCancelsAPendingEditAndMarksItsEntities)
{
    f.stato.cisonooggetti = 1;
    linea(f.stato.dis, 10, 10, 20, 10);
    f.start("Cancella");
    f.click(5, 5);
    f.click(25, 15);
    ASSERT_EQ(f.stato.dis.linee.Item(1).stato, STATO_SELEZIONATO);
    f.stato.vista.origineX = 15; // the view from x = 5
    f.motore.finestraStampa();
    EXPECT_EQ(f.stato.dis.linee.Item(1).stato, STATO_NORMALE);
    EXPECT_EQ(segnate(), std::vector<int>{1});
    EXPECT_EQ(f.stato.corrente().nome(), "");
}

TEST_F(Dialogo, APickHidesTheDialogAndItsRestoreRedrawsOnce)
{
    linea(f.stato.dis, 10, 10, 20, 10);
    linea(f.stato.dis, 30, 30, 40, 30);
    f.motore.finestraStampa();
    anteprime = 0;
    g.Command4_Click();
    EXPECT_TRUE(g.minimizzato);
    EXPECT_EQ(f.riga.Label1, " Selez.Finestra - Primo Punto:");
    g.Text2_Change("5");
    EXPECT_EQ(anteprime, 0);
    f.click(9, 9);
    f.click(21, 11); // a smaller window: the earlier marks stay
    EXPECT_FALSE(g.minimizzato);
    EXPECT_EQ(anteprime, 1);
    EXPECT_EQ(g.Text2, " 9");
    EXPECT_EQ(g.Text3, " 9");
    EXPECT_EQ(segnate(), (std::vector<int>{1, 1}));
}

TEST_F(Dialogo, EveryEndOfThePickShowsTheDialogAgain)
{
    linea(f.stato.dis, 10, 10, 20, 10);
    const std::function<void()> fini[] = {
        [&] { f.rightClick(); },
        [&] { f.key(Tasto::Invio); },
        [&] { f.key(Tasto::Esc); },
        [&] { f.start("Linea"); },
        [&] { f.motore.annullacomando(f.stato.comandi.numcomando); }, // the window's deactivation
    };
    for (const auto& fine : fini) {
        f.motore.finestraStampa();
        g.Command4_Click();
        f.click(0, 0);
        anteprime = 0;
        fine();
        EXPECT_FALSE(g.minimizzato);
        EXPECT_EQ(anteprime, 1);
        EXPECT_EQ(segnate(), std::vector<int>{1});
        EXPECT_FALSE(f.stato.overlay.Shape1.visibile);
    }
}

TEST_F(Dialogo, OkPrintsOnlyANumberedScaleAndOrigin)
{
    struct Caso {
        std::string scala, x, y;
        std::string_view messaggio; // empty: printed
    };
    const Caso casi[] = {
        {"0", "0", "0", Geststamp::msgScala},      {"-1", "0", "0", Geststamp::msgScala},
        {"abc", "0", "0", Geststamp::msgScala},    {"", "0", "0", Geststamp::msgScala},
        {"2x", "0", "0", Geststamp::msgScala},     {"1", "abc", "0", Geststamp::msgOrigineX},
        {"1", "0", "", Geststamp::msgOrigineY},    {"2,5", " 12.5", "-3", ""},
    };
    for (const Caso& c : casi) {
        notifier.messaggi.clear();
        stampe.clear();
        g.Text1_Change(c.scala);
        g.Text2_Change(c.x);
        g.Text3_Change(c.y);
        const bool chiude = g.Command1_Click();
        EXPECT_EQ(chiude, c.messaggio.empty()) << c.scala << ' ' << c.x << ' ' << c.y;
        if (c.messaggio.empty()) {
            EXPECT_EQ(stampe, (std::vector<std::array<double, 3>>{{2.5, 12.5, -3}}));
            continue;
        }
        EXPECT_TRUE(stampe.empty());
        ASSERT_EQ(notifier.messaggi.size(), 1u);
        EXPECT_EQ(notifier.messaggi[0].testo, c.messaggio);
    }
    EXPECT_EQ(notifier.beeps, 7);
    EXPECT_EQ(g.Text1, "2.5");
}

TEST_F(Dialogo, AScaleOfNoNumberLeavesThePreviewAndClosingCancelsOnce)
{
    g.Text1_Change("0");
    g.Text1_Change("abc");
    EXPECT_EQ(anteprime, 0);
    g.Text1_Change("3");
    EXPECT_EQ(anteprime, 1);
    g.Form_Unload();
    g.Form_Unload();
    g.ripristina();
    g.Form_Activate();
    EXPECT_EQ(annullati, 1);
    EXPECT_EQ(anteprime, 1);
}

} // namespace
} // namespace tramel
