#include "platform/gdi_objects.h"

#include <gtest/gtest.h>

namespace tramel {
namespace {

TEST(GdiObjects, EntitiesCreatingAndDeletingTheirObjectsLeaveOnlyTheStockOnes)
{
    GdiObjects o;
    GdiObject last = 0;
    for (int i = 0; i < 1000; ++i) {
        // As an entity draws: a pen and a brush made, selected, put back, deleted.
        const GdiObject pen = o.create(PenObj{PS_DASH, i % 3, i});
        const GdiObject brush = o.create(BrushObj{BrushObj::Hatch, i % 6, i});
        EXPECT_GT(pen, last); // handles are never given twice
        last = brush;
        const GdiObject oldPen = o.select(pen);
        const GdiObject oldBrush = o.select(brush);
        EXPECT_EQ(o.pen(), (PenObj{PS_DASH, i % 3, i}));
        EXPECT_EQ(o.brush(), (BrushObj{BrushObj::Hatch, i % 6, i}));
        o.select(oldPen);
        o.select(oldBrush);
        EXPECT_TRUE(o.remove(pen));
        EXPECT_TRUE(o.remove(brush));
    }
    EXPECT_EQ(o.liveCount(), 3u);
    EXPECT_EQ(o.pen(), (PenObj{PS_SOLID, 1, 0}));
    EXPECT_EQ(o.brush(), BrushObj{});
}

TEST(GdiObjects, TheSelectedObjectStaysWhileOthersComeAndGo)
{
    GdiObjects o;
    LogFont big;
    big.height = -40;
    big.faceName = "Arial";
    const GdiObject font = o.create(big);
    const GdiObject other = o.create(LogFont{});
    EXPECT_EQ(o.select(font), GdiObjects::stockFont);
    EXPECT_TRUE(o.remove(other));
    o.create(PenObj{});
    EXPECT_EQ(o.font(), big);
    EXPECT_FALSE(o.remove(font));
    EXPECT_EQ(o.select(other), 0); // deleted: unknown
    EXPECT_EQ(o.font(), big);
}

} // namespace
} // namespace tramel
