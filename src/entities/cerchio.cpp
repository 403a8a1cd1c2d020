#include "cerchio.h"

#include "strumenti_dc.h"
#include "platform/rounding.h"

#include <cmath>

namespace tramel {

void Cerchio::discerchio()
{
    if (!DC)
        return;
    const double r = std::sqrt((Ycentro - YPunto) * (Ycentro - YPunto) + (Xcentro - Xpunto) * (Xcentro - Xpunto));
    OggettoSelezionato penna(*DC, creaPenna(*DC, trattcont, spescont, colcont));
    OggettoSelezionato pennello(*DC, creaPennello(*DC, campitura, colocampitura, 0));
    DC->Ellipse(clng(Xcentro - r), clng(Ycentro - r), clng(Xcentro + r), clng(Ycentro + r));
}

} // namespace tramel
