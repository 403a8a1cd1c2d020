#include "properties/passaggio_dialogo.h"

#include <gtest/gtest.h>

namespace tramel {
namespace {

using enum Operazione;

TEST(PassaggioDialogo, EveryCaptionCallsItsOperation)
{
    struct Caso {
        Dialogo dialogo;
        const char* modo;
        std::optional<Operazione> attesa;
    };
    const Caso casi[] = {
        {Dialogo::TipoLinea, "Caratteristiche Generali Linee, Polilinee, Archi", set_carattGenLinee},
        {Dialogo::TipoLinea, "Caratteristiche Generali", set_carattGenLinee},
        {Dialogo::TipoLinea, "Caratteristiche General", std::nullopt},
        {Dialogo::TipoLinea, "Proprietà Linea Selezionata", set_tipoLinea},
        {Dialogo::TipoLinea, "Proprietà Linee Selezionate", set_tipoLinee},
        {Dialogo::TipoLinea, "Proprietà Arco Selezionato", set_tipoArco},
        {Dialogo::TipoLinea, "Proprietà Archi Selezionati", set_tipoArchi},
        {Dialogo::TipoLinea, "Proprietà PoliLinea Selezionata", set_tipoPoliLinea},
        {Dialogo::TipoLinea, "Proprietà PoliLinee Selezionate", set_tipoPoliLinee},
        {Dialogo::TipoLinea, "proprietà linea selezionata", std::nullopt},
        {Dialogo::TipoLinea, "Proprietà Superficie Selezionata", std::nullopt},
        {Dialogo::TipoSuperficie, "Caratteristiche Generali Superfici - Rettangoli - Cerchi", set_carattGenSup},
        {Dialogo::TipoSuperficie, "Caratteristiche Generali Superfici", set_carattGenSup},
        {Dialogo::TipoSuperficie, "Caratteristiche Generali Linee, Polilinee, Archi", std::nullopt},
        {Dialogo::TipoSuperficie, "Proprietà Superficie Selezionata", set_tipoSuperficie},
        {Dialogo::TipoSuperficie, "Proprietà Superfici Selezionate", set_tipoSuperfici},
        {Dialogo::TipoSuperficie, "Proprietà Rettangolo Selezionato", set_tipoRettangolo},
        {Dialogo::TipoSuperficie, "Proprietà Rettangoli Selezionati", set_tiporettangoli},
        {Dialogo::TipoSuperficie, "Proprietà Cerchio Selezionato", set_tipoCerchio},
        {Dialogo::TipoSuperficie, "Proprietà Cerchi Selezionati", set_tipoCerchi},
        {Dialogo::TipoSuperficie, "Proprietà Cerchio Selezionato ", std::nullopt},
        {Dialogo::Gesttesto, "Caratteristiche Testo", set_carattGenTesto},
        {Dialogo::Gesttesto, "Proprietà Testo Selezionato", aggtesto},
        {Dialogo::Gesttesto, "Proprietà Testi Selezionati", aggtesto},
        {Dialogo::Gesttesto, "Label1", aggtesto},
    };
    for (const Caso& c : casi)
        EXPECT_EQ(operazione(c.dialogo, c.modo), c.attesa) << c.modo;
}

TEST(PassaggioDialogo, InsertingAnEmptyTextCancelsTheCommandButBlanksAreAText)
{
    EXPECT_EQ(operazione(Dialogo::Gesttesto, "Inserisci Testo", ""), annullacomando);
    EXPECT_EQ(operazione(Dialogo::Gesttesto, "Inserisci Testo", "  "), aggtesto);
}

TEST(PassaggioDialogo, ANumberThatOverflowsOrIsNotFiniteIsNoNumber)
{
    const NumberFormat it(",", ".");
    EXPECT_EQ(leggiNumero(it, "2,5"), 2.5);
    EXPECT_EQ(leggiNumero(it, "1e999"), std::nullopt);
    EXPECT_EQ(leggiNumero(it, "abc"), std::nullopt);
    EXPECT_EQ(leggiNumero(it, ""), std::nullopt);
}

} // namespace
} // namespace tramel
