#pragma once

#include <string_view>

#include "tools/FuncToolRubberWindow.h"
#include "tools/TrackerSet.h"

namespace korvo {

class CData;

// The default tool (19055 and 19082). A click picks an element and selects its outermost group
// (Shift toggles, Ctrl adds, a second click on the selection switches the trackers between
// resize and rotate grips); a click on empty space clears the selection and spans a window
// that selects what lies entirely inside it; the trackers' grips move, scale and rotate the
// selection. Double clicks on the character table load a character (left) or store the drawing
// into one (right).
class CFuncToolSelectTool : public CFuncToolRubberWindow {
public:
    enum class Step {
        Idle,
        Window,     // between a click on empty space and the release of the button
        GripDrag,   // a grip follows the mouse until the button is released
        DragArmed,  // a click selected something; moving away starts a drag of the selection
    };

    using CFuncToolRubberWindow::CFuncToolRubberWindow;

    void Start() override;
    std::string_view Prompt() const override;
    void End() override;
    void DrawFeedback(IDrawContext& dc) override;
    void OnLButtonDown(const ToolEvent& e) override;
    void OnLButtonUp(const ToolEvent& e) override;
    void OnLButtonDblClk(const ToolEvent& e) override;
    void OnMouseMove(const ToolEvent& e) override;
    void OnRButtonDown(const ToolEvent& e) override;
    void OnRButtonDblClk(const ToolEvent& e) override;
    void OnScroll(int code, int position, ScrollBar bar) override;
    void OnTrackersSwitched(bool on) override;

    // What a click on `node` selects: its parent with Shift and Ctrl held (when it has one),
    // else its outermost group, so that groups are selected as a whole.
    virtual CData* PickTarget(const InputState& state, CData* node);

    Step GetStep() const;
    const CTrackerSet& Trackers() const { return trackers_; }
    PointF GetPressPoint() const { return press_; }

protected:
    // The selection starts to be dragged from `pressPoint` (the view's drag and drop).
    virtual void StartSelectionDrag(PointF pressPoint);

private:
    bool SelectAt(const ToolEvent& e);
    void SelectByWindow(const InputState& state);
    void DeselectAll();
    void RebuildTrackers();
    void BeginGripDrag(int grip);
    // True while a grip drag holds the mouse.
    bool TrackerMouseMove(const ToolEvent& e);
    void EndGripDrag();

    CTrackerSet trackers_;
    bool armed_ = false;
    PointF press_;
};

}  // namespace korvo
