#include "printing/spesslin.h"
#include "view/file_impostazioni.h"

#include "platform/fake_ports.h"

#include <gtest/gtest.h>

namespace tramel {
namespace {

struct Spessori : ::testing::Test {
    std::array<float, 16> tabella{};
    FakeNotifier notifier;
    int salvataggi = 0;
    Spesslin m{tabella, NumberFormat(",", "."), notifier, [this] { ++salvataggi; }, "Tramel"};
};

TEST_F(Spessori, LoadShowsTheWidthsInTheUsersNumbersAndOkStoresThemUnchanged)
{
    tabella[0] = 0.1f;
    tabella[15] = 2.5f;
    tabella[7] = 1e-7f;
    const auto prima = tabella;
    m.Form_Load();
    EXPECT_EQ(m.Text1[0].testo, "0,1");
    EXPECT_EQ(m.Text1[15].testo, "2,5");
    EXPECT_EQ(m.Text1[1].testo, "0");
    EXPECT_EQ(Spesslin::nomi[15], "Bianco");
    ASSERT_TRUE(m.Command1_Click());
    EXPECT_EQ(tabella, prima);
    EXPECT_EQ(salvataggi, 1);
}

TEST_F(Spessori, EitherDecimalSignIsTheUsersAndAnythingElseIsRefused)
{
    const std::pair<const char*, float> casi[] = {{"1.5", 1.5f}, {"1,5", 1.5f}, {"1,,5", -1}, {"1.000,5", -1},
                                                  {"1e39", -1}};
    for (const auto& [testo, valore] : casi) {
        m.Form_Load();
        m.Text1[3].testo = testo;
        EXPECT_EQ(m.Command1_Click(), valore >= 0) << testo;
        EXPECT_EQ(tabella[3], valore >= 0 ? valore : 1.5f) << testo;
    }
}

TEST_F(Spessori, ATypedPointIsTheDecimalSeparator)
{
    m.Form_Load();
    m.Text1[4].testo = m.Text1_KeyPress("1.5");
    EXPECT_EQ(m.Text1[4].testo, "1,5");
    ASSERT_TRUE(m.Command1_Click());
    EXPECT_EQ(tabella[4], 1.5f);
}

TEST_F(Spessori, ABoxOfNoNumberStoresNothing)
{
    m.Form_Load();
    m.Text1[0].testo = "3";
    for (const std::string bad : {"x", "", "1e999", "1,5,"}) {
        m.Text1[3].testo = bad;
        EXPECT_FALSE(m.Command1_Click()) << bad;
        EXPECT_EQ(m.fuoco, 3);
    }
    EXPECT_EQ(tabella[0], 0.0f);
    EXPECT_EQ(salvataggi, 0);
    EXPECT_EQ(notifier.beeps, 4);
    EXPECT_EQ(notifier.messaggi[0].testo, "Spessore non valido per il colore \"Verde Acqua\": inserire un numero.");
}

TEST_F(Spessori, ASettingsFileNotWrittenIsToldAndTheWidthsHold)
{
    ValoriModulo modulo;
    modulo.nomefileini = "/prova/manca/Tramel.ini";
    const DrawingState s(modulo);
    Spesslin w{modulo.spesslinstampa, NumberFormat(",", "."), notifier,
               [&] { salvaImpostazioni(s, notifier, "Tramel"); }, "Tramel"};
    w.Form_Load();
    w.Text1[2].testo = "4";
    ASSERT_TRUE(w.Command1_Click());
    EXPECT_EQ(modulo.spesslinstampa[2], 4.0f);
    EXPECT_EQ(notifier.messaggi.at(0).testo, "Impossibile salvare il file: \"/prova/manca/Tramel.ini\"");
}

} // namespace
} // namespace tramel
