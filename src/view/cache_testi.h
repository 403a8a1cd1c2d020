#pragma once
#include "vista.h"

#include "entities/disegno.h"
#include "geometry/selezinters.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tramel {

// The box of a text in drawing units: corners 2, 3 and 4 as offsets from its
// reference point (corner 1), and the smallest rectangle that holds all four
// corners, also as offsets. A text is measured at its size in points, so in
// drawing units its box does not depend on the scale.
struct ScatolaTesto {
    Punto angolo2, angolo3, angolo4;
    Riquadro ingombro;
};

// Measures the text through its font.
ScatolaTesto scatolaTesto(const testo& t, const MisuraTesto& misura);

// The boxes of the texts of one drawing, by position in its collection, so
// that a redraw measures a text through its font only when something that
// shapes its box (face, size, style, angle, string) has changed, or the
// measure (device or resolution) has. Texts of size 0 or less are not drawn
// and not measured.
class CacheTesti {
public:
    // Brings the box of every text of the collection up to date: nothing to
    // do when neither the texts nor the measure changed since the last time.
    void aggiorna(const Collezione<testo>& testi, const MisuraTesto& misura);
    // A number that changes whenever the boxes may have changed.
    std::uint64_t versione() const { return versione_; }
    // The box of the text at the position (from 1), as the last aggiorna left
    // it; reading does not change the cache, so threads may share it.
    const ScatolaTesto& scatola(int posizione) const { return voci_.at(static_cast<std::size_t>(posizione)).scatola; }

private:
    struct Voce {
        bool valida = false;
        std::string carattere;
        std::string stringa;
        float dimens = 0;
        std::int16_t bold = 0, corsivo = 0, sottolineato = 0, barrato = 0;
        std::int32_t angolo = 0;
        ScatolaTesto scatola;

        bool vale(const testo& t) const;
        void prendi(const testo& t, const MisuraTesto& misura);
    };

    std::vector<Voce> voci_;
    const TextMetrics* metrics_ = nullptr;
    double dpiX_ = 0, dpiY_ = 0;
    std::uint64_t versioneTesti_ = 0; // of the collection the boxes were brought up to date with
    std::uint64_t versione_ = 0;
};

} // namespace tramel
