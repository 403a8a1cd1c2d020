#pragma once
#include "dc.h"

#include <variant>
#include <vector>

namespace tramel {

struct PenObj {
    int style = PS_SOLID;
    int width = 0;
    Rgb color = 0;
    bool operator==(const PenObj&) const = default;
};

struct BrushObj {
    enum Kind { Solid, Hatch, Hollow, Pattern } kind = Hollow;
    int hatch = 0;
    Rgb color = 0;
    std::int32_t bitmap = 0; // a pattern brush's bitmap
    bool operator==(const BrushObj&) const = default;
};

using GdiObjectData = std::variant<PenObj, BrushObj, LogFont>;

// The graphic objects of one device context and the three it has selected.
// Created objects get fresh handles; the stock pen, brush and font that a new
// device context holds are never deleted. A drawing creates, selects and
// deletes an object or two per entity, so the few live objects sit in a flat
// list (by rising handle) and the selected ones are kept by value.
class GdiObjects {
public:
    GdiObjects();

    GdiObject create(GdiObjectData data);
    // Selects the object into its slot; gives the object it replaces, or 0 for an unknown handle.
    GdiObject select(GdiObject object);
    // Deletes a created object; a stock or selected object, or an unknown handle, is refused.
    bool remove(GdiObject object);

    const PenObj& pen() const { return pen_; }
    const BrushObj& brush() const { return brush_; }
    const LogFont& font() const { return font_; }
    std::size_t liveCount() const { return objects_.size(); }

    static constexpr GdiObject stockPen = 1;
    static constexpr GdiObject stockBrush = 2;
    static constexpr GdiObject stockFont = 3;

private:
    struct Entry {
        GdiObject handle;
        GdiObjectData data;
    };

    std::vector<Entry>::iterator find(GdiObject object);

    std::vector<Entry> objects_;
    GdiObject penHandle_ = stockPen;
    GdiObject brushHandle_ = stockBrush;
    GdiObject fontHandle_ = stockFont;
    PenObj pen_;
    BrushObj brush_;
    LogFont font_;
    GdiObject next_ = 100;
};

} // namespace tramel
