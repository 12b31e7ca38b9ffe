#include "model/DrawObjEllipse.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "geometry/EllipseFrame.h"
#include "model/Data.h"
#include "model/Paper.h"
#include "model/StyledStroke.h"
#include "platform/Archive.h"

namespace korvo {

const CRuntimeClass CDrawObjEllipse::kRuntimeClass{
    "CDrawObjEllipse", kSchema, true, &CreateInstance<CDrawObjEllipse>, &CDrawObj::kRuntimeClass};

namespace {

constexpr double kEllipseSampleStep = 0.08726646259971647;  // 5 degrees
// A dashed outline never takes more steps than this, however large the ellipse.
constexpr double kMaxDashSteps = 200000.0;

}  // namespace

CDrawObjEllipse::CDrawObjEllipse(float cx, float cy, float a, float b, float start, float end,
                                 float rotation, std::uint16_t style, std::uint16_t width,
                                 std::uint32_t color, std::uint16_t level)
    : CPenElement(style, width, color, level),
      cx_(cx),
      cy_(cy),
      a_(a),
      b_(b),
      rotation_(rotation),
      start_(start),
      end_(end) {}

void CDrawObjEllipse::Serialize(CArchive& ar) {
    CDrawObj::Serialize(ar);
    SerializePen(ar);
    if (ar.IsStoring()) {
        ar.Write(cx_);
        ar.Write(cy_);
        ar.Write(a_);
        ar.Write(b_);
        ar.Write(start_);
        ar.Write(end_);
        ar.Write(rotation_);
    } else {
        cx_ = ar.Read<float>();
        cy_ = ar.Read<float>();
        a_ = ar.Read<float>();
        b_ = ar.Read<float>();
        start_ = ar.Read<float>();
        end_ = ar.Read<float>();
        rotation_ = ar.Read<float>();
        // Old drawings stored an unset start angle as infinity.
        if (start_ > std::numeric_limits<float>::max()) {
            start_ = 0.0f;
        }
    }
}

double CDrawObjEllipse::RotationRadians() const {
    // The rotation is converted in single precision, as it always has been, so outlines of
    // existing drawings land on the same pixels.
    return static_cast<double>(rotation_ * 3.1415927f * 0.0055555557f);
}

double CDrawObjEllipse::ParameterOf(double angle) const {
    const double t = DegToRad(angle);
    return std::atan2(std::fabs(a_) * std::sin(t), std::fabs(b_) * std::cos(t));
}

PointF CDrawObjEllipse::PointAt(double t) const {
    const double r = RotationRadians();
    const double x = a_ * std::cos(t);
    const double y = b_ * std::sin(t);
    return {static_cast<float>(cx_ + x * std::cos(r) - y * std::sin(r)),
            static_cast<float>(cy_ + x * std::sin(r) + y * std::cos(r))};
}

void CDrawObjEllipse::ParameterRange(double& ts, double& te) const {
    ts = ParameterOf(start_);
    te = ParameterOf(end_);
    if (std::fabs(te - ts) < kZeroD) {
        ts = 0.0;
        te = kTwoPi;
    } else if (te < ts) {
        te += kTwoPi;
    }
}

bool CDrawObjEllipse::IsWholeEllipse() const {
    return std::fabs(ParameterOf(end_) - ParameterOf(start_)) < kZeroD;
}

void CDrawObjEllipse::SampleOutline(EllipseOutline& outline) const {
    double ts = 0.0;
    double te = 0.0;
    ParameterRange(ts, te);
    outline.count = 0;
    // Advancing by repeated addition (not i * step) is what makes a whole ellipse end on a
    // sample just short of 2*pi followed by the closing one.
    for (double t = ts; outline.count < EllipseOutline::kCapacity;) {
        outline.points[outline.count++] = PointAt(t);
        if (t >= te) {
            break;
        }
        t += kEllipseSampleStep;
        if (t > te) {
            t = te;
        }
    }
}

bool CDrawObjEllipse::Draw(CPaper& paper, IDrawContext* dc, const CData* node) {
    EnsurePens(paper);
    if (!IsVisible(node)) {
        return false;
    }
    const MarkPen choice = ChooseMarkPen(paper, MarkOf(node), penIndex_, color_);
    if (!choice.draw) {
        return true;
    }
    EllipseOutline outline;
    SampleOutline(outline);
    extents_ = RectF::Empty();
    for (int i = 0; i < outline.count; ++i) {
        extents_.Include(outline.points[i].x, outline.points[i].y);
    }
    if (dc == nullptr || paper.IsOutside(extents_)) {
        return true;
    }
    if (g_bStyledDrawing) {
        DrawStyled(paper, *dc, choice.color, outline);
    } else {
        DrawPlain(paper, *dc, choice.pen, outline);
    }
    return true;
}

void CDrawObjEllipse::DrawPlain(CPaper& paper, IDrawContext& dc, const Pen& pen,
                                const EllipseOutline& outline) const {
    std::array<DevicePoint, EllipseOutline::kCapacity> device;
    for (int i = 0; i < outline.count; ++i) {
        device[i] = paper.WorldToDevice(outline.points[i]);
    }
    const Pen previousPen = dc.SelectPen(pen);
    const RasterOp previousOp = dc.SetRasterOp(RasterOp::CopyPen);
    dc.Polyline(std::span<const DevicePoint>(device.data(), outline.count));
    dc.SetRasterOp(previousOp);
    dc.SelectPen(previousPen);
}

void CDrawObjEllipse::DrawStyled(CPaper& paper, IDrawContext& dc, ColorRef color,
                                 const EllipseOutline& outline) const {
    if (style_ == 0) {
        DrawPlain(paper, dc, MakeStyledPen(paper, style_, width_, color), outline);
        return;
    }
    const Pen previousPen = dc.SelectPen(MakeStyledPen(paper, style_, width_, color));
    double ts = 0.0;
    double te = 0.0;
    ParameterRange(ts, te);
    // Each step moves about one dash step along the outline: the parameter advances by the step
    // length over the local speed |d point / dt|.
    const double minStep = (te - ts) / kMaxDashSteps;
    CDashRun run(dc, style_);
    for (double t = ts; t < te;) {
        run.Step(paper.WorldToDevice(PointAt(t)));
        const double speed = std::hypot(a_ * std::sin(t), b_ * std::cos(t));
        t += std::max(kDashStep / std::max(speed, 1.0e-12), minStep);
    }
    run.Finish();
    dc.SelectPen(previousPen);
}

bool CDrawObjEllipse::Print(CPaper& paper, IDrawContext* dc, const CData* node) {
    EnsurePens(paper);
    if (!CDrawObj::Print(paper, dc, node)) {
        return false;
    }
    if (dc != nullptr) {
        EllipseOutline outline;
        SampleOutline(outline);
        DrawStyled(paper, *dc, color_, outline);
    }
    return true;
}

void CDrawObjEllipse::MoveBack(float dx, float dy) {
    InvalidateExtents();
    cx_ -= dx;
    cy_ -= dy;
}

void CDrawObjEllipse::MoveBy(float dx, float dy) {
    InvalidateExtents();
    cx_ += dx;
    cy_ += dy;
}

void CDrawObjEllipse::Rotate(float cx, float cy, double angle) {
    InvalidateExtents();
    if (a_ != b_) {
        RotateTrueEllipse(cx, cy, angle);
    } else if (start_ == 0.0f && end_ == 360.0f) {
        RotatePointF(cx_, cy_, cx, cy, angle);
    } else {
        RotateCircularArc(cx, cy, angle);
    }
}

// The centre and two half-axis points are turned; the axes and rotation are read back from them.
void CDrawObjEllipse::RotateTrueEllipse(float cx, float cy, double angle) {
    const double r = DegToRad(rotation_);
    const PointD c = RotatePoint(cx_, cy_, cx, cy, angle);
    const PointD pa =
        RotatePoint(cx_ + a_ * 0.5 * std::cos(r), cy_ + a_ * 0.5 * std::sin(r), cx, cy, angle);
    const PointD pb = RotatePoint(cx_ + b_ * 0.5 * std::cos(r + kHalfPi),
                                  cy_ + b_ * 0.5 * std::sin(r + kHalfPi), cx, cy, angle);
    cx_ = static_cast<float>(c.x);
    cy_ = static_cast<float>(c.y);
    a_ = static_cast<float>(2.0 * Distance(c.x, c.y, pa.x, pa.y));
    b_ = static_cast<float>(2.0 * Distance(c.x, c.y, pb.x, pb.y));
    rotation_ = static_cast<float>(RadToDeg(DirectionAngle(c.x, c.y, pa.x, pa.y)));
}

// A circle has no direction of its own, so the arc's end points carry the turn.
void CDrawObjEllipse::RotateCircularArc(float cx, float cy, double angle) {
    const double s = DegToRad(start_);
    const double e = DegToRad(end_);
    const PointD c = RotatePoint(cx_, cy_, cx, cy, angle);
    const PointD ps =
        RotatePoint(cx_ + a_ * 0.5 * std::cos(s), cy_ + a_ * 0.5 * std::sin(s), cx, cy, angle);
    const PointD pe =
        RotatePoint(cx_ + b_ * 0.5 * std::cos(e), cy_ + b_ * 0.5 * std::sin(e), cx, cy, angle);
    double ns = DirectionAngle(c.x, c.y, ps.x, ps.y);
    double ne = DirectionAngle(c.x, c.y, pe.x, pe.y);
    if (ns > kTwoPi) {
        ns -= kTwoPi;
    }
    if (ne > kTwoPi) {
        ne -= kTwoPi;
    }
    cx_ = static_cast<float>(c.x);
    cy_ = static_cast<float>(c.y);
    start_ = static_cast<float>(RadToDeg(ns));
    end_ = static_cast<float>(RadToDeg(ne));
}

void CDrawObjEllipse::Scale(float cx, float cy, double fx, double fy) {
    InvalidateExtents();
    const bool whole = IsWholeEllipse();
    const bool circle = a_ == b_ && start_ == 0.0f && end_ == 360.0f;
    double ts = 0.0;
    double te = 0.0;
    ParameterRange(ts, te);
    const PointF oldStart = PointAt(ts);
    const PointF oldEnd = PointAt(te);

    const EllipseFrame frame{cx_, cy_, a_, b_, DegToRad(rotation_)};
    const EllipseFrame image = ScaleEllipseFrame(frame, cx, cy, fx, fy);
    cx_ = static_cast<float>(image.cx);
    cy_ = static_cast<float>(image.cy);
    a_ = static_cast<float>(image.a);
    b_ = static_cast<float>(image.b);
    rotation_ = static_cast<float>(RadToDeg(image.rotation));
    if (circle || whole) {
        return;  // a whole outline stays whole; its angles mean nothing more
    }
    const PointD s = ScalePoint(oldStart.x, oldStart.y, cx, cy, fx, fy);
    const PointD e = ScalePoint(oldEnd.x, oldEnd.y, cx, cy, fx, fy);
    double ns = NormalizeAngle(RadToDeg(PolarAngleInFrame(image, s.x, s.y)), 0.0);
    double ne = NormalizeAngle(RadToDeg(PolarAngleInFrame(image, e.x, e.y)), 0.0);
    if (fx * fy < 0.0) {
        // A mirror reverses the sense of the outline; counter-clockwise it now runs end to start.
        std::swap(ns, ne);
    }
    while (ne < ns) {
        ne += 360.0;
    }
    start_ = static_cast<float>(ns);
    end_ = static_cast<float>(ne);
}

double CDrawObjEllipse::GetDistance(CPaper&, PointF p, const CData* node) {
    if (!IsVisible(node)) {
        return -1.0;
    }
    EllipseOutline outline;
    SampleOutline(outline);
    double best = 1.0e9;
    for (int i = 0; i < outline.count; ++i) {
        best = std::min(best, Distance(outline.points[i].x, outline.points[i].y, p.x, p.y));
    }
    return best;
}

bool CDrawObjEllipse::SnapNearestEndPoint(PointF& p) const {
    const PointF s = PointAt(ParameterOf(start_));
    const PointF e = PointAt(ParameterOf(end_));
    // On a tie the start wins, as it does for lines.
    p = Distance(e.x, e.y, p.x, p.y) < Distance(s.x, s.y, p.x, p.y) ? e : s;
    return true;
}

bool CDrawObjEllipse::GetMidPoint(PointF& p) const {
    const double ts = ParameterOf(start_);
    double te = ParameterOf(end_);
    double mid = ts + kPi;
    if (std::fabs(te - ts) >= 1.0e-6 || end_ <= 359.0f) {
        if (te < ts) {
            te += kTwoPi;
        }
        mid = (ts + te) * 0.5;
    }
    p = PointAt(mid);
    return true;
}

bool CDrawObjEllipse::GetSnapPoint(PointF& p) const {
    p = {cx_, cy_};
    return true;
}

}  // namespace korvo
