#include "qt_text_metrics.h"

#include "cp1252.h"

namespace tramel {

TextExtent QtTextMetrics::extent(const LogFont& font, std::string_view ansiText) const
{
    const QFontMetrics& metrics = fonts_.get(font).metrics;
    const QString text = QString::fromStdString(cp1252::decode(ansiText));
    return {metrics.horizontalAdvance(text), metrics.height()};
}

} // namespace tramel
