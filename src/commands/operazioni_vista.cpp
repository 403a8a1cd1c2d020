#include "motore_comandi.h"

#include "platform/numbers.h"
#include "view/impostdistipo.h"
#include "view/ridisegna.h"

#include <cmath>
#include <optional>

namespace tramel {

namespace {

// The scale that fits the rectangle, or nothing for a rectangle without a
// positive, finite width and height, or one so small that no finite scale fits it.
std::optional<double> scalaPer(const Vista& v, double x1, double y1, double x2, double y2)
{
    const double larghezza = x2 - x1;
    const double altezza = y2 - y1;
    if (!(std::isfinite(larghezza) && larghezza > 0 && std::isfinite(altezza) && altezza > 0))
        return std::nullopt;
    const double scala = rapportoScala(v, x1, y1, x2, y2);
    if (!std::isfinite(scala))
        return std::nullopt;
    return scala;
}

} // namespace

void CommandEngine::impost_rapscala(double x1, double y1, double x2, double y2)
{
    if (const auto scala = scalaPer(s_.vista, x1, y1, x2, y2))
        s_.vista.scala = *scala;
}

void CommandEngine::selzoom(double x1, double y1, double x2, double y2)
{
    // A rectangle that has no scale keeps the current view.
    if (!scalaPer(s_.vista, x1, y1, x2, y2))
        return;
    Notifier::Occupato occupato(porte_.notifier);
    // A zoom run as a command leaves its window in the log: "Zoom Prec." goes back through them.
    if (const std::string nome = s_.corrente().nome(); !nome.empty()) {
        recordcoma& r = s_.corrente();
        r.x1 = x1;
        r.y1 = y1;
        r.x2 = x2;
        r.y2 = y2;
        s_.comandi.comandoattivo = nome;
        ++s_.comandi.numcomando;
        reiniz(s_.comandi.numcomando);
    }
    impost_rapscala(x1, y1, x2, y2);
    mostraDa(x1, y1);
}

void CommandEngine::mostraDa(double x1, double y1)
{
    riga_.Label3 = strNumero(s_.vista.scala);
    s_.vista.origineX = singolo(x1 * s_.vista.scala);
    s_.vista.origineY = singolo(y1 * s_.vista.scala);
    redraw();
    scrivilabel1();
}

void CommandEngine::memxin()
{
    const Vista& v = s_.vista;
    s_.finx = singolo(v.origineX / v.scala);
    s_.finy = singolo(v.origineY / v.scala);
    s_.finlarg = singolo(v.larghezzaMm / v.scala);
    s_.finalt = singolo(v.altezzaMm / v.scala);
}

void CommandEngine::redraw()
{
    Notifier::Occupato occupato(porte_.notifier);
    tramel::redraw(s_, superficie_);
    disattivaText2();
}

void CommandEngine::impostdistipo()
{
    tramel::impostdistipo(s_, superficie_);
    disattivaText2();
}

void CommandEngine::scorri(bool verticale, int v)
{
    const Vista& vista = s_.vista;
    // A step of a twentieth of the view's shorter side, while the drawing is longer than that.
    const float larghezza = singolo(vista.larghezzaMm / vista.scala);
    const float altezza = singolo(vista.altezzaMm / vista.scala);
    const double passo = (larghezza < altezza ? larghezza : altezza) / 20.0;
    const double estensione = verticale ? s_.ymax - s_.ymin : s_.xmax - s_.xmin;
    if (!(passo < estensione))
        return;
    // The pans count their steps from the view that the last other change left.
    Panoramica& p = s_.panoramica;
    if (p.scala != vista.scala || p.passo != passo || p.origineX != vista.origineX || p.origineY != vista.origineY)
        p = {vista.origineX / vista.scala, vista.origineY / vista.scala, passo, 0, 0, vista.scala};
    int& valore = verticale ? s_.valvscroll : s_.valhscroll;
    (verticale ? p.passiY : p.passiX) += v - valore;
    const std::string attivo = s_.comandi.comandoattivo;
    cambiaVista([&] {
        s_.comandi.comandoattivo = dati(Comando::ZoomDinamico).nome;
        // A pan keeps the scale as it is.
        mostraDa(p.sinistra + static_cast<double>(p.passiX) * passo, p.alto + static_cast<double>(p.passiY) * passo);
        p.origineX = vista.origineX;
        p.origineY = vista.origineY;
        valore = v;
    });
    s_.comandi.comandoattivo = attivo;
}

void CommandEngine::ridimensiona()
{
    if (const std::string nome = s_.corrente().nome(); !nome.empty())
        s_.comandi.comandoattivo = nome;
    cambiaVista([this] { redraw(); });
}

// Painting the window's background and grid leaves the second command box disabled.
void CommandEngine::disattivaText2()
{
    riga_.Text[2].abilitata = false;
    riga_.notifica();
}

} // namespace tramel
