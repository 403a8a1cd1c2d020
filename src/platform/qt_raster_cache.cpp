#include "qt_raster_cache.h"

#include <QFont>
#include <QFontMetrics>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>

namespace tramel {

namespace {

// Room kept on every side of the text's cell for what its glyphs draw beyond
// it (italic slant, accents, antialiased edges); the mask is trimmed afterwards.
int margin(const QFontMetrics& metrics)
{
    return metrics.height() / 2 + 2;
}

// x * a / 255 on each byte of a pixel, rounded as the painter rounds.
QRgb byteMul(QRgb x, unsigned a)
{
    unsigned t = (x & 0xff00ff) * a;
    t = ((t + ((t >> 8) & 0xff00ff) + 0x800080) >> 8) & 0xff00ff;
    unsigned u = ((x >> 8) & 0xff00ff) * a;
    u = (u + ((u >> 8) & 0xff00ff) + 0x800080) & 0xff00ff00;
    return t | u;
}

// The opaque colour c over the premultiplied pixel d at coverage a, as the
// painter blends a glyph: c * a plus what a leaves of d, each rounded.
QRgb over(QRgb c, unsigned a, QRgb d)
{
    return byteMul(c, a) + byteMul(d, 255 - a);
}

constexpr QRgb blank = 0xffffffff;

// The smallest rectangle that holds the image's non-white pixels, empty when
// there are none; nothing when they reach the image's border, where the
// picture may have been cut.
std::optional<QRect> paintedRect(const QImage& image)
{
    int x1 = image.width(), y1 = image.height(), x2 = -1, y2 = -1;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((row[x] | 0xff000000) == blank)
                continue;
            x1 = std::min(x1, x);
            x2 = std::max(x2, x);
            y1 = std::min(y1, y);
            y2 = std::max(y2, y);
        }
    }
    if (x2 < 0)
        return QRect();
    if (x1 == 0 || y1 == 0 || x2 == image.width() - 1 || y2 == image.height() - 1)
        return std::nullopt;
    return QRect(QPoint(x1, y1), QPoint(x2, y2));
}

// Each pixel of the rectangle of the image, row by row, as kind(pixel, x, y);
// nothing when kind gives nothing for a pixel.
template <class Kind>
std::optional<std::vector<std::uint8_t>> pixelsOf(const QImage& image, const QRect& r, Kind kind)
{
    std::vector<std::uint8_t> pixels;
    pixels.reserve(static_cast<std::size_t>(r.width()) * static_cast<std::size_t>(r.height()));
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = r.left(); x <= r.right(); ++x) {
            const std::optional<std::uint8_t> k = kind(row[x] | 0xff000000, x, y);
            if (!k)
                return std::nullopt;
            pixels.push_back(*k);
        }
    }
    return pixels;
}

// The painter's hints, and nothing else, on a painter of a scratch image.
void useHints(QPainter& p, QPainter::RenderHints hints)
{
    p.setRenderHints(p.renderHints(), false);
    p.setRenderHints(hints);
}

} // namespace

void CachedPicture::setBytes(const std::vector<std::uint8_t>& bytes)
{
    if (bytes.size() <= inline_.size()) {
        std::copy(bytes.begin(), bytes.end(), inline_.begin());
        heap_.clear();
    } else {
        heap_ = bytes;
    }
}

bool fitsIn(const QImage& image, const CachedPicture& picture, int x, int y)
{
    const std::int64_t left = std::int64_t{x} + picture.left, top = std::int64_t{y} + picture.top;
    return left >= 0 && top >= 0 && left + picture.width <= image.width() && top + picture.height <= image.height();
}

std::size_t TextMaskKeyHash::operator()(const TextMaskKey& k) const
{
    std::size_t h = std::hash<std::string>()(k.text);
    hashCombine(h, std::hash<std::string>()(k.font.faceName));
    for (const std::int32_t v : {k.font.height, k.font.width, k.font.escapement, k.font.orientation, k.font.weight,
                                 static_cast<std::int32_t>(k.font.italic), static_cast<std::int32_t>(k.font.underline),
                                 static_cast<std::int32_t>(k.font.strikeOut), k.font.charSet, k.format, k.hints})
        hashCombine(h, static_cast<std::size_t>(v));
    return h;
}

std::size_t textMaskBytes(const TextMaskKey& key, const std::optional<TextMask>& mask)
{
    // Besides the pixels and the key's strings: the entry and its slots in the cache.
    constexpr std::size_t overhead = 300;
    return overhead + key.text.size() + key.font.faceName.size() + (mask ? mask->byteCount() : 0);
}

TextMaskCache& threadTextMasks()
{
    // Enough for the texts of a large drawing at a small scale (some ten
    // thousand texts of a few pixels), or a few hundred large ones.
    thread_local TextMaskCache masks(16 << 20);
    return masks;
}

