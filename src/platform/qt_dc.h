#pragma once
#include "dc.h"
#include "gdi_objects.h"

#include <QFont>

class QPainter;

namespace tramel {

// A device context that draws through a QPainter, on whatever device the
// painter has begun: the window's image, a BMP image, a printer or a preview.
// The painter stays the caller's; QtDc keeps its pen, brush, font and
// background in step with the objects selected here. No antialiasing is
// switched on, so lines and fills land on whole pixels as on the screen.
class QtDc : public Dc {
public:
    // printerHatches: hatch patterns follow the painter's transformation, so
    // that on a printer they keep the spacing they have on the screen.
    explicit QtDc(QPainter& painter, bool printerHatches = false);

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
    Rgb SetBkColor(Rgb color) override;
    Rgb SetTextColor(Rgb color) override;

private:
    void applyObjects();
    void applyBackground();

    QPainter& painter_;
    GdiObjects objects_;
    LogFont fontSpec_;
    QFont font_;
    int bkMode_ = TRANSPARENT;
    Rgb bkColor_ = RGB(255, 255, 255);
    Rgb textColor_ = 0;
};

} // namespace tramel
