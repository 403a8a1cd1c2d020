#pragma once
#include <string>

namespace tramel {

// The program's short name, the title of its message boxes.
inline const std::string titoloProgramma = "Tramel";

// The program's version, major.minor.revision.
constexpr int versioneMaggiore = 1;
constexpr int versioneMinore = 0;
constexpr int versioneRevisione = 0;

inline std::string versione()
{
    return std::to_string(versioneMaggiore) + "." + std::to_string(versioneMinore) + "." +
           std::to_string(versioneRevisione);
}

} // namespace tramel
