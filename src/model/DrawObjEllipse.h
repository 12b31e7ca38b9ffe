#pragma once

#include <array>

#include "model/PenElement.h"
#include "platform/DrawContext.h"

namespace korvo {

// The sampled outline of an ellipse or arc, in drawing units. Sampling at 5 degree steps never
// needs more than 74 points; the buffer leaves room to spare.
struct EllipseOutline {
    static constexpr int kCapacity = 80;
    std::array<PointF, kCapacity> points{};
    int count = 0;
};

// A rotated ellipse or an arc of one: every curved stroke the user draws. Start and end angles are
// polar angles of the arc's end points in the ellipse's own frame; the outline runs
// counter-clockwise from start to end, and equal start and end parameters mean the whole ellipse.
class CDrawObjEllipse : public CPenElement {
public:
    static const CRuntimeClass kRuntimeClass;

    CDrawObjEllipse() = default;
    CDrawObjEllipse(float cx, float cy, float a, float b, float start, float end, float rotation,
                    std::uint16_t style, std::uint16_t width, std::uint32_t color,
                    std::uint16_t level);

    const CRuntimeClass* GetRuntimeClass() const override { return &kRuntimeClass; }
    void Serialize(CArchive& ar) override;

    bool Draw(CPaper& paper, IDrawContext* dc, const CData* node) override;
    bool Print(CPaper& paper, IDrawContext* dc, const CData* node) override;

    void SetX1(float v) override { cx_ = v; }
    float GetX1() const override { return cx_; }
    void SetY1(float v) override { cy_ = v; }
    float GetY1() const override { return cy_; }
    void SetAngle(float v) override { rotation_ = v; }
    float GetAngle() const override { return rotation_; }
    void SetStartAngle(float v) override { start_ = v; }
    float GetStartAngle() const override { return start_; }
    void SetEndAngle(float v) override { end_ = v; }
    float GetEndAngle() const override { return end_; }
    void SetAxisA(float v) override { a_ = v; }
    float GetAxisA() const override { return a_; }
    void SetAxisB(float v) override { b_ = v; }
    float GetAxisB() const override { return b_; }

    void MoveBack(float dx, float dy) override;
    void MoveBy(float dx, float dy) override;
    void Rotate(float cx, float cy, double angle) override;
    void Scale(float cx, float cy, double fx, double fy) override;

    double GetDistance(CPaper& paper, PointF p, const CData* node) override;
    bool SnapNearestEndPoint(PointF& p) const override;
    bool GetMidPoint(PointF& p) const override;
    bool GetSnapPoint(PointF& p) const override;

    // The ellipse parameter of a polar angle (degrees) in the ellipse's own frame.
    double ParameterOf(double angle) const;
    // The point of the rotated ellipse at parameter t.
    PointF PointAt(double t) const;
    // The parameter range the outline covers: a whole turn when start and end coincide.
    void ParameterRange(double& ts, double& te) const;
    void SampleOutline(EllipseOutline& outline) const;
    bool IsWholeEllipse() const;

private:
    double RotationRadians() const;
    void DrawPlain(CPaper& paper, IDrawContext& dc, const Pen& pen,
                   const EllipseOutline& outline) const;
    void DrawStyled(CPaper& paper, IDrawContext& dc, ColorRef color,
                    const EllipseOutline& outline) const;
    void RotateTrueEllipse(float cx, float cy, double angle);
    void RotateCircularArc(float cx, float cy, double angle);

    float cx_ = 0.0f;
    float cy_ = 0.0f;
    float a_ = 0.0f;
    float b_ = 0.0f;
    float rotation_ = 0.0f;
    float start_ = 0.0f;
    float end_ = 0.0f;
};

}  // namespace korvo
