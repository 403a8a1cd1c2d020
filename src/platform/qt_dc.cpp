#include "qt_dc.h"

#include "cp1252.h"
#include "qt_font.h"

#include <QPainter>
#include <QPolygon>

#include <cmath>
#include <numbers>

namespace tramel {

namespace {

QColor qtColor(Rgb c)
{
    return QColor(redOf(c), greenOf(c), blueOf(c));
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

// Width 0 is Qt's cosmetic one-pixel pen. As on the classic device, a pen
// wider than one pixel draws solid whatever its style, with round ends and joins.
QPen qtPen(const PenObj& pen)
{
    if (pen.style == PS_NULL)
        return QPen(Qt::NoPen);
    QPen q(qtColor(pen.color), std::max(0, pen.width), pen.width > 1 ? Qt::SolidLine : dashStyle(pen.style));
    q.setCapStyle(Qt::RoundCap);
    q.setJoinStyle(Qt::RoundJoin);
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

QBrush qtBrush(const BrushObj& brush)
{
    switch (brush.kind) {
    case BrushObj::Solid: return QBrush(qtColor(brush.color));
    case BrushObj::Hatch: return QBrush(qtColor(brush.color), hatchStyle(brush.hatch));
    case BrushObj::Hollow: break;
    }
    return QBrush(Qt::NoBrush);
}

QPolygon qtPolygon(const std::vector<DevPoint>& points)
{
    QPolygon polygon(static_cast<int>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i)
        polygon.setPoint(static_cast<int>(i), points[i].x, points[i].y);
    return polygon;
}

// The angle of Qt's arc parameter, in 1/16 degree, at which the ellipse in the
// box meets the radial through (x, y). The radial angle is taken with y up
// (the device's y grows downward) and turned into the parametric angle.
int arcAngle16(const QRectF& box, int x, int y)
{
    const QPointF c = box.center();
    const double up = -(y - c.y()) / (box.height() / 2);
    const double right = (x - c.x()) / (box.width() / 2);
    return static_cast<int>(std::lround(std::atan2(up, right) * 180 / std::numbers::pi * 16));
}

} // namespace

QtDc::QtDc(QPainter& painter, bool printerHatches)
    : painter_(painter), fontSpec_(objects_.font()), font_(qtFont(fontSpec_))
{
    painter_.setRenderHint(QPainter::NonCosmeticBrushPatterns, printerHatches);
    applyObjects();
    applyBackground();
}

void QtDc::applyObjects()
{
    painter_.setPen(qtPen(objects_.pen()));
    painter_.setBrush(qtBrush(objects_.brush()));
    if (objects_.font() != fontSpec_) {
        fontSpec_ = objects_.font();
        font_ = qtFont(fontSpec_);
    }
}

// Opaque mode fills the gaps of dashed lines and hatches with the background colour.
void QtDc::applyBackground()
{
    painter_.setBackgroundMode(bkMode_ == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
    painter_.setBackground(qtColor(bkColor_));
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

GdiObject QtDc::CreatePatternBrush(std::int32_t)
{
    return objects_.create(BrushObj{});
}

GdiObject QtDc::CreateFontIndirect(const LogFont& font)
{
    return objects_.create(font);
}

GdiObject QtDc::SelectObject(GdiObject object)
{
    const GdiObject old = objects_.select(object);
    if (old != 0)
        applyObjects();
    return old;
}

bool QtDc::DeleteObject(GdiObject object)
{
    return objects_.remove(object);
}

void QtDc::Polygon(const std::vector<DevPoint>& points)
{
    painter_.drawPolygon(qtPolygon(points), Qt::OddEvenFill);
}

void QtDc::Polyline(const std::vector<DevPoint>& points)
{
    painter_.drawPolyline(qtPolygon(points));
}

void QtDc::Arc(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye)
{
    const QRectF box = QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
    if (box.width() <= 0 || box.height() <= 0)
        return;
    constexpr int fullTurn = 360 * 16;
    const int start = arcAngle16(box, xs, ys);
    int span = (arcAngle16(box, xe, ye) - start) % fullTurn;
    if (span <= 0)
        span += fullTurn; // equal radials give the whole ellipse
    painter_.drawArc(box, start, span);
}

void QtDc::Ellipse(int left, int top, int right, int bottom)
{
    painter_.drawEllipse(QRectF(QPointF(left, top), QPointF(right, bottom)).normalized());
}

void QtDc::SetPixel(int x, int y, Rgb color)
{
    painter_.save();
    painter_.setPen(QPen(qtColor(color), 0));
    painter_.drawPoint(x, y);
    painter_.restore();
}

void QtDc::FillRect(int left, int top, int right, int bottom, Rgb color)
{
    painter_.fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), qtColor(color));
}

// The text's cell has its top-left corner at (x, y) and turns about that
// corner by the font's escapement, counter-clockwise on the device.
void QtDc::TextOut(int x, int y, std::string_view ansiText)
{
    const QString text = QString::fromStdString(cp1252::decode(ansiText));
    painter_.save();
    painter_.setFont(font_);
    const QFontMetrics metrics = painter_.fontMetrics();
    painter_.translate(x, y);
    painter_.rotate(-fontSpec_.escapement / 10.0);
    if (bkMode_ == OPAQUE)
        painter_.fillRect(QRect(0, 0, metrics.horizontalAdvance(text), metrics.height()), qtColor(bkColor_));
    painter_.setBackgroundMode(Qt::TransparentMode);
    painter_.setPen(qtColor(textColor_));
    painter_.drawText(0, metrics.ascent(), text);
    painter_.restore();
}

int QtDc::SetBkMode(int mode)
{
    const int old = bkMode_;
    bkMode_ = mode;
    applyBackground();
    return old;
}

Rgb QtDc::SetBkColor(Rgb color)
{
    const Rgb old = bkColor_;
    bkColor_ = color;
    applyBackground();
    return old;
}

Rgb QtDc::SetTextColor(Rgb color)
{
    const Rgb old = textColor_;
    textColor_ = color;
    return old;
}

} // namespace tramel
