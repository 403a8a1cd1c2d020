#include "files/esporta_dxf.h"

#include "platform/palette.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>

namespace tramel {
namespace {

using Righe = std::vector<std::string>;

const Righe INIZIO = {"0", "SECTION", "2", "ENTITIES"};
const Righe FINE = {" 0 ", "ENDSEC", " 0 ", "EOF"};

// The export's lines, each of which must end in CR LF.
Righe righe(disegno& d, double ymax = 20)
{
    const std::string testo = testoDxf(d, ymax);
    Righe r;
    for (std::size_t i = 0; i < testo.size();) {
        const std::size_t fine = testo.find("\r\n", i);
        EXPECT_NE(fine, std::string::npos) << "last line without CR LF";
        if (fine == std::string::npos)
            break;
        r.push_back(testo.substr(i, fine - i));
        i = fine + 2;
    }
    return r;
}

// The lines between the section's start and end.
Righe entita(disegno& d, double ymax = 20)
{
    Righe r = righe(d, ymax);
    EXPECT_GE(r.size(), 8u);
    EXPECT_EQ(Righe(r.begin(), r.begin() + 4), INIZIO);
    EXPECT_EQ(Righe(r.end() - 4, r.end()), FINE);
    return Righe(r.begin() + 4, r.end() - 4);
}

Linea& linea(disegno& d, double xi, double yi, double xf, double yf, Rgb colore = 0)
{
    auto l = std::make_unique<Linea>();
    l->Xi = xi, l->Yi = yi, l->Xf = xf, l->Yf = yf, l->colorelinea = colore;
    d.linee.Add(std::move(l));
    return d.linee.Item(d.linee.Count());
}

testo& scritta(disegno& d, const std::string& s, float dimens = 10, double x = 0, double y = 0)
{
    auto t = std::make_unique<testo>();
    t->stringa_testo = s, t->dimens_testo = dimens, t->pos_testox = x, t->pos_testoy = y;
    d.testi.Add(std::move(t));
    return d.testi.Item(d.testi.Count());
}

template <class T>
T& vertici(disegno& d, const std::vector<Punto>& punti)
{
    auto e = std::make_unique<T>();
    e->vertici(punti);
    collezione<T>(d).Add(std::move(e));
    return collezione<T>(d).Item(collezione<T>(d).Count());
}

TEST(EsportaDxf, EmptyDrawingAndArcsGiveTheSectionAlone)
{
    disegno d;
    EXPECT_EQ(righe(d), (Righe{"0", "SECTION", "2", "ENTITIES", " 0 ", "ENDSEC", " 0 ", "EOF"}));
    d.archi.Add(std::make_unique<Arco>());
    EXPECT_EQ(righe(d).size(), 8u);
}

TEST(EsportaDxf, LineWithYFlippedAboutYmax)
{
    disegno d;
    linea(d, 1, 2, 3.5, 4, Palette::color(12));
    EXPECT_EQ(entita(d), (Righe{"0", "LINE", "8", "0", "62", "1", "10", "1", "20", "18", "11", "3.5", "21", "16"}));
}

TEST(EsportaDxf, TextBaseLineLowerByTheHeightAsWritten)
{
    disegno d;
    scritta(d, "Ab").colore_testo = Palette::color(9);
    EXPECT_EQ(entita(d), (Righe{"0", "TEXT", "8", "0", "62", "5", "10", "0", "20", "19.6", "40", ".4", "1", "Ab",
                                "50", "0"}));
}

TEST(EsportaDxf, RectangleIsOneClosedPolylineAndAnEmptyPolylineHasNoVertex)
{
    disegno d;
    vertici<Rettangolo>(d, {{0, 0}, {4, 0}, {4, 2}, {0, 2}}).colcont = Palette::color(10);
    vertici<polilinea>(d, {});
    Righe atteso = {"0", "POLYLINE", "8", "0", "62", "0", "66", "1", "0", "SEQEND", "8", "0",
                    "0", "POLYLINE", "8", "0", "62", "2", "66", "1", "70", "1", "0"};
    for (const auto& [x, y] : {std::pair{"0", "20"}, {"4", "20"}, {"4", "18"}, {"0", "18"}})
        atteso.insert(atteso.end(), {"VERTEX", "8", "0", "10", x, "20", y, "0"});
    atteso.insert(atteso.end(), {"SEQEND", "8", "0"});
    EXPECT_EQ(entita(d), atteso);
}

// Kinds in the order lines, circles, texts, polylines, surfaces, rectangles;
// erased entities left out, selected ones written.
TEST(EsportaDxf, KindsInOrderWithoutErasedEntities)
{
    disegno d;
    vertici<Rettangolo>(d, {{0, 0}, {1, 0}, {1, 1}, {0, 1}});
    vertici<superficie>(d, {{0, 0}, {1, 0}, {1, 1}});
    vertici<polilinea>(d, {{0, 0}, {1, 1}});
    scritta(d, "t");
    auto c = std::make_unique<Cerchio>();
    c->Xpunto = 3, c->YPunto = 4;
    d.cerchi.Add(std::move(c));
    linea(d, 0, 0, 1, 1).stato = STATO_CANCELLATO;
    linea(d, 7, 0, 1, 1).stato = STATO_SELEZIONATO;
    scritta(d, "cancellato").stato = STATO_CANCELLATO;

    Righe nomi;
    const Righe r = entita(d);
    const Righe tipi = {"LINE", "CIRCLE", "TEXT", "POLYLINE"};
    std::copy_if(r.begin(), r.end(), std::back_inserter(nomi),
                 [&](const std::string& s) { return std::count(tipi.begin(), tipi.end(), s) > 0; });
    EXPECT_EQ(nomi, (Righe{"LINE", "CIRCLE", "TEXT", "POLYLINE", "POLYLINE", "POLYLINE"}));
    EXPECT_EQ(r[7], "7");
    // The circle's measures are worked out from its centre and point.
    EXPECT_EQ(d.cerchi.Item(1).raggio, 5);
    EXPECT_NE(d.cerchi.Item(1).supf, 0);
    EXPECT_EQ(std::count(r.begin(), r.end(), "cancellato"), 0);
}

TEST(EsportaDxf, PaletteColoursAndOthers)
{
    const int attesi[Palette::count] = {0, 166, 3, 51, 1, 6, 3, 9, 8, 5, 2, 4, 1, 230, 2, 0};
    for (int i = 0; i < Palette::count; ++i)
        EXPECT_EQ(SELCOLxDXF(Palette::color(i)), attesi[i]) << i;
    EXPECT_EQ(SELCOLxDXF(RGB(1, 2, 3)), 0);
    EXPECT_EQ(SELCOLxDXF(RGB(255, 0, 1)), 0);
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
        {0, "0"},    {-1e-300, "-1E-300"}, {19.6, "19.6"}, {2.0 / 3, ".666666666666667"}};
    for (const auto& [valore, testo] : casi) {
        disegno d;
        linea(d, valore, 0, 0, 0);
        EXPECT_EQ(entita(d).at(7), testo) << valore;
    }
    disegno d;
    scritta(d, "x", 7.5f).ang_testo(-45);
    const Righe r = entita(d);
    EXPECT_EQ(r.at(11), ".3");
    EXPECT_EQ(r.at(15), "-45");
}

INSTANTIATE_TEST_SUITE_P(Locale, NumeriDxf, testing::Values("C", "it_IT.UTF-8"));

// A text is one Windows-1252 value line.
TEST(EsportaDxf, TextsInTheCodePageOnOneLine)
{
    const std::vector<std::pair<std::string, std::string>> casi = {
        {"Perché più €", "Perch\xE9 pi\xF9 \x80"},
        {"漢 a", "? a"},
        {"fine   ", "fine"},
        {"riga\r\ndue", "riga  due"},
        {"   ", ""},
    };
    for (const auto& [testo, atteso] : casi) {
        disegno d;
        scritta(d, testo);
        EXPECT_EQ(entita(d).at(13), atteso) << testo;
    }
}

} // namespace
} // namespace tramel
