#pragma once
#include "bounded_cache.h"
#include "dc.h"

#include <QImage>
#include <QPainter>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

class QFont;
class QString;

namespace tramel {

// Pictures of texts and small shapes as a painter draws them on an image,
// kept so that drawing the same text or shape again (at any whole-pixel
// position, in any colour) copies pixels instead of asking the painter. A
// painter draws a text or an unclipped shape shifted by whole pixels as the
// same pixels shifted, so one picture serves every position. The platform
// tests hold the pictures to the painter: shapes come out the same pixel for
// pixel, texts too but for a unit or two of rounding where glyphs overlap.
//
// The pictures are written straight into the image, so they serve only an
// image with nothing between the calls and its pixels (QtDc checks that).

// Row y of an image that a painter is drawing on, for writing. QImage::scanLine
// would detach a shared image from the buffer the painter draws into.
inline QRgb* imageRow(QImage& image, int y)
{
    return reinterpret_cast<QRgb*>(const_cast<uchar*>(image.constScanLine(y)));
}

// A picture of a text or a shape: where it lies (its box's top-left pixel
// from the reference point it is drawn at, and its size) and a byte for each
// of its pixels, row by row.
class CachedPicture {
public:
    int left = 0, top = 0;
    int width = 0, height = 0;

    const std::uint8_t* bytes() const { return heap_.empty() ? inline_.data() : heap_.data(); }
    // The bytes of the width * height pixels.
    void setBytes(const std::vector<std::uint8_t>& bytes);
    std::size_t byteCount() const { return static_cast<std::size_t>(width) * static_cast<std::size_t>(height); }

private:
    // At a small scale most pictures are a few dozen pixels: held in place,
    // they come with the rest of the entry instead of from memory elsewhere.
    std::array<std::uint8_t, 48> inline_{};
    std::vector<std::uint8_t> heap_;
};

// Whether the picture with its reference point at (x, y) lies within the
// image. One that does not is left to the painter: the painter draws what
// the image's border cuts a little differently from what it draws whole.
bool fitsIn(const QImage& image, const CachedPicture& picture, int x, int y);

// ---- Texts

// A text as a painter draws it in black on white, kept as the coverage of
// each pixel (255: fully covered), placed relative to the text's origin.
// Every pixel's coverage is the same on its three colour channels, so one
// byte holds it.
struct TextMask : CachedPicture {};

// What shapes a text's pixels: the font (with its escapement), the text, and
// the image format and render hints of the painter that would draw it.
struct TextMaskKey {
    LogFont font;
    std::string text; // single-byte, as TextOut takes it
    int format = 0;
    int hints = 0;
    bool operator==(const TextMaskKey&) const = default;
};

struct TextMaskKeyHash {
    std::size_t operator()(const TextMaskKey& k) const;
};

// The masks of the texts drawn lately; a key with no mask is remembered too,
// so that a text that cannot be masked is not tried again.
using TextMaskCache = BoundedCache<TextMaskKey, std::optional<TextMask>, TextMaskKeyHash>;

// The bytes an entry of the cache takes.
std::size_t textMaskBytes(const TextMaskKey& key, const std::optional<TextMask>& mask);

// Each thread that paints keeps its own masks, as Qt keeps its fonts.
TextMaskCache& threadTextMasks();

// Renders the text as a painter with these hints draws it in the font with
// the top-left corner of its cell at (0, 0), turned about it by escapement
// (tenths of a degree, counter-clockwise): nothing when it would take more
// than maxPixels, or when the font engine colours its edges (subpixel
// text), which one coverage cannot hold.
std::optional<TextMask> renderTextMask(const QFont& font, int escapement, const QString& text, QImage::Format format,
                                       QPainter::RenderHints hints, int maxPixels);

// Paints the mask in an opaque colour with its origin at (x, y), which
// fitsIn allows, blending by coverage as a painter blends antialiased text.
// The image is RGB32, ARGB32 or ARGB32_Premultiplied.
void blendTextMask(QImage& image, const TextMask& mask, int x, int y, QRgb color);

// ---- Small shapes

// A small shape as a painter draws it without antialiasing: what paints each
// pixel of its box, the pen, the background colour (the gaps of a dashed pen
// on an opaque background) or the brush.
struct ShapeStamp : CachedPicture {
    // What paints a pixel. The brush paints after the pen where the shape is
    // thinner than the pen (a flat ellipse): a hatch's gap shows what the pen
    // painted there.
    enum Pixel : std::uint8_t { None, Pen, Background, Fill, FillOverPen, FillOverBackground };

