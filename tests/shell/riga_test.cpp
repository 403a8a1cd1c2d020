// The frame's command line as a user types on it, and the snap filter that
// its status label shows.
#include "sessione.h"

#include "shell/settings_file.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace tramel::test {
namespace {

void scrivi(Frame& frame, int n, const char* testo)
{
    QLineEdit& casella = frame.Text(n);
    casella.setFocus();
    QTest::keyClicks(&casella, testo);
    QTest::keyClick(&casella, Qt::Key_Return);
}

TEST(RigaComando, EnterInEachBoxGoesToTheActiveWindow)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    w->stato().corrente().tipo = "Linea";
    w->engine().scrivilabel1();
    scrivi(*s.frame, 1, "3,4");
    EXPECT_EQ(s.frame->Text(1).text().toStdString(), " 3, 4");
    w->engine().scrivilabel2(); // the second box opens, as after the line's first point
    scrivi(*s.frame, 2, "5,6");
    EXPECT_EQ(s.frame->Text(1).text().toStdString(), " 5, 6");
    EXPECT_FALSE(s.frame->Text(1).isEnabled());
    EXPECT_EQ(s.frame->Text(2).text().toStdString(), "");
}

TEST(RigaComando, EnterWithNoDrawingWindowDoesNothing)
{
    Sessione s;
    s.avvia();
    s.frame->Text(1).setEnabled(true);
    scrivi(*s.frame, 1, "3,4");
    QTest::keyClick(&s.frame->Text(1), Qt::Key_Escape);
    EXPECT_EQ(s.ctx.riga.Text[1].testo, "3,4");
    EXPECT_EQ(s.frame->Text(1).text().toStdString(), "3,4");
}

TEST(Filtri, ANewFilterShowsOnTheFramesLabelAndIsSaved)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    ASSERT_TRUE(QFile::remove(QString::fromStdString(s.ctx.modulo.nomefileini)));
    w->impfiltri(6);
    EXPECT_EQ(w->stato().filtrosnap, 6);
    EXPECT_EQ(s.frame->Label(11).text().toStdString(), "Centro(F9)");
    DrawingState letto(s.ctx.modulo);
    ASSERT_TRUE(leggifileini_dis(letto));
    EXPECT_EQ(letto.filtrosnap, 6);

    // The free filter also hides the pick box.
    w->stato().overlay.Shape2.visibile = true;
    w->impfiltri(0);
    EXPECT_EQ(s.frame->Label(11).text().toStdString(), "Libero(F9)");
    EXPECT_FALSE(w->stato().overlay.Shape2.visibile);
}

TEST(Filtri, ASettingsFileThatCannotBeWrittenKeepsTheNewFilter)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    s.ctx.modulo.nomefileini = s.percorso("manca") + "/Tramel.ini";
    EXPECT_NO_THROW(w->impfiltri(3));
    EXPECT_EQ(w->stato().filtrosnap, 3);
    EXPECT_EQ(s.frame->Label(11).text().toStdString(), "Fine(F9)");
    EXPECT_TRUE(s.messaggi().empty());
}

} // namespace
} // namespace tramel::test
