#include "entities/disegno.h"

#include <gtest/gtest.h>

using namespace tramel;

namespace {

std::unique_ptr<Linea> linea(double xi)
{
    auto l = std::make_unique<Linea>();
    l->Xi = xi;
    return l;
}

} // namespace

TEST(Collezione, ErasedEntitiesKeepTheirPositions)
{
    disegno d;
    for (int i = 1; i <= 3; ++i)
        d.linee.Add(linea(i));
    d.linee.Item(2).stato = STATO_CANCELLATO;
    ASSERT_EQ(d.linee.Count(), 3);
    EXPECT_EQ(d.linee.Item(3).Xi, 3);
    EXPECT_THROW(d.linee.Item(4), std::out_of_range);
    EXPECT_THROW(d.linee.Item(0), std::out_of_range);
}

TEST(Collezione, WalkByPositionReachesEntitiesAppendedDuringIt)
{
    disegno d;
    d.linee.Add(linea(1));
    d.linee.Add(linea(2));
    Linea& prima = d.linee.Item(1);
    int visitate = 0;
    // A copy command appends a copy of each entity it meets.
    for (int i = 1; i <= d.linee.Count(); ++i) {
        ++visitate;
        if (d.linee.Item(i).Xi < 10)
            d.linee.Add(linea(d.linee.Item(i).Xi + 10));
    }
    EXPECT_EQ(visitate, 4);
    EXPECT_EQ(d.linee.Count(), 4);
    EXPECT_EQ(&prima, &d.linee.Item(1)); // appending never moves an entity
}

TEST(Corrente, ReleasedObjectIsNeverReusedAndTheNextStartsEmpty)
{
    disegno d;
    OggettiCorrenti ogg;
    EXPECT_FALSE(ogg.oggcerchio.esiste());
    ogg.oggcerchio->Xcentro = 5;
    ogg.oggcerchio->stato = STATO_SELEZIONATO;
    d.cerchi.Add(ogg.oggcerchio.rilascia());
    EXPECT_FALSE(ogg.oggcerchio.esiste());
    ogg.oggcerchio->Xcentro = 9;
    EXPECT_EQ(d.cerchi.Item(1).Xcentro, 5);
    EXPECT_EQ(ogg.oggcerchio->stato, STATO_NORMALE);

    // Releasing an object never used hands over a fresh empty one.
    d.testi.Add(ogg.oggtesto.rilascia());
    EXPECT_EQ(d.testi.Count(), 1);
    EXPECT_EQ(d.testi.Item(1).stringa_testo, "");
    EXPECT_EQ(d.testi.Item(1).ang_testo(), 0);
}
