#include "text_metrics.h"

#include <cmath>
#include <cstdlib>

namespace tramel {

TextExtent FakeTextMetrics::extent(const LogFont& font, std::string_view ansiText) const
{
    const int h = std::abs(font.height);
    const int perChar = std::max(1, static_cast<int>(std::lround(h * 0.6)));
    return {static_cast<std::int32_t>(perChar * static_cast<int>(ansiText.size())), h};
}

} // namespace tramel
