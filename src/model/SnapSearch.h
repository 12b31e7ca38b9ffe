#pragma once

#include <cstddef>
#include <vector>

#include "geometry/ElementIntersections.h"
#include "geometry/PlaneGeometry.h"

namespace korvo {

class CDataCollection;
class CData;
class CPaper;

// One snap query: walks the drawing, keeps the nearest candidate point within the tolerance,
// and for intersection snapping gathers the lines (and chords of curves) near the cursor to cut
// against each other.
class CSnapSearch {
public:
    CSnapSearch(CPaper& paper, PointF cursor, int mode, double tolerance);

    void Visit(CDataCollection& nodes);
    // Writes the best point and returns its kind, or returns 0 when nothing was near enough.
    int Finish(PointF& out);

private:
    // A segment near the cursor and the curve it approximates (-1 for a real line): chords of
    // one curve never cut each other.
    struct Candidate {
        SegmentF segment;
        int curve = -1;
    };

    void Evaluate(CData& node);
    void CollectSegments(CData& node);
    void Offer(PointF q, int kind);
    void IntersectCandidates();

    CPaper& paper_;
    PointF cursor_;
    int mode_;
    double tolerance_;
    double bestDistance_;
    PointF best_;
    int bestKind_ = 0;
    int curves_ = 0;
    std::vector<Candidate> candidates_;
    std::vector<SegmentF> chords_;
};

}  // namespace korvo
