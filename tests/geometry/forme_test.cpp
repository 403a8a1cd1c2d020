#include "geometry/forme.h"
#include "geometry/intersezioni.h"

#include <gtest/gtest.h>

namespace tramel {
namespace {

const Riquadro A{0, 0, 10, 5};

TEST(Riquadro, UnionHoldsBothAndTheEmptyBoxAddsNothing)
{
    EXPECT_EQ(unione(A, Riquadro{8, -2, 12, 3}), (Riquadro{0, -2, 12, 5}));
    EXPECT_EQ(unione(Riquadro{}, A), A);
    EXPECT_EQ(unione(A, Riquadro{}), A);
    EXPECT_EQ(unione(unione(Riquadro{}, Punto{3, 4}), Punto{-1, 7}), (Riquadro{-1, 4, 3, 7}));
    EXPECT_EQ(unione(A, Punto{NAN, 20}), (Riquadro{0, 0, 10, 20})); // a coordinate not a number is left out
}

TEST(Riquadro, IntersectionIsWhatBothShareBordersIncluded)
{
    EXPECT_EQ(intersezione(A, Riquadro{8, -2, 12, 3}), (Riquadro{8, 0, 10, 3}));
    EXPECT_FALSE(intersezione(A, Riquadro{10, 5, 20, 20}).vuoto()); // touching at a corner
    EXPECT_TRUE(intersezione(A, Riquadro{10.001, 0, 20, 5}).vuoto());
    EXPECT_TRUE(intersezione(A, Riquadro{}).vuoto());
    EXPECT_TRUE(intersezione(A, Riquadro{NAN, 0, 5, 5}).vuoto());
}

TEST(Riquadro, ContainsItsBorderAndCornersComeInAnyOrder)
{
    EXPECT_TRUE(contiene(A, {0, 5}));
    EXPECT_TRUE(contiene(A, {10, 0}));
    EXPECT_FALSE(contiene(A, {10.001, 2}));
    EXPECT_FALSE(contiene(A, {NAN, 2}));
    EXPECT_FALSE(contiene(Riquadro{}, {0, 0}));
    EXPECT_EQ(riquadro({10, 0}, {0, 5}), A);
}

TEST(IntersezioneSegmenti, APointOnBothOrNothing)
{
    EXPECT_EQ(intersezione(Segmento{{0, 0}, {4, 4}}, Segmento{{0, 4}, {4, 0}}), (Punto{2, 2}));
    EXPECT_EQ(intersezione(Segmento{{0, 0}, {4, 4}}, Segmento{{4, 4}, {8, 0}}), (Punto{4, 4})); // at an end
    EXPECT_FALSE(intersezione(Segmento{{0, 0}, {1, 1}}, Segmento{{0, 4}, {4, 0}}));             // lines meet beyond
    EXPECT_FALSE(intersezione(Segmento{{0, 0}, {4, 0}}, Segmento{{0, 1}, {4, 1}}));             // parallel
}

} // namespace
} // namespace tramel
