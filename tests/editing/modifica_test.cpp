#include "editing/modifica.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace tramel {
namespace {

constexpr double TOLLERANZA = 1e-9;

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

    // Runs the command on the current record; gives the found flag.
    std::int16_t esegui(const std::string& nome, Punto p1 = {}, Punto p2 = {})
    {
        recordcoma& r = s.corrente();
        r.tipo = nome;
        r.x1 = p1.x, r.y1 = p1.y, r.x2 = p2.x, r.y2 = p2.y;
        std::int16_t trovato = 0;
        eseguiComandiModifica(s, s.numcomando, trovato);
        return trovato;
    }
    // "Ruota" keeps its angle in x2.
    std::int16_t ruota(Punto centro, double gradi) { return esegui("Ruota", centro, {gradi, 0}); }
};

Linea linea(double xi, double yi, double xf, double yf)
{
    Linea l;
    l.Xi = xi, l.Yi = yi, l.Xf = xf, l.Yf = yf;
    return l;
}

template <class T>
T poligono(std::vector<Punto> v)
{
    T e;
    e.vertici(v);
    return e;
}

Cerchio cerchio(Punto c, Punto p)
{
    Cerchio e;
    e.Xcentro = c.x, e.Ycentro = c.y, e.Xpunto = p.x, e.YPunto = p.y;
    e.raggio = std::hypot(p.x - c.x, p.y - c.y);
    return e;
}

testo scritta(Punto p, int angolo)
{
    testo t;
    t.pos_testox = p.x, t.pos_testoy = p.y;
    t.ang_testo(angolo);
    return t;
}

void vicino(Punto atteso, double x, double y)
{
    EXPECT_NEAR(atteso.x, x, TOLLERANZA);
    EXPECT_NEAR(atteso.y, y, TOLLERANZA);
}

TEST(ModificaLinee, TurnedBy90AboutTheOrigin)
{
    Prova p;
    Linea& l = p.aggiungi(linea(1, 0, 2, 0));
    EXPECT_EQ(p.ruota({0, 0}, 90), 1);
    vicino({0, 1}, l.Xi, l.Yi);
    vicino({0, 2}, l.Xf, l.Yf);
    EXPECT_EQ(l.stato, STATO_NORMALE);
}

TEST(ModificaLinee, MirrorAddsTheImageAndLeavesTheSource)
{
    Prova p;
    Linea sorgente = linea(1, 1, 3, 2);
    sorgente.colorelinea = 255, sorgente.speslinea = 15, sorgente.TipoLinea = 3;
    Linea& l = p.aggiungi(sorgente);
    p.esegui("Specchio", {0, 0}, {0, 5});
    ASSERT_EQ(p.s.dis.linee.Count(), 2);
    sorgente.stato = STATO_NORMALE;
    EXPECT_EQ(l, sorgente);
    const Linea& m = p.s.dis.linee.Item(2);
    vicino({-1, 1}, m.Xi, m.Yi);
    vicino({-3, 2}, m.Xf, m.Yf);
    EXPECT_EQ(m.colorelinea, 255);
    EXPECT_EQ(m.speslinea, 15);
    EXPECT_EQ(m.TipoLinea, 3);
    EXPECT_EQ(m.stato, STATO_NORMALE);
}

