#include "geometry/EllipseFrame.h"

#include <cmath>

#include "geometry/PlaneGeometry.h"

namespace korvo {

namespace {

// Closed-form singular value decomposition of the 2 x 2 matrix [[m00, m01], [m10, m11]]:
// it maps the unit circle to an ellipse with semi-axes `major` along `angle` and |minor|
// perpendicular to it.
struct CircleImage {
    double major = 0.0;
    double minor = 0.0;
    double angle = 0.0;
};

CircleImage ImageOfUnitCircle(double m00, double m01, double m10, double m11) {
    const double e = (m00 + m11) * 0.5;
    const double f = (m00 - m11) * 0.5;
    const double g = (m10 + m01) * 0.5;
    const double h = (m10 - m01) * 0.5;
    const double q = std::hypot(e, h);
    const double r = std::hypot(f, g);
    const double a1 = std::atan2(g, f);
    const double a2 = std::atan2(h, e);
    return {q + r, std::fabs(q - r), (a2 + a1) * 0.5};
}

// The signed difference of two angles, reduced into (-pi, pi].
double AngleDelta(double to, double from) {
    return std::remainder(to - from, kTwoPi);
}

}  // namespace

EllipseFrame ScaleEllipseFrame(const EllipseFrame& e, double ox, double oy, double fx, double fy) {
    const double c = std::cos(e.rotation);
    const double s = std::sin(e.rotation);
    // diag(fx, fy) · R(rotation) · diag(a, b)
    const CircleImage image =
        ImageOfUnitCircle(fx * e.a * c, -fx * e.b * s, fy * e.a * s, fy * e.b * c);

    EllipseFrame out;
    out.cx = (e.cx - ox) * fx + ox;
    out.cy = (e.cy - oy) * fy + oy;
    if (image.major - image.minor <= 1.0e-12 * image.major) {
        // A circle: any rotation describes it, so keep the one it had.
        out.a = out.b = image.major;
        out.rotation = e.rotation;
        return out;
    }
    const double alongMajor = AngleDelta(image.angle, e.rotation);
    const double alongMinor = AngleDelta(image.angle + kHalfPi, e.rotation);
    // Turning an axis by half a turn describes the same ellipse; take the nearest of the four.
    const double majorDelta = std::remainder(alongMajor, kPi);
    const double minorDelta = std::remainder(alongMinor, kPi);
    if (std::fabs(majorDelta) <= std::fabs(minorDelta)) {
        out.a = image.major;
        out.b = image.minor;
        out.rotation = e.rotation + majorDelta;
    } else {
        out.a = image.minor;
        out.b = image.major;
        out.rotation = e.rotation + minorDelta;
    }
    return out;
}

double PolarAngleInFrame(const EllipseFrame& e, double x, double y) {
    const double dx = x - e.cx;
    const double dy = y - e.cy;
    const double c = std::cos(e.rotation);
    const double s = std::sin(e.rotation);
    return std::atan2(dy * c - dx * s, dx * c + dy * s);
}

}  // namespace korvo
