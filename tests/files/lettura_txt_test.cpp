// The text drawing reader: header, kind lines, each kind's value lines, the
// conversions, damaged files with their line, the progress, and round trips
// through the tests' own writer.
#include "files/lettura_txt.h"

#include "support/scrittura_txt.h"
#include "synthetic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <tuple>
#include <vector>

namespace tramel {
namespace {

const NumberFormat C(".", ",");
const NumberFormat IT(",", ".");
const std::string TESTA = "15,5,ON,0.5,OFF,1\r\n";

std::string righe(std::initializer_list<std::string> r)
{
    std::string s;
    for (const auto& x : r)
        s += x + "\r\n";
    return s;
}

DisegnoTxt letto(const std::string& bytes, const NumberFormat& f = C)
{
    EsitoTxt e = leggiTxt(bytes, f);
    if (auto* err = std::get_if<ErroreTxt>(&e))
        ADD_FAILURE() << "riga " << err->riga << ": " << err->atteso;
    return std::get_if<DisegnoTxt>(&e) ? std::move(std::get<DisegnoTxt>(e)) : DisegnoTxt{};
}

struct CasoTesta {
    std::string testa;
    int sfondo, anteprima;
    std::string snap;
    float passosnap;
    std::string griglia;
    float passogriglia;
    int linee = 0;
};

void PrintTo(const CasoTesta& c, std::ostream* os) { *os << c.testa; }

class Testa : public testing::TestWithParam<CasoTesta> {};

TEST_P(Testa, GivesItsSettingsWhateverTheFieldsAndLineEnds)
{
    const CasoTesta& c = GetParam();
    const DisegnoTxt d = letto(c.testa, IT);
    EXPECT_EQ(d.colsfondo.toInt16(), c.sfondo);
    EXPECT_EQ(d.colanteprima.toInt16(), c.anteprima);
    EXPECT_EQ(d.snapattivo, c.snap);
    EXPECT_EQ(d.passosnap, c.passosnap);
    EXPECT_EQ(d.grigliaattiva, c.griglia);
    EXPECT_EQ(d.passogriglia, c.passogriglia);
    EXPECT_EQ(d.dis.linee.Count(), c.linee);
}

// Each line end in the header and in the body: CR LF, LF, CR.
INSTANTIATE_TEST_SUITE_P(
    Forme, Testa,
    testing::Values(CasoTesta{"15,5,ON,0.5,OFF,1", 15, 5, "ON", 0.5f, "OFF", 1},
                    CasoTesta{"3\r\n12\r\n\"OFF\"\r\n2.25\r\n\"ON\"\r\n10\r\n"
                              "Linea\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1",
                              3, 12, "OFF", 2.25f, "ON", 10, 1},
                    CasoTesta{" 0 , 15 ,  \"ON\" ,1E1, OFF ,.5\n"
                              "Linea\n1\n1\n1\n1\n1\n1\n1\nLinea\n1\n1\n1\n1\n1\n1\n1\n",
                              0, 15, "ON", 10, "OFF", 0.5f, 2},
                    CasoTesta{"1,2\rON,3\rx,4\rLinea\r1\r1\r1\r1\r1\r1\r1\r", 1, 2, "ON", 3, "x", 4, 1}));

// A file that holds every kind once, under the Italian number format.
const std::string OGNI_TIPO = righe({
    "7,0,OFF,1,OFF,1",
    "  Linea  ", "255", "2,5", "3", "1,5", "-2", "3", "4",
    "Superficie", "6", "1", "2", "0", "1", "3", "0", "0", "4", "0", "0", "3",
    "linea",
    "Polilinea", "9", "1", "0", "0",
    "",
    "Arco", "1", "0", "2", "10", "0", "0", "10", "7,0710678", "7,0710678",
    "Cerchio", "7", "1", "2", "3", "4", "0", "0", "3", "4",
    "Rettangolo", "6", "1", "2", "0", "1", "0", "0", "2", "0", "2", "5", "0", "5",
    "Testo", "1", "2", "1", "1.0", "-1", "0", "x", "12,5", "90", "255", "0", "Times New Roman", "Ciao",
});

TEST(LetturaTxt, ReadsEachKindInItsOwnOrder)
{
    using V = std::vector<double>;
    const DisegnoTxt d = letto(OGNI_TIPO, IT);
    const Linea& l = d.dis.linee.Item(1);
    EXPECT_EQ((V{l.colorelinea * 1.0, l.speslinea, l.TipoLinea * 1.0, l.Xi, l.Yi, l.Xf, l.Yf}),
              (V{255, 2.5, 3, 1.5, -2, 3, 4}));
    const superficie& s = d.dis.superfici.Item(1);
    EXPECT_EQ((V{s.campitura * 1.0, s.colcont * 1.0, s.colocampitura * 1.0, s.spescont, s.trattcont * 1.0,
                 s.vertic() * 1.0, s.punto(3).y, s.supf, s.perimet}),
              (V{6, 1, 2, 0, 1, 3, 3, 6, 12}));
    const polilinea& p = d.dis.polilinee.Item(1);
    EXPECT_EQ((V{p.colcont * 1.0, p.spescont, p.vertic() * 1.0}), (V{9, 1, 0}));
    const Arco& a = d.dis.archi.Item(1);
    EXPECT_EQ((V{a.colcont * 1.0, a.spescont, a.trattcont * 1.0, a.p1x, a.p2y, a.p3y}),
              (V{1, 0, 2, 10, 10, 7.0710678}));
    const Cerchio& c = d.dis.cerchi.Item(1);
    EXPECT_EQ((V{c.campitura * 1.0, c.colcont * 1.0, c.colocampitura * 1.0, c.spescont, c.trattcont * 1.0, c.raggio}),
              (V{7, 1, 2, 3, 4, 5}));
    EXPECT_DOUBLE_EQ(c.perimet, 10 * M_PI);
    EXPECT_DOUBLE_EQ(c.supf, 25 * M_PI);
    const Rettangolo& r = d.dis.rettangoli.Item(1);
    EXPECT_EQ((V{r.vertic() * 1.0, r.punto(4).y, r.supf, r.perimet}), (V{4, 5, 10, 14}));
    const testo& t = d.dis.testi.Item(1);
    EXPECT_EQ((V{t.pos_testox, t.pos_testoy, t.barrato_testo * 1.0, t.bold_testo * 1.0, t.corsivo_testo * 1.0,
                 t.opaco_testo * 1.0, t.sottolineato_testo * 1.0, t.dimens_testo, t.ang_testo() * 1.0,
                 t.colore_testo * 1.0, t.colore_opaco_testo * 1.0}),
              (V{1, 2, VERO, VERO, FALSO, FALSO, FALSO, 12.5, 90, 255, 0}));
    EXPECT_EQ(t.nomeCarattere() + "|" + t.stringa_testo, "Times New Roman|Ciao");
    EXPECT_TRUE(d.entita);
    EXPECT_TRUE(d.geometrici);
}

// Each kind's block is exactly so many lines: with one line fewer the file
// ends inside it, on the line after the last.
struct CasoBlocco {
    std::string tipo;
    std::vector<std::string> valori;
};

void PrintTo(const CasoBlocco& c, std::ostream* os) { *os << c.tipo; }

class Blocco : public testing::TestWithParam<CasoBlocco> {};

TEST_P(Blocco, TakesItsLinesAndNoMore)
{
    const CasoBlocco& c = GetParam();
    std::string file = TESTA + c.tipo + "\r\n";
    for (const auto& v : c.valori)
        file += v + "\r\n";
    // The block again, then a line that must be read as a kind line.
    const DisegnoTxt d = letto(file + file.substr(TESTA.size()) + "Linea\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n");
    EXPECT_EQ(d.dis.linee.Count(), 1 + (c.tipo == "Linea" ? 2 : 0));

    file.erase(file.rfind(c.valori.back()));
    const auto e = leggiTxt(file, C);
    ASSERT_TRUE(std::holds_alternative<ErroreTxt>(e));
    EXPECT_EQ(std::get<ErroreTxt>(e).riga, 2 + c.valori.size());
}

INSTANTIATE_TEST_SUITE_P(
    Tipi, Blocco,
    testing::Values(CasoBlocco{"Linea", {"1", "2", "3", "4", "5", "6", "7"}},
                    CasoBlocco{"Superficie", {"1", "2", "3", "4", "5", "2", "1", "1", "2", "2"}},
                    CasoBlocco{"Superficie", {"1", "2", "3", "4", "5", "0"}},
                    CasoBlocco{"Polilinea", {"1", "2", "3", "1", "8", "9"}},
                    CasoBlocco{"Polilinea", {"1", "2", "3", "1.5", "8", "9", "8", "9"}}, // halves to even
                    CasoBlocco{"Polilinea", {"1", "2", "3", "-0.5"}},
                    CasoBlocco{"Arco", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}},
                    CasoBlocco{"Cerchio", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}},
                    CasoBlocco{"Rettangolo", {"1", "2", "3", "4", "5", "1", "1", "2", "2", "3", "3", "4", "4"}},
                    CasoBlocco{"Testo", {"1", "2", "0", "0", "0", "0", "0", "8", "0", "0", "0", "Arial", "x"}}));

