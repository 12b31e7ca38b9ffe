#pragma once

#include <memory>
#include <vector>

#include "geometry/PlaneGeometry.h"
#include "geometry/RectF.h"

namespace korvo {

class CData;
class CDataCollection;
class CPaper;

// The moves, copies, turns, scales and mirrors of the transform tools, applied to the selected
// nodes of a sheet. A selected node is taken whole, children and all; inside an unselected group
// its selected members are taken one by one, so a node is never transformed twice. Every edit
// returns the world rectangle it touched (before and after), which the caller re-renders.

// How the ghost of a move has been turned and scaled since the base point was given: the factors
// are the lengths of its frame's axes, the angle the turn of its first axis in degrees.
struct GhostPose {
    float fx = 1.0f;
    float fy = 1.0f;
    float angle = 0.0f;
};

// The selected nodes at any depth, outermost first, in drawing order; floating nodes never count.
std::vector<CData*> CollectSelected(CDataCollection& nodes);
// Copies of the selected nodes in a list of their own, unselected.
std::unique_ptr<CDataCollection> CloneSelected(const CDataCollection& nodes);
// Union of the extents of the selected nodes.
RectF SelectedExtents(CPaper& paper);

// Translates by target - base, then scales and turns about the target as the ghost was.
RectF MoveSelected(CPaper& paper, PointF base, PointF target, const GhostPose& pose);
// The same on copies: they are added to the sheet and selected, the originals are left in place
// and unselected.
RectF CopySelected(CPaper& paper, PointF base, PointF target, const GhostPose& pose);
// Turns about the centre by `angle` radians, counter-clockwise.
RectF RotateSelected(CPaper& paper, PointF centre, double angle);
// Scales about the base point; zero and negative factors are applied as given.
RectF ScaleSelected(CPaper& paper, PointF base, double fx, double fy);
// Mirrors about the axis through `origin` at `angle` radians.
RectF MirrorSelected(CPaper& paper, PointF origin, double angle);

// The single-node forms the ghost shares with the edits above.
void MirrorNode(CData& node, PointF origin, double angle);
void MoveNode(CData& node, PointF base, PointF target, const GhostPose& pose);

// The Ctrl forms of rotate and mirror: the selection stays as it is, and turned or mirrored
// copies of it are added to the sheet as new, unselected elements.
RectF AddRotatedCopies(CPaper& paper, PointF centre, double angle);
RectF AddMirroredCopies(CPaper& paper, PointF origin, double angle);

}  // namespace korvo
