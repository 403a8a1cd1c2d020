#include "prova_dialoghi.h"

#include "properties/proprieta_oggetto.h"
#include "properties/tipo_linea.h"

#include "geometry/intersezioni.h"

#include <gtest/gtest.h>

namespace tramel {
namespace {

struct TipoLineaTest : ProvaDialoghi {
    // The defaults dialog as the menu opens it.
    TipoLinea difetti()
    {
        TipoLinea d(f);
        d.Label5("0");
        return d;
    }
    // The dialog for one entity, as "Proprietà Oggetto" opens it.
    template <class T>
    TipoLinea per(T& e, const char* caption)
    {
        TipoLinea d(f);
        d.caption = caption;
        d.oggetto = &e;
        d.Label5("1");
        return d;
    }
};

TEST_F(TipoLineaTest, DefaultsOpenWithTheirSwatchThicknessAndColour)
{
    struct Caso {
        std::int32_t stile, spessore;
        int campione;
        const char* testo;
        double decimi;
    };
    // The load keeps the stored style whatever the thickness.
    for (const Caso c : {Caso{5, 0, 0, "0", 0}, Caso{0, 5, 1, "0.5", 5}, Caso{1, 25, 2, "2.5", 25},
                         Caso{1, 10, 2, "1", 10}, Caso{5, 25, 0, "2.5", 25}}) {
        modulo.gen_TipoLinea = c.stile;
        modulo.gen_speslinea = c.spessore;
        modulo.gen_colorelinea = RGB(1, 2, 3);
        const TipoLinea d = difetti();
        EXPECT_EQ(d.Label8.valore, c.campione) << c.stile << " " << c.spessore;
        EXPECT_EQ(d.Text1, c.testo);
        EXPECT_EQ(d.Label1.valore, c.decimi);
        EXPECT_EQ(d.Label2.valore, RGB(1, 2, 3));
        EXPECT_FALSE(d.Frame4 || d.Frame5);
    }
    modulo.gen_TipoLinea = 5;
    EXPECT_EQ(difetti().Frame3, "Tratto Contorno: Trasparente");
}

TEST_F(TipoLineaTest, TypedThicknessTakesAPointAndCarriesTenths)
{
    TipoLinea d = difetti();
    std::string testo;
    for (char c : std::string("1,5"))
        testo += TipoLinea::Text1_KeyPress(c);
    d.Text1_Change(testo);
    EXPECT_EQ(d.Text1, "1.5");
    EXPECT_EQ(d.Label1.valore, 15);
    d.Text1_Change("abc");
    EXPECT_EQ(d.Label1.valore, 0);
}

TEST_F(TipoLineaTest, OkOnTheDefaultsRewritesTheirSettingsRecords)
{
    TipoLinea d = difetti();
    d.Picture1_Click(0);
    d.Text1_Change("0.25");
    porte.colori.scelte = {RGB(9, 8, 7)};
    d.Command4_Click();
    ASSERT_TRUE(d.Command1_Click());
    // Whole tenths for the defaults, halves to even.
    EXPECT_EQ(modulo.gen_speslinea, 2);
    const DrawingState letto = riletto();
    EXPECT_EQ(letto.modulo.gen_TipoLinea, 5);
    EXPECT_EQ(letto.modulo.gen_speslinea, 2);
    EXPECT_EQ(letto.modulo.gen_colorelinea, RGB(9, 8, 7));
}

TEST_F(TipoLineaTest, OkOnOneLineKeepsUntouchedCoordinatesExactAndReadsTheEditedOne)
{
    Linea& l = aggiungi(unaLinea(1.0 / 3, 2, 3, 4, RGB(1, 1, 1), 2.5f, 1));
    TipoLinea d = per(l, "Proprietà Linea Selezionata");
    EXPECT_EQ(d.Text5.testo, "0,333");
    EXPECT_FALSE(d.rigaCentrale);
    EXPECT_EQ(d.Label8.valore, 2);
    d.Text7.testo = "2,1234";
    d.Picture1_Click(5);
    d.Text1_Change("0.25");
    ASSERT_TRUE(d.Command1_Click());
    EXPECT_EQ(l.Xi, 1.0 / 3);
    EXPECT_EQ(l.Xf, 2.1234);
    EXPECT_EQ(l.TipoLinea, 4);
    EXPECT_EQ(l.speslinea, 2.5f);
    EXPECT_EQ(l.colorelinea, RGB(1, 1, 1));
}

TEST_F(TipoLineaTest, ACoordinateThatIsNoNumberIsRefusedAndChangesNothing)
{
    Linea& l = aggiungi(unaLinea(1, 2, 3, 4));
    const Linea prima = l;
    for (const char* testo : {"", "x", "1e999"}) {
        TipoLinea d = per(l, "Proprietà Linea Selezionata");
        d.Picture1_Click(3);
        d.Text6.testo = testo;
        EXPECT_FALSE(d.Command1_Click()) << testo;
        EXPECT_EQ(l, prima);
    }
    EXPECT_EQ(beeps(), 3);
    EXPECT_EQ(messaggi().back(), "Inserire coordinate con formato numerico corretto");
}

TEST_F(TipoLineaTest, AnArcWhoseThirdPointCrossesTheChordSwapsItsEnds)
{
    Arco& a = aggiungi(unArco({1, 0}, {-1, 0}, {0, -1}));
    TipoLinea d = per(a, "Proprietà Arco Selezionato");
    EXPECT_EQ(d.Frame4Caption, "Arco");
    EXPECT_EQ(d.Text2.testo, "-1,000");
    d.Text8.testo = "1";
    ASSERT_TRUE(d.Command1_Click());
    EXPECT_EQ(std::tuple(a.p1x, a.p2x, a.p3y), std::tuple(-1.0, 1.0, 1.0));
    EXPECT_TRUE(detPinArco(a.p3x, a.p3y, 0, 0, a.p1x, a.p1y, a.p2x, a.p2y));

    // Three points on one line have no circle: stored as typed.
    TipoLinea retta = per(a, "Proprietà Arco Selezionato");
    retta.Text7.testo = "0";
    retta.Text8.testo = "0";
    ASSERT_TRUE(retta.Command1_Click());
    EXPECT_EQ(std::tuple(a.p1x, a.p2x, a.p3x, a.p3y), std::tuple(-1.0, 1.0, 0.0, 0.0));
}

TEST_F(TipoLineaTest, PolylineRowsFollowTheSelectionAndADeletionShortensIt)
{
    polilinea& p = aggiungi(conVertici<polilinea>({{0, 0}, {1, 1}, {2, 0}, {3, 1}}));
    TipoLinea d = per(p, "Proprietà PoliLinea Selezionata");
    ASSERT_EQ(d.List1.righe.size(), 4u);
    EXPECT_EQ(d.List1.righe[1].x.testo, "     1,000");
    EXPECT_FALSE(d.List1.Command3);
    d.List1_Click(1);
    EXPECT_TRUE(d.List1.Command3 && d.List1.Command7);
    EXPECT_EQ(d.List1.tooltip6, "Inserisci Vertice dopo il N. 2");
    d.Command7_Click([](CoordVert& box) {
        EXPECT_EQ(box.caption, "Coordinate Vertici Polilinea");
        EXPECT_EQ(box.Frame4, "Coordinate Vertice N. 2");
        EXPECT_FALSE(box.caselleAbilitate);
        box.Command1_Click();
    });
    EXPECT_FALSE(d.List1.Command7); // no row stays selected after a deletion
    d.List1_Click(1);
    d.Command7_Click([](CoordVert& box) { box.Command1_Click(); });
    // Two rows left: Elimina stays off.
    d.List1_Click(0);
    EXPECT_FALSE(d.List1.Command7);
    ASSERT_TRUE(d.Command1_Click());
    ASSERT_EQ(p.vertic(), 2);
    EXPECT_EQ(p.punto(2).x, 3);
}

TEST_F(TipoLineaTest, PropertiesOfTwoArcsChangeOnlyWhatWasChosen)
{
    Arco& a = aggiungi(unArco({1, 0}, {-1, 0}, {0, 1}, RGB(255, 0, 0), 2, 1, STATO_SELEZIONATO));
    Arco& b = aggiungi(unArco({1, 0}, {-1, 0}, {0, 1}, RGB(0, 255, 0), 2, 1, STATO_SELEZIONATO));
    const Arco libero = aggiungi(unArco({1, 0}, {-1, 0}, {0, 1}, 0, 2, 1));
    const Arco cancellato = aggiungi(unArco({1, 0}, {-1, 0}, {0, 1}, 0, 2, 1, STATO_CANCELLATO));
    Dialoghi dialoghi;
    dialoghi.tipoLinea = [](TipoLinea& d) {
        EXPECT_EQ(d.caption, "Proprietà Archi Selezionati");
        EXPECT_TRUE(d.Label2.vari() && d.Label2.visibile);
        EXPECT_EQ(d.dislinea().colore, 0); // "Vari" previews black
        EXPECT_EQ(d.Text1, "0.2");
        EXPECT_EQ(d.Label8.valore, 2);
        EXPECT_FALSE(d.Frame4);
        d.Text1_Change("3");
        EXPECT_TRUE(d.Command1_Click());
    };
    std::int16_t trovato = 0;
    proprietaOggetto<Arco>(f, dialoghi, trovato);
    EXPECT_EQ(trovato, 1);
    EXPECT_EQ(std::tuple(a.spescont, a.colcont, a.trattcont, a.stato), std::tuple(30.0f, RGB(255, 0, 0), 0, 0));
    EXPECT_EQ(std::tuple(b.spescont, b.colcont), std::tuple(30.0f, RGB(0, 255, 0)));
    EXPECT_EQ(stato.dis.archi.Item(3), libero);
    EXPECT_EQ(stato.dis.archi.Item(4), cancellato);
}

TEST_F(TipoLineaTest, DifferingThicknessAndStyleShowVariAndStayUntouched)
{
    Linea& a = aggiungi(unaLinea(0, 0, 1, 1, 0, 5, 2, STATO_SELEZIONATO));
    Linea& b = aggiungi(unaLinea(0, 0, 1, 1, 0, 15, 3, STATO_SELEZIONATO));
    Dialoghi dialoghi;
    dialoghi.tipoLinea = [this](TipoLinea& d) {
        EXPECT_EQ(d.Text1, "");
        EXPECT_TRUE(d.Label1.vari() && d.Label1.visibile && d.Label8.vari() && d.Label8.visibile);
        EXPECT_EQ(d.Frame3, "Tratto Contorno:");
        EXPECT_EQ(d.Label2.valore, 0);
        d.Command4_Click(); // cancelled: the colour stays
        EXPECT_EQ(d.Label2.valore, 0);
        porte.colori.scelte = {RGB(0, 0, 9)};
        d.Command4_Click();
        EXPECT_TRUE(d.Command1_Click());
    };
    std::int16_t trovato = 0;
    proprietaOggetto<Linea>(f, dialoghi, trovato);
    EXPECT_EQ(std::tuple(a.speslinea, a.TipoLinea, a.colorelinea), std::tuple(5.0f, 2, RGB(0, 0, 9)));
    EXPECT_EQ(std::tuple(b.speslinea, b.TipoLinea, b.colorelinea), std::tuple(15.0f, 3, RGB(0, 0, 9)));
}

} // namespace
} // namespace tramel
