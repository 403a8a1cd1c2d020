// "Crea DXF" and "Crea BMP" on a drawing window: the name dialog with the
// overwrite question, a failure that leaves any earlier file as it was, and
// the picture that the BMP holds.
#include "sessione.h"

#include "shell/tavola.h"
#include "view/vista.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace tramel::test {
namespace {

const std::string filtroDxf = "File Acad DXF (*.DXF)|*.DXF|";
const std::string filtroBmp = "Immagine BMP (*.BMP)|*.BMP|";

QByteArray contenuto(const std::string& percorso)
{
    QFile f(QString::fromStdString(percorso));
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// The files of the program folder but the settings file.
QStringList fileIn(const Sessione& s)
{
    QStringList nomi = QDir(s.cartella.path()).entryList(QDir::Files);
    nomi.removeAll(QFileInfo(QString::fromStdString(percorsoIni(s.cartellaProgramma()))).fileName());
    return nomi;
}

std::string errore(const std::string& nome)
{
    return "Errore nella creazione del file:" + nome;
}

constexpr int RIGA_LINEA = 50;

// A window with a red line across its drawing area, on pixel row RIGA_LINEA.
DrawingWindow* conLinea(Sessione& s)
{
    s.avvia();
    DrawingWindow* w = s.nuova();
    const Riquadro v = finestraVisibile(w->stato().vista);
    auto l = std::make_unique<Linea>();
    l->Xi = v.x1, l->Xf = v.x2, l->Yi = l->Yf = disegnoDaDispositivo(w->stato().vista, 0, RIGA_LINEA).y;
    l->colorelinea = RGB(255, 0, 0);
    w->stato().dis.linee.Add(std::move(l));
    w->engine().redraw();
    return w;
}

struct Esportazione {
    const char* nome;
    std::string filtro;
    void (DrawingWindow::*avvia)();
};
const Esportazione esportazioni[] = {{"DXF", filtroDxf, &DrawingWindow::mnudxf_Click},
                                     {"BMP", filtroBmp, &DrawingWindow::mnucreabmp_Click}};

TEST(Esporta, NoAsksAgainWithAnEmptyNameCancelWritesNothingYesReplaces)
{
    for (const Esportazione& e : esportazioni) {
        Sessione s;
        DrawingWindow* w = conLinea(s);
        const std::string vecchio = s.file("vecchio", "VECCHIO");
        const std::string nuovo = s.percorso("nuovo");
        s.fake.files.scelte = {vecchio, vecchio, nuovo, std::nullopt, vecchio};
        s.fake.notifier.risposte = {Risposta::No, Risposta::Annulla, Risposta::Si};
        (w->*e.avvia)(); // No, then Cancel
        EXPECT_EQ(s.fake.files.salvataggi, (std::vector<std::pair<std::string, std::string>>(2, {e.filtro, ""})))
            << e.nome;
        EXPECT_EQ(contenuto(vecchio), "VECCHIO") << e.nome;
        (w->*e.avvia)(); // a new name
        (w->*e.avvia)(); // the dialog cancelled
        EXPECT_EQ(fileIn(s), (QStringList{"nuovo", "vecchio"})) << e.nome;
        (w->*e.avvia)(); // Yes
        EXPECT_EQ(contenuto(vecchio), contenuto(nuovo)) << e.nome;
        EXPECT_EQ(s.messaggi().size(), 3u) << e.nome;
        EXPECT_EQ(s.fake.notifier.occupatoLivello, 0) << e.nome;
    }
}

TEST(Esporta, AFileThatCannotBeCreatedIsReported)
{
    for (const Esportazione& e : esportazioni) {
        Sessione s;
        DrawingWindow* w = conLinea(s);
        const std::string sottoFile = s.file("file") + "/x";
        s.fake.files.scelte = {sottoFile, "/proc/version"};
        s.fake.notifier.risposte = {Risposta::Si};
        const QByteArray versione = contenuto("/proc/version");
        (w->*e.avvia)();
        (w->*e.avvia)();
        EXPECT_EQ(s.messaggi(), (std::vector<std::string>{errore(sottoFile), "File \"/proc/version\"  Esiste - Sovrapporre?",
                                                          errore("/proc/version")}))
            << e.nome;
        EXPECT_EQ(fileIn(s), QStringList{"file"}) << e.nome;
        EXPECT_EQ(contenuto("/proc/version"), versione) << e.nome;
    }
}

// A DXF that fails midway leaves the old file as it was and no piece of the new one.
TEST(Esporta, AWriteFailingMidwayKeepsTheOldDxf)
{
    Sessione s;
    DrawingWindow* w = conLinea(s);
    for (int i = 0; i < 5000; ++i)
        w->stato().dis.linee.Add(std::make_unique<Linea>(w->stato().dis.linee.Item(1)));
    const std::string vecchio = s.file("vecchio.dxf", "VECCHIO");
    s.fake.files.scelte = {vecchio};
    s.fake.notifier.risposte = {Risposta::Si};

    rlimit prima{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &prima), 0);
    const auto gestore = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite = prima;
    limite.rlim_cur = 100000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limite), 0);
    w->crea_dxf();
    setrlimit(RLIMIT_FSIZE, &prima);
    std::signal(SIGXFSZ, gestore);

    EXPECT_EQ(s.messaggi().back(), errore(vecchio));
    EXPECT_EQ(contenuto(vecchio), "VECCHIO");
    EXPECT_EQ(fileIn(s), QStringList{"vecchio.dxf"});
}

TEST(Esporta, TheBmpIsTheDrawingAreaWithoutTheOverlay)
{
    Sessione s;
    DrawingWindow* w = conLinea(s);
    Tavola& t = w->tavola();
    DrawingState& st = w->stato();
    // A cross-hair line across the red one, 40 pixels from the left.
    const double x = st.vista.origineX + 40 / st.vista.pixelPerMmX();
    st.overlay.Line1 = {true, x, st.vista.origineY, x, st.vista.origineY + 1000, RGB(0, 255, 0), 0};
    const QImage schermo = t.grab().toImage();
    ASSERT_EQ(schermo.pixelColor(40, 5), QColor(0, 255, 0));
    ASSERT_EQ(schermo.pixelColor(40, RIGA_LINEA), QColor(0, 255, 0));

    const std::string nome = s.percorso("disegno.bmp");
    s.fake.files.scelte = {nome};
    w->mnucreabmp_Click();
    const QByteArray byte = contenuto(nome);
    ASSERT_GT(byte.size(), 30);
    EXPECT_EQ(byte.left(2), "BM");
    EXPECT_EQ(byte[28], 24); // bits per pixel
    QImage bmp;
    ASSERT_TRUE(bmp.loadFromData(byte, "BMP"));
    EXPECT_EQ(bmp.size(), t.size());
    EXPECT_EQ(bmp.pixelColor(40, 5), colorePalette(15));
    EXPECT_EQ(bmp.pixelColor(100, RIGA_LINEA), QColor(255, 0, 0));
    EXPECT_EQ(bmp.pixelColor(40, RIGA_LINEA), QColor(255, 0, 0));
    EXPECT_TRUE(s.messaggi().empty());
}

} // namespace
} // namespace tramel::test
