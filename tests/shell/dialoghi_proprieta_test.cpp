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

#include <QFile>

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

void clic(QListWidget* l, int riga, Qt::KeyboardModifiers tasti = {})
{
    l->scrollToItem(l->item(riga));
    QTest::mouseClick(l->viewport(), Qt::LeftButton, tasti, l->visualItemRect(l->item(riga)).center());
}

// After Elimina or a Ctrl+click that deselects, no row is selected and
// Modifica and Elimina wait; deselecting the fill leaves the fill as it was.
TEST(DialoghiProprieta, AfterEliminaNoRowIsSelectedAndItsButtonsWait)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    const superficie& e = unaSuperficie(w, 6);
    proprieta(w, [](QWidget& d) {
        auto* x = d.findChild<QListWidget*>("List1_0");
        const auto aspettano = [&d] {
            for (const char* b : {"Command3", "Command7"})
                EXPECT_FALSE(d.findChild<QPushButton*>(b)->isEnabled()) << b;
        };
        clic(d.findChild<QListWidget*>("List2"), 6, Qt::ControlModifier);
        clic(x, 1);
        clic(x, 1, Qt::ControlModifier);
        aspettano();
        clic(x, 3);
        quandoAperto([](QWidget& box) { premi(box, "Command1"); });
        premi(d, "Command7");
        aspettano();
        // Each letter of the heading stands over its own list.
        for (const auto& [titolo, elenco] : {std::pair{"Label14_0", "List1_0"}, std::pair{"Label14_1", "List1_1"}}) {
            const QRect t = d.findChild<QLabel*>(titolo)->geometry(), l = d.findChild<QListWidget*>(elenco)->geometry();
            EXPECT_TRUE(t.center().x() > l.left() && t.center().x() < l.right()) << titolo;
        }
        premi(d, "Command1");
    });
    EXPECT_EQ(e.campitura, 6);
}

// The drawing file and the settings file as the window writes them now.
QByteArray scritti(Sessione& s, DrawingWindow* w)
{
    const std::string dis = s.percorso("prova.DIS");
    EXPECT_TRUE(salvafile(w->stato(), dis, 0) && salvafileini_dis(w->stato()));
    QFile a(QString::fromStdString(dis)), b(QString::fromStdString(w->stato().modulo.nomefileini));
    return a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly) ? a.readAll() + b.readAll() : QByteArray();
}

// A selected entity through its points (ends, arc points, vertices, centre and point), with its outline.
template <class T>
void aggiungi(DrawingWindow* w, const std::vector<Punto>& p, float spessore, std::int32_t stile, Rgb colore = 0)
{
    auto e = std::make_unique<T>();
    e->stato = STATO_SELEZIONATO;
    if constexpr (std::is_same_v<T, Linea>)
        std::tie(e->Xi, e->Yi, e->Xf, e->Yf, e->speslinea, e->TipoLinea, e->colorelinea) =
            std::tuple(p[0].x, p[0].y, p[1].x, p[1].y, spessore, stile, colore);
    else if constexpr (std::is_same_v<T, Arco>)
        std::tie(e->p1x, e->p1y, e->p2x, e->p2y, e->p3x, e->p3y) =
            std::tuple(p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y);
    else if constexpr (std::is_same_v<T, Cerchio>)
        std::tie(e->Xcentro, e->Ycentro, e->Xpunto, e->YPunto, e->raggio) =
            std::tuple(p[0].x, p[0].y, p[1].x, p[1].y, 5.0);
    else
        e->vertici(p);
    if constexpr (!std::is_same_v<T, Linea>)
        std::tie(e->spescont, e->trattcont, e->colcont) = std::tuple(spessore, stile, colore);
    collezione<T>(w->stato().dis).Add(std::move(e));
}

// Presses Command1 (OK, "Registra Modifica"); a refusal leaves the dialog
// open, and then it is closed so that the case fails rather than waits.
void conferma(QWidget& d)
{
    premi(d, "Command1");
    if (d.isVisible()) {
        ADD_FAILURE() << "refused: " << d.windowTitle().toStdString();
        static_cast<QDialog&>(d).reject();
    }
}

