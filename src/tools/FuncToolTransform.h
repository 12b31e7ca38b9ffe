#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "edit/TransformEdits.h"
#include "tools/FuncTool.h"

namespace korvo {

class CData;
class CDrawObjTransformation;

// What the move, copy, rotate, scale and mirror tools share: a ghost of the selection that follows
// the mouse, so the user sees the result before the last click. The ghost is a node of its own
// holding copies of the selected nodes and a placement frame; whatever is done to the ghost is
// done to the frame too, so the frame tells how far the ghost has been turned and scaled.
class CFuncToolTransform : public CFuncTool {
public:
    using CFuncTool::CFuncTool;
    ~CFuncToolTransform() override;

    void Start() override;
    void End() override;
    void DrawFeedback(IDrawContext& dc) override;
    void OnMouseMove(const ToolEvent& e) override;
    void OnRButtonDown(const ToolEvent& e) override;
    void OnKillFocus() override { Suspend(); }
    // Escape takes a step back like the right button, but never leaves the tool; every other key
    // goes to OnToolKey.
    void OnKeyDown(const KeyEvent& event) override;
    // Turn and scale the ghost about its frame's origin while a point has been given.
    void RotateBy(float radians) override;
    void ScaleBy(float factorX, float factorY) override;

    std::uint8_t GetStepNumber() const { return step_; }
    PointF GetBasePoint() const { return basePoint_; }
    // The ghost's copies of the selection, null before Start.
    const CDataCollection* GetGhostNodes() const;
    // The turn and scale of the ghost's frame.
    GhostPose GetGhostPose() const;

protected:
    void SetStepNumber(std::uint8_t step) { step_ = step; }
    void SetBasePoint(PointF p) { basePoint_ = p; }
    PointF GetLastPoint() const { return lastPoint_; }
    void SetLastPoint(PointF p) { lastPoint_ = p; }
    double GetLastAngle() const { return lastAngle_; }
    void SetLastAngle(double angle) { lastAngle_ = angle; }

    // The ghost made afresh from the selection, its frame at the current point, unturned and
    // unscaled, and shown at once.
    void ResetGhost();
    CData* Ghost() const { return ghost_.get(); }
    CDrawObjTransformation* GhostFrame() const;
    // Called after every mouse move with the current point.
    virtual void FollowMouse(PointF) {}
    // Drawn over the ghost once a point is given, so that the fixed point and what the mouse does
    // to it can be read even where the ghost alone cannot show it (on the selection, or frozen at
    // factors the ghost does not take): by default the base point and a line from it to the mouse.
    virtual void DrawConstruction(IDrawContext& dc, const CPaper& paper) const;
    // One step back from a step other than the first.
    virtual void StepBack() = 0;
    // The tool's own keys.
    virtual void OnToolKey(const KeyEvent&) {}
    // Re-renders what an edit touched, in one batch.
    void Redraw(const RectF& touched) const;
    // Leaves for the selection tool; nothing may touch the tool afterwards.
    void Done() const;

    // A typed point in the sheet's units, divided by the tool's factor; nothing when cancelled.
    std::optional<PointF> AskPoint(std::string_view labelX, std::string_view labelY, PointF preset);
    // A typed point is handled like a click at it.
    void ClickAt(PointF p, const InputState& state);

private:
    void BuildGhost(PointF origin);

    std::uint8_t step_ = 0;
    std::unique_ptr<CData> ghost_;
    PointF basePoint_;
    PointF lastPoint_;
    double lastAngle_ = 0.0;
};

}  // namespace korvo