TEST(ModificaLinee, CopiesAreAppendedUnselectedAndNotWalkedAgain)
{
    Prova p;
    for (int i = 0; i < 3; ++i) {
        Linea l = linea(i, 0, i, 1);
        l.vert1_selez = 1; // marks are not copied
        p.aggiungi(l);
    }
    p.aggiungi(linea(9, 9, 9, 9), STATO_NORMALE);
    p.esegui("Copia", {0, 0}, {10, 0});
    ASSERT_EQ(p.s.dis.linee.Count(), 7);
    for (int k = 5; k <= 7; ++k) {
        const Linea& c = p.s.dis.linee.Item(k);
        EXPECT_EQ(c.Xi, k - 5 + 10); // moved once
        EXPECT_EQ(c.stato, STATO_NORMALE);
        EXPECT_EQ(c.vert1_selez, 0);
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
    EXPECT_EQ(p.s.dis.linee.Item(1).stato, STATO_NORMALE);
    EXPECT_EQ(p.s.dis.linee.Item(2).stato, STATO_CANCELLATO);
    EXPECT_EQ(p.s.dis.linee.Item(2).Xi, 2);
    EXPECT_EQ(p.s.dis.linee.Item(3).Xi, 4);
}

TEST(ModificaLinee, StretchMovesOnlyMarkedEnds)
{
    struct Caso {
        std::int16_t segno1, segno2;
        Linea attesa;
    };
    const std::vector<Caso> casi = {
        {0, 1, linea(0, 0, 13, 14)},
        {1, 0, linea(3, 4, 10, 10)},
        {1, 1, linea(3, 4, 13, 14)},
        {0, 0, linea(0, 0, 10, 10)},
        {2, -1, linea(0, 0, 10, 10)}, // only a mark of exactly 1 counts
    };
    for (const auto& c : casi) {
        Prova p;
        Linea l = linea(0, 0, 10, 10);
        l.vert1_selez = c.segno1, l.vert2_selez = c.segno2;
        Linea& e = p.aggiungi(l);
        p.esegui("Stira", {1, 1}, {4, 5});
        EXPECT_EQ(e.Xi, c.attesa.Xi);
        EXPECT_EQ(e.Yi, c.attesa.Yi);
        EXPECT_EQ(e.Xf, c.attesa.Xf);
        EXPECT_EQ(e.Yf, c.attesa.Yf);
        EXPECT_EQ(e.vert1_selez, c.segno1 == 1 ? 0 : c.segno1);
        EXPECT_EQ(e.vert2_selez, c.segno2 == 1 ? 0 : c.segno2);
    }
}

TEST(ModificaArchi, StretchMovesTheMarkedEndAndTheThirdPoint)
{
    const double r = std::sqrt(2.0);
    Prova p;
    Arco a;
    a.p1x = -1, a.p1y = 1, a.p2x = -1, a.p2y = -1, a.p3x = r, a.p3y = 0;
    a.vert1_selez = 1;
    Arco& e = p.aggiungi(a);
    p.esegui("Stira", {0, 0}, {0, 0.5});
    vicino({-1, 1.5}, e.p1x, e.p1y);
    vicino({-1, -1}, e.p2x, e.p2y);
    vicino({r, 0.5}, e.p3x, e.p3y);
    EXPECT_EQ(e.vert1_selez, 0);
}

TEST(ModificaArchi, StretchSwapsEndsWhenTheArcMissesItsThirdPoint)
{
    const double r = std::sqrt(2.0);
    Prova p;
    Arco a;
    a.p1x = -1, a.p1y = 1, a.p2x = -1, a.p2y = -1, a.p3x = -r, a.p3y = 0; // no mark: only the refit
    Arco& e = p.aggiungi(a);
    p.esegui("Stira", {0, 0}, {5, 5});
    vicino({-1, -1}, e.p1x, e.p1y);
    vicino({-1, 1}, e.p2x, e.p2y);
    vicino({-r, 0}, e.p3x, e.p3y);
}

TEST(ModificaArchi, MirrorSwapsTheEndsOfTheImage)
{
    Prova p;
    Arco a;
    a.p1x = 1, a.p1y = 0, a.p2x = 0, a.p2y = 1, a.p3x = 0.6, a.p3y = 0.8;
    a.colcont = 7, a.spescont = 20, a.trattcont = 2;
    p.aggiungi(a);
    p.esegui("Specchio", {0, 0}, {0, 1});
    ASSERT_EQ(p.s.dis.archi.Count(), 2);
    const Arco& m = p.s.dis.archi.Item(2);
    vicino({0, 1}, m.p1x, m.p1y);
    vicino({-1, 0}, m.p2x, m.p2y);
    vicino({-0.6, 0.8}, m.p3x, m.p3y);
    EXPECT_EQ(m.colcont, 7);
    EXPECT_EQ(m.spescont, 20);
    EXPECT_EQ(m.trattcont, 2);
}

TEST(ModificaArchi, TurnKeepsTheRolesOfThePoints)
{
    Prova p;
    Arco a;
    a.p1x = 1, a.p1y = 0, a.p2x = 0, a.p2y = 1, a.p3x = 0.6, a.p3y = 0.8;
    Arco& e = p.aggiungi(a);
    p.ruota({0, 0}, 90);
    vicino({0, 1}, e.p1x, e.p1y);
    vicino({-1, 0}, e.p2x, e.p2y);
    vicino({-0.8, 0.6}, e.p3x, e.p3y);
}

TEST(ModificaPoligoni, StretchOfOneCornerMakesAQuadrilateralWithItsMeasures)
{
    Prova p;
    Rettangolo r = poligono<Rettangolo>({{0, 0}, {4, 0}, {4, 3}, {0, 3}});
    r.perimet = 14, r.supf = 12;
    r.ins_vertselez(1, 3);
    Rettangolo& e = p.aggiungi(r);
    p.esegui("Stira", {0, 0}, {2, 0});
    vicino({4, 0}, e.punto(2).x, e.punto(2).y);
    vicino({6, 3}, e.punto(3).x, e.punto(3).y);
    std::int16_t segno = -5;
    e.prel_vertselez(segno, 3);
    EXPECT_EQ(segno, 0);
    EXPECT_NEAR(e.supf, 15, TOLLERANZA);
    EXPECT_NEAR(e.perimet, 4 + 3 + 6 + std::sqrt(13.0), TOLLERANZA);
    EXPECT_EQ(p.s.dis.rettangoli.Count(), 1);
}

TEST(ModificaPoligoni, StretchWithoutMarksRecomputesTheSameMeasures)
{
    Prova p;
    superficie s = poligono<superficie>({{0, 0}, {4, 0}, {0, 3}});
    s.perimet = 99, s.supf = 99; // stale
    superficie& e = p.aggiungi(s);
    p.esegui("Stira", {0, 0}, {2, 2});
    vicino({4, 0}, e.punto(2).x, e.punto(2).y);
    EXPECT_NEAR(e.perimet, 12, TOLLERANZA);
    EXPECT_NEAR(e.supf, 6, TOLLERANZA);
}

TEST(ModificaPoligoni, TurnBy45KeepsTheMeasures)
{
    Prova p;
    Rettangolo r = poligono<Rettangolo>({{0, 0}, {2, 0}, {2, 2}, {0, 2}});
    r.perimet = 8, r.supf = 4;
    Rettangolo& e = p.aggiungi(r);
    p.ruota({0, 0}, 45);
    const double h = std::sqrt(2.0);
    vicino({h, h}, e.punto(2).x, e.punto(2).y);
    vicino({0, 2 * h}, e.punto(3).x, e.punto(3).y);
    EXPECT_EQ(e.perimet, 8);
    EXPECT_EQ(e.supf, 4);
}

TEST(ModificaPoligoni, CopyAndMirrorTakeAttributesAndMeasuresButNoMarks)
{
    for (const std::string comando : {"Copia", "Specchio"}) {
        Prova p;
        superficie s = poligono<superficie>({{1, 1}, {3, 1}, {3, 2}});
        s.campitura = 3, s.colcont = 4, s.colocampitura = 5, s.spescont = 6, s.trattcont = 2;
        s.perimet = 11, s.supf = 22, s.stampare = 1;
        s.ins_vertselez(1, 2);
        p.aggiungi(s);
        p.esegui(comando, {0, 0}, {0, 1});
        ASSERT_EQ(p.s.dis.superfici.Count(), 2) << comando;
        const superficie& c = p.s.dis.superfici.Item(2);
        EXPECT_EQ(c.campitura, 3);
        EXPECT_EQ(c.colcont, 4);
        EXPECT_EQ(c.colocampitura, 5);
        EXPECT_EQ(c.spescont, 6);
        EXPECT_EQ(c.trattcont, 2);
        EXPECT_EQ(c.perimet, 11);
        EXPECT_EQ(c.supf, 22);
        EXPECT_EQ(c.stato, STATO_NORMALE);
        EXPECT_EQ(c.stampare, 0);
        ASSERT_EQ(c.vertic(), 3);
        std::int16_t segno = -5;
        c.prel_vertselez(segno, 2);
        EXPECT_EQ(segno, 0);
        // The copy moves up by 1; the image about x = 0 keeps the vertex order.
        const Punto v2 = comando == "Copia" ? Punto{3, 2} : Punto{-3, 1};
        vicino(v2, c.punto(2).x, c.punto(2).y);
    }
}

TEST(ModificaPolilinee, StretchOfFirstAndLastVertex)
{
    Prova p;
    polilinea pl = poligono<polilinea>({{0, 0}, {1, 0}, {2, 0}, {3, 0}});
    pl.ins_vertselez(1, 1);
    pl.ins_vertselez(1, 4);
    pl.lunghez = 3;
    polilinea& e = p.aggiungi(pl);
    p.esegui("Stira", {0, 0}, {0, 1});
    const std::vector<Punto> attesi = {{0, 1}, {1, 0}, {2, 0}, {3, 1}};
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(e.punto(i), attesi[static_cast<std::size_t>(i - 1)]) << i;
    EXPECT_EQ(e.lunghez, 3);
}

TEST(ModificaCerchi, OnlyTheCentreMovesAndThePointGoesToItsRight)
{
    struct Caso {
        const char* nome;
        Cerchio c;
        std::string comando;
        Punto p1, p2;
        Punto centro;
    };
    const std::vector<Caso> casi = {
        {"turn by 90", cerchio({1, 0}, {3, 0}), "Ruota", {0, 0}, {90, 0}, {0, 1}},
        {"move", cerchio({0, 0}, {0, 3}), "Sposta", {0, 0}, {1, 1}, {1, 1}},
        {"stretch as move", cerchio({0, 0}, {0, 3}), "Stira", {0, 0}, {1, 1}, {1, 1}},
        {"turn about its own centre", cerchio({2, 2}, {2, 5}), "Ruota", {2, 2}, {33, 0}, {2, 2}},
    };
    for (const auto& c : casi) {
        Prova p;
        Cerchio& e = p.aggiungi(c.c);
        p.esegui(c.comando, c.p1, c.p2);
        vicino(c.centro, e.Xcentro, e.Ycentro);
        vicino({c.centro.x + c.c.raggio, c.centro.y}, e.Xpunto, e.YPunto);
        EXPECT_EQ(e.raggio, c.c.raggio) << c.nome;
    }
}

TEST(ModificaCerchi, MirrorAddsACircleOfTheSameMeasures)
{
    Prova p;
    Cerchio c = cerchio({3, 1}, {3, 2});
    c.perimet = 6.28, c.supf = 3.14, c.campitura = 6, c.colocampitura = 9;
    Cerchio& sorgente = p.aggiungi(c);
    p.esegui("Specchio", {0, 0}, {1, 0});
    ASSERT_EQ(p.s.dis.cerchi.Count(), 2);
    const Cerchio& m = p.s.dis.cerchi.Item(2);
    vicino({3, -1}, m.Xcentro, m.Ycentro);
    vicino({4, -1}, m.Xpunto, m.YPunto);
    EXPECT_EQ(m.raggio, 1);
    EXPECT_EQ(m.perimet, 6.28);
    EXPECT_EQ(m.supf, 3.14);
    EXPECT_EQ(m.campitura, 6);
    EXPECT_EQ(m.colocampitura, 9);
    EXPECT_EQ(sorgente.YPunto, 2); // the source is left as it was
}

TEST(ModificaTesti, TurnMovesThePointAndLowersTheAngle)
{
    struct Caso {
        Punto p;
        int angolo;
        double gradi;
        int atteso;
    };
    const std::vector<Caso> casi = {
        {{2, 0}, 0, 90, -90}, {{1, 1}, 10, 30, -20}, {{1, 1}, 10, 200, 170},
        {{1, 1}, 10, 0, 10},  {{0, 0}, 0, 135, 225}, {{0, 0}, 5, 360, 5},
    };
    for (const auto& c : casi) {
        Prova p;
        testo& t = p.aggiungi(scritta(c.p, c.angolo));
        p.ruota({0, 0}, c.gradi);
        EXPECT_EQ(t.ang_testo(), c.atteso) << c.gradi;
    }
    Prova p;
    testo& t = p.aggiungi(scritta({2, 0}, 0));
    p.ruota({0, 0}, 90);
    vicino({0, 2}, t.pos_testox, t.pos_testoy);
}

TEST(ModificaTesti, TurnsAddUpWithoutReduction)
{
    Prova p;
    testo& t = p.aggiungi(scritta({1, 0}, 0));
    for (int i = 0; i < 3; ++i) {
        t.stato = STATO_SELEZIONATO;
        p.ruota({0, 0}, 200);
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
    const testo& m = p.s.dis.testi.Item(2);
    vicino({3, -1}, m.pos_testox, m.pos_testoy);
    EXPECT_EQ(m.ang_testo(), 45);
    EXPECT_EQ(m.stringa_testo, "Piano terra");
    EXPECT_EQ(m.nomeCarattere(), "Times New Roman");
    EXPECT_EQ(m.dimens_testo, 12);
    EXPECT_EQ(m.bold_testo, VERO);
    EXPECT_EQ(m.colore_testo, 255);
    EXPECT_EQ(m.opaco_testo, VERO);
    EXPECT_EQ(m.colore_opaco_testo, 99);
    EXPECT_EQ(m.nCartesto, 0);
}

TEST(ModificaTrovato, SetByTheOneSelectedKind)
{
    Prova p;
    p.aggiungi(linea(0, 0, 1, 1), STATO_NORMALE);
    p.aggiungi(cerchio({0, 0}, {1, 0}), STATO_CANCELLATO);
    EXPECT_EQ(p.esegui("Sposta", {0, 0}, {1, 1}), 0);
    for (const std::string comando : {"Cancella", "Sposta", "Copia", "Stira", "Ruota", "Specchio", "Proprietà Oggetto"}) {
        Prova q;
        q.aggiungi(poligono<polilinea>({{0, 0}, {1, 1}}));
        q.aggiungi(linea(0, 0, 1, 1), STATO_NORMALE);
        EXPECT_EQ(q.esegui(comando, {0, 0}, {1, 1}), 1) << comando;
        EXPECT_EQ(q.s.dis.polilinee.Item(1).stato, comando == "Cancella" ? STATO_CANCELLATO : STATO_NORMALE);
    }
}

TEST(ModificaProprieta, ClearsTheSelectionAndChangesNothingElse)
{
    Prova p;
    Linea& sel = p.aggiungi(linea(0, 0, 1, 1));
    Linea& canc = p.aggiungi(linea(2, 2, 3, 3), STATO_CANCELLATO);
    EXPECT_EQ(p.esegui("Proprietà Oggetto"), 1);
    EXPECT_EQ(sel.stato, STATO_NORMALE);
    EXPECT_EQ(sel.Xf, 1);
    EXPECT_EQ(canc.stato, STATO_CANCELLATO);
    EXPECT_EQ(p.s.dis.linee.Count(), 2);
}

} // namespace
} // namespace tramel
