// Start-up: the settings file's path, the command line, the drawing it names.
#include "sessione.h"

#include "files/scrittura_dis.h"

#include "shell/maschera.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QPushButton>
#include <QMdiArea>
#include <QToolBar>
#include <gtest/gtest.h>

namespace tramel::test {
namespace {

const std::string nonValido = "    Impossibile effettuare esecutivi oppure Nome file della riga di comando non valido.";

TEST(Avvio, SettingsFileBesideTheProgramWithOneSeparator)
{
    EXPECT_EQ(percorsoIni("/opt/x/"), "/opt/x/Tramel.ini");
    EXPECT_EQ(percorsoIni("/opt/x"), "/opt/x/Tramel.ini");
    EXPECT_EQ(percorsoIni("/"), "/Tramel.ini");
}

TEST(Avvio, CommandLineLosesOneLeadingAndOneTrailingQuote)
{
    struct Caso {
        std::vector<std::string> argomenti;
        std::string nome;
    };
    const std::vector<Caso> casi = {
        {{"\"a b.dis\""}, "a b.dis"},
        {{"\"a", "b.dis\""}, "a b.dis"}, // a path with a blank, split by the shell
        {{"\"a.dis"}, "a.dis"},
        {{"a.dis\""}, "a.dis"},
        {{"\"\"x\"\""}, "\"x\""},
        {{"\""}, ""},
        {{"a", "", "b"}, "a  b"},
        {{}, ""},
    };
    for (const Caso& c : casi)
        EXPECT_EQ(nomeDaRigaComando(c.argomenti), c.nome) << c.nome;
}

TEST(Avvio, TxtInAnyCaseGoesToTheTextImport)
{
    EXPECT_TRUE(nomeTxt("x.txt"));
    EXPECT_TRUE(nomeTxt("/a/b c.txt"));
    EXPECT_TRUE(nomeTxt(".txt"));
    EXPECT_TRUE(nomeTxt("DISEGNO.TXT"));
    EXPECT_TRUE(nomeTxt("x.Txt"));
    EXPECT_FALSE(nomeTxt("txt"));
    EXPECT_FALSE(nomeTxt("x.txt.dis"));
}

TEST(Avvio, WithoutCommandLineTheFrameShowsTheStartScreen)
{
    Sessione s;
    ASSERT_EQ(s.avvia(), 0);
    EXPECT_EQ(s.ctx.modulo.nomefileini, s.percorso("Tramel.ini"));
    EXPECT_EQ(s.frame->windowTitle().toStdString(), "Tramel - (Modulo Disegni Bidimensionali) - Versione 1.0.0");
    EXPECT_TRUE(s.frame->isVisible());
    EXPECT_TRUE(s.frame->maschera().isVisible());
    EXPECT_EQ(s.frame->maschera().Versione().text().toStdString(), "Versione 1.0.0");
    EXPECT_NEAR(s.ctx.pigreco, 3.14159265358979, 1e-14);
    EXPECT_EQ(s.ctx.numbarre, 2);
    // The bars wait for the first drawing.
    for (int n = 1; n <= 4; ++n)
        EXPECT_TRUE(s.frame->Toolbar1(n).isHidden());
    EXPECT_TRUE(s.frame->Picture1().isHidden());
    EXPECT_TRUE(s.frame->Picture2().isHidden());
    EXPECT_EQ(s.ctx.registro.numdisegni(), 0);
    EXPECT_TRUE(s.fake.notifier.messaggi.empty());
}

// The drawing named on the command line: missing, or present but not readable
// as a drawing; a text drawing's message names its line at fault.
TEST(Avvio, ADrawingThatCannotBeOpenedEndsTheProgramWithItsMessage)
{
    for (const std::string nome : {"manca.dis", "disegno.DIS", "testo.txt", "testo.TXT"}) {
        Sessione s;
        const bool esiste = nome != "manca.dis";
        const std::string percorso = esiste ? s.file(nome) : s.percorso(nome);
        EXPECT_NE(s.avvia({"\"" + percorso + "\""}), 0) << nome;
        ASSERT_EQ(s.messaggi().size(), 1u) << nome;
        const std::string riga = nome.starts_with("testo") ? "\nRiga 1: atteso un colore da 0 a 15" : "";
        EXPECT_EQ(s.messaggi()[0], "\"" + percorso + "\"" + nonValido + riga);
        EXPECT_EQ(s.ctx.registro.numdisegni(), 0) << nome;
        EXPECT_EQ(s.ctx.registro.contadisegni(), esiste ? 1 : 0) << nome;
    }
}

// A drawing of one line, written at that path.
void disegnoConLinea(const std::string& percorso)
{
    ValoriModulo modulo;
    DrawingState d(modulo);
    d.finlarg = 50, d.finalt = 20;
    auto l = std::make_unique<Linea>();
    l->Xf = 7;
    d.dis.linee.Add(std::move(l));
    ASSERT_TRUE(salvafile(d, percorso, 0));
}

TEST(Avvio, ACommandLineDrawingOpensUnderItsPath)
{
    Sessione s;
    const std::string percorso = s.percorso("pianta dis.dis");
    disegnoConLinea(percorso);
    EXPECT_EQ(s.avvia({"\"" + percorso + "\""}), 0);
    EXPECT_TRUE(s.messaggi().empty());
    EXPECT_EQ(s.ctx.registro.nomidisegni(1), percorso);
    EXPECT_EQ(s.ctx.registro.disegnocorrente, 1);
    DrawingWindow* w = s.ctx.registro.finestredisegno(1);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->caption(), percorso);
    ASSERT_EQ(w->stato().dis.linee.Count(), 1);
    EXPECT_EQ(w->stato().dis.linee.Item(1).Xf, 7);
}

// A name without a folder, given from the drawing's own folder: the program
// changes to its own folder, but the name keeps the folder it was given in.
TEST(Avvio, ARelativeNameOpensFromTheFolderItWasGivenIn)
{
    Sessione s;
    QTemporaryDir utente;
    disegnoConLinea(utente.filePath("pianta.dis").toStdString());
    const QString prima = QDir::currentPath();
    QDir::setCurrent(utente.path());
    const int esito = s.avvia({"pianta.dis"});
    QDir::setCurrent(prima);
    ASSERT_EQ(esito, 0);
    EXPECT_EQ(s.ctx.registro.nomidisegni(1), utente.filePath("pianta.dis").toStdString());
}

TEST(Avvio, QtsOwnButtonsSpeakItalian)
{
    Sessione s;
    s.avvia();
    const QDialogButtonBox pulsanti(QDialogButtonBox::Yes | QDialogButtonBox::Cancel);
    EXPECT_EQ(pulsanti.button(QDialogButtonBox::Cancel)->text().toStdString(), "Annulla");
    EXPECT_EQ(pulsanti.button(QDialogButtonBox::Yes)->text().toStdString(), "&Sì");
}

} // namespace
} // namespace tramel::test
