#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "geometry/PlaneGeometry.h"
#include "geometry/RectF.h"
#include "model/CharacterTable.h"
#include "model/ResourceTable.h"
#include "platform/DrawContext.h"
#include "platform/Object.h"

namespace korvo {

class CData;
class CDataCollection;
class CKorvoFont;
struct TableGlyphLayouts;

// Snap kinds, also the bits of a snap mode.
inline constexpr int kSnapEndPoint = 1;
inline constexpr int kSnapMidPoint = 2;
inline constexpr int kSnapIntersection = 4;
inline constexpr int kSnapCentre = 8;

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
    ColorRef backgroundColor = 0xFFFFFF;
    ColorRef gridDotColor = 0;
    ColorRef widePenColor = 0;
};

// The drawing sheet of one document: the glyph's 200 x 200 drawing area beside the character
// table, the mapping between drawing units (y up) and device pixels (y down) for the screen and
// the printer, the culling window, and the pens and brushes that every element draws with.
class CPaper : public CObject {
public:
    static const CRuntimeClass kRuntimeClass;
    static constexpr std::uint16_t kSchema = 14;
    static constexpr int kHelpLineCount = 7;
    static constexpr float kMaxExtent = 999999.0f;
    // Drawing units around the cursor within which snapping looks for points.
    static constexpr double kSnapTolerance = 10.0;
    // Device pixels around the cursor within which an element is picked.
    static constexpr int kPickPixels = 14;

    CPaper();
    CPaper(float x, float y, float w, float h, float leftMargin, float bottomMargin,
           float rightMargin, float topMargin, float gridX, float gridY);
    CPaper(const CPaper&) = delete;
    CPaper& operator=(const CPaper&) = delete;
    ~CPaper() override;

    const CRuntimeClass* GetRuntimeClass() const override { return &kRuntimeClass; }
    // Loading keeps this sheet's drawing values, clears every mark, shows the whole sheet and
    // drops the nodes tools only keep while they run.
    void Serialize(CArchive& ar) override;
    // Reads what Serialize stored, up to and with the drawing, without touching any sheet: the
    // stored grid switch goes to `showGrid`. Null when the bytes are damaged.
    static std::unique_ptr<CDataCollection> ReadStored(CArchive& ar, std::int32_t& showGrid);

    // --- the drawing -------------------------------------------------------------------------
    const CDataCollection* GetCollection() const { return collection_.get(); }
    CDataCollection* GetCollection() { return collection_.get(); }
    // The collection handed to scripts and inspection tools.
    const CDataCollection* GetDataCollectionController() const { return collection_.get(); }
    CDataCollection* GetDataCollectionController() { return collection_.get(); }
    CData* AddNode(std::unique_ptr<CData> node);
    // Makes `drawing` the sheet's drawing (an empty one for null) and hands back the old one;
    // the nodes keep their marks.
    std::unique_ptr<CDataCollection> ReplaceCollection(std::unique_ptr<CDataCollection> drawing);
    void SetMarkAll(std::uint16_t mark);
    // The nearest visible element of that node type (0: any) within the pick distance.
    CData* PickElement(DevicePoint p, std::int32_t type);
    PointF SnapToGrid(DevicePoint p) const;
    // The nearest end, mid, intersection or centre point (as the mode's bits allow) within the
    // snap tolerance: its kind, or 0 with `out` at the cursor.
    int SnapToPoints(int mode, DevicePoint p, PointF& out);
    // The pen of the frame and the table's cell lines.
    static constexpr ColorRef kSheetLineColor = 0x00FF00;
    // Frame, grid, character table and help lines; nothing on a printer. `table`, when given,
    // stands in for PaintTable (the view replays a table it drew before); it is called with a
    // solid pen of kSheetLineColor and the copy raster operation selected.
    void PaintBackground(IDrawContext& dc,
                         const std::function<void(IDrawContext&)>& table = nullptr);
    // The character table alone; `kept`, when given, holds glyph layouts of the paper's font
    // from an earlier render and takes the ones laid out now.
    void PaintTable(IDrawContext& dc, TableGlyphLayouts* kept = nullptr);

    // --- mapping ---------------------------------------------------------------------------
    void SetClientRect(const DeviceRect& client);
    void FitToClient();
    // Switches to the printer mapping for a page with this many printable pixels.
    void SetupPrinter(int printableWidth, int printableHeight);
    // The client size of the last SetClientRect, for going back to the screen after printing.
    DevicePoint GetClientSize() const { return client_; }
    void SetWindowOrigin(float x, float y);
    void SetWindowSize(float w, float h);
    PointF GetWindowOrigin() const { return windowOrigin_; }
    PointF GetWindowSize() const { return windowSize_; }
    bool IsPrintMode() const { return printMode_ != 0; }

