// The property dialogs through their real widgets, offscreen.
#include "sessione.h"

#include "platform/qt_ports.h"
#include "view/comando.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <functional>

namespace tramel::test {
namespace {

// Acts on the modal dialog once it shows, active and focused as on a desktop.
void quandoAperto(std::function<void(QWidget&)> azione)
{
    QTimer::singleShot(0, [azione] {
        if (QWidget* dialogo = QApplication::activeModalWidget()) {
            dialogo->activateWindow();
            QCoreApplication::processEvents();
            azione(*dialogo);
        }
    });
}

void premi(QWidget& dialogo, const char* pulsante)
{
    QTest::mouseClick(dialogo.findChild<QPushButton*>(pulsante), Qt::LeftButton);
}

superficie& unaSuperficie(DrawingWindow* w, std::int32_t campitura)
{
    auto e = std::make_unique<superficie>();
    e->vertici({{1, 1}, {4, 1}, {4, 3}, {1, 3}});
    e->campitura = campitura;
    auto& c = w->stato().dis.superfici;
    c.Add(std::move(e));
    return c.Item(c.Count());
}

// "Proprietà Oggetto" over a window around the entities, its dialog driven by azione.
void proprieta(DrawingWindow* w, std::function<void(QWidget&)> azione)
{
    quandoAperto(std::move(azione));
    w->stato().cisonooggetti = 1;
    w->engine().avviaComando(Comando::ProprietaOggetto);
    for (float k : {-1.0f, 10.0f}) {
        float x = k * static_cast<float>(w->stato().vista.scala), y = x;
        w->engine().clicksin(x, y);
    }
    w->engine().clickdes(0, 0);
}

TEST(DialoghiProprieta, TheFillListPicksNothingTheUserDidNotPick)
{
    Sessione s;
    s.avvia();
    for (const std::vector<std::int32_t>& campiture : {std::vector{2, 6}, std::vector{9}}) {
        DrawingWindow* w = s.nuova();
        std::vector<superficie*> superfici;
        for (std::int32_t c : campiture)
            superfici.push_back(&unaSuperficie(w, c));
        proprieta(w, [](QWidget& d) {
            EXPECT_TRUE(d.findChild<QListWidget*>("List2")->selectedItems().isEmpty());
            premi(d, "Command1");
        });
        for (std::size_t k = 0; k < campiture.size(); ++k)
            EXPECT_EQ(superfici[k]->campitura, campiture[k]);
    }
}

TEST(DialoghiProprieta, AfterEliminaNoRowIsSelectedAndItsButtonsWait)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    unaSuperficie(w, 6);
    proprieta(w, [](QWidget& d) {
        auto* x = d.findChild<QListWidget*>("List1_0");
        QTest::mouseClick(x->viewport(), Qt::LeftButton, {}, x->visualItemRect(x->item(3)).center());
        quandoAperto([](QWidget& box) { premi(box, "Command1"); });
        premi(d, "Command7");
        for (const char* b : {"Command3", "Command7"})
            EXPECT_FALSE(d.findChild<QPushButton*>(b)->isEnabled()) << b;
        premi(d, "Command1");
    });
}

TEST(DialoghiProprieta, TheFontDialogKeepsTheStoredNameUnlessAnotherIsChosen)
{
    Sessione s;
    QtFontChooser caratteri;
    for (auto [scelta, atteso] : {std::pair{"", "Arial"}, std::pair{"DejaVu Sans", "DejaVu Sans"}}) {
        quandoAperto([scelta](QWidget& d) {
            if (*scelta)
                d.findChild<QFontComboBox*>()->setCurrentFont(QFont(scelta));
            d.findChild<QDialogButtonBox*>()->buttons().front()->click();
        });
        const auto c = caratteri.scegli({"Arial"});
        ASSERT_TRUE(c);
        EXPECT_EQ(c->nome, atteso);
    }
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
