#include <gtest/gtest.h>

#include "model/DrawObjCircle.h"
#include "model/DrawObjPolygon.h"
#include "model/DrawObjTransformation.h"
#include "support/PaperFixture.h"
#include "support/RecordingDrawContext.h"

namespace korvo {
namespace {

using test::MakeNode;
using test::MakePaper;
using test::RecordingDrawContext;

TEST(DrawObjCircle, TenSidedOutlineIsWhatIsHit) {
    auto paper = MakePaper();
    CDrawObjCircle circle(0, 0, 10, 0, 250, 0, 0, 0, 0, 1);
    EXPECT_EQ(circle.GetExtents(*paper, nullptr), (RectF{-10, -10, 10, 10}));
    const struct {
        PointF p;
        double d;
    } cases[] = {{{10, 0}, 0.0}, {{0, 0}, 10.0}, {{20, 0}, 10.0}, {{-10, 0}, 0.0}};
    for (const auto& c : cases) {
        EXPECT_NEAR(circle.GetDistance(*paper, c.p, nullptr), c.d, 1e-5);
    }
    // Between two samples the true circle measures more than nothing.
    EXPECT_GT(circle.GetDistance(*paper, {0, 10}, nullptr), 0.5);
    const auto samples = circle.SamplePoints();
    EXPECT_NEAR(samples.front().x, samples.back().x, 1e-5);
    EXPECT_NEAR(samples.front().y, samples.back().y, 1e-5);

    CDrawObjCircle moved(1, 1, 3, 0, 250, 0, 0, 0, 0, 1);
    moved.Scale(0, 0, 2, 2);
    EXPECT_EQ((PointF{moved.GetX1(), moved.GetY1()}), (PointF{2, 2}));
    EXPECT_EQ(moved.GetRadius(), 3.0f);
}

TEST(DrawObjCircle, MarkerDrawingAndCulling) {
    auto paper = MakePaper();
    auto node = MakeNode(std::make_unique<CDrawObjCircle>(50, 50, 1, 0, 250, 0, 0, 0, 0, 1),
                         kNodePoint, kMarkSelected);
    RecordingDrawContext dc;
    EXPECT_TRUE(node->Draw(*paper, &dc));
    ASSERT_EQ(dc.Calls().size(), 1u);
    EXPECT_EQ(dc.Calls()[0].op, "polygon");
    EXPECT_EQ(dc.Calls()[0].points.size(), 11u);
    EXPECT_EQ(dc.Calls()[0].brush.color, 0x0000FFu);  // the marked brush
    EXPECT_EQ(dc.Calls()[0].pen.color, paper->Values().selectionColor);

    CDrawObjCircle outside(5000, 5000, 1, 0, 250, 0, 0, 0, 0, 1);
    RecordingDrawContext culled;
    EXPECT_FALSE(outside.Draw(*paper, &culled, nullptr));
    EXPECT_TRUE(culled.Calls().empty());
}

TEST(DrawObjPolygon, InsideTestAndDrawing) {
    auto paper = MakePaper();
    const std::vector<PointF> square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    CDrawObjPolygon polygon(square, 0, 250, 0, 2, 0xFF, 4, 1);
    const struct {
        PointF p;
        double d;
    } cases[] = {{{5, 5}, 1.0},  {{15, 5}, -1.0}, {{-1, 5}, -1.0}, {{5, 11}, -1.0},
                 {{10, 5}, 1.0}, {{0, 5}, 1.0},   {{5, 10}, 1.0},  {{5, 0}, -1.0}};
    for (const auto& c : cases) {
        EXPECT_EQ(polygon.GetDistance(*paper, c.p, nullptr), c.d) << c.p.x << "," << c.p.y;
    }
    EXPECT_EQ(polygon.GetExtents(*paper, nullptr), (RectF{0, 0, 10, 10}));

    RecordingDrawContext dc;
    polygon.Draw(*paper, &dc, nullptr);
    ASSERT_EQ(dc.Calls().size(), 1u);
    EXPECT_EQ(dc.Calls()[0].op, "polygon");
    EXPECT_EQ(dc.Calls()[0].brush, (Brush{BrushStyle::Hatched, 0xFF, 4}));

    CDrawObjPolygon segment({{0, 0}, {10, 10}}, 0, 250, 0, 0, 0, 0, 1);
    RecordingDrawContext two;
    segment.Draw(*paper, &two, nullptr);
    ASSERT_EQ(two.Calls().size(), 1u);
    EXPECT_EQ(two.Calls()[0].op, "line");
}

TEST(DrawObjTransformation, FrameFollowsTurnsAndScales) {
    CDrawObjTransformation frame;
    frame.Rotate(0, 0, kHalfPi);
    EXPECT_NEAR(frame.GetAngle(), 90.0, 1e-4);
    EXPECT_NEAR(frame.GetAxisA(), 1.0, 1e-6);
    EXPECT_NEAR(frame.GetAxisB(), 1.0, 1e-6);

    CDrawObjTransformation scaled;
    scaled.Scale(0, 0, 2, 3);
    EXPECT_FLOAT_EQ(scaled.GetAxisA(), 2.0f);
    EXPECT_FLOAT_EQ(scaled.GetAxisB(), 3.0f);
    EXPECT_FLOAT_EQ(scaled.GetAngle(), 0.0f);
}

}  // namespace
}  // namespace korvo
