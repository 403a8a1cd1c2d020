#include "indice_disegno.h"

#include "ingombro_testo.h"

#include <algorithm>

namespace tramel {

namespace {

template <class T>
double spessore(const T& e)
{
    return e.spescont;
}
double spessore(const Linea& l)
{
    return l.speslinea;
}
double spessore(const testo&)
{
    return 0;
}

template <class T>
Riquadro riquadro(const T& e, int, const CacheTesti&)
{
    return ingombro(e);
}

// A text of size 0 or less is not drawn, and has no box.
Riquadro riquadro(const testo& t, int posizione, const CacheTesti& testi)
{
    return t.dimens_testo > 0 ? ingombro(t, testi.scatola(posizione)) : Riquadro{};
}

// The boxes of c's entities, all again or (aggiunte) those appended since
// the last time, with the thickest of them.
template <class T>
void prendi(IndiceTipo& indice, const Collezione<T>& c, const CacheTesti& testi, bool aggiunte)
{
    const auto riquadroDi = [&](int i) {
        const T& e = c.Item(i);
        indice.spessoreMassimo = std::max(indice.spessoreMassimo, spessore(e));
        return riquadro(e, i, testi);
    };
    if (aggiunte) {
        indice.griglia.aggiungi(c.Count(), riquadroDi);
        return;
    }
    indice.spessoreMassimo = 0;
    indice.griglia.costruisci(c.Count(), riquadroDi);
}

} // namespace

void IndiceDisegno::aggiorna(const disegno& d, const CacheTesti& testi)
{
    std::apply(
        [&](auto&... tipo) {
            const auto uno = [&]<class T>(Tipo<T>& t) {
                const Collezione<T>& c = collezione<T>(d);
                // A text's box follows its measures, which the cache tells as a whole.
                const std::uint64_t versione = std::is_same_v<T, testo> ? testi.versione() : c.versione();
                const std::uint64_t esistenti = std::is_same_v<T, testo> ? versione : c.versioneEsistenti();
                if (t.indice.versione == versione)
                    return;
                prendi(t.indice, c, testi, t.indice.versioneEsistenti == esistenti);
                t.indice.versione = versione;
                t.indice.versioneEsistenti = esistenti;
            };
            (uno(tipo), ...);
        },
        tipi_);
}

} // namespace tramel
