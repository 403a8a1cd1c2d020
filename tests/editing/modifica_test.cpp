#include "editing/modifica.h"

#include "geometry/trasforma_entita.h"
#include "geometry/trasformazioni.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace tramel {
namespace {

constexpr double TOLL = 1e-9;

// One window's state with a drawing to edit.
struct Prova {
    ValoriModulo modulo;
    DrawingState s{modulo};

    template <class T>
    T& aggiungi(T e, std::int16_t stato = STATO_SELEZIONATO)
    {
        e.stato = stato;
        auto& c = collezione<T>(s.dis);
        c.Add(std::make_unique<T>(std::move(e)));
        return c.Item(c.Count());
    }
    // Runs the command of the current record ("Ruota" keeps its angle in x2); gives the found flag.
    std::int16_t esegui(const std::string& nome, Punto p1 = {}, Punto p2 = {})
    {
        recordcoma& r = s.corrente();
        r.tipo = nome;
        r.x1 = p1.x, r.y1 = p1.y, r.x2 = p2.x, r.y2 = p2.y;
        std::int16_t trovato = 0;
        eseguiComandiModifica(s, s.comandi.numcomando, trovato);
        return trovato;
    }
};

Linea linea(double xi, double yi, double xf, double yf, std::int16_t segno1 = 0, std::int16_t segno2 = 0)
{
    Linea l;
    l.Xi = xi, l.Yi = yi, l.Xf = xf, l.Yf = yf, l.vert1_selez = segno1, l.vert2_selez = segno2;
    return l;
}

Arco arco(Punto p1, Punto p2, Punto p3)
{
    Arco a;
    a.p1x = p1.x, a.p1y = p1.y, a.p2x = p2.x, a.p2y = p2.y, a.p3x = p3.x, a.p3y = p3.y;
    return a;
}

template <class T>
T poligono(std::vector<Punto> v)
{
    T e;
    e.vertici(v);
    return e;
}

void vicino(Punto atteso, double x, double y)
{
    EXPECT_NEAR(atteso.x, x, TOLL);
    EXPECT_NEAR(atteso.y, y, TOLL);
}

TEST(ModificaLinee, CopiesAreAppendedUnselectedUnmarkedAndNotWalkedAgain)
{
    Prova p;
    for (int i = 0; i < 3; ++i)
        p.aggiungi(linea(i, 0, i, 1, 1));
    p.aggiungi(linea(9, 9, 9, 9), STATO_NORMALE);
    p.esegui("Copia", {0, 0}, {10, 0});
    ASSERT_EQ(p.s.dis.linee.Count(), 7);
    for (int k = 5; k <= 7; ++k) {
        const Linea& c = p.s.dis.linee.Item(k);
        EXPECT_EQ(c, linea(k - 5 + 10, 0, k - 5 + 10, 1)); // moved once, state 0, no marks
    }
    EXPECT_EQ(p.s.dis.linee.Item(1).Xi, 0);
}

TEST(ModificaLinee, EraseKeepsPositions)
{
    Prova p;
    p.aggiungi(linea(0, 0, 1, 1), STATO_NORMALE);
    p.aggiungi(linea(2, 2, 3, 3));
    p.aggiungi(linea(4, 4, 5, 5), STATO_NORMALE);
    p.esegui("Cancella");
    ASSERT_EQ(p.s.dis.linee.Count(), 3);
    EXPECT_EQ(p.s.dis.linee.Item(2).stato, STATO_CANCELLATO);
    EXPECT_EQ(p.s.dis.linee.Item(2).Xi, 2);
    EXPECT_EQ(p.s.dis.linee.Item(3).stato, STATO_NORMALE);
}

TEST(ModificaLinee, StretchMovesOnlyEndsMarkedExactly1)
{
    const std::vector<std::pair<Linea, Linea>> casi = {
        {linea(0, 0, 10, 10, 0, 1), linea(0, 0, 13, 14)},
        {linea(0, 0, 10, 10, 1, 0), linea(3, 4, 10, 10)},
        {linea(0, 0, 10, 10, 1, 1), linea(3, 4, 13, 14)},
        {linea(0, 0, 10, 10, 2, -1), linea(0, 0, 10, 10, 2, -1)},
    };
    for (const auto& [prima, dopo] : casi) {
        Prova p;
        Linea& e = p.aggiungi(prima);
        p.esegui("Stira", {1, 1}, {4, 5});
        EXPECT_EQ(e, dopo);
    }
}

TEST(ModificaArchi, StretchMovesTheMarkedEndWithTheThirdPoint)
{
    const double r = std::sqrt(2.0);
    Prova p;
    Arco a = arco({-1, 1}, {-1, -1}, {r, 0});
    a.vert1_selez = 1;
    Arco& e = p.aggiungi(a);
    p.esegui("Stira", {0, 0}, {0, 0.5});
    vicino({-1, 1.5}, e.p1x, e.p1y);
    vicino({-1, -1}, e.p2x, e.p2y);
    vicino({r, 0.5}, e.p3x, e.p3y);
    EXPECT_EQ(e.vert1_selez, 0);
}

TEST(ModificaArchi, MirrorImageHasItsEndsSwapped)
{
    Prova p;
    p.aggiungi(arco({1, 0}, {0, 1}, {0.6, 0.8}));
    p.esegui("Specchio", {0, 0}, {0, 1});
    ASSERT_EQ(p.s.dis.archi.Count(), 2);
    const Arco& m = p.s.dis.archi.Item(2);
    vicino({0, 1}, m.p1x, m.p1y);
    vicino({-1, 0}, m.p2x, m.p2y);
    vicino({-0.6, 0.8}, m.p3x, m.p3y);
}

TEST(ModificaPoligoni, StretchedCornerGivesAQuadrilateralWithItsMeasures)
{
    Prova p;
    Rettangolo r = poligono<Rettangolo>({{0, 0}, {4, 0}, {4, 3}, {0, 3}});
    r.ins_vertselez(1, 3);
    Rettangolo& e = p.aggiungi(r);
    p.esegui("Stira", {0, 0}, {2, 0});
    EXPECT_EQ(e.punto(2), (Punto{4, 0}));
    EXPECT_EQ(e.punto(3), (Punto{6, 3}));
    std::int16_t segno = -5;
    e.prel_vertselez(segno, 3);
    EXPECT_EQ(segno, 0);
    EXPECT_NEAR(e.supf, 15, TOLL);
    EXPECT_NEAR(e.perimet, 4 + 3 + 6 + std::sqrt(13.0), TOLL);
}

// The measures come from the new points, as the file gives them back.
TEST(ModificaPoligoni, CopyAndMirrorTakeAttributesButNoMarks)
{
    for (const std::string comando : {"Copia", "Specchio"}) {
        Prova p;
        superficie s = poligono<superficie>({{1, 1}, {3, 1}, {3, 2}});
        s.campitura = 3, s.colcont = 4, s.colocampitura = 5, s.spescont = 6, s.trattcont = 2;
        s.perimet = 11, s.supf = 22, s.stampare = 1;
        s.ins_vertselez(1, 2);
        p.aggiungi(s);
        p.esegui(comando, {0, 0}, {1, 0});
        ASSERT_EQ(p.s.dis.superfici.Count(), 2) << comando;
        superficie atteso = poligono<superficie>({{2, 1}, {4, 1}, {4, 2}}); // moved right by 1
        if (comando == "Specchio")
            atteso = poligono<superficie>({{1, -1}, {3, -1}, {3, -2}}); // about the x axis, vertex order kept
        atteso.campitura = 3, atteso.colcont = 4, atteso.colocampitura = 5, atteso.spescont = 6;
        atteso.trattcont = 2;
        rimisura(atteso);
        const superficie& c = p.s.dis.superfici.Item(2);
        EXPECT_EQ(static_cast<const Poligono&>(c), static_cast<const Poligono&>(atteso)) << comando;
    }
}

TEST(ModificaCerchi, OnlyTheCentreMovesAndThePointGoesToItsRight)
{
    struct Caso {
        std::string comando;
        Punto centro, punto, p1, p2, nuovoCentro;
    };
    const std::vector<Caso> casi = {
        {"Ruota", {1, 0}, {3, 0}, {0, 0}, {90, 0}, {0, 1}},
        {"Sposta", {0, 0}, {0, 3}, {0, 0}, {1, 1}, {1, 1}},
        {"Stira", {0, 0}, {0, 3}, {0, 0}, {1, 1}, {1, 1}},
        {"Ruota", {2, 2}, {2, 5}, {2, 2}, {33, 0}, {2, 2}},
        {"Specchio", {3, 1}, {3, 2}, {0, 0}, {1, 0}, {3, -1}},
    };
    for (const auto& c : casi) {
        Prova p;
        Cerchio e;
        e.Xcentro = c.centro.x, e.Ycentro = c.centro.y, e.Xpunto = c.punto.x, e.YPunto = c.punto.y;
        e.raggio = std::hypot(c.punto.x - c.centro.x, c.punto.y - c.centro.y);
        e.perimet = 6, e.supf = 7;
        p.aggiungi(e);
        p.esegui(c.comando, c.p1, c.p2);
        const Cerchio& d = p.s.dis.cerchi.Item(p.s.dis.cerchi.Count());
        vicino(c.nuovoCentro, d.Xcentro, d.Ycentro);
        vicino({c.nuovoCentro.x + e.raggio, c.nuovoCentro.y}, d.Xpunto, d.YPunto);
        EXPECT_EQ(d.raggio, e.raggio) << c.comando;
        EXPECT_DOUBLE_EQ(d.perimet, 2 * pigreco * e.raggio) << c.comando;
    }
}

testo scritta(Punto p, int angolo)
{
    testo t;
    t.pos_testox = p.x, t.pos_testoy = p.y;
    t.ang_testo(angolo);
    return t;
}

TEST(ModificaTesti, TurnMovesThePointAndChangesTheAngleWithoutReduction)
{
    const std::vector<std::tuple<int, double, int>> casi = {
        {0, 90, -90}, {10, 30, -20}, {10, 200, 170}, {10, 0, 10}, {0, 135, 225}, {5, 360, 5}};
    for (const auto& [angolo, gradi, atteso] : casi) {
        Prova p;
        testo& t = p.aggiungi(scritta({2, 0}, angolo));
        p.esegui("Ruota", {0, 0}, {gradi, 0});
        EXPECT_EQ(t.ang_testo(), atteso) << gradi;
        vicino(Rotazione({0, 0}, gradi)({2, 0}), t.pos_testox, t.pos_testoy);
    }
    Prova p;
    testo& t = p.aggiungi(scritta({1, 0}, 0));
    for (int i = 0; i < 3; ++i) {
        t.stato = STATO_SELEZIONATO;
        p.esegui("Ruota", {0, 0}, {200, 0});
    }
    EXPECT_EQ(t.ang_testo(), 480);
}

TEST(ModificaTesti, MirrorKeepsAngleStringAndFont)
{
    Prova p;
    testo t = scritta({3, 1}, 45);
    t.stringa_testo = "Piano terra";
    t.carattere_testo("Times New Roman");
    t.dimens_testo = 12, t.bold_testo = VERO, t.colore_testo = 255;
    t.opaco_testo = VERO, t.colore_opaco_testo = 99, t.nCartesto = 4;
    p.aggiungi(t);
    p.esegui("Specchio", {0, 0}, {1, 0});
    ASSERT_EQ(p.s.dis.testi.Count(), 2);
    testo atteso = t;
    atteso.pos_testoy = -1; // the point only: angle, string and font stay
    atteso.stato = STATO_NORMALE;
    atteso.nCartesto = 0;
    EXPECT_EQ(p.s.dis.testi.Item(2), atteso);
}

TEST(ModificaTrovato, SetByTheOneSelectedKindForEveryCommand)
{
    Prova vuota;
    vuota.aggiungi(linea(0, 0, 1, 1), STATO_NORMALE);
    vuota.aggiungi(Cerchio{}, STATO_CANCELLATO);
    EXPECT_EQ(vuota.esegui("Sposta", {0, 0}, {1, 1}), 0);
    for (const std::string comando : {"Cancella", "Sposta", "Copia", "Stira", "Ruota", "Specchio", "Proprietà Oggetto"}) {
        Prova p;
        p.aggiungi(poligono<polilinea>({{0, 0}, {1, 1}}));
        const Linea cancellata = p.aggiungi(linea(0, 0, 1, 1), STATO_CANCELLATO);
        EXPECT_EQ(p.esegui(comando, {0, 0}, {1, 1}), 1) << comando;
        EXPECT_EQ(p.s.dis.polilinee.Item(1).stato, comando == "Cancella" ? STATO_CANCELLATO : STATO_NORMALE);
        EXPECT_EQ(p.s.dis.linee.Item(1), cancellata) << comando;
    }
}

} // namespace
} // namespace tramel
