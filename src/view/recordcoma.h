#pragma once
#include "platform/record.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tramel {

// The command record: the name of a command and the points it has gathered.
// It is also the unit of the drawing file, 242 bytes stored.
struct recordcoma {
    static constexpr std::size_t LUNGHEZZA = 242;
    static constexpr std::size_t LUNGHEZZA_TIPO = 40;
    static constexpr std::size_t LUNGHEZZA_STRINGA = 132;

    std::string tipo; // the command name, UTF-8; always compared trimmed
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    double x3 = 0;
    double y3 = 0;
    std::int32_t colore1 = 0;
    std::int32_t colore2 = 0;
    std::int32_t tratto = 0;
    std::int32_t riempimento = 0;
    float spessore = 0;
    std::string stringa; // UTF-8
    std::int16_t numero = 0;

    // The name without leading and trailing blanks.
    std::string nome() const;
};

// The 242 stored bytes, text fields in Windows-1252 and blank-padded.
Record codifica(const recordcoma& r);
// Reads a record of 242 bytes; nothing when the record is shorter.
std::optional<recordcoma> decodifica(const Record& record);

} // namespace tramel
