#pragma once
#include "dc.h"
#include "gdi_objects.h"
#include "qt_font.h"
#include "qt_raster_cache.h"

#include <QColor>
#include <QPoint>

#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

namespace tramel {

// The Qt colour of an RGB long: the one conversion of the program's colours for Qt.
QColor qtColor(Rgb c);

// A device context that draws through a QPainter, on whatever device the
// painter has begun: the window's image, a BMP image, a printer or a preview.
// The painter stays the caller's; QtDc keeps its pen, brush and background in
// step with the objects selected here, setting them on the painter when a
// drawing call needs them and they differ from what QtDc last set (a drawing
// selects and restores objects for every entity), so the caller leaves them
// alone while QtDc draws. No antialiasing is switched on, so lines and fills
// land on whole pixels as on the screen.
//
// On an image with no transformation, clipping or special composition, QtDc
// writes pixels into the image itself where the painter would give the same
// pixels at a much higher cost: SetPixel (a drawing plots one per entity);
// texts, each rendered once by the painter into a coverage mask and blended
// in its colour (through the painter a text costs tens of microseconds, as
// every angle is a new glyph set for the font engine); and small shapes
// (short thick strokes among them), each rendered once by the painter into a
// stamp. The masks and stamps
// (qt_raster_cache.h) are kept across device contexts.
class QtDc : public Dc {
public:
    // printerPatterns: hatch patterns follow the painter's transformation, and
    // hatches and the dashes of thin pens are scaled from 96 dpi to the
    // device's resolution, so that on a printer they keep the lengths they
    // have on the screen.
    explicit QtDc(QPainter& painter, bool printerPatterns = false);

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

private:
    void usePen();
    void useBrush();
    void useBackground();
    QImage* pixelTarget() const;
    const QPoint* qtPoints(const std::vector<DevPoint>& points);
    bool textFromMask(QImage& image, int x, int y, std::string_view ansiText);
    bool fromStamp(QPoint at, QSize extent, const std::function<void(QPainter&, QPoint)>& draw);
    bool pointsFromStamp(ShapeKey::Kind kind, const std::vector<DevPoint>& points);
    bool boxFromStamp(ShapeKey::Kind kind, const QRectF& box, std::initializer_list<std::int64_t> more,
                      const std::function<void(QPainter&, const QRectF&)>& draw);

    QPainter& painter_;
    GdiObjects objects_;
    QtFontCache fonts_;
    double patternScale_ = 1; // device pixels per pixel of a hatch's or a dash's pattern
    int bkMode_ = TRANSPARENT;
    int rop_ = R2_COPYPEN;
    Rgb bkColor_ = RGB(255, 255, 255);
    Rgb textColor_ = 0;
    // What the painter holds, as last set here; empty when not known.
    std::optional<PenObj> painterPen_;
    std::optional<BrushObj> painterBrush_;
    std::optional<std::pair<int, Rgb>> painterBackground_;
    std::vector<QPoint> points_; // reused for every polygon and polyline
    ShapeKey probe_;             // reused to look stamps up
};

} // namespace tramel
