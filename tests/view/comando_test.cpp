#include "view/comando.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace tramel {
namespace {

// Every name the menus, the print command and the scroll bars write into the record.
TEST(Comando, DecodesEveryNameToItsOwnRow)
{
    const std::vector<std::pair<std::string, Comando>> nomi = {
        {"", Comando::Nessuno},
        {"Linea", Comando::Linea},
        {"Cerchio", Comando::Cerchio},
        {"Arco", Comando::Arco},
        {"Testo", Comando::Testo},
        {"Polilinea", Comando::Polilinea},
        {"Superficie", Comando::Superficie},
        {"Rettangolo", Comando::Rettangolo},
        {"Distanza-Angolo", Comando::DistanzaAngolo},
        {"Zoom Area", Comando::ZoomArea},
        {"Zoom Tutto", Comando::ZoomTutto},
        {"Zoom Prec.", Comando::ZoomPrec},
        {"Zoom %", Comando::ZoomPercento},
        {"Zoom Dinamico", Comando::ZoomDinamico},
        {"Cancella", Comando::Cancella},
        {"Sposta", Comando::Sposta},
        {"Copia", Comando::Copia},
        {"Ruota", Comando::Ruota},
        {"Specchio", Comando::Specchio},
        {"Stira", Comando::Stira},
        {"Proprietà Oggetto", Comando::ProprietaOggetto},
        {"Selstamp", Comando::Selstamp},
    };
    ASSERT_EQ(nomi.size() + 1, COMANDI.size()); // and the row of the unknown name
    for (const auto& [nome, c] : nomi) {
        EXPECT_EQ(comando(nome), c) << nome;
        EXPECT_EQ(dati(c).nome, nome);
    }
}

TEST(Comando, OtherNamesAreNoCommand)
{
    // The toolbar's captions, other cases, untrimmed names, prefixes and longer names.
    for (const char* nome : {"Zoom Precedente", "Zoom Percentuale", "linea", "LINEA", " Linea", "Linea ", "Zoom",
                             "Spost", "Spostamento", "Proprieta Oggetto", "ContinuaPolilinea", "Stira\t"})
        EXPECT_EQ(comando(nome), Comando::Sconosciuto) << nome;
    EXPECT_EQ(dati(Comando::Sconosciuto).famiglia, Famiglia::Nessuna);
}

} // namespace
} // namespace tramel
