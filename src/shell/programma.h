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

// The maker, as the about box and the start screen show it.
inline const std::string nomeSocieta = "Studio Tramel";
inline const std::string datiSocieta = "Studio Tramel - Via dell'Esempio 1, Esempio - Tel. 000 0000 - Fax 000 0001";
inline const std::string sitoWeb = "www.tramel.example";
inline const std::string postaElettronica = "info@tramel.example";
// The authors' credit line of the about box.
inline const std::string rigaCrediti = "Progetto e sviluppo: Studio Tramel";

} // namespace tramel
