#include "ridisegna.h"

#include "disegna_entita.h"
#include "impostdistipo.h"
#include "ingombro_testo.h"

#include "platform/palette.h"
#include "platform/rounding.h"

#include <algorithm>

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
    bool visibile(const Riquadro& f, double penna) const
    {
        const double pixel = MARGINE_PIXEL + std::max(penna, 0.0) / 2;
        const double mx = pixel * pixelX_;
        const double my = pixel * pixelY_;
        return !intersezione({f.x1 - mx, f.y1 - my, f.x2 + mx, f.y2 + my}, finestra_).vuoto();
    }
    double penna(double spessore) const { return spessore * scala_ / 2.5; }

    // The view widened by the margin of the thickest pen of a kind (a pixel
    // more for its rounding): every box that visibile lets through meets it.
    Riquadro finestraPer(double spessoreMassimo) const
    {
        const double pixel = MARGINE_PIXEL + std::max(penna(spessoreMassimo), 1.0) / 2 + 1;
        const double mx = pixel * pixelX_;
        const double my = pixel * pixelY_;
        return {finestra_.x1 - mx, finestra_.y1 - my, finestra_.x2 + mx, finestra_.y2 + my};
    }

private:
    Riquadro finestra_;
    double pixelX_, pixelY_, scala_;
};

// One entity of a redraw: drawn, in its own look or highlighted, when it is
// normal or selected and its box meets the view.
class Ridisegno {
public:
    Ridisegno(const DrawingState& s, SuperficieDisegno& sup) : s_(s), c_(s, sup), taglio_(s.vista) {}

    // The kind's entities that the index finds near the view, in collection order.
    template <class T>
    void tipo(const Collezione<T>& c, const IndiceTipo& indice, std::vector<int>& posizioni) const
    {
        indice.griglia.cerca(taglio_.finestraPer(indice.spessoreMassimo), posizioni);
        for (const int i : posizioni)
            entita(c.Item(i), i);
    }

private:
    template <class T>
    void entita(const T& e, int posizione) const
    {
        if ((e.stato == STATO_NORMALE || e.stato == STATO_SELEZIONATO) && visibile(e, posizione))
            disegna(e, posizione, e.stato == STATO_NORMALE);
    }

    template <class T>
    bool visibile(const T& e, int) const
    {
        return taglio_.visibile(ingombro(e), std::max(taglio_.penna(e.spescont), 1.0));
    }
    bool visibile(const Arco& e, int) const { return taglio_.visibile(ingombro(e), taglio_.penna(e.spescont)); }
    bool visibile(const Linea& l, int) const
    {
        return taglio_.visibile(ingombro(l), std::max<double>(clng(taglio_.penna(l.speslinea)), 1));
    }
    bool visibile(const testo& t, int i) const
    {
        return t.dimens_testo > 0 && taglio_.visibile(ingombro(t, s_.cachetesti.scatola(i)), 0);
    }

    template <class T>
    void disegna(const T& e, int, bool n) const
    {
        tramel::disegna(c_, e, n);
    }
    void disegna(const testo& e, int i, bool n) const { tramel::disegna(c_, e, n, &s_.cachetesti.scatola(i)); }

    const DrawingState& s_;
    const ContestoDisegno c_;
    const Taglio taglio_;
};

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
    const Rgb sfondo = Palette::color(s.colori.colsfondo.toInt16());
    sup.cls(sfondo);
    s.sfondoFinestra = sfondo;
    const disegno& d = s.dis;
    s.cachetesti.aggiorna(d.testi, {sup.metrics(), s.vista.dpiX, s.vista.dpiY});
    s.indice.aggiorna(d, s.cachetesti);
    const Ridisegno r(s, sup);
    std::vector<int> posizioni;
    const auto tipi = [&]<class... T>() { (r.tipo(collezione<T>(d), s.indice.tipo<T>(), posizioni), ...); };
    tipi.operator()<superficie, Rettangolo, Cerchio, Arco, testo, polilinea, Linea>();
    impostdistipo(s, sup);
    svuotaCorrenti(s.ogg);
    sup.aggiorna();
}

} // namespace tramel
