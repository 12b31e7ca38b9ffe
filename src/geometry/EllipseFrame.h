#pragma once

namespace korvo {

// An ellipse as centre, semi-axes and rotation (radians): the parts an affine map changes.
struct EllipseFrame {
    double cx = 0.0;
    double cy = 0.0;
    double a = 0.0;
    double b = 0.0;
    double rotation = 0.0;
};

// The image of an ellipse under (x, y) -> ((x - ox)·fx + ox, (y - oy)·fy + oy), which is again an
// ellipse. Of the equivalent ways to describe it, the one whose rotation stays nearest the
// original is chosen, so a uniform scale only changes the sizes.
EllipseFrame ScaleEllipseFrame(const EllipseFrame& e, double ox, double oy, double fx, double fy);

// The polar angle (radians, in (-pi, pi]) of a point seen from the ellipse's centre in the
// ellipse's own frame.
double PolarAngleInFrame(const EllipseFrame& e, double x, double y);

}  // namespace korvo