// One value line of a "Linea" block under each number format: its colour
// (Long), thickness (Single) or start X (real); nothing means refused.
struct CasoValore {
    const NumberFormat* formato;
    int campo; // 0 colorelinea, 1 speslinea, 3 Xi
    std::string testo;
    std::optional<double> atteso;
};

void PrintTo(const CasoValore& c, std::ostream* os) { *os << c.campo << ": " << c.testo; }

class Valore : public testing::TestWithParam<CasoValore> {};

TEST_P(Valore, ConvertsOrNamesTheLine)
{
    const CasoValore& c = GetParam();
    std::vector<std::string> v = {"0", "0", "0", "0", "0", "0", "0"};
    v[static_cast<std::size_t>(c.campo)] = c.testo;
    const auto e = leggiTxt(TESTA + righe({"Linea", v[0], v[1], v[2], v[3], v[4], v[5], v[6]}), *c.formato);
    if (!c.atteso) {
        ASSERT_TRUE(std::holds_alternative<ErroreTxt>(e));
        EXPECT_EQ(std::get<ErroreTxt>(e).riga, 3u + static_cast<unsigned>(c.campo));
        return;
    }
    ASSERT_TRUE(std::holds_alternative<DisegnoTxt>(e));
    const Linea& l = std::get<DisegnoTxt>(e).dis.linee.Item(1);
    const double letto = c.campo == 0 ? l.colorelinea : c.campo == 1 ? l.speslinea : l.Xi;
    EXPECT_EQ(letto, *c.atteso);
}

