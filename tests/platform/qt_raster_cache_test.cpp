#include "platform/bounded_cache.h"
#include "platform/qt_dc.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

namespace tramel {
namespace {

// ---- BoundedCache

using Cache = BoundedCache<int, std::string, std::hash<int>>;

TEST(BoundedCache, FindsWhatItKeepsAndCountsItsBytes)
{
    Cache c(1000);
    EXPECT_EQ(c.find(1), nullptr);
    c.add(1, "uno", 100);
    c.add(2, "due", 200);
    ASSERT_NE(c.find(1), nullptr);
    EXPECT_EQ(*c.find(1), "uno");
    EXPECT_EQ(c.bytes(), 300u);
    c.add(1, "one", 50); // replaces
    EXPECT_EQ(*c.find(1), "one");
    EXPECT_EQ(c.size(), 2u);
    EXPECT_EQ(c.bytes(), 250u);
}

TEST(BoundedCache, DropsTheLeastRecentlyUsedToStayWithinItsBudget)
{
    Cache c(1000);
    for (int k = 1; k <= 5; ++k)
        c.add(k, std::to_string(k), 200);
    c.find(1); // 2 is now the oldest, then 3
    c.add(6, "6", 200);
    EXPECT_LE(c.bytes(), 1000u);
    // Dropped, the oldest first, until a quarter of the budget is free after the addition.
    for (const int k : {2, 3, 4})
        EXPECT_EQ(c.find(k), nullptr) << k;
    // What stays keeps its value.
    for (const int k : {1, 5, 6}) {
        ASSERT_NE(c.find(k), nullptr) << k;
        EXPECT_EQ(*c.find(k), std::to_string(k)) << k;
    }
    EXPECT_EQ(c.bytes(), 600u);
}

TEST(BoundedCache, AnEntryLargerThanTheBudgetStillFits)
{
    Cache c(100);
    c.add(1, "a", 60);
    c.add(2, "b", 500);
    EXPECT_EQ(c.find(1), nullptr);
    ASSERT_NE(c.find(2), nullptr);
}

// ---- QtDc's own pixels against the painter's

QImage blank(QImage::Format format, QSize size = {160, 120})
{
    QImage image(size, format);
    image.fill(Qt::white);
    return image;
}

// The same calls on two images: one where QtDc writes texts, small shapes
// and pixels itself, and one where a clip over the whole image (which cuts
// nothing) sends every call to the painter.
struct Pair {
    explicit Pair(QImage::Format format, QSize size = {160, 120})
        : own(blank(format, size)), painted(blank(format, size)), ownPainter(&own), paintedPainter(&painted), ownDc(ownPainter),
          paintedDc(paintedPainter)
    {
        paintedPainter.setClipRect(painted.rect());
    }

    void both(const std::function<void(Dc&)>& call)
    {
        call(ownDc);
        call(paintedDc);
    }

    void done()
    {
        ownPainter.end();
        paintedPainter.end();
    }

    // The pixels where the two images differ by more than `tolerance` in a channel.
    int differences(int tolerance) const
    {
        int n = 0;
        for (int y = 0; y < own.height(); ++y)
            for (int x = 0; x < own.width(); ++x) {
                const QRgb a = own.pixel(x, y), b = painted.pixel(x, y);
                n += std::abs(qRed(a) - qRed(b)) > tolerance || std::abs(qGreen(a) - qGreen(b)) > tolerance ||
                     std::abs(qBlue(a) - qBlue(b)) > tolerance;
            }
        return n;
    }

    std::string firstDifference() const
    {
        for (int y = 0; y < own.height(); ++y)
            for (int x = 0; x < own.width(); ++x)
                if (own.pixel(x, y) != painted.pixel(x, y))
                    return "first difference at " + std::to_string(x) + ',' + std::to_string(y);
        return {};
    }

