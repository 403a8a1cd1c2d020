// Each edit command as a user runs it: a crossing window confirmed with the
// right click, then the base and final points (or the angle, or the axis).
#include "support/finestra_prova.h"

#include "geometry/forme.h"
#include "geometry/misure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace tramel {
namespace {

constexpr double TOLLERANZA = 1e-9;

struct Sessione : FinestraProva {
    template <class T>
    T& aggiungi(T e)
    {
        stato.cisonooggetti = 1;
        auto& c = collezione<T>(stato.dis);
        c.Add(std::make_unique<T>(std::move(e)));
        return c.Item(c.Count());
    }
    void seleziona(Punto a, Punto b)
    {
        click(a.x, a.y);
        click(b.x, b.y);
        rightClick();
    }
    // The edit ended well: it stays in the log and the next record is open.
    void conclusa(const std::string& nome)
    {
        EXPECT_EQ(stato.comandi.numcomando, 2);
        EXPECT_EQ(stato.comandi.coma[1].tipo, nome);
        EXPECT_EQ(stato.comandi.comandoattivo, nome);
        EXPECT_EQ(riga.Label1, "Comando: ");
    }
};

template <class T>
T poligono(std::vector<Punto> v)
{
    T e;
    e.vertici(v);
    return e;
}

void vicino(Punto atteso, Punto p)
{
    EXPECT_NEAR(atteso.x, p.x, TOLLERANZA);
    EXPECT_NEAR(atteso.y, p.y, TOLLERANZA);
}

// An edit whose typed values would take an entity beyond the numbers is
// refused with a beep and changes nothing.
TEST(SessioneModifica, ValuesBeyondTheNumbersChangeNothing)
{
    struct Caso {
        const char *nome, *base, *finale;
    };
    for (const Caso& c : {Caso{"Ruota", "0,0", "1e308"}, Caso{"Sposta", "-1e308,0", "1e308,0"},
                          Caso{"Copia", "-1e308,0", "1e308,0"}, Caso{"Stira", "-1e308,0", "1e308,0"}}) {
        SCOPED_TRACE(c.nome);
        Sessione f;
        f.linea(10, 10, 60, 10);
        f.start(c.nome);
        f.seleziona({9, 9}, {11, 11});
        f.type(c.base);
        const int beeps = f.beeps();
        f.type(c.finale);
        EXPECT_EQ(f.beeps(), beeps + 1);
        ASSERT_EQ(f.stato.dis.linee.Count(), 1);
        const Linea& l = f.stato.dis.linee.Item(1);
        EXPECT_EQ(std::vector<double>({l.Xi, l.Yi, l.Xf, l.Yf}), std::vector<double>({10, 10, 60, 10}));
    }
}

// The entities not erased, to tell that nothing changed.
using Entita = std::variant<superficie, Rettangolo, Linea, polilinea, testo, Arco, Cerchio>;
std::vector<Entita> foto(const disegno& d)
{
    std::vector<Entita> v;
    perOgniVivo<superficie, Rettangolo, Linea, polilinea, testo, Arco, Cerchio>(d, [&](const auto& e) { v.push_back(e); });
    return v;
}

// Each field the engine keeps finite, held kind by kind: the last typed point
// of each row takes exactly one field of a far entity beyond the numbers (an
// edit along y, or a point of a drawing command), and is refused with a beep
// leaving everything as it was. The same far entity, not selected, does not
// stop the command from taking an ordinary line to (1e308, 1e308): only a
// turn's angle is checked in radians.
TEST(SessioneModifica, EachFieldBeyondTheNumbersIsRefusedOnlyWhereItIsEdited)
{
    struct Caso {
        const char* nome;
        std::function<void(Sessione&)> lontana; // nothing for a drawing command
        const char* comando;
        std::vector<std::string> digitati; // its window, "" to confirm, then its points
    };
    const auto sposta = [](std::string a, std::string b) { return std::vector<std::string>{a, b, "", "0,0", "0,1e308"}; };
    const auto singoli = [](Sessione& f, auto e) { f.aggiungi(poligono<decltype(e)>({{100, 0}, {101, 3e38}, {102, 0}})); };
    const std::vector<Caso> casi = {
        {"line end y",
         [](Sessione& f) {
             Linea l;
             l.Xi = 100, l.Yi = 0, l.Xf = 100, l.Yf = 1.7e308;
             f.aggiungi(l);
         },
         "Sposta", sposta("90,-10", "110,1.75e308")},
        {"text position",
         [](Sessione& f) {
             testo t;
             t.stringa_testo = "A", t.dimens_testo = 10, t.carattere_testo("Arial");
             t.pos_testox = 100, t.pos_testoy = 1.7e308;
             f.aggiungi(t);
         },
         "Sposta", sposta("90,1.6e308", "200,1.75e308")},
        {"arc point beyond a Single",
         [](Sessione& f) {
             Arco a;
             a.p1x = 100 - 1e38, a.p1y = 2e38, a.p2x = 100 + 1e38, a.p2y = 2e38, a.p3x = 100, a.p3y = 3e38;
             f.aggiungi(a);
         },
         "Sposta", sposta("-2e38,.5e38", "2e38,3.2e38")},
        {"polyline middle vertex", [&](Sessione& f) { singoli(f, polilinea{}); }, "Sposta",
         sposta("90,-10", "110,3.1e38")},
        {"surface middle vertex", [&](Sessione& f) { singoli(f, superficie{}); }, "Sposta",
         sposta("90,-10", "110,3.1e38")},
        {"rectangle stretched beyond its measures",
         [](Sessione& f) {
             Rettangolo& r = f.aggiungi(poligono<Rettangolo>({{100, -1e154}, {101, -1e154}, {101, 0}, {100, 0}}));
             calcola_perimetro_rettangolo(r);
             calcola_area_rettangolo(r);
         },
         "Stira", {"90,-10", "110,10", "", "0,0", "0,1e154"}},
        {"circle centre",
         [](Sessione& f) {
             Cerchio c;
             c.Xcentro = 100, c.Ycentro = 1.7e308, c.Xpunto = 101, c.YPunto = 1.7e308;
             calcola_raggio_perimet_area_cerchio(c);
             f.aggiungi(c);
         },
         "Sposta", sposta("90,1.6e308", "110,1.75e308")},
        {"typed rectangle's measures", {}, "Rettangolo", {"0,0", "1,2e154"}},
        {"typed arc point", {}, "Arco", {"0,0", "1,0", ".5,4e38"}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Sessione f;
        if (c.lontana)
            c.lontana(f);
        f.start(c.comando);
        for (std::size_t i = 0; i + 1 < c.digitati.size(); ++i)
            f.type(c.digitati[i]);
        const std::vector<Entita> prima = foto(f.stato.dis);
        const int beeps = f.beeps();
        f.type(c.digitati.back());
        EXPECT_EQ(f.beeps(), beeps + 1);
        EXPECT_TRUE(foto(f.stato.dis) == prima);
        if (!c.lontana)
            continue;
        EXPECT_EQ(std::visit([](const auto& e) { return e.stato; }, prima.at(0)), STATO_SELEZIONATO);

        Sessione altra;
        c.lontana(altra);
        const std::vector<Entita> lontana = foto(altra.stato.dis);
        altra.linea(0, 0, 1, 0);
        altra.start(c.comando);
        for (const char* d : {"-5,-5", "6,5", "", "0,0", "1e308,1e308"})
            altra.type(d);
        EXPECT_EQ(altra.beeps(), 0);
        const Linea& l = altra.stato.dis.linee.Item(altra.stato.dis.linee.Count());
        EXPECT_EQ(std::vector<double>({l.Xi, l.Yi, l.Yf}), std::vector<double>({1e308, 1e308, 1e308}));
        const std::vector<Entita> dopo = foto(altra.stato.dis);
        EXPECT_NE(std::find(dopo.begin(), dopo.end(), lontana.at(0)), dopo.end());
    }
}

TEST(SessioneModifica, Cancella)
{
    Sessione f;
    f.linea(0, 0, 5, 0);
    f.linea(0, 10, 5, 10);
    f.start("Cancella");
    f.seleziona({-1, -1}, {1, 1});
    ASSERT_EQ(f.stato.dis.linee.Count(), 2);
    EXPECT_EQ(f.stato.dis.linee.Item(1).stato, STATO_CANCELLATO);
    EXPECT_EQ(f.stato.dis.linee.Item(2).stato, STATO_NORMALE);
    f.conclusa("Cancella");
}

TEST(SessioneModifica, Sposta)
{
    Sessione f;
    f.linea(0, 0, 5, 0);
    f.linea(0, 10, 5, 10);
    f.start("Sposta");
    f.seleziona({-1, -1}, {1, 1});
    f.click(0, 0);
    f.click(3, 4);
    const Linea& l = f.stato.dis.linee.Item(1);
    EXPECT_EQ((Segmento{{l.Xi, l.Yi}, {l.Xf, l.Yf}}), (Segmento{{3, 4}, {8, 4}}));
    EXPECT_EQ(f.stato.dis.linee.Item(2).Yi, 10);
    f.conclusa("Sposta");
}

TEST(SessioneModifica, Copia)
{
    Sessione f;
    Cerchio c;
    c.Xcentro = 5, c.Ycentro = 5, c.Xpunto = 6, c.YPunto = 5, c.raggio = 1;
    f.aggiungi(c);
    f.start("Copia");
    f.seleziona({5.5, 4}, {7, 6});
    f.click(0, 0);
    f.click(10, 0);
    ASSERT_EQ(f.stato.dis.cerchi.Count(), 2);
    Cerchio copia = c;
    copia.Xcentro = 15, copia.Xpunto = 16;
    calcola_raggio_perimet_area_cerchio(copia);
    EXPECT_EQ(f.stato.dis.cerchi.Item(2), copia);
    f.conclusa("Copia");
}

TEST(SessioneModifica, RuotaByATypedAngle)
{
    Sessione f;
    Rettangolo& r = f.aggiungi(poligono<Rettangolo>({{1, 0}, {2, 0}, {2, 1}, {1, 1}}));
    f.start("Ruota");
    f.seleziona({0.5, -0.5}, {1.5, 0.5});
    f.click(0, 0);
    EXPECT_EQ(f.riga.Label2, "Angolo Rotazione:");
    f.type("90");
    vicino({0, 1}, r.punto(1));
    vicino({-1, 2}, r.punto(3));
    f.conclusa("Ruota");
}

TEST(SessioneModifica, SpecchioAboutAVerticalAxis)
{
    Sessione f;
    f.aggiungi(poligono<polilinea>({{1, 1}, {3, 2}}));
    f.start("Specchio");
    f.seleziona({0, 0}, {2, 2});
    f.click(0, 0);
    f.click(0, 5);
    ASSERT_EQ(f.stato.dis.polilinee.Count(), 2);
    EXPECT_EQ(f.stato.dis.polilinee.Item(1).punto(2), (Punto{3, 2}));
    vicino({-1, 1}, f.stato.dis.polilinee.Item(2).punto(1));
    vicino({-3, 2}, f.stato.dis.polilinee.Item(2).punto(2));
    f.conclusa("Specchio");
}

TEST(SessioneModifica, StiraOneCornerOfASurface)
{
    Sessione f;
    superficie& s = f.aggiungi(poligono<superficie>({{0, 0}, {4, 0}, {0, 3}}));
    f.start("Stira");
    f.seleziona({3, -1}, {5, 1});
    f.click(4, 0);
    f.click(8, 0);
    EXPECT_EQ(s.punto(2), (Punto{8, 0}));
    EXPECT_EQ(s.punto(3), (Punto{0, 3}));
    EXPECT_NEAR(s.supf, 12, TOLLERANZA);
    EXPECT_NEAR(s.perimet, 8 + 3 + std::sqrt(73.0), TOLLERANZA);
    f.conclusa("Stira");
}

TEST(SessioneModifica, ProprietaOggettoClearsTheSelection)
{
    Sessione f;
    f.linea(0, 0, 5, 0);
    f.start("Proprietà Oggetto");
    f.seleziona({-1, -1}, {1, 1});
    const Linea& l = f.stato.dis.linee.Item(1);
    EXPECT_EQ(l.stato, STATO_NORMALE);
    EXPECT_EQ(l.Xf, 5);
    f.conclusa("Proprietà Oggetto");
}

} // namespace
} // namespace tramel
