// A page printed into a PDF file, rasterised by pdftoppm at 254 dpi (10
// pixels a millimetre) and measured.
#include "printing/uscita.h"

#include "commands/disegno_prova.h"
#include "platform/fake_ports.h"
#include "platform/qt_ports.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tramel {
namespace {

// A grey image of the page's first sheet.
struct Pagina {
    int larghezza = 0, altezza = 0;
    QByteArray pixel;
    bool nero(int x, int y) const { return static_cast<unsigned char>(pixel[y * larghezza + x]) < 128; }
};

struct Pdf : ::testing::Test {
    QTemporaryDir cartella;
    FakePorte fake;
    QtPrintDevice stampante;
    disegno d;

    void SetUp() override
    {
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
            GTEST_SKIP() << "pdftoppm is not installed";
        QPrinter& p = stampante.printer();
        p.setPageSize(QPageSize(QPageSize::A4));
        p.setPageOrientation(QPageLayout::Portrait);
        p.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    }
    Pagina stampa(double scala)
    {
        const QString pdf = cartella.filePath("pagina.pdf");
        stampante.file(pdf.toStdString());
        fake.files.scelte.push_back(pdf.toStdString());
        EXPECT_EQ(stampante.risoluzione(), 600);
        perOgniVivo<Linea, Rettangolo, Cerchio>(d, [](auto& e) { e.stampare = 1; });
        const Porte porte{fake.notifier, fake.files, fake.colori, fake.caratteri, fake.shell, fake.clock, stampante};
        EXPECT_EQ(tramel::stampa(d, {}, porte, "Tramel", scala, 0, 0), EsitoStampa::Stampata);
        const QString base = cartella.filePath("pagina");
        QProcess::execute("pdftoppm", {"-r", "254", "-gray", "-singlefile", pdf, base});
        QFile f(base + ".pgm");
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        Pagina pg;
        QList<QByteArray> testata;
        while (testata.size() < 4)
            for (const QByteArray& parola : f.readLine().simplified().split(' '))
                if (!parola.isEmpty())
                    testata.append(parola);
        pg.larghezza = testata[1].toInt();
        pg.altezza = testata[2].toInt();
        pg.pixel = f.readAll();
        return pg;
    }
};

// The first and last black columns of the rows about y, and the middle black row there.
struct Tratto {
    int primo = -1, ultimo = -1, riga = -1;
};
Tratto tratto(const Pagina& pg, int yMin, int yMax)
{
    Tratto t;
    for (int y = yMin; y <= yMax; ++y)
        for (int x = 0; x < pg.larghezza; ++x)
            if (pg.nero(x, y)) {
                if (t.primo < 0 || x < t.primo)
                    t.primo = x;
                t.ultimo = std::max(t.ultimo, x);
                t.riga = y;
            }
    return t;
}

TEST_F(Pdf, ALineAndAHatchLandWhereTheyShouldOnA4)
{
    linea(d, 10, 20, 110, 20);
    Rettangolo& r = vertici(d.rettangoli, {{10, 60}, {10, 140}, {90, 140}, {90, 60}}, &Rettangolo::inser_vert_ret);
    r.campitura = 0; // horizontal hatch
    const Pagina pg = stampa(1);
    ASSERT_NEAR(pg.larghezza, 2100, 1);
    ASSERT_NEAR(pg.altezza, 2970, 1);
    // 10 mm margin + 10 mm; 100 mm long; 10 mm margin + 20 mm from the top.
    const Tratto t = tratto(pg, 250, 350);
    EXPECT_NEAR(t.primo / 10.0, 20, 0.5);
    EXPECT_NEAR((t.ultimo - t.primo + 1) / 10.0, 100, 0.3);
    EXPECT_NEAR(t.riga / 10.0, 30, 0.5);
    // Down the middle of the rectangle, hatch lines every 8 pixels of a 96-dpi screen: 2.1 mm.
    std::vector<int> righe;
    for (int y = 720; y < 1480; ++y)
        if (pg.nero(600, y) && !pg.nero(600, y - 1))
            righe.push_back(y);
    ASSERT_GT(righe.size(), 30u);
    EXPECT_NEAR((righe.back() - righe.front()) / 10.0 / static_cast<double>(righe.size() - 1), 2.117, 0.1);
}

TEST_F(Pdf, HalfTheScaleHalvesTheLength)
{
    linea(d, 10, 20, 210, 20);
    const Tratto t = tratto(stampa(0.5), 150, 250);
    EXPECT_NEAR((t.ultimo - t.primo + 1) / 10.0, 100, 0.3);
    EXPECT_NEAR(t.primo / 10.0, 15, 0.5);
    EXPECT_NEAR(t.riga / 10.0, 20, 0.5);
}

// Printing into a file that exists: after No its bytes are as they were, after
// Yes it holds the new page; a name typed without a suffix names its ".pdf".
TEST(PdfEsistente, OnlyAYesReplacesTheFile)
{
    QTemporaryDir cartella;
    const std::string esistente = cartella.filePath("esistente.pdf").toStdString();
    const std::string senzaSuffisso = cartella.filePath("esistente").toStdString();
    const struct {
        std::string digitato;
        Risposta risposta;
    } casi[] = {{esistente, Risposta::No}, {senzaSuffisso, Risposta::No}, {senzaSuffisso, Risposta::Si}};
    for (const auto& c : casi) {
        FakePorte fake;
        QtPrintDevice stampante;
        stampante.file(esistente);
        disegno d;
        linea(d, 10, 20, 110, 20).stampare = 1;
        const QByteArray vecchio = "non un PDF";
        QFile f(QString::fromStdString(esistente));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(vecchio);
        f.close();
        fake.files.scelte = {c.digitato};
        fake.notifier.risposte = {c.risposta};
        const Porte porte{fake.notifier, fake.files, fake.colori, fake.caratteri, fake.shell, fake.clock, stampante};
        const bool si = c.risposta == Risposta::Si;
        EXPECT_EQ(tramel::stampa(d, {}, porte, "Tramel", 1, 0, 0), si ? EsitoStampa::Stampata : EsitoStampa::Annullata);
        ASSERT_EQ(fake.notifier.messaggi.size(), 1u) << c.digitato;
        EXPECT_EQ(fake.notifier.messaggi[0].testo, "File \"" + esistente + "\"  Esiste - Sovrapporre?");
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray dopo = f.readAll();
        if (si)
            EXPECT_TRUE(dopo.startsWith("%PDF"));
        else
            EXPECT_EQ(dopo, vecchio) << c.digitato;
    }
}

// A circle far larger than the page (a radius of 47 000 printer pixels, drawn
// as chords) whose top crosses the page: its curve runs across the page, and
// nothing else is drawn on it, margins included.
TEST_F(Pdf, ACircleFarLargerThanThePageShowsOnlyItsCurve)
{
    Cerchio& c = cerchio(d, 95, 2100, 2000);
    c.campitura = CAMPITURA_NESSUNA;
    c.spescont = 10; // 7 printer pixels: 0.3 mm
    const Pagina pg = stampa(1);
    int lontani = 0;
    std::vector<char> colonne(static_cast<std::size_t>(pg.larghezza), 0);
    for (int y = 0; y < pg.altezza; ++y)
        for (int x = 0; x < pg.larghezza; ++x)
            if (pg.nero(x, y)) {
                // 10 mm of margin, 10 pixels a millimetre.
                const double scarto = std::hypot((x + 0.5) / 10 - 10 - 95, (y + 0.5) / 10 - 10 - 2100) - 2000;
                if (std::abs(scarto) > 0.5)
                    ++lontani;
                else
                    colonne[static_cast<std::size_t>(x)] = 1;
            }
    EXPECT_EQ(lontani, 0);
    EXPECT_EQ(std::count(colonne.begin() + 105, colonne.begin() + 1995, 1), 1890); // across the printable width
}

} // namespace
} // namespace tramel
