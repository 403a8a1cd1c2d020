#include "platform/palette.h"

#include <gtest/gtest.h>

namespace tramel {
namespace {

struct Entry {
    int index;
    const char* name;
    Rgb color;
};

class PaletteEntry : public testing::TestWithParam<Entry> {};

TEST_P(PaletteEntry, HasNameAndColour)
{
    EXPECT_TRUE(Palette::valid(GetParam().index));
    EXPECT_EQ(Palette::name(GetParam().index), GetParam().name);
    EXPECT_EQ(Palette::color(GetParam().index), GetParam().color);
}

// Red sits in the low byte of the colour.
INSTANTIATE_TEST_SUITE_P(Indexes, PaletteEntry,
                         testing::Values(Entry{0, "Nero", 0x000000}, Entry{1, "Blu Scuro", 0x800000},
                                         Entry{3, "Verde Acqua", 0x808000}, Entry{4, "Bordeaux", 0x000080},
                                         Entry{7, "Grigio Chiaro", 0xC0C0C0}, Entry{12, "Rosso", 0x0000FF},
                                         Entry{14, "Giallo", 0x00FFFF}, Entry{15, "Bianco", 0xFFFFFF}));

TEST(Palette, IndexOutsideTheTableGivesBlackAndNoName)
{
    for (const int index : {-1, 16, 1000}) {
        EXPECT_FALSE(Palette::valid(index));
        EXPECT_EQ(Palette::color(index), RGB(0, 0, 0));
        EXPECT_EQ(Palette::name(index), "");
    }
}

} // namespace
} // namespace tramel
