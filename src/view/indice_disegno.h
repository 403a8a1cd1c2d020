#pragma once
#include "cache_testi.h"
#include "griglia_riquadri.h"

#include "entities/disegno.h"

#include <cstdint>
#include <tuple>
#include <vector>

namespace tramel {

// The boxes of one kind's entities on a grid, and the thickest of them.
struct IndiceTipo {
    std::uint64_t versione = 0; // of what the boxes were taken from; 0 before the first time
    std::uint64_t versioneEsistenti = 0; // of the entities already there, which appends keep
    GrigliaRiquadri griglia;
    double spessoreMassimo = 0; // of the lines' or outlines' thicknesses; texts have none
};

// The boxes of a drawing's entities, kind by kind, kept between redraws so
// that a redraw finds what meets its view without visiting every entity. A
// kind's boxes are taken again when its entities have changed since (for
// texts, when their measured boxes have); when entities were only appended,
// their boxes join the others.
class IndiceDisegno {
public:
    // testi: the boxes of d's texts, up to date.
    void aggiorna(const disegno& d, const CacheTesti& testi);

    template <class T>
    const IndiceTipo& tipo() const
    {
        return std::get<Tipo<T>>(tipi_).indice;
    }

private:
    template <class T>
    struct Tipo {
        IndiceTipo indice;
    };
    std::tuple<Tipo<superficie>, Tipo<Rettangolo>, Tipo<Cerchio>, Tipo<Arco>, Tipo<testo>, Tipo<polilinea>,
               Tipo<Linea>>
        tipi_;
};

} // namespace tramel
