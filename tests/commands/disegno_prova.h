#pragma once
// A drawing with each entity alone in its own stretch of the x axis, for the
// selection and object-snap tables, and the boxes of its texts.
#include "commands/selezione.h"
#include "platform/text_metrics.h"

#include <cmath>
#include <initializer_list>
#include <memory>

namespace tramel {

template <class T, class Scrivi>
T& vertici(Collezione<T>& c, std::initializer_list<Punto> punti, Scrivi scrivi)
{
    auto e = std::make_unique<T>();
    e->vertic(static_cast<std::int16_t>(punti.size()));
    int i = 1;
    for (const Punto& p : punti)
        ((*e).*scrivi)(p.x, p.y, i++);
    c.Add(std::move(e));
    return c.Item(c.Count());
}

inline Linea& linea(disegno& d, double xi, double yi, double xf, double yf)
{
    auto l = std::make_unique<Linea>();
    l->Xi = xi, l->Yi = yi, l->Xf = xf, l->Yf = yf;
    d.linee.Add(std::move(l));
    return d.linee.Item(d.linee.Count());
}

inline Cerchio& cerchio(disegno& d, double xc, double yc, double r)
{
    auto c = std::make_unique<Cerchio>();
    c->Xcentro = xc, c->Ycentro = yc, c->raggio = r, c->Xpunto = xc + r, c->YPunto = yc;
    d.cerchi.Add(std::move(c));
    return d.cerchi.Item(d.cerchi.Count());
}

// An arc about (xc, yc) from angle a1 through falling angles to a2 (degrees).
inline Arco& arco(disegno& d, double xc, double yc, double r, double a1, double a2)
{
    const auto punto = [&](double gradi, double& x, double& y) {
        x = xc + r * std::cos(gradi * 3.14159265358979323846 / 180);
        y = yc + r * std::sin(gradi * 3.14159265358979323846 / 180);
    };
    auto a = std::make_unique<Arco>();
    punto(a1, a->p1x, a->p1y);
    punto(a2, a->p2x, a->p2y);
    punto((a1 + (a2 <= a1 ? a2 : a2 - 360)) / 2, a->p3x, a->p3y);
    d.archi.Add(std::move(a));
    return d.archi.Item(d.archi.Count());
}

// Four letters of 72 points: a box of about 6.14 by 2.54 running right and
// down from the reference point.
inline testo& scritta(disegno& d, double x, double y)
{
    auto t = std::make_unique<testo>();
    t->stringa_testo = "ABCD";
    t->dimens_testo = 72;
    t->carattere_testo("Arial");
    t->pos_testox = x, t->pos_testoy = y;
    d.testi.Add(std::move(t));
    return d.testi.Item(d.testi.Count());
}

struct DisegnoProva {
    disegno d;
    FakeTextMetrics metriche;
    CacheTesti testi;

    DisegnoProva()
    {
        vertici(d.superfici, {{0, 0}, {0, 10}, {10, 10}, {10, 0}}, &superficie::inser_vert_sup);     // sup 1
        vertici(d.rettangoli, {{100, 0}, {100, 10}, {110, 10}, {110, 0}}, &Rettangolo::inser_vert_ret); // rett 1
        vertici(d.polilinee, {{200, 0}, {200, 10}, {210, 10}, {210, 0}}, &polilinea::inser_vert_pol);   // pol 1
        vertici(d.polilinee, {{250, 5}}, &polilinea::inser_vert_pol);                                   // pol 2
        linea(d, 300, 0, 310, 0);                                // linea 1
        linea(d, 300, 0, 310, 0);                                // linea 2, under linea 1
        linea(d, 320, 0, 320.1, 0);                              // linea 3, short
        linea(d, 340, 0, 350, 0).stato = STATO_CANCELLATO;       // linea 4
        linea(d, 340, 0.2, 350, 0.2);                            // linea 5
        linea(d, 800, -5, 800, 5);                               // linea 6, through the left of cerchio 3
        cerchio(d, 400, 0, 10);                                  // cerchio 1
        cerchio(d, 450, 0, 0.2);                                 // cerchio 2, tiny
        cerchio(d, 805, 0, 5);                                   // cerchio 3
        arco(d, 500, 0, 5, 90, 0);                               // arco 1, a quarter
        arco(d, 550, 0, 0.2, 90, 0);                             // arco 2, tiny
        Arco& dritto = arco(d, 600, 0, 5, 180, 0);               // arco 3, its points on one line
        dritto.p1x = 600, dritto.p1y = 0, dritto.p2x = 610, dritto.p2y = 0, dritto.p3x = 605, dritto.p3y = 0;
        arco(d, 900, 0, 5, 90, 180);                             // arco 4, three quarters through angle 0
        scritta(d, 700, 0);                                      // testo 1
        aggiorna();
    }
    void aggiorna() { testi.aggiorna(d.testi, {metriche, 96, 96}); }
};

} // namespace tramel
