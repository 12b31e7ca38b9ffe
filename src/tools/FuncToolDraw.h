#pragma once

#include <fmt/printf.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/DialogHost.h"
#include "resources/StringTable.h"
#include "tools/FuncTool.h"

namespace korvo {

class CData;
class CDrawObj;

// What the drawing tools share: the crosshair instead of a cursor, the pen of the rubber band,
// new elements in the sheet's current drawing values, adding a finished element to the drawing,
// the live values in the status bar and the value-input dialog for typed points.
class CFuncToolDraw : public CFuncTool {
public:
    // Circles, arcs and ellipses always take this colour, whatever the current colour.
    static constexpr std::uint32_t kCurveColor = 0xFFFF00;

    explicit CFuncToolDraw(CKorvoFEView& view);

    // The crosshair replaces the cursor and the feedback follows the mouse.
    void Start() override;

protected:
    // The rubber band draws with the sheet's current pen, read again whenever the band changes.
    void ReadRubberPen();
    // Draws a rubber band the way the element it stands for draws itself.
    void DrawRubberLine(IDrawContext& dc, PointF from, PointF to) const;
    void DrawRubberCurve(IDrawContext& dc, PointF centre, float a, float b, float start,
                         float end) const;

    // New nodes in the sheet's current drawing values; their factor is the tool's.
    std::unique_ptr<CData> MakeLineNode(PointF from, PointF to) const;
    std::unique_ptr<CData> MakeCurveNode(PointF centre, float a, float b, float start,
                                         float end) const;
    // Appends a node the tool accepts to the drawing and shows it; false when it was refused.
    bool AddNode(std::unique_ptr<CData> node);

    // Pane 1: a numbered format with its values.
    template <class... Args>
    void ShowStatus(int id, Args... values) const {
        SetStatusText(fmt::sprintf(std::string(LoadString(id)), static_cast<double>(values)...));
    }

    // A click at the snap point, as a typed point hands it to the tool's own click logic.
    void ClickAtSnapPoint(const InputState& state);
    // Nothing under way any more: the band is taken off the screen.
    void RemoveRubberBand() const { MarkScreen(); }
    // Right click with nothing under way: the user is done drawing.
    void SwitchToSelectionTool() const;

private:
    std::uint16_t penStyle_ = 0;
    std::uint16_t penWidth_ = 0;
    std::uint32_t penColor_ = 0;
};

}  // namespace korvo
