// The frame's command line as a user types on it, and the snap filter that
// its status label shows.
#include "sessione.h"

#include "shell/tavola.h"
#include "view/file_impostazioni.h"
#include "view/vista.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QMdiArea>
#include <QToolBar>
#include <gtest/gtest.h>

namespace tramel::test {
namespace {

TEST(RigaComando, EnterInEachBoxGoesToTheActiveWindowAndNowhereWithoutOne)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    w->stato().corrente().tipo = "Linea";
    w->engine().scrivilabel1();
    s.scrivi(1, "3,4");
    EXPECT_EQ(s.frame->Text(1).text().toStdString(), " 3, 4");
    w->engine().scrivilabel2(); // the second box opens, as after the line's first point
    s.scrivi(2, "5,6");
    EXPECT_EQ(s.frame->Text(1).text().toStdString(), " 5, 6");
    EXPECT_FALSE(s.frame->Text(1).isEnabled());

    w->chiudiSenzaDomanda();
    s.frame->Text(2).setEnabled(true);
    s.scrivi(2, "7,8");
    QTest::keyClick(&s.frame->Text(2), Qt::Key_Escape);
    EXPECT_EQ(s.ctx.riga.Text[2].testo, "7,8");
}

// A user's session on the real widgets: "Linea" from its button, both points typed.
TEST(RigaComando, ALineTypedOnTheCommandLine)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    s.frame->Toolbar1(2).actions().at(0)->trigger();
    s.scrivi(1, "0,0");
    s.scrivi(2, "10,5");
    const DrawingState& st = w->stato();
    ASSERT_EQ(st.dis.linee.Count(), 1);
    const Linea& l = st.dis.linee.Item(1);
    EXPECT_EQ(std::vector<double>({l.Xi, l.Yi, l.Xf, l.Yf}), std::vector<double>({0, 0, 10, 5}));
    // The point given becomes the reference of the next one.
    EXPECT_EQ(s.frame->Text(1).text().toStdString(), " 10, 5");
    EXPECT_EQ(s.frame->Text(2).text().toStdString(), "");
    EXPECT_EQ(st.corrente().nome(), "Linea");
}

// The point the cursor writes into the box it focuses is selected: typing replaces it.
TEST(RigaComando, TypingReplacesThePointTheCursorWrote)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    s.frame->Toolbar1(2).actions().at(0)->trigger();
    QTest::mouseMove(&w->tavola(), QPoint(40, 30));
    ASSERT_FALSE(s.frame->Text(1).text().isEmpty());
    EXPECT_EQ(s.frame->focusWidget(), &s.frame->Text(1));
    QTest::keyClicks(&s.frame->Text(1), "5,20");
    EXPECT_EQ(s.frame->Text(1).text().toStdString(), "5,20");
}

// Enter on a message in Text1 is Enter in the drawing: no pick at 0,0.
TEST(RigaComando, EnterOnAMessageIsNoPoint)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    w->engine().avviaComando(Comando::Linea);
    s.scrivi(1, "0,0");
    s.scrivi(2, "10,0");
    w->engine().impo(1);
    w->engine().avviaComando(Comando::Cancella);
    s.scrivi(1, "50,50");
    ASSERT_EQ(s.frame->Text(1).text().toStdString(), "Nessun Oggetto selezionato");
    for (int i = 0; i < 2; ++i)
        QTest::keyClick(&s.frame->Text(1), Qt::Key_Return);
    EXPECT_EQ(w->stato().dis.linee.Item(1).stato, STATO_NORMALE);
}

// Esc in the command line gives the keys back to the drawing; the read-outs never take them.
TEST(RigaComando, AfterEscTheKeysGoToTheDrawing)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    s.frame->Toolbar1(2).actions().at(0)->trigger();
    s.frame->Text(1).setFocus();
    QTest::keyClick(&s.frame->Text(1), Qt::Key_Escape);
    EXPECT_EQ(s.frame->focusWidget(), &w->tavola());
    for (int n = 3; n <= 7; ++n)
        EXPECT_EQ(s.frame->Text(n).focusPolicy(), Qt::NoFocus);
}

