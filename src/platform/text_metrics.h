#pragma once
#include "dc.h"

#include <string_view>

namespace tramel {

struct TextExtent {
    std::int32_t cx = 0;
    std::int32_t cy = 0;
};

// The pixel extent of a single-byte (Windows-1252) text in a logical font, as
// the device would draw it: width of the text, height of the font's cell.
class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    virtual TextExtent extent(const LogFont& font, std::string_view ansiText) const = 0;
};

// A deterministic measurer for tests: every character is |height| * 6 / 10
// pixels wide (rounded, at least 1) and the cell is |height| pixels high.
class FakeTextMetrics : public TextMetrics {
public:
    TextExtent extent(const LogFont& font, std::string_view ansiText) const override;
};

} // namespace tramel
