// Each edit command as a user runs it: a crossing window confirmed with the
// right click, then the base and final points (or the angle, or the axis).
#include "support/finestra_prova.h"

#include "geometry/forme.h"
#include "geometry/misure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
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
