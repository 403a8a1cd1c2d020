#pragma once
#include "entities/disegno.h"

#include <filesystem>
#include <optional>
#include <string>

namespace tramel {

// The DXF colour number of an RGB colour: the first of the 16 palette colours
// equal to it gives its number from a fixed table; any other colour gives 0.
int SELCOLxDXF(Rgb colore);

// The DXF export: a text of CR LF lines holding only an ENTITIES section,
// with every entity that is not erased, kind by kind: lines, circles, texts,
// then polylines, surfaces and rectangles as POLYLINE entities (the last two
// closed). Arcs are left out. Every Y becomes ymax - Y. Texts are
// Windows-1252. Each circle's radius, perimeter and area are worked out again
// from its centre and point, and stored on it, before it is written; nothing
// else of the drawing changes. Nothing when a number to write (a Y turned,
// a radius) would not be finite, or would not read back finite as written.
std::optional<std::string> testoDxf(disegno& dis, double ymax);

// The same written to a file, which replaces an existing one only once it is
// complete; false when the file could not be created or written, or a number
// would not be finite, and then an existing file is as it was.
bool scriviDxf(disegno& dis, double ymax, const std::filesystem::path& path);

} // namespace tramel
