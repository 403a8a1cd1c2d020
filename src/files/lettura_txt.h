#pragma once
#include "entities/disegno.h"
#include "platform/numbers.h"
#include "platform/variant.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <variant>

namespace tramel {

// A text drawing (.TXT) read whole and found sound: the six header values and
// a new drawing of its entities, all in the normal state, each kind in file
// order, with the measures of surfaces, rectangles and circles, each entity
// finite as the edits require (finita). The window applies it only once the
// whole file has been read.
struct DisegnoTxt {
    Variant colsfondo;    // palette index 0-15
    Variant colanteprima; // palette index 0-15
    // The switches as written ("ON", or anything else, which means off).
    std::string snapattivo;
    float passosnap = 0;
    std::string grigliaattiva;
    float passogriglia = 0;
    disegno dis;
    bool entita = false;    // any entity, texts included
    bool geometrici = false; // an entity other than a text: the window zooms to the drawing
};

// Why a text drawing was refused: the line (from 1) and what it should have
// held. Line 0 and nothing expected: the file could not be read at all.
struct ErroreTxt {
    std::uint64_t riga = 0;
    std::string atteso;
};

// What the user is told of the fault, ahead of a line end: "\nRiga 12:
// atteso un numero", or nothing when no line is to blame.
std::string dettaglio(const ErroreTxt& errore);

using EsitoTxt = std::variant<DisegnoTxt, ErroreTxt>;

// The progress of a read: the share of the file read, 0 to 100, given only
// when its whole part changes.
using Avanzamento = std::function<void(int)>;

// Reads a text drawing from its bytes; changes nothing else. Value lines are
// read in the user's number format `numeri` (without group separators), the
// header with "." as decimal point. Text is Windows-1252, or UTF-8 after a
// byte-order mark; lines end at CR LF, CR or LF.
EsitoTxt leggiTxt(std::string_view bytes, const NumberFormat& numeri, const Avanzamento& avanzamento = {});

} // namespace tramel
