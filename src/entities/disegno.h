#pragma once
#include "arco.h"
#include "cerchio.h"
#include "linea.h"
#include "polilinea.h"
#include "rettangolo.h"
#include "superficie.h"
#include "testo.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <vector>

namespace tramel {

// A number no other call returns, for telling contents apart.
inline std::uint64_t nuovaVersione()
{
    static std::atomic<std::uint64_t> ultima{0};
    return ++ultima;
}

// An ordered, append-only collection with 1-based positions. Entities are
// owned here and never move, so a reference stays valid while others are
// appended; walk it by position (for i = 1 to Count()) so that a walk also
// reaches the entities appended during it.
//
// versione() tells what the view keeps about the entities (an index of their
// boxes, the sizes of texts) whether they may have changed: it changes after
// an append and after every Item on a collection that is not const, which is
// how entities are changed. So a walk that only reads goes through a const
// collection, and a writer writes through a reference taken after the last
// redraw, not one kept from before it. versioneEsistenti() is the same but
// for appends, which leave the entities already there as they were.
template <class T>
class Collezione {
public:
    Collezione() = default;
    Collezione(Collezione&& c) noexcept : items_(std::move(c.items_)) { c.cambia(); }
    Collezione& operator=(Collezione&& c) noexcept
    {
        items_ = std::move(c.items_);
        cambia();
        c.cambia();
        return *this;
    }

    void Add(std::unique_ptr<T> entita)
    {
        items_.push_back(std::move(entita));
        tocca();
    }
    int Count() const { return static_cast<int>(items_.size()); }
    T& Item(int posizione)
    {
        cambia();
        return *items_.at(static_cast<std::size_t>(posizione - 1));
    }
    const T& Item(int posizione) const { return *items_.at(static_cast<std::size_t>(posizione - 1)); }

    // The same number while the collection stays as it is; a number no other
    // collection has had, once it may have changed.
    std::uint64_t versione() const { return versione_.leggi(); }
    std::uint64_t versioneEsistenti() const { return versioneEsistenti_.leggi(); }

private:
    // A number taken anew, when read, after each change.
    struct Versione {
        std::uint64_t leggi() const
        {
            if (toccata) {
                numero = nuovaVersione();
                toccata = false;
            }
            return numero;
        }
        mutable std::uint64_t numero = 0;
        mutable bool toccata = true;
    };

    void tocca() { versione_.toccata = true; }
    // A change that may reach the entities already there.
    void cambia()
    {
        tocca();
        versioneEsistenti_.toccata = true;
    }

    std::vector<std::unique_ptr<T>> items_;
    Versione versione_;
    Versione versioneEsistenti_;
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

// The kinds of entity, each with its collection in the drawing.
enum class TipoEntita { superficie, linea, rettangolo, testo, cerchio, arco, polilinea };

// Calls f with the collection of kind tipo, as its own type, and returns
// what f returns.
template <class D, class F>
decltype(auto) conCollezione(D& d, TipoEntita tipo, F&& f)
{
    switch (tipo) {
    case TipoEntita::superficie: return f(d.superfici);
    case TipoEntita::linea: return f(d.linee);
    case TipoEntita::rettangolo: return f(d.rettangoli);
    case TipoEntita::testo: return f(d.testi);
    case TipoEntita::cerchio: return f(d.cerchi);
    case TipoEntita::arco: return f(d.archi);
    case TipoEntita::polilinea: break;
    }
    return f(d.polilinee);
}

// Calls f with the entity of kind tipo at position i (from 1), as its own
// type, and returns what f returns.
template <class D, class F>
decltype(auto) conEntita(D& d, TipoEntita tipo, int i, F&& f)
{
    return conCollezione(d, tipo, [&](auto& c) -> decltype(auto) { return f(c.Item(i)); });
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
