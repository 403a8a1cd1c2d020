#include "platform/qt_font.h"
#include "platform/qt_text_metrics.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <gtest/gtest.h>

#include <limits>

namespace tramel {
namespace {

LogFont arial(int height)
{
    LogFont f;
    f.height = height;
    f.faceName = "Arial";
    return f;
}

TEST(QtFont, ArialResolvesToItsMetricTwin)
{
    EXPECT_EQ(QFontInfo(qtFont(arial(-20))).family(), "Liberation Sans");
}

TEST(QtFont, StyleFollowsTheLogicalFont)
{
    LogFont f = arial(-20);
    f.weight = 700;
    f.italic = true;
    f.underline = true;
    f.strikeOut = true;
    const QFont q = qtFont(f);
    EXPECT_EQ(q.weight(), QFont::Bold);
    EXPECT_TRUE(q.italic());
    EXPECT_TRUE(q.underline());
    EXPECT_TRUE(q.strikeOut());
    f.weight = 699;
    EXPECT_EQ(qtFont(f).weight(), QFont::Normal);
}

TEST(QtFont, NegativeHeightIsTheCharacterHeight)
{
    EXPECT_EQ(qtFont(arial(-20)).pixelSize(), 20);
    EXPECT_EQ(qtFont(arial(-1)).pixelSize(), 1);
}

TEST(QtFont, ZeroHeightGivesTheDefaultSize)
{
    EXPECT_EQ(qtFont(arial(0)).pixelSize(), 13);
}

TEST(QtFont, HugeHeightsAreCapped)
{
    EXPECT_EQ(qtFont(arial(std::numeric_limits<std::int32_t>::min())).pixelSize(), 32767);
}

TEST(QtFontCache, GivesTheFontOfEachLogicalFontWhateverItsAngle)
{
    QtFontCache cache;
    // More fonts than the cache keeps, each asked for twice, at two angles.
    for (int round = 0; round < 2; ++round)
        for (int h = 1; h <= 100; ++h) {
            LogFont f = arial(h % 2 ? -h : h);
            f.italic = h % 3 == 0;
            f.escapement = 450 * round + h;
            const QtFontCache::Entry& e = cache.get(f);
            EXPECT_EQ(e.font, qtFont(f)) << h;
            EXPECT_EQ(e.metrics.height(), QFontMetrics(qtFont(f)).height()) << h;
            EXPECT_EQ(e.key.escapement, 0);
        }
}

class QtTextMetricsCell : public testing::TestWithParam<int> {};

TEST_P(QtTextMetricsCell, PositiveHeightIsTheCellHeight)
{
    const TextExtent e = QtTextMetrics().extent(arial(GetParam()), "Testo");
    EXPECT_NEAR(e.cy, GetParam(), 1);
}

INSTANTIATE_TEST_SUITE_P(Heights, QtTextMetricsCell, testing::Values(10, 13, 20, 37, 100, 250));

TEST(QtTextMetrics, WidthIsTheAdvanceOfTheText)
{
    const QtTextMetrics m;
    const TextExtent one = m.extent(arial(-40), "M");
    const TextExtent three = m.extent(arial(-40), "MMM");
    EXPECT_GT(one.cx, 20);
    EXPECT_NEAR(three.cx, 3 * one.cx, 2);
    EXPECT_EQ(three.cy, one.cy);
    EXPECT_EQ(m.extent(arial(-40), "").cx, 0);
    EXPECT_GT(one.cy, 40); // the cell holds the character height plus the leading
}

TEST(QtTextMetrics, BoldTextIsWider)
{
    LogFont bold = arial(-40);
    bold.weight = FW_BOLD;
    const QtTextMetrics m;
    EXPECT_GT(m.extent(bold, "Testo").cx, m.extent(arial(-40), "Testo").cx);
}

TEST(QtTextMetrics, MeasuresWindows1252Text)
{
    const QtTextMetrics m;
    // "\x85" is the ellipsis, one character as wide as itself, not two bytes of UTF-8.
    EXPECT_EQ(m.extent(arial(-40), "\x85").cx, QFontMetrics(qtFont(arial(-40))).horizontalAdvance(QChar(0x2026)));
}

} // namespace
} // namespace tramel
