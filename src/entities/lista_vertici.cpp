#include "lista_vertici.h"

#include "platform/rounding.h"

#include <algorithm>
#include <utility>

namespace tramel {

void ListaVertici::vertic(std::int16_t n)
{
    vertic_ = std::max<std::int16_t>(n, 0);
    vertici_.resize(static_cast<std::size_t>(vertic_) + 1);
}

const ListaVertici::Vertice* ListaVertici::at(std::int32_t i) const
{
    if (i < 0 || i > vertic_)
        return nullptr;
    return &vertici_[static_cast<std::size_t>(i)];
}

ListaVertici::Vertice* ListaVertici::at(std::int32_t i)
{
    return const_cast<Vertice*>(std::as_const(*this).at(i));
}

Punto ListaVertici::punto(int i) const
{
    const Vertice* v = at(i);
    return v ? Punto{v->x, v->y} : Punto{};
}

void ListaVertici::punto(int i, Punto p)
{
    if (Vertice* v = at(i)) {
        v->x = p.x;
        v->y = p.y;
    }
}

void ListaVertici::vertici(const std::vector<Punto>& punti)
{
    const auto n = static_cast<std::int16_t>(std::min<std::size_t>(punti.size(), INT16_MAX));
    vertic(n);
    for (int i = 1; i <= n; ++i)
        punto(i, punti[static_cast<std::size_t>(i - 1)]);
}

void ListaVertici::inser_vert(double x, double y, double index)
{
    punto(clng(index), {x, y});
}

void ListaVertici::prel_vert(double& x, double& y, double index) const
{
    const Punto p = punto(clng(index));
    x = p.x;
    y = p.y;
}

std::vector<DevPoint> ListaVertici::puntiDispositivo() const
{
    std::vector<DevPoint> punti;
    punti.reserve(static_cast<std::size_t>(vertic_));
    for (std::size_t i = 1; i < vertici_.size(); ++i)
        punti.push_back({clng(vertici_[i].x), clng(vertici_[i].y)});
    return punti;
}

void ListaVertici::ins_vertselez(double mark, double index)
{
    if (Vertice* v = at(clng(index)))
        v->mark = cint(mark);
}

void ListaVertici::prel_vertselez(std::int16_t& mark, double index) const
{
    const Vertice* v = at(clng(index));
    mark = v ? v->mark : 0;
}

} // namespace tramel
