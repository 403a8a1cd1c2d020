#include "rettangolo.h"

#include "strumenti_dc.h"

namespace tramel {

void Poligono::disegnaPoligono(std::int32_t bitmap)
{
    if (!DC)
        return;
    const std::vector<DevPoint> punti = puntiDispositivo();
    OggettoSelezionato penna(*DC, creaPenna(*DC, trattcont, spescont, colcont));
    OggettoSelezionato pennello(*DC, creaPennello(*DC, campitura, colocampitura, bitmap));
    DC->Polygon(punti);
}

} // namespace tramel
