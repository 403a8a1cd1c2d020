#pragma once
#include <cstdint>

namespace tramel {

// A colour as the drawing code keeps it: an RGB long with red in the low byte.
using Rgb = std::int32_t;

constexpr Rgb RGB(int r, int g, int b)
{
    return static_cast<Rgb>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int redOf(Rgb c) { return c & 0xFF; }
constexpr int greenOf(Rgb c) { return (c >> 8) & 0xFF; }
constexpr int blueOf(Rgb c) { return (c >> 16) & 0xFF; }

} // namespace tramel