    QImage own, painted;
    QPainter ownPainter, paintedPainter;
    QtDc ownDc, paintedDc;
};

struct Random {
    std::mt19937 gen{20240611};
    int in(int lo, int hi) { return lo + static_cast<int>(gen() % static_cast<unsigned>(hi - lo + 1)); }
    Rgb colour() { return static_cast<Rgb>(gen() & 0xffffff); }
};

// A random pen, brush and background, selected for one call and deleted after it.
void withObjects(Dc& dc, int pen, int width, int brushKind, int hatch, int bk, Rgb c1, Rgb c2, Rgb c3,
                 const std::function<void()>& call)
{
    const GdiObject p = dc.CreatePen(pen, width, c1);
    const GdiObject b = brushKind == 0   ? dc.CreateSolidBrush(c2)
                        : brushKind == 1 ? dc.CreateHatchBrush(hatch, c2)
                                         : dc.CreatePatternBrush(1);
    const GdiObject oldPen = dc.SelectObject(p);
    const GdiObject oldBrush = dc.SelectObject(b);
    dc.SetBkMode(bk);
    dc.SetBkColor(c3);
    call();
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
    dc.DeleteObject(p);
    dc.DeleteObject(b);
}

class OwnPixels : public testing::TestWithParam<QImage::Format> {};

TEST_P(OwnPixels, ShapesMatchThePainter)
{
    Pair pair(GetParam());
    Random r;
    for (int i = 0; i < 1500; ++i) {
        // Mostly small shapes, each drawn twice, anywhere (partly off the image too); now and then a large one.
        const int size = r.in(0, 9) == 0 ? 40 : r.in(0, 6);
        const int kind = r.in(0, 3);
        const int pen = r.in(0, 5), width = r.in(0, 5), brushKind = r.in(0, 2), hatch = r.in(0, 6);
        const int bk = r.in(0, 3) == 0 ? OPAQUE : TRANSPARENT;
        const Rgb c1 = r.colour(), c2 = r.colour(), c3 = r.colour();
        std::vector<DevPoint> shape(static_cast<std::size_t>(r.in(2, 6)));
        for (DevPoint& p : shape)
            p = {r.in(0, size), r.in(0, size)};
        const int xs = r.in(-size, 2 * size), ys = r.in(-size, 2 * size), xe = r.in(-size, 2 * size),
                  ye = r.in(-size, 2 * size);
        for (int copy = 0; copy < 2; ++copy) {
            const int x = r.in(-10, 165), y = r.in(-10, 125);
            std::vector<DevPoint> moved = shape;
            for (DevPoint& p : moved)
                p = {p.x + x, p.y + y};
            pair.both([&](Dc& dc) {
                withObjects(dc, pen, width, brushKind, hatch, bk, c1, c2, c3, [&] {
                    switch (kind) {
                    case 0: dc.Polygon(moved); break;
                    case 1: dc.Polyline(moved); break;
                    case 2: dc.Ellipse(x, y, x + shape[0].x + 1, y + shape[1].y); break;
                    default: dc.Arc(x, y, x + shape[0].x + 1, y + shape[1].y + 1, x + xs, y + ys, x + xe, y + ye);
                    }
                });
            });
        }
    }
    pair.done();
    EXPECT_EQ(pair.differences(0), 0) << pair.firstDifference();
}

TEST_P(OwnPixels, ThickStrokesMatchThePainter)
{
    // Lines and outlines of pens up to 18 pixels wide across boxes up to 80
    // pixels, each drawn twice, anywhere (partly off the image too).
    Pair pair(GetParam(), {400, 300});
    Random r;
    for (int i = 0; i < 600; ++i) {
        const int size = r.in(1, 80), width = r.in(2, 18), kind = r.in(0, 3);
        const Rgb c1 = r.colour(), c2 = r.colour();
        std::vector<DevPoint> shape(static_cast<std::size_t>(r.in(2, 5)));
        for (DevPoint& p : shape)
            p = {r.in(0, size), r.in(0, size)};
        for (int copy = 0; copy < 2; ++copy) {
            const int x = r.in(-20, 390), y = r.in(-20, 290);
            std::vector<DevPoint> moved = shape;
            for (DevPoint& p : moved)
                p = {p.x + x, p.y + y};
            pair.both([&](Dc& dc) {
                withObjects(dc, PS_SOLID, width, kind % 2 ? 2 : 1, HS_CROSS, TRANSPARENT, c1, c2, c2, [&] {
                    switch (kind) {
                    case 0: dc.Polygon(moved); break;
                    case 1: dc.Polyline(moved); break;
                    case 2: dc.Ellipse(x, y, x + shape[0].x + 1, y + shape[1].y); break;
                    default: dc.Arc(x, y, x + size, y + size, x + shape[0].x, y, x, y + shape[1].y);
                    }
                });
            });
        }
    }
    pair.done();
    EXPECT_EQ(pair.differences(0), 0) << pair.firstDifference();
}

// Random texts, each drawn twice, anywhere (partly off the image too).
// glyphs: most characters a text has; decorated: whether some are underlined or struck out.
void randomTexts(Pair& pair, int glyphs, bool decorated)
{
    Random r;
    const char* faces[] = {"Arial", "Times New Roman", "DejaVu Sans"};
    for (int i = 0; i < 300; ++i) {
        LogFont f;
        f.faceName = faces[r.in(0, 2)];
        f.height = r.in(0, 4) == 0 ? r.in(0, 40) : -r.in(1, 40);
        f.escapement = r.in(0, 2) == 0 ? 900 * r.in(0, 3) : r.in(0, 3599);
        f.weight = r.in(0, 1) ? FW_BOLD : FW_DONTCARE;
        f.italic = r.in(0, 1);
        f.underline = decorated && r.in(0, 5) == 0;
        f.strikeOut = decorated && r.in(0, 5) == 0;
        std::string text;
        for (int n = r.in(0, glyphs); n > 0; --n)
            text += static_cast<char>(r.in(0, 9) == 0 ? ' ' : r.in('A', 'z'));
        const Rgb colour = r.colour();
        for (int copy = 0; copy < 2; ++copy) {
            const int x = r.in(-20, 170), y = r.in(-20, 130);
            pair.both([&](Dc& dc) {
                const GdiObject font = dc.CreateFontIndirect(f);
                const GdiObject old = dc.SelectObject(font);
                dc.SetTextColor(colour);
                dc.TextOut(x, y, text);
                dc.SelectObject(old);
                dc.DeleteObject(font);
            });
        }
    }
}

TEST_P(OwnPixels, GlyphsMatchThePainter)
{
    Pair pair(GetParam());
    randomTexts(pair, 1, false);
    pair.done();
    EXPECT_EQ(pair.differences(0), 0) << pair.firstDifference();
}

TEST_P(OwnPixels, TextsMatchThePainterWithinRounding)
{
    // Where glyphs overlap (or an underline crosses them), the painter blends
    // each in turn and the mask holds their joint coverage: the two round
    // apart by a unit or two.
    Pair pair(GetParam());
    randomTexts(pair, 10, true);
    pair.done();
    EXPECT_EQ(pair.differences(2), 0) << pair.firstDifference();
    EXPECT_LT(pair.differences(0), pair.own.width() * pair.own.height() / 50);
}

TEST_P(OwnPixels, PixelsMatchThePainter)
{
    Pair pair(GetParam());
    Random r;
    for (int i = 0; i < 500; ++i) {
        const int x = r.in(-3, 162), y = r.in(-3, 122);
        const Rgb c = r.colour();
        pair.both([&](Dc& dc) { dc.SetPixel(x, y, c); });
    }
    pair.done();
    EXPECT_EQ(pair.differences(0), 0) << pair.firstDifference();
}

INSTANTIATE_TEST_SUITE_P(Formats, OwnPixels,
                         testing::Values(QImage::Format_RGB32, QImage::Format_ARGB32,
                                         QImage::Format_ARGB32_Premultiplied));

TEST(OwnPixels, NotUsedUnderATransformation)
{
    // Scaled four times, the painter draws a pixel as one device pixel and a
    // shape four times as large: neither comes from QtDc's own paths.
    QImage image = blank(QImage::Format_RGB32);
    QPainter painter(&image);
    painter.scale(4, 4);
    QtDc dc(painter);
    dc.SetPixel(1, 1, RGB(255, 0, 0));
    dc.SelectObject(dc.CreatePen(PS_SOLID, 1, RGB(0, 0, 255)));
    dc.Polyline({{10, 10}, {14, 10}});
    painter.end();
    EXPECT_EQ(image.pixel(4, 4), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(50, 40), qRgb(0, 0, 255));
}

} // namespace
} // namespace tramel
