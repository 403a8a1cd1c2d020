#include "redraw.h"

#include "disegna_entita.h"
#include "impostdistipo.h"
#include "ingombro.h"

#include "platform/palette.h"
#include "platform/rounding.h"

#include <algorithm>
#include <cmath>

namespace tramel {

namespace {

// Pixels added round every box, for the rounding of small texts and of the
// device points.
constexpr double MARGINE_PIXEL = 2;

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
