#include "files/lettura_dis.h"

#include "dis_prova.h"

#include "view/recordcoma.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace tramel {
namespace {

using namespace prova;
using Motivo = ErroreLettura::Motivo;
constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

EsitoLettura leggi(const std::string& bytes)
{
    SorgenteMemoria sorgente(bytes, recordcoma::LUNGHEZZA);
    return leggiDisegno(sorgente);
}

// The drawing read from the default header followed by these records.
DisegnoLetto letto(const std::vector<Rec>& record, const Intestazione& h = {})
{
    std::string bytes = h.bytes();
    for (const Rec& r : record)
        bytes += r.bytes();
    EsitoLettura esito = leggi(bytes);
    if (auto* e = std::get_if<ErroreLettura>(&esito))
        ADD_FAILURE() << "refused: " << static_cast<int>(e->motivo) << " at record " << e->record;
    return std::get_if<DisegnoLetto>(&esito) ? std::move(std::get<DisegnoLetto>(esito)) : DisegnoLetto{};
}

// The attributes a polygon record carries, as the test wrote them.
struct AttributiPoligono {
    Rgb colcont, colocampitura;
    std::int32_t trattcont, campitura;
    float spescont;
};

// The 4 x 3 quadrilateral (0,0) (4,0) (4,3) (0,3) read from its records: its
// fourth vertex (x4, y4), its measures and its attributes.
void attesoQuadrilatero(const Poligono& p, double x4, double y4, const AttributiPoligono& a)
{
    EXPECT_EQ(p.vertic(), 4);
    EXPECT_EQ(x4, 0);
    EXPECT_EQ(y4, 3);
    EXPECT_DOUBLE_EQ(p.perimet, 14);
    EXPECT_DOUBLE_EQ(p.supf, 12);
    EXPECT_EQ(p.colcont, a.colcont);
    EXPECT_EQ(p.colocampitura, a.colocampitura);
    EXPECT_EQ(p.trattcont, a.trattcont);
    EXPECT_EQ(p.campitura, a.campitura);
    EXPECT_EQ(p.spescont, a.spescont);
}

TEST(Lettura, HeaderOnlyGivesAnEmptyDrawingWithTheStoredSettings)
{
    Intestazione h;
    h.finx = le(-3.5f);
    h.finy = le(2.0f);
    h.finlarg = le(100.0f);
    h.finalt = le(40.0f);
    h.stato = intero(2);
    h.colsfondo = doppia(3);
    h.colanteprima = intero(12);
    h.snap = testoVar("OFF");
    h.passosnap = le(0.25f);
    h.griglia = testoVar("ON");
    h.passogriglia = le(5.0f);
    const DisegnoLetto d = letto({}, h);
    EXPECT_EQ(d.finx, -3.5f);
    EXPECT_EQ(d.finy, 2.0f);
    EXPECT_EQ(d.finlarg, 100.0f);
    EXPECT_EQ(d.finalt, 40.0f);
    EXPECT_TRUE(d.vistaValida);
    EXPECT_EQ(d.statoFinestra, 2);
    EXPECT_EQ(d.colsfondo, Variant(3.0));
    EXPECT_EQ(d.colanteprima, Variant(std::int16_t{12}));
    EXPECT_EQ(d.snapattivo, "OFF");
    EXPECT_EQ(d.passosnap, 0.25f);
    EXPECT_EQ(d.grigliaattiva, "ON");
    EXPECT_EQ(d.passogriglia, 5.0f);
    EXPECT_FALSE(d.cisonooggetti);
    EXPECT_EQ(d.dis.linee.Count() + d.dis.testi.Count() + d.dis.superfici.Count(), 0);
}

TEST(Lettura, ColoursOfAnyNumericTagKeepTheirTag)
{
    for (const auto& [bytes, atteso] : {std::pair{intero(3), Variant(std::int16_t{3})},
                                       std::pair{lungo(3), Variant(std::int32_t{3})},
                                       std::pair{singola(3), Variant(3.0f)}, std::pair{doppia(3), Variant(3.0)}}) {
        Intestazione h;
        h.colsfondo = bytes;
        h.colanteprima = bytes;
        const DisegnoLetto d = letto({}, h);
        EXPECT_EQ(d.colsfondo, atteso);
        EXPECT_EQ(d.colanteprima, atteso);
    }
}

TEST(Lettura, UnusableStoredViewGivesWayToTheDefault)
{
    const float big = 1e30f;
    const float fnan = std::numeric_limits<float>::quiet_NaN();
    const float finf = std::numeric_limits<float>::infinity();
    const float casi[][4] = {
        {0, 0, 0, 20},     {0, 0, 50, -1},  {fnan, 0, 50, 20}, {0, 0, finf, 20},
        {0, -finf, 5, 20}, {big, 0, 1, 20}, {3e38f, 0, 3e38f, 20},
    };
    for (const auto& c : casi) {
        Intestazione h;
        h.finx = le(c[0]);
        h.finy = le(c[1]);
        h.finlarg = le(c[2]);
        h.finalt = le(c[3]);
        const DisegnoLetto d = letto({}, h);
        EXPECT_FALSE(d.vistaValida) << c[0] << " " << c[1] << " " << c[2] << " " << c[3];
        EXPECT_EQ(d.finx, 0);
        EXPECT_EQ(d.finy, 0);
        EXPECT_EQ(d.finlarg, 50);
        EXPECT_EQ(d.finalt, 20);
    }
}

TEST(Lettura, EachKindFieldByField)
{
    const DisegnoLetto d = letto({
        {.tipo = "Linea", .x1 = 1, .y1 = 2, .x2 = 3.5, .y2 = 4, .x3 = 9, .colore1 = 0xFF, .colore2 = 5, .tratto = 2,
         .riempimento = 7, .spessore = 1.5f, .numero = 9},
        {.tipo = "  Arco  ", .x1 = 1, .y1 = 2, .x2 = 3, .y2 = 4, .x3 = 5, .y3 = 6, .colore1 = 0x123456, .tratto = 3,
         .spessore = 2},
        {.tipo = "Cerchio", .x1 = 1, .y1 = 1, .x2 = 4, .y2 = 5, .colore1 = 7, .colore2 = 9, .tratto = 1, .riempimento = 6,
         .spessore = 0.5f},
        {.tipo = "Polilinea", .x1 = 10, .y1 = 1, .x2 = 20, .y2 = 2, .x3 = 30, .y3 = 3, .colore1 = 21, .colore2 = 8,
         .tratto = 5, .riempimento = 4, .spessore = 4, .numero = 2},
    });
    ASSERT_EQ(d.dis.linee.Count(), 1);
    const Linea& l = d.dis.linee.Item(1);
    EXPECT_EQ(l.Xi, 1);
    EXPECT_EQ(l.Yi, 2);
    EXPECT_EQ(l.Xf, 3.5);
    EXPECT_EQ(l.Yf, 4);
    EXPECT_EQ(l.colorelinea, 0xFF);
    EXPECT_EQ(l.TipoLinea, 2);
    EXPECT_EQ(l.speslinea, 1.5f);
    EXPECT_EQ(l.stato, STATO_NORMALE);

    ASSERT_EQ(d.dis.archi.Count(), 1);
    const Arco& a = d.dis.archi.Item(1);
    EXPECT_EQ((std::vector{a.p1x, a.p1y, a.p2x, a.p2y, a.p3x, a.p3y}), (std::vector<double>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(a.colcont, 0x123456);
    EXPECT_EQ(a.trattcont, 3);
    EXPECT_EQ(a.spescont, 2);

    ASSERT_EQ(d.dis.cerchi.Count(), 1);
    const Cerchio& c = d.dis.cerchi.Item(1);
    EXPECT_EQ((std::vector{c.Xcentro, c.Ycentro, c.Xpunto, c.YPunto}), (std::vector<double>{1, 1, 4, 5}));
    EXPECT_EQ(c.colcont, 7);
    EXPECT_EQ(c.colocampitura, 9);
    EXPECT_EQ(c.trattcont, 1);
    EXPECT_EQ(c.campitura, 6);
    EXPECT_EQ(c.spescont, 0.5f);
    // Derived on reading, so that picking and the extents see the whole circle.
    EXPECT_DOUBLE_EQ(c.raggio, 5);
    EXPECT_DOUBLE_EQ(c.perimet, 10 * std::numbers::pi);
    EXPECT_DOUBLE_EQ(c.supf, 25 * std::numbers::pi);

    ASSERT_EQ(d.dis.polilinee.Count(), 1);
    const polilinea& p = d.dis.polilinee.Item(1);
    ASSERT_EQ(p.vertic(), 2);
    double x = 0, y = 0;
    p.prel_vert_pol(x, y, 2);
    EXPECT_EQ(x, 20);
    EXPECT_EQ(y, 2);
    EXPECT_EQ(p.colcont, 21);
    EXPECT_EQ(p.trattcont, 5);
    EXPECT_EQ(p.spescont, 4);
    EXPECT_TRUE(d.cisonooggetti);
}

TEST(Lettura, RectangleTakesItsFourthCornerFromTheNextRecordWhateverItsTag)
{
    const DisegnoLetto d = letto({
        {.tipo = "Rettangolo", .x1 = 0, .y1 = 0, .x2 = 4, .y2 = 0, .x3 = 4, .y3 = 3, .colore1 = 1, .colore2 = 2,
         .tratto = 4, .riempimento = 5, .spessore = 3},
        {.tipo = "Linea", .x1 = 0, .y1 = 3, .x2 = 100, .y2 = 100},
    });
    EXPECT_EQ(d.dis.linee.Count(), 0);
    ASSERT_EQ(d.dis.rettangoli.Count(), 1);
    const Rettangolo& r = d.dis.rettangoli.Item(1);
    double x = 0, y = 0;
    r.prel_vert_ret(x, y, 4);
    attesoQuadrilatero(r, x, y, {1, 2, 4, 5, 3});
}

TEST(Lettura, SurfaceCountConsumesTheNextRecordsWhateverTheirTags)
{
    const DisegnoLetto d = letto({
        {.tipo = "Superficie", .x1 = 0, .y1 = 0, .x2 = 4, .y2 = 0, .x3 = 4, .y3 = 3, .colore1 = 11, .colore2 = 12,
         .tratto = 2, .riempimento = 3, .spessore = 1, .numero = 4},
        {.tipo = "Cerchio", .x1 = 0, .y1 = 3, .x2 = nan, .y2 = nan}, // beyond the count: not read
        {.tipo = "Linea", .x1 = 7, .y1 = 8, .x2 = 9, .y2 = 10},
    });
    EXPECT_EQ(d.dis.cerchi.Count(), 0);
    ASSERT_EQ(d.dis.linee.Count(), 1);
    ASSERT_EQ(d.dis.superfici.Count(), 1);
    const superficie& s = d.dis.superfici.Item(1);
    double x = 0, y = 0;
    s.prel_vert_sup(x, y, 4);
    attesoQuadrilatero(s, x, y, {11, 12, 2, 3, 1});
}

TEST(Lettura, StrayContinuationAndBlankRecordsAreSkipped)
{
    const DisegnoLetto d = letto({
        {.tipo = "ContinuaSuperficie", .x1 = 1},
        {.tipo = ""},
        {.tipo = "linea", .x1 = 1}, // the tag is compared exactly
        {.tipo = "Linea", .x1 = 5},
    });
    ASSERT_EQ(d.dis.linee.Count(), 1);
    EXPECT_EQ(d.dis.linee.Item(1).Xi, 5);
    EXPECT_EQ(d.dis.superfici.Count(), 0);
}

TEST(Lettura, OnlyRecordsOfOtherKindsStillLeaveTheDrawingEmpty)
{
    EXPECT_FALSE(letto({{.tipo = "ContinuaRettangolo"}, {.tipo = "Zoom Area"}}).cisonooggetti);
}

TEST(Lettura, TextFlagsAreSetOnlyByExactlyOne)
{
    struct Caso {
        double valore;
        std::int32_t tratto;
        std::int16_t atteso;
    };
    for (const Caso c : {Caso{1.0, 1, VERO}, Caso{0.9999, 0, FALSO}, Caso{-1, -1, FALSO}, Caso{2, 2, FALSO},
                         Caso{nan, 0, FALSO}, Caso{0, 0, FALSO}}) {
        SCOPED_TRACE(c.valore);
        const DisegnoLetto d = letto({{.tipo = "Testo", .x2 = c.valore, .y2 = c.valore, .x3 = c.valore, .y3 = c.valore,
                                       .tratto = c.tratto}});
        ASSERT_EQ(d.dis.testi.Count(), 1);
        const testo& t = d.dis.testi.Item(1);
        EXPECT_EQ(t.barrato_testo, c.atteso);
        EXPECT_EQ(t.bold_testo, c.atteso);
        EXPECT_EQ(t.corsivo_testo, c.atteso);
        EXPECT_EQ(t.opaco_testo, c.atteso);
        EXPECT_EQ(t.sottolineato_testo, c.atteso);
    }
}

TEST(Lettura, TextKeepsItsFontFieldAndItsPaddedText)
{
    const std::string campo = std::string("Arial\0", 6) + "  xyz" + std::string(21, ' ');
    const DisegnoLetto d = letto({{.tipo = "Testo", .x1 = 2, .y1 = -3, .colore1 = 0xFF, .colore2 = 0xFFFFFF,
                                   .riempimento = 45, .spessore = 12, .stringa = campo + "citt\xE0 \x80"}});
    ASSERT_EQ(d.dis.testi.Count(), 1);
    const testo& t = d.dis.testi.Item(1);
    EXPECT_EQ(t.carattere_testo(), campo);
    EXPECT_EQ(t.nomeCarattere(), "Arial");
    EXPECT_EQ(t.stringa_testo, blank("città €", 100 + 3)); // à and € take 2 and 3 bytes in UTF-8
    EXPECT_EQ(t.pos_testox, 2);
    EXPECT_EQ(t.pos_testoy, -3);
    EXPECT_EQ(t.colore_testo, 0xFF);
    EXPECT_EQ(t.colore_opaco_testo, 0xFFFFFF);
    EXPECT_EQ(t.ang_testo(), 45);
    EXPECT_EQ(t.dimens_testo, 12);
    EXPECT_TRUE(d.cisonooggetti);
}

// Files the reader refuses, with the record that shows the fault.
struct CasoRifiuto {
    const char* nome;
    std::string bytes;
    Motivo motivo;
    std::uint64_t record;
};

std::string conRecord(const std::vector<Rec>& record, const Intestazione& h = {})
{
    std::string bytes = h.bytes();
    for (const Rec& r : record)
        bytes += r.bytes();
    return bytes;
}

Intestazione con(std::string Intestazione::*campo, std::string valore)
{
    Intestazione h;
    h.*campo = std::move(valore);
    return h;
}

std::vector<CasoRifiuto> casiRifiuto()
{
    const std::string h = Intestazione{}.bytes();
    const Rec linea{.tipo = "Linea", .x1 = 1};
    const std::string vertici(3000, '\x01');
    return {
        {"empty file", "", Motivo::IntestazioneCorta, 0},
        {"ten records", h.substr(0, 10 * L), Motivo::IntestazioneCorta, 0},
        {"header cut inside", h.substr(0, 11 * L - 1), Motivo::IntestazioneCorta, 0},
        {"header and a piece", h + "abc", Motivo::RecordParziale, 12},
        {"last record cut", conRecord({linea, linea}).substr(0, 13 * L - 1), Motivo::RecordParziale, 13},
        {"surface count 0", conRecord({{.tipo = "Superficie", .numero = 0}}), Motivo::NumeroVertici, 12},
        {"surface count -3", conRecord({{.tipo = "Superficie", .numero = -3}}), Motivo::NumeroVertici, 12},
        {"polyline count -32768", conRecord({{.tipo = "Polilinea", .numero = -32768}}), Motivo::NumeroVertici, 12},
        {"surface past the end", conRecord({{.tipo = "Superficie", .numero = 4}}), Motivo::VerticiOltreFine, 12},
        {"polyline past the end", conRecord({linea, {.tipo = "Polilinea", .numero = 7}, linea}),
         Motivo::VerticiOltreFine, 13},
        {"huge count", conRecord({{.tipo = "Polilinea", .numero = 32767}, linea}), Motivo::VerticiOltreFine, 12},
        {"rectangle cut", conRecord({linea, {.tipo = "Rettangolo"}}), Motivo::RettangoloTroncato, 13},
        {"NaN line end", conRecord({{.tipo = "Linea", .y2 = nan}}), Motivo::NonFinito, 12},
        {"infinite arc point", conRecord({{.tipo = "Arco", .y3 = -inf}}), Motivo::NonFinito, 12},
        {"NaN circle point", conRecord({{.tipo = "Cerchio", .x2 = nan}}), Motivo::NonFinito, 12},
        {"NaN thickness", conRecord({{.tipo = "Linea", .spessore = std::nanf("")}}), Motivo::NonFinito, 12},
        {"NaN text size", conRecord({{.tipo = "Testo", .spessore = std::nanf("")}}), Motivo::NonFinito, 12},
        {"infinite text position", conRecord({{.tipo = "Testo", .x1 = inf}}), Motivo::NonFinito, 12},
        {"NaN fourth corner", conRecord({{.tipo = "Rettangolo"}, {.tipo = "ContinuaRettangolo", .y1 = nan}}),
         Motivo::NonFinito, 13},
        {"NaN continued vertex",
         conRecord({{.tipo = "Superficie", .numero = 5}, {.tipo = "ContinuaSuperficie", .x2 = nan}}),
         Motivo::NonFinito, 13},
        // What the edits could not take: points beyond a Single, measures beyond a Double.
        {"polyline vertex beyond a Single",
         conRecord({{.tipo = "Polilinea", .x1 = 20, .y1 = 20, .x2 = 1e39, .y2 = 20, .numero = 2}}), Motivo::NonFinito,
         12},
        {"continued surface vertex beyond a Single",
         conRecord({{.tipo = "Superficie", .numero = 5}, {.tipo = "ContinuaSuperficie", .y2 = -4e38}}),
         Motivo::NonFinito, 13},
        {"arc point beyond a Single", conRecord({{.tipo = "Arco", .y3 = 3.5e38}}), Motivo::NonFinito, 12},
        {"circle of infinite radius", conRecord({{.tipo = "Cerchio", .x1 = 1e308, .x2 = -1e308}}), Motivo::NonFinito,
         12},
        {"rectangle of infinite perimeter",
         conRecord({{.tipo = "Rettangolo", .x1 = -1e308, .x2 = 1e308, .x3 = 1e308, .y3 = 1},
                    {.tipo = "ContinuaRettangolo", .x1 = -1e308, .y1 = 1}}),
         Motivo::NonFinito, 13},
        {"NaN snap step", con(&Intestazione::passosnap, le(std::nanf(""))).bytes(), Motivo::NonFinito, 9},
        {"infinite grid step", con(&Intestazione::passogriglia, le(-std::numeric_limits<float>::infinity())).bytes(),
         Motivo::NonFinito, 11},
        {"unknown tag", con(&Intestazione::colsfondo, le<std::int16_t>(7) + le(3.0)).bytes(), Motivo::Intestazione, 6},
        {"text tag for a colour", con(&Intestazione::colanteprima, testoVar("3")).bytes(), Motivo::Intestazione, 7},
        {"empty colour", con(&Intestazione::colsfondo, le<std::int16_t>(0)).bytes(), Motivo::Intestazione, 6},
        {"palette 16", con(&Intestazione::colsfondo, intero(16)).bytes(), Motivo::Intestazione, 6},
        {"palette -1", con(&Intestazione::colanteprima, lungo(-1)).bytes(), Motivo::Intestazione, 7},
        {"palette NaN", con(&Intestazione::colsfondo, doppia(nan)).bytes(), Motivo::Intestazione, 6},
        {"window state 3", con(&Intestazione::stato, intero(3)).bytes(), Motivo::Intestazione, 5},
        {"window state text", con(&Intestazione::stato, testoVar("2")).bytes(), Motivo::Intestazione, 5},
        {"snap as a number", con(&Intestazione::snap, intero(1)).bytes(), Motivo::Intestazione, 8},
        {"grid text past its record",
         con(&Intestazione::griglia, le<std::int16_t>(8) + le<std::int16_t>(1000) + "ON").bytes(),
         Motivo::Intestazione, 10},
    };
}

TEST(Lettura, PointsAtTheEdgeOfTheirFieldsAreTaken)
{
    const DisegnoLetto d = letto({
        {.tipo = "Arco", .x1 = 3.4e38, .y2 = -3.4e38},
        {.tipo = "Rettangolo", .x1 = 1e39, .x2 = 1e39, .y2 = 1, .x3 = 2e39, .y3 = 1},
        {.tipo = "ContinuaRettangolo", .x1 = 2e39},
    });
    EXPECT_EQ(d.dis.archi.Item(1).p1x, 3.4e38);
    EXPECT_EQ(d.dis.rettangoli.Item(1).punto(3), (Punto{2e39, 1}));
}

TEST(Lettura, DamagedFilesAreRefusedWithTheirFault)
{
    for (const CasoRifiuto& c : casiRifiuto()) {
        SCOPED_TRACE(c.nome);
        const EsitoLettura esito = leggi(c.bytes);
        const auto* e = std::get_if<ErroreLettura>(&esito);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->motivo, c.motivo);
        EXPECT_EQ(e->record, c.record);
    }
}

TEST(Lettura, FromDisk)
{
    Cartella dir;
    scriviByte(dir / "buono.dis", conRecord({{.tipo = "Linea", .x1 = 4}}));
    scriviByte(dir / "corto.dis", Intestazione{}.bytes() + "x");
    EsitoLettura buono = leggifile(dir / "buono.dis");
    ASSERT_TRUE(std::holds_alternative<DisegnoLetto>(buono));
    EXPECT_EQ(std::get<DisegnoLetto>(buono).dis.linee.Item(1).Xi, 4);
    EXPECT_EQ(std::get<ErroreLettura>(leggifile(dir / "corto.dis")).motivo, Motivo::RecordParziale);
    EXPECT_EQ(std::get<ErroreLettura>(leggifile(dir / "manca.dis")).motivo, Motivo::Illeggibile);
    EXPECT_EQ(std::get<ErroreLettura>(leggifile(dir / "")).motivo, Motivo::Illeggibile);
}

} // namespace
} // namespace tramel
