// The drawing window's menus and its mouse and keys, driven on the real
// widgets as a user drives them.
#include "sessione.h"

#include "shell/tavola.h"
#include "shell/zoomp.h"

#include "platform/numbers.h"
#include "view/vista.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>

namespace tramel::test {
namespace {

// The item of the window's menu bar with that caption, submenus included.
QAction* voce(DrawingWindow& w, const QString& testo)
{
    for (QMenu* m : w.menus())
        for (QAction* a : m->actions()) {
            if (a->text() == testo)
                return a;
            if (a->menu())
                for (QAction* b : a->menu()->actions())
                    if (b->text() == testo)
                        return b;
        }
    return nullptr;
}

void scegli(DrawingWindow& w, const QString& testo)
{
    QAction* a = voce(w, testo);
    ASSERT_NE(a, nullptr) << testo.toStdString();
    a->trigger();
}

QPoint pixel(DrawingWindow& w, double x, double y)
{
    const Punto p = dispositivoDaDisegno(w.stato().vista, x, y);
    return {static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y))};
}

// A click of the mouse near the drawing point (x, y): with the snap step of
// 1 the window takes (x, y) itself.
void clic(DrawingWindow& w, double x, double y, Qt::MouseButton pulsante = Qt::LeftButton)
{
    QTest::mouseClick(&w.tavola(), pulsante, {}, pixel(w, x + 0.4, y + 0.2));
}

// The ends of a line, within the single precision the window's points have.
void estremi(const Linea& l, std::array<double, 4> attesi)
{
    const std::array<double, 4> v = {l.Xi, l.Yi, l.Xf, l.Yf};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_NEAR(v[i], attesi[i], 1e-5) << i;
}

// A new window, and "Linea" picked from its Disegna menu and clicked from (5, 3) to (16, 3).
DrawingWindow* lineaCliccata(Sessione& s)
{
    s.avvia();
    DrawingWindow* w = s.nuova();
    scegli(*w, "Linea");
    clic(*w, 5, 3);
    clic(*w, 16, 3);
    return w;
}

TEST(MenuFinestra, ALineDrawnFromTheDisegnaMenu)
{
    Sessione s;
    DrawingWindow* w = lineaCliccata(s);
    QTest::keyClick(&w->tavola(), Qt::Key_Escape);
    const DrawingState& st = w->stato();
    ASSERT_EQ(st.dis.linee.Count(), 1);
    estremi(st.dis.linee.Item(1), {5, 3, 16, 3});
    EXPECT_EQ(st.corrente().nome(), "");
    EXPECT_EQ(s.frame->Label(1).text().toStdString(), "Comando: ");
    const QImage immagine = w->tavola().immagine();
    EXPECT_EQ(immagine.pixelColor(pixel(*w, 10.5, 3)), QColor(Qt::black));
    EXPECT_EQ(immagine.pixelColor(pixel(*w, 10.5, 4.5)), QColor(Qt::white));
}

TEST(MenuFinestra, ALineMovedFromTheEditaMenu)
{
    Sessione s;
    DrawingWindow* w = lineaCliccata(s);
    clic(*w, 0, 0, Qt::RightButton);
    scegli(*w, "Sposta");
    clic(*w, 8, 1); // a crossing window over the line's middle
    clic(*w, 10, 5);
    clic(*w, 0, 0, Qt::RightButton);
    EXPECT_EQ(s.frame->Label(2).text().toStdString(), "Punto Base:");
    clic(*w, 5, 3);
    clic(*w, 7, 9);
    estremi(w->stato().dis.linee.Item(1), {7, 9, 18, 9});
}

TEST(MenuFinestra, ItemsOfferedByTheDrawingsContentAndTheCommandsStep)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    w->visual_Click();
    w->mnuedita_Click();
    EXPECT_FALSE(voce(*w, "Zoom Tutto")->isEnabled());
    EXPECT_FALSE(voce(*w, "Cancella")->isEnabled());
    w->stato().cisonooggetti = 1;
    w->stato().corrente().tipo = "Stira";
    w->visual_Click();
    w->mnuedita_Click();
    EXPECT_TRUE(voce(*w, "Zoom Tutto")->isEnabled());
    EXPECT_TRUE(voce(*w, "Proprietà Oggetto")->isEnabled());
    EXPECT_FALSE(voce(*w, "Imposta Selezione")->isEnabled());
}

