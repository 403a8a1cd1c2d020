// A text drawing imported into a new window: through "Apri" and the wait
// window, from the command line, each drawing aid as the file gives it, and
// damaged files that leave no window behind.
#include "sessione.h"

#include "shell/attesa_txt.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>

#include <gtest/gtest.h>

#include <filesystem>

namespace tramel::test {
namespace {

std::string righe(std::initializer_list<std::string> r)
{
    std::string s;
    for (const auto& x : r)
        s += x + "\r\n";
    return s;
}

const std::string LINEA = righe({"Linea", "255", "1", "0", "1000", "1000", "3000", "2000"});
const std::string TESTO = righe({"Testo", "10", "10", "0", "0", "0", "0", "0", "8", "0", "0", "0", "Arial", "Ciao"});

QByteArray ini(Sessione& s)
{
    QFile f(QString::fromStdString(s.percorso("Tramel.ini")));
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// Whether this process holds the file open.
bool aperto(const std::string& percorso)
{
    for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code ec;
        if (std::filesystem::read_symlink(fd.path(), ec) == percorso)
            return true;
    }
    return false;
}

} // namespace

TEST(ImportaTxt, ApriShowsTheDrawingUntitledMaximisedAndZoomed)
{
    Sessione s;
    s.avvia();
    const std::string percorso =
        s.file("pianta.txt", QByteArray::fromStdString("3,12,OFF,0.5,OFF,2\r\n" + LINEA + TESTO + "\r\n" + LINEA));
    s.nuova(); // window 1 stays; the import takes window 2
    s.fake.files.scelte = {percorso};
    s.frame->apri();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr); // the wait window has closed
    DrawingWindow* w = s.frame->finestraAttiva();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(s.messaggi().empty());
    EXPECT_EQ(w->caption(), "Disegno _ 2");
    EXPECT_EQ(s.ctx.registro.nomidisegni(2), "Disegno _ 2");
    EXPECT_TRUE(w->isMaximized());
    const DrawingState& st = w->stato();
    EXPECT_EQ(st.dis.linee.Count(), 2);
    EXPECT_EQ(st.dis.testi.Count(), 1);
    EXPECT_EQ(st.colori.colevidenzia, 15.0);
    EXPECT_EQ(st.colori.colanteprima, 12.0);
    EXPECT_EQ(st.cisonooggetti, 1);
    // Zoomed to the drawing's extents, which always hold the origin.
    EXPECT_EQ(std::vector<double>({st.xmin, st.ymin, st.xmax, st.ymax}), std::vector<double>({0, 0, 3000, 2000}));
    EXPECT_GE(st.vista.larghezzaMm / st.vista.scala, 3000);
    EXPECT_LT(st.vista.larghezzaMm / st.vista.scala, 4000);
    EXPECT_EQ(s.ctx.riga.Label1, "Comando: ");
    EXPECT_FALSE(aperto(percorso));
}

TEST(ImportaTxt, ACommandLineTextDrawingOpensUntitled)
{
    Sessione s;
    const std::string percorso = s.file("testi.txt", QByteArray::fromStdString("15,5,ON,1,ON,1\r\n" + TESTO));
    ASSERT_EQ(s.avvia({percorso}), 0);
    DrawingWindow* w = s.ctx.registro.finestredisegno(1);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->caption(), "Disegno _ 1");
    EXPECT_EQ(w->stato().dis.testi.Count(), 1);
    // Texts only keep the view of a new window.
    EXPECT_EQ(w->stato().xmax, 50);
    EXPECT_EQ(w->stato().dasalvare, 0);
}

