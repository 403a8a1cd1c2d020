#include "cp1252.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tramel::cp1252 {

namespace {

// The characters of bytes 0x80-0x9F; every other byte is the Latin-1 character of the same number.
constexpr std::array<char32_t, 32> high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
};

char toByte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < high.size(); ++i)
        if (high[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Reads one UTF-8 character at s[i] and moves i past it; a malformed sequence
// (bad lead or continuation byte, overlong form, surrogate, beyond U+10FFFF)
// gives U+FFFD and moves past its first byte only.
char32_t nextChar(std::string_view s, std::size_t& i)
{
    constexpr char32_t bad = 0xFFFD;
    const auto lead = static_cast<std::uint8_t>(s[i++]);
    if (lead < 0x80)
        return lead;
    int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (more == 0 || lead > 0xF4 || i + more > s.size())
        return bad;
    char32_t c = lead & (0x3F >> more);
    for (int k = 0; k < more; ++k) {
        const auto b = static_cast<std::uint8_t>(s[i + k]);
        if ((b & 0xC0) != 0x80)
            return bad;
        c = (c << 6) | (b & 0x3F);
    }
    constexpr char32_t least[] = {0, 0x80, 0x800, 0x10000};
    if (c < least[more] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return bad;
    i += more;
    return c;
}

} // namespace

std::string encode(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();)
        out += toByte(nextChar(utf8, i));
    return out;
}

std::string decode(std::string_view bytes)
{
    // Plain ASCII, most of what files hold, reads the same in both encodings.
    if (std::all_of(bytes.begin(), bytes.end(), [](char b) { return static_cast<std::uint8_t>(b) < 0x80; }))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size());
    for (const char b : bytes) {
        const auto u = static_cast<std::uint8_t>(b);
        appendUtf8(out, u >= 0x80 && u < 0xA0 ? high[u - 0x80] : char32_t{u});
    }
    return out;
}

bool assigned(char byte)
{
    const auto u = static_cast<std::uint8_t>(byte);
    return u < 0x80 || u >= 0xA0 || high[u - 0x80] != u;
}

} // namespace tramel::cp1252
