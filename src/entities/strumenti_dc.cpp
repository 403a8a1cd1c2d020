#include "strumenti_dc.h"

#include "rettangolo.h"
#include "platform/rounding.h"

namespace tramel {

GdiObject creaPenna(Dc& dc, std::int32_t tratto, float spessore, Rgb colore)
{
    return dc.CreatePen(tratto, clng(spessore), colore);
}

GdiObject creaPennello(Dc& dc, std::int32_t campitura, Rgb colore, std::int32_t bitmap)
{
    if (campitura >= HS_HORIZONTAL && campitura <= HS_DIAGCROSS)
        return dc.CreateHatchBrush(campitura, colore);
    if (campitura == CAMPITURA_PIENA)
        return dc.CreateSolidBrush(colore);
    if (campitura == CAMPITURA_MOTIVO && bitmap != 0)
        return dc.CreatePatternBrush(bitmap);
    return 0;
}

} // namespace tramel
