#include "gdi_objects.h"

namespace tramel {

GdiObjects::GdiObjects()
{
    objects_[stockPen] = PenObj{PS_SOLID, 1, 0};
    objects_[stockBrush] = BrushObj{};
    LogFont font;
    font.height = -13;
    font.faceName = "Arial";
    objects_[stockFont] = font;
}

GdiObject GdiObjects::create(GdiObjectData data)
{
    const GdiObject handle = next_++;
    objects_[handle] = std::move(data);
    return handle;
}

GdiObject GdiObjects::select(GdiObject object)
{
    const auto it = objects_.find(object);
    if (it == objects_.end())
        return 0;
    GdiObject* slot = &font_;
    if (std::holds_alternative<PenObj>(it->second))
        slot = &pen_;
    else if (std::holds_alternative<BrushObj>(it->second))
        slot = &brush_;
    const GdiObject old = *slot;
    *slot = object;
    return old;
}

bool GdiObjects::remove(GdiObject object)
{
    if (object == stockPen || object == stockBrush || object == stockFont)
        return false;
    if (object == pen_ || object == brush_ || object == font_)
        return false;
    return objects_.erase(object) == 1;
}

} // namespace tramel
