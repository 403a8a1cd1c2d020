#include "platform/qt_dc.h"
#include "platform/qt_text_metrics.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>

namespace tramel {
namespace {

QImage whiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::white);
    return image;
}

// An image with a QtDc on it; done() ends the painting and gives the image.
struct Canvas {
    explicit Canvas(int width = 100, int height = 100) : image(whiteImage(width, height)), painter(&image), dc(painter) {}

    const QImage& done()
    {
        painter.end();
        return image;
    }

    void select(GdiObject pen, GdiObject brush)
    {
        dc.SelectObject(pen);
        dc.SelectObject(brush);
    }

    QImage image;
    QPainter painter;
    QtDc dc;
};

bool painted(const QImage& image, int x, int y)
{
    return image.pixel(x, y) != qRgb(255, 255, 255);
}

bool paintedNear(const QImage& image, int x, int y, int r = 2)
{
    for (int j = y - r; j <= y + r; ++j)
        for (int i = x - r; i <= x + r; ++i)
            if (image.rect().contains(i, j) && painted(image, i, j))
                return true;
    return false;
}

struct Box {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
};

Box paintedBox(const QImage& image)
{
    Box b;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (painted(image, x, y)) {
                b.left = std::min(b.left, x);
                b.right = std::max(b.right, x);
                b.top = std::min(b.top, y);
                b.bottom = std::max(b.bottom, y);
            }
    return b;
}

const std::vector<DevPoint> square = {{10, 10}, {90, 10}, {90, 90}, {10, 90}};

QImage hatched(int hatch, int bkMode = TRANSPARENT)
{
    Canvas c;
    c.select(c.dc.CreatePen(PS_NULL, 0, 0), c.dc.CreateHatchBrush(hatch, RGB(0, 0, 0)));
    c.dc.SetBkMode(bkMode);
    c.dc.SetBkColor(RGB(255, 0, 0));
    c.dc.Polygon(square);
    return c.done();
}

struct HatchCase {
    int hatch;
    int dx, dy;           // a painted pixel has a painted neighbour this way
    int otherDx, otherDy; // but not always this way
};

class QtDcHatch : public testing::TestWithParam<HatchCase> {};

TEST_P(QtDcHatch, RunsInItsDirection)
{
    const HatchCase h = GetParam();
    const QImage image = hatched(h.hatch);
    int count = 0;
    bool otherBroken = false;
    for (int y = 30; y < 70; ++y)
        for (int x = 30; x < 70; ++x)
            if (painted(image, x, y)) {
                ++count;
                EXPECT_TRUE(painted(image, x + h.dx, y + h.dy)) << x << ',' << y;
                otherBroken = otherBroken || !painted(image, x + h.otherDx, y + h.otherDy);
            }
    EXPECT_GT(count, 40 * 40 / 16);
    EXPECT_LT(count, 40 * 40 / 2);
    EXPECT_TRUE(otherBroken);
}

INSTANTIATE_TEST_SUITE_P(Codes, QtDcHatch,
                         testing::Values(HatchCase{HS_HORIZONTAL, 1, 0, 0, 1}, HatchCase{HS_VERTICAL, 0, 1, 1, 0},
                                         HatchCase{HS_FDIAGONAL, 1, 1, 1, -1}, HatchCase{HS_BDIAGONAL, 1, -1, 1, 1}));

TEST(QtDc, CrossHatchesHaveBothDirections)
{
    const QImage cross = hatched(HS_CROSS);
    const QImage diagonal = hatched(HS_DIAGCROSS);
    int crossRows = 0;
    int crossColumns = 0;
    for (int i = 20; i < 80; ++i) {
        crossRows += painted(cross, 20, i) && painted(cross, 79, i) && painted(cross, 50, i);
        crossColumns += painted(cross, i, 20) && painted(cross, i, 79) && painted(cross, i, 50);
    }
    EXPECT_GT(crossRows, 2);
    EXPECT_GT(crossColumns, 2);
    int downRight = 0;
    int upRight = 0;
    for (int y = 30; y < 70; ++y)
        for (int x = 30; x < 70; ++x)
            if (painted(diagonal, x, y)) {
                downRight += painted(diagonal, x + 1, y + 1);
                upRight += painted(diagonal, x + 1, y - 1);
            }
    EXPECT_GT(downRight, 40);
    EXPECT_GT(upRight, 40);
}

