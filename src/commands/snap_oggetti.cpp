#include "snap_oggetti.h"

#include "geometry/intersezioni.h"
#include "view/ingombro_testo.h"

#include <cmath>

namespace tramel {

namespace {

std::optional<Punto> puntoDelLato(const Segmento& l, int filtro)
{
    if (filtro == FILTRO_INIZIO)
        return l.a;
    if (filtro == FILTRO_FINE)
        return l.b;
    return Punto{(l.a.x + l.b.x) / 2, (l.a.y + l.b.y) / 2};
}

// The first segment of the collection's live entities that latoDi(entity,
// position) finds under the pick circle.
template <class T, class LatoDi>
std::optional<Segmento> primoLato(const Collezione<T>& c, LatoDi latoDi)
{
    for (int i = 1; i <= c.Count(); ++i) {
        const T& e = c.Item(i);
        if (e.stato == STATO_CANCELLATO)
            continue;
        if (const auto l = latoDi(e, i))
            return l;
    }
    return std::nullopt;
}

std::optional<Segmento> faseSegmenti(const disegno& d, const CacheTesti& testi, const Mirino& m)
{
    const auto catena = [&](const auto& e, int) { return latoColpito(m, e); };
    auto l = primoLato(d.superfici, catena);
    if (!l)
        l = primoLato(d.linee, catena);
    if (!l)
        l = primoLato(d.rettangoli, catena);
    if (!l)
        l = primoLato(d.testi, [&](const testo& e, int i) { return latoColpito(m, e, testi.scatola(i)); });
    if (!l)
        l = primoLato(d.polilinee, catena);
    return l;
}

// The point of the arc halfway round from its start to its end.
Punto medioArco(const Arco& a, const Arco::Circonferenza& c)
{
    const double ang = detAngolo(c.xc, c.yc, a.p1x, a.p1y) - ampiezzaArco(c.xc, c.yc, a.p1x, a.p1y, a.p2x, a.p2y) / 2;
    return {c.xc + c.r * std::cos(ang), c.yc + c.r * std::sin(ang)};
}

std::optional<Punto> puntoDellArco(const Arco& a, const Mirino& m, int filtro)
{
    const Segmento corda{{a.p1x, a.p1y}, {a.p2x, a.p2y}};
    const auto c = a.cerchio();
    if (!c) // drawn as the segment p1-p2: snapped as that segment, with no centre
        return filtro != FILTRO_CENTRO && taglia(m, corda) ? puntoDelLato(corda, filtro) : std::nullopt;
    if (!siToccano(quadrato(c->xc, c->yc, c->r), m.ingombro()) ||
        !incontraArco(incontro(m, c->xc, c->yc, c->r), a, *c))
        return std::nullopt;
    if (filtro == FILTRO_CENTRO)
        return Punto{c->xc, c->yc};
    if (filtro == FILTRO_MEDIO)
        return medioArco(a, *c);
    return puntoDelLato(corda, filtro);
}

std::optional<Punto> faseArchi(const disegno& d, const Mirino& m, int filtro)
{
    for (int i = 1; i <= d.archi.Count(); ++i) {
        const Arco& a = d.archi.Item(i);
        if (a.stato == STATO_CANCELLATO)
            continue;
        if (const auto p = puntoDellArco(a, m, filtro))
            return p;
    }
    return std::nullopt;
}

std::optional<Punto> faseCerchi(const disegno& d, const Mirino& m)
{
    for (int i = 1; i <= d.cerchi.Count(); ++i) {
        const Cerchio& c = d.cerchi.Item(i);
        if (c.stato != STATO_CANCELLATO && prendeCerchio(m, c))
            return Punto{c.Xcentro, c.Ycentro};
    }
    return std::nullopt;
}

} // namespace

std::optional<Punto> selezoggettifiltri(const disegno& d, const CacheTesti& testi, int filtro, double X, double Y,
                                         double r)
{
    const Mirino m{X, Y, r};
    const bool segmenti = filtro == FILTRO_INIZIO || filtro == FILTRO_FINE || filtro == FILTRO_MEDIO;
    if (segmenti) {
        if (const auto l = faseSegmenti(d, testi, m))
            return puntoDelLato(*l, filtro);
    }
    if (segmenti || filtro == FILTRO_CENTRO) {
        if (const auto p = faseArchi(d, m, filtro))
            return p;
    }
    if (filtro == FILTRO_CENTRO)
        return faseCerchi(d, m);
    return std::nullopt;
}

} // namespace tramel
