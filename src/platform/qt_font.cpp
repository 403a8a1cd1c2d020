#include "qt_font.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>
#include <utility>

namespace tramel {

namespace {

// Height 0 asks for the device's default font, here the stock font's size.
constexpr int defaultPixelSize = 13;
// Larger than any screen or page needs, and within the font engine's size range.
constexpr int maxPixelSize = 32767;

// The em size whose cell (ascent + descent) is about `cell` pixels: the cell
// grows in proportion to the em size, so one measurement settles it.
int pixelSizeForCell(QFont font, int cell)
{
    font.setPixelSize(cell);
    const int measured = QFontMetrics(font).height();
    if (measured <= 0)
        return cell;
    return std::max(1, static_cast<int>(std::lround(static_cast<double>(cell) * cell / measured)));
}

} // namespace

QFont qtFont(const LogFont& font)
{
    QFont q;
    if (!font.faceName.empty())
        q.setFamily(QString::fromStdString(font.faceName));
    q.setWeight(font.weight >= FW_BOLD ? QFont::Bold : QFont::Normal);
    q.setItalic(font.italic);
    q.setUnderline(font.underline);
    q.setStrikeOut(font.strikeOut);
    const int height = static_cast<int>(std::clamp<std::int64_t>(font.height, -maxPixelSize, maxPixelSize));
    if (height < 0)
        q.setPixelSize(-height);
    else if (height > 0)
        q.setPixelSize(pixelSizeForCell(q, height));
    else
        q.setPixelSize(defaultPixelSize);
    return q;
}

const QtFontCache::Entry& QtFontCache::get(const LogFont& font)
{
    LogFont key = font;
    key.escapement = 0;
    key.orientation = 0;
    const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.key == key; });
    if (it != entries_.end()) {
        std::rotate(entries_.begin(), it, it + 1);
        return entries_.front();
    }
    if (entries_.size() == capacity)
        entries_.pop_back();
    QFont q = qtFont(key);
    const QFontMetrics metrics(q);
    entries_.insert(entries_.begin(), Entry{std::move(key), std::move(q), metrics});
    return entries_.front();
}

} // namespace tramel
