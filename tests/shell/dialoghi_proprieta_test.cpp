// The property dialogs through their real widgets, offscreen.
#include "sessione.h"

#include "files/scrittura_dis.h"
#include "platform/qt_ports.h"
#include "view/comando.h"
#include "view/file_impostazioni.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
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

TEST(DialoghiProprieta, TheFontDialogGivesBackTheSizeItWasGivenUnlessTheUserChangesIt)
{
    Sessione s;
    QtFontChooser caratteri;
    for (auto [data, scelta] : {std::pair{0.5f, 0.0}, {3.125f, 0.0}, {0.004f, 0.0}, {3.125f, 7.25}}) {
        quandoAperto([data, scelta](QWidget& d) {
            auto* dimensione = d.findChild<QDoubleSpinBox*>();
            EXPECT_NEAR(dimensione->value(), data, 0.005);
            if (scelta)
                dimensione->setValue(scelta);
            d.findChild<QDialogButtonBox*>()->buttons().front()->click();
        });
        const auto c = caratteri.scegli({"Arial", data});
        ASSERT_TRUE(c);
        EXPECT_EQ(c->dimensione, scelta ? static_cast<float>(scelta) : data);
    }
}

QByteArray contenuto(const std::string& percorso)
{
    QFile f(QString::fromStdString(percorso));
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// The window's drawing as a save writes it, and the settings file.
std::pair<QByteArray, QByteArray> scritti(Sessione& s, DrawingWindow* w)
{
    EXPECT_TRUE(salvafile(w->stato(), s.percorso("Prova.DIS"), 0));
    return {contenuto(s.percorso("Prova.DIS")), contenuto(s.percorso("Tramel.ini"))};
}

// A text, or the text defaults, as another writer may have stored them.
struct TestoScritto {
    float dimensione;
    std::string carattere;
    std::int16_t opaco;
    Rgb sfondo;
};

TEST(DialoghiProprieta, TextDialogsConfirmedUntouchedChangeNoByte)
{
    const std::string nul = "Arial" + std::string(27, '\0');
    struct Caso {
        std::vector<TestoScritto> testi; // the text defaults when there are none
        TestoScritto predefiniti;
    };
    const TestoScritto iniziali{10, "Arial", 0, RGB(255, 255, 255)};
    const Caso casi[] = {
        {{{3.125f, "Arial ", 0, 0}}, iniziali},
        {{{0.004f, nul, VERO, RGB(1, 2, 3)}}, iniziali},
        {{{0.5f, "Arial ", VERO, RGB(9, 9, 9)}, {3.125f, nul, FALSO, RGB(7, 7, 7)}}, iniziali},
        {{}, iniziali},
        {{}, {12, "Arial ", 1, RGB(1, 2, 3)}},
    };
    Sessione s;
    s.avvia();
    for (std::size_t k = 0; k < std::size(casi); ++k) {
        const Caso& caso = casi[k];
        DrawingWindow* w = s.nuova();
        DrawingState& d = w->stato();
        d.colori.colsfondo = Variant(std::int16_t{7}); // the background differs from every text's
        const TestoScritto& p = caso.predefiniti;
        d.testoNuovo.gen_carattere_testo = p.carattere;
        d.testoNuovo.gen_dimens_testo = static_cast<std::int32_t>(p.dimensione);
        d.testoNuovo.gen_opaco_testo = p.opaco;
        d.testoNuovo.gen_colore_opaco_testo = p.sfondo;
        for (const TestoScritto& scritto : caso.testi) {
            auto t = std::make_unique<testo>();
            t->pos_testox = t->pos_testoy = 1;
            t->stringa_testo = "abc";
            t->dimens_testo = scritto.dimensione;
            t->carattere_testo(scritto.carattere);
            t->opaco_testo = scritto.opaco;
            t->colore_opaco_testo = scritto.sfondo;
            d.dis.testi.Add(std::move(t));
        }
        salvafileini_dis(d);
        const auto prima = scritti(s, w);
        bool confermato = false;
        const auto ok = [&confermato](QWidget& dialogo) {
            premi(dialogo, "Command1");
            confermato = QApplication::activeModalWidget() == nullptr;
        };
        if (caso.testi.empty()) {
            quandoAperto(ok);
            w->mnutipotesto_Click();
        } else {
            d.cisonotesti = 1;
            proprieta(w, ok);
        }
        EXPECT_TRUE(confermato) << "case " << k;
        EXPECT_EQ(scritti(s, w), prima) << "case " << k;
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