// The window worked in stays active whatever the command line enables or
// disables: with two or three drawings open, one of them maximized or none,
// a typed point goes on with the command and Esc gives the keys to the drawing.
TEST(RigaComando, TheWindowWorkedInStaysActive)
{
    enum class Ingrandita { Nessuna, Ultima, PrimaPoiNuova };
    for (int finestre : {2, 3})
        for (Ingrandita ingrandita : {Ingrandita::Nessuna, Ingrandita::Ultima, Ingrandita::PrimaPoiNuova})
            for (bool esc : {false, true}) {
                SCOPED_TRACE(std::to_string(finestre) + " windows, case " +
                             std::to_string(static_cast<int>(ingrandita)) + (esc ? ", Esc" : ", point"));
                Sessione s;
                s.avvia();
                DrawingWindow* w = s.nuova();
                if (ingrandita == Ingrandita::PrimaPoiNuova)
                    w->showMaximized();
                for (int i = 1; i < finestre; ++i)
                    w = s.nuova();
                if (ingrandita == Ingrandita::Ultima)
                    w->showMaximized();
                QCoreApplication::processEvents();
                ASSERT_EQ(s.frame->finestraAttiva(), w);
                s.frame->Toolbar1(2).actions().at(0)->trigger();
                if (esc) {
                    s.frame->Text(1).setFocus();
                    QTest::keyClick(&s.frame->Text(1), Qt::Key_Escape);
                    EXPECT_EQ(s.frame->focusWidget(), &w->tavola());
                } else {
                    s.scrivi(1, "1,1");
                    EXPECT_EQ(w->stato().corrente().nome(), "Linea");
                    s.scrivi(2, "20,10");
                    EXPECT_EQ(w->stato().dis.linee.Count(), 1);
                }
                EXPECT_EQ(s.frame->finestraAttiva(), w);
            }
}

// A value typed after the pointer crossed the drawing lands as typed, in every
// command and selection mode whose boxes the cursor writes: before each step
// the pointer moves over the drawing, then the keys go to whatever has them.
TEST(RigaComando, ValuesTypedAfterThePointerMovedLandAsTyped)
{
    struct Caso {
        const char* comando; // its toolbar button
        int modo;            // the selection mode: 1 pick, 2 window, 3 crossing
        // Typed, then Enter; "clic" a click on the line at 30,10, "destro" a right click.
        std::vector<const char*> passi;
        int linee;
        std::array<double, 4> ultima; // the last line
    };
    const std::vector<Caso> casi = {
        {"Linea", 1, {"0,0", "5,20"}, 2, {0, 0, 5, 20}},
        {"Sposta", 1, {"30,10", "", "0,0", "5,20"}, 1, {15, 30, 65, 30}},
        {"Sposta", 1, {"clic", "", "0,0", "5,20"}, 1, {15, 30, 65, 30}},
        {"Copia", 1, {"clic", "", "0,0", "5,20"}, 2, {15, 30, 65, 30}},
        {"Ruota", 1, {"clic", "", "10,10", "90"}, 1, {10, 10, 10, 60}},
        {"Specchio", 1, {"clic", "", "0,0", "0,10"}, 2, {-10, 10, -60, 10}},
        {"Sposta", 2, {"0,0", "70,20", "", "0,0", "5,20"}, 1, {15, 30, 65, 30}},
        {"Copia", 3, {"0,0", "70,20", "", "0,0", "5,20"}, 2, {15, 30, 65, 30}},
        {"Ruota", 2, {"0,0", "70,20", "", "10,10", "90"}, 1, {10, 10, 10, 60}},
        {"Stira", 1, {"50,0", "70,20", "destro", "0,0", "5,0"}, 1, {10, 10, 65, 10}},
        {"Cancella", 2, {"0,0", "70,20", ""}, 0, {}},
    };
    for (int finestre : {2, 3})
        for (const Caso& c : casi) {
            SCOPED_TRACE(std::string(c.comando) + " mode " + std::to_string(c.modo) + ", " + c.passi.front() + ", " +
                         std::to_string(finestre) + " windows");
            Sessione s;
            s.avvia();
            DrawingWindow* w = s.nuova();
            for (int i = 1; i < finestre; ++i)
                w = s.nuova();
            // Three windows, the last maximized; two side by side.
            if (finestre == 3)
                w->showMaximized();
            s.frame->Toolbar1(2).actions().at(0)->trigger();
            s.scrivi(1, "10,10");
            s.scrivi(2, "60,10");
            QTest::keyClick(&s.frame->Text(2), Qt::Key_Escape);
            w->engine().impo(c.modo);
            for (int t : {2, 4})
                for (QAction* a : s.frame->Toolbar1(t).actions())
                    if (a->text() == QString::fromUtf8(c.comando))
                        a->trigger();
            int x = 20;
            for (const char* passo : c.passi) {
                x += 9;
                QTest::mouseMove(&w->tavola(), QPoint(x, x / 2));
                QWidget* fuoco = s.frame->focusWidget();
                ASSERT_NE(fuoco, nullptr);
                if (std::string_view(passo) == "clic" || std::string_view(passo) == "destro") {
                    const Punto p = dispositivoDaDisegno(w->stato().vista, 30, 10);
                    QTest::mouseClick(&w->tavola(), *passo == 'c' ? Qt::LeftButton : Qt::RightButton, {},
                                      QPoint(int(p.x), int(p.y)));
                    continue;
                }
                QTest::keyClicks(fuoco, passo);
                QTest::keyClick(fuoco, Qt::Key_Return);
            }
            const auto& linee = w->stato().dis.linee;
            int vive = 0;
            for (int i = 1; i <= linee.Count(); ++i)
                vive += linee.Item(i).stato != STATO_CANCELLATO;
            EXPECT_EQ(vive, c.linee);
            if (vive == 0)
                continue;
            const Linea& l = linee.Item(linee.Count());
            const std::array<double, 4> ultima = {l.Xi, l.Yi, l.Xf, l.Yf};
            for (std::size_t i = 0; i < 4; ++i)
                EXPECT_NEAR(ultima[i], c.ultima[i], 1e-9) << i;
        }
}

