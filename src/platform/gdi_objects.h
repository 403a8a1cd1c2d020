#pragma once
#include "dc.h"

#include <map>
#include <variant>

namespace tramel {

struct PenObj {
    int style = PS_SOLID;
    int width = 0;
    Rgb color = 0;
    bool operator==(const PenObj&) const = default;
};

struct BrushObj {
    enum Kind { Solid, Hatch, Hollow } kind = Hollow;
    int hatch = 0;
    Rgb color = 0;
    bool operator==(const BrushObj&) const = default;
};

using GdiObjectData = std::variant<PenObj, BrushObj, LogFont>;

// The graphic objects of one device context and the three it has selected.
// Created objects get fresh handles; the stock pen, brush and font that a new
// device context holds are never deleted.
class GdiObjects {
public:
    GdiObjects();

    GdiObject create(GdiObjectData data);
    // Selects the object into its slot; gives the object it replaces, or 0 for an unknown handle.
    GdiObject select(GdiObject object);
    // Deletes a created object; a stock or selected object, or an unknown handle, is refused.
    bool remove(GdiObject object);

    const PenObj& pen() const { return std::get<PenObj>(objects_.at(pen_)); }
    const BrushObj& brush() const { return std::get<BrushObj>(objects_.at(brush_)); }
    const LogFont& font() const { return std::get<LogFont>(objects_.at(font_)); }
    std::size_t liveCount() const { return objects_.size(); }

    static constexpr GdiObject stockPen = 1;
    static constexpr GdiObject stockBrush = 2;
    static constexpr GdiObject stockFont = 3;

private:
    std::map<GdiObject, GdiObjectData> objects_;
    GdiObject pen_ = stockPen;
    GdiObject brush_ = stockBrush;
    GdiObject font_ = stockFont;
    GdiObject next_ = 100;
};

} // namespace tramel
