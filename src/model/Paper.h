#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "geometry/PlaneGeometry.h"
#include "geometry/RectF.h"
#include "model/ResourceTable.h"
#include "platform/DrawContext.h"

namespace korvo {

// Drawing values every sheet starts from and keeps for its whole life; an archive carries them
// but loading never changes them.
struct SheetValues {
    std::uint16_t penStyle = 0;
    std::uint16_t width = 250;
    ColorRef color = 0;
    std::uint16_t fillStyle = 0;
    ColorRef fillColor = 0;
    std::uint32_t hatch = 0;
    std::uint16_t level = 1;
    ColorRef selectionColor = 0x0000FF;
    ColorRef highlightColor = 0x808000;
    ColorRef thirdColor = 0xA56E3A;
    ColorRef backgroundColor = 0xFFFFFF;
    ColorRef gridDotColor = 0;
    ColorRef widePenColor = 0;
};

// The drawing sheet of one document: the glyph's 200 x 200 drawing area beside the character
// table, the mapping between drawing units (y up) and device pixels (y down) for the screen and
// the printer, the culling window, and the pens and brushes that every element draws with.
class CPaper {
public:
    static constexpr int kHelpLineCount = 7;
    static constexpr float kMaxExtent = 999999.0f;

    CPaper();
    CPaper(float x, float y, float w, float h, float leftMargin, float bottomMargin,
           float rightMargin, float topMargin, float gridX, float gridY);
    CPaper(const CPaper&) = delete;
    CPaper& operator=(const CPaper&) = delete;

    // --- mapping ---------------------------------------------------------------------------
    void SetClientRect(const DeviceRect& client);
    void FitToClient();
    // Switches to the printer mapping for a page with this many printable pixels.
    void SetupPrinter(int printableWidth, int printableHeight);
    void SetWindowOrigin(float x, float y);
    void SetWindowSize(float w, float h);
    PointF GetWindowOrigin() const { return windowOrigin_; }
    PointF GetWindowSize() const { return windowSize_; }
    bool IsPrintMode() const { return printMode_ != 0; }

    DevicePoint WorldToDevice(PointF p) const;
    PointF DeviceToWorld(DevicePoint p) const;
    DeviceRect WorldRectToDevice(const RectF& r) const;
    RectF DeviceRectToWorld(const DeviceRect& r) const;
    int LengthToDevice(double length) const;
    double DeviceLengthToWorld(int pixels) const;
    // The culling test: true unless the rectangle overlaps the visible window.
    bool IsOutside(const RectF& r) const;
    const RectF& GetVisibleWindow() const { return visibleWindow_; }

    double GetScale() const { return scale_; }
    double GetPrintScale() const { return printScale_; }
    double GetZoom() const { return zoom_; }

    // --- sheet settings --------------------------------------------------------------------
    void SetGrid(float x, float y);
    PointF GetGrid() const { return grid_; }
    PointF GetExtension() const { return extension_; }
    float GetSheetFactor() const { return sheetFactor_; }

    // --- pens and brushes ------------------------------------------------------------------
    const SheetValues& Values() const { return values_; }
    // Black on a black background would vanish and white stands for "the background".
    ColorRef ReplaceColor(ColorRef color) const;
    int FindPen(std::uint16_t style, std::uint16_t width, ColorRef color);
    int FindBrush(std::uint32_t fillStyle, ColorRef fillColor, std::uint32_t hatch);
    const Pen& PenAt(int index) const { return pens_.At(index); }
    const Brush& BrushAt(int index) const { return brushes_.At(index); }
    const Pen& MarkedPen() const { return pens_.At(markedPen_); }
    const Brush& MarkedBrush() const { return brushes_.At(markedBrush_); }
    const Pen& BackgroundPen() const { return pens_.At(backgroundPen_); }
    const Brush& BackgroundBrush() const { return brushes_.At(backgroundBrush_); }
    const Pen& HighlightPen() const { return pens_.At(highlightPen_); }
    const Pen& WidePen() const { return pens_.At(widePen_); }
    int PenCount() const { return pens_.Count(); }

private:
    void BuildSharedResources();
    void UpdateVisibleWindow();

    std::array<float, kHelpLineCount> helpLines_{60, 100, 140, 180, 140, 40, 0};
    std::array<std::int32_t, kHelpLineCount> helpLineFlags_{1, 1, 1, 1, 1, 1, 1};
    PointF extension_{620.0f, 350.0f};
    float sheetFactor_ = 1.0f;
    PointF grid_{2.5f, 2.5f};
    PointF gridOrigin_{0.0f, 0.0f};
    PointF crossGrid_{0.0f, 0.0f};
    std::int32_t showGrid_ = 1;
    std::int32_t showTable_ = 1;
    PointF windowOrigin_{0.0f, 0.0f};
    PointF windowSize_{620.0f, 350.0f};
    std::int32_t printMode_ = 0;
    RectF visibleWindow_{0.0f, 0.0f, 620.0f, 350.0f};
    PointF printOrigin_{0.0f, 0.0f};
    DevicePoint client_{0, 0};
    DevicePoint screenOffset_{0, 0};
    DevicePoint screenExtent_{0, 0};
    DevicePoint printOffset_{0, 0};
    double zoom_ = 1.0;
    double inverseZoom_ = 1.0;
    double scale_ = 1.0;
    double printScale_ = 1.0;
    double inversePrintScale_ = 1.0;

    SheetValues values_;
    CResourceTable<Pen> pens_;
    CResourceTable<Brush> brushes_;
    int currentPen_ = 0;
    int currentBrush_ = 0;
    int markedPen_ = 0;
    int markedBrush_ = 0;
    int highlightPen_ = 0;
    int highlightBrush_ = 0;
    int thirdPen_ = 0;
    int thirdBrush_ = 0;
    int backgroundPen_ = 0;
    int backgroundBrush_ = 0;
    int secondColorPen_ = 0;
    int widePen_ = 0;
};

}  // namespace korvo