// The rule of every dialog: what it loads it gives back exactly unless the
// user edits it. Confirmed untouched (the vertex box too, on every row), on
// one entity or on several that differ, it leaves the drawing and the
// settings file writing the same bytes.
TEST(DialoghiProprieta, ADialogConfirmedUntouchedWritesTheSameBytes)
{
    constexpr float otto = 3.3333333f; // what typing 0.33333333 gives
    constexpr double nove = 10.123456789;
    const std::vector<Punto> tre{{nove, 1}, {4, 1.000000001}, {4, 3}}, lontano{{0, 0}, {1e39, 0}, {1e39, 1e39}};
    // One arc stored either way round, circles with their point north and west of the centre.
    const std::vector<Punto> arco{{40, 50}, {60, 50}, {50, 45}}, inverso{{60, 50}, {40, 50}, {50, 45}};
    const std::vector<Punto> nord{{nove, 2}, {nove, 7}}, ovest{{1, 2}, {-4, 2}};
    using W = DrawingWindow*;
    const std::pair<std::function<void(W)>, bool> casi[] = {
        {[&](W w) { aggiungi<Linea>(w, tre, 25, 1); }, false},
        {[&](W w) { aggiungi<Linea>(w, tre, otto, 5); }, false},
        {[&](W w) { aggiungi<Linea>(w, tre, otto, 1, 255), aggiungi<Linea>(w, arco, otto, 1); }, false},
        {[&](W w) { aggiungi<Arco>(w, arco, 0, 0); }, false},
        {[&](W w) { aggiungi<Arco>(w, inverso, 25, 2); }, false},
        {[&](W w) { aggiungi<Arco>(w, arco, 25, 2), aggiungi<Arco>(w, inverso, otto, 2); }, false},
        {[&](W w) { aggiungi<polilinea>(w, tre, 0, 3); }, true},
        {[&](W w) { aggiungi<polilinea>(w, tre, 25, 3), aggiungi<polilinea>(w, tre, 25, 5, 255); }, false},
        {[&](W w) { aggiungi<superficie>(w, tre, 25, 5); }, true},
        {[&](W w) { aggiungi<superficie>(w, tre, otto, 1), aggiungi<superficie>(w, arco, otto, 1, 255); }, false},
        {[&](W w) { aggiungi<Rettangolo>(w, lontano, 0, 0); }, true},
        {[&](W w) { aggiungi<Rettangolo>(w, lontano, 25, 1), aggiungi<Rettangolo>(w, tre, otto, 1); }, false},
        {[&](W w) { aggiungi<Cerchio>(w, nord, 25, 1); }, true},
        {[&](W w) { aggiungi<Cerchio>(w, ovest, 0, 0); }, true},
        {[&](W w) { aggiungi<Cerchio>(w, nord, 25, 1), aggiungi<Cerchio>(w, ovest, 25, 1, 255); }, false},
    };
    Sessione s;
    s.avvia();
    for (std::size_t k = 0; k < std::size(casi); ++k) {
        const bool righe = casi[k].second;
        DrawingWindow* w = s.nuova();
        casi[k].first(w);
        const QByteArray prima = scritti(s, w);
        proprieta(w, [righe](QWidget& d) {
            auto* x = d.findChild<QListWidget*>("List1_0");
            for (int r = 0; righe && r < x->count(); ++r) {
                clic(x, r);
                quandoAperto(conferma);
                premi(d, "Command3");
            }
            conferma(d);
        });
        EXPECT_EQ(scritti(s, w), prima) << "case " << k;
    }
    // The defaults: thick outlines dashed or invisible, thicknesses of nine digits.
    const std::tuple<void (DrawingWindow::*)(), std::int32_t, std::int32_t> difetti[] = {
        {&DrawingWindow::mnutipolinea_Click, 1, 25}, {&DrawingWindow::mnutipolinea_Click, 5, 123456789},
        {&DrawingWindow::mnutiposup_Click, 5, 25}, {&DrawingWindow::mnutiposup_Click, 1, 123456789}};
    DrawingWindow* w = s.nuova();
    for (const auto& [apri, stile, spessore] : difetti) {
        ValoriModulo& m = s.ctx.modulo;
        std::tie(m.gen_TipoLinea, m.gen_speslinea, m.gen_trattcont, m.gen_spescont) =
            std::tuple(stile, spessore, stile, spessore);
        const QByteArray prima = scritti(s, w);
        quandoAperto(conferma);
        (w->*apri)();
        EXPECT_EQ(scritti(s, w), prima) << stile << " " << spessore;
    }
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
        const QByteArray prima = scritti(s, w);
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
