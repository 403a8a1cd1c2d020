#include "selezione.h"

#include "geometry/intersezioni.h"
#include "geometry/selezinters.h"
#include "view/ingombro_testo.h"

#include <algorithm>
#include <cmath>

namespace tramel {

namespace {

// The box widened by a hair, so that the quick rejection before an exact
// test never drops what the exact test, with its rounding, would catch.
Riquadro allarga(const Riquadro& f)
{
    const double m = 1e-9 * (1 + std::max({std::abs(f.x1), std::abs(f.y1), std::abs(f.x2), std::abs(f.y2)}));
    return {f.x1 - m, f.y1 - m, f.x2 + m, f.y2 + m};
}

// A box that holds at least one point and lies wholly in the window.
bool contiene(const Riquadro& f, const Riquadro& box)
{
    return box.x1 <= box.x2 && box.y1 <= box.y2 && f.x1 <= box.x1 && box.x2 <= f.x2 && f.y1 <= box.y1 &&
           box.y2 <= f.y2;
}

template <class T>
std::optional<Segmento> latoCatena(const Mirino& m, const T& e, bool chiuso)
{
    const int n = e.vertic();
    if (n < 2 || !siToccano(ingombro(e), m.ingombro()))
        return std::nullopt;
    for (int i = 1; i < n; ++i) {
        const Segmento l{e.punto(i), e.punto(i + 1)};
        if (taglia(m, l))
            return l;
    }
    const Segmento chiusura{e.punto(1), e.punto(n)};
    if (chiuso && taglia(m, chiusura))
        return chiusura;
    return std::nullopt;
}

Segmento segmento(const Linea& l) { return {{l.Xi, l.Yi}, {l.Xf, l.Yf}}; }
Segmento corda(const Arco& a) { return {{a.p1x, a.p1y}, {a.p2x, a.p2y}}; }

Punto medio(const Punto& a, const Punto& b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

bool tagliaTesto(const Mirino& m, const testo& t, const ScatolaTesto& s)
{
    if (latoColpito(m, t, s))
        return true;
    // The centre line runs through the middle of the text, along its direction.
    const auto a = angoliTesto(t, s);
    return siToccano(ingombro(t, s), m.ingombro()) && taglia(m, {medio(a[3], a[0]), medio(a[1], a[2])});
}

bool prendeArco(const Mirino& m, const Arco& a)
{
    const auto c = a.cerchio();
    if (!c) // drawn as the segment p1-p2, and picked so
        return taglia(m, corda(a));
    if (!siToccano(quadrato(c->xc, c->yc, c->r), m.ingombro()))
        return false;
    const Incontro k = incontro(m, c->xc, c->yc, c->r);
    return k.flag == 2 || incontraArco(k, a, *c);
}

// The first entity of the collection, not erased, that colpito(entity,
// position) takes, added to presi.
template <class T, class Colpito>
void primo(const Collezione<T>& c, TipoEntita tipo, Colpito colpito, std::vector<Preso>& presi)
{
    for (int i = 1; i <= c.Count(); ++i) {
        const T& e = c.Item(i);
        if (e.stato != STATO_CANCELLATO && colpito(e, i)) {
            presi.push_back({tipo, i});
            return;
        }
    }
}

// Every entity of the collection that prendi(entity, position) takes.
template <class T, class Prendi>
void tutti(const Collezione<T>& c, TipoEntita tipo, Prendi prendi, std::vector<Preso>& presi)
{
    for (int i = 1; i <= c.Count(); ++i) {
        if (prendi(c.Item(i), i))
            presi.push_back({tipo, i});
    }
}

Riquadro puntiArco(const Arco& a)
{
    return unione(riquadro({a.p1x, a.p1y}, {a.p2x, a.p2y}), Punto{a.p3x, a.p3y});
}

Riquadro quadratoCerchio(const Cerchio& c)
{
    return quadrato(c.Xcentro, c.Ycentro, std::abs(c.raggio));
}

// The crossing tests of texts and circles, after a quick look at their boxes.
bool incrociaTesto(const testo& t, const ScatolaTesto& s, const Riquadro& f)
{
    if (!siToccano(ingombro(t, s), allarga(f)))
        return false;
    const auto a = angoliTesto(t, s);
    return selezinters_scatolaintersfin(a, f.x1, f.y1, f.x2, f.y2);
}

bool incrociaCerchio(const Cerchio& c, const Riquadro& f)
{
    return siToccano(quadrato(c.Xcentro, c.Ycentro, std::abs(c.raggio)), allarga(f)) &&
           selezinters_cerchiointersfin(c, f.x1, f.y1, f.x2, f.y2);
}

// The stretch of a vertex kind: its vertices in the window.
template <class T>
void stiraVertici(const Collezione<T>& c, TipoEntita tipo, const Riquadro& f, std::vector<PresoStira>& presi)
{
    for (int i = 1; i <= c.Count(); ++i) {
        const T& e = c.Item(i);
        if (e.stato == STATO_CANCELLATO)
            continue;
        PresoStira p{{tipo, i}, {}};
        for (int v = 1; v <= e.vertic(); ++v) {
            const Punto q = e.punto(v);
            if (contiene(f, q))
                p.vertici.push_back(v);
        }
        if (!p.vertici.empty())
            presi.push_back(std::move(p));
    }
}

// The stretch of lines and arcs: their ends in the window; an end marked
// before keeps the entity in the stretch.
template <class T, class Estremi>
void stiraEstremi(const Collezione<T>& c, TipoEntita tipo, const Riquadro& f, Estremi estremi,
                  std::vector<PresoStira>& presi)
{
    for (int i = 1; i <= c.Count(); ++i) {
        const T& e = c.Item(i);
        if (e.stato == STATO_CANCELLATO)
            continue;
        const Segmento l = estremi(e);
        PresoStira p{{tipo, i}, {}};
        if (contiene(f, l.a))
            p.vertici.push_back(1);
        if (contiene(f, l.b))
            p.vertici.push_back(2);
        if (!p.vertici.empty() || e.vert1_selez == 1 || e.vert2_selez == 1)
            presi.push_back(std::move(p));
    }
}

} // namespace

double raggioMirino(double scala)
{
    return LATO_MIRINO_MM / 2 / scala;
}

Riquadro finestraOrdinata(double x1, double y1, double x2, double y2)
{
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

Mirino::Mirino(double x, double y, double r) : x(x), y(y), r(r), ingombro_(allarga({x - r, y - r, x + r, y + r})) {}

bool taglia(const Mirino& m, const Segmento& l)
{
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    int flag1 = 0, flag2 = 0;
    detinters_cerchio_segmento(m.x, m.y, m.r, l.a.x, l.a.y, l.b.x, l.b.y, X1, Y1, X2, Y2, flag1, flag2);
    return flag1 == 1 || flag2 == 1;
}

std::optional<Segmento> latoColpito(const Mirino& m, const polilinea& p) { return latoCatena(m, p, false); }
std::optional<Segmento> latoColpito(const Mirino& m, const superficie& s) { return latoCatena(m, s, true); }
std::optional<Segmento> latoColpito(const Mirino& m, const Rettangolo& r) { return latoCatena(m, r, true); }

std::array<Punto, 4> angoliTesto(const testo& t, const ScatolaTesto& s)
{
    const auto da = [&](const Punto& o) { return Punto{t.pos_testox + o.x, t.pos_testoy + o.y}; };
    return {Punto{t.pos_testox, t.pos_testoy}, da(s.angolo2), da(s.angolo3), da(s.angolo4)};
}

std::optional<Segmento> latoColpito(const Mirino& m, const Linea& l)
{
    if (!siToccano(ingombro(l), m.ingombro()) || !taglia(m, segmento(l)))
        return std::nullopt;
    return segmento(l);
}

std::optional<Segmento> latoColpito(const Mirino& m, const testo& t, const ScatolaTesto& s)
{
    if (!siToccano(ingombro(t, s), m.ingombro()))
        return std::nullopt;
    const auto a = angoliTesto(t, s);
    for (std::size_t i = 0; i < 4; ++i) {
        const Segmento l{a[i], a[(i + 1) % 4]};
        if (taglia(m, l))
            return l;
    }
    return std::nullopt;
}

bool prendeCerchio(const Mirino& m, const Cerchio& c)
{
    if (!siToccano(quadrato(c.Xcentro, c.Ycentro, std::abs(c.raggio)), m.ingombro()))
        return false;
    return incontro(m, c.Xcentro, c.Ycentro, c.raggio).flag != 0;
}

Incontro incontro(const Mirino& m, double xc, double yc, double r)
{
    Incontro k;
    detinters_cerchio_cerchio(xc, yc, r, m.x, m.y, m.r, k.flag, k.p1.x, k.p1.y, k.p2.x, k.p2.y);
    return k;
}

bool incontraArco(const Incontro& k, const Arco& a, const Arco::Circonferenza& c)
{
    const auto sullArco = [&](const Punto& p) {
        return detPinArco(p.x, p.y, c.xc, c.yc, a.p1x, a.p1y, a.p2x, a.p2y);
    };
    return k.flag == 1 && (sullArco(k.p1) || sullArco(k.p2));
}

std::vector<Preso> selezionaoggetti(const disegno& d, const CacheTesti& testi, double X, double Y, double r)
{
    const Mirino m{X, Y, r};
    std::vector<Preso> presi;
    const auto catena = [&](const auto& e, int) { return latoColpito(m, e).has_value(); };
    primo(d.superfici, TipoEntita::superficie, catena, presi);
    primo(d.linee, TipoEntita::linea, catena, presi);
    primo(d.rettangoli, TipoEntita::rettangolo, catena, presi);
    primo(d.testi, TipoEntita::testo, [&](const testo& e, int i) { return tagliaTesto(m, e, testi.scatola(i)); },
          presi);
    primo(d.cerchi, TipoEntita::cerchio, [&](const Cerchio& e, int) { return prendeCerchio(m, e); }, presi);
    primo(d.archi, TipoEntita::arco, [&](const Arco& e, int) { return prendeArco(m, e); }, presi);
    primo(d.polilinee, TipoEntita::polilinea, catena, presi);
    return presi;
}

std::vector<Preso> selezfin(const disegno& d, const CacheTesti& testi, const Riquadro& f)
{
    std::vector<Preso> presi;
    const auto vivo = [](const Entita& e) { return e.stato != STATO_CANCELLATO; };
    const auto punti = [&](const auto& e, int) { return vivo(e) && contiene(f, ingombro(e)); };
    tutti(d.superfici, TipoEntita::superficie, punti, presi);
    tutti(d.linee, TipoEntita::linea, punti, presi);
    tutti(d.rettangoli, TipoEntita::rettangolo, punti, presi);
    tutti(d.testi, TipoEntita::testo,
          [&](const testo& e, int i) { return vivo(e) && contiene(f, ingombro(e, testi.scatola(i))); }, presi);
    tutti(d.cerchi, TipoEntita::cerchio,
          [&](const Cerchio& e, int) { return vivo(e) && contiene(f, quadratoCerchio(e)); }, presi);
    tutti(d.archi, TipoEntita::arco, [&](const Arco& e, int) { return vivo(e) && contiene(f, puntiArco(e)); },
          presi);
    tutti(d.polilinee, TipoEntita::polilinea, punti, presi);
    return presi;
}

std::vector<Preso> selezinters(const disegno& d, const CacheTesti& testi, const Riquadro& f, bool ancheSelezionati)
{
    const Riquadro largo = allarga(f);
    const auto daProvare = [&](const Entita& e) {
        return e.stato == STATO_NORMALE || (ancheSelezionati && e.stato == STATO_SELEZIONATO);
    };
    // The box first: most of a large drawing lies away from the window.
    const auto prova = [&](auto test) {
        return [&, test](const auto& e, int) {
            return daProvare(e) && siToccano(ingombro(e), largo) && test(e, f.x1, f.y1, f.x2, f.y2);
        };
    };
    std::vector<Preso> presi;
    tutti(d.superfici, TipoEntita::superficie, prova(selezinters_superficieintersfin), presi);
    tutti(d.rettangoli, TipoEntita::rettangolo, prova(selezinters_rettangolointersfin), presi);
    tutti(d.linee, TipoEntita::linea, prova(selezinters_lineaintersfin), presi);
    tutti(d.cerchi, TipoEntita::cerchio,
          [&](const Cerchio& e, int) { return daProvare(e) && incrociaCerchio(e, f); }, presi);
    tutti(d.archi, TipoEntita::arco, prova(selezinters_arcointersfin), presi);
    tutti(d.polilinee, TipoEntita::polilinea, prova(selezinters_polilineaintersfin), presi);
    tutti(d.testi, TipoEntita::testo,
          [&](const testo& e, int i) { return daProvare(e) && incrociaTesto(e, testi.scatola(i), f); }, presi);
    return presi;
}

namespace {

// Fill codes 0 to 5 hatch, 6 is solid; 7 and the pattern paint nothing inside.
bool riempito(std::int32_t campitura)
{
    return campitura >= 0 && campitura <= 6;
}

// Even-odd: a ray to the right crosses the outline an odd number of times.
bool dentroPoligono(const ListaVertici& e, Punto p)
{
    bool dentro = false;
    const int n = e.vertic();
    for (int i = 1, j = n; i <= n; j = i++) {
        const Punto a = e.punto(i), b = e.punto(j);
        if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y))
            dentro = !dentro;
    }
    return dentro;
}

} // namespace

std::vector<Preso> riempitiAttorno(const disegno& d, Punto p)
{
    const auto prova = [&](const auto& e, int) {
        return e.stato == STATO_NORMALE && riempito(e.campitura) && dentroPoligono(e, p);
    };
    std::vector<Preso> presi;
    tutti(d.superfici, TipoEntita::superficie, prova, presi);
    tutti(d.rettangoli, TipoEntita::rettangolo, prova, presi);
    tutti(d.cerchi, TipoEntita::cerchio,
          [&](const Cerchio& e, int) {
              return e.stato == STATO_NORMALE && riempito(e.campitura) &&
                     std::hypot(p.x - e.Xcentro, p.y - e.Ycentro) < std::hypot(e.Xpunto - e.Xcentro, e.YPunto - e.Ycentro);
          },
          presi);
    return presi;
}

std::vector<PresoStira> selezintersStira(const disegno& d, const CacheTesti& testi, const Riquadro& f)
{
    std::vector<PresoStira> presi;
    const auto incrocio = [&](TipoEntita tipo, const auto& c, auto test) {
        for (int i = 1; i <= c.Count(); ++i) {
            if (c.Item(i).stato != STATO_CANCELLATO && test(c.Item(i), i))
                presi.push_back({{tipo, i}, {}});
        }
    };
    stiraVertici(d.superfici, TipoEntita::superficie, f, presi);
    stiraEstremi(d.linee, TipoEntita::linea, f, segmento, presi);
    stiraVertici(d.rettangoli, TipoEntita::rettangolo, f, presi);
    incrocio(TipoEntita::testo, d.testi,
             [&](const testo& e, int i) { return incrociaTesto(e, testi.scatola(i), f); });
    incrocio(TipoEntita::cerchio, d.cerchi, [&](const Cerchio& e, int) { return incrociaCerchio(e, f); });
    stiraEstremi(d.archi, TipoEntita::arco, f, corda, presi);
    stiraVertici(d.polilinee, TipoEntita::polilinea, f, presi);
    return presi;
}

} // namespace tramel