    // Device coordinates are ints; a drawing far outside the view must not overflow them. Not a
    // number counts as far out to the left.
    static int ToDevice(double v) {
        constexpr double kLimit = 1.0e9;
        return static_cast<int>(std::min(std::max(-kLimit, v), kLimit));
    }
    // The conversion of the current mode as a value, for loops converting many points (styled
    // strokes convert one for every quarter unit they run).
    struct DeviceMap {
        PointF origin;
        double scale = 1.0;
        double offsetX = 0.0;  // whole pixels, kept as the doubles they are added as
        double offsetY = 0.0;
        DevicePoint operator()(PointF p) const {
            return {ToDevice((p.x - origin.x) * scale + offsetX + 0.5),
                    ToDevice(-(p.y - origin.y) * scale + offsetY + 0.5)};
        }
    };
    DeviceMap WorldToDeviceMap() const {
        return printMode_ != 0
                   ? DeviceMap{printOrigin_, printScale_, static_cast<double>(printOffset_.x),
                               static_cast<double>(printOffset_.y)}
                   : DeviceMap{windowOrigin_, zoom_, static_cast<double>(screenOffset_.x),
                               static_cast<double>(screenOffset_.y)};
    }
    DevicePoint WorldToDevice(PointF p) const { return WorldToDeviceMap()(p); }
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
    void SetGridOrigin(float x, float y) { gridOrigin_ = {x, y}; }
    PointF GetGridOrigin() const { return gridOrigin_; }
    void SetCrossGrid(float x, float y) { crossGrid_ = {x, y}; }
    PointF GetCrossGrid() const { return crossGrid_; }
    bool IsShowGrid() const { return showGrid_ != 0; }
    void SetShowGrid(bool show) { showGrid_ = show ? 1 : 0; }
    bool IsShowTable() const { return showTable_ != 0; }
    void SetShowTable(bool show) { showTable_ = show ? 1 : 0; }
    float GetHelpLine(int i) const { return helpLines_[i]; }
    bool IsHelpLineShown(int i) const { return helpLineFlags_[i] != 0; }
    void SetHelpLine(int i, float position, bool shown);
    PointF GetExtension() const { return extension_; }
    // The drawing area's size, each side clamped to 0 ... kMaxExtent.
    void SetExtension(float w, float h);
    float GetSheetFactor() const { return sheetFactor_; }
    // The font whose glyphs vector text and the character table draw; not owned, may be null.
    void SetFont(const CKorvoFont* font) { font_ = font; }
    const CKorvoFont* GetFont() const { return font_; }

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
    int PenCount() const { return pens_.Count(); }

private:
    void BuildSharedResources();
    void PaintGrid(IDrawContext& dc) const;
    void PaintCrossGrid(IDrawContext& dc) const;
    void PaintHelpLines(IDrawContext& dc) const;
    void DropTransientNodes();
    void UpdateVisibleWindow();

    std::unique_ptr<CDataCollection> collection_;
    std::array<float, kHelpLineCount> helpLines_{60, 100, 140, 180, 140, 40, 0};
    std::array<std::int32_t, kHelpLineCount> helpLineFlags_{1, 1, 1, 1, 1, 1, 1};
    PointF extension_{kSheetWidth, kSheetHeight};
    float sheetFactor_ = 1.0f;
    PointF grid_{kSheetGrid, kSheetGrid};
    PointF gridOrigin_{0.0f, 0.0f};
    PointF crossGrid_{0.0f, 0.0f};
    std::int32_t showGrid_ = 1;
    std::int32_t showTable_ = 1;
    PointF windowOrigin_{0.0f, 0.0f};
    PointF windowSize_{kSheetWidth, kSheetHeight};
    std::int32_t printMode_ = 0;
    RectF visibleWindow_{0.0f, 0.0f, kSheetWidth, kSheetHeight};
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

    const CKorvoFont* font_ = nullptr;
    SheetValues values_;
    CResourceTable<Pen> pens_;
    CResourceTable<Brush> brushes_;
    int markedPen_ = 0;
    int markedBrush_ = 0;
    int backgroundPen_ = 0;
    int backgroundBrush_ = 0;
};

}  // namespace korvo
