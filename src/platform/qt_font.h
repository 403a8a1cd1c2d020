#pragma once
#include "dc.h"

#include <QFont>

namespace tramel {

// The Qt font of a logical font, in pixels: QtDc draws with it and
// QtTextMetrics measures with it, so text is measured as it is drawn.
// The face name is UTF-8; escapement and width are the drawer's business.
QFont qtFont(const LogFont& font);

} // namespace tramel
