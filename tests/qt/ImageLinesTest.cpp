// On a 24-bit image the draw context cannot write pixels itself: it traces its lines and paints
// them through QPainter. On 32-bit images it walks them straight into the scanlines. Both ways
// must end in the same bytes: same pixels, same dashes, same clipping, every raster operation.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <cstring>
#include <random>
#include <vector>

#include "QtDrawContext.h"

namespace korvo {
namespace {

constexpr int kWidth = 61;
constexpr int kHeight = 47;
using Points = std::vector<DevicePoint>;

// Every pixel different from its neighbours, so each raster operation leaves its mark.
QImage Patterned() {
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            image.setPixel(x, y, qRgb(x * 4, y * 5, (x ^ y) * 7 & 0xFF));
        }
    }
    return image;
}

int Within(std::mt19937& random, int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(random);
}

// Points in all directions from each other: lines crossing the edges of the image, lines a
// pixel or two long (zero-length ones among them), and lines from billions of pixels away on
// one side to billions on the other, each through a pixel of the image.
Points Across(std::mt19937& random) {
    Points points;
    for (int i = 0; i < 12; ++i) {
        points.push_back({Within(random, -40, kWidth + 40), Within(random, -40, kHeight + 40)});
    }
    return points;
}

Points Short(std::mt19937& random) {
    Points points{{Within(random, 0, kWidth - 1), Within(random, 0, kHeight - 1)}};
    for (int i = 0; i < 40; ++i) {
        points.push_back({std::clamp(points.back().x + Within(random, -2, 2), -3, kWidth + 2),
                          std::clamp(points.back().y + Within(random, -2, 2), -3, kHeight + 2)});
    }
    return points;
}

Points Far(std::mt19937& random) {
    const int scale = Within(random, 1000000, 1990000);
    Points points{{scale * Within(random, -1000, 1000), scale * Within(random, -1000, 1000)}};
    for (int i = 0; i < 12; ++i) {  // mirrored through a pixel of the image
        points.push_back({2 * Within(random, 0, kWidth - 1) - points.back().x,
                          2 * Within(random, 0, kHeight - 1) - points.back().y});
    }
    return points;
}

// What random points rarely give: the ends of the coordinate range, the corners of the image,
// the right and bottom edges just outside it, and a line entering the image on the very step
// where it moves across.
const Points kExtremes = {
    // clang-format off
    {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, 20},    {INT_MAX, 21},
    {30, INT_MAX},      {31, INT_MIN},      {0, 0},           {kWidth, kHeight},
    {kWidth - 1, 0},    {-1, kHeight},      {kWidth, 0},      {kWidth, kHeight},
    {12, 12},           {12, 12},           {0, kHeight - 1}, {kWidth, kHeight - 1},
    {-2, 5},            {2, 6},
    // clang-format on
};

using Draw = void (*)(IDrawContext& dc, const Points& points);

const struct {
    const char* name;
    Draw draw;
} kDrawings[] = {
    {"polyline", [](IDrawContext& dc, const Points& points) { dc.Polyline(points); }},
    {"polygon", [](IDrawContext& dc, const Points& points) { dc.Polygon(points); }},
    {"line-tos",
     [](IDrawContext& dc, const Points& points) {
         dc.MoveTo(points.front());
         for (std::size_t i = 1; i < points.size(); ++i) {
             dc.LineTo(points[i]);
         }
     }},
    {"rectangles",
     [](IDrawContext& dc, const Points& points) {
         for (std::size_t i = 1; i < points.size(); i += 2) {
             dc.Rectangle({points[i - 1].x, points[i - 1].y, points[i].x, points[i].y});
         }
     }},
    {"pixels",
     [](IDrawContext& dc, const Points& points) {
         for (const DevicePoint& p : points) {
             dc.SetPixel(p, MakeColor(p.x & 0xFF, 77, p.y & 0xFF));
         }
     }},
};

struct LineSetup {
    RasterOp op;
    PenStyle style;
    bool transparent;
    bool clipped;
};

QImage Render(QImage image, Draw draw, const Points& points, const LineSetup& pen) {
    QPainter painter(&image);
    {
        CQtDrawContext dc(painter, false);
        dc.SelectPen({pen.style, MakeColor(200, 40, 90)});
        dc.SelectBrush({BrushStyle::Hollow, 0, 0});
        dc.SetRasterOp(pen.op);
        dc.SetTransparentBackground(pen.transparent);
        if (pen.clipped) {
            dc.SetClipRect(DeviceRect{6, 4, 44, 35});
        }
        draw(dc, points);
    }
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

bool SameBytes(const QImage& a, const QImage& b) {
    return a.sizeInBytes() == b.sizeInBytes() &&
           std::memcmp(a.constBits(), b.constBits(), static_cast<std::size_t>(a.sizeInBytes())) ==
               0;
}

TEST(QtDrawContextLines, WrittenAndPaintedLinesAgree) {
    std::mt19937 random(7);
    const Points paths[] = {Across(random), Short(random), Far(random), kExtremes};
    const QImage patterned = Patterned();
    const QImage patterned24 = patterned.convertToFormat(QImage::Format_RGB888);
    for (const auto& drawing : kDrawings) {
        bool drawnAtAll = false;
        for (const Points& points : paths) {
            for (const RasterOp op :
                 {RasterOp::CopyPen, RasterOp::XorPen, RasterOp::NotXorPen, RasterOp::Invert}) {
                for (const PenStyle style : {PenStyle::Solid, PenStyle::Dash, PenStyle::DashDot}) {
                    for (const int mode : {0, 1, 2, 3}) {
                        const LineSetup pen{op, style, (mode & 1) != 0, (mode & 2) != 0};
                        SCOPED_TRACE(testing::Message()
                                     << drawing.name << " from " << points[0].x << ","
                                     << points[0].y << ", op " << static_cast<int>(op) << ", style "
                                     << static_cast<int>(style) << ", mode " << mode);
                        const QImage written = Render(patterned, drawing.draw, points, pen);
                        EXPECT_TRUE(
                            SameBytes(written, Render(patterned24, drawing.draw, points, pen)));
                        drawnAtAll = drawnAtAll || written != patterned;
                    }
                }
            }
        }
        EXPECT_TRUE(drawnAtAll) << drawing.name;  // the paths do reach the image
    }
}

}  // namespace
}  // namespace korvo
