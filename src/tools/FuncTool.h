#pragma once

#include <string_view>

#include "geometry/PlaneGeometry.h"
#include "platform/DrawContext.h"
#include "view/ViewTool.h"

namespace korvo {

class CKorvoFEView;
class CPaper;

// The base of every interactive tool. It tracks the cursor in world units (raw and snapped),
// refreshes the feedback when either point changes, and draws the default feedback: a crosshair
// while the tool shows no cursor, and the marker of the snap point found last. Every other
// operation does nothing (Suspend and OnScroll remove the feedback), so a tool overrides only
// the events it uses.
class CFuncTool : public IViewTool {
public:
    // The crosshair and the snap marker colours.
    static constexpr ColorRef kCrosshairColor = MakeColor(0, 128, 128);
    static constexpr ColorRef kSnapMarkerColor = MakeColor(128, 128, 0);

    explicit CFuncTool(CKorvoFEView& view);
    ~CFuncTool() override = default;
    CFuncTool(const CFuncTool&) = delete;
    CFuncTool& operator=(const CFuncTool&) = delete;

    void Start() override {}
    void End() override;
    void Suspend() override;
    void Finish() override;
    void DrawFeedback(IDrawContext& dc) override;
    void OnLButtonDown(const ToolEvent&) override {}
    void OnLButtonUp(const ToolEvent&) override {}
    void OnLButtonDblClk(const ToolEvent&) override {}
    void OnMouseMove(const ToolEvent& e) override;
    void OnRButtonDown(const ToolEvent&) override {}
    void OnRButtonDblClk(const ToolEvent&) override {}
    void ResetInput(const ToolEvent&) override {}
    void OnKillFocus() override {}
    void OnReservedEvent(int) override {}
    void OnScroll(int code, int position, ScrollBar bar) override;
    void OnReservedScroll(int code, int position, ScrollBar bar) override;
    void OnKeyDown(const KeyEvent&) override {}
    void OnContextMenu(int, int) override {}
    void RotateBy(float) override {}
    void ScaleBy(float, float) override {}
    bool AcceptElement(CDrawObj*) override { return true; }

    CursorShape GetCursor() const override { return cursor_; }
    std::string_view Prompt() const override { return {}; }
    void OnTrackersSwitched(bool) override {}

    PointF GetSnapPoint() const { return snap_; }
    PointF GetPrevSnapPoint() const { return prevSnap_; }
    PointF GetRawPoint() const { return raw_; }
    PointF GetPrevRawPoint() const { return prevRaw_; }
    DevicePoint GetRawScreenPoint() const { return rawScreen_; }
    bool IsFeedbackOn() const { return feedbackOn_; }
    float GetFactor() const { return factor_; }

protected:
    CKorvoFEView& View() const { return view_; }
    // The paper of the view's document; null when the document has none.
    CPaper* Paper() const;
    // Pane 1 of the status bar.
    void SetStatusText(std::string_view text) const;
    // Marks the whole screen for repainting in a batch of its own.
    void MarkScreen() const;
    void SetCursor(CursorShape cursor) { cursor_ = cursor; }
    void SetFeedback(bool on) { feedbackOn_ = on; }
    void SetSnapPoint(PointF p) { snap_ = p; }
    void SetFlag(int flag) { flag_ = flag; }
    int GetFlag() const { return flag_; }
    // The value-input dialog with one or two rows; false when the user cancels.
    bool AskValues(std::string_view label1, float& value1) const;
    bool AskValues(std::string_view label1, float& value1, std::string_view label2,
                   float& value2) const;
    // The keypad's quarter turns (+, -) and doublings and halvings (*, /) of what a tool carries;
    // false for any other key.
    bool TurnOrScaleByKeypad(Key key);
    // A left click at the snap point, as a value typed in the dialog or a key makes it.
    ToolEvent TypedClick(const InputState& state) const;
    // A client pixel in world units and back.
    PointF ToWorld(int x, int y) const;
    DevicePoint ToDevice(PointF p) const;

private:
    void DrawSnapMarker(IDrawContext& dc, DevicePoint s) const;

    CKorvoFEView& view_;
    PointF snap_;
    PointF prevSnap_;
    CursorShape cursor_ = CursorShape::Cross;
    int flag_ = 1;
    bool feedbackOn_ = false;
    PointF prevRaw_;
    PointF raw_;
    DevicePoint rawScreen_;
    float factor_ = 1.0f;
};

}  // namespace korvo
