#include "edit/TrimEdits.h"

#include <algorithm>

#include "edit/EditSupport.h"
#include "geometry/ElementIntersections.h"
#include "model/DataCollection.h"
#include "model/ElementShapes.h"

namespace korvo {

namespace {

// Where the click lies along the line against the cut points, decided on distance ratios so that
// a click a little beside the line still counts.
enum class ClickPlace { BeforeFirst, Between, BeyondSecond };

ClickPlace PlaceOfClick(PointF s, PointF e, PointF& p1, PointF& p2, PointF c) {
    const double dS = Distance(c, s);
    const double dE = Distance(c, e);
    double s1 = Distance(p1, s);
    double e1 = Distance(p1, e);
    double s2 = Distance(p2, s);
    double e2 = Distance(p2, e);
    if (s2 < s1) {
        std::swap(p1, p2);
        std::swap(s1, s2);
        std::swap(e1, e2);
    }
    if (!(s1 * dE <= e1 * dS)) {
        return ClickPlace::BeforeFirst;
    }
    if (!(e2 * dS < s2 * dE)) {
        return ClickPlace::BeyondSecond;
    }
    return ClickPlace::Between;
}

EditResult RemoveMiddle(CData& line, CDataCollection& drawing, PointF s, PointF e, PointF p1,
                        PointF p2) {
    // A cut exactly at an end leaves nothing on that side: shorten instead of leaving a piece of
    // no length behind.
    const bool atStart = PointsEqualF(p1.x, p1.y, s.x, s.y);
    const bool atEnd = PointsEqualF(p2.x, p2.y, e.x, e.y);
    if (atStart && atEnd) {
        return {};
    }
    if (atStart) {
        return {SetLineEnds(line, p2, e), nullptr};
    }
    if (atEnd) {
        return {SetLineEnds(line, s, p1), nullptr};
    }
    CData* piece = AddSplitPiece(line, drawing);
    if (piece != nullptr) {
        SetLineEnds(*piece, p2, e);
    }
    return {SetLineEnds(line, s, p1), piece};
}

// Cuts the span t1 ... t2 (angles against the arc's start, t1 <= t2) out of an arc, or shortens
// the arc when the click lies before t1 or after t2. A cut found a hair beyond the arc (the
// ellipse crossings come from chords) counts as lying at the arc's end.
EditResult CutArcSpan(CData& ellipse, CDataCollection& drawing, const ArcSpan& span, double t1,
                      double t2, double tc) {
    const bool lowAtStart = AnglesEqual(t1, span.start);
    const bool highAtEnd = AnglesEqual(t2, span.end) || t2 > span.end;
    if (tc < t1) {
        if (AnglesEqual(t1, span.end) || t1 > span.end) {
            return {};
        }
        return {SetArcStart(ellipse, t1), nullptr};
    }
    if (tc > t2) {
        if (AnglesEqual(t2, span.start)) {
            return {};
        }
        return {SetArcEnd(ellipse, t2), nullptr};
    }
    if (lowAtStart && highAtEnd) {
        return {};
    }
    if (lowAtStart) {
        return {SetArcStart(ellipse, t2), nullptr};
    }
    if (highAtEnd) {
        return {SetArcEnd(ellipse, t1), nullptr};
    }
    CData* piece = AddSplitPiece(ellipse, drawing);
    if (piece != nullptr) {
        SetArcStart(*piece, t2);
    }
    return {SetArcEnd(ellipse, t1), piece};
}

}  // namespace

EditResult TrimLine(CData& line, CDataCollection& drawing, PointF p1, PointF p2, PointF c,
                    TrimKeep keep) {
    const PointF s = LineStart(line);
    const PointF e = LineEnd(line);
    const bool removing = keep == TrimKeep::RemoveClicked;
    switch (PlaceOfClick(s, e, p1, p2, c)) {
        case ClickPlace::BeforeFirst:
            return {removing ? SetLineEnds(line, p1, e) : SetLineEnds(line, s, p1), nullptr};
        case ClickPlace::BeyondSecond:
            return {removing ? SetLineEnds(line, s, p2) : SetLineEnds(line, p2, e), nullptr};
        case ClickPlace::Between:
            break;
    }
    if (!removing) {
        return {SetLineEnds(line, p1, p2), nullptr};
    }
    return RemoveMiddle(line, drawing, s, e, p1, p2);
}

EditResult TrimArc(CData& ellipse, CDataCollection& drawing, PointF p1, PointF p2, PointF c) {
    const ArcSpan span = SpanOf(ellipse);
    double t1 = ArcAngleOf(*ellipse.GetElement(), p1, span.start);
    double t2 = ArcAngleOf(*ellipse.GetElement(), p2, span.start);
    const double tc = ArcAngleOf(*ellipse.GetElement(), c, span.start);
    SortPair(t1, t2);
    if (span.full) {
        if (AnglesEqual(t1, t2)) {
            return {};
        }
        const bool inside = t1 <= tc && tc <= t2;
        return {inside ? SetArcEnds(ellipse, t2, t1) : SetArcEnds(ellipse, t1, t2), nullptr};
    }
    return CutArcSpan(ellipse, drawing, span, t1, t2, tc);
}

EditResult TrimArc4(CData& ellipse, CDataCollection& drawing, const std::array<PointF, 4>& points,
                    PointF c) {
    const ArcSpan span = SpanOf(ellipse);
    std::array<double, 4> t{};
    for (std::size_t i = 0; i < t.size(); ++i) {
        t[i] = ArcAngleOf(*ellipse.GetElement(), points[i], span.start);
    }
    std::sort(t.begin(), t.end());
    const double tc = ArcAngleOf(*ellipse.GetElement(), c, span.start);
    if (span.full) {
        if (AnglesEqual(t[0], t[3])) {
            return {};
        }
        // The span between the neighbouring cuts around the click goes; outside them all it is
        // the span that wraps from the last cut round to the first.
        for (std::size_t i = 0; i + 1 < t.size(); ++i) {
            const bool last = i + 2 == t.size();
            if (t[i] <= tc && (tc < t[i + 1] || (last && tc <= t[i + 1]))) {
                return {SetArcEnds(ellipse, t[i + 1], t[i]), nullptr};
            }
        }
        return {SetArcEnds(ellipse, t[0], t[3]), nullptr};
    }
    // On an arc only the neighbours of the click matter: before the first cut or after the last
    // one the arc is shortened there, between two cuts that span is cut out.
    const auto above = std::upper_bound(t.begin(), t.end(), tc);
    if (above == t.begin()) {
        return CutArcSpan(ellipse, drawing, span, t[0], t[0], tc);
    }
    if (above == t.end()) {
        return CutArcSpan(ellipse, drawing, span, t[3], t[3], tc);
    }
    return CutArcSpan(ellipse, drawing, span, *(above - 1), *above, tc);
}

PairEdit TrimElement(CData& cutting, CData& trimmed, CDataCollection& drawing, PointF c,
                     EditResult& result) {
    result = {};
    const CDrawObj* cut = cutting.GetElement();
    const CDrawObj* trim = trimmed.GetElement();
    const bool cutLine = IsLineElement(cut);
    const bool trimLine = IsLineElement(trim);
    if ((!cutLine && !IsEllipseElement(cut)) || (!trimLine && !IsEllipseElement(trim))) {
        return PairEdit::NotLinesOrEllipses;
    }
    PointF p1;
    PointF p2;
    if (cutLine && trimLine) {
        // The cutting line counts as endless; the crossing must lie strictly inside the trimmed
        // one.
        const int code = IntersectLineElements(SegmentOf(*cut), SegmentOf(*trim), p1);
        if (code == kSegmentsCross || code == kCrossOnSecondOnly) {
            result = TrimLine(trimmed, drawing, p1, p1, c, TrimKeep::RemoveClicked);
        }
    } else if (trimLine) {
        if (LineEllipseOnElements(SegmentOf(*trim), ArcOf(*cut), p1, p2, false, true) == 1) {
            result = TrimLine(trimmed, drawing, p1, p2, c, TrimKeep::RemoveClicked);
        }
    } else if (cutLine) {
        if (LineEllipseOnElements(SegmentOf(*cut), ArcOf(*trim), p1, p2, true, false) == 1) {
            result = TrimArc(trimmed, drawing, p1, p2, c);
        }
    } else {
        std::array<PointF, 4> points{};
        if (IntersectEllipseElements(ArcOf(*cut), ArcOf(*trim), points, true, false) == 2) {
            result = TrimArc4(trimmed, drawing, points, c);
        }
    }
    return PairEdit::Done;
}

}  // namespace korvo
