#pragma once
#include "selezione.h"

#include <cstdint>
#include <optional>

namespace tramel {

// The object-snap filters, the items of the filter menu (1 and 5 are its separators).
constexpr std::int16_t FILTRO_LIBERO = 0;
constexpr std::int16_t FILTRO_INIZIO = 2;
constexpr std::int16_t FILTRO_FINE = 3;
constexpr std::int16_t FILTRO_MEDIO = 4;
constexpr std::int16_t FILTRO_CENTRO = 6;

// The point of the filter on the first entity under the pick circle of
// radius r about (X, Y), or nothing. Erased entities are skipped, selected
// ones count. Three phases, each in collection order, stop at the first hit:
// - start, end or middle: the segments of surfaces, lines, rectangles, text
//   boxes and polylines (a closed shape's last edge runs from its first
//   vertex to its last);
// - start, end, middle or centre: arcs met on the arc (an arc on one line is
//   its segment p1-p2 and has no centre); the middle is at the arc's middle angle;
// - centre: circles met or held.
std::optional<Punto> selezoggettifiltri(const disegno& d, const CacheTesti& testi, int filtro, double X, double Y,
                                         double r);

} // namespace tramel
