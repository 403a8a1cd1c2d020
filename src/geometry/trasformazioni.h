#pragma once
#include "entities/arco.h"
#include "entities/punto.h"

namespace tramel {

// The plane transforms of the edit commands, as pure functions of a point, so
// that the commands and their previews move points alike.

// A shift by (dx, dy).
struct Spostamento {
    double dx = 0;
    double dy = 0;
    // The shift that takes a to b.
    static Spostamento da(Punto a, Punto b) { return {b.x - a.x, b.y - a.y}; }
    Punto operator()(Punto p) const { return {p.x + dx, p.y + dy}; }
};

// A turn about centro by gradi degrees, from the positive x axis towards the
// positive y axis. The centre itself stays where it is.
class Rotazione {
public:
    Rotazione(Punto centro, double gradi);
    Punto operator()(Punto p) const;

private:
    Punto c_;
    double cos_, sin_;
};

// The reflection about the axis through a and b; an axis of two equal points
// is taken as vertical.
class Specchio {
public:
    Specchio(Punto a, Punto b);
    Punto operator()(Punto p) const;

private:
    Punto a_;
    double cc_; // cos 2b, b the axis angle
    double cs_; // sin 2b
};

// The change of a text's angle, in degrees, when the text turns by gradi: the
// turn with its sign reversed, brought by whole turns into -90 to 270 (a text's
// angle runs the other way from the turn of its points).
double variazioneAngoloTesto(double gradi);

// After its points have moved, puts the arc's ends in the order that makes the
// arc drawn from p1 to p2 pass through p3 again. An arc whose three points lie
// on one line has no centre: base (the base point of the move) stands in for it.
void riordinaEstremiArco(Arco& a, Punto base);

} // namespace tramel
