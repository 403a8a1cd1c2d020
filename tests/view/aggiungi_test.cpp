#include "support/finestra_prova.h"

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
    const MisuraTesto misura{f.superficie.metrics(), f.stato.vista.dpiX, f.stato.vista.dpiY};
    determxymin_xymax(f.stato, misura);
    return {f.stato.xmin, f.stato.ymin, f.stato.xmax, f.stato.ymax};
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
    FinestraProva vuota{VistaProva{}};
    vuota.stato.xmax = 50;
    const Estensione e0 = estensioni(vuota);
    EXPECT_EQ(e0.xmin, 0);
    EXPECT_EQ(e0.xmax, 0);
    EXPECT_EQ(e0.ymax, 0);

    FinestraProva f{VistaProva{}};
    linea(f.stato, 10, 10, 20, 30);
    linea(f.stato, 1000, 1000, 2000, 2000, STATO_CANCELLATO);
    const Estensione e = estensioni(f);
    EXPECT_EQ(e.xmin, 0);
    EXPECT_EQ(e.ymin, 0);
    EXPECT_EQ(e.xmax, 20);
    EXPECT_EQ(e.ymax, 30);

    FinestraProva n{VistaProva{}};
    linea(n.stato, -5, -5, -1, -2);
    const Estensione en = estensioni(n);
    EXPECT_EQ(en.xmin, -5);
    EXPECT_EQ(en.ymin, -5);
    EXPECT_EQ(en.xmax, 0);
    EXPECT_EQ(en.ymax, 0);
}

TEST(Estensioni, CirclesAndArcsCountWithTheirWholeCircle)
{
    FinestraProva f{VistaProva{}};
    auto c = std::make_unique<Cerchio>();
    c->Xcentro = 10, c->Ycentro = 10, c->raggio = 3;
    f.stato.dis.cerchi.Add(std::move(c));
    Estensione e = estensioni(f);
    EXPECT_EQ(e.xmax, 13);
    EXPECT_EQ(e.ymax, 13);

    // An arc on the upper half (y <= 20) of the circle of radius 5 about (20, 20).
    FinestraProva a{VistaProva{}};
    auto arco = std::make_unique<Arco>();
    arco->p1x = 25, arco->p1y = 20, arco->p3x = 20, arco->p3y = 15, arco->p2x = 15, arco->p2y = 20;
    a.stato.dis.archi.Add(std::move(arco));
    e = estensioni(a);
    EXPECT_NEAR(e.ymax, 25, 1e-9);
    EXPECT_NEAR(e.xmax, 25, 1e-9);

    // Three points on one line have no circle: the arc counts with its points.
    FinestraProva r{VistaProva{}};
    r.stato.xmax = 99;
    auto retto = std::make_unique<Arco>();
    retto->p1x = 1, retto->p1y = 1, retto->p3x = 2, retto->p3y = 2, retto->p2x = 4, retto->p2y = 4;
    r.stato.dis.archi.Add(std::move(retto));
    e = estensioni(r);
    EXPECT_EQ(e.xmax, 4);
    EXPECT_EQ(e.ymax, 4);
}

TEST(Estensioni, ATextAtNinetyDegreesWidensUpwards)
{
    FinestraProva f{VistaProva{}};
    auto t = std::make_unique<testo>();
    t->carattere_testo("Arial");
    t->stringa_testo = "abc";
    t->dimens_testo = 10;
    t->ang_testo(90);
    t->pos_testox = 0.1;
    t->pos_testoy = 0.1;
    f.stato.dis.testi.Add(std::move(t));
    const Estensione e = estensioni(f);
    EXPECT_LT(e.ymin, 0); // the box runs up from the reference point, past the origin's row
    EXPECT_GT(e.xmax, 0.1);
    EXPECT_DOUBLE_EQ(e.ymax, 0.1);
}