// Every mix of the file's switches, from a window whose items start ticked and
// from one whose items start unticked; background 3 gives white selections.
TEST(ImportaTxt, EachAidEndsAsTheFileGivesIt)
{
    Sessione s;
    s.avvia();
    for (bool spuntati : {true, false}) {
        for (const std::string snap : {"ON", "OFF"}) {
            for (const std::string griglia : {"ON", "OFF"}) {
                SCOPED_TRACE(std::to_string(spuntati) + " " + snap + " " + griglia);
                DrawingWindow* w = s.nuova();
                for (int k : {4, 5}) {
                    if (w->aiutdis(k) != spuntati)
                        w->impaiut(k);
                }
                const std::string sfondo = snap == "ON" ? "3" : "7";
                w->setCaption(s.file("aiuti.txt", QByteArray::fromStdString(sfondo + ",5," + snap + ",2.5,\""
                                                                             + griglia + "\",4\r\n")));
                ASSERT_FALSE(w->leggitxt());
                const DrawingState& st = w->stato();
                EXPECT_EQ(st.aiuti.snapattivo, snap);
                EXPECT_EQ(w->aiutdis(4), snap == "ON");
                EXPECT_EQ(st.aiuti.grigliaattiva, griglia);
                EXPECT_EQ(w->aiutdis(5), griglia == "ON");
                EXPECT_EQ(st.aiuti.passosnap, 2.5f);
                EXPECT_EQ(s.frame->Label(9).toolTip().toStdString(), griglia == "ON" ? "[ON] : 4 " : "[ OFF ]");
                EXPECT_EQ(st.colori.colevidenzia, snap == "ON" ? 15.0 : 3.0);
                // The toggles saved the settings as the file gives them.
                const QByteArray testo = snap == "ON" ? QByteArray("\x02\x00ON", 4) : QByteArray("\x03\x00OF", 4);
                EXPECT_EQ(ini(s).mid(2 * 128, 6), QByteArray("\x08\x00", 2) + testo);
                EXPECT_EQ(st.cisonooggetti, 0);
            }
        }
    }
}

// The bar is painted while the read holds the event loop, and never passes its maximum.
TEST(ImportaTxt, TheBarRepaintsWhileTheFileIsRead)
{
    struct Pittura : QObject {
        QProgressBar* barra;
        std::vector<int> valori;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint)
                valori.push_back(barra->value());
            return false;
        }
    };
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    std::string file = "15,5,ON,1,ON,1\r\n";
    const std::string v = "1." + std::string(40, '0');
    for (int i = 0; i < 200; ++i)
        file += righe({"Linea", v, v, v, v, v, v, v});
    w->setCaption(s.file("barra.txt", QByteArray::fromStdString(file)));
    AttesaTxt attesa(*w, s.frame.get());
    Pittura pittura;
    pittura.barra = &attesa.ProgressBar1();
    attesa.ProgressBar1().installEventFilter(&pittura);
    EXPECT_FALSE(attesa.esegui("Leggi TXT"));
    EXPECT_FALSE(attesa.isVisible());
    ASSERT_FALSE(pittura.valori.empty());
    // Values between the first and the last were painted, during the read.
    EXPECT_TRUE(std::any_of(pittura.valori.begin(), pittura.valori.end(), [](int x) { return x > 20 && x < 100; }));
    EXPECT_EQ(*std::max_element(pittura.valori.begin(), pittura.valori.end()), 100);
}

// A damaged file: the message names the file, the line and the value expected;
// no window is left, the file is closed and the settings file is as it was.
TEST(ImportaTxt, ADamagedFileLeavesNothingBehind)
{
    const std::vector<std::pair<std::string, std::string>> casi = {
        {"15,5,ON,1,OFF,x\r\n" + LINEA, "\nRiga 1: atteso un numero in singola precisione"},
        {"1,5,OFF,1,ON,1\r\n" + LINEA + LINEA.substr(0, LINEA.size() - 6), "\nRiga 17: atteso un numero"},
        {"1,5,OFF,1,ON,1\r\n" + LINEA + righe({"Polilinea", "0", "0", "0", "-2"}),
         "\nRiga 14: atteso un numero di vertici da 0 a 32767"},
    };
    for (const auto& [contenuto, dettaglio] : casi) {
        Sessione s;
        s.avvia();
        s.nuova(); // the settings file now exists
        const QByteArray prima = ini(s);
        const std::string percorso = s.file("rotto.txt", QByteArray::fromStdString(contenuto));
        s.fake.files.scelte = {percorso};
        s.frame->apri();
        const std::string messaggio = "Impossibile leggere il file: \"" + percorso + "\"" + dettaglio;
        EXPECT_EQ(s.messaggi(), std::vector<std::string>{messaggio});
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_EQ(s.ctx.registro.numdisegni(), 1);
        EXPECT_EQ(s.ctx.registro.contadisegni(), 1);
        EXPECT_FALSE(aperto(percorso));
        EXPECT_EQ(ini(s), prima);
    }
}

} // namespace tramel::test
