// Parallels of lines and ellipses, and the typed-distance points they are made through.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "edit/ParallelEdit.h"
#include "model/Data.h"
#include "model/DrawObjCircle.h"
#include "model/DrawObjEllipse.h"
#include "model/DrawObjLine.h"
#include "support/PaperFixture.h"

namespace korvo::test {
namespace {

std::unique_ptr<CData> Line(float x1, float y1, float x2, float y2) {
    return MakeNode(std::make_unique<CDrawObjLine>(x1, y1, x2, y2, 0, 250, 0, 1), kNodeLine);
}

std::unique_ptr<CData> Ellipse(float cx, float cy, float a, float b, float rotation = 0.0f) {
    return MakeNode(
        std::make_unique<CDrawObjEllipse>(cx, cy, a, b, 0.0f, 360.0f, rotation, 0, 250, 0, 1),
        kNodeEllipse);
}

// The geometry of a node as one list of numbers: line ends, or centre, axes and rotation.
std::vector<double> Geometry(const CData& node) {
    if (node.GetType() == kNodeLine) {
        return {node.GetX1(), node.GetY1(), node.GetX2(), node.GetY2()};
    }
    return {node.GetX1(), node.GetY1(), node.GetAxisA(), node.GetAxisB(), node.GetAngle()};
}

void ExpectNear(const std::vector<double>& actual, const std::vector<double>& expected,
                const std::string& what) {
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(actual[i], expected[i], 1e-4) << what << " value " << i;
    }
}

TEST(ParallelEdits, LinesShiftAndEllipsesScaleThroughThePoint) {
    const struct {
        std::string what;
        std::unique_ptr<CData> source;
        PointF through;
        std::vector<double> expected;  // empty: no parallel
    } cases[] = {
        {"horizontal line", Line(0, 0, 10, 0), {3, 2}, {0, 2, 10, 2}},
        {"diagonal line", Line(0, 0, 10, 10), {0, 10}, {-5, 5, 5, 15}},
        {"on the line", Line(0, 0, 10, 0), {7, 0}, {}},
        {"line of no length", Line(4, 4, 4, 4), {6, 7}, {6, 7, 6, 7}},
        {"circle-shaped ellipse", Ellipse(50, 50, 5, 5), {58, 50}, {50, 50, 8, 8, 0}},
        {"ellipse on its minor axis", Ellipse(0, 0, 10, 5), {0, 10}, {0, 0, 20, 10, 0}},
        {"turned ellipse", Ellipse(0, 0, 10, 5, 90), {0, 20}, {0, 0, 20, 10, 90}},
        {"at the centre", Ellipse(0, 0, 10, 5), {0, 0}, {}},
        {"point", MakeNode(std::make_unique<CDrawObjCircle>(), kNodePoint), {3, 3}, {}},
        {"group", std::make_unique<CData>(), {3, 3}, {}},
    };
    for (const auto& c : cases) {
        const std::unique_ptr<CData> copy = CreateParallel(*c.source, c.through);
        if (c.expected.empty()) {
            EXPECT_EQ(copy, nullptr) << c.what;
            continue;
        }
        ASSERT_NE(copy, nullptr) << c.what;
        EXPECT_EQ(copy->GetType(), c.source->GetType()) << c.what;
        ExpectNear(Geometry(*copy), c.expected, c.what);
    }
}

TEST(ParallelEdits, CopiesKeepTheArcAndItsPen) {
    auto arc = std::make_unique<CDrawObjEllipse>(10, 10, 4, 2, 30, 120, 15, 2, 500, 0xFF, 7);
    arc->SetFactor(2.5f);
    const auto source = MakeNode(std::move(arc), kNodeEllipse, kMarkSelected);
    const std::unique_ptr<CData> copy = CreateParallel(*source, {30, 30});
    ASSERT_NE(copy, nullptr);
    const CDrawObj& e = *copy->GetElement();
    EXPECT_EQ(std::tuple(e.GetStartAngle(), e.GetEndAngle(), e.GetStyle(), e.GetWidth(),
                         e.GetColor(), e.GetLevel(), e.GetFactor(), copy->GetMark()),
              std::tuple(30.0f, 120.0f, 2, 500, 0xFFu, 7, 2.5f, kMarkNormal));
    EXPECT_NEAR(e.GetAxisA() / e.GetAxisB(), 2.0, 1e-5) << "the shape is kept";
}

// The distance shown for the cursor, typed back unchanged, leads to the cursor itself; the
// parallel through a typed point lies at the typed distance.
TEST(ParallelEdits, TypedDistancesAgreeWithMeasuredOnes) {
    const struct {
        std::string what;
        std::unique_ptr<CData> source;
        PointF aim;
        double measured;
    } cases[] = {
        {"line, left", Line(0, 0, 10, 0), {3, 2}, 2.0},
        {"line, right", Line(0, 0, 10, 0), {3, -2}, 2.0},
        {"slanted line", Line(0, 0, 3, 4), {4, -3}, 5.0},
        {"ellipse, outside", Ellipse(0, 0, 10, 5), {0, 8}, 3.0},
        {"ellipse, inside", Ellipse(0, 0, 10, 5), {4, 0}, 6.0},
        {"turned ellipse", Ellipse(5, 5, 10, 5, 90), {5, 17}, 2.0},
    };
    for (const auto& c : cases) {
        const CDrawObj& element = *c.source->GetElement();
        EXPECT_NEAR(ParallelDistance(element, c.aim), c.measured, 1e-5) << c.what;
        const std::optional<PointF> back = ParallelPointAt(element, c.aim, c.measured);
        ASSERT_TRUE(back) << c.what;
        EXPECT_NEAR(back->x, c.aim.x, 1e-4) << c.what;
        EXPECT_NEAR(back->y, c.aim.y, 1e-4) << c.what;
        const std::optional<PointF> further = ParallelPointAt(element, c.aim, 1.5);
        ASSERT_TRUE(further) << c.what;
        EXPECT_NEAR(ParallelDistance(element, *further), 1.5, 1e-4) << c.what;
        const std::unique_ptr<CData> copy = CreateParallel(*c.source, *further);
        ASSERT_NE(copy, nullptr) << c.what;
        // The copy passes through the typed point: measured from the copy it lies on it.
        EXPECT_NEAR(ParallelDistance(*copy->GetElement(), *further), 0.0, 1e-4) << c.what;
    }
}

TEST(ParallelEdits, TypedPointsOnTheElementOrPastTheCentre) {
    const auto line = Line(0, 0, 10, 0);
    const std::optional<PointF> left = ParallelPointAt(*line->GetElement(), {4, 0}, 3.0);
    ASSERT_TRUE(left);
    EXPECT_EQ(*left, (PointF{4, 3})) << "on the line the parallel goes to its left";
    const auto ellipse = Ellipse(0, 0, 10, 5);
    EXPECT_FALSE(ParallelPointAt(*ellipse->GetElement(), {4, 0}, 12.0)) << "shrinks past centre";
    EXPECT_FALSE(ParallelPointAt(*ellipse->GetElement(), {4, 0}, 10.0)) << "shrinks to the centre";
    const auto point = MakeNode(std::make_unique<CDrawObjCircle>(), kNodePoint);
    EXPECT_FALSE(ParallelPointAt(*point->GetElement(), {4, 0}, 1.0));
}

}  // namespace
}  // namespace korvo::test
