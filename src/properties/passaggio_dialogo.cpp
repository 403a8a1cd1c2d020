#include "passaggio_dialogo.h"

#include "platform/palette.h"

#include <array>
#include <cmath>

namespace tramel {

namespace {

struct Modo {
    Dialogo dialogo;
    std::string_view didascalia;
    std::size_t prefisso; // characters compared; 0 compares the whole caption
    Operazione operazione;
};

using enum Operazione;
constexpr std::array modi{
    Modo{Dialogo::TipoLinea, "Caratteristiche Generali", 24, set_carattGenLinee},
    Modo{Dialogo::TipoLinea, "Proprietà Linea Selezionata", 0, set_tipoLinea},
    Modo{Dialogo::TipoLinea, "Proprietà Linee Selezionate", 0, set_tipoLinee},
    Modo{Dialogo::TipoLinea, "Proprietà Arco Selezionato", 0, set_tipoArco},
    Modo{Dialogo::TipoLinea, "Proprietà Archi Selezionati", 0, set_tipoArchi},
    Modo{Dialogo::TipoLinea, "Proprietà PoliLinea Selezionata", 0, set_tipoPoliLinea},
    Modo{Dialogo::TipoLinea, "Proprietà PoliLinee Selezionate", 0, set_tipoPoliLinee},
    Modo{Dialogo::TipoSuperficie, "Caratteristiche Generali Superfici", 34, set_carattGenSup},
    Modo{Dialogo::TipoSuperficie, "Proprietà Superficie Selezionata", 0, set_tipoSuperficie},
    Modo{Dialogo::TipoSuperficie, "Proprietà Superfici Selezionate", 0, set_tipoSuperfici},
    Modo{Dialogo::TipoSuperficie, "Proprietà Rettangolo Selezionato", 0, set_tipoRettangolo},
    Modo{Dialogo::TipoSuperficie, "Proprietà Rettangoli Selezionati", 0, set_tiporettangoli},
    Modo{Dialogo::TipoSuperficie, "Proprietà Cerchio Selezionato", 0, set_tipoCerchio},
    Modo{Dialogo::TipoSuperficie, "Proprietà Cerchi Selezionati", 0, set_tipoCerchi},
    Modo{Dialogo::Gesttesto, "Caratteristiche Testo", 0, set_carattGenTesto},
};

} // namespace

std::optional<Operazione> operazione(Dialogo dialogo, std::string_view modo, std::string_view testo)
{
    for (const Modo& m : modi) {
        if (m.dialogo != dialogo)
            continue;
        // The prefixes are plain ASCII, so bytes and characters agree.
        if (m.prefisso ? modo.substr(0, m.prefisso) == m.didascalia : modo == m.didascalia)
            return m.operazione;
    }
    if (dialogo != Dialogo::Gesttesto)
        return std::nullopt;
    if (modo == "Inserisci Testo" && testo.empty())
        return Operazione::annullacomando;
    return Operazione::aggtesto;
}

void rifiuta(Notifier& notifier, std::string_view messaggio)
{
    notifier.beep();
    notifier.messaggio(std::string(messaggio), "", Pulsanti::Ok, Icona::Nessuna);
}

Rgb sfondoFinestra(const DrawingState& s)
{
    return Palette::color(s.colori.colsfondo.toInt16());
}

} // namespace tramel
