#pragma once
#include "dc.h"

#include <QFont>
#include <QFontMetrics>

#include <vector>

namespace tramel {

// The Qt font of a logical font, in pixels: QtDc draws with it and
// QtTextMetrics measures with it, so text is measured as it is drawn.
// The face name is UTF-8; escapement and width are the drawer's business.
QFont qtFont(const LogFont& font);

// The Qt fonts of the logical fonts used lately, with their metrics. A drawing
// asks for a font per text, mostly the same few faces and sizes at many
// angles; building a QFont (and, for a cell height, measuring it) each time
// costs as much as measuring a short text. Escapement and orientation do not
// shape the glyphs, so fonts that differ only in them share an entry.
// Not for sharing between threads, as Qt's fonts are not.
class QtFontCache {
public:
    struct Entry {
        LogFont key; // the logical font without escapement and orientation
        QFont font;
        QFontMetrics metrics;
    };

    const Entry& get(const LogFont& font);

private:
    static constexpr std::size_t capacity = 64;
    std::vector<Entry> entries_; // the most recently used first
};

} // namespace tramel