// Over the frame's own parts the pointer is outside the drawing: the cross-hair goes.
TEST(RigaComando, TheCrossHairGoesOverTheFramesParts)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    Frame& f = *s.frame;
    QToolBar& disegna = f.Toolbar1(2);
    const std::vector<std::pair<QWidget*, bool>> casi = {
        {f.area().viewport(), true}, // its corner, away from the drawing window
        {&f.Label(1), true}, {&f.Picture1(), true}, {&f.Label(3), true},
        {&f.Text(1), true}, {&f.Toolbar1(1), true}, {&f.Toolbar1(4), true},
        {disegna.widgetForAction(disegna.actions().at(0)), true},
        {&f.Label(2), false}, {&f.Text(2), false},
    };
    const Overlay& o = w->stato().overlay;
    for (const auto& [parte, nasconde] : casi) {
        SCOPED_TRACE(parte->metaObject()->className());
        QTest::mouseMove(&w->tavola());
        ASSERT_TRUE(o.Line1.visibile && o.Line2.visibile);
        QTest::mouseMove(parte, QPoint(parte->width() - 3, parte->height() - 3));
        EXPECT_EQ(o.Line1.visibile, !nasconde);
        EXPECT_EQ(o.Line2.visibile, !nasconde);
    }
}

TEST(Filtri, ANewFilterShowsOnTheFramesLabelAndIsSavedIfItCanBe)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    ASSERT_TRUE(QFile::remove(QString::fromStdString(s.ctx.modulo.nomefileini)));
    w->stato().overlay.Shape2.visibile = true;
    w->impfiltri(6);
    EXPECT_EQ(s.frame->Label(11).text().toStdString(), "Centro(F9)");
    EXPECT_TRUE(w->stato().overlay.Shape2.visibile);
    DrawingState letto(s.ctx.modulo);
    ASSERT_TRUE(leggifileini_dis(letto));
    EXPECT_EQ(letto.aiuti.filtrosnap, 6);

    // A settings file that cannot be written keeps the new filter all the same.
    s.ctx.modulo.nomefileini = s.percorso("manca") + "/Tramel.ini";
    w->impfiltri(0);
    EXPECT_EQ(w->stato().aiuti.filtrosnap, 0);
    EXPECT_EQ(s.frame->Label(11).text().toStdString(), "Libero(F9)");
    EXPECT_FALSE(w->stato().overlay.Shape2.visibile);
}

} // namespace
} // namespace tramel::test
