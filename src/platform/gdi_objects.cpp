#include "gdi_objects.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace tramel {

GdiObjects::GdiObjects()
{
    LogFont font;
    font.height = -13;
    font.faceName = "Arial";
    objects_.push_back({stockPen, PenObj{PS_SOLID, 1, 0}});
    objects_.push_back({stockBrush, BrushObj{}});
    objects_.push_back({stockFont, font});
    pen_ = std::get<PenObj>(objects_[0].data);
    brush_ = std::get<BrushObj>(objects_[1].data);
    font_ = font;
}

// The newest objects are the ones looked for most, so the search runs from the end.
std::vector<GdiObjects::Entry>::iterator GdiObjects::find(GdiObject object)
{
    const auto r = std::find_if(objects_.rbegin(), objects_.rend(), [&](const Entry& e) { return e.handle == object; });
    return r == objects_.rend() ? objects_.end() : std::prev(r.base());
}

GdiObject GdiObjects::create(GdiObjectData data)
{
    const GdiObject handle = next_++;
    objects_.push_back({handle, std::move(data)});
    return handle;
}

GdiObject GdiObjects::select(GdiObject object)
{
    const auto it = find(object);
    if (it == objects_.end())
        return 0;
    GdiObject old = 0;
    if (const PenObj* pen = std::get_if<PenObj>(&it->data)) {
        old = std::exchange(penHandle_, object);
        pen_ = *pen;
    } else if (const BrushObj* brush = std::get_if<BrushObj>(&it->data)) {
        old = std::exchange(brushHandle_, object);
        brush_ = *brush;
    } else {
        old = std::exchange(fontHandle_, object);
        font_ = std::get<LogFont>(it->data);
    }
    return old;
}

bool GdiObjects::remove(GdiObject object)
{
    if (object == stockPen || object == stockBrush || object == stockFont)
        return false;
    if (object == penHandle_ || object == brushHandle_ || object == fontHandle_)
        return false;
    const auto it = find(object);
    if (it == objects_.end())
        return false;
    objects_.erase(it);
    return true;
}

} // namespace tramel
