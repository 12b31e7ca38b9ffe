#include "model/SnapSearch.h"

#include <algorithm>

#include "model/DataCollection.h"
#include "model/DrawObjEllipse.h"
#include "model/DrawObjLine.h"
#include "model/ElementShapes.h"
#include "model/Paper.h"

namespace korvo {

CSnapSearch::CSnapSearch(CPaper& paper, PointF cursor, int mode, double tolerance)
    : paper_(paper),
      cursor_(cursor),
      mode_(mode),
      tolerance_(tolerance),
      bestDistance_(tolerance),
      best_(cursor) {}

void CSnapSearch::Visit(CDataCollection& nodes) {
    for (CData* node : nodes) {
        // A floating node is one a tool carries under the cursor (a copy being placed, a stroke
        // being drawn). Its points travel with the cursor and would always be the nearest, so
        // snapping to them would pin the node to itself; its children travel with it.
        if (node->IsFloating()) {
            continue;
        }
        if (node->GetElement() != nullptr) {
            Evaluate(*node);
        }
        if (node->GetChildren() != nullptr) {
            Visit(*node->GetChildren());
        }
    }
}

void CSnapSearch::Evaluate(CData& node) {
    CDrawObj& element = *node.GetElement();
    PointF q;
    if ((mode_ & kSnapCentre) != 0 && element.GetSnapPoint(q)) {
        Offer(q, kSnapCentre);
    }
    const RectF e = element.GetExtents(paper_, &node);
    const auto t = static_cast<float>(tolerance_);
    if (cursor_.x < e.minX - t || cursor_.x > e.maxX + t || cursor_.y < e.minY - t ||
        cursor_.y > e.maxY + t) {
        return;
    }
    q = cursor_;
    if ((mode_ & kSnapEndPoint) != 0 && element.SnapNearestEndPoint(q)) {
        Offer(q, kSnapEndPoint);
    }
    if ((mode_ & kSnapMidPoint) != 0 && element.GetMidPoint(q)) {
        Offer(q, kSnapMidPoint);
    }
    if ((mode_ & kSnapIntersection) != 0) {
        CollectSegments(node);
    }
}

void CSnapSearch::CollectSegments(CData& node) {
    CDrawObj& element = *node.GetElement();
    if (element.IsKindOf(CDrawObjLine::kRuntimeClass)) {
        const double d = element.GetDistance(paper_, cursor_, &node);
        if (d >= 0.0 && d < tolerance_) {
            candidates_.push_back({SegmentOf(element), -1});
        }
    } else if (element.IsKindOf(CDrawObjEllipse::kRuntimeClass)) {
        const EllipticArc arc = ArcOf(element);
        chords_.clear();
        ApproximateEllipse(chords_, arc.cx, arc.cy, arc.a, arc.b, DegToRad(arc.rotation),
                           DegToRad(arc.start), DegToRad(arc.end));
        for (const SegmentF& chord : chords_) {
            candidates_.push_back({chord, curves_});
        }
        ++curves_;
    }
}

void CSnapSearch::Offer(PointF q, int kind) {
    const double d = Distance(q.x, q.y, cursor_.x, cursor_.y);
    if (d >= 0.0 && d < bestDistance_) {
        bestDistance_ = d;
        best_ = q;
        bestKind_ = kind;
    }
}

namespace {

double SegmentDistance(const SegmentF& s, PointF p) {
    const double dx = s.to.x - s.from.x;
    const double dy = s.to.y - s.from.y;
    const double length2 = dx * dx + dy * dy;
    double t = 0.0;
    if (length2 > 0.0) {
        t = std::clamp(((p.x - s.from.x) * dx + (p.y - s.from.y) * dy) / length2, 0.0, 1.0);
    }
    return Distance(s.from.x + t * dx, s.from.y + t * dy, p.x, p.y);
}

bool BoxesOverlap(const SegmentF& a, const SegmentF& b) {
    return std::max(a.from.x, a.to.x) >= std::min(b.from.x, b.to.x) &&
           std::max(b.from.x, b.to.x) >= std::min(a.from.x, a.to.x) &&
           std::max(a.from.y, a.to.y) >= std::min(b.from.y, b.to.y) &&
           std::max(b.from.y, b.to.y) >= std::min(a.from.y, a.to.y);
}

}  // namespace

void CSnapSearch::IntersectCandidates() {
    // A crossing lies on both segments, so a segment that stays farther from the cursor than the
    // best point so far cannot offer a better one; in a crowded drawing this leaves few pairs.
    std::erase_if(candidates_, [&](const Candidate& c) {
        return SegmentDistance(c.segment, cursor_) >= bestDistance_;
    });
    for (std::size_t i = 0; i < candidates_.size(); ++i) {
        for (std::size_t j = i + 1; j < candidates_.size(); ++j) {
            const Candidate& a = candidates_[i];
            const Candidate& b = candidates_[j];
            if ((a.curve >= 0 && a.curve == b.curve) || !BoxesOverlap(a.segment, b.segment)) {
                continue;
            }
            // Tolerant, so that a crossing on a chord's vertex (a line through a circle's centre
            // meets it exactly there) is found by the chords on both sides of it.
            PointF q;
            if (IntersectSegments(a.segment.from.x, a.segment.from.y, a.segment.to.x,
                                  a.segment.to.y, b.segment.from.x, b.segment.from.y,
                                  b.segment.to.x, b.segment.to.y, q, 1) == kSegmentsCross) {
                Offer(q, kSnapIntersection);
            }
        }
    }
    candidates_.clear();
}

int CSnapSearch::Finish(PointF& out) {
    if ((mode_ & kSnapIntersection) != 0) {
        IntersectCandidates();
    }
    if (bestDistance_ >= tolerance_) {
        return 0;
    }
    out = best_;
    return bestKind_;
}

}  // namespace korvo
