#include "geometry/misure.h"

#include "geometry/intersezioni.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace tramel {
namespace {

using Vertici = std::vector<Punto>;

struct CasoPoligono {
    const char* nome;
    Vertici vertici;
    double perimetro, area;
};

template <class T>
T conVertici(const Vertici& v)
{
    T e;
    e.vertici(v);
    return e;
}

TEST(MisurePoligono, SurfaceAndRectangleInEitherDirection)
{
    const std::vector<CasoPoligono> casi = {
        {"3 by 2", {{0, 0}, {3, 0}, {3, 2}, {0, 2}}, 10, 6},
        {"3 by 2, the other way round", {{0, 2}, {3, 2}, {3, 0}, {0, 0}}, 10, 6},
        {"3 by 2, away from the origin", {{10, 20}, {13, 20}, {13, 22}, {10, 22}}, 10, 6},
        {"right triangle 3-4-5", {{0, 0}, {4, 0}, {0, 3}}, 12, 6},
        {"right triangle, the other way round", {{0, 3}, {4, 0}, {0, 0}}, 12, 6},
        {"L shape", {{0, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}}, 8, 3},
    };
    for (const CasoPoligono& c : casi) {
        SCOPED_TRACE(c.nome);
        auto sup = conVertici<superficie>(c.vertici);
        calcola_perimetro_superficie(sup);
        calcola_area_superficie(sup);
        EXPECT_DOUBLE_EQ(sup.perimet, c.perimetro);
        EXPECT_DOUBLE_EQ(sup.supf, c.area);
        auto ret = conVertici<Rettangolo>(c.vertici);
        calcola_perimetro_rettangolo(ret);
        calcola_area_rettangolo(ret);
        EXPECT_DOUBLE_EQ(ret.perimet, c.perimetro);
        EXPECT_DOUBLE_EQ(ret.supf, c.area);
    }
}

TEST(MisureCerchio, RadiusFromCentreAndPoint)
{
    Cerchio c;
    c.Xcentro = 1;
    c.Ycentro = 1;
    c.Xpunto = 4;
    c.YPunto = 5;
    c.raggio = 99; // stale: recomputed from the two points
    calcola_raggio_perimet_area_cerchio(c);
    EXPECT_DOUBLE_EQ(c.raggio, 5);
    EXPECT_DOUBLE_EQ(c.perimet, 10 * pigreco);
    EXPECT_DOUBLE_EQ(c.supf, 25 * pigreco);
}

struct CasoPasso {
    float passo;
    int decimali;
};

TEST(NumeroDecimaliSteps, DecimalsOfTheSnapStep)
{
    const float inf = std::numeric_limits<float>::infinity();
    const std::vector<CasoPasso> casi = {
        {1, 0},         {0.5f, 1},  {0.25f, 2},  {0.1f, 1},     {0, 0},         {-0.25f, 2},
        {0.3f, 1},      {0.7f, 1}, // 0.7f is a hair below 0.7
        {0.001f, 3},    {2.5f, 1},  {12, 0},     {-3, 0},       {1000000.5f, 1},
        {3e38f, 0},     {inf, 0},   {-inf, 0},   {std::numeric_limits<float>::quiet_NaN(), 0},
        // The longest loop of all finite floats (found by trying every one).
        {std::numeric_limits<float>::denorm_min(), 53},
    };
    for (const CasoPasso& c : casi) {
        SCOPED_TRACE(testing::Message() << "step " << c.passo);
        EXPECT_EQ(numero_decimali_steps(c.passo), c.decimali);
    }
}

TEST(NumeroDecimaliSteps, TinyStepsEnd)
{
    const int n = numero_decimali_steps(1e-7f);
    EXPECT_GE(n, 7);
    EXPECT_LE(n, 53);
}

} // namespace
} // namespace tramel