INSTANTIATE_TEST_SUITE_P(
    Conversioni, Valore,
    testing::Values(CasoValore{&IT, 3, "12,5", 12.5}, CasoValore{&IT, 3, "12.5", {}},
                    CasoValore{&IT, 3, "1.234", {}}, CasoValore{&C, 3, "12,5", {}}, CasoValore{&C, 3, "1,234", {}},
                    CasoValore{&C, 3, " -7.25E2 ", -725}, CasoValore{&C, 3, "", {}}, CasoValore{&C, 3, "1e400", {}},
                    CasoValore{&C, 3, "x", {}}, CasoValore{&C, 0, "2.5", 2}, CasoValore{&C, 0, "3.5", 4},
                    CasoValore{&C, 0, "-2.5", -2}, CasoValore{&C, 0, "2147483647", 2147483647},
                    CasoValore{&C, 0, "2147483647.5", {}}, CasoValore{&C, 0, "-2147483648.5", -2147483648.0},
                    CasoValore{&C, 1, "0.1", static_cast<double>(0.1f)}, CasoValore{&C, 1, "3.4e38", 3.4e38f},
                    CasoValore{&C, 1, "1e39", {}}));

TEST(LetturaTxt, TextFlagsAreSetOnlyByALeadingOne)
{
    for (const auto& [riga, atteso] : std::vector<std::pair<std::string, std::int16_t>>{
             {"1", VERO}, {"1.0", VERO}, {" 1 x", VERO}, {"-1", FALSO}, {"0", FALSO}, {"x", FALSO}, {"", FALSO}}) {
        const DisegnoTxt d =
            letto(TESTA + righe({"Testo", "0", "0", riga, "0", "0", "0", "0", "8", "0", "0", "0", "Arial", "x"}));
        EXPECT_EQ(d.dis.testi.Item(1).barrato_testo, atteso) << riga;
        EXPECT_FALSE(d.geometrici);
        EXPECT_TRUE(d.entita);
    }
}

