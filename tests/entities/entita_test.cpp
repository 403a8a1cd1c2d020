#include "entities/disegno.h"
#include "platform/recording_dc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace tramel;

namespace {

void quadrato(ListaVertici& e)
{
    e.vertic(4);
    e.punto(1, {0, 0});
    e.punto(2, {10, 0});
    e.punto(3, {10, 10});
    e.punto(4, {0, 10});
}

} // namespace

TEST(ListaVertici, ResizeKeepsRemainingVerticesAndClearsNewOnes)
{
    polilinea p;
    p.vertic(5);
    for (int i = 1; i <= 5; ++i) {
        p.inser_vert_pol(i, 10 * i, i);
        p.ins_vertselez(1, i);
    }
    p.vertic(3);
    p.vertic(5);
    for (int i = 1; i <= 5; ++i) {
        double x = -1, y = -1;
        std::int16_t mark = -1;
        p.prel_vert_pol(x, y, i);
        p.prel_vertselez(mark, i);
        EXPECT_EQ(x, i <= 3 ? i : 0) << i;
        EXPECT_EQ(y, i <= 3 ? 10 * i : 0) << i;
        EXPECT_EQ(mark, i <= 3 ? 1 : 0) << i;
    }
}

TEST(ListaVertici, IndexesRoundHalfToEvenAndStayInBounds)
{
    superficie s;
    s.vertic(4);
    s.inser_vert_sup(7, 8, 2.5); // vertex 2
    s.inser_vert_sup(9, 9, 3.5); // vertex 4
    double x = 0, y = 0;
    s.prel_vert_sup(x, y, 2);
    EXPECT_EQ(x, 7);
    s.prel_vert_sup(x, y, 4);
    EXPECT_EQ(x, 9);

    // A damaged file can hand in counts that do not match: nothing outside 0..vertic is touched.
    s.inser_vert_sup(1, 1, 5);
    s.inser_vert_sup(1, 1, -1);
    s.ins_vertselez(1, 99);
    x = y = 5;
    s.prel_vert_sup(x, y, 5);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    std::int16_t mark = 3;
    s.prel_vertselez(mark, 1e12);
    EXPECT_EQ(mark, 0);
    s.vertic(-3);
    EXPECT_EQ(s.vertic(), 0);
}

struct CasoCampitura {
    std::int32_t campitura;
    std::int32_t hBmp;
    std::string pennello; // the brush in force as the surface is drawn
};

class CampituraTest : public ::testing::TestWithParam<CasoCampitura> {};

TEST_P(CampituraTest, PenAndBrushAreCreatedSelectedRestoredAndDeletedInOrder)
{
    const CasoCampitura c = GetParam();
    superficie s;
    quadrato(s);
    s.trattcont = 1;
    s.spescont = 2.5f; // rounds to 2
    s.colcont = RGB(255, 0, 0);
    s.campitura = c.campitura;
    s.colocampitura = RGB(0, 0, 255);
    s.hBmp = c.hBmp;
    RecordingDc dc;
    s.DC = &dc;
    s.disSup();

    EXPECT_EQ(dc.disegni(), std::vector<std::string>{"Polygon(0,0 10,0 10,10 0,10) pen(1,2,#ff0000) " + c.pennello});
    // The device has its own objects back, and only the stock objects are left.
    const GdiObjects nuovo;
    EXPECT_EQ(dc.objects().pen(), nuovo.pen());
    EXPECT_EQ(dc.objects().brush(), nuovo.brush());
    EXPECT_EQ(dc.objects().liveCount(), 3u);
    EXPECT_EQ(dc.only({"DeleteObject"}).size(), c.pennello == "brush(hollow)" ? 1u : 2u);
}

