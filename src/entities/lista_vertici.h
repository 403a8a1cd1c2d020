#pragma once
#include "punto.h"

#include "platform/dc.h"

#include <cstdint>
#include <vector>

namespace tramel {

// The vertex list and the stretch-mark list of a polyline, rectangle or
// surface, both holding positions 0 to vertic (position 0 is never used).
// An index outside 0..vertic never touches memory: a write is ignored and a
// read gives (0, 0) or mark 0, since a damaged file can hand in inconsistent
// counts. Indexes are rounded to whole numbers, halves to even.
class ListaVertici {
public:
    std::int16_t vertic() const { return vertic_; }
    // Resizes both lists, keeping the values at the positions that remain;
    // new positions get (0, 0) and mark 0. A negative count gives no vertices.
    void vertic(std::int16_t n);

    // Vertex i, read and written by value; one loop serves every kind.
    Punto punto(int i) const;
    void punto(int i, Punto p);
    // The points become vertices 1 to n, n their count; a list holds at most
    // 32767 vertices, so points beyond those are left out.
    void vertici(const std::vector<Punto>& punti);

    void ins_vertselez(double mark, double index);
    void prel_vertselez(std::int16_t& mark, double index) const;

    // f(x, y) for vertices 1 to vertic in order: the quick walk of searches
    // that read every vertex of a large drawing.
    template <class F>
    void perOgniVertice(F f) const
    {
        for (std::size_t i = 1; i < vertici_.size(); ++i)
            f(vertici_[i].x, vertici_[i].y);
    }

    bool operator==(const ListaVertici&) const = default;

protected:
    void inser_vert(double x, double y, double index);
    void prel_vert(double& x, double& y, double index) const;
    // Vertices 1 to vertic rounded to device points, halves to even.
    std::vector<DevPoint> puntiDispositivo() const;

private:
    struct Vertice {
        double x = 0;
        double y = 0;
        std::int16_t mark = 0;
        bool operator==(const Vertice&) const = default;
    };
    const Vertice* at(std::int32_t i) const;
    Vertice* at(std::int32_t i);

    std::int16_t vertic_ = 0;
    std::vector<Vertice> vertici_ = std::vector<Vertice>(1);
};

} // namespace tramel
