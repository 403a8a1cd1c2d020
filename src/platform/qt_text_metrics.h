#pragma once
#include "text_metrics.h"

namespace tramel {

// Text extents measured with Qt on the fonts QtDc draws with: the advance
// width of the text and the height of the font's cell.
class QtTextMetrics : public TextMetrics {
public:
    TextExtent extent(const LogFont& font, std::string_view ansiText) const override;
};

} // namespace tramel
