// A drawing window's load, activation, deactivation and resize, as the frame
// shows them.
#include "sessione.h"

#include "view/file_impostazioni.h"
#include "shell/tavola.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QMenu>
#include <gtest/gtest.h>

namespace tramel::test {
namespace {

QColor testoEtichetta(Frame& frame, int n)
{
    return frame.Label(n).palette().color(QPalette::WindowText);
}

// Writes the settings file that the next window will read.
void impostazioni(Sessione& s, void (*modifica)(DrawingState&))
{
    DrawingState valori(s.ctx.modulo);
    modifica(valori);
    ASSERT_TRUE(salvafileini_dis(valori));
}

TEST(Finestra, LoadShowsTheDrawingWindowFittedToTheClientArea)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    const DrawingState& st = w->stato();
    EXPECT_EQ(st.comandi.numcomando, 1);
    EXPECT_EQ(st.comandi.modoselez, "Inters");
    EXPECT_EQ(st.xmax, 50);
    EXPECT_EQ(st.ymax, 20);
    EXPECT_TRUE(st.ridimensionato);
    // The client size in millimetres follows the picture, and (0,0)-(50,20) fits it.
    const Tavola& t = w->tavola();
    EXPECT_NEAR(st.vista.larghezzaMm, t.width() * 25.4 / t.logicalDpiX(), 1e-9);
    EXPECT_DOUBLE_EQ(st.vista.scala, std::min(st.vista.larghezzaMm / 50, st.vista.altezzaMm / 20));
    EXPECT_NEAR(st.finlarg, st.vista.larghezzaMm / st.vista.scala, 1e-3);
    EXPECT_EQ(w->tavola().immagine().size(), t.size());
    EXPECT_EQ(s.frame->Label(3).text().toStdString(), s.ctx.riga.Label3);
    EXPECT_FALSE(s.ctx.riga.Label3.empty());
    // The settings file was written with the defaults.
    EXPECT_TRUE(QFile::exists(QString::fromStdString(s.percorso("Tramel.ini"))));
    EXPECT_EQ(w->HScroll1().value(), 50);
    EXPECT_EQ(st.valvscroll, 50);
    EXPECT_FALSE(w->Picture3().isHidden());
}

TEST(Finestra, ActivationShowsTheWindowsDrawingAidsOnTheStatusLabels)
{
    Sessione s;
    s.avvia();
    impostazioni(s, [](DrawingState& v) {
        v.aiuti.snapattivo = "OFF";
        v.aiuti.passogriglia = 2.5f;
        v.aiuti.ortoattivo = "ON";
    });
    s.nuova();
    EXPECT_EQ(testoEtichetta(*s.frame, 8), colorePalette(8));
    EXPECT_EQ(s.frame->Label(8).toolTip().toStdString(), "[ OFF ]");
    EXPECT_EQ(testoEtichetta(*s.frame, 9), colorePalette(0));
    EXPECT_EQ(s.frame->Label(9).toolTip().toStdString(), "[ON] : 2.5 ");
    EXPECT_EQ(testoEtichetta(*s.frame, 10), colorePalette(0));
    EXPECT_EQ(s.frame->Label(10).toolTip().toStdString(), "[ON]");
    EXPECT_EQ(s.frame->Label(1).text().toStdString(), "Comando: ");
}

TEST(Finestra, DefaultStepTooltipHasTheLeadingBlankOfThePlainNumber)
{
    Sessione s;
    s.avvia();
    s.nuova();
    EXPECT_EQ(s.frame->Label(8).toolTip().toStdString(), "[ON] : 1 ");
    EXPECT_EQ(testoEtichetta(*s.frame, 10), colorePalette(8));
    EXPECT_EQ(s.frame->Label(10).toolTip().toStdString(), "[ OFF ]");
}

TEST(Finestra, SnapMarkerStandsOutFromTheForegroundColour)
{
    Sessione s;
    s.avvia();
    DrawingWindow* primo = s.nuova();
    EXPECT_EQ(primo->stato().overlay.Shape3.colore, Palette::color(VERDE_LIMONE));
    DrawingWindow* secondo = s.nuova();
    primo->stato().forecolor = Palette::color(VERDE_LIMONE);
    s.frame->area().setActiveSubWindow(primo);
    EXPECT_EQ(primo->stato().overlay.Shape3.colore, Palette::color(BORDEAUX));
    EXPECT_EQ(secondo->stato().overlay.Shape3.colore, Palette::color(VERDE_LIMONE));
}

TEST(Finestra, SwitchingWindowsCancelsTheCommandOfTheWindowLeft)
{
    Sessione s;
    s.avvia();
    DrawingWindow* primo = s.nuova();
    s.nuova();
    s.frame->area().setActiveSubWindow(primo);
    primo->stato().corrente().tipo = "Linea";
    primo->stato().comandi.passocomando = 1;
    s.frame->area().activateNextSubWindow();
    ASSERT_NE(s.frame->finestraAttiva(), primo);
    EXPECT_EQ(primo->stato().corrente().nome(), "");
    EXPECT_EQ(primo->stato().comandi.comandoattivo, "Linea");
    EXPECT_EQ(s.frame->Label(1).text().toStdString(), "Comando: ");
}

TEST(Finestra, ALaterResizeIsAChangeThatKeepsTheCommandUnderWay)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    DrawingState& st = w->stato();
    ASSERT_EQ(st.dasalvare, 0);
    w->engine().avviaComando(Comando::Linea);
    w->engine().puntoDigitato(7, 2);
    st.dasalvare = 0;
    const double larghezza = st.vista.larghezzaMm;
    w->resize(w->size() + QSize(40, 30));
    EXPECT_EQ(s.frame->Label(2).text().toStdString(), "Al Punto: ");
    EXPECT_EQ(s.frame->Text(1).text().toStdString(), " 7, 2");
    EXPECT_GT(st.vista.larghezzaMm, larghezza);
    EXPECT_EQ(st.dasalvare, 1);
    EXPECT_EQ(st.corrente().nome(), "Linea");
    EXPECT_EQ(st.comandi.passocomando, 1);
    ASSERT_TRUE(st.ogg.ogglinea.esiste());
    EXPECT_EQ(st.ogg.ogglinea->Xi, 7);
    EXPECT_EQ(w->tavola().immagine().size(), w->tavola().size());
}

