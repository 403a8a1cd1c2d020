#include "support/finestra_prova.h"

#include "platform/palette.h"

#include <gtest/gtest.h>

#include <cctype>

namespace tramel {
namespace {

struct PrimoPrompt {
    std::string nome;
    std::string label1;
};

class Scrivilabel1 : public testing::TestWithParam<PrimoPrompt> {};

TEST_P(Scrivilabel1, ShowsTheFirstPromptAndWaitsInTheFirstBox)
{
    FinestraProva f;
    f.stato.comandi.passocomando = 4;
    f.riga.Text[6].testo = "12.5";
    f.avvia(GetParam().nome);
    EXPECT_EQ(f.riga.Label1, GetParam().label1);
    EXPECT_EQ(f.stato.comandi.passocomando, 0);
    EXPECT_TRUE(f.box(1).abilitata);
    EXPECT_EQ(f.box(1).colore, 15);
    EXPECT_EQ(f.riga.fuoco, 1);
    EXPECT_EQ(f.box(6).testo, "");
}

const std::vector<PrimoPrompt> primiPrompt = {
    {"Linea", " Linea_Dal Punto: "},
    {"Distanza-Angolo", " Distanza-Angolo_Dal Punto: "},
    {"Cerchio", " Cerchio_Centro: "},
    {"Arco", " Arco_Primo Punto(P.Iniziale): "},
    {"Superficie", " Superficie: 1° Vertice  "},
    {"Polilinea", " Polilinea: 1° Vertice  "},
    {"Rettangolo", " Rettangolo: Primo Punto: "},
    {"Testo", "Testo _ Punto Iniziale:"},
    {"Zoom Area", " Zoom_Primo punto: "},
    {"Cancella", "Cancella (I) _ Primo Punto:"},
    {"Sposta", "Sposta (I) _ Primo Punto:"},
    {"Copia", "Copia (I) _ Primo Punto:"},
    {"Ruota", "Ruota (I) _ Primo Punto:"},
    {"Proprietà Oggetto", "Proprietà Oggetto (I) _ Primo Punto:"},
    {"Specchio", "Specchio (I) _ Primo Punto:"},
    {"Stira", " Stira _ Primo Punto:"},
    {"Selstamp", " Selez.Finestra - Primo Punto:"},
};

std::string nomeProva(const testing::TestParamInfo<PrimoPrompt>& info)
{
    std::string n;
    for (char c : info.param.nome)
        if (std::isalpha(static_cast<unsigned char>(c)))
            n += c;
    return n;
}

INSTANTIATE_TEST_SUITE_P(Comandi, Scrivilabel1, testing::ValuesIn(primiPrompt), nomeProva);

// The three prompt routines read the name trimmed: padding changes nothing.
class NomeConSpazi : public testing::TestWithParam<PrimoPrompt> {};

TEST_P(NomeConSpazi, PromptsLikeTheTrimmedName)
{
    auto prompts = [](const std::string& nome) {
        FinestraProva f;
        f.stato.comandi.numselez = 2;
        f.avvia(nome);
        std::vector<std::string> visti{f.riga.Label1};
        f.motore.scrivilabel2();
        visti.push_back(f.riga.Label2);
        f.stato.comandi.numselez = 2;
        f.motore.scrivitrov();
        visti.insert(visti.end(), {f.riga.Label2, f.box(1).testo, f.box(2).testo});
        return visti;
    };
    EXPECT_EQ(prompts(" " + GetParam().nome + "   "), prompts(GetParam().nome));
}

INSTANTIATE_TEST_SUITE_P(Comandi, NomeConSpazi, testing::ValuesIn(primiPrompt), nomeProva);

TEST(Scrivilabel1Idle, BlankNameGreysAndEmptiesBothBoxes)
{
    FinestraProva f;
    f.riga.Label2 = "Al Punto: ";
    f.riga.Text[1].testo = " 1, 2";
    f.riga.Text[2].testo = " 3, 4";
    f.stato.comandi.passocomando = 1;
    f.avvia("   ");
    EXPECT_EQ(f.riga.Label1, "Comando: ");
    EXPECT_EQ(f.riga.Label2, "");
    for (int n : {1, 2}) {
        EXPECT_EQ(f.box(n).testo, "") << n;
        EXPECT_FALSE(f.box(n).abilitata) << n;
        EXPECT_EQ(f.box(n).colore, 7) << n;
    }
    EXPECT_EQ(f.stato.comandi.passocomando, 0);
    EXPECT_EQ(f.riga.fuoco, 0);
}

TEST(Scrivilabel1Idle, UnknownNameKeepsThePrompt)
{
    FinestraProva f;
    f.riga.Label1 = " Linea_Dal Punto: ";
    f.avvia("Zoom Dinamico");
    EXPECT_EQ(f.riga.Label1, " Linea_Dal Punto: ");
}

TEST(Scrivilabel1Idle, NoFocusWhileTheCommandLineIsHidden)
{
    FinestraProva f;
    f.riga.Picture2visibile = false;
    f.avvia("Linea");
    EXPECT_EQ(f.riga.fuoco, 0);
}

TEST(Scrivilabel1Vertici, NewPolygonsStartWithoutVertices)
{
    FinestraProva f;
    auto& ogg = f.stato.ogg;
    ogg.oggsuperficie->vertic(3);
    ogg.oggpolilinea->vertic(3);
    ogg.oggrettangolo->vertic(4);
    f.avvia("Superficie");
    EXPECT_EQ(ogg.oggsuperficie->vertic(), 0);
    EXPECT_EQ(ogg.oggpolilinea->vertic(), 3);
    f.avvia("Polilinea");
    EXPECT_EQ(ogg.oggpolilinea->vertic(), 0);
    f.avvia("Rettangolo");
    EXPECT_EQ(ogg.oggrettangolo->vertic(), 0);
}

TEST(Scrivilabel1Zoom, ApostropheWhenACommandIsSuspended)
{
    FinestraProva f;
    f.stato.comandi.comasospeso.tipo = "Linea";
    f.avvia("Zoom Area");
    EXPECT_EQ(f.riga.Label1, "' Zoom_Primo punto: ");
}

TEST(Scrivilabel1Zoom, ImmediateZoomsCompleteAtOnce)
{
    for (const char* nome : {"Zoom Tutto", " Zoom Prec. ", "Zoom %"}) {
        FinestraProva f;
        f.avvia(nome);
        EXPECT_EQ(f.stato.corrente().tipo, "") << nome;
        EXPECT_EQ(f.stato.comandi.numcomando, 1) << nome;
        EXPECT_EQ(f.riga.Label1, "Comando: ") << nome;
        EXPECT_FALSE(f.box(1).abilitata) << nome;
    }
}

TEST(Scrivilabel1Selezione, PickModeShowsThePickBox)
{
    FinestraProva f;
    f.stato.comandi.modoselez = "Ogget";
    f.stato.comandi.numselez = 3;
    f.stato.colori.colanteprima = Variant(std::int16_t{9});
    f.avvia("Sposta");
    EXPECT_EQ(f.riga.Label1, "Sposta _ Selez. Oggetto: ");
    EXPECT_TRUE(f.stato.overlay.Shape2.visibile);
    EXPECT_EQ(f.stato.overlay.Shape2.colore, Palette::color(9));
    EXPECT_EQ(f.stato.comandi.numselez, 0);
}

TEST(Scrivilabel1Selezione, WindowModeSetsTheRectangleBand)
{
    FinestraProva f;
    f.stato.comandi.modoselez = "Fines";
    f.stato.overlay.Shape1.forma = FormaOverlay::Cerchio;
    f.avvia("Copia");
    EXPECT_EQ(f.riga.Label1, "Copia (F) _ Primo Punto:");
    EXPECT_EQ(f.stato.overlay.Shape1.forma, FormaOverlay::Rettangolo);
    EXPECT_FALSE(f.stato.overlay.Shape2.visibile);
}

TEST(Scrivilabel1Selezione, StretchForcesCrossingMode)
{
    FinestraProva f;
    f.stato.comandi.modoselez = "Ogget";
    f.stato.overlay.Shape1.forma = FormaOverlay::Cerchio;
    f.avvia("Stira");
    EXPECT_EQ(f.stato.comandi.modoselez, "Inters");
    EXPECT_EQ(f.stato.overlay.Shape1.forma, FormaOverlay::Rettangolo);
    EXPECT_FALSE(f.stato.overlay.Shape2.visibile);
}

struct SecondoPrompt {
    std::string nome;
    int passo;
    std::int16_t vertici;
    std::string label2;
};

class Scrivilabel2 : public testing::TestWithParam<SecondoPrompt> {};

TEST_P(Scrivilabel2, MovesInputToTheSecondBox)
{
    FinestraProva f;
    f.riga.Label2 = "prima";
    f.stato.corrente().tipo = GetParam().nome;
    f.stato.comandi.passocomando = GetParam().passo;
    f.stato.ogg.oggsuperficie->vertic(GetParam().vertici);
    f.stato.ogg.oggpolilinea->vertic(GetParam().vertici);
    f.motore.scrivilabel2();
    EXPECT_EQ(f.riga.Label2, GetParam().label2);
    EXPECT_FALSE(f.box(1).abilitata);
    EXPECT_EQ(f.box(1).colore, 7);
    EXPECT_TRUE(f.box(2).abilitata);
    EXPECT_EQ(f.box(2).colore, 15);
}

INSTANTIATE_TEST_SUITE_P(Comandi, Scrivilabel2,
                         testing::Values(SecondoPrompt{"Linea", 1, 0, "Al Punto: "},
                                         SecondoPrompt{"Distanza-Angolo", 1, 0, "Al Punto: "},
                                         SecondoPrompt{"Cerchio", 1, 0, "Raggio: "},
                                         SecondoPrompt{"Zoom Area", 1, 0, "Secondo Punto: "},
                                         SecondoPrompt{"Cancella", 1, 0, "Secondo Punto: "},
                                         SecondoPrompt{"Rettangolo", 1, 0, "Secondo Punto: "},
                                         SecondoPrompt{"Superficie", 1, 2, "  3° Vertice"},
                                         SecondoPrompt{"Polilinea", 1, 11, "  12° Vertice"},
                                         SecondoPrompt{"Arco", 1, 0, " Arco_Secondo Punto(P.Finale): "},
                                         SecondoPrompt{"Arco", 2, 0, " Arco_Terzo Punto: "},
                                         SecondoPrompt{"Testo", 1, 0, "prima"}));

TEST(Scrivitrov, NothingSelectedBeepsAndDisablesTheSecondBox)
{
    FinestraProva f;
    f.stato.corrente().tipo = "Cancella";
    f.riga.Label2 = "Conferma Cancella";
    f.riga.Text[2].testo = "x";
    f.motore.scrivitrov();
    EXPECT_EQ(f.porte.notifier.beeps, 1);
    EXPECT_EQ(f.box(1).testo, "Nessun Oggetto selezionato");
    EXPECT_EQ(f.box(2).testo, "");
    EXPECT_FALSE(f.box(2).abilitata);
    EXPECT_EQ(f.box(2).colore, 7);
    EXPECT_EQ(f.riga.Label2, "");
}

TEST(Scrivitrov, CountsTheSelection)
{
    FinestraProva f;
    f.stato.corrente().tipo = "Sposta";
    f.stato.comandi.numselez = 1;
    f.motore.scrivitrov();
    EXPECT_EQ(f.box(1).testo, "<1> Oggetto Selezionato");
    f.stato.comandi.numselez = 3;
    f.motore.scrivitrov();
    EXPECT_EQ(f.box(1).testo, "<3> Oggetti Selezionati");
    EXPECT_EQ(f.box(2).testo, "<Invio> oppure <Clic Pulsante destro>    - <Esc> Annulla");
    EXPECT_TRUE(f.box(2).abilitata);
    EXPECT_EQ(f.box(2).colore, 15);
    EXPECT_EQ(f.porte.notifier.beeps, 0);
}

TEST(Scrivitrov, AsksForConfirmationByCommand)
{
    const std::vector<std::pair<std::string, std::string>> attesi = {
        {"Cancella", "Conferma Cancella"},
        {"Sposta", "Conferma Oggetti da Spostare"},
        {"Copia", "Conferma Oggetti da Copiare"},
        {"Proprietà Oggetto", "Conferma Selezione"},
        {"Specchio", "Conferma Specchio"},
        {"Ruota", "Conferma Oggetti da Ruotare"},
        {"Stira", "Secondo Punto:"}, // left as it was
    };
    for (const auto& [nome, label2] : attesi) {
        FinestraProva f;
        f.riga.Label2 = "Secondo Punto:";
        f.stato.corrente().tipo = nome;
        f.stato.comandi.numselez = 2;
        f.motore.scrivitrov();
        EXPECT_EQ(f.riga.Label2, label2) << nome;
    }
}

} // namespace
} // namespace tramel
