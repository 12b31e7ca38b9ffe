// Cached extents after moves, turns and scales: an element measured before a change must report
// what a freshly made copy of the changed element reports, or culling and grips go stale.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <numbers>

#include "model/DrawObjCircle.h"
#include "model/DrawObjEllipse.h"
#include "model/DrawObjLine.h"
#include "model/DrawObjPolygon.h"
#include "support/PaperFixture.h"

namespace korvo {
namespace {

using Make = std::function<std::unique_ptr<CDrawObj>()>;
using Change = std::function<void(CDrawObj&)>;

TEST(ElementExtents, FollowEveryMoveTurnAndScale) {
    auto paper = test::MakePaper();
    const struct {
        const char* name;
        Make make;
    } elements[] = {
        {"line", [] { return std::make_unique<CDrawObjLine>(10, 20, 60, 30, 0, 250, 0, 1); }},
        {"circle",
         [] { return std::make_unique<CDrawObjCircle>(40, 50, 5, 0, 250, 0, 0, 0, 0, 1); }},
        {"ellipse",
         [] { return std::make_unique<CDrawObjEllipse>(40, 50, 30, 10, 0, 90, 0, 0, 250, 0, 1); }},
        {"polygon", [] {
             return std::make_unique<CDrawObjPolygon>(
                 std::vector<PointF>{{10, 10}, {50, 10}, {30, 40}}, 0, 250, 0, 1, 0, 0, 1);
         }}};
    const struct {
        const char* name;
        Change change;
    } changes[] = {{"move", [](CDrawObj& e) { e.MoveBy(15, -5); }},
                   {"move back", [](CDrawObj& e) { e.MoveBack(15, -5); }},
                   {"turn", [](CDrawObj& e) { e.Rotate(0, 0, std::numbers::pi / 2); }},
                   {"scale", [](CDrawObj& e) { e.Scale(100, 100, 2.0, 0.5); }}};
    for (const auto& element : elements) {
        for (const auto& change : changes) {
            SCOPED_TRACE(std::string(element.name) + ", " + change.name);
            const auto measured = element.make();
            const RectF before = measured->GetExtents(*paper, nullptr);
            change.change(*measured);
            const auto fresh = element.make();
            change.change(*fresh);
            const RectF expected = fresh->GetExtents(*paper, nullptr);
            ASSERT_NE(before, expected);
            EXPECT_EQ(measured->GetExtents(*paper, nullptr), expected);
        }
    }
}

}  // namespace
}  // namespace korvo
