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

// Each drawing call with what was selected as it was made, whatever the handles.
TEST(RecordingDc, DrawingCallsCarryTheObjectsInForce)
{
    RecordingDc dc;
    dc.Polygon({{0, 0}, {1, 1}});
    const GdiObject pen = dc.CreatePen(PS_DOT, 3, RGB(255, 0, 0));
    const GdiObject brush = dc.CreatePatternBrush(42);
    dc.SelectObject(pen);
    dc.SelectObject(brush);
    dc.Ellipse(0, 0, 4, 4);
    dc.Arc(0, 0, 4, 4, 4, 2, 0, 2);
    const LogFont font{.height = -20, .weight = FW_BOLD, .italic = true, .faceName = "Arial"};
    dc.SelectObject(dc.CreateFontIndirect(font));
    dc.TextOut(1, 2, "ab");
    dc.FillRect(0, 0, 1, 1, RGB(0, 255, 0));
    EXPECT_EQ(dc.disegni(), (std::vector<std::string>{"Polygon(0,0 1,1) pen(0,1,#000000) brush(hollow)",
                                                      "Ellipse(0,0,4,4) pen(2,3,#ff0000) brush(pattern,42)",
                                                      "Arc(0,0,4,4,4,2,0,2) pen(2,3,#ff0000)",
                                                      "TextOut(1,2,ab) font(-20,0,700,100,Arial)",
                                                      "FillRect(0,0,1,1,#00ff00)"}));
    dc.clear();
    EXPECT_TRUE(dc.calls.empty());
    EXPECT_TRUE(dc.disegni().empty());
}

} // namespace
} // namespace tramel