TEST(MenuFinestra, CheckMarksFollowTheirSwitches)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    // The selection modes are radio items.
    scegli(*w, "Seleziona Finestra");
    EXPECT_TRUE(w->impo(2));
    EXPECT_FALSE(w->impo(3));
    EXPECT_EQ(w->stato().comandi.modoselez, "Fines");
    // F9 over the picture moves to the next filter and its mark.
    QTest::keyClick(&w->tavola(), Qt::Key_F9);
    EXPECT_EQ(w->stato().aiuti.filtrosnap, 2);
    EXPECT_TRUE(w->filtri(2));
    EXPECT_FALSE(w->filtri(0));
    // A toggle refused during a command keeps its mark.
    w->engine().avviaComando(Comando::Linea);
    scegli(*w, "Mostra Bordo Testo");
    EXPECT_FALSE(w->aiutdis(7)); // texts have no frames in a new window's settings
    EXPECT_EQ(s.messaggi().back(), "Completare il comando \"Linea\" prima di attivare visualizzazione bordo testo.");
    scegli(*w, "Orto");
    EXPECT_TRUE(w->aiutdis(6));
    EXPECT_EQ(w->stato().aiuti.ortoattivo, "ON");
    EXPECT_EQ(s.frame->Label(10).toolTip(), "[ON]");
}

TEST(MenuFinestra, AidsKeysAndLabelsActOnTheActiveWindowOnly)
{
    Sessione s;
    s.avvia();
    DrawingWindow* primo = s.nuova();
    DrawingWindow* secondo = s.nuova();
    QTest::keyClick(&secondo->tavola(), Qt::Key_F6);
    EXPECT_EQ(secondo->stato().aiuti.snapattivo, "OFF");
    EXPECT_FALSE(secondo->aiutdis(4));
    EXPECT_EQ(primo->stato().aiuti.snapattivo, "ON");
    QTest::mouseClick(&s.frame->Label(10), Qt::LeftButton);
    EXPECT_EQ(secondo->stato().aiuti.ortoattivo, "ON");
    EXPECT_TRUE(secondo->aiutdis(6));
    QTest::mouseClick(&s.frame->Label(11), Qt::LeftButton);
    EXPECT_EQ(s.frame->Label(11).text(), "Inizio(F9)");
    EXPECT_EQ(primo->stato().aiuti.ortoattivo, "OFF");
}

TEST(MenuFinestra, AWindowMadeActiveShowsTheBarsAndItsOwnScale)
{
    Sessione s;
    s.avvia();
    DrawingWindow* primo = s.nuova();
    DrawingWindow* secondo = s.nuova();
    scegli(*secondo, "Riga Comandi");
    secondo->engine().selzoom(0, 0, 10, 10);
    s.frame->area().setActiveSubWindow(primo);
    EXPECT_FALSE(primo->barre(4));
    EXPECT_EQ(s.frame->Label(3).text().toStdString(), strNumero(primo->stato().vista.scala));
}

TEST(MenuFinestra, AScrollStripHiddenFromTheMenuNoLongerPans)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    w->stato().ymax = 100;
    scegli(*w, "Barra scorrimento verticale");
    EXPECT_TRUE(w->Picture4().isHidden());
    EXPECT_FALSE(w->barre(7));
    EXPECT_EQ(w->stato().barre.vedibarra7, 0);
    const float alto = w->stato().vista.origineY;
    w->VScroll1().setValue(70);
    EXPECT_EQ(w->stato().vista.origineY, alto);
    scegli(*w, "Barra scorrimento verticale");
    EXPECT_FALSE(w->Picture4().isHidden());
}

// Runs the user's part in the zoom-percent dialog once it shows.
void nelDialogo(const std::function<void(ZoompDialog&)>& azione)
{
    QTimer::singleShot(0, [azione] {
        if (auto* d = dynamic_cast<ZoompDialog*>(QApplication::activeModalWidget()))
            azione(*d);
    });
}

void premi(ZoompDialog& d, const char* pulsante)
{
    d.findChild<QPushButton*>(pulsante)->click();
}

TEST(MenuFinestra, ZoomPercentKeepsTheLineUnderWay)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    DrawingState& st = w->stato();
    st.cisonooggetti = 1;
    w->visual_Click();
    w->engine().avviaComando(Comando::Linea);
    w->engine().puntoDigitato(7, 2);
    const double scala = st.vista.scala;

    nelDialogo([&](ZoompDialog& d) { premi(d, "Command2"); });
    scegli(*w, "Zoom %");
    EXPECT_EQ(st.corrente().nome(), "Linea");
    EXPECT_EQ(st.comandi.passocomando, 1);

    // A percent that rounds to 0 is refused with six beeps and the dialog stays.
    nelDialogo([&](ZoompDialog& d) {
        auto* testo = d.findChild<QLineEdit*>("Text1");
        testo->clear();
        QTest::keyClicks(testo, "0.4");
        premi(d, "Command1");
        EXPECT_TRUE(d.isVisible());
        testo->clear();
        QTest::keyClicks(testo, "200%");
        QTest::keyClick(testo, Qt::Key_Return);
    });
    scegli(*w, "Zoom %");
    EXPECT_EQ(s.fake.notifier.beeps, 6);
    EXPECT_EQ(st.zoompercento, 200);
    EXPECT_DOUBLE_EQ(st.vista.scala, 2 * scala);
    EXPECT_EQ(st.corrente().nome(), "Linea");
    EXPECT_EQ(st.ogg.ogglinea->Xi, 7);
}

} // namespace
} // namespace tramel::test
