#pragma once
#include "colors.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

namespace tramel {

// A device point in pixels.
struct DevPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const DevPoint&) const = default;
};

// Pen style codes, as the entities store them.
enum PenStyle : int { PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_DASHDOT = 3, PS_DASHDOTDOT = 4, PS_NULL = 5 };

// Hatch codes 0-5 in their classic order.
enum HatchStyle : int {
    HS_HORIZONTAL = 0, HS_VERTICAL = 1, HS_FDIAGONAL = 2, HS_BDIAGONAL = 3, HS_CROSS = 4, HS_DIAGCROSS = 5
};

enum BkMode : int { TRANSPARENT = 1, OPAQUE = 2 };

// How the pen's pixels combine with those on the device: R2_NOTMERGEPEN
// paints NOT(pen OR screen), R2_COPYPEN paints the pen itself.
enum Rop2 : int { R2_NOTMERGEPEN = 2, R2_COPYPEN = 13 };

constexpr int FW_DONTCARE = 0;
constexpr int FW_BOLD = 700;
constexpr int DEFAULT_CHARSET = 1;

// A logical font: height < 0 asks for a character (em) height of |height|
// pixels, height > 0 for a cell height; escapement in tenths of a degree,
// counter-clockwise on the device.
struct LogFont {
    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = FW_DONTCARE;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charSet = DEFAULT_CHARSET;
    std::string faceName; // the face, up to its NUL with trailing blanks trimmed
    bool operator==(const LogFont&) const = default;
};

// A graphic object created on a device context (pen, brush or font). 0 is no object.
using GdiObject = std::int32_t;

// A device context with the calls of the classic drawing interface: objects are
// created, selected (the call hands back the object it replaces), used and
// deleted by the caller. Coordinates are device pixels; text is single-byte
// Windows-1252. A new device context holds a black one-pixel solid pen, a
// hollow brush and a default font, is transparent, with black text on white,
// and paints the pen itself (R2_COPYPEN).
class Dc {
public:
    virtual ~Dc() = default;

    virtual GdiObject CreatePen(int style, int width, Rgb color) = 0;
    virtual GdiObject CreateSolidBrush(Rgb color) = 0;
    virtual GdiObject CreateHatchBrush(int hatch, Rgb color) = 0;
    // A pattern brush from a bitmap handle; no bitmaps are kept here, so this
    // gives a brush that leaves the inside unpainted.
    virtual GdiObject CreatePatternBrush(std::int32_t bitmap) = 0;
    virtual GdiObject CreateFontIndirect(const LogFont& font) = 0;
    virtual GdiObject SelectObject(GdiObject object) = 0;
    virtual bool DeleteObject(GdiObject object) = 0;

    virtual void Polygon(const std::vector<DevPoint>& points) = 0;
    virtual void Polyline(const std::vector<DevPoint>& points) = 0;
    // The arc of the ellipse in the box, counter-clockwise on the device from the
    // radial through (xs, ys) to the radial through (xe, ye); radials on the
    // same ray give the whole ellipse (arcSweep below).
    virtual void Arc(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) = 0;
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    // Draws the text with the top-left corner of its first cell at (x, y).
    virtual void TextOut(int x, int y, std::string_view ansiText) = 0;

    // One pixel, and a rectangle filled with a colour (right and bottom excluded).
    virtual void SetPixel(int x, int y, Rgb color) = 0;
    virtual void FillRect(int left, int top, int right, int bottom, Rgb color) = 0;

    virtual int SetBkMode(int mode) = 0;
    // The raster operation of the drawing calls that follow; gives back the previous one.
    virtual int SetROP2(int mode) = 0;
    virtual Rgb SetBkColor(Rgb color) = 0;
    virtual Rgb SetTextColor(Rgb color) = 0;
};

// The sweep of an arc as Arc draws it, in radians from 0 to a whole turn:
// counter-clockwise on the device from the radial along (xs, ys) to the one
// along (xe, ye), both taken from the centre, the whole turn when the two lie
// on the same ray. On an ellipse whose half-height is `aspect` times its
// half-width, the angle is the ellipse's parameter. The sign of the cross
// product alone settles the side, so that radials in whole pixels are never
// taken for the same ray when they are not.
inline double arcSweep(double xs, double ys, double xe, double ye, double aspect = 1)
{
    // y grows downward: with y up, the cross product is ys * xe - xs * ye.
    const double cross = ys * xe - xs * ye;
    const double dot = xs * xe * aspect + ys * ye / aspect;
    if (cross == 0 && dot > 0)
        return 2 * std::numbers::pi;
    const double sweep = std::atan2(cross, dot);
    return sweep < 0 ? sweep + 2 * std::numbers::pi : sweep;
}

} // namespace tramel