TEST(LetturaTxt, CutsFontNamesAndTextsByCharacters)
{
    const std::string lungo(120, 'a');
    const std::string accenti = std::string(40, 'A') + "\xE8"; // "è" in Windows-1252
    const DisegnoTxt d =
        letto(TESTA + righe({"Testo", "0", "0", "0", "0", "0", "0", "0", "8", "0", "0", "0", accenti, lungo}));
    EXPECT_EQ(d.dis.testi.Item(1).nomeCarattere(), std::string(31, 'A'));
    EXPECT_EQ(d.dis.testi.Item(1).stringa_testo, std::string(100, 'a'));

    const std::string utf8 = "\xEF\xBB\xBF" + TESTA
                             + righe({"Testo", "0", "0", "0", "0", "0", "0", "0", "8", "0", "0", "0", "Arial",
                                      std::string(99, 'a') + "\xC3\xA8\xC3\xA8"});
    EXPECT_EQ(letto(utf8).dis.testi.Item(1).stringa_testo, std::string(99, 'a') + "\xC3\xA8");
    const std::string cp = TESTA + righe({"Testo", "0", "0", "0", "0", "0", "0", "0", "8", "0", "0", "0", "Arial",
                                          "caff\xE8"});
    EXPECT_EQ(letto(cp).dis.testi.Item(1).stringa_testo, "caff\xC3\xA8");
}

struct CasoGuasto {
    std::string bytes;
    std::uint64_t riga;
    std::string atteso;
};

void PrintTo(const CasoGuasto& c, std::ostream* os) { *os << c.bytes; }

class Guasto : public testing::TestWithParam<CasoGuasto> {};

TEST_P(Guasto, IsRefusedAtItsLine)
{
    const auto e = leggiTxt(GetParam().bytes, IT);
    ASSERT_TRUE(std::holds_alternative<ErroreTxt>(e));
    EXPECT_EQ(std::get<ErroreTxt>(e).riga, GetParam().riga);
    EXPECT_EQ(std::get<ErroreTxt>(e).atteso, GetParam().atteso);
}

INSTANTIATE_TEST_SUITE_P(
    File, Guasto,
    testing::Values(CasoGuasto{"", 1, "un colore da 0 a 15"}, CasoGuasto{"\xEF\xBB\xBF", 1, "un colore da 0 a 15"},
                    CasoGuasto{"16,5,ON,1,OFF,1", 1, "un colore da 0 a 15"},
                    CasoGuasto{"15\n-1\nON,1,OFF,1", 2, "un colore da 0 a 15"},
                    CasoGuasto{"2.5,5,ON,1,OFF,1", 1, "un colore da 0 a 15"},
                    CasoGuasto{"15,5,ON,0,5,OFF,1", 1, "un numero in singola precisione"},
                    CasoGuasto{"15,5\nON\n\nOFF,1", 3, "un numero in singola precisione"},
                    CasoGuasto{"15,5,ON,1,OFF,1e39", 1, "un numero in singola precisione"},
                    CasoGuasto{"15,5,ON,1,OFF\r\n", 2, "un numero in singola precisione"},
                    CasoGuasto{"15,5,ON,1\r\n", 2, "ON oppure OFF"},
                    CasoGuasto{TESTA + "Linea\r\n1\r\n", 4, "un numero in singola precisione"},
                    CasoGuasto{TESTA + "\r\nPolilinea\n1\n1\n1\n-1\n", 7, "un numero di vertici da 0 a 32767"},
                    CasoGuasto{TESTA + "Polilinea\n1\n1\n1\n32768\n", 6, "un numero di vertici da 0 a 32767"},
                    CasoGuasto{TESTA + "Superficie\n1\n1\n1\n1\n1\n2\n1\n1\n1", 12, "un numero"},
                    CasoGuasto{TESTA + "Testo\n0\n0\n0\n0\n0\n0\n0\n8\n0\n0\n0\nArial", 15, "un testo"},
                    // What the edits could not take: points beyond a Single, measures beyond a Double.
                    CasoGuasto{TESTA + "Polilinea\n1\n1\n1\n3\n20\n20\n1e39\n20\n0\n0", 9,
                               "un numero in singola precisione"},
                    CasoGuasto{TESTA + "Superficie\n1\n1\n1\n1\n1\n2\n1\n1\n1\n-4e38", 12,
                               "un numero in singola precisione"},
                    CasoGuasto{TESTA + "Arco\n1\n1\n1\n0\n0\n0\n0\n0\n4e38", 11,
                               "un numero in singola precisione"},
                    CasoGuasto{TESTA + "Cerchio\n1\n1\n1\n1\n1\n1e308\n0\n-1e308\n0", 11, "un numero"},
                    CasoGuasto{TESTA + "Rettangolo\n1\n1\n1\n1\n1\n-1e308\n0\n1e308\n0\n1e308\n1\n-1e308\n1",
                               15, "un numero"}));