TEST(QtDc, HatchGapsAreTransparentOrBackgroundColoured)
{
    const QImage transparent = hatched(HS_HORIZONTAL, TRANSPARENT);
    const QImage opaque = hatched(HS_HORIZONTAL, OPAQUE);
    int gaps = 0;
    for (int y = 20; y < 80; ++y)
        if (!painted(transparent, 50, y)) {
            ++gaps;
            EXPECT_EQ(opaque.pixel(50, y), qRgb(255, 0, 0));
        }
    EXPECT_GT(gaps, 0);
    EXPECT_EQ(opaque.pixel(5, 5), qRgb(255, 255, 255)); // outside the shape
}

TEST(QtDc, SolidHollowAndPatternBrushes)
{
    struct Case {
        const char* name;
        GdiObject (*brush)(QtDc&);
        bool filled;
    };
    const Case cases[] = {
        {"solid", [](QtDc& dc) { return dc.CreateSolidBrush(RGB(0, 0, 255)); }, true},
        {"stock hollow", [](QtDc&) { return GdiObjects::stockBrush; }, false},
        {"pattern", [](QtDc& dc) { return dc.CreatePatternBrush(42); }, false},
        {"unknown hatch", [](QtDc& dc) { return dc.CreateHatchBrush(9, RGB(0, 0, 255)); }, false},
    };
    for (const Case& k : cases) {
        Canvas c;
        c.select(c.dc.CreatePen(PS_SOLID, 1, RGB(255, 0, 0)), k.brush(c.dc));
        c.dc.Polygon(square);
        const QImage& image = c.done();
        EXPECT_EQ(image.pixel(50, 50), k.filled ? qRgb(0, 0, 255) : qRgb(255, 255, 255)) << k.name;
        EXPECT_EQ(image.pixel(50, 10), qRgb(255, 0, 0)) << k.name; // the outline in the pen colour
    }
}

TEST(QtDc, PolygonFillsByTheAlternateRule)
{
    Canvas c;
    c.select(c.dc.CreatePen(PS_NULL, 0, 0), c.dc.CreateSolidBrush(0));
    std::vector<DevPoint> star;
    for (int k = 0; k < 5; ++k) {
        const double a = (90 + 144 * k) * M_PI / 180;
        star.push_back({static_cast<int>(std::lround(50 + 45 * std::cos(a))),
                        static_cast<int>(std::lround(50 - 45 * std::sin(a)))});
    }
    c.dc.Polygon(star);
    const QImage& image = c.done();
    EXPECT_FALSE(painted(image, 50, 52)); // the centre is wound twice
    EXPECT_TRUE(painted(image, 50, 12));  // the top point, wound once
}

TEST(QtDc, PolylineStaysOpen)
{
    Canvas c;
    c.dc.Polyline({{10, 10}, {90, 10}, {90, 90}});
    const QImage& image = c.done();
    EXPECT_TRUE(painted(image, 50, 10));
    EXPECT_TRUE(painted(image, 90, 50));
    EXPECT_FALSE(paintedNear(image, 50, 50, 3));
}

QImage arc(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye, int width = 200, int height = 200)
{
    Canvas c(width, height);
    c.dc.Arc(left, top, right, bottom, xs, ys, xe, ye);
    return c.done();
}

TEST(QtDc, ArcRunsCounterClockwiseFromStartToEnd)
{
    const QImage quarter = arc(0, 0, 100, 100, 100, 50, 50, 0);
    EXPECT_TRUE(paintedNear(quarter, 85, 15));
    EXPECT_FALSE(paintedNear(quarter, 15, 15));
    EXPECT_FALSE(paintedNear(quarter, 15, 85));
    EXPECT_FALSE(paintedNear(quarter, 85, 85));

    const QImage rest = arc(0, 0, 100, 100, 50, 0, 100, 50);
    EXPECT_FALSE(paintedNear(rest, 85, 15));
    EXPECT_TRUE(paintedNear(rest, 15, 15));
    EXPECT_TRUE(paintedNear(rest, 15, 85));
    EXPECT_TRUE(paintedNear(rest, 85, 85));
}

TEST(QtDc, ArcWithEqualRadialsIsTheWholeEllipse)
{
    // Two points on the same radial, at different distances from the centre.
    const QImage whole = arc(0, 0, 100, 100, 100, 50, 70, 50);
    for (const auto& [x, y] : {std::pair{85, 15}, {15, 15}, {15, 85}, {85, 85}, {99, 50}})
        EXPECT_TRUE(paintedNear(whole, x, y)) << x << ',' << y;
}

