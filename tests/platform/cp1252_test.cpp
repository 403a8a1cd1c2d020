#include "platform/cp1252.h"

#include <gtest/gtest.h>

namespace tramel {
namespace {

TEST(Cp1252, EveryByteSurvivesDecodeThenEncode)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string utf8 = cp1252::decode(all);
    EXPECT_EQ(cp1252::encode(utf8), all);
}

struct Pair {
    const char* utf8;
    const char* bytes;
};

class Cp1252Pair : public testing::TestWithParam<Pair> {};

TEST_P(Cp1252Pair, EncodesAndDecodes)
{
    EXPECT_EQ(cp1252::encode(GetParam().utf8), GetParam().bytes);
    EXPECT_EQ(cp1252::decode(GetParam().bytes), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(Characters, Cp1252Pair,
                         testing::Values(Pair{"Linea", "Linea"}, Pair{"€", "\x80"}, Pair{"è", "\xE8"},
                                         Pair{"’", "\x92"}, Pair{"Ÿ", "\x9F"}, Pair{"ÿ", "\xFF"},
                                         Pair{"\u00A0", "\xA0"}, Pair{"\u008D", "\x8D"},
                                         Pair{"città più", "citt\xE0 pi\xF9"}));

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(cp1252::encode("a中b"), "a?b");
    EXPECT_EQ(cp1252::encode("😀"), "?");
    EXPECT_EQ(cp1252::encode("\u0080"), "?"); // a C1 control that 1252 uses for €
}

TEST(Cp1252, MalformedUtf8BecomesQuestionMarks)
{
    EXPECT_EQ(cp1252::encode("x\xC3"), "x?");         // cut short
    EXPECT_EQ(cp1252::encode("\xC0\xAF"), "??");       // overlong form
    EXPECT_EQ(cp1252::encode("\xED\xA0\x80z"), "???z"); // surrogate
    EXPECT_EQ(cp1252::encode("\xE8x"), "?x");          // lead byte without continuation
}

} // namespace
} // namespace tramel
