#include "files/esporta_dxf.h"

#include "platform/palette.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>

namespace tramel {
namespace {

using Righe = std::vector<std::string>;

// The lines between the section's start and end; every line must end in CR LF.
Righe entita(disegno& d, double ymax = 20)
{
    const std::string testo = testoDxf(d, ymax).value();
    EXPECT_TRUE(testo.starts_with("0\r\nSECTION\r\n2\r\nENTITIES\r\n"));
    EXPECT_TRUE(testo.ends_with("\r\n 0 \r\nENDSEC\r\n 0 \r\nEOF\r\n"));
    Righe r;
    for (std::size_t i = 0, fine; (fine = testo.find("\r\n", i)) != std::string::npos; i = fine + 2)
        r.push_back(testo.substr(i, fine - i));
    return r.size() < 8 ? Righe{} : Righe(r.begin() + 4, r.end() - 4);
}

Linea& linea(disegno& d, double xi, double yi, double xf, double yf)
{
    d.linee.Add(std::make_unique<Linea>());
    Linea& l = d.linee.Item(d.linee.Count());
    l.Xi = xi, l.Yi = yi, l.Xf = xf, l.Yf = yf;
    return l;
}

testo& scritta(disegno& d, const std::string& s, float dimens = 10)
{
    d.testi.Add(std::make_unique<testo>());
    testo& t = d.testi.Item(d.testi.Count());
    t.stringa_testo = s, t.dimens_testo = dimens;
    return t;
}

template <class T>
T& vertici(disegno& d, const std::vector<Punto>& punti)
{
    collezione<T>(d).Add(std::make_unique<T>());
    T& e = collezione<T>(d).Item(collezione<T>(d).Count());
    e.vertici(punti);
    return e;
}

TEST(EsportaDxf, EmptyDrawingAndArcsGiveTheSectionAlone)
{
    disegno d;
    EXPECT_EQ(testoDxf(d, 20), "0\r\nSECTION\r\n2\r\nENTITIES\r\n 0 \r\nENDSEC\r\n 0 \r\nEOF\r\n");
    d.archi.Add(std::make_unique<Arco>());
    EXPECT_EQ(entita(d), Righe{});
}

TEST(EsportaDxf, ANumberThatWouldNotBeFiniteRefusesTheWholeExport)
{
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "tramel_infinito.dxf";
    std::filesystem::remove(file);
    for (const double y : {-1.7e308, 1.7e308}) {
        disegno d;
        linea(d, 0, 0, 1, y);
        EXPECT_EQ(testoDxf(d, -y), std::nullopt) << y;
        EXPECT_FALSE(scriviDxf(d, -y, file));
        EXPECT_FALSE(std::filesystem::exists(file));
    }
    disegno d;
    d.cerchi.Add(std::make_unique<Cerchio>());
    d.cerchi.Item(1).Xcentro = -1.7e308, d.cerchi.Item(1).Xpunto = 1.7e308;
    EXPECT_EQ(testoDxf(d, 0), std::nullopt);
    // Finite, but rounded to 15 digits beyond the largest Double: it would read back infinite.
    for (const double x : {DBL_MAX, -DBL_MAX}) {
        disegno vicino;
        linea(vicino, x, 0, 0, 0);
        EXPECT_EQ(testoDxf(vicino, 0), std::nullopt) << x;
    }
    disegno sotto;
    linea(sotto, 1.79769313486231e308, 0, 0, 0);
    EXPECT_EQ(entita(sotto, 0).at(7), "1.79769313486231E+308");
}

TEST(EsportaDxf, LineAndTextWithYFlippedAboutYmax)
{
    disegno d;
    linea(d, 1, 2, 3.5, 4).colorelinea = Palette::color(ROSSO);
    scritta(d, "Ab").colore_testo = Palette::color(BLU);
    // The text's base line is lower by its height as written (10 / 25).
    EXPECT_EQ(entita(d), (Righe{"0", "LINE", "8", "0", "62", "1", "10", "1", "20", "18", "11", "3.5", "21", "16",
                                "0", "TEXT", "8", "0", "62", "5", "10", "0", "20", "19.6", "40", ".4", "1", "Ab",
                                "50", "0"}));
}

TEST(EsportaDxf, RectangleIsOneClosedPolylineAndAnEmptyPolylineHasNoVertex)
{
    disegno d;
    vertici<Rettangolo>(d, {{0, 0}, {4, 0}, {4, 2}, {0, 2}}).colcont = Palette::color(VERDE_LIMONE);
    vertici<polilinea>(d, {});
    Righe atteso = {"0", "POLYLINE", "8", "0", "62", "0", "66", "1", "0", "SEQEND", "8", "0",
                    "0", "POLYLINE", "8", "0", "62", "2", "66", "1", "70", "1", "0"};
    for (const auto& [x, y] : {std::pair{"0", "20"}, {"4", "20"}, {"4", "18"}, {"0", "18"}})
        atteso.insert(atteso.end(), {"VERTEX", "8", "0", "10", x, "20", y, "0"});
    atteso.insert(atteso.end(), {"SEQEND", "8", "0"});
    EXPECT_EQ(entita(d), atteso);
}

// Lines, circles, texts, polylines, surfaces, rectangles; erased entities
// left out, selected ones written.
TEST(EsportaDxf, KindsInOrderWithoutErasedEntities)
{
    disegno d;
    vertici<Rettangolo>(d, {{0, 0}, {1, 0}, {1, 1}, {0, 1}});
    vertici<superficie>(d, {{0, 0}, {1, 0}, {1, 1}});
    vertici<polilinea>(d, {{0, 0}, {1, 1}});
    scritta(d, "cancellato").stato = STATO_CANCELLATO;
    d.cerchi.Add(std::make_unique<Cerchio>());
    d.cerchi.Item(1).Xpunto = 3, d.cerchi.Item(1).YPunto = 4;
    linea(d, 0, 0, 1, 1).stato = STATO_CANCELLATO;
    linea(d, 7, 0, 1, 1).stato = STATO_SELEZIONATO;

    const Righe r = entita(d);
    Righe tipi;
    for (std::size_t i = 0; i + 2 < r.size(); ++i)
        if (r[i] == "0" && r[i + 2] == "8" && r[i + 1] != "VERTEX" && r[i + 1] != "SEQEND")
            tipi.push_back(r[i + 1]);
    EXPECT_EQ(tipi, (Righe{"LINE", "CIRCLE", "POLYLINE", "POLYLINE", "POLYLINE"}));
    EXPECT_EQ(r.at(7), "7");
    // The circle's radius is worked out from its centre and point, and kept.
    EXPECT_EQ(r.at(25), "5");
    EXPECT_EQ(d.cerchi.Item(1).raggio, 5);
}

TEST(EsportaDxf, PaletteColoursAndOthers)
{
    const int attesi[Palette::count] = {0, 166, 3, 51, 1, 6, 3, 9, 8, 5, 2, 4, 1, 230, 2, 0};
    for (int i = 0; i < Palette::count; ++i)
        EXPECT_EQ(SELCOLxDXF(Palette::color(i)), attesi[i]) << i;
    EXPECT_EQ(SELCOLxDXF(RGB(1, 2, 3)), 0);
}

// Numbers are the same whatever the locale, Qt's and the C library's.
class NumeriDxf : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        if (!std::setlocale(LC_ALL, GetParam()))
            GTEST_SKIP() << GetParam() << " not installed";
        QLocale::setDefault(QLocale(QString::fromLatin1(GetParam())));
    }
    void TearDown() override
    {
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(QLocale::c());
    }
};

