#include "printing/uscita.h"

#include "commands/disegno_prova.h"
#include "platform/fake_ports.h"
#include "platform/palette.h"

#include <gtest/gtest.h>

#include <fstream>

namespace tramel {
namespace {

const std::array<float, 16> nessunoSpessore{};

// A drawing whose entities are all marked for printing.
struct Stampa : ::testing::Test {
    disegno d;
    FakePorte porte;
    RecordingDc foglio;

    void segnaTutto()
    {
        perOgniVivo<superficie, Rettangolo, Linea, polilinea, testo, Arco, Cerchio>(d, [](auto& e) { e.stampare = 1; });
    }
    // Printed at scale s from the origin: the printer's drawing calls.
    const std::vector<std::string>& stampa(double s = 1, const std::array<float, 16>& spessori = nessunoSpessore)
    {
        segnaTutto();
        EXPECT_EQ(tramel::stampa(d, spessori, porte.porte(), "Tramel", s, 0, 0), EsitoStampa::Stampata);
        return porte.stampante.pagina.disegni();
    }
    // The preview on a portrait sheet of 100 x 140 mm, 10 pixels a millimetre.
    const std::vector<std::string>& anteprima(double s = 1)
    {
        segnaTutto();
        anteprimastampa(d, nessunoSpessore, porte.stampante, foglio, {100, 140, 10, 10}, s, 0, 0);
        return foglio.disegni();
    }
};

TEST_F(Stampa, ALineLandsInMillimetresFromThePrintableCorner)
{
    linea(d, 10, 20, 60, 20);
    // 600 dpi: 23.6 pixels a millimetre; 50 mm long, 20 mm down.
    EXPECT_EQ(stampa(), std::vector<std::string>{"Polyline(236,472 1417,472) pen(0,1,#000000)"});
    EXPECT_EQ(stampa(2)[0], "Polyline(472,945 2835,945) pen(0,1,#000000)");
}

TEST_F(Stampa, ThePreviewScalesThePageToTheSheet)
{
    linea(d, 0, 0, 100, 0);
    // Portrait sheet: 100 mm for the page's 19.0 cm; twice that at scale 2.
    EXPECT_EQ(anteprima()[1], "Polyline(0,0 526,0) pen(0,1,#000000)");
    foglio.clear();
    EXPECT_EQ(anteprima(2)[1], "Polyline(0,0 1053,0) pen(0,1,#000000)");
    // A landscape sheet takes the heights: 100 mm for 27.7 cm.
    foglio.clear();
    anteprimastampa(d, nessunoSpessore, porte.stampante, foglio, {140, 100, 10, 10}, 1, 0, 0);
    EXPECT_EQ(foglio.disegni()[0], "FillRect(0,0,1400,1000,#ffffff)");
    EXPECT_EQ(foglio.disegni()[1], "Polyline(0,0 361,0) pen(0,1,#000000)");
}

TEST(LarghezzaStampa, ThicknessZeroTakesItsColoursPrintWidth)
{
    std::array<float, 16> spessori{};
    spessori[12] = 0.5f;
    spessori[3] = 0.01f;
    RecordingDc dc;
    struct Caso {
        bool anteprima;
        double scala;
        float spessore;
        Rgb colore;
        float attesa;
    };
    const Caso casi[] = {
        {true, 2, 0, Palette::color(12), 0.5f * 10 * 2 / 2.8f},
        {false, 2, 0, Palette::color(12), 0.5f * 10 * 2 * 1.44f / 2},
        {true, 2, 0, Palette::color(3), 1},      // 0.2 / 2.8: at least one pixel
        {false, 1, 0, Palette::color(3), 1},     // 0.1 * 0.72
        {false, 1, 0, RGB(1, 2, 3), 1},          // no palette colour: no width of its own
        {true, 2, 3, Palette::color(12), 6 / 2.8f}, // a thickness of its own
        {false, 0, 5, Palette::color(12), 1},    // scale 0
    };
    for (const Caso& c : casi) {
        const Uscita u{dc, c.anteprima, 10, 10, c.scala, 0, 0, spessori, {}};
        EXPECT_NEAR(larghezzaStampa(u, c.spessore, c.colore), c.attesa, 1e-5) << c.anteprima << ' ' << c.spessore;
    }
}

TEST_F(Stampa, WhiteComesOutBlackExceptTexts)
{
    const Rgb bianco = Palette::color(15);
    linea(d, 0, 0, 10, 0).colorelinea = bianco;
    superficie& s = vertici(d.superfici, {{0, 0}, {0, 10}, {10, 10}}, &superficie::inser_vert_sup);
    s.colcont = bianco;
    s.colocampitura = bianco;
    s.campitura = 6;
    scritta(d, 0, 0).colore_testo = bianco;
    for (const auto* calls : {&stampa(), &anteprima()}) {
        const std::string tutto = [&] {
            std::string t;
            for (const auto& c : *calls)
                t += c + '\n';
            return t;
        }();
        EXPECT_EQ(tutto.find("#ffffff)\n"), tutto.rfind("#ffffff)\n")) << tutto; // only the sheet's clear
        EXPECT_NE(tutto.find("pen(0,1,#000000) brush(solid,#000000)"), std::string::npos) << tutto;
    }
    EXPECT_EQ(porte.stampante.pagina.only({"SetTextColor"})[0], "SetTextColor(#ffffff)");
    EXPECT_EQ(foglio.only({"SetTextColor"})[0], "SetTextColor(#ffffff)");
}

// The kind of each drawing call: lines have two points, the polyline three.
std::vector<std::string> tipi(const std::vector<std::string>& calls)
{
    std::vector<std::string> t;
    for (const std::string& c : calls) {
        const std::string nome = c.substr(0, c.find('('));
        if (nome == "FillRect")
            continue;
        t.push_back(nome == "Polyline" ? (std::count(c.begin(), c.end(), ' ') > 2 ? "polilinea" : "linea") : nome);
    }
    return t;
}

TEST_F(Stampa, KindOrderPutsLinesOnTopOnPaperAndPolylinesInThePreview)
{
    vertici(d.polilinee, {{0, 0}, {5, 5}, {10, 0}}, &polilinea::inser_vert_pol);
    linea(d, 0, 0, 10, 10);
    scritta(d, 1, 1);
    vertici(d.superfici, {{0, 0}, {0, 10}, {10, 10}}, &superficie::inser_vert_sup);
    vertici(d.rettangoli, {{0, 0}, {0, 9}, {9, 9}, {9, 0}}, &Rettangolo::inser_vert_ret).colcont = RGB(9, 9, 9);
    arco(d, 5, 5, 5, 90, 0);
    cerchio(d, 5, 5, 3);
    const std::vector<std::string> carta = {"Ellipse", "Arc", "Polygon", "Polygon", "TextOut", "polilinea", "linea"};
    EXPECT_EQ(tipi(stampa()), carta);
    EXPECT_EQ(tipi(anteprima()),
              (std::vector<std::string>{"Ellipse", "Arc", "Polygon", "Polygon", "TextOut", "linea", "polilinea"}));
    EXPECT_NE(foglio.disegni()[3].find("#090909"), std::string::npos); // the rectangle before the surface
}

TEST_F(Stampa, TextsPrintInTwipsAndPreviewOnlyWithASize)
{
    testo& t = scritta(d, 10, 20);
    t.dimens_testo = 10;
    scritta(d, 0, 0).dimens_testo = 0;
    // 2.4 twips a pixel at 600 dpi: 10 * 56.7 / 2.4 = 236.25; the height -20 * 10 / 10 / 2.4.
    const auto& carta = stampa();
    ASSERT_EQ(carta.size(), 2u);
    EXPECT_EQ(carta[0].rfind("TextOut(236,472,ABCD) font(-8,", 0), 0u) << carta[0];
    EXPECT_EQ(carta[1].rfind("TextOut(0,0,ABCD) font(1,", 0), 0u) << carta[1]; // size 0 prints
    // The preview: scale 0.526 sheet mm a mm, 10 / 6.7 of it, and the text of size 0 not at all.
    const auto& foglioCalls = anteprima();
    ASSERT_EQ(foglioCalls.size(), 2u);
    EXPECT_EQ(foglioCalls[1].rfind("TextOut(53,105,ABCD) font(1,", 0), 0u) << foglioCalls[1];
}

TEST_F(Stampa, ScaleZeroPreviewPutsEverythingInTheCornerAndTextsAsDots)
{
    linea(d, 10, 20, 60, 20).speslinea = 50;
    scritta(d, 30, 30);
    EXPECT_EQ(anteprima(0), (std::vector<std::string>{"FillRect(0,0,1000,1400,#ffffff)", "SetPixel(0,0,#000000)",
                                                      "Polyline(0,0 0,0) pen(0,1,#000000)"}));
}

TEST_F(Stampa, OnlyMarkedLiveEntitiesPrintAndNoneIsChanged)
{
    linea(d, 0, 0, 10, 0);
    Arco& dritto = arco(d, 0, 0, 5, 180, 0);
    dritto.p1x = 0, dritto.p1y = 0, dritto.p2x = 10, dritto.p2y = 0, dritto.p3x = 5, dritto.p3y = 0;
    cerchio(d, 5, 5, 3);
    vertici(d.superfici, {{0, 0}, {0, 10}, {10, 10}}, &superficie::inser_vert_sup);
    scritta(d, 1, 1);
    segnaTutto();
    d.cerchi.Item(1).stato = STATO_CANCELLATO;
    d.superfici.Item(1).stampare = 0;
    const Linea linea1 = d.linee.Item(1);
    const Arco arco1 = d.archi.Item(1);
    const testo testo1 = d.testi.Item(1);
    tramel::stampa(d, nessunoSpessore, porte.porte(), "Tramel", 1, 0, 0);
    EXPECT_EQ(tipi(porte.stampante.pagina.disegni()), (std::vector<std::string>{"linea", "TextOut", "linea"}));
    disegnaSegnati(d, {foglio, true, 10, 10, 1, 0, 0, nessunoSpessore, {}});
    EXPECT_EQ(tipi(foglio.disegni()), (std::vector<std::string>{"linea", "TextOut", "linea"})); // the arc as its chord
    EXPECT_EQ(d.linee.Item(1), linea1);
    EXPECT_EQ(d.archi.Item(1), arco1);
    EXPECT_EQ(d.testi.Item(1), testo1);
}

TEST_F(Stampa, EachPrintToAFileAsksItsNameAndACancelOrNoPrintsNothing)
{
    linea(d, 0, 0, 10, 0).stampare = 1;
    porte.stampante.pdf = true;
    EXPECT_EQ(tramel::stampa(d, nessunoSpessore, porte.porte(), "Tramel", 1, 0, 0), EsitoStampa::Annullata);
    EXPECT_EQ(porte.stampante.documenti, 0);
    porte.files.scelte.push_back("/tmp/pagina.pdf");
    EXPECT_EQ(tramel::stampa(d, nessunoSpessore, porte.porte(), "Tramel", 1, 0, 0), EsitoStampa::Stampata);
    EXPECT_EQ(porte.stampante.percorso, "/tmp/pagina.pdf");
    EXPECT_EQ(porte.files.salvataggi.back().first, "Documenti PDF (*.pdf)|*.pdf");
    EXPECT_EQ(porte.stampante.documenti, 1);
    EXPECT_EQ(porte.notifier.occupatoLivello, 0);
    const std::string esistente = testing::TempDir() + "esistente.dis", nuovo = testing::TempDir() + "nuovo";
    std::ofstream(esistente) << "x";
    porte.files.scelte = {esistente, esistente, nuovo};
    porte.notifier.risposte = {Risposta::No, Risposta::Si};
    for (int i = 0; i < 3; ++i)
        tramel::stampa(d, nessunoSpessore, porte.porte(), "Tramel", 1, 0, 0);
    EXPECT_EQ(porte.notifier.messaggi.at(0).testo, "File \"" + esistente + "\"  Esiste - Sovrapporre?");
    EXPECT_EQ(porte.stampante.documenti, 3);
    EXPECT_EQ(porte.stampante.percorso, nuovo + ".pdf");
    EXPECT_EQ(porte.files.salvataggi.at(4).second, esistente);
}

TEST_F(Stampa, APrinterThatFailsIsToldByName)
{
    linea(d, 0, 0, 10, 0).stampare = 1;
    porte.stampante.iniziaFallisce = true;
    EXPECT_EQ(tramel::stampa(d, nessunoSpessore, porte.porte(), "Tramel", 1, 0, 0), EsitoStampa::Fallita);
    porte.stampante.iniziaFallisce = false;
    porte.stampante.terminaFallisce = true;
    EXPECT_EQ(tramel::stampa(d, nessunoSpessore, porte.porte(), "Tramel", 1, 0, 0), EsitoStampa::Fallita);
    ASSERT_EQ(porte.notifier.messaggi.size(), 2u);
    EXPECT_EQ(porte.notifier.messaggi[0].testo, "Impossibile stampare su: \"Stampante di prova\"");
    EXPECT_EQ(porte.notifier.occupatoLivello, 0);
}

} // namespace
} // namespace tramel
