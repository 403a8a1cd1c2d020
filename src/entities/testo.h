#pragma once
#include "entita.h"

#include <string>

namespace tramel {

// One line of text at a reference point (the top-left corner of its first
// cell before rotation), turned counter-clockwise by ang_testo degrees.
class testo : public EntitaDisegnabile {
public:
    static constexpr std::size_t LUNGHEZZA_CARATTERE = 32;

    float dimens_testo = 0;
    std::int16_t barrato_testo = FALSO;
    std::int16_t opaco_testo = FALSO;
    std::int16_t sottolineato_testo = FALSO;
    std::int16_t corsivo_testo = FALSO;
    std::int16_t bold_testo = FALSO;
    std::int32_t nCartesto = 0; // most characters to draw; 0 draws the whole text
    Rgb colore_testo = 0;
    Rgb colore_opaco_testo = 0;
    std::string stringa_testo;  // UTF-8
    double pos_testox = 0;
    double pos_testoy = 0;

    // The face name field: always 32 characters, the name followed by a NUL and blanks.
    const std::string& carattere_testo() const { return carattere_; }
    // A value that holds no NUL in its first 32 characters is cut to 31 and
    // given its NUL, then padded with blanks; a value that holds its NUL is kept
    // as given (padded or cut to 32), so that a field read from a file round-trips.
    void carattere_testo(const std::string& nome);
    // The face name up to the NUL, trailing blanks trimmed.
    std::string nomeCarattere() const;

    std::int32_t ang_testo() const;
    void ang_testo(double gradi) { ang_ = gradi; }

    // The logical font that draws this text at a height of altezza device units.
    LogFont fontLogico(std::int32_t altezza) const;
    void dis_testo();

    bool operator==(const testo&) const = default;

private:
    std::string carattere_ = std::string(LUNGHEZZA_CARATTERE, ' ');
    double ang_ = 0;
};

} // namespace tramel
