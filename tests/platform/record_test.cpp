#include "platform/record.h"

#include <gtest/gtest.h>

#include <functional>

namespace tramel {
namespace {

std::string written(const Record& r)
{
    return r.bytes().substr(0, r.position());
}

struct Encoding {
    const char* name;
    std::function<bool(Record&)> put;
    std::string bytes;
};

class RecordEncoding : public testing::TestWithParam<Encoding> {};

TEST_P(RecordEncoding, WritesLittleEndianBytes)
{
    Record r(32);
    ASSERT_TRUE(GetParam().put(r));
    EXPECT_EQ(written(r), GetParam().bytes);
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Fields, RecordEncoding,
    testing::Values(
        Encoding{"Integer", [](Record& r) { return r.putInteger(-2); }, "\xFE\xFF"s},
        Encoding{"Long", [](Record& r) { return r.putLong(0x01020304); }, "\x04\x03\x02\x01"s},
        Encoding{"Single", [](Record& r) { return r.putSingle(1.0f); }, "\x00\x00\x80\x3F"s},
        Encoding{"Double", [](Record& r) { return r.putDouble(-2.0); }, "\x00\x00\x00\x00\x00\x00\x00\xC0"s},
        Encoding{"FixedPadded", [](Record& r) { return r.putFixed("Linea", 8); }, "Linea   "s},
        Encoding{"FixedCut", [](Record& r) { return r.putFixed("Rettangolo", 4); }, "Rett"s},
        Encoding{"FixedKeepsNul", [](Record& r) { return r.putFixed("Arial\0"s, 8); }, "Arial\0  "s},
        Encoding{"Text", [](Record& r) { return r.putText("Arial"); }, "\x05\x00" "Arial"s},
        Encoding{"VariantEmpty", [](Record& r) { return r.putVariant(Variant()); }, "\x00\x00"s},
        Encoding{"VariantInteger", [](Record& r) { return r.putVariant(Variant(std::int16_t{15})); },
                 "\x02\x00\x0F\x00"s},
        Encoding{"VariantLong", [](Record& r) { return r.putVariant(Variant(std::int32_t{-1})); },
                 "\x03\x00\xFF\xFF\xFF\xFF"s},
        Encoding{"VariantSingle", [](Record& r) { return r.putVariant(Variant(1.0f)); },
                 "\x04\x00\x00\x00\x80\x3F"s},
        Encoding{"VariantDouble", [](Record& r) { return r.putVariant(Variant(3.0)); },
                 "\x05\x00\x00\x00\x00\x00\x00\x00\x08\x40"s},
        Encoding{"VariantOn", [](Record& r) { return r.putVariant(Variant(std::string("ON"))); },
                 "\x08\x00\x02\x00ON"s},
        Encoding{"VariantOff", [](Record& r) { return r.putVariant(Variant(std::string("OFF"))); },
                 "\x08\x00\x03\x00OFF"s},
        Encoding{"VariantTextIn1252", [](Record& r) { return r.putVariant(Variant(std::string("però"))); },
                 "\x08\x00\x04\x00per\xF2"s},
        Encoding{"VariantBoolean", [](Record& r) { return r.putVariant(Variant::boolean(true)); },
                 "\x0B\x00\xFF\xFF"s}),
    [](const testing::TestParamInfo<Encoding>& info) { return std::string(info.param.name); });

TEST(Record, ReadsBackEachField)
{
    Record r(64);
    r.putInteger(-12345);
    r.putLong(-123456789);
    r.putSingle(3.14159274f);
    r.putDouble(-1.0 / 3);
    r.putFixed("ab", 4);
    r.putText("per\xF2");
    r.seek(0);
    EXPECT_EQ(r.getInteger(), -12345);
    EXPECT_EQ(r.getLong(), -123456789);
    EXPECT_EQ(r.getSingle(), 3.14159274f);
    EXPECT_EQ(r.getDouble(), -1.0 / 3);
    EXPECT_EQ(r.getFixed(4), "ab  ");
    EXPECT_EQ(r.getText(), "per\xF2");
}

TEST(Record, VariantOfEveryTagRoundTrips)
{
    const Variant values[] = {Variant(), Variant(std::int16_t{-3}), Variant(std::int32_t{70000}), Variant(0.1f),
                              Variant(0.1), Variant(std::string("città")), Variant(std::string()),
                              Variant::boolean(true), Variant::boolean(false)};
    for (const Variant& v : values) {
        Record r(32);
        ASSERT_TRUE(r.putVariant(v));
        const std::size_t end = r.position();
        r.seek(0);
        EXPECT_EQ(r.getVariant(), v) << "tag " << v.tag();
        EXPECT_EQ(r.position(), end);
    }
}

TEST(Record, EntityRecordFieldsFillExactly242Bytes)
{
    Record r(242);
    ASSERT_TRUE(r.putFixed("Linea", 40));
    for (int i = 0; i < 6; ++i)
        ASSERT_TRUE(r.putDouble(i));
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(r.putLong(i));
    ASSERT_TRUE(r.putSingle(1.5f));
    EXPECT_EQ(r.position(), 108u);
    ASSERT_TRUE(r.putFixed("", 132));
    EXPECT_EQ(r.position(), 240u);
    ASSERT_TRUE(r.putInteger(4));
    EXPECT_FALSE(r.putInteger(0));
    r.seek(240);
    EXPECT_EQ(r.getInteger(), 4);
}

TEST(Record, ReadsPastTheEndFailAndKeepTheCursor)
{
    Record r = Record::fromBytes(std::string("\x0A\x00\x41", 3));
    EXPECT_FALSE(r.getLong());
    EXPECT_FALSE(r.getDouble());
    EXPECT_FALSE(r.getFixed(4));
    EXPECT_FALSE(r.getText()); // the length says 10 bytes, 1 is left
    EXPECT_EQ(r.position(), 0u);
    EXPECT_EQ(r.getInteger(), 10);
    EXPECT_FALSE(r.getInteger());
    EXPECT_FALSE(r.getVariant());
    EXPECT_EQ(r.position(), 2u);
}

TEST(Record, VariantWithTextCutShortFails)
{
    Record r = Record::fromBytes(std::string("\x08\x00\x05\x00" "Ari", 7));
    EXPECT_FALSE(r.getVariant());
    EXPECT_EQ(r.position(), 0u);
}

TEST(Record, UnknownVariantTagFails)
{
    for (const char tag : {'\x01', '\x06', '\x07', '\x09', '\x0C'}) {
        Record r = Record::fromBytes(std::string{tag, '\0', '\0', '\0', '\0', '\0', '\0', '\0', '\0', '\0'});
        EXPECT_FALSE(r.getVariant()) << int(tag);
        EXPECT_EQ(r.position(), 0u);
    }
}

TEST(Record, FieldThatDoesNotFitIsNotWritten)
{
    Record r(5);
    ASSERT_TRUE(r.putInteger(0x4141));
    EXPECT_FALSE(r.putLong(-1));
    EXPECT_FALSE(r.putVariant(Variant(std::string("ON")))); // 6 bytes into 3
    EXPECT_FALSE(r.putText("abc"));
    EXPECT_FALSE(r.putFixed("abcd", 4));
    EXPECT_EQ(r.position(), 2u);
    EXPECT_EQ(r.bytes(), std::string("AA\0\0\0", 5));
}

TEST(Record, SeekStopsAtTheEnd)
{
    Record r(4);
    r.seek(10);
    EXPECT_EQ(r.position(), 4u);
    EXPECT_FALSE(r.getFixed(1));
    EXPECT_TRUE(r.getFixed(0));
}

} // namespace
} // namespace tramel
