#pragma once
#include "view/stato_disegno.h"

#include <cstdint>
#include <filesystem>

namespace tramel {

// Writes the window's drawing file: the header from the view in finx, finy,
// finlarg, finalt (the caller refreshes them with memxin first), the window
// state given (0 normal, 1 minimised, 2 maximised), the colours with their
// numeric tags and the snap and grid settings; then every entity that is not
// erased, kind by kind: lines, surfaces, polylines, arcs, circles,
// rectangles, texts. The records are built apart; element 0 of `coma` is not
// used. The old file is replaced only once every record is written; false
// when anything failed, and then the old file is as it was.
bool salvafile(const DrawingState& s, const std::filesystem::path& path, std::int16_t statoFinestra);

} // namespace tramel
