// The window registry and its counters across new windows, closes and
// opens that fail or are cancelled.
#include "sessione.h"

#include "shell/maschera.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <gtest/gtest.h>

namespace tramel::test {
namespace {

std::vector<std::string> menuBar(Frame& frame)
{
    std::vector<std::string> titoli;
    for (QAction* a : frame.menuBar()->actions())
        titoli.push_back(a->text().toStdString());
    return titoli;
}

TEST(Registro, FirstWindowIsNumberOneAndHidesTheStartScreen)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->caption(), "Disegno _ 1");
    EXPECT_EQ(s.ctx.registro.nomidisegni(1), "Disegno _ 1");
    EXPECT_EQ(s.ctx.registro.contadisegni(), 1);
    EXPECT_EQ(s.ctx.registro.numdisegni(), 1);
    EXPECT_EQ(s.ctx.registro.disegnocorrente, 1);
    EXPECT_FALSE(s.frame->maschera().isVisible());
    // The command line: the first box disabled, both grey.
    EXPECT_FALSE(s.ctx.riga.Text[1].abilitata);
    EXPECT_FALSE(s.frame->Text(1).isEnabled());
    for (int n : {1, 2}) {
        EXPECT_EQ(s.ctx.riga.Text[n].colore, 7);
        EXPECT_EQ(s.frame->Text(n).palette().color(QPalette::Base), colorePalette(7));
    }
    // The bars are shown for the drawing, the frame shows the window's menus.
    for (int n = 1; n <= 4; ++n)
        EXPECT_FALSE(s.frame->Toolbar1(n).isHidden());
    EXPECT_FALSE(s.frame->Picture1().isHidden());
    EXPECT_FALSE(s.frame->Picture2().isHidden());
    EXPECT_EQ(menuBar(*s.frame),
              (std::vector<std::string>{"&File", "&Disegna", "&Visualizza", "&Edita", "&Aiuti al disegno",
                                        "&Filtri                   F9", "F&inestra", "?"}));
    // A new window is not a change of the drawing.
    EXPECT_EQ(w->stato().dasalvare, 0);
}

// Ten new windows, each cascaded from the one before, all wholly inside the
// drawing area and of a good part of its size, with the program's icon.
TEST(Registro, NewWindowsOpenCascadedInsideTheDrawingArea)
{
    Sessione s;
    s.avvia();
    QCoreApplication::processEvents(); // the frame takes its maximised size
    std::vector<DrawingWindow*> finestre;
    for (int i = 0; i < 10; ++i)
        finestre.push_back(s.nuova());
    const QRect area = s.frame->area().viewport()->rect();
    for (DrawingWindow* w : finestre) {
        EXPECT_TRUE(area.contains(w->geometry())) << w->caption();
        EXPECT_GE(w->width() * 2, area.width()) << w->caption();
    }
    const QPoint passo = finestre[1]->pos() - finestre[0]->pos();
    EXPECT_GT(passo.x(), 0);
    EXPECT_GT(passo.y(), 0);
    EXPECT_FALSE(s.frame->windowIcon().isNull());
    EXPECT_EQ(finestre[9]->windowIcon().cacheKey(), s.frame->windowIcon().cacheKey());
}

TEST(Registro, NumbersGoOnAcrossClosesAndTheLastCloseBringsBackTheStartScreen)
{
    Sessione s;
    s.avvia();
    DrawingWindow* primo = s.nuova();
    DrawingWindow* secondo = s.nuova();
    EXPECT_EQ(secondo->caption(), "Disegno _ 2");
    EXPECT_EQ(s.ctx.registro.disegnocorrente, 2);
    ASSERT_TRUE(primo->close());
    EXPECT_EQ(s.ctx.registro.numdisegni(), 1);
    EXPECT_EQ(s.ctx.registro.contadisegni(), 2);
    EXPECT_EQ(s.nuova()->caption(), "Disegno _ 3");
    for (DrawingWindow* w : s.ctx.registro.aperte())
        ASSERT_TRUE(w->close());
    EXPECT_EQ(s.ctx.registro.numdisegni(), 0);
    EXPECT_TRUE(s.frame->maschera().isVisible());
    EXPECT_TRUE(s.frame->Toolbar1(1).isHidden());
    EXPECT_TRUE(s.frame->Picture2().isHidden());
    EXPECT_EQ(menuBar(*s.frame), std::vector<std::string>{"&File"});
    EXPECT_TRUE(s.fake.notifier.messaggi.empty());
}

