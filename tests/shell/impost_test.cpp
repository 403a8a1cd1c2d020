#include "shell/selcol.h"
#include "shell/impost.h"
#include "printing/spesslin.h"
#include "view/file_impostazioni.h"

#include "platform/fake_ports.h"
#include "platform/palette.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace tramel {
namespace {

std::string leggiByte(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string byte(std::initializer_list<int> valori)
{
    std::string s;
    for (const int v : valori)
        s += static_cast<char>(v);
    return s;
}

// One drawing window and what the dialog reaches of it: redraws and the
// frame's status labels are counted, messages go to the scripted notifier.
class SettingsDialog : public ::testing::Test {
protected:
    SettingsDialog()
    {
        modulo.nomefileini = dir.filePath("Tramel.ini").toStdString();
        s.vista.scala = 3;
        agganci.redraw = [this] { ++redraws; };
        agganci.etichetta = [this](int n, int colore) { etichette.emplace_back(n, colore); };
    }

    Impost dialogo() { return Impost(s, agganci, notifier); }

    QTemporaryDir dir;
    ValoriModulo modulo;
    DrawingState s{modulo};
    FakeNotifier notifier;
    AgganciImpost agganci;
    int redraws = 0;
    std::vector<std::pair<int, int>> etichette;
};

TEST_F(SettingsDialog, OpensWithTheWindowsSettings)
{
    s.colori.colsfondo = Variant(3.0);
    s.colori.colanteprima = Variant(std::int16_t{12});
    s.aiuti.grigliaattiva = "OFF";
    s.aiuti.passogriglia = 0.5f;
    s.aiuti.passosnap = 2;
    s.font.nome = "Courier New";
    s.forecolor = RGB(0, 255, 0);
    const Impost d = dialogo();
    EXPECT_EQ(d.Text1.testo, "12");
    EXPECT_EQ(d.Text2.testo, "3");
    EXPECT_FALSE(d.Option1);
    EXPECT_EQ(d.griglia, "OFF");
    EXPECT_EQ(d.Text3.testo, ".5");
    EXPECT_TRUE(d.Option3);
    EXPECT_EQ(d.Text4.testo, "2");
    EXPECT_EQ(d.Label2, " 3");
    EXPECT_EQ(d.carattere.nome, "Courier New");
    EXPECT_EQ(d.carattere.colore, RGB(0, 255, 0));
    EXPECT_EQ(d.coloreSfondo(), Palette::color(VERDE_ACQUA));
}

TEST_F(SettingsDialog, RefusedOkKeepsTheDialogOpenAndChangesNothing)
{
    const struct {
        bool griglia;
        std::string passoGriglia;
        bool step;
        std::string passoStep;
        std::string colore1;
        std::string colore2;
        std::string_view messaggio;
        Impost::Casella fuoco;
    } casi[] = {
        {true, "0", true, "1", "5", "15", "Impossibile Visualizzare Griglia a passo =0", Impost::Casella::Text3},
        {true, "abc", false, "0", "5", "15", "Impossibile Visualizzare Griglia a passo =0", Impost::Casella::Text3},
        {true, "0", true, "0", "5", "15", "Impossibile Visualizzare Griglia a passo =0", Impost::Casella::Text3},
        {false, "0", true, "0", "5", "15", "Impossibile Attivare STEP a passo =0", Impost::Casella::Text4},
        {true, "1e39", true, "1", "5", "15", Impost::msgPasso, Impost::Casella::Text3},
        {false, "0", true, "1e999", "5", "15", Impost::msgPasso, Impost::Casella::Text4},
        // Steps that are 0 once kept as a Single.
        {true, "1e-50", true, "1", "5", "15", "Impossibile Visualizzare Griglia a passo =0", Impost::Casella::Text3},
        {false, "0", true, "-1e-46", "5", "15", "Impossibile Attivare STEP a passo =0", Impost::Casella::Text4},
        {true, "1", true, "1", "17", "15", Impost::msgColore, Impost::Casella::Text1},
        {true, "1", true, "1", "-1", "15", Impost::msgColore, Impost::Casella::Text1},
        {true, "1", true, "1", "15.5", "15", Impost::msgColore, Impost::Casella::Text1},
        {true, "1", true, "1", "5", "-0.4", Impost::msgColore, Impost::Casella::Text2},
        {true, "1", true, "1", "5", "16", Impost::msgColore, Impost::Casella::Text2},
    };
    for (const auto& c : casi) {
        notifier.messaggi.clear();
        Impost d = dialogo();
        d.Option1 = c.griglia;
        d.Text3.testo = c.passoGriglia;
        d.Option3 = c.step;
        d.Text4.testo = c.passoStep;
        d.Text1.testo = c.colore1;
        d.Text2.testo = c.colore2;
        EXPECT_FALSE(d.Command1_Click());
        ASSERT_EQ(notifier.messaggi.size(), 1u);
        EXPECT_EQ(notifier.messaggi[0].testo, c.messaggio);
        EXPECT_EQ(notifier.messaggi[0].pulsanti, Pulsanti::Ok);
        EXPECT_EQ(d.fuoco, c.fuoco);
    }
    EXPECT_EQ(notifier.beeps, static_cast<int>(std::size(casi)));
    EXPECT_EQ(redraws, 0);
    EXPECT_TRUE(etichette.empty());
    EXPECT_EQ(s.aiuti.passogriglia, 1.0f);
    EXPECT_EQ(s.colori.colanteprima, Variant(std::int16_t{5}));
    EXPECT_FALSE(std::filesystem::exists(modulo.nomefileini));
}

TEST_F(SettingsDialog, AidsSwitchedOffKeepTheirSteps)
{
    // The box as the user leaves it (nothing: untouched), and the step kept.
    const std::pair<std::optional<std::string>, float> casi[] = {
        {std::nullopt, 0.3333333433f}, {"0", 0.3333333433f}, {"1e-50", 0.3333333433f}, {"2.5", 2.5f}};
    for (const auto& [testo, passo] : casi) {
        s.aiuti.passogriglia = s.aiuti.passosnap = 0.3333333433f;
        etichette.clear();
        Impost d = dialogo();
        d.Option2_Click();
        d.Option4_Click();
        if (testo)
            d.Text3.testo = d.Text4.testo = *testo;
        ASSERT_TRUE(d.Command1_Click());
        EXPECT_TRUE(notifier.messaggi.empty());
        EXPECT_EQ(s.aiuti.grigliaattiva, "OFF");
        EXPECT_EQ(s.aiuti.passogriglia, passo) << testo.value_or("");
        EXPECT_EQ(s.aiuti.snapattivo, "OFF");
        EXPECT_EQ(s.aiuti.passosnap, passo) << testo.value_or("");
        EXPECT_EQ(etichette, (std::vector<std::pair<int, int>>{{9, 8}, {8, 8}}));
    }
}

// "Impost. Generali" and "Spessore Linee" confirmed untouched through their
// widgets leave the settings file byte for byte as it was.
TEST_F(SettingsDialog, DialogsConfirmedUntouchedLeaveTheSettingsFileAsItWas)
{
    const struct {
        bool griglia, snap;
        float passoGriglia, passoSnap, spessore;
    } casi[] = {
        {true, true, 0.3333333433f, 0.12345678f, 0.33333334f},
        {false, false, 5, 2.5f, 1e-7f},
        {false, true, 0.3333333433f, 1.2345678e-5f, 12345.678f},
        {true, false, 1234.5678f, 0.3333333433f, 0},
    };
    for (const auto& c : casi) {
        s.aiuti.grigliaattiva = aiuto(c.griglia);
        s.aiuti.snapattivo = aiuto(c.snap);
        s.aiuti.passogriglia = c.passoGriglia;
        s.aiuti.passosnap = c.passoSnap;
        modulo.spesslinstampa.fill(c.spessore);
        ASSERT_TRUE(salvafileini_dis(s));
        const std::string prima = leggiByte(modulo.nomefileini);

        ImpostDialog impost(s, agganci, notifier);
        impost.show();
        impost.findChild<QPushButton*>("Command1")->click();
        ASSERT_EQ(impost.result(), QDialog::Accepted);
        EXPECT_EQ(leggiByte(modulo.nomefileini), prima) << c.passoGriglia;

        Spesslin spessori(modulo.spesslinstampa, NumberFormat(",", "."), notifier,
                          [this] { salvafileini_dis(s); }, "Tramel");
        SpesslinDialog larghezze(spessori);
        larghezze.show();
        larghezze.findChild<QPushButton*>("Command1")->click();
        ASSERT_EQ(larghezze.result(), QDialog::Accepted);
        EXPECT_EQ(leggiByte(modulo.nomefileini), prima) << c.spessore;
    }
    EXPECT_TRUE(notifier.messaggi.empty());
}

TEST_F(SettingsDialog, StepsReadEitherDecimalSignAndNothingElse)
{
    const std::pair<const char*, float> casi[] = {{"2,5", 2.5f}, {"2.5", 2.5f}, {"1,,5", 0}, {"1,000.5", 0}};
    for (const auto& [testo, passo] : casi) {
        Impost d = dialogo();
        d.Option1_Click();
        d.Text3.testo = testo;
        EXPECT_EQ(d.Command1_Click(), passo != 0) << testo;
        if (passo != 0) {
            EXPECT_EQ(s.aiuti.passogriglia, passo);
        }
    }
}

TEST_F(SettingsDialog, AidsSwitchedOnTakeTheirStepsNegativeIncluded)
{
    s.aiuti.grigliaattiva = "OFF";
    s.aiuti.snapattivo = "OFF";
    Impost d = dialogo();
    d.Option1_Click();
    d.Text3.testo = "-2";
    d.Option3_Click();
    d.Text4.testo = "0.25";
    ASSERT_TRUE(d.Command1_Click());
    EXPECT_EQ(s.aiuti.grigliaattiva, "ON");
    EXPECT_EQ(s.aiuti.passogriglia, -2.0f);
    EXPECT_EQ(s.aiuti.snapattivo, "ON");
    EXPECT_EQ(s.aiuti.passosnap, 0.25f);
    EXPECT_EQ(etichette, (std::vector<std::pair<int, int>>{{9, 0}, {8, 0}}));
}

TEST_F(SettingsDialog, BackgroundThreeMakesSelectionWhiteAndStoresDoubles)
{
    Impost d = dialogo();
    d.Text1.testo = "10";
    d.Text2.testo = "3";
    ASSERT_TRUE(d.Command1_Click());
    EXPECT_EQ(s.colori.colsfondo.tag(), Variant::Double);
    EXPECT_EQ(s.colori.colanteprima.tag(), Variant::Double);
    EXPECT_EQ(s.colori.colevidenzia, Variant(std::int16_t{15}));
    for (const auto* linea : {&s.overlay.Line1, &s.overlay.Line2, &s.overlay.Line3})
        EXPECT_EQ(linea->colore, Palette::color(VERDE_LIMONE));
    EXPECT_EQ(s.overlay.Shape1.colore, Palette::color(VERDE_LIMONE));
    EXPECT_EQ(s.overlay.Shape2.colore, Palette::color(VERDE_LIMONE));
    EXPECT_EQ(redraws, 1);

    const std::string file = leggiByte(modulo.nomefileini);
    EXPECT_EQ(file.substr(512, 10), byte({0x05, 0x00, 0, 0, 0, 0, 0, 0, 0x08, 0x40}));
    EXPECT_EQ(file.substr(640, 10), byte({0x05, 0x00, 0, 0, 0, 0, 0, 0, 0x24, 0x40}));
    EXPECT_EQ(file.substr(768, 4), byte({0x02, 0x00, 0x0F, 0x00}));

    // Another background gives the highlight colour 3 again.
    Impost e = dialogo();
    e.Text2.testo = "15";
    ASSERT_TRUE(e.Command1_Click());
    EXPECT_EQ(s.colori.colevidenzia, Variant(std::int16_t{3}));
}

TEST_F(SettingsDialog, IndexesBetweenWholeNumbersAreTakenAndRoundedHalfToEven)
{
    Impost d = dialogo();
    d.Text1.testo = "2.5";
    d.Text2.testo = "2.9";
    ASSERT_TRUE(d.Command1_Click());
    EXPECT_EQ(s.colori.colanteprima, Variant(2.5));
    EXPECT_EQ(s.overlay.Line1.colore, Palette::color(VERDE));
    EXPECT_EQ(s.colori.colevidenzia, Variant(std::int16_t{15}));
}

TEST_F(SettingsDialog, FontChosenBecomesTheWindowsFontAndForeground)
{
    FakeFontChooser font;
    const SceltaCarattere scelta{"Courier New", 12, true, false, true, false, Palette::color(VERDE_LIMONE)};
    font.scelte.push_back(scelta);
    font.scelte.push_back(std::nullopt);
    Impost d = dialogo();
    int anteprime = 0;
    d.anteprima = [&] { ++anteprime; };
    d.Command5_Click(font);
    d.Command5_Click(font); // cancelled: the first choice holds
    EXPECT_EQ(font.iniziali.at(1), scelta);
    EXPECT_EQ(d.carattere, scelta);
    EXPECT_EQ(anteprime, 2);
    ASSERT_TRUE(d.Command1_Click());
    EXPECT_EQ(s.font.nome, "Courier New");
    EXPECT_EQ(s.font.dimensione, 12.0f);
    EXPECT_TRUE(s.font.grassetto);
    EXPECT_TRUE(s.font.barrato);
    EXPECT_FALSE(s.font.sottolineato);
    EXPECT_EQ(s.forecolor, Palette::color(VERDE_LIMONE));
}

TEST_F(SettingsDialog, ColourPickerWritesTheChosenIndexIntoItsBox)
{
    Impost d = dialogo();
    int anteprime = 0;
    d.anteprima = [&] { ++anteprime; };

    d.Command4_Click([](Selcol& sc) {
        EXPECT_EQ(sc.Label1, "Colore Sfondo");
        EXPECT_EQ(sc.Option1, 15); // opens on the current colour
        sc.Option1 = 3;
        sc.Command1_Click();
    });
    EXPECT_EQ(d.Text2.testo, "3");
    EXPECT_EQ(d.coloreSfondo(), Palette::color(VERDE_ACQUA));

    d.Command3_Click([](Selcol& sc) {
        EXPECT_EQ(sc.Label1, "Colore Puntatore e Griglia");
        sc.Option1 = 12;
        sc.Command1_Click();
    });
    EXPECT_EQ(d.Text1.testo, "12");
    EXPECT_EQ(d.Text2.testo, "3");
    EXPECT_EQ(anteprime, 2);

    // Annulla, and Ok with no option chosen, write nothing and redraw nothing.
    d.Command3_Click([](Selcol& sc) { sc.Option1 = 0; });
    d.Text1.testo = "17";
    d.Command3_Click([](Selcol& sc) {
        EXPECT_FALSE(sc.Option1.has_value());
        sc.Command1_Click();
    });
    EXPECT_EQ(d.Text1.testo, "17");
    EXPECT_EQ(anteprime, 2);
}

TEST_F(SettingsDialog, PreviewGridDotsNeverLoopOnBadSteps)
{
    const struct {
        std::string scala;
        bool griglia;
        std::string passo;
        double larghezza, altezza;
        std::size_t punti;
    } casi[] = {
        {" 3", true, "5", 10, 5, 3 * 2},
        {" 3", true, "4", 10, 5, 3 * 2},
        {" 3", true, "0.05", 10, 1, 201 * 21},
        {" 3", true, "0.04", 10, 1, 0}, // more than 200 steps across
        {"0", true, "5", 10, 5, 0},     // no scale
        {" 3", false, "5", 10, 5, 0},
        {" 3", true, "0", 10, 5, 0},
        {" 3", true, "-2", 10, 5, 0},
        {" 3", true, "1e999", 10, 5, 0},
    };
    for (const auto& c : casi) {
        Impost d = dialogo();
        d.Label2 = c.scala;
        c.griglia ? d.Option1_Click() : d.Option2_Click();
        d.Text3_Change(c.passo);
        const auto punti = d.puntigriglia(c.larghezza, c.altezza);
        EXPECT_EQ(punti.size(), c.punti) << c.passo;
    }
    Impost d = dialogo();
    d.Text3_Change("4");
    const auto punti = d.puntigriglia(10, 5);
    EXPECT_EQ(punti.front(), (Punto{0, 0}));
    EXPECT_EQ(punti.back(), (Punto{8, 4}));
}

TEST_F(SettingsDialog, PreviewCrossHairSnapsAsTheWindowDoes)
{
    Impost d = dialogo();
    d.Text4.testo = "2";
    d.Picture1_MouseMove(3.9, 3.1);
    EXPECT_EQ(d.Line1x, 2.0); // down to the step across
    EXPECT_EQ(d.Line2y, 4.0); // to the nearest step down
    d.Option4_Click();
    d.Picture1_MouseMove(3.9, 3.1);
    EXPECT_EQ(d.Line1x, 3.9);
    EXPECT_EQ(d.Line2y, 3.1);
}

TEST_F(SettingsDialog, WidgetStaysOpenOnARefusalAndAppliesOnOk)
{
    ImpostDialog w(s, agganci, notifier);
    w.show();
    auto* passo = w.findChild<QLineEdit*>("Text3");
    auto* ok = w.findChild<QPushButton*>("Command1");
    ASSERT_TRUE(passo && ok);
    passo->setText("0");
    ok->click();
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(notifier.messaggi.size(), 1u);
    EXPECT_EQ(notifier.messaggi[0].testo, "Impossibile Visualizzare Griglia a passo =0");

    w.findChild<QRadioButton*>("Option2")->click();
    EXPECT_FALSE(passo->isVisibleTo(&w));
    ok->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(s.aiuti.grigliaattiva, "OFF");
    EXPECT_EQ(s.aiuti.passogriglia, 1.0f); // the box's 0 is no step: the grid keeps its own
}

TEST_F(SettingsDialog, PickerWidgetOkWritesTheOptionClicked)
{
    Impost d = dialogo();
    Selcol sc(d, std::string(Selcol::sfondo), 15);
    SelcolDialog w(sc);
    w.show();
    w.findChild<QRadioButton*>("Option1_3")->click();
    w.findChild<QPushButton*>("Command1")->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(d.Text2.testo, "3");
}

} // namespace
} // namespace tramel
