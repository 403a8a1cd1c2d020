// Feeds any bytes to the drawing-file reader: it must refuse or accept them
// without crashing, hanging or allocating without bound, and what it accepts
// must hold together.
#include "files/lettura_dis.h"

#include "view/recordcoma.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tramel;
    SorgenteMemoria sorgente(std::string_view(reinterpret_cast<const char*>(data), size), recordcoma::LUNGHEZZA);
    const EsitoLettura esito = leggiDisegno(sorgente);
    if (const auto* d = std::get_if<DisegnoLetto>(&esito)) {
        // Every entity takes at least one record after the header.
        const std::uint64_t entita = static_cast<std::uint64_t>(d->dis.linee.Count()) + d->dis.superfici.Count()
                                     + d->dis.polilinee.Count() + d->dis.archi.Count() + d->dis.cerchi.Count()
                                     + d->dis.rettangoli.Count() + d->dis.testi.Count();
        if (entita + 11 > sorgente.count() || d->cisonooggetti != (entita > 0) || !(d->finlarg > 0 && d->finalt > 0))
            std::abort();
    }
    return 0;
}
