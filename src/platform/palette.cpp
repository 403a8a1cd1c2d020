#include "palette.h"

#include <array>

namespace tramel {

namespace {

struct Entry {
    std::string_view name;
    Rgb color;
};

constexpr std::array<Entry, Palette::count> entries = {{
    {"Nero", RGB(0x00, 0x00, 0x00)},
    {"Blu Scuro", RGB(0x00, 0x00, 0x80)},
    {"Verde", RGB(0x00, 0x80, 0x00)},
    {"Verde Acqua", RGB(0x00, 0x80, 0x80)},
    {"Bordeaux", RGB(0x80, 0x00, 0x00)},
    {"Viola", RGB(0x80, 0x00, 0x80)},
    {"Verde Oliva", RGB(0x80, 0x80, 0x00)},
    {"Grigio Chiaro", RGB(0xC0, 0xC0, 0xC0)},
    {"Grigio", RGB(0x80, 0x80, 0x80)},
    {"Blu", RGB(0x00, 0x00, 0xFF)},
    {"Verde Limone", RGB(0x00, 0xFF, 0x00)},
    {"Azzurro", RGB(0x00, 0xFF, 0xFF)},
    {"Rosso", RGB(0xFF, 0x00, 0x00)},
    {"Fucsia", RGB(0xFF, 0x00, 0xFF)},
    {"Giallo", RGB(0xFF, 0xFF, 0x00)},
    {"Bianco", RGB(0xFF, 0xFF, 0xFF)},
}};

} // namespace

Rgb Palette::color(int index)
{
    return valid(index) ? entries[index].color : entries[0].color;
}

std::string_view Palette::name(int index)
{
    return valid(index) ? entries[index].name : std::string_view{};
}

} // namespace tramel
