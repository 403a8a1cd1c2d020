#include "platform/variant.h"

#include <gtest/gtest.h>

namespace tramel {
namespace {

TEST(Variant, TagFollowsTheKindOfValue)
{
    EXPECT_EQ(Variant().tag(), Variant::Empty);
    EXPECT_EQ(Variant(std::int16_t{2}).tag(), Variant::Integer);
    EXPECT_EQ(Variant(std::int32_t{2}).tag(), Variant::Long);
    EXPECT_EQ(Variant(2.0f).tag(), Variant::Single);
    EXPECT_EQ(Variant(2.0).tag(), Variant::Double);
    EXPECT_EQ(Variant(std::string("ON")).tag(), Variant::Text);
    EXPECT_EQ(Variant::boolean(true).tag(), Variant::Boolean);
    EXPECT_EQ(Variant::Boolean, 11);
    EXPECT_EQ(Variant::Text, 8);
}

TEST(Variant, EmptyEqualsZeroAndEmptyText)
{
    const Variant empty;
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_TRUE(empty == 0);
    EXPECT_TRUE(empty == "");
    EXPECT_FALSE(empty == 1);
    EXPECT_FALSE(empty == "0");
}

TEST(Variant, TextComparesWithText)
{
    const Variant on(std::string("ON"));
    EXPECT_TRUE(on == "ON");
    EXPECT_TRUE("ON" == on);
    EXPECT_FALSE(on == "OFF");
    EXPECT_FALSE(on == "on");
    EXPECT_FALSE(on == 0); // a text never equals a number
}

TEST(Variant, NumbersCompareByValueWhateverTheirTag)
{
    EXPECT_TRUE(Variant(std::int16_t{3}) == 3);
    EXPECT_TRUE(Variant(3.0) == 3);
    EXPECT_TRUE(Variant(0.5f) == 0.5);
    EXPECT_TRUE(Variant(std::int32_t{15}) == "15");
    EXPECT_TRUE(Variant::boolean(true) == -1);
    EXPECT_FALSE(Variant(3.0) == 3.5);
    // Two Variants are equal only with the same tag and value.
    EXPECT_NE(Variant(std::int16_t{3}), Variant(3.0));
    EXPECT_EQ(Variant(3.0), Variant(3.0));
}

TEST(Variant, ConvertsToNumbers)
{
    EXPECT_EQ(Variant(2.5).toInt16(), 2); // halves to even
    EXPECT_EQ(Variant(3.5f).toInt16(), 4);
    EXPECT_EQ(Variant(1e6).toInt16(), 32767);
    EXPECT_EQ(Variant(std::string(" 12abc")).toInt16(), 12);
    EXPECT_DOUBLE_EQ(Variant(std::string("x")).toDouble(), 0);
    EXPECT_DOUBLE_EQ(Variant::boolean(false).toDouble(), 0);
    EXPECT_DOUBLE_EQ(Variant(std::int32_t{-70000}).toDouble(), -70000);
}

TEST(Variant, ConvertsToTextWithoutLeadingBlank)
{
    EXPECT_EQ(Variant().toText(), "");
    EXPECT_EQ(Variant(std::int16_t{15}).toText(), "15");
    EXPECT_EQ(Variant(std::int32_t{-7}).toText(), "-7");
    EXPECT_EQ(Variant(3.0).toText(), "3");
    EXPECT_EQ(Variant(0.5).toText(), ".5");
    EXPECT_EQ(Variant(-0.25f).toText(), "-.25");
    EXPECT_EQ(Variant(1.0f / 3).toText(), ".3333333");
    EXPECT_EQ(Variant::boolean(true).toText(), "True");
    EXPECT_EQ(Variant(std::string("OFF")).toText(), "OFF");
}

} // namespace
} // namespace tramel
