#include "platform/numbers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tramel {
namespace {

struct StrCase {
    double value;
    const char* text;
};

class StrNumeroDouble : public testing::TestWithParam<StrCase> {};

TEST_P(StrNumeroDouble, GivesPlainText)
{
    EXPECT_EQ(strNumero(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, StrNumeroDouble,
    testing::Values(StrCase{0, " 0"}, StrCase{-0.0, " 0"}, StrCase{1, " 1"}, StrCase{-1, "-1"}, StrCase{100, " 100"},
                    StrCase{0.5, " .5"}, StrCase{-0.25, "-.25"}, StrCase{2.5, " 2.5"}, StrCase{0.1 + 0.2, " .3"},
                    StrCase{1.0 / 3, " .333333333333333"}, StrCase{-2.0 / 3, "-.666666666666667"},
                    StrCase{123456789012345.0, " 123456789012345"}, StrCase{1e15, " 1E+15"},
                    StrCase{1234567890123456.0, " 1.23456789012346E+15"}, StrCase{1e16, " 1E+16"},
                    StrCase{999999999999999.9, " 1E+15"}, StrCase{1e100, " 1E+100"}, StrCase{0.0001, " .0001"},
                    StrCase{0.00012, " .00012"}, StrCase{0.00001, " 1E-05"}, StrCase{-2.5e-7, "-2.5E-07"},
                    StrCase{1.5e-5, " 1.5E-05"}));

struct StrSingleCase {
    float value;
    const char* text;
};

class StrNumeroSingle : public testing::TestWithParam<StrSingleCase> {};

TEST_P(StrNumeroSingle, GivesPlainTextOfSevenDigits)
{
    EXPECT_EQ(strNumero(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, StrNumeroSingle,
                         testing::Values(StrSingleCase{1.0f / 3, " .3333333"}, StrSingleCase{3.14159274f, " 3.141593"},
                                         StrSingleCase{0.1f, " .1"}, StrSingleCase{-1.5f, "-1.5"},
                                         StrSingleCase{1234567.0f, " 1234567"}, StrSingleCase{1e7f, " 1E+07"},
                                         StrSingleCase{16777216.0f, " 1.677722E+07"}, StrSingleCase{0.0f, " 0"}));

struct ValCase {
    const char* text;
    double value;
};

class ValNumero : public testing::TestWithParam<ValCase> {};

TEST_P(ValNumero, ReadsTheLeadingNumber)
{
    EXPECT_DOUBLE_EQ(valNumero(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ValNumero,
    testing::Values(ValCase{" 12.5abc", 12.5}, ValCase{"-3e2", -300}, ValCase{"1 2 3", 123}, ValCase{"abc", 0},
                    ValCase{".5", 0.5}, ValCase{"1,5", 1}, ValCase{"", 0}, ValCase{"\t-\n4", -4}, ValCase{"+7", 7},
                    ValCase{"--5", 0}, ValCase{"5-3", 5}, ValCase{"1.2.3", 1.2}, ValCase{"150%", 150},
                    ValCase{"1e", 1}, ValCase{"1e+", 1}, ValCase{"2D3", 2000}, ValCase{"1E-2", 0.01},
                    ValCase{"1e 2", 100}, ValCase{"e5", 0}, ValCase{".", 0}, ValCase{"1e-999", 0}));

TEST(ValNumero, OverflowGivesInfinity)
{
    EXPECT_EQ(valNumero("1e999"), HUGE_VAL);
    EXPECT_EQ(valNumero("-1e999"), -HUGE_VAL);
}

TEST(Numbers, ValuesBeyondNumbersKeepTheirNames)
{
    EXPECT_EQ(strNumero(HUGE_VAL), " inf");
    EXPECT_EQ(strNumero(-HUGE_VALF), "-inf");
    EXPECT_EQ(NumberFormat(",", ".").format(std::nan(""), "##0.00"), "nan");
    EXPECT_EQ(NumberFormat(",", ".").toText(-HUGE_VAL), "-inf");
}

const NumberFormat italian(",", ".");
const NumberFormat english(".", ",");

struct FormatCase {
    const char* mask;
    double value;
    const char* italianText;
    const char* englishText;
};

class NumberFormatMask : public testing::TestWithParam<FormatCase> {};

TEST_P(NumberFormatMask, FormatsInBothLocales)
{
    EXPECT_EQ(italian.format(GetParam().value, GetParam().mask), GetParam().italianText);
    EXPECT_EQ(english.format(GetParam().value, GetParam().mask), GetParam().englishText);
}

INSTANTIATE_TEST_SUITE_P(
    Masks, NumberFormatMask,
    testing::Values(FormatCase{"##0.000", 0.5, "0,500", "0.500"}, FormatCase{"##0.000", -1.2345, "-1,235", "-1.235"},
                    FormatCase{"##0.000", 1234.5, "1234,500", "1234.500"},
                    FormatCase{"##,#0.00", 1234567.891, "1.234.567,89", "1,234,567.89"},
                    FormatCase{"##,#0.00", 0.004, "0,00", "0.00"}, FormatCase{"##,#0.00", 0.005, "0,01", "0.01"},
                    FormatCase{"##,#0.00", -1234, "-1.234,00", "-1,234.00"},
                    FormatCase{"##,#0.00", 123, "123,00", "123.00"}, FormatCase{"##0.00", 2.675, "2,68", "2.68"},
                    FormatCase{"##0.00", -0.004, "0,00", "0.00"}, FormatCase{"##0.00", 999.995, "1000,00", "1000.00"},
                    FormatCase{"##0.0000", 1.0 / 3, "0,3333", "0.3333"}, FormatCase{"##0.0000", 0, "0,0000", "0.0000"},
                    FormatCase{"#.00", 0.5, ",50", ".50"}, FormatCase{"000", 7.5, "008", "008"}));

struct ParseCase {
    const char* text;
    std::optional<double> italianValue;
    std::optional<double> englishValue;
};

class NumberFormatParse : public testing::TestWithParam<ParseCase> {};

TEST_P(NumberFormatParse, ReadsRegionalText)
{
    EXPECT_EQ(italian.parse(GetParam().text), GetParam().italianValue);
    EXPECT_EQ(english.parse(GetParam().text), GetParam().englishValue);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberFormatParse,
    testing::Values(ParseCase{"1.234,5", 1234.5, std::nullopt}, ParseCase{"1,234.5", std::nullopt, 1234.5},
                    ParseCase{" -0,25 ", -0.25, -25}, ParseCase{"1.5", 15, 1.5}, ParseCase{"+3", 3, 3},
                    ParseCase{",5", 0.5, std::nullopt}, ParseCase{"1,5e3", 1500, 15000},
                    ParseCase{"2E-1", 0.2, 0.2}, ParseCase{"abc", std::nullopt, std::nullopt},
                    ParseCase{"", std::nullopt, std::nullopt}, ParseCase{"  ", std::nullopt, std::nullopt},
                    ParseCase{"1x", std::nullopt, std::nullopt}, ParseCase{"1e", std::nullopt, std::nullopt},
                    ParseCase{"--1", std::nullopt, std::nullopt}, ParseCase{"1e999", std::nullopt, std::nullopt}));

struct ToTextCase {
    double value;
    const char* italianText;
    const char* englishText;
};

class NumberFormatToText : public testing::TestWithParam<ToTextCase> {};

TEST_P(NumberFormatToText, GivesRegionalPlainText)
{
    EXPECT_EQ(italian.toText(GetParam().value), GetParam().italianText);
    EXPECT_EQ(english.toText(GetParam().value), GetParam().englishText);
}

INSTANTIATE_TEST_SUITE_P(Values, NumberFormatToText,
                         testing::Values(ToTextCase{0, "0", "0"}, ToTextCase{0.5, "0,5", "0.5"},
                                         ToTextCase{-0.25, "-0,25", "-0.25"}, ToTextCase{1234.5, "1234,5", "1234.5"},
                                         ToTextCase{90, "90", "90"}, ToTextCase{1.0 / 3, "0,333333333333333", "0.333333333333333"},
                                         ToTextCase{1.5e16, "1,5E+16", "1.5E+16"}, ToTextCase{-1e-5, "-1E-05", "-1E-05"}));

TEST(NumberFormat, ToTextReadsBackThroughParse)
{
    for (const double v : {0.1, -12.75, 1234567.125, 3.0e-3})
        EXPECT_DOUBLE_EQ(*italian.parse(italian.toText(v)), v);
}

} // namespace
} // namespace tramel
