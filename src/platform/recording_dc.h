#pragma once
#include "dc.h"
#include "gdi_objects.h"

#include <string>
#include <vector>

namespace tramel {

// A device context that draws nothing and records every call as one line of
// text, such as "CreatePen(1,2,#0000ff)" or "SelectObject(100)", so that tests
// can check what a draw operation asked of the device and in which order.
// Colours are written as #rrggbb.
class RecordingDc : public Dc {
public:
    std::vector<std::string> calls;

    // The calls whose name (the text before "(") is one of the given names.
    std::vector<std::string> only(std::initializer_list<std::string_view> names) const;
    // Every drawing call, in order, with the objects selected as it was made:
    // the pen for lines and arcs, the pen and brush for filled shapes, the font
    // for texts, as "Polyline(30,60 90,120) pen(1,1,#c80000)",
    // "Polygon(0,0 9,0 9,9) pen(0,1,#000000) brush(hatch,3,#0000ff)" or
    // "TextOut(2,4,ab) font(10,0,0,000,Arial)". Which handles the objects
    // have, and in which order they were made, does not show.
    const std::vector<std::string>& disegni() const { return disegni_; }
    // Forgets every call recorded so far.
    void clear();
    const GdiObjects& objects() const { return objects_; }
    int bkMode() const { return bkMode_; }

    GdiObject CreatePen(int style, int width, Rgb color) override;
    GdiObject CreateSolidBrush(Rgb color) override;
    GdiObject CreateHatchBrush(int hatch, Rgb color) override;
    GdiObject CreatePatternBrush(std::int32_t bitmap) override;
    GdiObject CreateFontIndirect(const LogFont& font) override;
    GdiObject SelectObject(GdiObject object) override;
    bool DeleteObject(GdiObject object) override;
    void Polygon(const std::vector<DevPoint>& points) override;
    void Polyline(const std::vector<DevPoint>& points) override;
    void Arc(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void TextOut(int x, int y, std::string_view ansiText) override;
    void SetPixel(int x, int y, Rgb color) override;
    void FillRect(int left, int top, int right, int bottom, Rgb color) override;
    int SetBkMode(int mode) override;
    int SetROP2(int mode) override;
    Rgb SetBkColor(Rgb color) override;
    Rgb SetTextColor(Rgb color) override;

    static std::string colorText(Rgb color);

private:
    enum class Uses { Nothing, Pen, PenAndBrush, Font };

    void record(std::string call) { calls.push_back(std::move(call)); }
    // A drawing call, recorded in both lists.
    void draw(std::string call, Uses uses);
    static std::string pointsText(const std::vector<DevPoint>& points);

    std::vector<std::string> disegni_;
    GdiObjects objects_;
    int bkMode_ = TRANSPARENT;
    int rop_ = R2_COPYPEN;
    Rgb bkColor_ = RGB(255, 255, 255);
    Rgb textColor_ = 0;
};

} // namespace tramel