TEST(LetturaTxt, PointsAtTheEdgeOfTheirFieldsAreTaken)
{
    const DisegnoTxt d = letto(TESTA + righe({"Arco", "1", "1", "1", "3.4e38", "0", "0", "0", "0", "-3.4e38"})
                              + righe({"Rettangolo", "1", "1", "1", "1", "1", "1e39", "0", "1e39", "1", "2e39", "1",
                                       "2e39", "0"}));
    EXPECT_EQ(d.dis.archi.Item(1).p1x, 3.4e38);
    EXPECT_EQ(d.dis.rettangoli.Item(1).punto(3), (Punto{2e39, 1}));
}

TEST(LetturaTxt, TheBarOpensAtOneFifthAndStopsAtItsMaximum)
{
    std::vector<int> barra;
    const auto segna = [&barra](int v) { barra.push_back(v); };
    ASSERT_TRUE(std::holds_alternative<DisegnoTxt>(leggiTxt(TESTA, C, segna)));
    EXPECT_EQ(barra, std::vector<int>{20});

    barra.clear();
    std::string file = TESTA;
    const std::string v = "1." + std::string(30, '0'); // long lines, so that the counter reaches the file's length
    for (int i = 0; i < 50; ++i)
        file += righe({"Linea", v, v, v, v, v, v, v});
    ASSERT_TRUE(std::holds_alternative<DisegnoTxt>(leggiTxt(file, C, segna)));
    ASSERT_GE(barra.size(), 2u);
    EXPECT_EQ(barra.front(), 20);
    EXPECT_TRUE(std::is_sorted(barra.begin(), barra.end()));
    EXPECT_EQ(std::adjacent_find(barra.begin(), barra.end()), barra.end()); // each value once
    EXPECT_EQ(barra.back(), 100);
}

// A synthetic drawing of every kind, written and read back under both number
// formats and both character sets, gives the same entities field by field.
TEST(LetturaTxt, RoundTripKeepsEveryField)
{
    DisegnoTxt d;
    d.colsfondo = Variant(std::int16_t{3});
    d.colanteprima = Variant(std::int16_t{12});
    d.snapattivo = "OFF";
    d.passosnap = 0.25f;
    d.grigliaattiva = "ON";
    d.passogriglia = 2.5f;
    d.dis = std::move(*disegnoSintetico(40, 7, 1e6, 1e3));
    d.dis.testi.Item(1).stringa_testo = "Perché è così";
    d.dis.polilinee.Add(std::make_unique<polilinea>());
    for (const auto& [formato, decimale] : {std::pair{&C, "."}, std::pair{&IT, ","}}) {
        for (bool utf8 : {false, true}) {
            SCOPED_TRACE(std::string(decimale) + (utf8 ? " utf8" : " cp1252"));
            const DisegnoTxt r = letto(prova::ScritturaTxt(decimale).scrivi(d, utf8), *formato);
            EXPECT_EQ(r.colsfondo, d.colsfondo);
            EXPECT_EQ(r.colanteprima, d.colanteprima);
            EXPECT_EQ(std::tie(r.snapattivo, r.passosnap, r.grigliaattiva, r.passogriglia),
                      std::tie(d.snapattivo, d.passosnap, d.grigliaattiva, d.passogriglia));
            const auto uguali = [](const auto& a, const auto& b) {
                ASSERT_EQ(a.Count(), b.Count());
                for (int i = 1; i <= a.Count(); ++i)
                    EXPECT_TRUE(a.Item(i) == b.Item(i)) << i;
            };
            uguali(r.dis.linee, d.dis.linee);
            uguali(r.dis.superfici, d.dis.superfici);
            uguali(r.dis.polilinee, d.dis.polilinee);
            uguali(r.dis.archi, d.dis.archi);
            uguali(r.dis.cerchi, d.dis.cerchi);
            uguali(r.dis.rettangoli, d.dis.rettangoli);
            uguali(r.dis.testi, d.dis.testi);
        }
    }
}

} // namespace
} // namespace tramel
