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

const ListaVertici::Vertice* ListaVertici::at(double index) const
{
    const std::int32_t i = clng(index);
    if (i < 0 || i > vertic_)
        return nullptr;
    return &vertici_[static_cast<std::size_t>(i)];
}

ListaVertici::Vertice* ListaVertici::at(double index)
{
    return const_cast<Vertice*>(std::as_const(*this).at(index));
}

void ListaVertici::inser_vert(double x, double y, double index)
{
    if (Vertice* v = at(index)) {
        v->x = x;
        v->y = y;
    }
}

void ListaVertici::prel_vert(double& x, double& y, double index) const
{
    const Vertice* v = at(index);
    x = v ? v->x : 0;
    y = v ? v->y : 0;
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
    if (Vertice* v = at(index))
        v->mark = cint(mark);
}

void ListaVertici::prel_vertselez(std::int16_t& mark, double index) const
{
    const Vertice* v = at(index);
    mark = v ? v->mark : 0;
}

} // namespace tramel