TEST(Finestra, AScrollBarPansAroundTheCommandUnderWay)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    DrawingState& st = w->stato();
    w->engine().avviaComando(Comando::Linea);
    w->engine().puntoDigitato(7, 2);
    const float alto = st.vista.origineY;
    w->VScroll1().setValue(60);
    EXPECT_GT(st.vista.origineY, alto);
    EXPECT_EQ(st.corrente().nome(), "Linea");
    EXPECT_EQ(st.comandi.passocomando, 1);
    EXPECT_EQ(s.frame->Label(2).text().toStdString(), "Al Punto: ");
    w->impscroll(); // the bars back to the middle do not pan
    EXPECT_EQ(st.valvscroll, 50);
    EXPECT_GT(st.vista.origineY, alto);
}

TEST(Finestra, SettingsDecideWhichBarsANewWindowShows)
{
    Sessione s;
    s.avvia();
    impostazioni(s, [](DrawingState& v) {
        v.barre.vedibarra1 = 0;
        v.barre.vedibarra6 = 0;
    });
    DrawingWindow* w = s.nuova();
    for (int n = 1; n <= 4; ++n)
        EXPECT_TRUE(s.frame->Toolbar1(n).isHidden());
    EXPECT_FALSE(s.frame->Picture1().isHidden());
    EXPECT_FALSE(s.frame->Picture2().isHidden());
    EXPECT_TRUE(w->Picture3().isHidden());
    EXPECT_FALSE(w->Picture4().isHidden());
}

TEST(Finestra, GeneralSettingsAreRefusedWhileACommandRuns)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    w->stato().corrente().tipo = "  Linea  ";
    w->impaiut(1);
    EXPECT_EQ(s.fake.notifier.beeps, 1);
    EXPECT_EQ(s.messaggi(), std::vector<std::string>{
                                "Completare il comando \"Linea\" prima di modificare le impostazioni generali."});
}

TEST(Finestra, GeneralSettingsItemOpensTheDialogAndRewritesTheSettings)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    const QString ini = QString::fromStdString(s.percorso("Tramel.ini"));
    ASSERT_TRUE(QFile::remove(ini));
    bool dialogo = false;
    // The user cancels the dialog.
    QTimer::singleShot(0, [&] {
        if (QWidget* modale = QApplication::activeModalWidget()) {
            dialogo = true;
            modale->close();
        }
    });
    QAction* voce = w->menus().at(4)->actions().at(0);
    ASSERT_EQ(voce->text().toStdString(), "Impost. Generali");
    voce->trigger();
    EXPECT_TRUE(dialogo);
    EXPECT_TRUE(QFile::exists(ini));
}

TEST(Finestra, ThePictureShowsTheDrawingWithTheOverlayOverIt)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    Tavola& t = w->tavola();
    t.cls(RGB(0, 0, 255));
    DrawingState& st = w->stato();
    // A vertical cross-hair line 40 pixels right of the scale origin.
    const int colonna = 40;
    const double x = st.vista.origineX + colonna / st.vista.pixelPerMmX();
    st.overlay.Line1 = {true, x, st.vista.origineY, x, st.vista.origineY + 20, RGB(255, 0, 0), 0};
    const QImage schermo = t.grab().toImage();
    EXPECT_EQ(schermo.pixelColor(colonna, 5), QColor(255, 0, 0));
    EXPECT_EQ(schermo.pixelColor(colonna + 3, 5), QColor(0, 0, 255));
    // The overlay is not part of the picture the drawing is kept in.
    EXPECT_EQ(t.immagine().pixelColor(colonna, 5), QColor(0, 0, 255));
    st.overlay.Line1.visibile = false;
    EXPECT_EQ(t.grab().toImage().pixelColor(colonna, 5), QColor(0, 0, 255));
}

TEST(Finestra, TheFrameShowsTheCommandLineTheEngineWrites)
{
    Sessione s;
    s.avvia();
    s.nuova();
    RigaComando& r = s.ctx.riga;
    r.Label1 = " Linea_Dal Punto: ";
    r.Label2 = "Al Punto: ";
    r.Text[1] = {" 3, 4", true, 15, 0};
    r.Text[2] = {"", true, 15, 12};
    r.Text[5] = {" 1.5", true, 15, 0};
    r.notifica();
    EXPECT_EQ(s.frame->Label(1).text().toStdString(), " Linea_Dal Punto: ");
    EXPECT_EQ(s.frame->Label(2).text().toStdString(), "Al Punto: ");
    EXPECT_EQ(s.frame->Text(1).text().toStdString(), " 3, 4");
    EXPECT_TRUE(s.frame->Text(1).isEnabled());
    EXPECT_EQ(s.frame->Text(1).palette().color(QPalette::Base), colorePalette(15));
    EXPECT_EQ(s.frame->Text(2).palette().color(QPalette::Text), colorePalette(12));
    EXPECT_EQ(s.frame->Text(5).text().toStdString(), " 1.5");
    // What the user types is the model's text.
    s.frame->Text(2).setFocus();
    QTest::keyClicks(&s.frame->Text(2), "5,6");
    EXPECT_EQ(r.Text[2].testo, "5,6");
}

} // namespace
} // namespace tramel::test
