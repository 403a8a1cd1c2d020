#include "prova_dialoghi.h"

#include "properties/proprieta_oggetto.h"
#include "properties/tipo_superficie.h"

#include <gtest/gtest.h>

namespace tramel {
namespace {

struct TipoSuperficieTest : ProvaDialoghi {
    template <class T>
    TipoSuperficie per(T& e, const char* caption)
    {
        TipoSuperficie d(f);
        d.caption = caption;
        d.oggetto = &e;
        d.Label1("3");
        return d;
    }
    static Cerchio cerchio(double xc, double yc, double r, std::int16_t stato = STATO_NORMALE)
    {
        Cerchio c;
        c.Xcentro = xc, c.Ycentro = yc, c.Xpunto = xc, c.YPunto = yc + r, c.raggio = r, c.stato = stato;
        return c;
    }
};

TEST_F(TipoSuperficieTest, DefaultsOpenWithoutGeometryAndOkRewritesTheirRecords)
{
    modulo.gen_spescont = 5;
    modulo.gen_trattcont = 5;
    modulo.gen_campitura = 3;
    TipoSuperficie d(f);
    d.Label1("0");
    EXPECT_EQ(d.Text1, ".5");
    EXPECT_EQ(std::tuple(d.Label8.valore, d.List2, d.Label9.valore), std::tuple(0, 3, 3));
    EXPECT_FALSE(d.Frame5);
    d.List2_Click(6);
    d.Text1_Change("1.35");
    porte.colori.scelte = {RGB(1, 2, 3), RGB(4, 5, 6)};
    d.Command4_Click();
    d.Command5_Click();
    ASSERT_TRUE(d.Command1_Click());
    const ValoriModulo m = riletto().modulo;
    EXPECT_EQ(std::tuple(m.gen_campitura, m.gen_colcont, m.gen_colocampitura, m.gen_spescont, m.gen_trattcont),
              std::tuple(6, RGB(1, 2, 3), RGB(4, 5, 6), 14, 0));
}

TEST_F(TipoSuperficieTest, AThickOutlineOpensWithItsStyleAndThePreviewHalvesItsWidth)
{
    struct Caso {
        float spessore;
        const char* testo;
        int campione;
        int larghezza;
    };
    for (const Caso c : {Caso{15, "1.5", 3, 8}, Caso{10, "1", 3, 5}, Caso{5, "0.5", 3, 2}, Caso{0, "0", 3, 1}}) {
        Rettangolo& r = aggiungi(conVertici<Rettangolo>({{0, 0}, {1, 0}, {1, 1}, {0, 1}}));
        r.spescont = c.spessore;
        r.trattcont = 2;
        const TipoSuperficie d = per(r, "Proprietà Rettangolo Selezionato");
        EXPECT_EQ(d.Text1, c.testo);
        EXPECT_EQ(d.Label8.valore, c.campione) << c.spessore;
        EXPECT_EQ(d.anteprima().larghezza, c.larghezza);
        EXPECT_FALSE(d.Command6);
    }
}

TEST_F(TipoSuperficieTest, ASurfaceTakesItsRowsAndItsMeasuresAnew)
{
    tramel::superficie& s = aggiungi(conVertici<tramel::superficie>({{0, 0}, {1000, 0}, {1000, 234.5}}));
    s.perimet = 1234.5;
    s.campitura = 8; // a pattern only a file carries
    TipoSuperficie d = per(s, "Proprietà Superficie Selezionata");
    EXPECT_EQ(d.Label3, "Perimetro =1.234,50");
    EXPECT_EQ(std::tuple(d.List2, d.anteprima().campitura), std::tuple(-1, CAMPITURA_NESSUNA));
    d.List1_Click(2);
    d.Command7_Click([](CoordVert& box) { box.Command1_Click(); });
    EXPECT_FALSE(d.List1.Command7);
    ASSERT_TRUE(d.Command1_Click());
    ASSERT_EQ(s.vertic(), 2);
    EXPECT_EQ(s.perimet, 2000);
    EXPECT_EQ(s.campitura, 8);
}

TEST_F(TipoSuperficieTest, ACircleTakesItsCentreAndRadiusRows)
{
    for (const auto& [raggio, xpunto] : {std::pair{"2", 3.0}, std::pair{"-2", -1.0}}) {
        Cerchio& c = aggiungi(cerchio(1, 1, 5));
        TipoSuperficie d = per(c, "Proprietà Cerchio Selezionato");
        ASSERT_EQ(d.List1.righe.size(), 2u);
        EXPECT_EQ(d.List1.righe[1].x.testo, "Raggio= ");
        EXPECT_EQ(d.List1.righe[1].y.testo, "     5,000");
        d.List1_Click(1);
        d.Command3_Click([&](CoordVert& box) {
            box.Text2 = raggio;
            box.Command1_Click();
        });
        ASSERT_TRUE(d.Command1_Click());
        EXPECT_EQ(std::tuple(c.Xpunto, c.YPunto, c.raggio), std::tuple(xpunto, 1.0, 2.0));
    }
}

TEST_F(TipoSuperficieTest, ARowThatIsNoNumberIsRefused)
{
    tramel::superficie& s = aggiungi(conVertici<tramel::superficie>({{0, 0}, {1, 0}, {1, 1}}));
    const tramel::superficie prima = s;
    TipoSuperficie d = per(s, "Proprietà Superficie Selezionata");
    d.List2_Click(6);
    d.List1.righe[0].x.testo = "1,5x";
    EXPECT_FALSE(d.Command1_Click());
    EXPECT_EQ(s, prima);
    EXPECT_EQ(beeps(), 1);
}

TEST_F(TipoSuperficieTest, SeveralCirclesKeepWhatReadsVari)
{
    Cerchio& a = aggiungi(cerchio(0, 0, 1, STATO_SELEZIONATO));
    Cerchio& b = aggiungi(cerchio(0, 0, 1, STATO_SELEZIONATO));
    Cerchio& cancellato = aggiungi(cerchio(0, 0, 1, STATO_CANCELLATO));
    a.colocampitura = RGB(1, 0, 0);
    b.colocampitura = RGB(0, 1, 0);
    a.campitura = 2;
    b.campitura = 3;
    a.spescont = b.spescont = 15;
    a.trattcont = b.trattcont = 3;
    Dialoghi dialoghi;
    dialoghi.tipoSuperficie = [](TipoSuperficie& d) {
        EXPECT_EQ(d.caption, "Proprietà Cerchi Selezionati");
        EXPECT_TRUE(d.cerchio);
        EXPECT_TRUE(d.Label10.vari() && d.Label10.visibile && d.Label9.vari() && d.Label9.visibile);
        EXPECT_EQ(std::tuple(d.List2, d.Text1, d.Label8.valore), std::tuple(-1, "1.5", 4));
        EXPECT_FALSE(d.Frame5);
        d.Picture1_Click(1);
        EXPECT_TRUE(d.Command1_Click());
    };
    std::int16_t trovato = 0;
    proprietaOggetto<Cerchio>(f, dialoghi, trovato);
    EXPECT_EQ(std::tuple(a.colocampitura, a.campitura, a.trattcont, a.spescont, a.stato),
              std::tuple(RGB(1, 0, 0), 2, 0, 15.0f, 0));
    EXPECT_EQ(std::tuple(b.colocampitura, b.campitura, b.trattcont), std::tuple(RGB(0, 1, 0), 3, 0));
    EXPECT_EQ(std::tuple(cancellato.trattcont, cancellato.stato), std::tuple(0, STATO_CANCELLATO));
}

} // namespace
} // namespace tramel
