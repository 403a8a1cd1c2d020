#pragma once
#include "arco.h"
#include "cerchio.h"
#include "linea.h"
#include "polilinea.h"
#include "rettangolo.h"
#include "superficie.h"
#include "testo.h"

#include <memory>
#include <type_traits>
#include <vector>

namespace tramel {

// An ordered, append-only collection with 1-based positions. Entities are
// owned here and never move, so a reference stays valid while others are
// appended; walk it by position (for i = 1 to Count()) so that a walk also
// reaches the entities appended during it.
template <class T>
class Collezione {
public:
    void Add(std::unique_ptr<T> entita) { items_.push_back(std::move(entita)); }
    int Count() const { return static_cast<int>(items_.size()); }
    T& Item(int posizione) { return *items_.at(static_cast<std::size_t>(posizione - 1)); }
    const T& Item(int posizione) const { return *items_.at(static_cast<std::size_t>(posizione - 1)); }

private:
    std::vector<std::unique_ptr<T>> items_;
};

// The entities of one drawing, one collection per kind.
struct disegno {
    Collezione<superficie> superfici;
    Collezione<Rettangolo> rettangoli;
    Collezione<Linea> linee;
    Collezione<polilinea> polilinee;
    Collezione<testo> testi;
    Collezione<Arco> archi;
    Collezione<Cerchio> cerchi;
};

// The collection of one kind.
template <class T, class D>
auto& collezione(D& d)
{
    if constexpr (std::is_same_v<T, superficie>)
        return d.superfici;
    else if constexpr (std::is_same_v<T, Rettangolo>)
        return d.rettangoli;
    else if constexpr (std::is_same_v<T, Linea>)
        return d.linee;
    else if constexpr (std::is_same_v<T, polilinea>)
        return d.polilinee;
    else if constexpr (std::is_same_v<T, testo>)
        return d.testi;
    else if constexpr (std::is_same_v<T, Arco>)
        return d.archi;
    else
        return d.cerchi;
}

// Visits the entities not erased of the drawing, kind by kind in the order of
// Tipi, each kind in collection order: f(entity), or f(entity, position) when
// f takes the position. The walk goes by position, so it also reaches the
// entities appended during it.
template <class... Tipi, class D, class F>
void perOgniVivo(D& d, F&& f)
{
    const auto tipo = [&](auto& c) {
        for (int i = 1; i <= c.Count(); ++i) {
            auto& e = c.Item(i);
            if (e.stato == STATO_CANCELLATO)
                continue;
            if constexpr (std::is_invocable_v<F&, decltype(e), int>)
                f(e, i);
            else
                f(e);
        }
    };
    (tipo(collezione<Tipi>(d)), ...);
}

// The entity under construction of one kind: created empty on first use and
// released when it is appended, so the next one starts from a fresh object.
template <class T>
class Corrente {
public:
    T& operator*()
    {
        if (!obj_)
            obj_ = std::make_unique<T>();
        return *obj_;
    }
    T* operator->() { return &**this; }
    bool esiste() const { return obj_ != nullptr; }
    // Hands the object over (to a collection) and leaves the slot empty.
    std::unique_ptr<T> rilascia()
    {
        **this;
        return std::move(obj_);
    }
    void svuota() { obj_.reset(); }

private:
    std::unique_ptr<T> obj_;
};

// One current object per kind.
struct OggettiCorrenti {
    Corrente<superficie> oggsuperficie;
    Corrente<Rettangolo> oggrettangolo;
    Corrente<Linea> ogglinea;
    Corrente<Arco> oggarco;
    Corrente<polilinea> oggpolilinea;
    Corrente<Cerchio> oggcerchio;
    Corrente<testo> oggtesto;
};

} // namespace tramel
