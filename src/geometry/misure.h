#pragma once
#include "entities/cerchio.h"
#include "entities/rettangolo.h"
#include "entities/superficie.h"

namespace tramel {

// The measures an entity carries, stored on the entity itself.

// Perimeter (closing edge included) into perimet, area into supf; the area
// does not depend on the direction in which the vertices run.
void calcola_perimetro_superficie(superficie& sup);
void calcola_area_superficie(superficie& sup);
void calcola_perimetro_rettangolo(Rettangolo& ret);
void calcola_area_rettangolo(Rettangolo& ret);

// raggio from the centre and the circumference point, then perimet and supf.
void calcola_raggio_perimet_area_cerchio(Cerchio& cerchio);

// The decimals of a snap step, worked out in single precision: the first n for
// which the step times 10^n has no fraction left. 0 for a NaN or infinite step.
int numero_decimali_steps(float passosnap);

} // namespace tramel