// "Apri" that ends without a drawing: the new window closes and gives its
// number back, silently unless the file is in use or unreadable.
TEST(Registro, FailedOpenClosesTheNewWindowAndGivesItsNumberBack)
{
    struct Caso {
        const char* nome;
        std::optional<std::string> scelta; // what the open dialog gives
        std::vector<std::string> messaggi;
    };
    Sessione s;
    s.avvia();
    s.nuova();
    const std::string esistente = s.file("pianta.dis");
    const std::string manca = s.percorso("manca.dis");
    const std::vector<Caso> casi = {
        {"dialog cancelled", std::nullopt, {}},
        {"missing file", manca, {}},
        {"not readable as a drawing", esistente, {"Impossibile leggere il file: \"" + esistente + "\""}},
    };
    for (const Caso& c : casi) {
        s.fake.notifier.messaggi.clear();
        s.fake.files.scelte = {c.scelta};
        s.frame->gestfile_Click(2);
        EXPECT_EQ(s.messaggi(), c.messaggi) << c.nome;
        EXPECT_EQ(s.ctx.registro.contadisegni(), 1) << c.nome;
        EXPECT_EQ(s.ctx.registro.numdisegni(), 1) << c.nome;
    }
    EXPECT_EQ(s.nuova()->caption(), "Disegno _ 2");
}

TEST(Registro, AFileIsInUseOnlyWhileItsWindowIsOpen)
{
    Sessione s;
    s.avvia();
    const std::string percorso = s.file("pianta.dis");
    DrawingWindow* aperto = s.nuova();
    // The window holds that file, as after an open or a save under that name.
    s.ctx.registro.registra(1, percorso);
    aperto->setCaption(percorso);

    s.fake.files.scelte = {percorso};
    s.frame->apri();
    EXPECT_EQ(s.messaggi(), std::vector<std::string>{percorso + "  Attualmente in uso."});
    EXPECT_EQ(s.ctx.registro.contadisegni(), 1);
    EXPECT_EQ(s.ctx.registro.numdisegni(), 1);

    ASSERT_TRUE(aperto->close());
    s.fake.notifier.messaggi.clear();
    s.fake.files.scelte = {percorso};
    s.frame->gestfile_Click(2);
    // No longer in use: the open goes on to the reader.
    EXPECT_EQ(s.messaggi(), std::vector<std::string>{"Impossibile leggere il file: \"" + percorso + "\""});
}

TEST(Registro, SaveUnderANewNameKeepsTheRegistryNameUntilItSucceeds)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    s.fake.files.scelte = {"/nessuna/cartella/nuovo.dis"};
    std::string comando = "SalvaConNome";
    EXPECT_EQ(s.frame->gestionefile(*w, comando), EsitoFile::Fallito);
    EXPECT_EQ(s.ctx.registro.nomidisegni(1), "Disegno _ 1");
    EXPECT_EQ(w->caption(), "Disegno _ 1");

    s.fake.files.scelte = {s.percorso("nuovo.dis")};
    comando = "SalvaConNome";
    EXPECT_EQ(s.frame->gestionefile(*w, comando), EsitoFile::Riuscito);
    EXPECT_EQ(s.ctx.registro.nomidisegni(1), s.percorso("nuovo.dis"));
}

TEST(Registro, ActivationMakesTheWindowCurrent)
{
    Sessione s;
    s.avvia();
    DrawingWindow* primo = s.nuova();
    s.nuova();
    s.frame->area().setActiveSubWindow(primo);
    EXPECT_EQ(s.ctx.registro.disegnocorrente, 1);
    EXPECT_EQ(s.frame->finestraAttiva(), primo);
}

TEST(Registro, EsciWithNoDrawingShowsTheBarsThenClosesTheFrame)
{
    Sessione s;
    s.avvia();
    s.frame->gestfile_Click(3);
    EXPECT_FALSE(s.frame->isVisible());
    EXPECT_FALSE(s.frame->Toolbar1(1).isHidden());
}

TEST(Registro, SelectingABoxTextSelectsAllOfIt)
{
    QLineEdit box(QStringLiteral("12.5, 3"));
    box.setCursorPosition(2);
    selezionatesto(box);
    EXPECT_EQ(box.selectedText(), QStringLiteral("12.5, 3"));
    EXPECT_EQ(box.selectionStart(), 0);
}

} // namespace
} // namespace tramel::test
