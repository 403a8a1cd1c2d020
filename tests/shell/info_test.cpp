// The about box: its texts and pictures, its links through the desktop, the
// System Info button, and its opening from the "?" menu.
#include "sessione.h"

#include "shell/info.h"
#include "shell/maschera.h"

#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <set>

namespace tramel::test {
namespace {

TEST(Info, ShowsTheProgramAndTheSameMakerAsTheStartScreen)
{
    Sessione s;
    Info box(s.fake.porte());
    EXPECT_EQ(box.windowTitle(), "Informazioni su: Tramel");
    EXPECT_EQ(box.lblVersion().text(), "Versione 1.0.0");
    EXPECT_EQ(box.lblDescription().text(), "Programma per la gestione di disegni bidimensionali");
    EXPECT_EQ(box.cmdOK().text(), "OK");
    EXPECT_EQ(box.cmdSysInfo().text(), "&System Info...");
    Maschera& m = s.frame->maschera();
    EXPECT_EQ(box.sitoriv().text(), m.sitoriv().text());
    EXPECT_EQ(box.EMailRiv().text(), m.EMailRiv().text());
    EXPECT_EQ(box.sitoriv().toolTip(), "Apri Pagina Web: \"" + box.sitoriv().text() + "\"");
    EXPECT_EQ(box.EMailRiv().toolTip(), "Invia E-Mail a: \"" + box.EMailRiv().text() + "\"");
    EXPECT_FALSE(box.datiriv().text().isEmpty());

    // The title over the version and the credit line are painted blue over their light blue shadow.
    box.show();
    const QImage immagine = box.grab().toImage();
    const auto colori = [&](const QRect& zona) {
        std::set<QRgb> trovati;
        for (int y = zona.top(); y <= zona.bottom(); ++y)
            for (int x = zona.left(); x <= zona.right(); ++x)
                trovati.insert(immagine.pixel(x, y) & 0xFFFFFF);
        return trovati.count(0x0000FF) == 1 && trovati.count(0x00FFFF) == 1;
    };
    const QRect versione = box.lblVersion().geometry();
    EXPECT_TRUE(colori(QRect(versione.left(), 0, versione.width(), versione.top())));
    EXPECT_FALSE(colori(versione));
    EXPECT_TRUE(colori(QRect(0, box.cmdSysInfo().geometry().bottom() + 1, box.width() / 2, box.height() / 10)));
}

// The links open their captions without blanks, the mail one behind "mailto:";
// an empty caption goes to the desktop as it is, and a link that does not open is told.
TEST(Info, LinksOpenThroughTheDesktopEvenWithAnEmptyCaption)
{
    Sessione s;
    Info box(s.fake.porte());
    box.sitoriv().setText(" www.esempio.example ");
    QTest::mouseClick(&box.sitoriv(), Qt::LeftButton);
    QTest::mouseClick(&box.EMailRiv(), Qt::LeftButton);
    box.sitoriv().setText("");
    box.EMailRiv().setText("");
    s.fake.shell.riesce = false;
    QTest::mouseClick(&box.sitoriv(), Qt::LeftButton);
    QTest::mouseClick(&box.EMailRiv(), Qt::LeftButton);
    EXPECT_EQ(s.fake.shell.aperti, (std::vector<std::string>{"www.esempio.example", "mailto:info@tramel.example",
                                                              "", "mailto:"}));
    EXPECT_EQ(s.messaggi(), std::vector<std::string>(2, "Impossibile collegarsi con  "));
    EXPECT_EQ(s.fake.notifier.occupatoLivello, 0);
}

TEST(Info, SystemInfoSaysThereIsNone)
{
    Sessione s;
    Info box(s.fake.porte());
    box.cmdSysInfo().click();
    EXPECT_EQ(s.messaggi(), std::vector<std::string>{"Informazioni di sistema non disponibili in questo momento"});
    EXPECT_TRUE(s.fake.shell.aperti.empty());
}

// "Info su..." shows the box modal over the frame; OK closes it.
TEST(Info, TheMenuItemOpensTheBoxUntilOk)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    QAction* voce = nullptr;
    for (QMenu* m : w->menus())
        for (QAction* a : m->actions())
            if (a->text() == "Info su...")
                voce = a;
    ASSERT_NE(voce, nullptr);
    std::string titolo;
    QTimer::singleShot(0, [&] {
        if (auto* box = dynamic_cast<Info*>(QApplication::activeModalWidget())) {
            titolo = box->windowTitle().toStdString();
            box->cmdOK().click();
        }
    });
    voce->trigger();
    EXPECT_EQ(titolo, "Informazioni su: Tramel");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
} // namespace tramel::test
