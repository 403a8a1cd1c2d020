// The property dialogs through their real widgets, offscreen.
#include "sessione.h"

#include "view/comando.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <functional>

namespace tramel::test {
namespace {

// Acts on the modal dialog once it shows.
void quandoAperto(std::function<void(QWidget&)> azione)
{
    QTimer::singleShot(0, [azione] {
        if (QWidget* dialogo = QApplication::activeModalWidget())
            azione(*dialogo);
    });
}

void premi(QWidget& dialogo, const char* pulsante)
{
    QTest::mouseClick(dialogo.findChild<QPushButton*>(pulsante), Qt::LeftButton);
}

TEST(DialoghiProprieta, TestoPlacesTheTypedTextThroughTheTextDialog)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    std::string titolo;
    quandoAperto([&](QWidget& d) {
        titolo = d.findChild<QLabel*>("Label1")->text().toStdString();
        QTest::keyClicks(d.findChild<QLineEdit*>("Text1"), "Ciao");
        premi(d, "Command1");
    });
    w->engine().avviaComando(Comando::Testo);
    float x = static_cast<float>(2 * w->stato().vista.scala);
    float y = static_cast<float>(3 * w->stato().vista.scala);
    w->engine().clicksin(x, y);
    EXPECT_EQ(titolo, "Inserisci Testo");
    ASSERT_EQ(w->stato().dis.testi.Count(), 1);
    const testo& t = w->stato().dis.testi.Item(1);
    EXPECT_EQ(t.stringa_testo, "Ciao");
    EXPECT_NEAR(t.pos_testox, 2, 1e-6);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(DialoghiProprieta, LineDefaultsTakeTheTypedThicknessAndTheClickedSwatch)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    quandoAperto([](QWidget& d) {
        QLineEdit* spessore = d.findChild<QLineEdit*>("Text1");
        spessore->clear();
        QTest::keyClicks(spessore, "2,5");
        EXPECT_EQ(spessore->text(), "2.5");
        QTest::mouseClick(d.findChild<QWidget*>("Picture1_3"), Qt::LeftButton);
        EXPECT_EQ(d.findChild<QGroupBox*>("Frame3")->title(), "Tratto Contorno: Punteggiato");
        // The defaults have no coordinates: the logo stands in their place.
        EXPECT_FALSE(d.findChild<QGroupBox*>("Frame4")->isVisibleTo(&d));
        EXPECT_TRUE(d.findChild<QLabel*>("Frame2")->isVisibleTo(&d));
        EXPECT_FALSE(d.findChild<QLabel*>("Frame2")->pixmap().isNull());
        premi(d, "Command1");
    });
    w->mnutipolinea_Click();
    EXPECT_EQ(s.ctx.modulo.gen_speslinea, 25);
    EXPECT_EQ(s.ctx.modulo.gen_TipoLinea, 2);
}

} // namespace
} // namespace tramel::test