    // For each row, the columns from its first pixel that paints to past its
    // last: a stroke across its box paints a few of each row's pixels.
    std::vector<std::pair<std::uint16_t, std::uint16_t>> rows;
};

// What shapes a stamp: the call and its geometry from the shape's reference
// point (small numbers, held in the key itself), the painter's pen style and
// pen width, whether a brush fills it, the background mode, and the image
// format and render hints of the painter.
struct ShapeKey {
    enum Kind : std::uint8_t { Polygon, Polyline, Ellipse, Arc };
    static constexpr std::size_t maxGeometry = 16; // a polygon of up to 8 points

    Kind kind = Polygon;
    bool filled = false;
    bool opaque = false;
    std::uint8_t penStyle = 0; // Qt::PenStyle
    std::uint8_t penWidth = 0;
    std::uint8_t format = 0;
    std::uint16_t hints = 0;
    std::uint16_t count = 0; // the geometry's values in use, the rest 0
    std::array<std::int16_t, maxGeometry> geometry{};

    // Starts the key of a shape of the kind, with no geometry.
    void start(Kind k);
    // Appends a value to the geometry; false when it has no room or the value is out of range.
    bool add(std::int64_t value);
    bool operator==(const ShapeKey&) const = default;
};

// The key has no padding, so its bytes are its value and are hashed whole.
static_assert(std::has_unique_object_representations_v<ShapeKey>);

struct ShapeKeyHash {
    std::size_t operator()(const ShapeKey& k) const;
};

using ShapeStampCache = BoundedCache<ShapeKey, std::optional<ShapeStamp>, ShapeKeyHash>;

// The bytes an entry of the cache takes.
std::size_t shapeStampBytes(const std::optional<ShapeStamp>& stamp);

// Each thread that paints keeps its own stamps.
ShapeStampCache& threadShapeStamps();

// Renders a shape that lies within (0, 0)-(extent) from its reference point:
// draw(painter, at) draws it with its reference point at `at`, with the pen
// and the brush the painter holds. The pen is used in its style and width
// and, when filled, a solid brush stands for the one that will fill it.
// Nothing when the painter blends colours (antialiasing is on).
std::optional<ShapeStamp> renderShapeStamp(QPen pen, bool filled, bool opaque, QSize extent, QImage::Format format,
                                           QPainter::RenderHints hints,
                                           const std::function<void(QPainter&, QPoint)>& draw);

// An 8 x 8 hatch pattern as the painter repeats it from the device origin:
// bit x of row y is set where the brush paints pixel (x, y), modulo 8.
using HatchPattern = std::array<std::uint8_t, 8>;
const HatchPattern& hatchPattern(Qt::BrushStyle style);

// The colours a stamp is painted in. hatch: the brush's pattern, or null for
// a solid brush; where a hatch does not paint, an opaque background does.
struct StampColours {
    QRgb pen = 0, background = 0, fill = 0;
    const HatchPattern* hatch = nullptr;
    bool opaque = false;
};

// Paints the stamp with its reference point at (x, y), which fitsIn allows.
void paintShapeStamp(QImage& image, const ShapeStamp& stamp, int x, int y, const StampColours& colours);

} // namespace tramel
