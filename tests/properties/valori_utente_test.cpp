#include "prova_dialoghi.h"

#include "properties/tipo_linea.h"
#include "properties/tipo_superficie.h"

#include <gtest/gtest.h>

namespace tramel {
namespace {

struct ValoriUtente : ProvaDialoghi {};

// The thickness box of both dialogs, for the defaults and for one entity;
// nullopt: refused, and nothing stored.
TEST_F(ValoriUtente, ThicknessBoxTakesOnlyANumberWhoseTenthsFit)
{
    const std::pair<std::string, std::optional<double>> casi[] = {
        {"1,5", 15}, {"1.5", 15}, {"1e999", {}}, {"1e38", {}}, {std::string(40, '9'), {}}, {"-5", {}}, {"1,,5", {}}};
    for (const auto& [testo, decimi] : casi) {
        modulo.gen_speslinea = modulo.gen_spescont = 7;
        Linea& l = aggiungi(unaLinea(0, 0, 1, 1, 0, 7));
        Cerchio& c = aggiungi(Cerchio{});
        c.spescont = 7;
        TipoLinea linee(f), linea(f);
        TipoSuperficie superfici(f), cerchio(f);
        linee.Label5("0");
        superfici.Label1("0");
        linea.caption = "Proprietà Linea Selezionata", linea.oggetto = &l, linea.Label5("1");
        cerchio.caption = "Proprietà Cerchio Selezionato", cerchio.oggetto = &c, cerchio.Label1("3");
        for (auto* d : {&linee, &linea})
            d->Text1_Change(testo);
        for (auto* d : {&superfici, &cerchio})
            d->Text1_Change(testo);
        const bool presi[] = {linee.Command1_Click(), linea.Command1_Click(), superfici.Command1_Click(),
                              cerchio.Command1_Click()};
        for (const bool preso : presi)
            EXPECT_EQ(preso, decimi.has_value()) << testo;
        const double atteso = decimi.value_or(7);
        EXPECT_EQ(std::tuple(modulo.gen_speslinea, modulo.gen_spescont, l.speslinea, c.spescont),
                  std::tuple(std::int32_t(atteso), std::int32_t(atteso), float(atteso), float(atteso)))
            << testo;
    }
    EXPECT_EQ(beeps(), 5 * 4);
    EXPECT_EQ(messaggi().back(), msgCoordinate);
}

// Coordinates under Italian numbers: either sign is the decimal comma; an
// arc keeps only what a Single holds; a circle only finite measures.
TEST_F(ValoriUtente, CoordinateBoxesReadOneNumberThatFits)
{
    const std::pair<std::string, std::optional<double>> casi[] = {
        {"2.5", 2.5}, {"2,5", 2.5}, {"1,,5", {}}, {"1.000,5", {}}, {"1e300", {}}};
    for (const auto& [testo, valore] : casi) {
        Arco& a = aggiungi(unArco({0, 0}, {2, 0}, {1, 1}));
        TipoLinea d(f);
        d.caption = "Proprietà Arco Selezionato", d.oggetto = &a, d.Label5("1");
        d.Text7.testo = testo;
        EXPECT_EQ(d.Command1_Click(), valore.has_value()) << testo;
        EXPECT_EQ(a.p3x, valore.value_or(1)) << testo;
    }
    Cerchio& c = aggiungi(Cerchio{});
    const Cerchio prima = c;
    TipoSuperficie d(f);
    d.caption = "Proprietà Cerchio Selezionato", d.oggetto = &c, d.Label1("3");
    d.List1.righe[0].x.testo = d.List1.righe[1].y.testo = "1e308";
    EXPECT_FALSE(d.Command1_Click());
    EXPECT_EQ(c, prima);
}

} // namespace
} // namespace tramel
