#pragma once
#include "stato_disegno.h"
#include "superficie_disegno.h"

#include <string>

namespace tramel {

// Adds the finished entity held in the current object of the kind ("Superficie",
// "Polilinea", "Rettangolo", "Linea", "Cerchio", "Arco"; any other text does
// nothing): puts the defaults for new entities on it, works out its measures,
// draws it at once in its normal look, appends it to its collection, empties
// the current object and marks the drawing modified. A polyline or surface of
// fewer than two vertices is left as it is.
void aggiungi_oggetto(DrawingState& s, SuperficieDisegno& sup, const std::string& tipo);

} // namespace tramel
