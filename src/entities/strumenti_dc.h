#pragma once
#include "platform/dc.h"

namespace tramel {

// A pen or brush created and selected for one draw call: on leaving the scope
// the object it replaced is selected back and the created one deleted.
class OggettoSelezionato {
public:
    OggettoSelezionato(Dc& dc, GdiObject creato) : dc_(dc), creato_(creato)
    {
        if (creato_)
            vecchio_ = dc_.SelectObject(creato_);
    }
    ~OggettoSelezionato()
    {
        if (creato_) {
            dc_.SelectObject(vecchio_);
            dc_.DeleteObject(creato_);
        }
    }
    OggettoSelezionato(const OggettoSelezionato&) = delete;
    OggettoSelezionato& operator=(const OggettoSelezionato&) = delete;

private:
    Dc& dc_;
    GdiObject creato_;
    GdiObject vecchio_ = 0;
};

// The pen of an entity: its style, its thickness (already a pixel width) rounded, its colour.
GdiObject creaPenna(Dc& dc, std::int32_t tratto, float spessore, Rgb colore);
// The brush of a fill code: 0-5 hatch, 6 solid, 8 pattern when a bitmap is given;
// any other code gives no brush (0), so the device context's own brush fills.
GdiObject creaPennello(Dc& dc, std::int32_t campitura, Rgb colore, std::int32_t bitmap);

} // namespace tramel
