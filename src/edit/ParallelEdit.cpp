#include "edit/ParallelEdit.h"

#include <cmath>

#include "model/Data.h"
#include "model/DrawObjEllipse.h"
#include "model/DrawObjLine.h"

namespace korvo {

namespace {

bool IsLine(const CDrawObj& element) {
    return element.IsKindOf(CDrawObjLine::kRuntimeClass);
}

bool IsEllipse(const CDrawObj& element) {
    return element.IsKindOf(CDrawObjEllipse::kRuntimeClass);
}

// The part of p - start that is perpendicular to the line, and the foot of p on the line. A line
// of no length has no direction: all of the offset is perpendicular.
struct LineOffset {
    PointD foot;
    PointD offset;
};

LineOffset OffsetFromLine(const CDrawObj& line, PointF p) {
    const double sx = line.GetX1();
    const double sy = line.GetY1();
    const double dx = line.GetX2() - sx;
    const double dy = line.GetY2() - sy;
    const double vx = p.x - sx;
    const double vy = p.y - sy;
    const double length2 = dx * dx + dy * dy;
    const double t = length2 > 0.0 ? (vx * dx + vy * dy) / length2 : 0.0;
    return {{sx + t * dx, sy + t * dy}, {vx - t * dx, vy - t * dy}};
}

// p relative to the ellipse's centre, in the ellipse's own (unrotated) frame.
PointD InEllipseFrame(const CDrawObj& ellipse, PointF p) {
    const double rotation = DegToRad(ellipse.GetAngle());
    return RotatePoint(p.x - ellipse.GetX1(), p.y - ellipse.GetY1(), 0.0, 0.0, -rotation);
}

// The distance from the centre to the ellipse along the direction `theta` of its own frame.
double RadiusAlong(const CDrawObj& ellipse, double theta) {
    const double a = std::fabs(ellipse.GetAxisA());
    const double b = std::fabs(ellipse.GetAxisB());
    const double c = b * std::cos(theta);
    const double s = a * std::sin(theta);
    const double denominator = std::sqrt(c * c + s * s);
    return denominator > 0.0 ? a * b / denominator : 0.0;
}

std::unique_ptr<CData> NodeLike(const CData& source, std::unique_ptr<CDrawObj> element) {
    auto node = std::make_unique<CData>(source.GetType());
    element->SetFactor(source.GetElement()->GetFactor());
    node->SetElement(std::move(element));
    return node;
}

std::unique_ptr<CData> LineParallel(const CData& node, const CDrawObj& line, PointF p) {
    const PointD o = OffsetFromLine(line, p).offset;
    if (o.x == 0.0 && o.y == 0.0) {
        return nullptr;
    }
    const float ox = static_cast<float>(o.x);
    const float oy = static_cast<float>(o.y);
    return NodeLike(
        node, std::make_unique<CDrawObjLine>(line.GetX1() + ox, line.GetY1() + oy,
                                             line.GetX2() + ox, line.GetY2() + oy, line.GetStyle(),
                                             line.GetWidth(), line.GetColor(), line.GetLevel()));
}

std::unique_ptr<CData> EllipseParallel(const CData& node, const CDrawObj& ellipse, PointF p) {
    const double a = ellipse.GetAxisA();
    const double b = ellipse.GetAxisB();
    if (a == 0.0 || b == 0.0) {
        return nullptr;
    }
    const PointD q = InEllipseFrame(ellipse, p);
    const double theta = DirectionAngle(0.0, 0.0, q.x, q.y);
    // The ellipse parameter whose point lies in the direction of q.
    const double t = std::atan2(std::sin(theta) * std::fabs(a), std::cos(theta) * std::fabs(b));
    double a2 = 0.0;
    double b2 = 0.0;
    if (std::fabs(std::cos(t)) > 0.01) {
        a2 = q.x / std::cos(t);
        b2 = a2 * (b / a);
    } else {
        b2 = q.y / std::sin(t);
        a2 = b2 * (a / b);
    }
    const float fa = static_cast<float>(a2);
    const float fb = static_cast<float>(b2);
    if (IsZeroF(fa) || IsZeroF(fb) || !std::isfinite(fa) || !std::isfinite(fb)) {
        return nullptr;
    }
    return NodeLike(node, std::make_unique<CDrawObjEllipse>(
                              ellipse.GetX1(), ellipse.GetY1(), fa, fb, ellipse.GetStartAngle(),
                              ellipse.GetEndAngle(), ellipse.GetAngle(), ellipse.GetStyle(),
                              ellipse.GetWidth(), ellipse.GetColor(), ellipse.GetLevel()));
}

}  // namespace

bool HasParallel(const CDrawObj* element) {
    return element != nullptr && (IsLine(*element) || IsEllipse(*element));
}

std::unique_ptr<CData> CreateParallel(const CData& node, PointF p) {
    const CDrawObj* element = node.GetElement();
    if (element == nullptr) {
        return nullptr;
    }
    if (IsLine(*element)) {
        return LineParallel(node, *element, p);
    }
    if (IsEllipse(*element)) {
        return EllipseParallel(node, *element, p);
    }
    return nullptr;
}

double ParallelDistance(const CDrawObj& element, PointF p) {
    if (IsLine(element)) {
        const PointD o = OffsetFromLine(element, p).offset;
        return std::hypot(o.x, o.y);
    }
    if (IsEllipse(element)) {
        const PointD q = InEllipseFrame(element, p);
        const double theta = DirectionAngle(0.0, 0.0, q.x, q.y);
        return std::fabs(std::hypot(q.x, q.y) - RadiusAlong(element, theta));
    }
    return 0.0;
}

std::optional<PointF> ParallelPointAt(const CDrawObj& element, PointF p, double distance) {
    if (IsLine(element)) {
        const LineOffset at = OffsetFromLine(element, p);
        double nx = at.offset.x;
        double ny = at.offset.y;
        double length = std::hypot(nx, ny);
        if (length == 0.0) {
            // On the line: its left side, seen from its start.
            nx = -(element.GetY2() - element.GetY1());
            ny = element.GetX2() - element.GetX1();
            length = std::hypot(nx, ny);
        }
        if (length == 0.0) {
            return std::nullopt;
        }
        return PointF{static_cast<float>(at.foot.x + nx / length * distance),
                      static_cast<float>(at.foot.y + ny / length * distance)};
    }
    if (!IsEllipse(element)) {
        return std::nullopt;
    }
    const PointD q = InEllipseFrame(element, p);
    const double theta = DirectionAngle(0.0, 0.0, q.x, q.y);
    const double radius = RadiusAlong(element, theta);
    const double outward = std::hypot(q.x, q.y) >= radius ? 1.0 : -1.0;
    const double wanted = radius + outward * distance;
    if (!(wanted > 0.0)) {
        return std::nullopt;
    }
    const PointD w = RotatePoint(wanted * std::cos(theta), wanted * std::sin(theta), 0.0, 0.0,
                                 DegToRad(element.GetAngle()));
    return PointF{static_cast<float>(element.GetX1() + w.x),
                  static_cast<float>(element.GetY1() + w.y)};
}

}  // namespace korvo
