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

template <class T>
void prendi(IndiceTipo& indice, const Collezione<T>& c, const CacheTesti& testi)
{
    std::vector<Riquadro> riquadri(static_cast<std::size_t>(c.Count()));
    indice.spessoreMassimo = 0;
    for (int i = 1; i <= c.Count(); ++i) {
        const T& e = c.Item(i);
        riquadri[static_cast<std::size_t>(i - 1)] = riquadro(e, i, testi);
        indice.spessoreMassimo = std::max(indice.spessoreMassimo, spessore(e));
    }
    indice.griglia.costruisci(riquadri);
}

} // namespace

void IndiceDisegno::aggiorna(const disegno& d, const CacheTesti& testi)
{
    std::apply(
        [&](auto&... tipo) {
            const auto uno = [&]<class T>(Tipo<T>& t) {
                const std::uint64_t versione =
                    std::is_same_v<T, testo> ? testi.versione() : collezione<T>(d).versione();
                if (t.indice.versione != versione) {
                    prendi(t.indice, collezione<T>(d), testi);
                    t.indice.versione = versione;
                }
            };
            (uno(tipo), ...);
        },
        tipi_);
}

} // namespace tramel
