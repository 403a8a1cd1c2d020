#include "trasformazioni.h"

#include "intersezioni.h"

#include <cmath>
#include <utility>

namespace tramel {

Rotazione::Rotazione(Punto centro, double gradi)
    : c_(centro), cos_(std::cos(pigreco * gradi / 180)), sin_(std::sin(pigreco * gradi / 180))
{
}

Punto Rotazione::operator()(Punto p) const
{
    const double dx = p.x - c_.x;
    const double dy = p.y - c_.y;
    return {c_.x + dx * cos_ - dy * sin_, c_.y + dx * sin_ + dy * cos_};
}

Specchio::Specchio(Punto a, Punto b) : a_(a)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    // Both directions of the axis give the same reflection.
    const double angolo = dx == 0 ? pigreco / 2 : std::atan2(dy, dx);
    const double c = std::cos(angolo);
    const double s = std::sin(angolo);
    cc_ = c * c - s * s;
    cs_ = 2 * c * s;
}

Punto Specchio::operator()(Punto p) const
{
    const double dx = p.x - a_.x;
    const double dy = p.y - a_.y;
    return {a_.x + cc_ * dx + cs_ * dy, a_.y + cs_ * dx - cc_ * dy};
}

double variazioneAngoloTesto(double gradi)
{
    const double a = pigreco * gradi / 180;
    const double ca = std::cos(a);
    const double sa = std::sin(a);
    if (ca == 0)
        return sa > 0 ? 270 : 90;
    if (ca > 0)
        return -std::atan(sa / ca) * 180 / pigreco;
    return 180 * (pigreco - std::atan(sa / ca)) / pigreco;
}

void riordinaEstremiArco(Arco& a, Punto base)
{
    const auto c = a.cerchio();
    const Punto centro = c ? Punto{c->xc, c->yc} : base;
    if (!detPinArco(a.p3x, a.p3y, centro.x, centro.y, a.p1x, a.p1y, a.p2x, a.p2y)) {
        std::swap(a.p1x, a.p2x);
        std::swap(a.p1y, a.p2y);
    }
}

} // namespace tramel
