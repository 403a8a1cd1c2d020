#include "impostdistipo.h"

#include "platform/palette.h"
#include "platform/rounding.h"

#include <cmath>

namespace tramel {

std::optional<GrigliaPunti> grigliaPunti(double sinistra, double alto, double larghezza, double altezza, double p)
{
    if (!(p > 0))
        return std::nullopt;
    GrigliaPunti g;
    g.x0 = std::floor(sinistra / p) * p;
    g.y0 = std::floor(alto / p) * p;
    g.passo = p;
    g.passiX = clng(std::floor(larghezza / p));
    g.passiY = clng(std::floor(altezza / p));
    return g;
}

Variant colevidenziaPer(const Variant& colsfondo)
{
    // The test is on the index the background is painted with, so that a
    // value such as 2.9 gets white selections as well.
    const std::int16_t indice = valoreNumerico(colsfondo) && colsfondo.toInt16() == 3 ? 15 : 3;
    return Variant(indice);
}

void impostaSfondo(DrawingState& s, SuperficieDisegno& sup, Rgb colore)
{
    if (s.sfondoFinestra == colore)
        return;
    sup.cls(colore);
    s.sfondoFinestra = colore;
}

namespace {

void disegnaGriglia(const DrawingState& s, Dc& dc)
{
    const Vista& v = s.vista;
    const Riquadro f = finestraVisibile(v);
    const auto g = grigliaPunti(f.x1, f.y1, v.larghezzaMm / v.scala, v.altezzaMm / v.scala, s.aiuti.passogriglia);
    // More rows than the picture has pixels only comes from a degenerate scale.
    if (!g || g->passiX > PASSI_GRIGLIA_MASSIMI || g->passiY > altezzaPixel(v) + 1)
        return;
    const Rgb colore = Palette::color(s.colori.colanteprima.toInt16());
    for (int i = 0; i <= g->passiX; ++i) {
        for (int j = 0; j <= g->passiY; ++j) {
            const double x = singolo((g->x0 + i * g->passo) * v.scala);
            const double y = singolo((g->y0 + j * g->passo) * v.scala);
            const Punto p = dispositivoDaFinestra(v, x, y);
            dc.SetPixel(clng(p.x), clng(p.y), colore);
        }
    }
}

} // namespace

void impostdistipo(DrawingState& s, SuperficieDisegno& sup)
{
    impostaSfondo(s, sup, Palette::color(s.colori.colsfondo.toInt16()));
    if (s.aiuti.grigliaattiva == AIUTO_ON)
        disegnaGriglia(s, sup.dc());
    Overlay& o = s.overlay;
    o.Line3.visibile = false;
    o.Shape1.visibile = false;
    o.Shape2.visibile = false;
    o.Shape3.visibile = false;
    const Rgb anteprima = Palette::color(s.colori.colanteprima.toInt16());
    o.Line1.colore = anteprima;
    o.Line2.colore = anteprima;
}

} // namespace tramel
