// The frame's command line as a user types on it, and the snap filter that
// its status label shows.
#include "sessione.h"

#include "view/settings_file.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace tramel::test {
namespace {

void scrivi(Frame& frame, int n, const char* testo)
{
    frame.Text(n).setFocus();
    QTest::keyClicks(&frame.Text(n), testo);
    QTest::keyClick(&frame.Text(n), Qt::Key_Return);
}

TEST(RigaComando, EnterInEachBoxGoesToTheActiveWindowAndNowhereWithoutOne)
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

    w->chiudiSenzaDomanda();
    s.frame->Text(2).setEnabled(true);
    scrivi(*s.frame, 2, "7,8");
    QTest::keyClick(&s.frame->Text(2), Qt::Key_Escape);
    EXPECT_EQ(s.ctx.riga.Text[2].testo, "7,8");
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
