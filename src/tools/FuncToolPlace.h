#pragma once

#include <memory>
#include <optional>
#include <string_view>

#include "geometry/RectF.h"
#include "model/DataCollection.h"
#include "tools/FuncToolDraw.h"

namespace korvo {

// Load symbol (19078): carries the drawing elements on the clipboard with the mouse and drops a
// selected copy of them on the current level at each left click. The keypad turns (+, -) and
// scales (*, /) what is carried, Space types where it goes, the right button ends placing. The
// Paste tool is this tool with another pick-up and other levels.
class CFuncToolPlace : public CFuncToolDraw {
public:
    // The placing modes the key 0xE2 switches between.
    static constexpr int kPlacingModeFirst = 1;
    static constexpr int kPlacingModeSecond = 2;

    using CFuncToolDraw::CFuncToolDraw;
    ~CFuncToolPlace() override;
    std::string_view Prompt() const override;

    void Start() override;
    // The tool's values leave the status bar with it.
    void End() override;
    void DrawFeedback(IDrawContext& dc) override;
    void OnLButtonDown(const ToolEvent& e) override;
    void OnMouseMove(const ToolEvent& e) override;
    void OnRButtonDown(const ToolEvent& e) override;
    void OnKeyDown(const KeyEvent& event) override;
    void OnContextMenu(int screenX, int screenY) override;
    void RotateBy(float radians) override;
    void ScaleBy(float factorX, float factorY) override;

    // What is carried, null when nothing is; the point of it that sits under the cursor.
    const CDataCollection* GetCarried() const { return carried_.get(); }
    PointF GetReferencePoint() const { return reference_; }
    int GetPlacingMode() const { return placingMode_; }

protected:
    // The nodes to carry: the clipboard's collection. Null when the clipboard holds none (or an
    // empty one), and when its data is damaged, which the user is told.
    virtual std::unique_ptr<CDataCollection> GetSymbol();
    // Takes the symbol into the hand at the cursor.
    virtual void PickUp(CPaper& paper);
    // Puts a copy of the carried nodes on the paper; the area it covers, nothing when no copy
    // was made.
    virtual std::optional<RectF> PlaceCopy(CPaper& paper, const CDataCollection& carried);

    CDataCollection& Carried() { return *carried_; }
    // Moves what is carried so that its reference point lies at `p`.
    void MoveCarriedTo(PointF p);
    void SetReferencePoint(PointF p) { reference_ = p; }

private:
    std::unique_ptr<CDataCollection> carried_;
    int placingMode_ = kPlacingModeFirst;
    PointF reference_;
};

}  // namespace korvo
