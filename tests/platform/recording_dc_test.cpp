#include "platform/recording_dc.h"

#include <gtest/gtest.h>

namespace tramel {
namespace {

TEST(RecordingDc, SelectGivesBackTheObjectItReplaces)
{
    RecordingDc dc;
    const GdiObject pen = dc.CreatePen(PS_DASH, 2, RGB(0, 0, 255));
    const GdiObject brush = dc.CreateHatchBrush(HS_CROSS, RGB(255, 0, 0));
    EXPECT_EQ(dc.SelectObject(pen), GdiObjects::stockPen);
    EXPECT_EQ(dc.SelectObject(brush), GdiObjects::stockBrush);
    EXPECT_EQ(dc.SelectObject(GdiObjects::stockPen), pen);
    EXPECT_EQ(dc.objects().brush(), (BrushObj{BrushObj::Hatch, HS_CROSS, RGB(255, 0, 0)}));
    EXPECT_EQ(dc.SelectObject(9999), 0);
}

TEST(RecordingDc, SelectedAndStockObjectsAreNotDeleted)
{
    RecordingDc dc;
    const GdiObject font = dc.CreateFontIndirect(LogFont{.height = -20, .faceName = "Arial"});
    dc.SelectObject(font);
    EXPECT_FALSE(dc.DeleteObject(font));
    EXPECT_FALSE(dc.DeleteObject(GdiObjects::stockBrush));
    dc.SelectObject(GdiObjects::stockFont);
    EXPECT_TRUE(dc.DeleteObject(font));
    EXPECT_FALSE(dc.DeleteObject(font));
    EXPECT_EQ(dc.objects().liveCount(), 3u);
}

TEST(RecordingDc, RecordsCallsWithColoursAsRgbText)
{
    RecordingDc dc;
    const GdiObject pen = dc.CreatePen(PS_DASH, 2, RGB(0, 0, 255));
    dc.SelectObject(pen);
    dc.Polyline({{1, 2}, {3, 4}});
    dc.SetBkMode(OPAQUE);
    EXPECT_EQ(dc.calls, (std::vector<std::string>{"CreatePen(1,2,#0000ff)=" + std::to_string(pen),
                                                   "SelectObject(" + std::to_string(pen) + ")=1",
                                                   "Polyline(1,2 3,4)", "SetBkMode(2)"}));
    EXPECT_EQ(dc.only({"Polyline", "SetBkMode"}), (std::vector<std::string>{"Polyline(1,2 3,4)", "SetBkMode(2)"}));
    EXPECT_EQ(dc.bkMode(), OPAQUE);
}

} // namespace
} // namespace tramel
