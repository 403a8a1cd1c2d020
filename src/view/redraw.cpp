#include "redraw.h"

#include "disegna_entita.h"
#include "impostdistipo.h"

#include "platform/palette.h"
#include "platform/rounding.h"

#include <algorithm>
#include <cmath>

namespace tramel {

namespace {

// Pixels added round every box, for the rounding of small texts and of the
// device points.
constexpr double MARGINE_PIXEL = 2;

// The smallest rectangle that holds a set of points.
class Ingombro {
public:
    void aggiungi(double x, double y)
    {
        f_.x1 = std::min(f_.x1, x);
        f_.y1 = std::min(f_.y1, y);
        f_.x2 = std::max(f_.x2, x);
        f_.y2 = std::max(f_.y2, y);
    }
    const Finestra& finestra() const { return f_; }

private:
    Finestra f_{HUGE_VAL, HUGE_VAL, -HUGE_VAL, -HUGE_VAL}; // empty: meets nothing
};

// Which entities a redraw draws: those whose box, widened by half their pen
// and a small margin, meets the visible window. A filled shape that encloses
// the whole view meets it too.
class Taglio {
public:
    explicit Taglio(const Vista& v)
        : finestra_(finestraVisibile(v)), pixelX_(disegnoDaPixelX(v, 1)), pixelY_(disegnoDaPixelY(v, 1)),
          scala_(v.scala)
    {
    }

    // penna: the pen width in pixels.
    bool visibile(const Finestra& f, double penna) const
    {
        const double pixel = MARGINE_PIXEL + std::max(penna, 0.0) / 2;
        const double mx = pixel * pixelX_;
        const double my = pixel * pixelY_;
        return f.x2 + mx >= finestra_.x1 && f.x1 - mx <= finestra_.x2 && f.y2 + my >= finestra_.y1 &&
               f.y1 - my <= finestra_.y2;
    }
    double penna(double spessore) const { return spessore * scala_ / 2.5; }

private:
    Finestra finestra_;
    double pixelX_, pixelY_, scala_;
};

template <class T, class Leggi>
Finestra ingombroVertici(const T& e, Leggi leggi)
{
    Ingombro b;
    for (int i = 1; i <= e.vertic(); ++i) {
        double x = 0, y = 0;
        (e.*leggi)(x, y, i);
        b.aggiungi(x, y);
    }
    return b.finestra();
}

Finestra ingombro(const Linea& l)
{
    Ingombro b;
    b.aggiungi(l.Xi, l.Yi);
    b.aggiungi(l.Xf, l.Yf);
    return b.finestra();
}

Finestra ingombro(const polilinea& p) { return ingombroVertici(p, &polilinea::prel_vert_pol); }
Finestra ingombro(const Rettangolo& r) { return ingombroVertici(r, &Rettangolo::prel_vert_ret); }
Finestra ingombro(const superficie& s) { return ingombroVertici(s, &superficie::prel_vert_sup); }

Finestra ingombroCerchio(double xc, double yc, double r)
{
    return {xc - r, yc - r, xc + r, yc + r};
}

Finestra ingombro(const Cerchio& c)
{
    const double dx = c.Xpunto - c.Xcentro;
    const double dy = c.YPunto - c.Ycentro;
    return ingombroCerchio(c.Xcentro, c.Ycentro, std::sqrt(dx * dx + dy * dy));
}

// The whole circle of the arc, or its three points when they lie on one line.
Finestra ingombro(const Arco& a)
{
    if (const auto c = a.cerchio())
        return ingombroCerchio(c->xc, c->yc, c->r);
    Ingombro b;
    b.aggiungi(a.p1x, a.p1y);
    b.aggiungi(a.p2x, a.p2y);
    b.aggiungi(a.p3x, a.p3y);
    return b.finestra();
}

Finestra ingombro(const testo& t, const ScatolaTesto& s)
{
    return {t.pos_testox + s.ingombro.x1, t.pos_testoy + s.ingombro.y1, t.pos_testox + s.ingombro.x2,
            t.pos_testoy + s.ingombro.y2};
}

bool daDisegnare(const Entita& e)
{
    return e.stato == STATO_NORMALE || e.stato == STATO_SELEZIONATO;
}

// One kind, in collection order: disegna(entity, position, normal look) for
// each live entity that visibile(entity, position) lets through.
template <class T, class Visibile, class Disegna>
void percorri(const Collezione<T>& c, Visibile visibile, Disegna disegna)
{
    for (int i = 1; i <= c.Count(); ++i) {
        const T& e = c.Item(i);
        if (daDisegnare(e) && visibile(e, i))
            disegna(e, i, e.stato == STATO_NORMALE);
    }
}

// Draws the entities that meet the view, kind by kind.
void disegnaEntita(const DrawingState& s, SuperficieDisegno& sup)
{
    const ContestoDisegno c(s, sup);
    const Taglio taglio(s.vista);
    const disegno& d = s.dis;
    const auto pieno = [&](const auto& e, int) {
        return taglio.visibile(ingombro(e), std::max(taglio.penna(e.spescont), 1.0));
    };
    const auto arco = [&](const Arco& e, int) { return taglio.visibile(ingombro(e), taglio.penna(e.spescont)); };
    const auto linea = [&](const Linea& l, int) {
        return taglio.visibile(ingombro(l), std::max<double>(clng(taglio.penna(l.speslinea)), 1));
    };
    const auto testoVisibile = [&](const testo& t, int i) {
        return t.dimens_testo > 0 && taglio.visibile(ingombro(t, s.cachetesti.scatola(i)), 0);
    };

    percorri(d.superfici, pieno, [&](const superficie& e, int, bool n) { disegnasuperficie(c, e, n); });
    percorri(d.rettangoli, pieno, [&](const Rettangolo& e, int, bool n) { disegnarettangolo(c, e, n); });
    percorri(d.cerchi, pieno, [&](const Cerchio& e, int, bool n) { disegnacerchio(c, e, n); });
    percorri(d.archi, arco, [&](const Arco& e, int, bool n) { disegnaarco(c, e, n); });
    percorri(d.testi, testoVisibile,
             [&](const testo& e, int i, bool n) { disegnatesto(c, e, n, &s.cachetesti.scatola(i)); });
    percorri(d.polilinee, pieno, [&](const polilinea& e, int, bool n) { disegnaPolilinea(c, e, n); });
    percorri(d.linee, linea, [&](const Linea& e, int, bool n) { disegnalinea(c, e, n); });
}

void svuotaCorrenti(OggettiCorrenti& o)
{
    o.oggsuperficie.svuota();
    o.oggrettangolo.svuota();
    o.ogglinea.svuota();
    o.oggarco.svuota();
    o.oggpolilinea.svuota();
    o.oggcerchio.svuota();
    o.oggtesto.svuota();
}

} // namespace

void redraw(DrawingState& s, SuperficieDisegno& sup)
{
    // Cleared straight to the background colour in force, so that
    // impostdistipo, which sets it, finds it set and keeps what is drawn.
    const Rgb sfondo = Palette::color(s.colsfondo.toInt16());
    sup.cls(sfondo);
    s.sfondoFinestra = sfondo;
    s.cachetesti.aggiorna(s.dis.testi, {sup.metrics(), s.vista.dpiX, s.vista.dpiY});
    disegnaEntita(s, sup);
    impostdistipo(s, sup);
    svuotaCorrenti(s.ogg);
    sup.aggiorna();
}

} // namespace tramel