TEST(QtDc, ArcOnAnEllipseEndsOnTheRadialThroughItsEndPoint)
{
    // Box 200 x 100 centred at (100, 50); the end radial rises at 45 degrees
    // and meets the ellipse near (144.7, 5.3), short of the point at the
    // parametric 45 degrees (170.7, 14.6).
    const QImage image = arc(0, 0, 200, 100, 200, 50, 150, 0);
    EXPECT_TRUE(paintedNear(image, 145, 5));
    EXPECT_TRUE(paintedNear(image, 170, 15));
    EXPECT_FALSE(paintedNear(image, 128, 2, 1)); // the ellipse at 60 degrees
}

TEST(QtDc, ShortArcOnALargeCircleEndsOnItsRadials)
{
    // Radius 20000, chord about 10 pixels about (50, 50), the middle of the arc
    // at 70.7 degrees from the centre, which lies far below the image.
    constexpr double r = 20000, middle = 1.234, half = 5 / r;
    const double cx = std::round(50 - r * std::cos(middle)), cy = std::round(50 + r * std::sin(middle));
    const auto on = [&](double a) { return QPoint(static_cast<int>(std::lround(cx + r * std::cos(a))),
                                                  static_cast<int>(std::lround(cy - r * std::sin(a)))); };
    const QPoint s = on(middle - half), e = on(middle + half);
    const QImage image = arc(static_cast<int>(cx - r), static_cast<int>(cy - r), static_cast<int>(cx + r),
                             static_cast<int>(cy + r), s.x(), s.y(), e.x(), e.y(), 100, 100);
    const Box box = paintedBox(image);
    EXPECT_LE(box.width(), 12);
    EXPECT_LE(box.height(), 12);
    // How far a pixel's centre lies on the arc's side of the radial through p
    // (y up, counter-clockwise); pixel (x, y) covers the points from (x, y) to (x + 1, y + 1).
    const auto beyond = [&](QPoint p, int x, int y, double sign) {
        const double ux = p.x() - cx, uy = cy - p.y(), vx = x + 0.5 - cx, vy = cy - (y + 0.5);
        return sign * (ux * vy - uy * vx) / std::hypot(ux, uy);
    };
    double fromStart = 1e9, fromEnd = 1e9;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (painted(image, x, y)) {
                fromStart = std::min(fromStart, beyond(s, x, y, 1));
                fromEnd = std::min(fromEnd, beyond(e, x, y, -1));
            }
    EXPECT_LE(std::abs(fromStart), 1);
    EXPECT_LE(std::abs(fromEnd), 1);
}

TEST(QtDc, ArcInAnEmptyBoxDrawsNothing)
{
    EXPECT_EQ(paintedBox(arc(50, 50, 50, 90, 60, 50, 50, 40)).right, -1);
    EXPECT_EQ(paintedBox(arc(10, 50, 90, 50, 60, 50, 50, 40)).right, -1);
}

QImage line(int style, int width)
{
    Canvas c(200, 100);
    c.dc.SelectObject(c.dc.CreatePen(style, width, RGB(255, 0, 0)));
    c.dc.Polyline({{10, 50}, {190, 50}});
    return c.done();
}

int gapsAlong(const QImage& image, int y)
{
    int gaps = 0;
    for (int x = 15; x <= 185; ++x)
        gaps += !painted(image, x, y);
    return gaps;
}

TEST(QtDc, DashStylesApplyToThinPensOnly)
{
    EXPECT_GT(gapsAlong(line(PS_DASH, 1), 50), 10);
    EXPECT_GT(gapsAlong(line(PS_DOT, 0), 50), 10);
    EXPECT_EQ(gapsAlong(line(PS_DASH, 3), 50), 0);
    EXPECT_EQ(gapsAlong(line(PS_DASHDOTDOT, 2), 50), 0);
    EXPECT_EQ(gapsAlong(line(PS_SOLID, 1), 50), 0);
}

TEST(QtDc, StyleOutsideTheCodesDrawsSolidAndNullDrawsNothing)
{
    EXPECT_EQ(gapsAlong(line(9, 1), 50), 0);
    EXPECT_EQ(paintedBox(line(PS_NULL, 3)).right, -1);
}