TEST_P(NumeriDxf, PlainTextWithoutLeadingBlank)
{
    const std::vector<std::pair<double, std::string>> casi = {
        {0.4, ".4"}, {-0.25, "-.25"}, {1e15, "1E+15"}, {1.5e-5, "1.5E-05"}, {123456789012345, "123456789012345"},
        {0, "0"},    {-1e-300, "-1E-300"}, {2.0 / 3, ".666666666666667"}};
    for (const auto& [valore, testo] : casi) {
        disegno d;
        linea(d, valore, 0, 0, 0);
        EXPECT_EQ(entita(d).at(7), testo) << valore;
    }
    disegno d;
    scritta(d, "x", 7.5f).ang_testo(-45);
    EXPECT_EQ(entita(d), (Righe{"0", "TEXT", "8", "0", "62", "0", "10", "0", "20", "19.7", "40", ".3", "1", "x",
                                "50", "-45"}));
}

INSTANTIATE_TEST_SUITE_P(Locale, NumeriDxf, testing::Values("C", "it_IT.UTF-8"));

// A text is one Windows-1252 value line.
TEST(EsportaDxf, TextsInTheCodePageOnOneLine)
{
    const std::vector<std::pair<std::string, std::string>> casi = {
        {"Perché più €", "Perch\xE9 pi\xF9 \x80"}, {"漢 a", "? a"}, {"fine   ", "fine"}, {"riga\r\ndue", "riga  due"},
        {"a\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D\xC5\xBE", "a?????\x9E"}};
    for (const auto& [testo, atteso] : casi) {
        disegno d;
        scritta(d, testo);
        EXPECT_EQ(entita(d).at(13), atteso) << testo;
    }
}

} // namespace
} // namespace tramel
