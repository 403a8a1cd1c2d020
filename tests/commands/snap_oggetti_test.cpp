#include "commands/snap_oggetti.h"
#include "disegno_prova.h"
#include "support/finestra_prova.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace tramel {
namespace {

constexpr int INIZIO = FILTRO_INIZIO, FINE = FILTRO_FINE, MEDIO = FILTRO_MEDIO, CENTRO = FILTRO_CENTRO;
const double R45 = 5 * std::sqrt(0.5);

struct CasoSnap {
    const char* nome;
    int filtro;
    double x, y, r;
    std::optional<Punto> atteso;
};

TEST(SnapOggetti, EachFilterOnEachKind)
{
    DisegnoProva p;
    p.d.linee.Item(1).stato = STATO_SELEZIONATO; // selected entities snap like any other
    linea(p.d, 1100, -5, 1100, 5);              // linea 7, through arco 5
    arco(p.d, 1105, 0, 5, 200, 160);             // arco 5, its leftmost point at (1100, 0)
    arco(p.d, 1200, 0, 5, 0, 180);               // arco 6, a half circle through angle 270
    const std::vector<CasoSnap> casi = {
        {"free: no search", FILTRO_LIBERO, 305, 0.5, 1, std::nullopt},
        {"start, near a line's middle", INIZIO, 305, 0.5, 1, Punto{300, 0}},
        {"end of a line", FINE, 305, 0.5, 1, Punto{310, 0}},
        {"middle of a line", MEDIO, 305, 0.5, 1, Punto{305, 0}},
        {"centre: lines give nothing", CENTRO, 305, 0.5, 1, std::nullopt},
        {"a line wholly inside the aperture", INIZIO, 320.05, 0, 1, std::nullopt},
        {"an erased line is passed over", INIZIO, 345, -0.5, 1, Punto{340, 0.2}},
        {"end, a surface's closing edge: its last vertex", FINE, 5, -0.5, 1, Punto{10, 0}},
        {"start, a surface's closing edge: its first vertex", INIZIO, 5, -0.5, 1, Punto{0, 0}},
        {"end, a surface's other edge: the later vertex", FINE, 0.5, 5, 1, Punto{0, 10}},
        {"end, a polyline's edge", FINE, 210.5, 5, 1, Punto{210, 0}},
        {"middle of a text's top side", MEDIO, 703, -0.1, 0.3, Punto{703.069, 0}},
        {"middle of a text's left side", MEDIO, 699.9, 1, 0.3, Punto{700, 1.27}},
        {"start of an arc", INIZIO, 503.9, 3.9, 1, Punto{500, 5}},
        {"end of an arc", FINE, 503.9, 3.9, 1, Punto{505, 0}},
        {"middle of an arc", MEDIO, 503.9, 3.9, 1, Punto{500 + R45, R45}},
        {"centre of an arc", CENTRO, 503.9, 3.9, 1, Punto{500, 0}},
        {"an arc's circle off the arc", CENTRO, 500, -5.5, 1, std::nullopt},
        {"middle of a half circle", MEDIO, 1200, -5.5, 1, Punto{1200, -5}},
        {"a tiny arc inside the aperture", CENTRO, 550, 0.1, 1, std::nullopt},
        {"an arc on one line: start", INIZIO, 605, 0.5, 1, Punto{600, 0}},
        {"an arc on one line: middle", MEDIO, 605, 0.5, 1, Punto{605, 0}},
        {"an arc on one line has no centre", CENTRO, 605, 0.5, 1, std::nullopt},
        {"a line before an arc", INIZIO, 1100, 0, 1, Punto{1100, -5}},
        {"centre: the arc, the line ignored", CENTRO, 1100, 0, 1, Punto{1105, 0}},
        {"centre of a tiny circle inside", CENTRO, 450.3, 0, 1, Punto{450, 0}},
        {"a circle only answers centre", INIZIO, 450.3, 0, 1, std::nullopt},
        {"centre of a big circle from its outline", CENTRO, 410.5, 0, 1, Punto{400, 0}},
        {"inside a big circle", CENTRO, 402, 0, 1, std::nullopt},
    };
    p.aggiorna();
    for (const CasoSnap& c : casi) {
        SCOPED_TRACE(c.nome);
        const auto punto = selezoggettifiltri(p.d, p.testi, c.filtro, c.x, c.y, c.r);
        ASSERT_EQ(punto.has_value(), c.atteso.has_value());
        if (punto) {
            EXPECT_NEAR(punto->x, c.atteso->x, 0.001);
            EXPECT_NEAR(punto->y, c.atteso->y, 0.001);
        }
    }
}

TEST(SnapOggetti, TheEngineKeepsTheLastPointFound)
{
    FinestraProva f;
    f.stato.dis = std::move(DisegnoProva().d);
    f.stato.aiuti.filtrosnap = FILTRO_FINE;
    f.motore.selezoggettifiltri(305, 2); // the aperture at scale 1 reaches the line 2 away
    EXPECT_EQ(f.stato.snap.trovatosnap, 1);
    EXPECT_EQ(f.stato.snap.snapx, 310);
    EXPECT_EQ(f.stato.snap.snapy, 0);
    f.motore.selezoggettifiltri(1000, 1000);
    EXPECT_EQ(f.stato.snap.trovatosnap, 0);
    EXPECT_EQ(f.stato.snap.snapx, 310);
}

} // namespace
} // namespace tramel