std::optional<TextMask> renderTextMask(const QFont& font, int escapement, const QString& text, QImage::Format format,
                                       QPainter::RenderHints hints, int maxPixels)
{
    const QFontMetrics fontMetrics(font);
    const int m = margin(fontMetrics);
    QTransform turn;
    turn.rotate(-escapement / 10.0);
    const QRect box =
        turn.mapRect(QRectF(-m, -m, fontMetrics.horizontalAdvance(text) + 2.0 * m, fontMetrics.height() + 2.0 * m))
            .toAlignedRect();
    if (static_cast<double>(box.width()) * box.height() > maxPixels)
        return std::nullopt;
    QImage image(box.size(), format);
    image.fill(blank);
    {
        QPainter p(&image);
        useHints(p, hints);
        // As QtDc draws it: the origin on a whole pixel, then the turn.
        p.translate(-box.left(), -box.top());
        p.rotate(-escapement / 10.0);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(0, p.fontMetrics().ascent(), text);
    }
    const std::optional<QRect> painted = paintedRect(image);
    if (!painted)
        return std::nullopt;
    const auto coverage = pixelsOf(image, *painted, [](QRgb p, int, int) -> std::optional<std::uint8_t> {
        if (qRed(p) != qGreen(p) || qRed(p) != qBlue(p))
            return std::nullopt;
        return static_cast<std::uint8_t>(255 - qRed(p));
    });
    if (!coverage)
        return std::nullopt;
    TextMask mask;
    mask.left = box.left() + painted->left();
    mask.top = box.top() + painted->top();
    mask.width = painted->width();
    mask.height = painted->height();
    mask.setBytes(*coverage);
    return mask;
}

void blendTextMask(QImage& image, const TextMask& mask, int x, int y, QRgb color)
{
    const QRgb c = color | 0xff000000;
    const bool premultiplied = image.format() != QImage::Format_ARGB32;
    const std::uint8_t* coverage = mask.bytes();
    for (int j = 0; j < mask.height; ++j) {
        QRgb* d = imageRow(image, y + mask.top + j) + x + mask.left;
        for (int i = 0; i < mask.width; ++i, ++d) {
            const unsigned a = *coverage++;
            if (a == 0)
                continue;
            if (a == 255)
                *d = c;
            else if (premultiplied || qAlpha(*d) == 255)
                *d = over(c, a, *d);
            else
                *d = qUnpremultiply(over(c, a, qPremultiply(*d)));
        }
    }
}

void ShapeKey::start(Kind k)
{
    kind = k;
    count = 0;
    geometry.fill(0);
}

bool ShapeKey::add(std::int64_t value)
{
    if (count == maxGeometry || value < INT16_MIN || value > INT16_MAX)
        return false;
    geometry[count++] = static_cast<std::int16_t>(value);
    return true;
}

std::size_t ShapeKeyHash::operator()(const ShapeKey& k) const
{
    // The key's bytes, eight at a time, each mixed in by a multiplication.
    std::array<std::uint64_t, (sizeof k + 7) / 8> words{};
    std::memcpy(words.data(), &k, sizeof k);
    std::uint64_t h = 0;
    for (const std::uint64_t w : words)
        h = (h ^ w) * 0x9e3779b97f4a7c15ULL;
    return static_cast<std::size_t>(h ^ (h >> 32));
}

std::size_t shapeStampBytes(const std::optional<ShapeStamp>& stamp)
{
    // Besides the pixels: the entry and its slots in the cache.
    constexpr std::size_t overhead = 200;
    return overhead + (stamp ? stamp->byteCount() + stamp->rows.size() * sizeof stamp->rows[0] : 0);
}

ShapeStampCache& threadShapeStamps()
{
    // Small shapes repeat: a drawing seen whole at a small scale needs some
    // thousands of stamps of a few dozen pixels.
    thread_local ShapeStampCache stamps(16 << 20);
    return stamps;
}

