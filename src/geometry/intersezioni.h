#pragma once
#include "forme.h"

#include <cmath>
#include <optional>

namespace tramel {

// Plane geometry on drawing units. Outputs go to the caller's variables; an
// output a routine does not reach keeps the caller's value. Intersection
// flags are 1 (found) and 0 (none).

inline const double pigreco = 4 * std::atan(1.0);

// Roots of a*t^2 + b*t + c = 0 (a != 0). delta is always written; the roots
// only when delta >= 0 (both equal when delta = 0).
void risolvi2grado(double a, double b, double c, double& delta, double& r1, double& r2);

// Direction angle of the vector P1 -> P2 in [0, 2*pi), from +x towards +y;
// 0 for coincident points. The float overload computes in single precision.
double angolo_retta_P1P2(double x1, double y1, double x2, double y2);
float angolo_retta_P1P2(float x1, float y1, float x2, float y2);

// The same angle, always in double precision.
double detAngolo(double x1, double y1, double x2, double y2);

// Intersection of the unbounded lines P1P2 and P3P4. flag 0 for parallel
// lines and for a meeting point farther than 5e10 from the origin.
void detintersrette(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4,
                    double& X, double& Y, int& flag);

// The point where the segments s and t meet, when they meet in one point.
std::optional<Punto> intersezione(const Segmento& s, const Segmento& t);

// The same for the segments P1P2 and P3P4; X and Y written only when flag is 1.
void detinters_segmenti(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4,
                        double& X, double& Y, int& flag);

// Point on the segment A-B: exact for horizontal and vertical segments,
// within an absolute tolerance of 0.0001 (square units) otherwise.
bool detPinsegmento(double px, double py, double xa, double ya, double xb, double yb);

// The angle an arc about C sweeps from S through falling angles to E, in [0, 2*pi).
double ampiezzaArco(double xc, double yc, double xs, double ys, double xe, double ye);

// Point of the circle about C on the arc from S to E, which runs from S
// through decreasing angles to E; inclusive at both ends. Ends on one radius
// give the whole circle, as the device draws it.
bool detPinArco(double px, double py, double xc, double yc, double xs, double ys, double xe, double ye);

// Point in the rectangle with corners A and B, border included. The corners
// are ordered in the caller's variables (A becomes the smaller corner).
bool detPinRettangolo(double px, double py, double& xa, double& ya, double& xb, double& yb);

// The up to two points where the circle (C, r) meets the segment A-B;
// flag1 and flag2 tell which of (X1, Y1) and (X2, Y2) lie on the segment.
void detinters_cerchio_segmento(double xc, double yc, double r, double xa, double ya, double xb, double yb,
                                double& X1, double& Y1, double& X2, double& Y2, int& flag1, int& flag2);

// The up to two points where circles 1 and 2 meet (flag 1). flag 2, with no
// point written, when circle 1 is smaller and its centre lies in circle 2.
// Concentric circles otherwise give flag 0 and write nothing.
void detinters_cerchio_cerchio(double x1, double y1, double r1, double x2, double y2, double r2, int& flag,
                               double& X1, double& Y1, double& X2, double& Y2);

} // namespace tramel
