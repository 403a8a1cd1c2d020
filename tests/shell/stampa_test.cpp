// The print dialog bound to the window whose "Stampa" opened it, the printer
// set-up and the widths saved with the settings file.
#include "sessione.h"

#include "printing/spesslin.h"
#include "shell/tavola.h"
#include "view/vista.h"
#include "view/file_impostazioni.h"

#include <QMdiArea>
#include <QPushButton>

#include <gtest/gtest.h>

namespace tramel::test {
namespace {

void eliminati()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(Stampa, TheDialogActsOnTheWindowThatOpenedItWhicheverIsActive)
{
    Sessione s;
    s.avvia();
    DrawingWindow* a = s.nuova();
    DrawingWindow* b = s.nuova();
    auto l = std::make_unique<Linea>();
    l->Xi = 1, l->Yi = 1, l->Xf = 2, l->Yf = 1;
    b->stato().dis.linee.Add(std::move(l));
    a->opfile_Click(8);
    ASSERT_TRUE(a->geststamp());
    EXPECT_EQ(a->geststamp()->windowTitle().toStdString(), "Gestione stampa   -  File: \"" + a->caption() + "\"");
    // "Stampa" in another window first closes the open dialog.
    b->opfile_Click(8);
    eliminati();
    EXPECT_FALSE(a->geststamp());
    ASSERT_TRUE(b->geststamp());
    EXPECT_EQ(s.frame->geststamp(), b->geststamp());
    s.frame->area().setActiveSubWindow(a);
    b->geststamp()->findChild<QPushButton*>("Command1")->click();
    eliminati();
    EXPECT_EQ(s.fake.stampante.documenti, 1);
    EXPECT_EQ(s.fake.stampante.pagina.only({"Polyline"}).size(), 1u); // B's line
    EXPECT_FALSE(b->geststamp());
    // Closing the window closes its dialog.
    b->opfile_Click(8);
    GeststampDialog* g = b->geststamp();
    ASSERT_TRUE(g);
    b->chiudiSenzaDomanda();
    EXPECT_TRUE(g->modello().scaricato());
}

// The window is picked by two corners, or dropped after one by a right click or Esc.
TEST(Stampa, ThePickedPrintWindowEndsItsPick)
{
    enum Fine { Angolo, Destro, Esc };
    for (Fine fine : {Angolo, Destro, Esc}) {
        Sessione s;
        s.avvia();
        DrawingWindow* w = s.nuova();
        auto l = std::make_unique<Linea>();
        l->Xi = 10, l->Yi = 10, l->Xf = 20, l->Yf = 10;
        w->stato().dis.linee.Add(std::move(l));
        w->opfile_Click(8);
        GeststampDialog* g = w->geststamp();
        g->findChild<QPushButton*>("Command4")->click();
        const auto clic = [&](double x, double y, Qt::MouseButton b = Qt::LeftButton) {
            const Punto p = dispositivoDaDisegno(w->stato().vista, x, y);
            QTest::mouseClick(&w->tavola(), b, {}, QPoint(static_cast<int>(p.x), static_cast<int>(p.y)));
        };
        clic(5, 5);
        if (fine == Angolo)
            clic(30, 30);
        else if (fine == Destro)
            clic(30, 30, Qt::RightButton);
        else
            QTest::keyClick(&w->tavola(), Qt::Key_Escape);
        EXPECT_TRUE(w->stato().corrente().nome().empty()) << fine;
        EXPECT_FALSE(w->stato().overlay.Shape1.visibile) << fine;
        EXPECT_FALSE(g->isHidden()) << fine;
        const std::string origine = g->modello().Text2;
        w->stato().dis.linee.Item(1).stampare = 0;
        clic(5, 5);
        clic(30, 30);
        EXPECT_EQ(g->modello().Text2, origine) << fine;
        EXPECT_EQ(w->stato().dis.linee.Item(1).stampare, 0) << fine;
    }
}

TEST(Stampa, PrinterSetUpRefitsAnOpenDialogsSheet)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    w->opfile_Click(7);
    EXPECT_EQ(s.fake.stampante.impostazioni, 1);
    w->opfile_Click(8);
    const RiquadroMm verticale = w->geststamp()->modello().Picture1;
    std::swap(s.fake.stampante.larghezza, s.fake.stampante.altezza);
    s.fake.stampante.impostaAccettata = false;
    w->opfile_Click(7);
    EXPECT_EQ(w->geststamp()->modello().Picture1, verticale);
    s.fake.stampante.impostaAccettata = true;
    w->opfile_Click(7);
    const RiquadroMm orizzontale = w->geststamp()->modello().Picture1;
    EXPECT_GT(orizzontale.width, orizzontale.height);
    EXPECT_LT(verticale.width, verticale.height);
}

TEST(Stampa, WidthsOkRewritesTheSettingsFile)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    Spesslin m(s.ctx.modulo.spesslinstampa, NumberFormat(",", "."), s.fake.notifier,
               [&] { salvafileini_dis(w->stato()); }, "Tramel");
    m.Form_Load();
    m.Text1[0].testo = "0,25";
    m.Text1[15].testo = "3";
    ASSERT_TRUE(m.Command1_Click());
    ValoriModulo letti;
    letti.nomefileini = s.ctx.modulo.nomefileini;
    DrawingState stato(letti);
    leggifileini_dis(stato);
    EXPECT_EQ(letti.spesslinstampa[0], 0.25f);
    EXPECT_EQ(letti.spesslinstampa[15], 3.0f);
    EXPECT_EQ(letti.spesslinstampa, s.ctx.modulo.spesslinstampa);
}

} // namespace
} // namespace tramel::test
