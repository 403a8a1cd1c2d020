#include "motore_comandi.h"

#include "geometry/intersezioni.h"
#include "geometry/trasforma_entita.h"
#include "platform/palette.h"
#include "view/disegna_entita.h"

#include <algorithm>
#include <tuple>

namespace tramel {

namespace {

// The ghost of one entity, still selected: a copy moved as the command
// would move it, drawn in its own colours. The stored entity is untouched.
template <class Muovi>
void fantasma(const ContestoDisegno& c, const disegno& d, const Preso& p, const Muovi& muovi)
{
    conCollezione(d, p.tipo, [&](const auto& col) {
        if (p.posizione < 1 || p.posizione > col.Count() || col.Item(p.posizione).stato != STATO_SELEZIONATO)
            return;
        auto copia = col.Item(p.posizione);
        muovi(copia);
        disegna(c, copia, true);
    });
}

} // namespace

void CommandEngine::fantasmi(const DatiComando& c, double x0, double y0, double x, double y)
{
    const Punto base{x0, y0};
    const Punto cursore{x, y};
    const Spostamento spostamento = Spostamento::da(base, cursore);
    const double gradi = detAngolo(x0, y0, x, y) * 180 / pigreco;
    const Rotazione rotazione(base, gradi);
    const Specchio specchio(base, cursore);
    // The click completes the rotation with the angle shown here.
    if (c.comando == Comando::Ruota)
        riga_.Text[2].testo = scriviNumero(gradi);

    // Kind by kind (surfaces, lines, rectangles, texts, circles, arcs,
    // polylines), each in collection order, each entity once.
    const auto ordine = [](const Preso& a, const Preso& b) {
        return std::tie(a.tipo, a.posizione) < std::tie(b.tipo, b.posizione);
    };
    const auto uguali = [](const Preso& a, const Preso& b) { return a.tipo == b.tipo && a.posizione == b.posizione; };
    std::sort(selezionati_.begin(), selezionati_.end(), ordine);
    selezionati_.erase(std::unique(selezionati_.begin(), selezionati_.end(), uguali), selezionati_.end());

    // With the persistent drawing off, this clears the previous ghost only.
    superficie_.cls(Palette::color(s_.colori.colsfondo.toInt16()));
    const ContestoDisegno contesto(s_, superficie_);
    const auto muovi = [&](auto& e) {
        switch (c.comando) {
        case Comando::Sposta:
        case Comando::Copia: trasforma(e, spostamento); break;
        case Comando::Stira: stira(e, spostamento, base); break;
        case Comando::Ruota: ruota(e, rotazione, gradi); break;
        case Comando::Specchio: specchia(e, specchio); break;
        default: break;
        }
    };
    for (const Preso& p : selezionati_)
        fantasma(contesto, s_.dis, p, muovi);
    superficie_.aggiorna();
}

} // namespace tramel
