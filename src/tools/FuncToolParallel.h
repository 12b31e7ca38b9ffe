#pragma once

#include <cstdint>
#include <string_view>

#include "tools/FuncToolDraw.h"

namespace korvo {

// Draw parallel (19190): a click picks a line or an ellipse, the next click copies it through
// the clicked point (the ghost shows where), and the tool waits for the next pick. Space types the
// distance instead, with how many parallels to make one after another at that spacing.
class CFuncToolParallel final : public CFuncToolDraw {
public:
    enum class Step : std::uint8_t { Pick, Place };

    // The labels of the typed distance and of the number of parallels.
    static constexpr std::string_view kDistanceLabel = "Distance";
    static constexpr std::string_view kCountLabel = "Count";
    // More parallels than this from one entry are a slip of the keyboard.
    static constexpr int kMaxCount = 100;

    using CFuncToolDraw::CFuncToolDraw;

    void Start() override;
    std::string_view Prompt() const override;
    // The tool's values leave the status bar with it.
    void End() override;
    void DrawFeedback(IDrawContext& dc) override;
    void OnLButtonDown(const ToolEvent& e) override;
    void OnMouseMove(const ToolEvent& e) override;
    void OnRButtonDown(const ToolEvent& e) override;
    void OnKeyDown(const KeyEvent& event) override;

    Step GetStep() const { return step_; }

private:
    void Pick(DevicePoint at);
    // Adds the parallel through `p` beside the picked node; false when there is none.
    bool AddParallel(PointF p);
    void TypeDistance();
    void BackToPick();

    Step step_ = Step::Pick;
    CData* picked_ = nullptr;
};

}  // namespace korvo
