#include "view/recordcoma.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace tramel {
namespace {

template <typename T>
T letto(const Record& rec, std::size_t offset)
{
    T v{};
    std::memcpy(&v, rec.bytes().data() + offset, sizeof v); // the test machine is little-endian, as the file
    return v;
}

recordcoma esempio()
{
    recordcoma r;
    r.tipo = "Proprietà Oggetto" + std::string(23, ' ');
    r.x1 = 1.5;
    r.y1 = -2.25;
    r.x2 = 1e300;
    r.y2 = -0.0;
    r.x3 = 7;
    r.y3 = 8;
    r.colore1 = 0x00FF8040;
    r.colore2 = -1;
    r.tratto = 3;
    r.riempimento = 270;
    r.spessore = 2.5f;
    r.stringa = std::string("Arial\0", 6) + std::string(26, ' ') + "è un testo" + std::string(90, ' ');
    r.numero = -3;
    return r;
}

TEST(Recordcoma, StoresEveryFieldAtItsOffset)
{
    const Record rec = codifica(esempio());
    ASSERT_EQ(rec.size(), 242u);
    EXPECT_EQ(rec.bytes().substr(0, 40), "Propriet\xE0 Oggetto" + std::string(23, ' '));
    EXPECT_EQ(letto<double>(rec, 40), 1.5);
    EXPECT_EQ(letto<double>(rec, 48), -2.25);
    EXPECT_EQ(letto<double>(rec, 56), 1e300);
    EXPECT_TRUE(std::signbit(letto<double>(rec, 64)));
    EXPECT_EQ(letto<double>(rec, 72), 7);
    EXPECT_EQ(letto<double>(rec, 80), 8);
    EXPECT_EQ(letto<std::int32_t>(rec, 88), 0x00FF8040);
    EXPECT_EQ(letto<std::int32_t>(rec, 92), -1);
    EXPECT_EQ(letto<std::int32_t>(rec, 96), 3);
    EXPECT_EQ(letto<std::int32_t>(rec, 100), 270);
    EXPECT_EQ(letto<float>(rec, 104), 2.5f);
    EXPECT_EQ(rec.bytes().substr(108, 32), std::string("Arial\0", 6) + std::string(26, ' '));
    EXPECT_EQ(rec.bytes().substr(140, 10), "\xE8 un testo");
    EXPECT_EQ(letto<std::int16_t>(rec, 240), -3);
}

TEST(Recordcoma, RoundTripsThroughItsBytes)
{
    const Record rec = codifica(esempio());
    const auto back = decodifica(rec);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->tipo, esempio().tipo);
    EXPECT_EQ(back->stringa, esempio().stringa);
    EXPECT_EQ(codifica(*back).bytes(), rec.bytes()); // every other field came back as it was
}

TEST(Recordcoma, PadsShortTextsAndCutsLongOnes)
{
    recordcoma r;
    r.tipo = "Linea";
    r.stringa = std::string(140, 'x');
    const auto back = decodifica(codifica(r));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->tipo, "Linea" + std::string(35, ' '));
    EXPECT_EQ(back->nome(), "Linea");
    EXPECT_EQ(back->stringa, std::string(132, 'x'));
}

TEST(Recordcoma, RefusesAShortRecord)
{
    EXPECT_FALSE(decodifica(Record(241)));
    EXPECT_TRUE(decodifica(Record(242)));
}

} // namespace
} // namespace tramel
