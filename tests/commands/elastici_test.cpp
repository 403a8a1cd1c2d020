#include "support/finestra_prova.h"

#include "platform/palette.h"

#include <gtest/gtest.h>

namespace tramel {
namespace {

// A window at scale 3 with the snap step off, unless a test turns it on.
struct Bande : FinestraProva {
    Bande() : FinestraProva(VistaProva{}) { stato.aiuti.snapattivo = AIUTO_OFF; }
    const LineaOverlay& banda() const { return stato.overlay.Line3; }
    const FormaOverlay& forma() const { return stato.overlay.Shape1; }
    Rgb anteprima() const { return Palette::color(stato.colori.colanteprima.toInt16()); }
};

// Orto on: a cursor on the 45-degree diagonal gives a vertical band; the
// rectangle is never constrained.
TEST(Bande, OrthogonalLineButNotRectangle)
{
    Bande f;
    f.stato.aiuti.ortoattivo = AIUTO_ON;
    f.start("Linea");
    f.click(1, 1);
    const Punto p = f.move(6, 6);
    EXPECT_EQ(p.x, 1);
    EXPECT_EQ(p.y, 6);
    EXPECT_EQ(f.banda().x2, 3);
    EXPECT_EQ(f.box(5).testo, " DX= 0");
    EXPECT_EQ(f.box(6).testo, " DY= 5");
    EXPECT_EQ(f.box(7).testo, " L= 5");
    f.key(Tasto::Esc);
    f.start("Rettangolo");
    f.click(1, 1);
    EXPECT_EQ(f.move(6, 4).x, 6);
}

// A rectangle dragged up and left has a positive size, anchored at the cursor;
// it takes the look of a new outline and fill, painted over the picture.
TEST(Bande, RectangleUpAndLeftInTheNewOutlineLook)
{
    Bande f;
    f.modulo.gen_colcont = RGB(1, 2, 3);
    f.modulo.gen_campitura = 2;
    f.modulo.gen_colocampitura = RGB(4, 5, 6);
    f.start("Rettangolo");
    f.click(10, 10);
    f.move(4, 6);
    const FormaOverlay& r = f.forma();
    EXPECT_TRUE(r.visibile);
    EXPECT_FALSE(f.banda().visibile);
    EXPECT_EQ(r.forma, FormaOverlay::Rettangolo);
    EXPECT_EQ(std::vector<double>({r.sinistra, r.alto, r.larghezza, r.altezza}), std::vector<double>({12, 18, 18, 12}));
    EXPECT_EQ(r.raster, R2_COPYPEN);
    EXPECT_EQ(r.colore, RGB(1, 2, 3));
    EXPECT_EQ(r.campitura, HS_FDIAGONAL);
    EXPECT_EQ(r.coloreCampitura, RGB(4, 5, 6));
    EXPECT_EQ(f.box(5).testo, " DX=-6");
    EXPECT_EQ(f.box(6).testo, " DY=-4");
    EXPECT_EQ(f.box(2).testo, " 4, 6");
}

// The circle shows its radius twice and its outline about the centre; two
// clicks make the circle of that radius.
TEST(Bande, CircleOfTwoClicks)
{
    Bande f;
    f.start("Cerchio");
    f.click(10, 10);
    f.move(13, 14);
    EXPECT_EQ(f.box(5).testo, " R= 5");
    EXPECT_EQ(f.box(2).testo, " 5");
    EXPECT_EQ(f.box(6).testo, "");
    EXPECT_EQ(f.box(7).testo, "");
    const FormaOverlay& c = f.forma();
    EXPECT_EQ(c.forma, FormaOverlay::Cerchio);
    EXPECT_EQ(c.raster, R2_COPYPEN);
    EXPECT_DOUBLE_EQ(c.sinistra, 30 - 15);
    EXPECT_DOUBLE_EQ(c.larghezza, 30);
    EXPECT_TRUE(f.banda().visibile); // the radius line
    f.click(13, 14);
    ASSERT_EQ(f.stato.dis.cerchi.Count(), 1);
    EXPECT_DOUBLE_EQ(f.stato.dis.cerchi.Item(1).raggio, 5);
    EXPECT_FALSE(f.forma().visibile);
}

// The band of a line, a polyline or a surface in the look of new ones: style
// 5 hides it while the read-outs still change; the width follows the
// thickness at the scale, one pixel at least.
TEST(Bande, LookOfNewLinesAndOutlines)
{
    struct Caso {
        std::string comando;
        std::int32_t stile, spessore;
        int penna, larghezza;
    };
    const std::vector<Caso> casi = {
        {"Linea", 5, 0, PS_NULL, 1},       {"Linea", 2, 10, PS_DOT, 12},
        {"Polilinea", 0, 1, PS_SOLID, 1}, // 1.2 rounds to 1
        {"Superficie", 3, 5, PS_DASHDOT, 6},
    };
    for (const Caso& c : casi) {
        Bande f;
        const bool sup = c.comando == "Superficie";
        (sup ? f.modulo.gen_trattcont : f.modulo.gen_TipoLinea) = c.stile;
        (sup ? f.modulo.gen_spescont : f.modulo.gen_speslinea) = c.spessore;
        (sup ? f.modulo.gen_colcont : f.modulo.gen_colorelinea) = RGB(7, 8, 9);
        f.start(c.comando);
        f.click(0, 0);
        f.move(3, 4);
        EXPECT_EQ(f.banda().stile, c.penna) << c.comando;
        EXPECT_EQ(f.banda().larghezza, c.larghezza) << c.comando;
        EXPECT_EQ(f.banda().colore, RGB(7, 8, 9)) << c.comando;
        EXPECT_EQ(f.box(7).testo, " L= 5") << c.comando;
    }
}

// Selection and zoom windows: solid for "Fines" and "Zoom Area", dotted for
// "Inters" and "Stira", in the preview colour, over the picture by not-merge-pen.
TEST(Bande, SelectionAndZoomWindows)
{
    const std::vector<std::tuple<std::string, std::string, int>> casi = {
        {"Sposta", "Fines", PS_SOLID}, {"Sposta", "Inters", PS_DOT}, {"Cancella", "Fines", PS_SOLID},
        {"Stira", "Fines", PS_DOT},    {"Zoom Area", "Inters", PS_SOLID},
    };
    for (const auto& [comando, modo, stile] : casi) {
        Bande f;
        f.linea(0, 0, 10, 0);
        f.stato.comandi.modoscelto = modo;
        f.start(comando);
        f.click(2, 2);
        f.move(4, 5);
        const FormaOverlay& w = f.forma();
        EXPECT_TRUE(w.visibile) << comando;
        EXPECT_FALSE(f.banda().visibile) << comando;
        EXPECT_EQ(w.stile, stile) << comando << " " << modo;
        EXPECT_EQ(w.raster, R2_NOTMERGEPEN) << comando;
        EXPECT_EQ(w.colore, f.anteprima()) << comando;
        EXPECT_EQ(w.campitura, CAMPITURA_NESSUNA) << comando;
        EXPECT_EQ(std::vector<double>({w.sinistra, w.alto, w.larghezza, w.altezza}),
                  std::vector<double>({6, 6, 6, 9}))
            << comando;
        EXPECT_EQ(f.box(5).testo, " DX= 2") << comando;
    }
}

// The read-outs take the snap step's decimals while it is on, the full value otherwise.
TEST(Bande, ReadOutsOnTheStepsDecimals)
{
    Bande f;
    f.start("Distanza-Angolo");
    f.click(0, 0);
    f.move(1.3, 1);
    EXPECT_EQ(f.box(5).testo, " DX= 1.30000003178914"); // the cursor as a Single, unrounded
    f.stato.aiuti.snapattivo = AIUTO_ON;
    f.stato.aiuti.passosnap = 0.25;
    f.move(1.3, 1);
    EXPECT_EQ(f.box(5).testo, " DX= 1.25");
    EXPECT_EQ(f.box(7).testo, " L=" + strNumero(std::sqrt(1.25 * 1.25 + 1)));
    EXPECT_EQ(f.box(2).testo, " 1.25, 1");
}

// The arc's second band runs from its end point once that is known.
TEST(Bande, ArcSecondBand)
{
    Bande f;
    f.start("Arco");
    f.click(0, 0);
    f.move(3, 4);
    EXPECT_EQ(f.box(7).testo, " R= 5");
    EXPECT_FALSE(f.stato.overlay.Line4.visibile);
    f.click(10, 0);
    f.move(5, 5);
    const LineaOverlay& l = f.stato.overlay.Line4;
    EXPECT_TRUE(l.visibile);
    EXPECT_EQ(std::vector<double>({l.x1, l.y1, l.x2, l.y2}), std::vector<double>({30, 0, 15, 15}));
    EXPECT_EQ(l.colore, f.anteprima());
}

} // namespace
} // namespace tramel
