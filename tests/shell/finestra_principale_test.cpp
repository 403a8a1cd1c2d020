// The frame's toolbars, the file dialogs' filter, the start screen's links,
// and one run of the whole frame.
#include "sessione.h"

#include "shell/icone.h"
#include "shell/maschera.h"
#include "shell/zoomp.h"

#include "platform/qt_ports.h"

#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string_view>

namespace tramel::test {
namespace {

TEST(Cornice, ToolbarsHoldTheirBandsButtons)
{
    Sessione s;
    const std::array<const char*, 4> titoli = {"File", "Disegna", "Zoom", "Edita"};
    const std::array<int, 4> pulsanti = {11, 7, 4, 8};
    for (int n = 1; n <= 4; ++n) {
        QToolBar& barra = s.frame->Toolbar1(n);
        EXPECT_EQ(barra.windowTitle().toStdString(), titoli[n - 1]);
        EXPECT_EQ(barra.actions().size(), pulsanti[n - 1]);
    }
    // Every button calls its menu item on the active drawing window.
    const auto abilitati = [](QToolBar& barra) {
        std::vector<std::string> testi;
        for (QAction* a : barra.actions())
            if (a->isEnabled() && !a->isSeparator())
                testi.push_back(a->text().toStdString());
        return testi;
    };
    EXPECT_EQ(abilitati(s.frame->Toolbar1(1)),
              (std::vector<std::string>{"Nuovo", "Apri", "Salva", "Salva Con Nome", "Chiudi", "Imposta Stampante",
                                        "Stampa", "Crea BMP", "Crea DXF"}));
    EXPECT_EQ(abilitati(s.frame->Toolbar1(2)).size(), 7u);
}

// Every button calls its item on the active drawing window, as a user sees it.
TEST(Cornice, EveryToolbarButtonReachesItsItem)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    const auto premi = [&](int t, int b) {
        s.frame->Toolbar1(t).actions().at(b - 1)->trigger();
        QCoreApplication::processEvents();
    };
    const auto esc = [&] {
        w->Form_KeyPress(27);
        w->Form_KeyPress(27);
    };
    // The buttons that start a command start the command of their name.
    for (int t : {2, 3, 4})
        for (QAction* a : s.frame->Toolbar1(t).actions()) {
            if (t == 3 && a->text() != "Zoom Area")
                continue;
            a->trigger();
            EXPECT_EQ(w->stato().corrente().nome(), a->text().toStdString());
            esc();
        }
    premi(2, 1);
    s.scrivi(1, "0,0");
    s.scrivi(2, "100,50");
    esc();
    ASSERT_EQ(w->stato().dis.linee.Count(), 1);

    // The zooms: the whole drawing, back to the view before, the percent dialog.
    const double prima = w->stato().vista.scala;
    premi(3, 2);
    EXPECT_NE(w->stato().vista.scala, prima);
    premi(3, 3);
    EXPECT_EQ(w->stato().vista.scala, prima);
    bool percento = false;
    QTimer::singleShot(0, [&] {
        if (auto* d = dynamic_cast<ZoompDialog*>(QApplication::activeModalWidget())) {
            percento = true;
            d->reject();
        }
    });
    premi(3, 4);
    EXPECT_TRUE(percento);

