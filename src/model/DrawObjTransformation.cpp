#include "model/DrawObjTransformation.h"

#include <cmath>

#include "platform/Archive.h"

namespace korvo {

const CRuntimeClass CDrawObjTransformation::kRuntimeClass{"CDrawObjTransformation", kSchema, true,
                                                          &CreateInstance<CDrawObjTransformation>,
                                                          &CDrawObj::kRuntimeClass};

namespace {

// The frame as three points: origin and the ends of both axes, each axis `scale` times its length.
struct FramePoints {
    PointD origin;
    PointD axisX;
    PointD axisY;
};

FramePoints MakeFrame(float x, float y, float axisX, float axisY, float angle, double scale) {
    const double r = DegToRad(angle);
    return {{x, y},
            {x + axisX * scale * std::cos(r), y + axisX * scale * std::sin(r)},
            {x + axisY * scale * std::cos(r + kHalfPi), y + axisY * scale * std::sin(r + kHalfPi)}};
}

}  // namespace

void CDrawObjTransformation::Serialize(CArchive& ar) {
    CDrawObj::Serialize(ar);
    if (ar.IsStoring()) {
        ar.Write(x_);
        ar.Write(y_);
        ar.Write(axisX_);
        ar.Write(axisY_);
        ar.Write(angle_);
    } else {
        x_ = ar.Read<float>();
        y_ = ar.Read<float>();
        axisX_ = ar.Read<float>();
        axisY_ = ar.Read<float>();
        angle_ = ar.Read<float>();
    }
}

void CDrawObjTransformation::MoveBack(float dx, float dy) {
    x_ -= dx;
    y_ -= dy;
}

void CDrawObjTransformation::MoveBy(float dx, float dy) {
    x_ += dx;
    y_ += dy;
}

void CDrawObjTransformation::Rotate(float cx, float cy, double angle) {
    const FramePoints f = MakeFrame(x_, y_, axisX_, axisY_, angle_, 0.5);
    const PointD c = RotatePoint(f.origin.x, f.origin.y, cx, cy, angle);
    const PointD a = RotatePoint(f.axisX.x, f.axisX.y, cx, cy, angle);
    const PointD b = RotatePoint(f.axisY.x, f.axisY.y, cx, cy, angle);
    x_ = static_cast<float>(c.x);
    y_ = static_cast<float>(c.y);
    axisX_ = static_cast<float>(2.0 * Distance(c.x, c.y, a.x, a.y));
    axisY_ = static_cast<float>(2.0 * Distance(c.x, c.y, b.x, b.y));
    angle_ = static_cast<float>(RadToDeg(DirectionAngle(c.x, c.y, a.x, a.y)));
}

// A non-uniform scale of a turned frame keeps only the two lengths and the first axis' direction.
void CDrawObjTransformation::Scale(float cx, float cy, double fx, double fy) {
    const FramePoints f = MakeFrame(x_, y_, axisX_, axisY_, angle_, 1.0);
    const PointD c = ScalePoint(f.origin.x, f.origin.y, cx, cy, fx, fy);
    const PointD a = ScalePoint(f.axisX.x, f.axisX.y, cx, cy, fx, fy);
    const PointD b = ScalePoint(f.axisY.x, f.axisY.y, cx, cy, fx, fy);
    x_ = static_cast<float>(c.x);
    y_ = static_cast<float>(c.y);
    axisX_ = static_cast<float>(Distance(c.x, c.y, a.x, a.y));
    axisY_ = static_cast<float>(Distance(c.x, c.y, b.x, b.y));
    angle_ = static_cast<float>(RadToDeg(DirectionAngle(c.x, c.y, a.x, a.y)));
}

}  // namespace korvo