TEST(AggiungiOggetto, APolylineOfOneVertexIsLeftAsItIs)
{
    FinestraProva f{VistaProva{}};
    f.stato.ogg.oggpolilinea->vertic(1);
    f.stato.ogg.oggpolilinea->inser_vert_pol(3, 4, 1);
    aggiungi_oggetto(f.stato, f.superficie, "Polilinea");
    EXPECT_EQ(f.stato.dis.polilinee.Count(), 0);
    EXPECT_TRUE(f.superficie.chiamate().empty());
    EXPECT_EQ(f.stato.dasalvare, 0);
    double x = 0, y = 0;
    f.stato.ogg.oggpolilinea->prel_vert_pol(x, y, 1);
    EXPECT_EQ(x, 3);
}

TEST(AggiungiOggetto, ARectangleIsDrawnOnceWithTheDefaultsAndItsMeasures)
{
    FinestraProva f{VistaProva{}};
    f.modulo.gen_campitura = 6;
    f.modulo.gen_colocampitura = RGB(0, 0, 255);
    f.modulo.gen_spescont = 5;
    Rettangolo& r = *f.stato.ogg.oggrettangolo;
    r.vertic(4);
    r.inser_vert_ret(0, 0, 1);
    r.inser_vert_ret(3, 0, 2);
    r.inser_vert_ret(3, 2, 3);
    r.inser_vert_ret(0, 2, 4);
    aggiungi_oggetto(f.stato, f.superficie, "Rettangolo");

    ASSERT_EQ(f.stato.dis.rettangoli.Count(), 1);
    const Rettangolo& dentro = f.stato.dis.rettangoli.Item(1);
    EXPECT_DOUBLE_EQ(dentro.perimet, 10);
    EXPECT_DOUBLE_EQ(dentro.supf, 6);
    EXPECT_EQ(dentro.campitura, 6);
    EXPECT_EQ(dentro.spescont, 5.0f);
    EXPECT_TRUE(f.superficie.pulizie.empty()); // no full redraw
    EXPECT_EQ(f.superficie.solo({"Polygon"}).size(), 1u);
    EXPECT_EQ(f.superficie.disegni().back(), "Polygon(0,0 90,0 90,60 0,60) pen(0,6,#000000) brush(solid,#0000ff)");
    EXPECT_FALSE(f.stato.ogg.oggrettangolo.esiste());

    // The defaults were copied: changing them later leaves the entity alone.
    f.modulo.gen_campitura = 2;
    EXPECT_EQ(dentro.campitura, 6);
}

TEST(AggiungiOggetto, ACircleGetsItsRadiusBeforeItIsDrawn)
{
    FinestraProva f{VistaProva{}};
    Cerchio& c = *f.stato.ogg.oggcerchio;
    c.Xpunto = 3;
    c.YPunto = 4;
    aggiungi_oggetto(f.stato, f.superficie, "Cerchio");
    ASSERT_EQ(f.stato.dis.cerchi.Count(), 1);
    EXPECT_EQ(f.stato.dasalvare, 1); // a new entity is a change to save
    const Cerchio& dentro = f.stato.dis.cerchi.Item(1);
    EXPECT_DOUBLE_EQ(dentro.raggio, 5);
    EXPECT_DOUBLE_EQ(dentro.supf, 25 * pigreco);
    EXPECT_EQ(f.superficie.solo({"Ellipse"}).size(), 1u);
}

TEST(AggiungiOggetto, AnArcHidesItsRubberBandAndOtherNamesDoNothing)
{
    FinestraProva f{VistaProva{}};
    f.stato.overlay.Line4.visibile = true;
    f.stato.ogg.oggarco->p1x = 10;
    f.stato.ogg.oggarco->p3y = 5;
    f.stato.ogg.oggarco->p2x = -10;
    aggiungi_oggetto(f.stato, f.superficie, "Arco");
    EXPECT_EQ(f.stato.dis.archi.Count(), 1);
    EXPECT_FALSE(f.stato.overlay.Line4.visibile);

    f.stato.ogg.ogglinea->Xf = 1;
    for (const char* tipo : {"linea", "Testo", " Linea"})
        aggiungi_oggetto(f.stato, f.superficie, tipo);
    EXPECT_EQ(f.stato.dis.linee.Count(), 0);
    EXPECT_EQ(f.stato.dis.testi.Count(), 0);
    aggiungi_oggetto(f.stato, f.superficie, "Linea");
    EXPECT_EQ(f.stato.dis.linee.Count(), 1);
}
