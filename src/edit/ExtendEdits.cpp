#include "edit/ExtendEdits.h"

#include <algorithm>
#include <optional>

#include "edit/EditSupport.h"
#include "geometry/ElementIntersections.h"
#include "model/Data.h"
#include "model/ElementShapes.h"

namespace korvo {

namespace {

double Dot(PointF a, PointF from, double dx, double dy) {
    return (static_cast<double>(a.x) - from.x) * dx + (static_cast<double>(a.y) - from.y) * dy;
}

// Of the usable targets for which `beyond` holds, the one whose dot product `better` prefers.
template <class Beyond, class Better>
std::optional<PointF> NearestBeyond(const std::array<ExtendTarget, 2>& targets, PointF from,
                                    double dx, double dy, Beyond beyond, Better better) {
    std::optional<PointF> best;
    double bestDot = 0.0;
    for (const ExtendTarget& t : targets) {
        const double dot = Dot(t.point, from, dx, dy);
        if (t.usable && beyond(dot) && (!best || better(dot, bestDot))) {
            best = t.point;
            bestDot = dot;
        }
    }
    return best;
}

struct ArcTarget {
    double angle = 0.0;
    bool usable = false;
};

template <std::size_t N>
EditResult ExtendArcTo(CData& ellipse, const std::array<ExtendTarget, N>& targets, PointF c) {
    const ArcSpan span = SpanOf(ellipse);
    const CDrawObj& element = *ellipse.GetElement();
    // Each flag stays with its own point while the angles are put in order.
    std::array<ArcTarget, N> sorted{};
    for (std::size_t i = 0; i < N; ++i) {
        sorted[i] = {ArcAngleOf(element, targets[i].point, span.start), targets[i].usable};
    }
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const ArcTarget& a, const ArcTarget& b) { return a.angle < b.angle; });
    const double mid = NormalizeAngle((span.start + span.end) / 2.0, span.start);
    const double tc = ArcAngleOf(element, c, span.start);
    if (mid <= tc) {
        const auto first =
            std::find_if(sorted.begin(), sorted.end(), [](const ArcTarget& t) { return t.usable; });
        return {first != sorted.end() && SetArcEnd(ellipse, first->angle), nullptr};
    }
    const auto last =
        std::find_if(sorted.rbegin(), sorted.rend(), [](const ArcTarget& t) { return t.usable; });
    return {last != sorted.rend() && SetArcStart(ellipse, last->angle), nullptr};
}

bool On(std::uint32_t flags, std::uint32_t bit) {
    return (flags & bit) != 0;
}

// How many crossings EllipseEllipseFlags found: its marker bit 0x100 << (count - 1).
int CrossingCount(std::uint32_t flags) {
    for (int n = 4; n >= 1; --n) {
        if (On(flags, 0x100u << (n - 1))) {
            return n;
        }
    }
    return 0;
}

}  // namespace

EditResult ExtendLine(CData& line, ExtendTarget first, ExtendTarget second, PointF c) {
    const PointF s = LineStart(line);
    const PointF e = LineEnd(line);
    const double dx = static_cast<double>(e.x) - s.x;
    const double dy = static_cast<double>(e.y) - s.y;
    const std::array<ExtendTarget, 2> targets{first, second};
    if (Dot(c, s, dx, dy) < 0.5 * (dx * dx + dy * dy)) {
        const std::optional<PointF> start = NearestBeyond(
            targets, s, dx, dy, [](double d) { return d < 0.0; },
            [](double d, double best) { return d > best; });
        return {start && SetLineEnds(line, *start, e), nullptr};
    }
    const std::optional<PointF> end = NearestBeyond(
        targets, e, dx, dy, [](double d) { return d > 0.0; },
        [](double d, double best) { return d < best; });
    return {end && SetLineEnds(line, s, *end), nullptr};
}

EditResult ExtendArc(CData& ellipse, ExtendTarget first, ExtendTarget second, PointF c) {
    return ExtendArcTo(ellipse, std::array<ExtendTarget, 2>{first, second}, c);
}

EditResult ExtendArc4(CData& ellipse, const std::array<ExtendTarget, 4>& targets, PointF c) {
    return ExtendArcTo(ellipse, targets, c);
}

PairEdit ExtendElement(CData& boundary, CData& extended, PointF c, EditResult& result) {
    result = {};
    const CDrawObj* bound = boundary.GetElement();
    const CDrawObj* ext = extended.GetElement();
    const bool boundLine = IsLineElement(bound);
    const bool extLine = IsLineElement(ext);
    if ((!boundLine && !IsEllipseElement(bound)) || (!extLine && !IsEllipseElement(ext))) {
        return PairEdit::NotLinesOrEllipses;
    }
    PointF p1;
    PointF p2;
    if (boundLine && extLine) {
        const int code = IntersectLineElements(SegmentOf(*bound), SegmentOf(*ext), p1);
        if (code == kCrossOnFirstOnly || code == kCrossOnNeither) {
            result = ExtendLine(extended, {p1, true}, {p1, false}, c);
        }
    } else if (extLine) {
        const std::uint32_t flags = LineEllipseFlags(SegmentOf(*ext), ArcOf(*bound), p1, p2);
        const bool two = On(flags, kTwoCrossings);
        const ExtendTarget first{p1, !On(flags, kFirstOnSegment)};
        const ExtendTarget second{p2, two && !On(flags, kSecondOnSegment)};
        if (flags != 0 && (first.usable || second.usable)) {
            result = ExtendLine(extended, first, second, c);
        }
    } else if (boundLine) {
        const std::uint32_t flags = LineEllipseFlags(SegmentOf(*bound), ArcOf(*ext), p1, p2);
        const bool two = On(flags, kTwoCrossings);
        const ExtendTarget first{p1, !On(flags, kFirstOnArc)};
        const ExtendTarget second{p2, two && !On(flags, kSecondOnArc)};
        if (flags != 0 && (first.usable || second.usable)) {
            result = ExtendArc(extended, first, second, c);
        }
    } else {
        std::array<PointF, 4> points{};
        const std::uint32_t flags = EllipseEllipseFlags(ArcOf(*bound), ArcOf(*ext), points);
        std::array<ExtendTarget, 4> targets{};
        bool any = false;
        const int count = CrossingCount(flags);
        for (int i = 0; i < 4; ++i) {
            targets[i] = {points[i], i < count && !On(flags, 2u << (2 * i))};
            any = any || targets[i].usable;
        }
        if (any) {
            result = ExtendArc4(extended, targets, c);
        }
    }
    return PairEdit::Done;
}

}  // namespace korvo
