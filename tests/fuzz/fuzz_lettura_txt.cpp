// Feeds any bytes to the text drawing reader, under the C or the Italian
// number format as the first byte picks: it must refuse or accept them without
// crashing, hanging or allocating without bound, and what it accepts must hold
// together.
#include "files/lettura_txt.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tramel;
    if (size == 0)
        return 0;
    const NumberFormat formato = data[0] % 2 ? NumberFormat(",", ".") : NumberFormat(".", ",");
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    int ultimo = -1;
    bool ordinato = true;
    const EsitoTxt esito = leggiTxt(bytes, formato, [&](int v) {
        ordinato = ordinato && v > ultimo && v >= 20 && v <= 100;
        ultimo = v;
    });
    if (!ordinato)
        std::abort();
    if (const auto* d = std::get_if<DisegnoTxt>(&esito)) {
        // Every entity takes at least its kind line and one value line.
        const disegno& e = d->dis;
        const std::size_t entita = static_cast<std::size_t>(e.linee.Count()) + e.superfici.Count()
                                   + e.polilinee.Count() + e.archi.Count() + e.cerchi.Count() + e.rettangoli.Count()
                                   + e.testi.Count();
        const bool colori = d->colsfondo.toInt16() >= 0 && d->colsfondo.toInt16() <= 15;
        if (2 * entita > bytes.size() || d->entita != (entita > 0) || !colori)
            std::abort();
    } else if (std::get<ErroreTxt>(esito).riga == 0) {
        std::abort();
    }
    return 0;
}