TEST(QtDc, PenColourAndWidth)
{
    const QImage image = line(PS_SOLID, 5);
    EXPECT_EQ(image.pixel(100, 50), qRgb(255, 0, 0));
    EXPECT_TRUE(painted(image, 100, 48));
    EXPECT_TRUE(painted(image, 100, 52));
    EXPECT_FALSE(painted(image, 100, 45));
    const QImage thin = line(PS_SOLID, 0);
    EXPECT_FALSE(painted(thin, 100, 49));
    EXPECT_FALSE(painted(thin, 100, 51));
}

TEST(QtDc, EllipseFillsItsBox)
{
    Canvas c;
    c.select(c.dc.CreatePen(PS_SOLID, 1, 0), c.dc.CreateSolidBrush(RGB(0, 255, 0)));
    c.dc.Ellipse(10, 20, 90, 80);
    const QImage& image = c.done();
    EXPECT_EQ(image.pixel(50, 50), qRgb(0, 255, 0));
    EXPECT_FALSE(painted(image, 12, 22)); // the box's corner lies outside the ellipse
    const Box b = paintedBox(image);
    EXPECT_NEAR(b.left, 10, 1);
    EXPECT_NEAR(b.right, 90, 1);
    EXPECT_NEAR(b.top, 20, 1);
    EXPECT_NEAR(b.bottom, 80, 1);
}

LogFont font(int height, int escapement = 0)
{
    LogFont f;
    f.height = height;
    f.escapement = escapement;
    f.faceName = "Arial";
    return f;
}

TEST(QtDc, TextHangsFromItsTopLeftCornerWithinItsExtent)
{
    Canvas c(300, 200);
    c.dc.SelectObject(c.dc.CreateFontIndirect(font(-20)));
    c.dc.TextOut(50, 100, "Testo");
    const Box b = paintedBox(c.done());
    const TextExtent e = QtTextMetrics().extent(font(-20), "Testo");
    EXPECT_GE(b.left, 50);
    EXPECT_GE(b.top, 100);
    EXPECT_LE(b.right, 50 + e.cx);
    EXPECT_LE(b.bottom, 100 + e.cy);
    EXPECT_GT(b.width(), e.cx / 2);
}

TEST(QtDc, TextAtEscapement900RunsUpward)
{
    Canvas c(200, 300);
    c.dc.SelectObject(c.dc.CreateFontIndirect(font(-20, 900)));
    c.dc.TextOut(50, 200, "Testo");
    const Box b = paintedBox(c.done());
    const TextExtent e = QtTextMetrics().extent(font(-20), "Testo");
    EXPECT_GE(b.left, 49);
    EXPECT_LE(b.right, 50 + e.cy);
    EXPECT_LE(b.bottom, 201);
    EXPECT_GE(b.top, 199 - e.cx);
    EXPECT_GT(b.height(), 2 * b.width());
}

TEST(QtDc, OpaqueTextPaintsItsBoxInTheBackgroundColour)
{
    const TextExtent e = QtTextMetrics().extent(font(-20), "MMM");
    for (const int mode : {OPAQUE, TRANSPARENT}) {
        Canvas c(200, 100);
        c.dc.SelectObject(c.dc.CreateFontIndirect(font(-20)));
        c.dc.SetBkMode(mode);
        c.dc.SetBkColor(RGB(0, 255, 0));
        c.dc.SetTextColor(RGB(0, 0, 255));
        c.dc.TextOut(10, 10, "MMM");
        const QImage& image = c.done();
        const QRgb corner = mode == OPAQUE ? qRgb(0, 255, 0) : qRgb(255, 255, 255);
        EXPECT_EQ(image.pixel(10, 10), corner);
        EXPECT_EQ(image.pixel(10 + e.cx - 1, 10 + e.cy - 1), corner);
        EXPECT_FALSE(painted(image, 10 + e.cx + 1, 10));
        EXPECT_FALSE(painted(image, 10, 10 + e.cy + 1));
        bool textColour = false;
        for (int x = 10; x < 10 + e.cx; ++x)
            textColour = textColour || image.pixel(x, 10 + e.cy / 2) == qRgb(0, 0, 255);
        EXPECT_TRUE(textColour);
    }
}

