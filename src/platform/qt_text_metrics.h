#pragma once
#include "qt_font.h"
#include "text_metrics.h"

namespace tramel {

// Text extents measured with Qt on the fonts QtDc draws with: the advance
// width of the text and the height of the font's cell. The fonts measured
// lately are kept, so one object is not for sharing between threads.
class QtTextMetrics : public TextMetrics {
public:
    TextExtent extent(const LogFont& font, std::string_view ansiText) const override;

private:
    mutable QtFontCache fonts_;
};

} // namespace tramel
