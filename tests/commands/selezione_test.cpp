#include "disegno_prova.h"
#include "support/finestra_prova.h"

#include "platform/palette.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace tramel {

void PrintTo(const Preso& p, std::ostream* os) { *os << static_cast<int>(p.tipo) << "#" << p.posizione; }

namespace {

using T = TipoEntita;
using Presi = std::vector<Preso>;

struct CasoPick {
    const char* nome;
    double x, y, r;
    Presi attesi;
};

TEST(Selezione, PickTakesTheFirstHitOfEachKind)
{
    const DisegnoProva p;
    const std::vector<CasoPick> casi = {
        {"inside a surface, off its outline", 5, 5, 1, {}},
        {"a surface's edge", 5, 10.5, 1, {{T::superficie, 1}}},
        {"a surface's closing edge", 5, -0.5, 1, {{T::superficie, 1}}},
        {"inside a rectangle", 105, 5, 1, {}},
        {"a rectangle's closing edge", 105, -0.5, 1, {{T::rettangolo, 1}}},
        {"a polyline has no closing edge", 205, -0.5, 1, {}},
        {"a polyline's edge", 200.5, 5, 1, {{T::polilinea, 1}}},
        {"a polyline of one vertex", 250, 5, 1, {}},
        {"two lines: the first added", 305, 0.5, 1, {{T::linea, 1}}},
        {"a line tangent to the pick circle", 305, 1, 1, {{T::linea, 1}}},
        {"a short line wholly inside", 320.05, 0, 1, {}},
        {"an erased line is passed over", 345, -0.5, 1, {{T::linea, 5}}},
        {"inside a big circle", 402, 0, 1, {}},
        {"a big circle's outline", 410.5, 0, 1, {{T::cerchio, 1}}},
        {"a small circle centred inside", 450.3, 0, 1, {{T::cerchio, 2}}},
        {"a small circle centred outside", 451.3, 0, 1, {}},
        {"an arc near its drawn part", 503.9, 3.9, 1, {{T::arco, 1}}},
        {"an arc's circle away from the arc", 500, -5.5, 1, {}},
        {"a tiny arc inside the pick circle", 550, 0.1, 1, {{T::arco, 2}}},
        {"an arc on one line, as its segment", 605, 0.5, 1, {{T::arco, 3}}},
        {"an arc on one line, beyond its ends", 612, 0.5, 1, {}},
        {"inside a text, off its sides and centre line", 703, 0.6, 0.3, {}},
        {"a text's centre line", 703, 1.27, 0.3, {{T::testo, 1}}},
        {"a text's side", 703, -0.1, 0.3, {{T::testo, 1}}},
        {"a line and a circle at once", 800, 0, 1, {{T::linea, 6}, {T::cerchio, 3}}},
    };
    for (const CasoPick& c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(selezionaoggetti(p.d, p.testi, c.x, c.y, c.r), c.attesi);
    }
}

struct CasoFinestra {
    const char* nome;
    Riquadro f;
    Presi attesi;
};

TEST(Selezione, WindowTakesWhatLiesWhollyInside)
{
    DisegnoProva p;
    vertici(p.d.superfici, {}, &superficie::inser_vert_sup); // no vertices: inside no window
    const std::vector<CasoFinestra> casi = {
        {"a surface inside", {-1, -1, 11, 11}, {{T::superficie, 1}}},
        {"vertices on the border", {0, 0, 10, 10}, {{T::superficie, 1}}},
        {"one vertex outside", {0, 0, 10, 9.99}, {}},
        {"both lines inside", {299, -1, 311, 1}, {{T::linea, 1}, {T::linea, 2}}},
        {"a line with one end outside", {299, -1, 305, 1}, {}},
        {"an erased line is never taken", {339, -1, 351, 1}, {{T::linea, 5}}},
        {"a circle's bounding square inside", {390, -10, 410, 10}, {{T::cerchio, 1}}},
        {"a circle's square out by one", {391, -10, 410, 10}, {}},
        {"an arc's three points, its bulge outside", {895, -3.6, 903.6, 5}, {{T::arco, 4}}},
        {"an arc's end outside", {895.1, -3.6, 903.6, 5}, {}},
        {"a text's four corners", {699, -1, 707, 3}, {{T::testo, 1}}},
        {"a text's far corners outside", {699, -1, 705, 3}, {}},
        {"a polyline of one vertex", {249, 4, 251, 6}, {{T::polilinea, 2}}},
        {"nothing there", {1000, 1000, 1001, 1001}, {}},
    };
    for (const CasoFinestra& c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(selezfin(p.d, p.testi, c.f), c.attesi);
    }
}

TEST(Selezione, CrossingTakesWhatTouchesTheWindow)
{
    DisegnoProva p;
    p.d.linee.Item(2).stato = STATO_SELEZIONATO;
    const std::vector<CasoFinestra> casi = {
        {"a line through, both ends out; the selected one skipped", {304, -1, 306, 1}, {{T::linea, 1}}},
        {"an erased line is never taken", {344, -1, 346, 1}, {{T::linea, 5}}},
        {"a window inside a circle", {398, -1, 402, 1}, {}},
        {"a circle inside the window", {385, -15, 415, 15}, {{T::cerchio, 1}}},
        {"a window on the arc", {503, 3, 504, 4}, {{T::arco, 1}}},
        {"a window on the arc's circle off the arc", {499, -6, 501, -4}, {}},
        {"an arc on one line, crossed", {604, -1, 606, 1}, {{T::arco, 3}}},
        {"a surface's closing edge", {4, -1, 6, 1}, {{T::superficie, 1}}},
        {"where a polyline's closing edge would be", {204, -1, 206, 1}, {}},
        {"a text's side", {703, -1, 704, 1}, {{T::testo, 1}}},
        {"the edge of a window touching a line", {305, 0, 306, 1}, {{T::linea, 1}}},
    };
    for (const CasoFinestra& c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(selezinters(p.d, p.testi, c.f, false), c.attesi);
    }
    // Under a zoom command selected entities are tested too.
    EXPECT_EQ(selezinters(p.d, p.testi, {304, -1, 306, 1}, true), (Presi{{T::linea, 1}, {T::linea, 2}}));
}

TEST(Selezione, CrossingWalksTheKindsInItsOwnOrder)
{
    DisegnoProva p;
    disegno d;
    vertici(d.superfici, {{0, 0}, {1, 1}}, &superficie::inser_vert_sup);
    vertici(d.rettangoli, {{0, 0}, {1, 1}}, &Rettangolo::inser_vert_ret);
    vertici(d.polilinee, {{0, 0}, {1, 1}}, &polilinea::inser_vert_pol);
    linea(d, 0, 0, 1, 1);
    cerchio(d, 0, 0, 1);
    arco(d, 0, 0, 1, 90, 0);
    scritta(d, 0, 0);
    p.testi.aggiorna(d.testi, {p.metriche, 96, 96});
    const Presi attesi = {{T::superficie, 1}, {T::rettangolo, 1}, {T::linea, 1}, {T::cerchio, 1},
                          {T::arco, 1},       {T::polilinea, 1},  {T::testo, 1}};
    EXPECT_EQ(selezinters(d, p.testi, {-2, -2, 2, 2}, false), attesi);
}

struct CasoStira {
    const char* nome;
    Riquadro f;
    std::vector<PresoStira> attesi;
};

TEST(Selezione, StretchMarksTheVerticesInTheWindow)
{
    DisegnoProva p;
    const std::vector<CasoStira> casi = {
        {"a rectangle's right side", {105, -1, 111, 11}, {{{T::rettangolo, 1}, {3, 4}}}},
        {"vertices on the border", {110, 0, 111, 10}, {{{T::rettangolo, 1}, {3, 4}}}},
        {"a line crossing, both ends out", {304, -1, 306, 1}, {}},
        {"the lines' ends", {309, -1, 311, 1}, {{{T::linea, 1}, {2}}, {{T::linea, 2}, {2}}}},
        {"only an arc's bulge inside", {503, 3, 504, 4}, {}},
        {"an arc's start", {499, 4, 501, 6}, {{{T::arco, 1}, {1}}}},
        {"a text crossing", {703, -1, 704, 1}, {{{T::testo, 1}, {}}}},
        {"a circle crossing", {409, -1, 411, 1}, {{{T::cerchio, 1}, {}}}},
        {"a polyline's vertices", {199, -1, 201, 11}, {{{T::polilinea, 1}, {1, 2}}}},
    };
    for (const CasoStira& c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(selezintersStira(p.d, p.testi, c.f), c.attesi);
    }
    // A mark left by an earlier window keeps the line in the stretch.
    p.d.linee.Item(5).vert1_selez = 1;
    EXPECT_EQ(selezintersStira(p.d, p.testi, {1000, 1000, 1001, 1001}), (std::vector<PresoStira>{{{T::linea, 5}, {}}}));
}

// The engine's side: marks, the count, the highlight and the caller's corners.
struct Motore : FinestraProva {
    Motore()
    {
        DisegnoProva p;
        stato.dis = std::move(p.d);
        stato.vista.scala = 1;
    }
    int disegni() const { return static_cast<int>(superficie.registro.only({"Polyline", "Polygon", "Ellipse"}).size()); }
};

TEST(SelezioneMotore, PickCountsOnlyWhatItNewlySelectsAndDrawsItHighlighted)
{
    Motore m;
    m.motore.selezionaoggetti(800, 0); // a line and a circle
    EXPECT_EQ(m.stato.comandi.numselez, 2);
    EXPECT_EQ(m.stato.dis.linee.Item(6).stato, STATO_SELEZIONATO);
    EXPECT_EQ(m.stato.dis.cerchi.Item(3).stato, STATO_SELEZIONATO);
    EXPECT_EQ(m.disegni(), 2);
    const std::string evidenzia = RecordingDc::colorText(Palette::color(m.stato.colori.colevidenzia.toInt16()));
    for (const std::string& penna : m.superficie.registro.only({"CreatePen"}))
        EXPECT_NE(penna.find(evidenzia), std::string::npos) << penna;
    m.motore.selezionaoggetti(305, 0.5); // two lines: the first
    m.motore.selezionaoggetti(305, 0.5); // it stops at the first, selected already
    EXPECT_EQ(m.stato.comandi.numselez, 3);
    EXPECT_EQ(m.stato.dis.linee.Item(2).stato, STATO_NORMALE);
    EXPECT_EQ(m.disegni(), 3);
}

TEST(SelezioneMotore, ThePickCircleKeepsItsSizeOnTheScreen)
{
    Motore m;
    EXPECT_NEAR(raggioMirino(1), 2.249, 0.001); // half of 255 twips, in mm
    m.stato.vista.scala = 2;                    // zoomed in: the circle is half as wide in the drawing
    m.motore.selezionaoggetti(305, 1.5);
    EXPECT_EQ(m.stato.comandi.numselez, 0);
    m.stato.vista.scala = 1;
    m.motore.selezionaoggetti(305, 1.5);
    EXPECT_EQ(m.stato.comandi.numselez, 1);
}

TEST(SelezioneMotore, WindowOrdersTheCallersCornersAndCountsOnce)
{
    Motore m;
    m.stato.dis.linee.Item(1).stato = STATO_SELEZIONATO;
    double x1 = 311, y1 = 1, x2 = 299, y2 = -1;
    m.motore.selezfin(x1, y1, x2, y2);
    EXPECT_EQ((std::vector<double>{x1, y1, x2, y2}), (std::vector<double>{299, -1, 311, 1}));
    EXPECT_EQ(m.stato.comandi.numselez, 1);
    EXPECT_EQ(m.stato.dis.linee.Item(2).stato, STATO_SELEZIONATO);
}

TEST(SelezioneMotore, ThePrintWindowOnlyMarksForPrinting)
{
    Motore m;
    m.stato.corrente().tipo = "Selstamp";
    double x1 = 306, y1 = 1, x2 = 304, y2 = -1;
    m.motore.selezinters(x1, y1, x2, y2);
    EXPECT_EQ(m.stato.dis.linee.Item(1).stampare, 1);
    EXPECT_EQ(m.stato.dis.linee.Item(2).stampare, 1);
    EXPECT_EQ(m.stato.dis.linee.Item(1).stato, STATO_NORMALE);
    EXPECT_EQ(m.stato.dis.linee.Item(5).stampare, 0);
    EXPECT_EQ(m.stato.comandi.numselez, 0);
    EXPECT_EQ(m.disegni(), 0);
}

TEST(SelezioneMotore, StretchMarksCountsOnceAndCancelClearsTheMarks)
{
    Motore m;
    m.avvia("Stira");
    Rettangolo& r = m.stato.dis.rettangoli.Item(1);
    r.stato = STATO_SELEZIONATO;
    double x1 = 111, y1 = 11, x2 = 105, y2 = -1;
    m.motore.selezintersStira(x1, y1, x2, y2);
    double a1 = 309, b1 = -1, a2 = 311, b2 = 1;
    m.motore.selezintersStira(a1, b1, a2, b2);
    EXPECT_EQ(m.stato.comandi.numselez, 2); // the two lines; the rectangle was selected already
    std::int16_t segni[5] = {};
    for (int i = 1; i <= 4; ++i)
        r.prel_vertselez(segni[i], i);
    EXPECT_EQ((std::vector<int>{segni[1], segni[2], segni[3], segni[4]}), (std::vector<int>{0, 0, 1, 1}));
    EXPECT_EQ(m.stato.dis.linee.Item(1).vert2_selez, 1);
    EXPECT_EQ(m.stato.dis.linee.Item(1).vert1_selez, 0);

    m.motore.annullacomando(-1);
    r.prel_vertselez(segni[3], 3);
    EXPECT_EQ(segni[3], 0);
    EXPECT_EQ(m.stato.dis.linee.Item(1).vert2_selez, 0);
    EXPECT_EQ(r.stato, STATO_NORMALE);
}

} // namespace
} // namespace tramel
