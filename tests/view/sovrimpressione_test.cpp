#include "view/sovrimpressione.h"

#include "platform/recording_dc.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tramel {
namespace {

// Every drawing call with the pen (style, width, colour) and brush kind in force.
class DcConPenna : public RecordingDc {
public:
    std::vector<std::string> disegni;
    void Polyline(const std::vector<DevPoint>& punti) override
    {
        RecordingDc::Polyline(punti);
        annota();
    }
    void Ellipse(int l, int t, int r, int b) override
    {
        RecordingDc::Ellipse(l, t, r, b);
        annota();
    }

private:
    void annota()
    {
        const PenObj& p = objects().pen();
        disegni.push_back(calls.back() + " " + std::to_string(p.style) + "," + std::to_string(p.width) + "," +
                          colorText(p.color) + (objects().brush().kind == BrushObj::Hollow ? " vuoto" : " pieno"));
    }
};

Vista vista()
{
    Vista v;
    v.dpiX = v.dpiY = 25.4; // one pixel a millimetre
    v.origineX = 10;
    v.origineY = 20;
    return v;
}

TEST(DisegnaOverlay, LinesThenShapesOnWholePixelsEachWithItsPen)
{
    Overlay o;
    o.Line1 = {true, 15, 20, 15, 40, RGB(255, 0, 0), PS_SOLID};
    o.Line2 = {true, 10, 30, 30, 30, RGB(0, 255, 0), PS_DOT};
    o.Line3 = {true, 10.4, 20.6, 12.5, 23.5, RGB(0, 0, 255), PS_DASH}; // to the nearest pixel, halves to even
    o.Line4 = {true, 10, 20, 1e300, 20, 0, PS_DASHDOTDOT};               // held within the band
    o.Shape1 = {true, 40, 60, -10, 5, RGB(1, 2, 3), FormaOverlay::Cerchio}; // dragged to the left
    o.Shape2 = {true, 12, 22, 4, 4, RGB(4, 5, 6), FormaOverlay::Rettangolo};
    o.Shape3 = {true, 14, 24, -2, -2, RGB(7, 8, 9), FormaOverlay::Rettangolo};
    DcConPenna dc;
    disegnaOverlay(dc, o, vista());
    const std::vector<std::string> attesi = {
        "Polyline(5,0 5,20) 0,0,#ff0000 vuoto",
        "Polyline(0,10 20,10) 2,0,#00ff00 vuoto",
        "Polyline(0,1 2,4) 1,0,#0000ff vuoto",
        "Polyline(0,0 4000000,0) 4,0,#000000 vuoto",
        "Ellipse(20,40,30,45) 0,0,#010203 vuoto",
        "Polyline(2,2 6,2 6,6 2,6 2,2) 0,0,#040506 vuoto",
        "Polyline(2,2 4,2 4,4 2,4 2,2) 0,0,#070809 vuoto",
    };
    EXPECT_EQ(dc.disegni, attesi);
    // Every pen is deleted and the device context's own pen is back.
    const RecordingDc nuovo;
    EXPECT_EQ(dc.objects().liveCount(), nuovo.objects().liveCount());
    EXPECT_EQ(dc.objects().pen(), nuovo.objects().pen());
}

TEST(DisegnaOverlay, HiddenPiecesAskNothingOfTheDevice)
{
    Overlay o;
    o.Line1 = {false, 15, 20, 15, 40, RGB(255, 0, 0), PS_SOLID};
    o.Shape2 = {false, 12, 22, 4, 4, RGB(4, 5, 6), FormaOverlay::Rettangolo};
    RecordingDc dc;
    disegnaOverlay(dc, o, vista());
    EXPECT_TRUE(dc.calls.empty());
}

// A shape's own pen, fill and raster operation, and the device's back after it.
TEST(DisegnaOverlay, ShapeWithItsOutlineFillAndRasterOperation)
{
    Overlay o;
    o.Shape1 = {true, 12, 22, 4, 4, RGB(1, 2, 3), FormaOverlay::Rettangolo, PS_DOT, 3, R2_NOTMERGEPEN, 6,
                RGB(9, 9, 9)};
    o.Shape3 = {true, 12, 22, 4, 4, RGB(4, 5, 6), FormaOverlay::Cerchio, PS_SOLID, 0, R2_COPYPEN, 2, RGB(7, 7, 7)};
    RecordingDc dc;
    disegnaOverlay(dc, o, vista());
    const std::vector<std::string> attesi = {
        "Polygon(2,2 6,2 6,6 2,6) pen(2,3,#010203) brush(solid,#090909)",
        "Ellipse(2,2,6,6) pen(0,0,#040506) brush(hatch,2,#070707)",
    };
    EXPECT_EQ(dc.disegni(), attesi);
    EXPECT_EQ(dc.only({"SetROP2"}),
              (std::vector<std::string>{"SetROP2(2)", "SetROP2(13)", "SetROP2(13)", "SetROP2(13)"}));
    EXPECT_EQ(dc.objects().brush(), RecordingDc().objects().brush());
}

} // namespace
} // namespace tramel