INSTANTIATE_TEST_SUITE_P(Codici, CampituraTest,
                         ::testing::Values(CasoCampitura{0, 0, "brush(hatch,0,#0000ff)"},
                                           CasoCampitura{3, 0, "brush(hatch,3,#0000ff)"},
                                           CasoCampitura{5, 0, "brush(hatch,5,#0000ff)"},
                                           CasoCampitura{6, 0, "brush(solid,#0000ff)"},
                                           CasoCampitura{7, 0, "brush(hollow)"},
                                           CasoCampitura{8, 0, "brush(hollow)"},
                                           CasoCampitura{8, 42, "brush(pattern,42)"},
                                           CasoCampitura{-1, 0, "brush(hollow)"},
                                           CasoCampitura{99, 0, "brush(hollow)"}));

TEST(DisegnoVertici, RectangleAndSurfaceCloseWhilePolylineStaysOpen)
{
    Rettangolo r;
    quadrato(r);
    r.campitura = 0;
    RecordingDc dcr;
    r.DC = &dcr;
    r.disrettangolo();
    EXPECT_EQ(dcr.only({"Polygon"}), std::vector<std::string>{"Polygon(0,0 10,0 10,10 0,10)"});
    EXPECT_EQ(dcr.only({"CreateHatchBrush"}).size(), 1u);

    polilinea p;
    p.vertic(3);
    p.inser_vert_pol(2.5, 3.5, 1); // halves go to the even neighbour
    p.inser_vert_pol(-2.5, -3.5, 2);
    p.inser_vert_pol(1e12, -1e12, 3); // saturates, never overflows
    RecordingDc dcp;
    p.DC = &dcp;
    p.disPolyline();
    EXPECT_EQ(dcp.only({"Polyline", "Polygon", "CreateHatchBrush", "CreateSolidBrush"}),
              std::vector<std::string>{"Polyline(2,4 -2,-4 2147483647,-2147483648)"});
    EXPECT_EQ(dcp.objects().liveCount(), 3u);
}

TEST(CerchioDisegno, UsesTheCentrePointDistanceNotTheStoredRadius)
{
    Cerchio c;
    c.Xcentro = 100;
    c.Ycentro = 50;
    c.Xpunto = 103;
    c.YPunto = 54; // distance 5
    c.raggio = 40; // stale
    c.campitura = 7;
    RecordingDc dc;
    c.DC = &dc;
    c.discerchio();
    EXPECT_EQ(dc.only({"Ellipse"}), std::vector<std::string>{"Ellipse(95,45,105,55)"});
    // Fill code 7: only the pen is created and deleted.
    EXPECT_EQ(dc.disegni(), std::vector<std::string>{"Ellipse(95,45,105,55) pen(0,0,#000000) brush(hollow)"});
    EXPECT_EQ(dc.only({"CreatePen", "CreateHatchBrush", "CreateSolidBrush"}).size(), 1u);
    EXPECT_EQ(dc.only({"DeleteObject"}).size(), 1u);
    EXPECT_EQ(dc.objects().liveCount(), 3u);
}

TEST(ArcoCerchio, CircleThroughThreePoints)
{
    struct Caso {
        double x1, y1, x2, y2, x3, y3, xc, yc, r;
    };
    for (const Caso& c : {Caso{1, 0, 0, 1, -1, 0, 0, 0, 1}, Caso{5, 2, 2, 5, -1, 2, 2, 2, 3}}) {
        Arco a;
        a.p1x = c.x1, a.p1y = c.y1, a.p2x = c.x2, a.p2y = c.y2, a.p3x = c.x3, a.p3y = c.y3;
        double xc = 99, yc = 99, r = 99;
        a.Calcola_Xc_Yc_Raggio_arco(xc, yc, r);
        EXPECT_NEAR(xc, c.xc, 1e-12);
        EXPECT_NEAR(yc, c.yc, 1e-12);
        EXPECT_NEAR(r, c.r, 1e-12);
    }
}