    // The file band.
    premi(1, 7);
    EXPECT_EQ(s.fake.stampante.impostazioni, 1);
    premi(1, 8);
    EXPECT_NE(s.frame->geststamp(), nullptr);
    const std::vector<std::pair<int, std::string>> salvataggi = {
        {3, filtroDisegni}, {4, filtroDisegni}, {10, "Immagine BMP (*.BMP)|*.BMP|"}, {11, "File Acad DXF (*.DXF)|*.DXF|"}};
    for (const auto& [b, filtro] : salvataggi) {
        premi(1, b);
        ASSERT_FALSE(s.fake.files.salvataggi.empty()) << b;
        EXPECT_EQ(s.fake.files.salvataggi.back().first, filtro);
    }
    EXPECT_EQ(s.fake.files.salvataggi.size(), 4u);
    premi(1, 2);
    EXPECT_EQ(s.fake.files.aperture, 5);
    EXPECT_EQ(s.ctx.registro.numdisegni(), 1);
    premi(1, 1);
    EXPECT_EQ(s.ctx.registro.numdisegni(), 2);
    premi(1, 5);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(s.ctx.registro.numdisegni(), 1);
    EXPECT_EQ(s.frame->finestraAttiva(), w);
    // Only the polyline ended by Esc before its second vertex said something.
    EXPECT_EQ(s.messaggi(), std::vector<std::string>{"Inserire almeno due vertici."});
}

// Each button has a picture of its own, drawn at the size and scale asked.
TEST(Cornice, ButtonPicturesAreTheirOwnAtAnyScale)
{
    Sessione s;
    std::set<qint64> immagini;
    int pulsanti = 0;
    for (int t = 1; t <= 4; ++t)
        for (QAction* a : s.frame->Toolbar1(t).actions()) {
            if (a->isSeparator())
                continue;
            ++pulsanti;
            EXPECT_EQ(a->toolTip(), a->text());
            const QPixmap doppia = a->icon().pixmap(QSize(16, 16), 2.0);
            EXPECT_EQ(doppia.deviceIndependentSize(), QSizeF(16, 16));
            EXPECT_EQ(doppia.size(), QSize(32, 32));
            const QImage img = doppia.toImage();
            immagini.insert(std::hash<std::string_view>{}(
                std::string_view(reinterpret_cast<const char*>(img.constBits()), img.sizeInBytes())));
        }
    EXPECT_EQ(immagini.size(), static_cast<std::size_t>(pulsanti));
    EXPECT_TRUE(iconaPulsante("Altro").isNull());
}

TEST(Cornice, BandsBreakIntoNewRowsOnANarrowScreen)
{
    struct Caso {
        std::array<int, 4> larghezze;
        std::array<bool, 4> visibili;
        int schermo;
        std::array<bool, 4> righe;
    };
    const std::vector<Caso> casi = {
        {{300, 200, 100, 200}, {true, true, true, true}, 1000, {false, false, false, false}},
        // The first band never breaks, however wide.
        {{1200, 200, 100, 200}, {true, true, true, true}, 1000, {false, true, false, false}},
        // The running width restarts from the band that broke.
        {{600, 300, 300, 500}, {true, true, true, true}, 1000, {false, false, true, false}},
        {{600, 300, 300, 800}, {true, true, true, true}, 1000, {false, false, true, true}},
        // A hidden band takes no room.
        {{600, 300, 300, 100}, {true, false, true, true}, 1000, {false, false, false, false}},
        {{600, 300, 300, 500}, {true, true, false, true}, 1000, {false, false, false, true}},
    };
    for (const Caso& c : casi)
        EXPECT_EQ(righeBande(c.larghezze, c.visibili, c.schermo), c.righe);
}

TEST(Cornice, ClassicFilterBecomesQtFilterWithLowerCasePatterns)
{
    EXPECT_EQ(filtroQt(filtroDisegni).toStdString(),
              "DIsegni Tramel (*.DIS *.dis);;Disegni file-testo (*.TXT *.txt);;Tutti i file (*)");
    EXPECT_EQ(filtroQt("Immagine BMP (*.BMP)|*.BMP|").toStdString(), "Immagine BMP (*.BMP *.bmp)");
    EXPECT_EQ(filtroQt("Immagini|*.BMP;*.png").toStdString(), "Immagini (*.BMP *.bmp *.png)");
    EXPECT_EQ(filtroQt("").toStdString(), "");
}

TEST(Cornice, StartScreenLinksOpenThroughTheShell)
{
    Sessione s;
    s.avvia();
    Maschera& m = s.frame->maschera();
    EXPECT_EQ(m.sitoriv().toolTip(), "Apri Pagina Web: \"" + m.sitoriv().text() + "\"");
    EXPECT_EQ(m.EMailRiv().toolTip(), "Invia E-Mail a: \"" + m.EMailRiv().text() + "\"");
    QTest::mouseClick(&m.sitoriv(), Qt::LeftButton);
    QTest::mouseClick(&m.EMailRiv(), Qt::LeftButton);
    ASSERT_EQ(s.fake.shell.aperti.size(), 2u);
    EXPECT_EQ(s.fake.shell.aperti[0], m.sitoriv().text().toStdString());
    EXPECT_EQ(s.fake.shell.aperti[1], "mailto:" + m.EMailRiv().text().toStdString());
    EXPECT_TRUE(s.messaggi().empty());
    EXPECT_EQ(s.fake.notifier.occupatoLivello, 0);

    s.fake.shell.riesce = false;
    QTest::mouseClick(&m.sitoriv(), Qt::LeftButton);
    EXPECT_EQ(s.messaggi(), std::vector<std::string>{"Impossibile collegarsi con  " + m.sitoriv().text().toStdString()});
}

QAction* voce(QMenuBar& barra, const QString& menu, const QString& testo)
{
    for (QAction* m : barra.actions())
        if (m->text() == menu && m->menu())
            for (QAction* a : m->menu()->actions())
                if (a->text() == testo)
                    return a;
    return nullptr;
}

// The whole frame, driven through its menus: two new drawings, then the
// frame's close, which closes both without a question.
TEST(Cornice, FrameOpensTwoDrawingsFromItsMenusAndClosesThem)
{
    Sessione s;
    ASSERT_EQ(s.avvia(), 0);
    QAction* nuovoCornice = voce(*s.frame->menuBar(), "&File", "Nuovo");
    ASSERT_NE(nuovoCornice, nullptr);
    nuovoCornice->trigger();
    QCoreApplication::processEvents();
    // With a drawing open, the frame shows the drawing window's menus.
    QAction* nuovoFinestra = voce(*s.frame->menuBar(), "&File", "Nuovo");
    ASSERT_NE(nuovoFinestra, nullptr);
    EXPECT_NE(nuovoFinestra, nuovoCornice);
    nuovoFinestra->trigger();
    QCoreApplication::processEvents();

    ASSERT_EQ(s.ctx.registro.numdisegni(), 2);
    EXPECT_EQ(s.ctx.registro.finestredisegno(1)->caption(), "Disegno _ 1");
    EXPECT_EQ(s.ctx.registro.finestredisegno(2)->caption(), "Disegno _ 2");
    EXPECT_EQ(s.frame->finestraAttiva(), s.ctx.registro.finestredisegno(2));
    EXPECT_TRUE(s.frame->Toolbar1(1).isVisible());

    EXPECT_TRUE(s.frame->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(s.frame->isVisible());
    EXPECT_EQ(s.ctx.registro.numdisegni(), 0);
    EXPECT_EQ(s.ctx.registro.finestredisegno(1), nullptr);
    EXPECT_EQ(s.ctx.registro.finestredisegno(2), nullptr);
    EXPECT_TRUE(s.messaggi().empty());
}

} // namespace
} // namespace tramel::test
