#include "polilinea.h"

#include "strumenti_dc.h"

namespace tramel {

void polilinea::disPolyline()
{
    if (!DC)
        return;
    const std::vector<DevPoint> punti = puntiDispositivo();
    OggettoSelezionato penna(*DC, creaPenna(*DC, trattcont, spescont, colcont));
    DC->Polyline(punti);
}

} // namespace tramel
