#include "recording_dc.h"

#include <cstdio>
#include <utility>

namespace tramel {

std::string RecordingDc::colorText(Rgb color)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", redOf(color), greenOf(color), blueOf(color));
    return buf;
}

std::string RecordingDc::pointsText(const std::vector<DevPoint>& points)
{
    std::string text;
    for (const DevPoint& p : points) {
        if (!text.empty())
            text += ' ';
        text += std::to_string(p.x) + ',' + std::to_string(p.y);
    }
    return text;
}

namespace {

std::string penText(int style, int width, Rgb color)
{
    return std::to_string(style) + ',' + std::to_string(width) + ',' + RecordingDc::colorText(color);
}

std::string fontText(const LogFont& f)
{
    return std::to_string(f.height) + ',' + std::to_string(f.escapement) + ',' + std::to_string(f.weight) + ','
           + std::to_string(int(f.italic)) + std::to_string(int(f.underline)) + std::to_string(int(f.strikeOut))
           + ',' + f.faceName;
}

std::string brushText(const BrushObj& b)
{
    switch (b.kind) {
    case BrushObj::Solid: return "brush(solid," + RecordingDc::colorText(b.color) + ')';
    case BrushObj::Hatch: return "brush(hatch," + std::to_string(b.hatch) + ',' + RecordingDc::colorText(b.color) + ')';
    case BrushObj::Pattern: return "brush(pattern," + std::to_string(b.bitmap) + ')';
    case BrushObj::Hollow: break;
    }
    return "brush(hollow)";
}

} // namespace

void RecordingDc::clear()
{
    calls.clear();
    disegni_.clear();
}

void RecordingDc::draw(std::string call, Uses uses)
{
    record(call);
    const PenObj& pen = objects_.pen();
    if (uses == Uses::Pen || uses == Uses::PenAndBrush)
        call += " pen(" + penText(pen.style, pen.width, pen.color) + ')';
    if (uses == Uses::PenAndBrush)
        call += ' ' + brushText(objects_.brush());
    if (uses == Uses::Font)
        call += " font(" + fontText(objects_.font()) + ')';
    disegni_.push_back(std::move(call));
}

std::vector<std::string> RecordingDc::only(std::initializer_list<std::string_view> names) const
{
    std::vector<std::string> kept;
    for (const std::string& call : calls) {
        const std::string_view name = std::string_view(call).substr(0, call.find('('));
        for (std::string_view n : names)
            if (n == name)
                kept.push_back(call);
    }
    return kept;
}

GdiObject RecordingDc::CreatePen(int style, int width, Rgb color)
{
    const GdiObject h = objects_.create(PenObj{style, width, color});
    record("CreatePen(" + penText(style, width, color) + ")=" + std::to_string(h));
    return h;
}

GdiObject RecordingDc::CreateSolidBrush(Rgb color)
{
    const GdiObject h = objects_.create(BrushObj{BrushObj::Solid, 0, color});
    record("CreateSolidBrush(" + colorText(color) + ")=" + std::to_string(h));
    return h;
}

GdiObject RecordingDc::CreateHatchBrush(int hatch, Rgb color)
{
    const GdiObject h = objects_.create(BrushObj{BrushObj::Hatch, hatch, color});
    record("CreateHatchBrush(" + std::to_string(hatch) + ',' + colorText(color) + ")=" + std::to_string(h));
    return h;
}

GdiObject RecordingDc::CreatePatternBrush(std::int32_t bitmap)
{
    const GdiObject h = objects_.create(BrushObj{BrushObj::Pattern, 0, 0, bitmap});
    record("CreatePatternBrush(" + std::to_string(bitmap) + ")=" + std::to_string(h));
    return h;
}

GdiObject RecordingDc::CreateFontIndirect(const LogFont& f)
{
    const GdiObject h = objects_.create(f);
    record("CreateFontIndirect(" + fontText(f) + ")=" + std::to_string(h));
    return h;
}

GdiObject RecordingDc::SelectObject(GdiObject object)
{
    const GdiObject old = objects_.select(object);
    record("SelectObject(" + std::to_string(object) + ")=" + std::to_string(old));
    return old;
}

bool RecordingDc::DeleteObject(GdiObject object)
{
    const bool ok = objects_.remove(object);
    record("DeleteObject(" + std::to_string(object) + ")=" + (ok ? "1" : "0"));
    return ok;
}

void RecordingDc::Polygon(const std::vector<DevPoint>& points)
{
    draw("Polygon(" + pointsText(points) + ')', Uses::PenAndBrush);
}

void RecordingDc::Polyline(const std::vector<DevPoint>& points)
{
    draw("Polyline(" + pointsText(points) + ')', Uses::Pen);
}

void RecordingDc::Arc(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye)
{
    draw("Arc(" + std::to_string(left) + ',' + std::to_string(top) + ',' + std::to_string(right) + ','
           + std::to_string(bottom) + ',' + std::to_string(xs) + ',' + std::to_string(ys) + ',' + std::to_string(xe)
           + ',' + std::to_string(ye) + ')',
         Uses::Pen);
}

void RecordingDc::Ellipse(int left, int top, int right, int bottom)
{
    draw("Ellipse(" + std::to_string(left) + ',' + std::to_string(top) + ',' + std::to_string(right) + ','
             + std::to_string(bottom) + ')',
         Uses::PenAndBrush);
}

void RecordingDc::TextOut(int x, int y, std::string_view ansiText)
{
    draw("TextOut(" + std::to_string(x) + ',' + std::to_string(y) + ',' + std::string(ansiText) + ')', Uses::Font);
}

void RecordingDc::SetPixel(int x, int y, Rgb color)
{
    draw("SetPixel(" + std::to_string(x) + ',' + std::to_string(y) + ',' + colorText(color) + ')', Uses::Nothing);
}

void RecordingDc::FillRect(int left, int top, int right, int bottom, Rgb color)
{
    draw("FillRect(" + std::to_string(left) + ',' + std::to_string(top) + ',' + std::to_string(right) + ','
             + std::to_string(bottom) + ',' + colorText(color) + ')',
         Uses::Nothing);
}

int RecordingDc::SetBkMode(int mode)
{
    const int old = bkMode_;
    bkMode_ = mode;
    record("SetBkMode(" + std::to_string(mode) + ')');
    return old;
}

int RecordingDc::SetROP2(int mode)
{
    record("SetROP2(" + std::to_string(mode) + ')');
    return std::exchange(rop_, mode);
}

Rgb RecordingDc::SetBkColor(Rgb color)
{
    const Rgb old = bkColor_;
    bkColor_ = color;
    record("SetBkColor(" + colorText(color) + ')');
    return old;
}

Rgb RecordingDc::SetTextColor(Rgb color)
{
    const Rgb old = textColor_;
    textColor_ = color;
    record("SetTextColor(" + colorText(color) + ')');
    return old;
}

} // namespace tramel