namespace {

// Colours that tell the painters of a shape apart; the scratch image starts blank (white).
constexpr QRgb penColour = 0xff000000, backgroundColour = 0xffff0000, fillColour = 0xff0000ff;

// A shape drawn on a blank image of the size, with the pen, and a solid brush when filled, in those colours.
QImage scratchShape(QPen pen, bool filled, bool opaque, QSize size, QImage::Format format, QPainter::RenderHints hints,
                    const std::function<void(QPainter&)>& draw)
{
    QImage image(size, format);
    image.fill(blank);
    QPainter p(&image);
    useHints(p, hints);
    pen.setColor(penColour);
    p.setPen(pen);
    p.setBrush(filled ? QBrush(fillColour) : QBrush(Qt::NoBrush));
    p.setBackgroundMode(opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    p.setBackground(QColor(backgroundColour));
    draw(p);
    return image;
}

} // namespace

std::optional<ShapeStamp> renderShapeStamp(QPen pen, bool filled, bool opaque, QSize extent, QImage::Format format,
                                           QPainter::RenderHints hints,
                                           const std::function<void(QPainter&, QPoint)>& draw)
{
    if (hints.testFlag(QPainter::Antialiasing))
        return std::nullopt;
    // Room for half the pen and its round ends on every side.
    const int m = std::max(pen.width(), 1) + 2;
    const QSize size = extent + QSize(2 * m + 1, 2 * m + 1);
    const auto drawAt = [&](QPainter& p) { draw(p, QPoint(m, m)); };
    const QImage image = scratchShape(pen, filled, opaque, size, format, hints, drawAt);
    // What the pen alone paints, where the brush may cover it.
    const QImage penOnly = filled ? scratchShape(pen, false, opaque, size, format, hints, drawAt) : QImage();
    const std::optional<QRect> painted = paintedRect(image);
    if (!painted)
        return std::nullopt;
    auto pixels = pixelsOf(image, *painted, [&](QRgb p, int x, int y) -> std::optional<std::uint8_t> {
        switch (p) {
        case blank: return ShapeStamp::None;
        case penColour: return ShapeStamp::Pen;
        case backgroundColour: return ShapeStamp::Background;
        case fillColour: break;
        default: return std::nullopt;
        }
        switch (penOnly.pixel(x, y)) {
        case penColour: return ShapeStamp::FillOverPen;
        case backgroundColour: return ShapeStamp::FillOverBackground;
        default: return ShapeStamp::Fill;
        }
    });
    if (!pixels)
        return std::nullopt;
    ShapeStamp stamp;
    stamp.left = painted->left() - m;
    stamp.top = painted->top() - m;
    stamp.width = painted->width();
    stamp.height = painted->height();
    stamp.setBytes(*pixels);
    for (auto row = pixels->begin(); row != pixels->end(); row += stamp.width) {
        const auto paints = [](std::uint8_t k) { return k != ShapeStamp::None; };
        const auto first = std::find_if(row, row + stamp.width, paints);
        const auto last = std::find_if(std::make_reverse_iterator(row + stamp.width),
                                       std::make_reverse_iterator(first), paints);
        stamp.rows.emplace_back(first - row, last.base() - row);
    }
    return stamp;
}

const HatchPattern& hatchPattern(Qt::BrushStyle style)
{
    constexpr Qt::BrushStyle first = Qt::HorPattern, last = Qt::DiagCrossPattern;
    static const auto patterns = [] {
        std::array<HatchPattern, last - first + 1> all{};
        for (int s = first; s <= last; ++s) {
            QImage image(8, 8, QImage::Format_RGB32);
            image.fill(blank);
            {
                QPainter p(&image);
                p.fillRect(image.rect(), QBrush(Qt::black, static_cast<Qt::BrushStyle>(s)));
            }
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x)
                    if (image.pixel(x, y) != blank)
                        all[static_cast<std::size_t>(s - first)][static_cast<std::size_t>(y)] |=
                            static_cast<std::uint8_t>(1u << x);
        }
        return all;
    }();
    return patterns.at(static_cast<std::size_t>(std::clamp(style, first, last) - first));
}

void paintShapeStamp(QImage& image, const ShapeStamp& stamp, int x, int y, const StampColours& colours)
{
    for (int j = 0; j < stamp.height; ++j) {
        const int py = y + stamp.top + j;
        const unsigned hatchRow = colours.hatch ? (*colours.hatch)[static_cast<std::size_t>(py & 7)] : 0xff;
        QRgb* row = imageRow(image, py);
        const auto [first, end] = stamp.rows[static_cast<std::size_t>(j)];
        const std::uint8_t* pixel = stamp.bytes() + static_cast<std::ptrdiff_t>(j) * stamp.width + first;
        for (int i = first; i < end; ++i, ++pixel) {
            const int px = x + stamp.left + i;
            const auto k = static_cast<ShapeStamp::Pixel>(*pixel);
            if (k >= ShapeStamp::Fill && (hatchRow >> (px & 7) & 1))
                row[px] = colours.fill;
            else if (k == ShapeStamp::Pen || k == ShapeStamp::FillOverPen)
                row[px] = k == ShapeStamp::FillOverPen && colours.opaque ? colours.background : colours.pen;
            else if (k == ShapeStamp::Background || k == ShapeStamp::FillOverBackground ||
                     (k == ShapeStamp::Fill && colours.opaque))
                row[px] = colours.background;
        }
    }
}

} // namespace tramel