TEST(QtDc, ThePainterFollowsTheSelectionAroundAPixelAndABackgroundChange)
{
    Canvas c(200, 100);
    c.painter.setClipRect(c.image.rect()); // every call through the painter
    c.select(c.dc.CreatePen(PS_SOLID, 3, RGB(255, 0, 0)), c.dc.CreateHatchBrush(HS_HORIZONTAL, 0));
    c.dc.Polyline({{10, 20}, {190, 20}});
    c.dc.SetPixel(5, 5, RGB(0, 255, 0));
    c.dc.Polyline({{10, 30}, {190, 30}}); // the same pen, not the pixel's
    c.dc.SetBkColor(RGB(0, 0, 255));
    c.dc.Polygon({{20, 40}, {80, 40}, {80, 90}, {20, 90}});
    c.dc.SetBkMode(OPAQUE);
    c.dc.Polygon({{120, 40}, {180, 40}, {180, 90}, {120, 90}});
    const QImage& image = c.done();
    EXPECT_EQ(image.pixel(5, 5), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(100, 31), qRgb(255, 0, 0)); // three pixels wide
    int transparentGaps = 0, blueGaps = 0;
    for (int y = 50; y < 80; ++y) {
        transparentGaps += image.pixel(50, y) == qRgb(255, 255, 255);
        blueGaps += image.pixel(150, y) == qRgb(0, 0, 255);
    }
    EXPECT_GT(transparentGaps, 10);
    EXPECT_EQ(blueGaps, transparentGaps);
}

TEST(QtDc, SelectGivesBackThePreviousObject)
{
    Canvas c;
    const GdiObject pen = c.dc.CreatePen(PS_SOLID, 2, 0);
    EXPECT_EQ(c.dc.SelectObject(pen), GdiObjects::stockPen);
    EXPECT_FALSE(c.dc.DeleteObject(pen));
    EXPECT_EQ(c.dc.SelectObject(GdiObjects::stockPen), pen);
    EXPECT_TRUE(c.dc.DeleteObject(pen));
    EXPECT_EQ(c.dc.SelectObject(pen), 0);
}

TEST(QtDc, PrinterHatchesFollowThePainterTransformation)
{
    for (const bool printer : {false, true}) {
        QImage image = whiteImage(100, 100);
        QPainter painter(&image);
        painter.scale(4, 4);
        QtDc dc(painter, printer);
        dc.SelectObject(dc.CreatePen(PS_NULL, 0, 0));
        dc.SelectObject(dc.CreateHatchBrush(HS_HORIZONTAL, 0));
        dc.Polygon({{0, 0}, {25, 0}, {25, 25}, {0, 25}});
        painter.end();
        int run = 0;
        int longest = 0;
        for (int y = 0; y < 100; ++y) {
            run = painted(image, 50, y) ? run + 1 : 0;
            longest = std::max(longest, run);
        }
        // Unscaled, the hatch lines stay one pixel thick; scaled four times, four.
        EXPECT_EQ(longest, printer ? 4 : 1);
    }
}

TEST(QtDc, PrinterDashesTakeTheirScreenLength)
{
    QImage image = whiteImage(100, 1);
    image.setDotsPerMeterX(23622); // 600 dpi: 25 pixels for a screen dash of 4
    QPainter painter(&image);
    QtDc dc(painter, true);
    dc.SelectObject(dc.CreatePen(PS_DASH, 1, 0));
    dc.Polyline({{0, 0}, {100, 0}});
    painter.end();
    EXPECT_TRUE(painted(image, 10, 0));
    EXPECT_FALSE(painted(image, 30, 0));
}

// Not-merge-pen paints NOT(pen OR screen): a red pen turns white black and
// black cyan; back in copy mode the pen paints itself.
TEST(QtDcRop2, NotMergePenThenCopyPen)
{
    Canvas c(20, 3);
    c.dc.FillRect(10, 0, 20, 3, RGB(0, 0, 0));
    c.dc.SelectObject(c.dc.CreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
    EXPECT_EQ(c.dc.SetROP2(R2_NOTMERGEPEN), R2_COPYPEN);
    c.dc.Polyline({{0, 0}, {20, 0}});
    EXPECT_EQ(c.dc.SetROP2(R2_COPYPEN), R2_NOTMERGEPEN);
    c.dc.Polyline({{0, 2}, {20, 2}});
    const QImage& image = c.done();
    EXPECT_EQ(image.pixel(2, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(15, 0), qRgb(0, 255, 255));
    EXPECT_EQ(image.pixel(2, 2), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(15, 2), qRgb(255, 0, 0));
}

} // namespace
} // namespace tramel
