#include "cache_testi.h"

#include <algorithm>

namespace tramel {

ScatolaTesto scatolaTesto(const testo& t, const MisuraTesto& misura)
{
    // At scale 1 window units are drawing units, with corner 1 at the origin.
    ScatolaTesto s;
    determvert_testo(t, misura, 1, 0, 0, s.angolo2.x, s.angolo2.y, s.angolo3.x, s.angolo3.y, s.angolo4.x,
                     s.angolo4.y);
    const auto [x1, x2] = std::minmax({0.0, s.angolo2.x, s.angolo3.x, s.angolo4.x});
    const auto [y1, y2] = std::minmax({0.0, s.angolo2.y, s.angolo3.y, s.angolo4.y});
    s.ingombro = {x1, y1, x2, y2};
    return s;
}

bool CacheTesti::Voce::vale(const testo& t) const
{
    return valida && dimens == t.dimens_testo && bold == t.bold_testo && corsivo == t.corsivo_testo &&
           sottolineato == t.sottolineato_testo && barrato == t.barrato_testo && angolo == t.ang_testo() &&
           carattere == t.carattere_testo() && stringa == t.stringa_testo;
}

void CacheTesti::Voce::prendi(const testo& t, const MisuraTesto& misura)
{
    valida = true;
    carattere = t.carattere_testo();
    stringa = t.stringa_testo;
    dimens = t.dimens_testo;
    bold = t.bold_testo;
    corsivo = t.corsivo_testo;
    sottolineato = t.sottolineato_testo;
    barrato = t.barrato_testo;
    angolo = t.ang_testo();
    scatola = scatolaTesto(t, misura);
}

void CacheTesti::aggiorna(const Collezione<testo>& testi, const MisuraTesto& misura)
{
    if (&misura.metrics != metrics_ || misura.dpiX != dpiX_ || misura.dpiY != dpiY_) {
        voci_.clear();
        metrics_ = &misura.metrics;
        dpiX_ = misura.dpiX;
        dpiY_ = misura.dpiY;
    } else if (testi.versione() == versioneTesti_) {
        return;
    }
    versioneTesti_ = testi.versione();
    versione_ = nuovaVersione();
    voci_.resize(static_cast<std::size_t>(testi.Count()) + 1);
    for (int i = 1; i <= testi.Count(); ++i) {
        const testo& t = testi.Item(i);
        Voce& v = voci_[static_cast<std::size_t>(i)];
        if (t.dimens_testo > 0 && !v.vale(t))
            v.prendi(t, misura);
    }
}

} // namespace tramel
