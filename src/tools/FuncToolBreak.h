#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "tools/FuncTool.h"

namespace korvo {

class CData;

// Break element (19172): the first click picks a line or arc, the next two the break points on
// it; the piece between them is removed and the tool waits for the next element. While the
// second point is chosen the status bar shows it with its direction and distance from the first.
class CFuncToolBreak final : public CFuncTool {
public:
    explicit CFuncToolBreak(CKorvoFEView& view) : CFuncTool(view) {}

    void Start() override;
    std::string_view Prompt() const override;
    void OnLButtonDown(const ToolEvent& e) override;
    void OnMouseMove(const ToolEvent& e) override;
    void DrawFeedback(IDrawContext& dc) override;
    void OnRButtonDown(const ToolEvent& e) override;
    void ResetInput(const ToolEvent& e) override;
    void OnScroll(int code, int position, ScrollBar bar) override;
    // Escape takes back the last pick: the first break point, else the element.
    void OnKeyDown(const KeyEvent& event) override;

private:
    enum class Step : std::uint8_t { PickElement = 0, FirstPoint = 1, SecondPoint = 2 };

    // A break point found on the picked element for a world point.
    struct BreakPoint {
        PointF point;
        int code = 0;        // lines: where on the segment
        double angle = 0.0;  // ellipses: the arc angle, degrees
    };

    void Restart();
    void PickElement(CPaper& paper, DevicePoint at);
    // The click's break point on the picked element; false when it lies off the element.
    bool FindBreakPoint(PointF at, BreakPoint& found) const;
    void ChooseFirst(PointF at);
    void ChooseSecond(CPaper& paper, PointF at);
    // The world point a click stands for: the snap point when snapping finds one.
    PointF ClickPoint(CPaper& paper, DevicePoint at) const;
    // The picked node, unless a command has taken it out of the drawing meanwhile.
    CData* LiveNode();

    std::vector<CData*> candidates_;
    CData* node_ = nullptr;
    Step step_ = Step::PickElement;
    BreakPoint first_;
    // The would-be break point under the mouse while a point is chosen.
    BreakPoint tracked_;
    bool tracking_ = false;
};

}  // namespace korvo
