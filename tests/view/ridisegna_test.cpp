#include "immagine_finestra.h"
#include "support/finestra_prova.h"
#include "view/ridisegna.h"

#include "platform/palette.h"

#include <QImage>
#include <gtest/gtest.h>

namespace tramel {
namespace {

const std::string EVIDENZIA = colore(Palette::color(3));

// A window of 50 x 36.7 units (150 x 110 mm at scale 3, 30 pixels a unit).
struct Ridisegno : FinestraProva {
    Ridisegno() : FinestraProva(VistaProva{3}) {}
    void ridisegna() { redraw(stato, superficie); }
    disegno& dis() { return stato.dis; }
};

template <class T>
T& aggiungi(Collezione<T>& c, T e = T())
{
    c.Add(std::make_unique<T>(std::move(e)));
    return c.Item(c.Count());
}

Linea linea(double xi, double yi, double xf, double yf)
{
    Linea l;
    l.Xi = xi;
    l.Yi = yi;
    l.Xf = xf;
    l.Yf = yf;
    return l;
}

template <class T>
T catena(std::vector<Punto> p)
{
    T e;
    e.vertici(p);
    return e;
}

template <class T>
T poligono(std::vector<Punto> p, int campitura = CAMPITURA_NESSUNA)
{
    T e = catena<T>(std::move(p));
    e.campitura = campitura;
    return e;
}

superficie quadratoSup(double x1, double y1, double x2, double y2, int campitura = CAMPITURA_NESSUNA)
{
    return poligono<superficie>({{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}}, campitura);
}

// The names of the drawing calls, in order.
std::vector<std::string> disegni(const SuperficieProva& sup)
{
    std::vector<std::string> nomi;
    for (const std::string& c : sup.solo({"Polygon", "Polyline", "Ellipse", "Arc", "TextOut"}))
        nomi.push_back(c.substr(0, c.find('(')));
    return nomi;
}

TEST(Redraw, EmptyDrawingShowsOnlyBackgroundAndGrid)
{
    Ridisegno r;
    r.stato.aiuti.grigliaattiva = "ON";
    r.stato.vista.scala = 3;
    r.stato.aiuti.passogriglia = 5; // 10 steps across
    r.ridisegna();
    EXPECT_EQ(r.superficie.pulizie, (std::vector<Rgb>{Palette::color(15)}));
    const auto punti = r.superficie.solo({"SetPixel"});
    EXPECT_EQ(punti.size(), r.superficie.chiamate().size()); // nothing but the dots
    EXPECT_EQ(punti.size(), 11u * 8u);
    EXPECT_EQ(r.superficie.aggiornamenti, 1);
}

TEST(Redraw, KindsInTheirOrderSelectedOnesHighlighted)
{
    Ridisegno r;
    Linea& l = aggiungi(r.dis().linee, linea(1, 1, 5, 5));
    l.stato = STATO_SELEZIONATO;
    aggiungi(r.dis().superfici, quadratoSup(0, 0, 10, 10, CAMPITURA_PIENA));
    r.ridisegna();
    EXPECT_EQ(disegni(r.superficie), (std::vector<std::string>{"Polygon", "Polyline"}));
    // The surface in its own colours first, then the line over it in the highlight colour.
    EXPECT_TRUE(prima(r.superficie.disegni(), "Polygon(0,0 300,0 300,300 0,300) pen(0,1,#000000) brush(solid,#000000)",
                      "Polyline(30,30 150,150) pen(0,1," + EVIDENZIA + ")"));
}

TEST(Redraw, EveryKindInTheFixedOrder)
{
    Ridisegno r;
    disegno& d = r.dis();
    // Added in the reverse of the drawing order.
    aggiungi(d.linee, linea(1, 1, 2, 2));
    aggiungi(d.polilinee, catena<polilinea>({{1, 1}, {2, 2}}));
    testo& t = aggiungi(d.testi);
    t.dimens_testo = 10;
    t.stringa_testo = "T";
    t.pos_testox = t.pos_testoy = 3;
    Arco& a = aggiungi(d.archi);
    a.p1x = 1, a.p1y = 2, a.p2x = 3, a.p2y = 2, a.p3x = 2, a.p3y = 1;
    Cerchio& c = aggiungi(d.cerchi);
    c.Xcentro = c.Ycentro = 5;
    c.Xpunto = 6;
    c.YPunto = 5;
    aggiungi(d.rettangoli, poligono<Rettangolo>({{1, 1}, {2, 1}, {2, 2}, {1, 2}}));
    aggiungi(d.superfici, quadratoSup(1, 1, 2, 2));
    r.ridisegna();
    EXPECT_EQ(disegni(r.superficie),
              (std::vector<std::string>{"Polygon", "Polygon", "Ellipse", "Arc", "TextOut", "Polyline", "Polyline"}));
}

TEST(Redraw, OutsideNotDrawnCrossingDrawnWholeErasedNever)
{
    Ridisegno r; // the view is (0, 0)-(50, 36.7)
    aggiungi(r.dis().linee, linea(60, 10, 80, 10));           // wholly to the right
    aggiungi(r.dis().linee, linea(-10, 10, 20, 10));          // across the left border
    aggiungi(r.dis().linee, linea(1, 1, 2, 2)).stato = STATO_CANCELLATO;
    aggiungi(r.dis().linee, linea(1, 1, 3, 3)).stato = 5;     // no state the drawing knows
    aggiungi(r.dis().superfici, quadratoSup(10, 40, 20, 50)); // below
    r.ridisegna();
    EXPECT_EQ(r.superficie.solo({"Polyline", "Polygon"}), (std::vector<std::string>{"Polyline(-300,300 600,300)"}));
}

// The redraw finds entities through boxes it keeps between redraws: an
// entity moved, appended or erased since, or a drawing put in its place, shows as it is now.
TEST(Redraw, ShowsWhatChangedSinceTheLastRedraw)
{
    Ridisegno r; // the view is (0, 0)-(50, 36.7)
    aggiungi(r.dis().linee, linea(60, 10, 80, 10));
    aggiungi(r.dis().linee, linea(1, 1, 2, 1));
    r.ridisegna();
    Linea& fuori = r.dis().linee.Item(1);
    fuori.Xi = 10;
    fuori.Xf = 20;
    r.dis().linee.Item(2).stato = STATO_CANCELLATO;
    aggiungi(r.dis().linee, linea(3, 3, 4, 3));
    r.superficie.dimentica();
    r.ridisegna();
    EXPECT_EQ(r.superficie.solo({"Polyline"}),
              (std::vector<std::string>{"Polyline(300,300 600,300)", "Polyline(90,90 120,90)"}));

    // Appended alone, its box joins the others; then moved, it is found again.
    r.dis().linee.Add(std::make_unique<Linea>(linea(5, 5, 6, 5)));
    r.superficie.dimentica();
    r.ridisegna();
    EXPECT_EQ(r.superficie.solo({"Polyline"}).back(), "Polyline(150,150 180,150)");
    r.dis().linee.Item(4).Xi = 70;
    r.dis().linee.Item(4).Xf = 80;
    r.superficie.dimentica();
    r.ridisegna();
    EXPECT_EQ(r.superficie.solo({"Polyline"}).size(), 2u);

    disegno altro;
    altro.linee.Add(std::make_unique<Linea>(linea(60, 1, 70, 1)));
    r.dis() = std::move(altro);
    r.superficie.dimentica();
    r.ridisegna();
    EXPECT_EQ(r.superficie.solo({"Polyline"}), (std::vector<std::string>{}));
}

TEST(Redraw, AViewWhollyInsideAFilledShapeStillShowsIt)
{
    Ridisegno r;
    aggiungi(r.dis().rettangoli,
             poligono<Rettangolo>({{-100, -100}, {100, -100}, {100, 100}, {-100, 100}}, CAMPITURA_PIENA));
    Cerchio& c = aggiungi(r.dis().cerchi);
    c.Xcentro = 25;
    c.Ycentro = 18;
    c.Xpunto = 225;
    c.YPunto = 18;
    c.campitura = HS_CROSS;
    r.ridisegna();
    EXPECT_EQ(disegni(r.superficie), (std::vector<std::string>{"Polygon", "Ellipse"}));
}

TEST(Redraw, APenReachingIntoTheViewCounts)
{
    Ridisegno r;
    // Half a unit (15 px) right of the view's right edge.
    aggiungi(r.dis().linee, linea(50.5, 1, 50.5, 5));
    Linea& spessa = aggiungi(r.dis().linee, linea(50.5, 1, 50.5, 5));
    spessa.speslinea = 25; // 30 px wide: reaches 15 px to the left
    r.ridisegna();
    EXPECT_EQ(r.superficie.disegni(), (std::vector<std::string>{"Polyline(1515,30 1515,150) pen(0,30,#000000)"}));

    // Appended after that redraw, a thicker one further out reaches in too.
    Linea piuSpessa = linea(51, 1, 51, 5);
    piuSpessa.speslinea = 50; // 60 px wide, 30 px out: reaches 30 px to the left
    r.dis().linee.Add(std::make_unique<Linea>(piuSpessa));
    r.superficie.dimentica();
    r.ridisegna();
    EXPECT_EQ(r.superficie.solo({"Polyline"}).back(), "Polyline(1530,30 1530,150)");
}

// A text's box follows the resolution it is measured at: at 25.4 dpi the
// font of a text of size 1 is 0 pixels high and its letters a pixel wide,
// five times the width they have at 254 dpi.
TEST(Redraw, ATextIsFoundAfterAChangeOfResolution)
{
    Ridisegno r; // the view is (0, 0)-(50, 36.7)
    testo& t = aggiungi(r.dis().testi);
    t.dimens_testo = 1;
    t.stringa_testo = std::string(40, 'x');
    t.pos_testox = -4; // 0.8 wide at 254 dpi, 4 at 25.4: up to the view's left border
    t.pos_testoy = 5;
    r.ridisegna();
    EXPECT_EQ(r.superficie.solo({"TextOut"}).size(), 0u);
    r.stato.vista.dpiX = r.stato.vista.dpiY = 25.4;
    r.ridisegna();
    EXPECT_EQ(r.superficie.solo({"TextOut"}).size(), 1u);
}

TEST(Redraw, LeavesTheEntitiesUnderConstructionEmpty)
{
    Ridisegno r;
    r.stato.ogg.oggpolilinea->vertic(3);
    r.stato.ogg.ogglinea->Xi = 4;
    r.ridisegna();
    EXPECT_FALSE(r.stato.ogg.oggpolilinea.esiste());
    EXPECT_FALSE(r.stato.ogg.ogglinea.esiste());
}

// Counts the texts measured through the font.
class MetricheContate : public TextMetrics {
public:
    TextExtent extent(const LogFont& font, std::string_view text) const override
    {
        ++misure;
        return fake.extent(font, text);
    }
    mutable int misure = 0;
    FakeTextMetrics fake;
};

class SuperficieContata : public SuperficieProva {
public:
    const TextMetrics& metrics() const override { return metriche; }
    MetricheContate metriche;
};

TEST(Redraw, TextBoxesAreMeasuredOnlyWhenTheyChange)
{
    ValoriModulo m;
    DrawingState s(m);
    s.vista.larghezzaMm = 150;
    s.vista.altezzaMm = 110;
    s.aiuti.mostrabordotesto = 1;
    SuperficieContata sup;
    for (double x : {1.0, 2.0, 400.0}) { // the last one lies outside the view
        testo& t = aggiungi(s.dis.testi);
        t.dimens_testo = 10;
        t.stringa_testo = "abc";
        t.pos_testox = x;
    }
    redraw(s, sup);
    EXPECT_EQ(sup.metriche.misure, 3);
    redraw(s, sup);
    EXPECT_EQ(sup.metriche.misure, 3);
    EXPECT_EQ(sup.solo({"TextOut"}).size(), 4u);

    s.dis.testi.Item(1).stringa_testo = "abcd";
    s.dis.testi.Item(3).pos_testox = 3; // moving does not change the box
    sup.dimentica();
    redraw(s, sup);
    EXPECT_EQ(sup.metriche.misure, 4);
    EXPECT_EQ(sup.solo({"TextOut"}).size(), 3u); // the moved one is in view now

    s.dis.testi.Item(2).ang_testo(90);
    s.dis.testi.Item(3).bold_testo = VERO;
    redraw(s, sup);
    EXPECT_EQ(sup.metriche.misure, 6);
}

TEST(Redraw, AFilledRectangleLandsOnItsPixels)
{
    ValoriModulo m;
    DrawingState s(m);
    s.vista.dpiX = s.vista.dpiY = 254; // 10 pixels a millimetre
    s.vista.larghezzaMm = 20;
    s.vista.altezzaMm = 15;
    s.vista.scala = 2;
    s.vista.origineX = 2; // x from 1
    s.vista.origineY = 4; // y from 2
    s.aiuti.grigliaattiva = "OFF";
    Rettangolo& ret =
        aggiungi(s.dis.rettangoli, poligono<Rettangolo>({{3, 4}, {6, 4}, {6, 6}, {3, 6}}, CAMPITURA_PIENA));
    ret.colocampitura = RGB(255, 0, 0);
    ret.colcont = RGB(0, 0, 255);
    ImmagineFinestra finestra(200, 150);
    redraw(s, finestra);
    const QImage img = finestra.fotografia();
    // Corners at device (40, 40) and (100, 80): outline on them, fill inside, background outside.
    EXPECT_EQ(img.pixel(70, 60), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(40, 60), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(100, 60), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(70, 40), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(70, 80), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(37, 60), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(70, 84), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(0, 0), qRgb(0, 0, 0)); // the scale origin in the foreground colour
}

} // namespace
} // namespace tramel
