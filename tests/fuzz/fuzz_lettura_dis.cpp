// Feeds any bytes to the drawing-file reader: it must refuse or accept them
// without crashing, hanging or allocating without bound, and what it accepts
// must hold together and be open to the edits: every entity finite as the
// edits require, and still so moved by (1, 1) and back.
#include "files/lettura_dis.h"

#include "geometry/trasforma_entita.h"

#include "view/recordcoma.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

template <class T>
bool modificabile(T e)
{
    if (!tramel::finita(e))
        return false;
    tramel::trasforma(e, tramel::Spostamento{1, 1});
    if (!tramel::finita(e))
        return false;
    tramel::trasforma(e, tramel::Spostamento{-1, -1});
    return tramel::finita(e);
}

} // namespace

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
        bool modificabili = true;
        perOgniVivo<Linea, superficie, polilinea, Arco, Cerchio, Rettangolo, testo>(
            d->dis, [&](const auto& e) { modificabili = modificabili && modificabile(e); });
        if (!modificabili)
            std::abort();
    }
    return 0;
}
