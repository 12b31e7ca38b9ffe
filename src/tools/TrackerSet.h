#pragma once

#include <optional>
#include <vector>

#include "geometry/PlaneGeometry.h"
#include "geometry/RectF.h"
#include "model/DrawObjTransformation.h"
#include "platform/DrawContext.h"

namespace korvo {

class CData;
class CPaper;

// The grips on the selection of the selection tool. Resize grips (mode 0) scale the selection
// about the opposite corner or side, or move an end of a single line; rotate grips (mode 1) move
// the rotation centre or turn the selection about it. A grip drag changes the selected nodes
// themselves as the mouse moves and records the same change in a transformation, which the
// document receives when the drag ends.
class CTrackerSet {
public:
    enum class Mode { Resize = 0, Rotate = 1 };
    // How the grips are laid out.
    enum class Layout { None, LineEnds, Eight, Horizontal, Vertical, Rotate };

    // The extents span at least this many pixels in each direction, so grips never overlap.
    static constexpr int kMinSpanPixels = 10;
    // A resize drag never makes a scaled side shorter than this.
    static constexpr int kMinScalePixels = 3;
    static constexpr ColorRef kRotateGripColor = MakeColor(0, 0, 128);

    // Gathers the selected nodes (the members of selected groups too) and, with `grips`, lays
    // out the grips of the current mode. A centre the user moved stays while the same nodes
    // stay selected.
    void Build(CPaper& paper, bool grips);
    // No nodes, no grips, back to resize grips.
    void Clear();

    int Count() const { return count_; }
    bool HasGrips() const { return !grips_.empty(); }
    const std::vector<CData*>& Nodes() const { return nodes_; }
    const std::vector<PointF>& Grips() const { return grips_; }
    Mode GetMode() const { return mode_; }
    void ToggleMode();
    Layout GetLayout() const { return layout_; }
    int GetSubMode() const { return subMode_; }
    const RectF& GetExtents() const { return extents_; }
    PointF GetCentre() const { return centre_; }
    double GetAngle() const { return angle_; }

    // The grip (1 based) under a client pixel, 0 for none; the first in number order wins.
    int HitTest(const CPaper& paper, DevicePoint p) const;
    void Draw(const CPaper& paper, IDrawContext& dc) const;

    // --- grip drags ------------------------------------------------------------------------
    // Grabs grip `grip` (1 based) with the mouse at `at`; false when there is no such grip.
    bool BeginDrag(CPaper& paper, int grip, PointF at);
    bool IsLive() const { return live_; }
    int GrabbedGrip() const { return grabbed_; }
    // Resize grips and the centre follow the snapped point, rotate grips the raw cursor.
    bool FollowsSnapPoint() const;
    // Moves the grabbed grip to `p` and changes the selection accordingly; the world area to
    // re-render (before and after), or nothing when nothing changed.
    std::optional<RectF> DragTo(CPaper& paper, PointF p);
    // What the drag did to the selection, as a placement frame moved along with it.
    const CDrawObjTransformation& Transformation() const { return transformation_; }
    // The drag is over: extents and grips are taken anew from the changed nodes.
    void EndDrag(CPaper& paper, bool grips);

private:
    void Gather(CData& node, bool inSelectedGroup);
    void ComputeExtents(CPaper& paper);
    void LayOut();
    void LayOutEight(float midX, float midY);
    RectF RootExtents(CPaper& paper) const;
    bool ScaleTo(CPaper& paper, PointF p);
    void MoveLineEnd(PointF p);
    void RotateTo(PointF p);

    std::vector<CData*> nodes_;
    // The selected nodes that no selected group holds: the ones a drag changes.
    std::vector<CData*> roots_;
    CData* single_ = nullptr;
    int count_ = 0;
    RectF extents_;
    PointF centre_;
    bool centreMoved_ = false;
    double angle_ = 0.0;
    Mode mode_ = Mode::Resize;
    int subMode_ = 3;
    Layout layout_ = Layout::None;
    std::vector<PointF> grips_;

    int grabbed_ = 0;
    bool live_ = false;
    PointF reference_;
    PointF size_;
    bool scaleX_ = false;
    bool scaleY_ = false;
    PointF last_;
    CDrawObjTransformation transformation_;
};

}  // namespace korvo
