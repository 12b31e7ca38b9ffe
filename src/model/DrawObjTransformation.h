#pragma once

#include "model/DrawObj.h"

namespace korvo {

// An invisible placement frame: origin, two axis lengths and a rotation. It travels with the
// elements it accompanies through moves, turns and scales, so it records how a block has been
// placed. It is never drawn and never hit.
class CDrawObjTransformation : public CDrawObj {
public:
    static const CRuntimeClass kRuntimeClass;

    CDrawObjTransformation() = default;

    const CRuntimeClass* GetRuntimeClass() const override { return &kRuntimeClass; }
    void Serialize(CArchive& ar) override;

    void SetX1(float v) override { x_ = v; }
    float GetX1() const override { return x_; }
    void SetY1(float v) override { y_ = v; }
    float GetY1() const override { return y_; }
    void SetAxisA(float v) override { axisX_ = v; }
    float GetAxisA() const override { return axisX_; }
    void SetAxisB(float v) override { axisY_ = v; }
    float GetAxisB() const override { return axisY_; }
    void SetAngle(float v) override { angle_ = v; }
    float GetAngle() const override { return angle_; }

    void MoveBack(float dx, float dy) override;
    void MoveBy(float dx, float dy) override;
    void Rotate(float cx, float cy, double angle) override;
    void Scale(float cx, float cy, double fx, double fy) override;

private:
    float x_ = 0.0f;
    float y_ = 0.0f;
    float axisX_ = 1.0f;
    float axisY_ = 1.0f;
    float angle_ = 0.0f;
};

}  // namespace korvo
