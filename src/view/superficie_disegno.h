#pragma once
#include "platform/dc.h"
#include "platform/text_metrics.h"

namespace tramel {

// The picture of a drawing window as the view draws on it: a device context
// in pixels of the client area and the measure of texts on that device.
// The window keeps the picture between redraws. With the persistent drawing
// switched off, what is drawn goes to a transient layer over the picture
// instead (the ghost previews), which a clear empties.
class SuperficieDisegno {
public:
    virtual ~SuperficieDisegno() = default;
    virtual Dc& dc() = 0;
    virtual const TextMetrics& metrics() const = 0;
    // Clears the whole picture to the colour; with the persistent drawing off,
    // empties the transient layer only.
    virtual void cls(Rgb colore) = 0;
    // The persistent drawing on or off; either way the transient layer ends empty.
    virtual void persistente(bool si) = 0;
    // Asks for the picture to be shown again on the screen.
    virtual void aggiorna() = 0;
};

} // namespace tramel