TEST(ArcoCerchio, CollinearPointsLeaveTheCallersValues)
{
    Arco a;
    a.p1x = 0, a.p2x = 2, a.p3x = 1; // all on y = 0
    double xc = -7, yc = -8, r = -9;
    a.Calcola_Xc_Yc_Raggio_arco(xc, yc, r);
    EXPECT_EQ(xc, -7);
    EXPECT_EQ(yc, -8);
    EXPECT_EQ(r, -9);

    // Drawn in a zero box at the origin.
    RecordingDc dc;
    a.DC = &dc;
    a.Disarco();
    EXPECT_EQ(dc.only({"Arc"}), std::vector<std::string>{"Arc(0,0,0,0,0,0,2,0)"});
}

TEST(ArcoDisegno, QuarterArcFromStartRadialToEndRadial)
{
    Arco a;
    a.p1x = 10, a.p1y = 0;
    a.p3x = 7.0710678118654755, a.p3y = -7.0710678118654755;
    a.p2x = 0, a.p2y = -10;
    RecordingDc dc;
    a.DC = &dc;
    a.Disarco();
    EXPECT_EQ(dc.only({"Arc"}), std::vector<std::string>{"Arc(-10,-10,10,10,10,0,0,-10)"});
    EXPECT_EQ(dc.objects().liveCount(), 3u);
}

TEST(ArcoDisegno, NearlyCollinearArcIsClampedWithoutOverflow)
{
    // A tiny bulge puts the centre far away; an even tinier one beyond the 32-bit range.
    for (double bulge : {1e-3, 1e-9}) {
        Arco a;
        a.p1x = -1000, a.p1y = 0;
        a.p2x = 1000, a.p2y = 0;
        a.p3x = 0, a.p3y = bulge;
        RecordingDc dc;
        a.DC = &dc;
        a.Disarco();
        const std::vector<std::string> arc = dc.only({"Arc"});
        ASSERT_EQ(arc.size(), 1u);
        int l, t, r, b;
        ASSERT_EQ(std::sscanf(arc[0].c_str(), "Arc(%d,%d,%d,%d", &l, &t, &r, &b), 4);
        EXPECT_EQ(r - l, 200000) << bulge; // radius 100000
        if (bulge > 1e-6)
            EXPECT_EQ(b - t, 200000);
        else
            EXPECT_EQ(t, std::numeric_limits<std::int32_t>::min()); // a centre beyond 32 bits saturates
    }
}

TEST(TestoCarattere, FieldHoldsNameNulAndBlanks)
{
    testo t;
    t.carattere_testo("Arial");
    EXPECT_EQ(t.carattere_testo(), std::string("Arial") + '\0' + std::string(26, ' '));
    EXPECT_EQ(t.nomeCarattere(), "Arial");

    // A long name keeps its terminator: cut to 31 characters.
    const std::string lungo(40, 'x');
    t.carattere_testo(lungo);
    EXPECT_EQ(t.carattere_testo().size(), 32u);
    EXPECT_EQ(t.carattere_testo()[31], '\0');
    EXPECT_EQ(t.nomeCarattere(), std::string(31, 'x'));

    // A field that already holds its NUL (as a file hands it over) is kept byte for byte.
    const std::string campo = std::string("Times New Roman") + '\0' + std::string(15, 'Z') + ' ';
    t.carattere_testo(campo);
    EXPECT_EQ(t.carattere_testo(), campo);
    EXPECT_EQ(t.nomeCarattere(), "Times New Roman");

    // Trailing blanks before the NUL are not part of the face.
    t.carattere_testo("Courier   ");
    EXPECT_EQ(t.nomeCarattere(), "Courier");
}

