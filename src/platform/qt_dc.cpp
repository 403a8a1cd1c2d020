#include "qt_dc.h"

#include "cp1252.h"
#include "qt_raster_cache.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>
#include <utility>

namespace tramel {

QColor qtColor(Rgb c)
{
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

namespace {

// The same colour as an opaque image pixel.
QRgb qtRgb(Rgb c)
{
    return qRgb(redOf(c), greenOf(c), blueOf(c));
}

Qt::PenStyle dashStyle(int style)
{
    switch (style) {
    case PS_DASH: return Qt::DashLine;
    case PS_DOT: return Qt::DotLine;
    case PS_DASHDOT: return Qt::DashDotLine;
    case PS_DASHDOTDOT: return Qt::DashDotDotLine;
    default: return Qt::SolidLine;
    }
}

// As on the classic device, a pen wider than one pixel draws solid whatever its style.
Qt::PenStyle qtPenStyle(const PenObj& pen)
{
    if (pen.style == PS_NULL)
        return Qt::NoPen;
    return pen.width > 1 ? Qt::SolidLine : dashStyle(pen.style);
}

// Width 0 is Qt's cosmetic one-pixel pen; ends and joins are round. The
// dashes and gaps are `patternScale` times their usual length.
QPen qtPen(const PenObj& pen, double patternScale = 1)
{
    if (pen.style == PS_NULL)
        return QPen(Qt::NoPen);
    QPen q(qtColor(pen.color), std::max(0, pen.width), qtPenStyle(pen));
    q.setCapStyle(Qt::RoundCap);
    q.setJoinStyle(Qt::RoundJoin);
    if (patternScale != 1 && q.style() != Qt::SolidLine) {
        QList<qreal> pattern = q.dashPattern();
        for (qreal& length : pattern)
            length *= patternScale;
        q.setDashPattern(pattern);
    }
    return q;
}

// Hatch codes 0-5 in their classic order; Qt's FDiag is "\\\\" and BDiag "////"
// as there. Any other code fills nothing.
Qt::BrushStyle hatchStyle(int hatch)
{
    switch (hatch) {
    case HS_HORIZONTAL: return Qt::HorPattern;
    case HS_VERTICAL: return Qt::VerPattern;
    case HS_FDIAGONAL: return Qt::FDiagPattern;
    case HS_BDIAGONAL: return Qt::BDiagPattern;
    case HS_CROSS: return Qt::CrossPattern;
    case HS_DIAGCROSS: return Qt::DiagCrossPattern;
    default: return Qt::NoBrush;
    }
}

// Whether the brush paints anything, as qtBrush makes it.
bool paints(const BrushObj& brush)
{
    return brush.kind == BrushObj::Solid || (brush.kind == BrushObj::Hatch && hatchStyle(brush.hatch) != Qt::NoBrush);
}

QBrush qtBrush(const BrushObj& brush)
{
    switch (brush.kind) {
    case BrushObj::Solid: return QBrush(qtColor(brush.color));
    case BrushObj::Hatch: return QBrush(qtColor(brush.color), hatchStyle(brush.hatch));
    case BrushObj::Hollow:
    case BrushObj::Pattern: break; // no bitmaps on this device: a pattern paints nothing
    }
    return QBrush(Qt::NoBrush);
}

// A cubic Bezier piece of a quarter turn strays from the ellipse by up to
// 0.027% of its radius, a piece of a fraction f of a quarter turn by f^6
// times that. A quarter turn takes this many pieces, so that none strays by
// more than 1/20 pixel.
int piecesPerQuarter(double radius)
{
    constexpr double strayPerPixel = 2.7e-4 / 0.05;
    const auto sixthPower = [](double v) { return v * v * v * v * v * v; };
    int n = 1;
    while (radius * strayPerPixel > sixthPower(n))
        ++n;
    return n;
}

// The arc of the ellipse in the box, counter-clockwise from the radial
// through s to the radial through e (both from the box's top-left corner),
// as cubic Bezier pieces computed from the exact angles: Qt's own arcs place
// their ends by approximation, off the radials by up to a few hundredths of
// a degree, and stray by the whole 0.027% on a large radius.
QPainterPath arcPath(const QRectF& box, QPointF s, QPointF e)
{
    const double rx = box.width() / 2, ry = box.height() / 2;
    s -= QPointF(rx, ry);
    e -= QPointF(rx, ry);
    // Angles as the ellipse's parameter, y up.
    const double start = std::atan2(-s.y() / ry, s.x() / rx);
    const double sweep = arcSweep(s.x(), s.y(), e.x(), e.y(), ry / rx);
    const int pieces =
        static_cast<int>(std::ceil(sweep / (std::numbers::pi / 2) * piecesPerQuarter(std::max(rx, ry))));
    if (pieces == 0)
        return {}; // a radial point at the centre
    const double handle = 4.0 / 3 * std::tan(sweep / pieces / 4); // the tangent's share the control points take
    const QPointF c = box.center();
    QPointF from, fromTangent;
    QPainterPath path;
    for (int i = 0; i <= pieces; ++i) {
        const double a = start + sweep * i / pieces;
        const double cosA = std::cos(a), sinA = std::sin(a);
        const QPointF to(c.x() + rx * cosA, c.y() - ry * sinA);
        const QPointF toTangent(-rx * sinA * handle, -ry * cosA * handle);
        if (i == 0)
            path.moveTo(to);
        else
            path.cubicTo(from + fromTangent, to - toTangent, to);
        from = to;
        fromTangent = toTangent;
    }
    return path;
}

// A text whose mask would take more pixels than this is drawn through the painter.
constexpr int maxMaskPixels = 512 * 512;
// Shapes wider or higher than this, or drawn with a wider pen, are drawn
// through the painter: the stamps pay where shapes are small and repeat, as
// the whole drawing seen small does, or a zoomed view panned a step at a time
// (which shows most of its shapes again, shifted). A pen wider than a pixel
// costs the painter most (round ends and joins), and short thick strokes
// are the common case at a large scale.
constexpr int maxStampExtent = 64;
constexpr int maxStampPen = 16;

// A side of a box, as a whole number of pixels when a stamp may draw it.
std::optional<int> stampSide(double side)
{
    if (side > maxStampExtent)
        return std::nullopt;
    return static_cast<int>(side);
}

} // namespace

QtDc::QtDc(QPainter& painter, bool printerPatterns) : painter_(painter)
{
    painter_.setRenderHint(QPainter::NonCosmeticBrushPatterns, printerPatterns);
    // A hatch is 8 pixels to its period, a dash 4: on a printer they take the
    // lengths they have on a 96-dpi screen.
    if (printerPatterns && painter_.device())
        patternScale_ = painter_.device()->logicalDpiX() / 96.0;
}

void QtDc::usePen()
{
    if (painterPen_ != objects_.pen()) {
        painter_.setPen(qtPen(objects_.pen(), patternScale_));
        painterPen_ = objects_.pen();
    }
}

void QtDc::useBrush()
{
    if (painterBrush_ != objects_.brush()) {
        QBrush brush = qtBrush(objects_.brush());
        if (objects_.brush().kind == BrushObj::Hatch && patternScale_ != 1)
            brush.setTransform(QTransform::fromScale(patternScale_, patternScale_));
        painter_.setBrush(brush);
        painterBrush_ = objects_.brush();
    }
}

// Opaque mode fills the gaps of dashed lines and hatches with the background colour.
void QtDc::useBackground()
{
    const std::pair background{bkMode_, bkColor_};
    if (painterBackground_ != background) {
        painter_.setBackgroundMode(bkMode_ == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
        painter_.setBackground(qtColor(bkColor_));
        painterBackground_ = background;
    }
}

// The painter's image when its pixels land where the calls put them, with
// nothing between: no transformation, clipping, opacity or other composition.
QImage* QtDc::pixelTarget() const
{
    QPaintDevice* device = painter_.device();
    if (!device || device->devType() != QInternal::Image || painter_.hasClipping() ||
        painter_.deviceTransform().type() != QTransform::TxNone ||
        painter_.compositionMode() != QPainter::CompositionMode_SourceOver || painter_.opacity() != 1.0)
        return nullptr;
    auto* image = static_cast<QImage*>(device);
    switch (image->format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied: return image;
    default: return nullptr;
    }
}

const QPoint* QtDc::qtPoints(const std::vector<DevPoint>& points)
{
    points_.resize(points.size());
    for (std::size_t i = 0; i < points.size(); ++i)
        points_[i] = QPoint(points[i].x, points[i].y);
    return points_.data();
}

GdiObject QtDc::CreatePen(int style, int width, Rgb color)
{
    return objects_.create(PenObj{style, width, color});
}

GdiObject QtDc::CreateSolidBrush(Rgb color)
{
    return objects_.create(BrushObj{BrushObj::Solid, 0, color});
}

GdiObject QtDc::CreateHatchBrush(int hatch, Rgb color)
{
    return objects_.create(BrushObj{BrushObj::Hatch, hatch, color});
}

GdiObject QtDc::CreatePatternBrush(std::int32_t bitmap)
{
    return objects_.create(BrushObj{BrushObj::Pattern, 0, 0, bitmap});
}

GdiObject QtDc::CreateFontIndirect(const LogFont& font)
{
    return objects_.create(font);
}

GdiObject QtDc::SelectObject(GdiObject object)
{
    return objects_.select(object);
}

bool QtDc::DeleteObject(GdiObject object)
{
    return objects_.remove(object);
}

// Draws the shape that probe_ holds the kind and geometry of from its stamp,
// with its reference point at `at`; false leaves it to the painter. The
// stamp is made the first time, by draw(painter, reference point).
bool QtDc::fromStamp(QPoint at, QSize extent, const std::function<void(QPainter&, QPoint)>& draw)
{
    QImage* image = pixelTarget();
    const PenObj& pen = objects_.pen();
    const BrushObj& brush = objects_.brush();
    const bool filled = (probe_.kind == ShapeKey::Polygon || probe_.kind == ShapeKey::Ellipse) && paints(brush);
    const bool hatched = filled && brush.kind == BrushObj::Hatch;
    const int width = std::max(0, pen.width);
    // The stamps hold patterns at their screen size.
    if (!image || patternScale_ != 1 || width > maxStampPen || (hatched && painter_.brushOrigin() != QPoint()))
        return false;
    probe_.filled = filled;
    probe_.opaque = bkMode_ == OPAQUE;
    probe_.penStyle = static_cast<std::uint8_t>(qtPenStyle(pen));
    probe_.penWidth = static_cast<std::uint8_t>(width);
    probe_.format = static_cast<std::uint8_t>(image->format());
    probe_.hints = static_cast<std::uint16_t>(painter_.renderHints());
    ShapeStampCache& stamps = threadShapeStamps();
    const std::optional<ShapeStamp>* stamp = stamps.find(probe_);
    if (!stamp) {
        std::optional<ShapeStamp> made = renderShapeStamp(qtPen(pen), filled, probe_.opaque, extent, image->format(),
                                                          painter_.renderHints(), draw);
        const std::size_t bytes = shapeStampBytes(made);
        stamp = &stamps.add(probe_, std::move(made), bytes);
    }
    if (!*stamp || !fitsIn(*image, **stamp, at.x(), at.y()))
        return false;
    const StampColours colours{qtRgb(pen.color), qtRgb(bkColor_), qtRgb(brush.color),
                               hatched ? &hatchPattern(hatchStyle(brush.hatch)) : nullptr, probe_.opaque};
    paintShapeStamp(*image, **stamp, at.x(), at.y(), colours);
    return true;
}

// A polygon or polyline from its stamp: the points from their top-left corner.
bool QtDc::pointsFromStamp(ShapeKey::Kind kind, const std::vector<DevPoint>& points)
{
    if (points.empty())
        return false;
    const auto byX = [](DevPoint a, DevPoint b) { return a.x < b.x; };
    const auto byY = [](DevPoint a, DevPoint b) { return a.y < b.y; };
    const auto [xMin, xMax] = std::minmax_element(points.begin(), points.end(), byX);
    const auto [yMin, yMax] = std::minmax_element(points.begin(), points.end(), byY);
    const auto width = stampSide(static_cast<double>(xMax->x) - xMin->x);
    const auto height = stampSide(static_cast<double>(yMax->y) - yMin->y);
    if (!width || !height)
        return false;
    const QPoint at(xMin->x, yMin->y);
    probe_.start(kind);
    for (const DevPoint& p : points)
        if (!probe_.add(p.x - at.x()) || !probe_.add(p.y - at.y()))
            return false;
    return fromStamp(at, QSize(*width, *height), [&](QPainter& painter, QPoint origin) {
        points_.clear();
        for (std::size_t i = 0; i + 1 < probe_.count; i += 2)
            points_.emplace_back(origin.x() + probe_.geometry[i], origin.y() + probe_.geometry[i + 1]);
        if (kind == ShapeKey::Polygon)
            painter.drawPolygon(points_.data(), static_cast<int>(points_.size()), Qt::OddEvenFill);
        else
            painter.drawPolyline(points_.data(), static_cast<int>(points_.size()));
    });
}

// An ellipse or arc from its stamp: the box from its top-left corner, then
// what else shapes it.
bool QtDc::boxFromStamp(ShapeKey::Kind kind, const QRectF& box, std::initializer_list<std::int64_t> more,
                        const std::function<void(QPainter&, const QRectF&)>& draw)
{
    const auto width = stampSide(box.width());
    const auto height = stampSide(box.height());
    if (!width || !height)
        return false;
    probe_.start(kind);
    probe_.add(*width);
    probe_.add(*height);
    for (const std::int64_t v : more)
        if (!probe_.add(v))
            return false;
    return fromStamp(box.topLeft().toPoint(), QSize(*width, *height), [&](QPainter& painter, QPoint origin) {
        draw(painter, QRectF(origin, box.size()));
    });
}

void QtDc::Polygon(const std::vector<DevPoint>& points)
{
    if (pointsFromStamp(ShapeKey::Polygon, points))
        return;
    usePen();
    useBrush();
    useBackground();
    painter_.drawPolygon(qtPoints(points), static_cast<int>(points.size()), Qt::OddEvenFill);
}

void QtDc::Polyline(const std::vector<DevPoint>& points)
{
    if (pointsFromStamp(ShapeKey::Polyline, points))
        return;
    usePen();
    useBackground();
    painter_.drawPolyline(qtPoints(points), static_cast<int>(points.size()));
}

void QtDc::Arc(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye)
{
    const QRectF box = QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
    if (box.width() <= 0 || box.height() <= 0)
        return;
    // The radial points from the box's corner settle the arc exactly, and key its stamp.
    const std::int64_t x0 = std::min(left, right), y0 = std::min(top, bottom);
    const std::int64_t sx = xs - x0, sy = ys - y0, ex = xe - x0, ey = ye - y0;
    const auto draw = [&](QPainter& painter, const QRectF& b) {
        painter.strokePath(arcPath(b, QPointF(sx, sy), QPointF(ex, ey)), painter.pen());
    };
    if (boxFromStamp(ShapeKey::Arc, box, {sx, sy, ex, ey}, draw))
        return;
    usePen();
    useBackground();
    draw(painter_, box);
}

void QtDc::Ellipse(int left, int top, int right, int bottom)
{
    const QRectF box = QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
    const auto draw = [](QPainter& painter, const QRectF& b) { painter.drawEllipse(b); };
    if (boxFromStamp(ShapeKey::Ellipse, box, {}, draw))
        return;
    usePen();
    useBrush();
    useBackground();
    draw(painter_, box);
}

void QtDc::SetPixel(int x, int y, Rgb color)
{
    if (QImage* image = pixelTarget()) {
        if (image->rect().contains(x, y))
            imageRow(*image, y)[x] = qtRgb(color);
        return;
    }
    // A cosmetic pen: one device pixel whatever the painter's transformation.
    painter_.setPen(QPen(qtColor(color), 0));
    painter_.drawPoint(x, y);
    painterPen_.reset();
}

void QtDc::FillRect(int left, int top, int right, int bottom, Rgb color)
{
    painter_.fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), qtColor(color));
}

// The text's cell has its top-left corner at (x, y) and turns about that
// corner by the font's escapement, counter-clockwise on the device.
void QtDc::TextOut(int x, int y, std::string_view ansiText)
{
    if (QImage* image = pixelTarget(); image && bkMode_ != OPAQUE && textFromMask(*image, x, y, ansiText))
        return;
    const QFont& font = fonts_.get(objects_.font()).font;
    const QString text = QString::fromStdString(cp1252::decode(ansiText));
    painter_.save();
    painter_.setFont(font);
    const QFontMetrics metrics = painter_.fontMetrics();
    painter_.translate(x, y);
    painter_.rotate(-objects_.font().escapement / 10.0);
    if (bkMode_ == OPAQUE)
        painter_.fillRect(QRect(0, 0, metrics.horizontalAdvance(text), metrics.height()), qtColor(bkColor_));
    painter_.setBackgroundMode(Qt::TransparentMode);
    painter_.setPen(qtColor(textColor_));
    painter_.drawText(0, metrics.ascent(), text);
    painter_.restore();
}

// Draws a transparent text from its mask, rendered the first time the text
// is drawn in this font on such an image; false when it has no mask.
bool QtDc::textFromMask(QImage& image, int x, int y, std::string_view ansiText)
{
    TextMaskCache& masks = threadTextMasks();
    TextMaskKey key{objects_.font(), std::string(ansiText), image.format(), static_cast<int>(painter_.renderHints())};
    const std::optional<TextMask>* mask = masks.find(key);
    if (!mask) {
        const QString text = QString::fromStdString(cp1252::decode(ansiText));
        std::optional<TextMask> made = renderTextMask(fonts_.get(key.font).font, key.font.escapement, text,
                                                      image.format(), painter_.renderHints(), maxMaskPixels);
        const std::size_t bytes = textMaskBytes(key, made);
        mask = &masks.add(std::move(key), std::move(made), bytes);
    }
    if (!*mask || !fitsIn(image, **mask, x, y))
        return false;
    blendTextMask(image, **mask, x, y, qtRgb(textColor_));
    return true;
}

int QtDc::SetBkMode(int mode)
{
    return std::exchange(bkMode_, mode);
}

int QtDc::SetROP2(int mode)
{
    // NOT(pen OR screen) is (NOT pen) AND (NOT screen).
    painter_.setCompositionMode(mode == R2_NOTMERGEPEN ? QPainter::RasterOp_NotSourceAndNotDestination
                                                       : QPainter::CompositionMode_SourceOver);
    return std::exchange(rop_, mode);
}

Rgb QtDc::SetBkColor(Rgb color)
{
    return std::exchange(bkColor_, color);
}

Rgb QtDc::SetTextColor(Rgb color)
{
    return std::exchange(textColor_, color);
}

} // namespace tramel
