#include "superficie_finta.h"

#include "view/aggiungi.h"
#include "view/estensioni.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tramel;

namespace {

struct Estensione {
    double xmin, ymin, xmax, ymax;
};

Estensione estensioni(FinestraProva& f)
{
    const MisuraTesto misura{f.sup.metrics(), f.s.vista.dpiX, f.s.vista.dpiY};
    determxymin_xymax(f.s, misura);
    return {f.s.xmin, f.s.ymin, f.s.xmax, f.s.ymax};
}

void linea(DrawingState& s, double xi, double yi, double xf, double yf, std::int16_t stato = STATO_NORMALE)
{
    auto l = std::make_unique<Linea>();
    l->Xi = xi, l->Yi = yi, l->Xf = xf, l->Yf = yf;
    l->stato = stato;
    s.dis.linee.Add(std::move(l));
}

} // namespace

TEST(Estensioni, TheOriginIsAlwaysInsideAndErasedEntitiesDoNotCount)
{
    FinestraProva vuota;
    vuota.s.xmax = 50;
    const Estensione e0 = estensioni(vuota);
    EXPECT_EQ(e0.xmin, 0);
    EXPECT_EQ(e0.xmax, 0);
    EXPECT_EQ(e0.ymax, 0);

    FinestraProva f;
    linea(f.s, 10, 10, 20, 30);
    linea(f.s, 1000, 1000, 2000, 2000, STATO_CANCELLATO);
    const Estensione e = estensioni(f);
    EXPECT_EQ(e.xmin, 0);
    EXPECT_EQ(e.ymin, 0);
    EXPECT_EQ(e.xmax, 20);
    EXPECT_EQ(e.ymax, 30);

    FinestraProva n;
    linea(n.s, -5, -5, -1, -2);
    const Estensione en = estensioni(n);
    EXPECT_EQ(en.xmin, -5);
    EXPECT_EQ(en.ymin, -5);
    EXPECT_EQ(en.xmax, 0);
    EXPECT_EQ(en.ymax, 0);
}

TEST(Estensioni, CirclesAndArcsCountWithTheirWholeCircle)
{
    FinestraProva f;
    auto c = std::make_unique<Cerchio>();
    c->Xcentro = 10, c->Ycentro = 10, c->raggio = 3;
    f.s.dis.cerchi.Add(std::move(c));
    Estensione e = estensioni(f);
    EXPECT_EQ(e.xmax, 13);
    EXPECT_EQ(e.ymax, 13);

    // An arc on the upper half (y <= 20) of the circle of radius 5 about (20, 20).
    FinestraProva a;
    auto arco = std::make_unique<Arco>();
    arco->p1x = 25, arco->p1y = 20, arco->p3x = 20, arco->p3y = 15, arco->p2x = 15, arco->p2y = 20;
    a.s.dis.archi.Add(std::move(arco));
    e = estensioni(a);
    EXPECT_NEAR(e.ymax, 25, 1e-9);
    EXPECT_NEAR(e.xmax, 25, 1e-9);

    // Three points on one line have no circle: the arc counts with its points.
    FinestraProva r;
    r.s.xmax = 99;
    auto retto = std::make_unique<Arco>();
    retto->p1x = 1, retto->p1y = 1, retto->p3x = 2, retto->p3y = 2, retto->p2x = 4, retto->p2y = 4;
    r.s.dis.archi.Add(std::move(retto));
    e = estensioni(r);
    EXPECT_EQ(e.xmax, 4);
    EXPECT_EQ(e.ymax, 4);
}

TEST(Estensioni, ATextAtNinetyDegreesWidensUpwards)
{
    FinestraProva f;
    auto t = std::make_unique<testo>();
    t->carattere_testo("Arial");
    t->stringa_testo = "abc";
    t->dimens_testo = 10;
    t->ang_testo(90);
    t->pos_testox = 0.1;
    t->pos_testoy = 0.1;
    f.s.dis.testi.Add(std::move(t));
    const Estensione e = estensioni(f);
    EXPECT_LT(e.ymin, 0); // the box runs up from the reference point, past the origin's row
    EXPECT_GT(e.xmax, 0.1);
    EXPECT_DOUBLE_EQ(e.ymax, 0.1);
}