TEST(TestoDisegno, FontRecordFromTheAttributes)
{
    struct Caso {
        float dimens;
        double ang;
        std::int16_t bold;
        std::int16_t corsivo;
        std::string font; // the expected CreateFontIndirect line, without its handle
    };
    const Caso casi[] = {
        {0.4f, 0, 0, 0, "CreateFontIndirect(1,0,0,000,Arial)"},        // height 0 draws at 1
        {-12.5f, 90, 0, 0, "CreateFontIndirect(-12,900,0,000,Arial)"}, // escapement in tenths
        {10, 2.5, 0, 0, "CreateFontIndirect(10,20,0,000,Arial)"},      // the angle reads back rounded half-even
        {10, 0, 1, 0, "CreateFontIndirect(10,0,0,000,Arial)"},         // only -1 is bold
        {10, 0, -1, -1, "CreateFontIndirect(10,0,700,100,Arial)"},
        {10, 1e300, 0, 0, "CreateFontIndirect(10,2147483647,0,000,Arial)"}, // saturated, not overflowed
    };
    for (const Caso& c : casi) {
        testo t;
        t.carattere_testo("Arial");
        t.stringa_testo = "ab";
        t.dimens_testo = c.dimens;
        t.ang_testo(c.ang);
        t.bold_testo = c.bold;
        t.corsivo_testo = c.corsivo;
        RecordingDc dc;
        t.DC = &dc;
        t.dis_testo();
        const auto fonts = dc.only({"CreateFontIndirect"});
        ASSERT_EQ(fonts.size(), 1u);
        EXPECT_EQ(fonts[0].substr(0, fonts[0].rfind('=')), c.font);
    }
}

TEST(TestoDisegno, OpaqueTextLeavesTheDeviceTransparent)
{
    testo t;
    t.carattere_testo("Arial");
    t.stringa_testo = "Caffè  "; // trailing blanks are not drawn
    t.pos_testox = 2.5;
    t.pos_testoy = 3.5;
    t.dimens_testo = 10;
    t.opaco_testo = VERO;
    t.colore_opaco_testo = RGB(1, 2, 3);
    RecordingDc dc;
    t.DC = &dc;
    t.dis_testo();
    const std::vector<std::string> atteso = {"SetBkMode(2)", "SetBkColor(#010203)", "TextOut(2,4,Caff\xE8)",
                                             "SetBkMode(1)"};
    EXPECT_EQ(dc.only({"SetBkMode", "SetBkColor", "TextOut"}), atteso);
    EXPECT_EQ(dc.disegni(), std::vector<std::string>{"TextOut(2,4,Caff\xE8) font(10,0,0,000,Arial)"});
    EXPECT_EQ(dc.objects().font(), GdiObjects().font()); // the device's own font back
    EXPECT_EQ(dc.objects().liveCount(), 3u);

    t.opaco_testo = 1; // only -1 is opaque
    RecordingDc dc2;
    t.DC = &dc2;
    t.dis_testo();
    EXPECT_EQ(dc2.only({"SetBkMode", "SetBkColor"}), std::vector<std::string>{"SetBkMode(1)"});
    EXPECT_EQ(dc2.bkMode(), TRANSPARENT);
}

TEST(TestoDisegno, NCartestoLimitsTheCharacters)
{
    testo t;
    t.stringa_testo = "àbcdef";
    t.nCartesto = 2;
    RecordingDc dc;
    t.DC = &dc;
    t.dis_testo();
    EXPECT_EQ(dc.only({"TextOut"}), std::vector<std::string>{"TextOut(0,0,\xE0" "b)"});
}

TEST(TestoStile, EachFlagReadsBackWhatItsWriteStored)
{
    testo t;
    t.bold_testo = VERO;
    t.corsivo_testo = VERO;
    EXPECT_EQ(t.corsivo_testo, VERO);
    EXPECT_EQ(t.bold_testo, VERO);
    EXPECT_EQ(t.barrato_testo, FALSO);
    const LogFont f = t.fontLogico(-10);
    EXPECT_TRUE(f.italic);
    EXPECT_FALSE(f.underline);
    EXPECT_FALSE(f.strikeOut);
    EXPECT_EQ(f.weight, FW_BOLD);
}

TEST(ArcoCerchio, CircleIsNothingForCollinearPoints)
{
    Arco a;
    a.p1x = 1, a.p1y = 0, a.p2x = -1, a.p2y = 0, a.p3x = 0, a.p3y = 1;
    const auto c = a.cerchio();
    ASSERT_TRUE(c.has_value());
    EXPECT_NEAR(c->r, 1, 1e-12);
    a.p3y = 0;
    EXPECT_FALSE(a.cerchio().has_value());
}