TEST(AggiungiOggetto, APolylineOfOneVertexIsLeftAsItIs)
{
    FinestraProva f;
    f.s.ogg.oggpolilinea->vertic(1);
    f.s.ogg.oggpolilinea->inser_vert_pol(3, 4, 1);
    aggiungi_oggetto(f.s, f.sup, "Polilinea");
    EXPECT_EQ(f.s.dis.polilinee.Count(), 0);
    EXPECT_TRUE(f.sup.chiamate().empty());
    EXPECT_EQ(f.s.dasalvare, 0);
    double x = 0, y = 0;
    f.s.ogg.oggpolilinea->prel_vert_pol(x, y, 1);
    EXPECT_EQ(x, 3);
}

TEST(AggiungiOggetto, ARectangleIsDrawnOnceWithTheDefaultsAndItsMeasures)
{
    FinestraProva f;
    f.modulo.gen_campitura = 6;
    f.modulo.gen_colocampitura = RGB(0, 0, 255);
    f.modulo.gen_spescont = 5;
    Rettangolo& r = *f.s.ogg.oggrettangolo;
    r.vertic(4);
    r.inser_vert_ret(0, 0, 1);
    r.inser_vert_ret(3, 0, 2);
    r.inser_vert_ret(3, 2, 3);
    r.inser_vert_ret(0, 2, 4);
    aggiungi_oggetto(f.s, f.sup, "Rettangolo");

    ASSERT_EQ(f.s.dis.rettangoli.Count(), 1);
    const Rettangolo& dentro = f.s.dis.rettangoli.Item(1);
    EXPECT_DOUBLE_EQ(dentro.perimet, 10);
    EXPECT_DOUBLE_EQ(dentro.supf, 6);
    EXPECT_EQ(dentro.campitura, 6);
    EXPECT_EQ(dentro.spescont, 5.0f);
    EXPECT_TRUE(f.sup.pulizie.empty()); // no full redraw
    EXPECT_EQ(f.sup.solo({"Polygon"}).size(), 1u);
    EXPECT_EQ(f.sup.disegni().back(), "Polygon(0,0 90,0 90,60 0,60) pen(0,6,#000000) brush(solid,#0000ff)");
    EXPECT_FALSE(f.s.ogg.oggrettangolo.esiste());

    // The defaults were copied: changing them later leaves the entity alone.
    f.modulo.gen_campitura = 2;
    EXPECT_EQ(dentro.campitura, 6);
}

TEST(AggiungiOggetto, ACircleGetsItsRadiusBeforeItIsDrawn)
{
    FinestraProva f;
    Cerchio& c = *f.s.ogg.oggcerchio;
    c.Xpunto = 3;
    c.YPunto = 4;
    aggiungi_oggetto(f.s, f.sup, "Cerchio");
    ASSERT_EQ(f.s.dis.cerchi.Count(), 1);
    EXPECT_EQ(f.s.dasalvare, 1); // a new entity is a change to save
    const Cerchio& dentro = f.s.dis.cerchi.Item(1);
    EXPECT_DOUBLE_EQ(dentro.raggio, 5);
    EXPECT_DOUBLE_EQ(dentro.supf, 25 * pigreco);
    EXPECT_EQ(f.sup.solo({"Ellipse"}).size(), 1u);
}

TEST(AggiungiOggetto, AnArcHidesItsRubberBandAndOtherNamesDoNothing)
{
    FinestraProva f;
    f.s.overlay.Line4.visibile = true;
    f.s.ogg.oggarco->p1x = 10;
    f.s.ogg.oggarco->p3y = 5;
    f.s.ogg.oggarco->p2x = -10;
    aggiungi_oggetto(f.s, f.sup, "Arco");
    EXPECT_EQ(f.s.dis.archi.Count(), 1);
    EXPECT_FALSE(f.s.overlay.Line4.visibile);

    f.s.ogg.ogglinea->Xf = 1;
    for (const char* tipo : {"linea", "Testo", " Linea"})
        aggiungi_oggetto(f.s, f.sup, tipo);
    EXPECT_EQ(f.s.dis.linee.Count(), 0);
    EXPECT_EQ(f.s.dis.testi.Count(), 0);
    aggiungi_oggetto(f.s, f.sup, "Linea");
    EXPECT_EQ(f.s.dis.linee.Count(), 1);
}
