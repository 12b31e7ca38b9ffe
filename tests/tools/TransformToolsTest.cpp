// The move, copy, rotate, scale and mirror tools driven like a user drives them: clicks, keypad,
// Ctrl, typed values and right clicks through the view, with the document's invariants checked
// after every event.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/Data.h"
#include "model/DataCollection.h"
#include "platform/KeyCodes.h"
#include "support/ViewHarness.h"
#include "tools/FuncToolMirror.h"
#include "tools/FuncToolMoveCopy.h"
#include "tools/FuncToolRotate.h"
#include "tools/FuncToolScale.h"
#include "view/ViewCommands.h"

namespace korvo::test {
namespace {

using ::testing::IsEmpty;

constexpr int kCmdMove = 41034;
constexpr int kCmdCopy = 41228;
constexpr int kCmdRotate = 41086;
constexpr int kCmdScale = 41087;
constexpr int kCmdMirror = 41090;

// A line as its two end points.
struct Seg {
    PointD a;
    PointD b;
};

Seg SegOf(const CData& node) {
    return {{node.GetX1(), node.GetY1()}, {node.GetX2(), node.GetY2()}};
}

void ExpectSeg(const CData& node, Seg expected) {
    const Seg s = SegOf(node);
    EXPECT_NEAR(s.a.x, expected.a.x, 1e-3);
    EXPECT_NEAR(s.a.y, expected.a.y, 1e-3);
    EXPECT_NEAR(s.b.x, expected.b.x, 1e-3);
    EXPECT_NEAR(s.b.y, expected.b.y, 1e-3);
}

PointD Turn(PointD p, PointD c, double degrees) {
    const double a = degrees * kPi / 180.0;
    const double dx = p.x - c.x;
    const double dy = p.y - c.y;
    return {c.x + dx * std::cos(a) - dy * std::sin(a), c.y + dx * std::sin(a) + dy * std::cos(a)};
}

ValueInputRows Typed(float first, float second = 0.0f) {
    ValueInputRows rows{};
    rows[0].value = first;
    rows[1].value = second;
    return rows;
}

// Zoomed to the whole sheet, 2490 x 1410 pixels show 4 pixels per unit, so clicks land exactly
// on the points the tests name.
class TransformToolsTest : public ::testing::Test {
protected:
    void SetUp() override { h.Command(kCmdZoomOriginal); }

    CData* Selected(float x1, float y1, float x2, float y2) {
        CData* node = h.AddLine(x1, y1, x2, y2);
        node->SetMark(kMarkSelected);
        return node;
    }
    CData* Node(std::size_t i) { return h.Paper().GetCollection()->GetAt(i); }
    std::size_t Count() { return h.Paper().GetCollection()->GetCount(); }
    template <class Tool>
    Tool* ToolAs() {
        return dynamic_cast<Tool*>(h.View().GetTool());
    }
    std::vector<std::pair<std::string, float>> LastDialog() const {
        std::vector<std::pair<std::string, float>> shown;
        for (const ValueInputRow& row : h.host.valuePresets.back()) {
            if (!row.label.empty()) {
                shown.emplace_back(row.label, row.value);
            }
        }
        return shown;
    }
    bool BackToSelection() { return h.View().GetToolId() == kToolSelection; }

    ViewHarness h{{2490, 1410}};
};

TEST_F(TransformToolsTest, MoveTurnsAndScalesAboutTheTargetAsTheKeypadTurnedTheGhost) {
    struct Case {
        std::vector<int> keys;
        double degrees;
        double factor;
    };
    const Case cases[] = {
        {{}, 0, 1},
        {{kVkAdd, kVkAdd}, 180, 1},
        {{kVkSubtract}, -90, 1},
        {{kVkMultiply, kVkAdd}, 90, 2},
        {{kVkDivide, kVkDivide, kVkSubtract, kVkAdd}, 0, 0.25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys.size());
        h.Command(kCmdClearChar);
        CData* line = Selected(10, 10, 30, 10);
        h.Command(kCmdMove);
        // Keys before the base point change nothing.
        h.Key(kVkAdd);
        h.Click({10, 10});
        h.Move({100, 100});
        for (const int key : c.keys) {
            h.Key(key);
        }
        h.Click({100, 100});
        const auto image = [&](PointD p) {
            return Turn({100 + c.factor * (p.x - 10), 100 + c.factor * (p.y - 10)}, {100, 100},
                        c.degrees);
        };
        ExpectSeg(*line, {image({10, 10}), image({30, 10})});
        EXPECT_EQ(line->GetMark(), kMarkSelected);
        EXPECT_TRUE(BackToSelection());
    }
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST_F(TransformToolsTest, TheGhostFollowsTheMouseOnlyOnceTheBasePointIsGiven) {
    Selected(10, 10, 30, 10);
    h.Command(kCmdMove);
    // How often the window shows a line between two points.
    const auto drawn = [&](PointF a, PointF b) {
        h.Paint();
        const std::vector<DevicePoint> wanted{h.ToClient(a), h.ToClient(b)};
        int count = 0;
        for (const auto& call : h.Window().CallsOf("line")) {
            count += call.points == wanted ? 1 : 0;
        }
        return count;
    };
    h.Move({50, 40});
    EXPECT_EQ(drawn({10, 10}, {30, 10}), 1);  // the line itself
    EXPECT_EQ(drawn({50, 40}, {70, 40}), 0);
    h.Click({10, 10});
    h.Move({50, 40});
    EXPECT_EQ(drawn({10, 10}, {30, 10}), 1);
    EXPECT_EQ(drawn({50, 40}, {70, 40}), 1);  // the ghost
    h.Move({60, 40});
    EXPECT_EQ(drawn({50, 40}, {70, 40}), 0);
    EXPECT_EQ(drawn({60, 40}, {80, 40}), 1);
    h.RClick({60, 40});
    EXPECT_EQ(drawn({60, 40}, {80, 40}), 0);
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST_F(TransformToolsTest, CopyLeavesTheOriginalsInPlaceUnselectedAndSelectsTheCopies) {
    CData* first = Selected(10, 10, 30, 10);
    CData* other = h.AddLine(10, 50, 30, 50);
    CData* second = Selected(10, 20, 10, 40);
    h.Command(kCmdCopy);
    h.Click({0, 0});
    h.Click({50, 5});
    ASSERT_EQ(Count(), 5u);
    ExpectSeg(*first, {{10, 10}, {30, 10}});
    ExpectSeg(*second, {{10, 20}, {10, 40}});
    EXPECT_EQ(first->GetMark() + second->GetMark() + other->GetMark(), 0);
    ExpectSeg(*Node(3), {{60, 15}, {80, 15}});
    ExpectSeg(*Node(4), {{60, 25}, {60, 45}});
    EXPECT_EQ(Node(3)->GetMark() + Node(4)->GetMark(), 2 * kMarkSelected);
    EXPECT_TRUE(BackToSelection());
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST_F(TransformToolsTest, RotateAndMirrorChangeTheSelectionOrWithCtrlAddACopy) {
    struct Case {
        const char* name;
        int command;
        std::vector<PointF> clicks;
        unsigned lastFlags;
        std::function<PointD(PointD)> image;
    };
    const auto quarter = [](PointD p) { return Turn(p, {50, 50}, 90); };
    const auto flipAt40 = [](PointD p) { return PointD{p.x, 80 - p.y}; };
    const auto flipDiagonal = [](PointD p) { return PointD{p.y, p.x}; };
    const Case cases[] = {
        {"rotate", kCmdRotate, {{50, 50}, {60, 50}, {50, 60}}, 0, quarter},
        {"rotate, ctrl", kCmdRotate, {{50, 50}, {60, 50}, {50, 60}}, kMkControl, quarter},
        {"mirror about y = 40", kCmdMirror, {{0, 40}, {100, 40}}, 0, flipAt40},
        {"mirror about y = 40, ctrl", kCmdMirror, {{100, 40}, {0, 40}}, kMkControl, flipAt40},
        {"mirror about y = x", kCmdMirror, {{5, 5}, {45, 45}}, 0, flipDiagonal},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        h.Command(kCmdClearChar);
        CData* line = Selected(60, 50, 70, 60);
        h.Command(c.command);
        for (std::size_t i = 0; i < c.clicks.size(); ++i) {
            h.Move(c.clicks[i]);
            h.Click(c.clicks[i], i + 1 == c.clicks.size() ? c.lastFlags : 0);
        }
        const Seg moved{c.image({60, 50}), c.image({70, 60})};
        if (c.lastFlags == kMkControl) {
            ASSERT_EQ(Count(), 2u);
            ExpectSeg(*line, {{60, 50}, {70, 60}});
            EXPECT_EQ(line->GetMark(), kMarkSelected);
            ExpectSeg(*Node(1), moved);
            EXPECT_EQ(Node(1)->GetMark(), kMarkNormal);
        } else {
            ASSERT_EQ(Count(), 1u);
            ExpectSeg(*line, moved);
        }
        EXPECT_TRUE(BackToSelection());
    }
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST_F(TransformToolsTest, ScaleFactorsAreATenthOfTheMouseOffset) {
    struct Case {
        PointF target;  // from the base point (40, 40)
        const char* status;
        GhostPose ghost;  // the ghost shows positive factors only
        Seg result;
    };
    const Case cases[] = {
        {{60, 50}, "ZX=2.00 ZY=1.00", {2, 1, 0}, {{40, 40}, {60, 50}}},
        {{45, 60}, "ZX=0.50 ZY=2.00", {0.5f, 2, 0}, {{40, 40}, {45, 60}}},
        {{30, 50}, "ZX=-1.00 ZY=1.00", {1, 1, 0}, {{40, 40}, {30, 50}}},
        {{50, 40}, "ZX=1.00 ZY=0.00", {1, 1, 0}, {{40, 40}, {50, 40}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        h.Command(kCmdClearChar);
        CData* line = Selected(40, 40, 50, 50);
        h.Command(kCmdScale);
        h.Click({40, 40});
        h.Move(c.target);
        EXPECT_EQ(h.host.Pane(kPaneToolValues), c.status);
        const GhostPose pose = ToolAs<CFuncToolScale>()->GetGhostPose();
        EXPECT_FLOAT_EQ(pose.fx, c.ghost.fx);
        EXPECT_FLOAT_EQ(pose.fy, c.ghost.fy);
        h.Click(c.target);
        ExpectSeg(*line, c.result);
        EXPECT_TRUE(BackToSelection());
    }
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST_F(TransformToolsTest, RightClickStepsBackAndAtTheFirstStepLeaves) {
    struct Case {
        int command;
        int clicks;
    };
    const Case cases[] = {{kCmdMove, 1},   {kCmdCopy, 1},  {kCmdRotate, 1},
                          {kCmdRotate, 2}, {kCmdScale, 1}, {kCmdMirror, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.command << " after " << c.clicks);
        h.Command(kCmdClearChar);
        Selected(60, 50, 70, 60);
        h.Command(c.command);
        const int toolId = h.View().GetToolId();
        const PointF at[] = {{50, 50}, {60, 50}};
        for (int i = 0; i < c.clicks; ++i) {
            h.Click(at[i]);
        }
        h.Move({80, 20});
        const auto* tool = dynamic_cast<CFuncToolTransform*>(h.View().GetTool());
        ASSERT_NE(tool, nullptr);
        for (int step = c.clicks - 1; step >= 0; --step) {
            h.RClick({80, 20});
            EXPECT_EQ(tool->GetStepNumber(), step);
            EXPECT_EQ(h.View().GetToolId(), toolId);
        }
        ExpectSeg(*Node(0), {{60, 50}, {70, 60}});
        h.RClick({80, 20});
        EXPECT_TRUE(BackToSelection());
        ExpectSeg(*Node(0), {{60, 50}, {70, 60}});
    }
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST_F(TransformToolsTest, AfterAStepBackTheGhostAndTheTurnStartAfresh) {
    CData* line = Selected(60, 50, 70, 50);
    h.Command(kCmdRotate);
    h.Click({50, 50});
    h.Click({60, 50});
    h.Move({50, 60});  // the ghost is a quarter turn round
    h.RClick({50, 60});
    const CDataCollection* ghost = ToolAs<CFuncToolRotate>()->GetGhostNodes();
    ASSERT_NE(ghost, nullptr);
    ExpectSeg(*ghost->GetAt(0), {{60, 50}, {70, 50}});
    // A new reference straight up, the target straight left: another quarter turn.
    h.Click({50, 60});
    h.Move({40, 50});
    h.Click({40, 50});
    ExpectSeg(*line, {{50, 60}, {50, 70}});
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST_F(TransformToolsTest, TypedValuesAndCancelledDialogs) {
    using Shown = std::vector<std::pair<std::string, float>>;
    struct Case {
        const char* name;
        int command;
        std::vector<std::pair<int, ValueInputRows>> entries;  // key, answer
        Shown lastDialog;
        Seg result;
    };
    const Case cases[] = {
        {"move by a typed offset",
         kCmdMove,
         {{kVkSpace, Typed(20, 20)}, {kVkSpace, Typed(5, -5)}},
         {{"dX", 0}, {"dY", 0}},
         {{65, 45}, {75, 55}}},
        {"move by distance and angle",
         kCmdMove,
         {{kVkSpace, Typed(20, 20)}, {kVkControl, Typed(10, 90)}},
         {{"Distance", 0}, {"Angle", 0}},
         {{60, 60}, {70, 70}}},
        {"rotate by a typed angle",
         kCmdRotate,
         {{kVkSpace, Typed(50, 50)}, {kVkSpace, Typed(60, 50)}, {kVkSpace, Typed(90)}},
         {{"W", 0}},
         {{50, 60}, {40, 70}}},
        {"scale by typed factors",
         kCmdScale,
         {{kVkSpace, Typed(60, 50)}, {kVkSpace, Typed(2, 3)}},
         {{"dX", 1}, {"dY", 1}},
         {{60, 50}, {80, 80}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        h.Command(kCmdClearChar);
        CData* line = Selected(60, 50, 70, 60);
        h.Command(c.command);
        h.Move({60, 30});
        auto* tool = dynamic_cast<CFuncToolTransform*>(h.View().GetTool());
        ASSERT_NE(tool, nullptr);
        for (const auto& [key, answer] : c.entries) {
            // Cancelled first: nothing changes, the tool waits at the same step.
            const int step = tool->GetStepNumber();
            h.host.AnswerValues(std::nullopt);
            h.Key(key);
            ExpectSeg(*line, {{60, 50}, {70, 60}});
            ASSERT_EQ(h.View().GetTool(), tool);
            EXPECT_EQ(tool->GetStepNumber(), step);
            h.host.AnswerValues(answer);
            h.Key(key);
        }
        EXPECT_EQ(LastDialog(), c.lastDialog);
        ExpectSeg(*line, c.result);
        EXPECT_TRUE(BackToSelection());
    }
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST_F(TransformToolsTest, SelectedMembersOfAnUnselectedGroupAreTransformedAlone) {
    auto group = std::make_unique<CData>(kNodeGroup);
    auto member = std::make_unique<CData>(kNodeLine);
    member->CreateLine(10, 10, 20, 10, 0, 0.25f, 0, 1);
    group->AddChild(std::move(member));
    auto stay = std::make_unique<CData>(kNodeLine);
    stay->CreateLine(10, 30, 20, 30, 0, 0.25f, 0, 1);
    group->AddChild(std::move(stay));
    CData* added = h.Paper().AddNode(std::move(group));
    added->GetChildren()->GetAt(0)->SetMark(kMarkSelected);
    h.Command(kCmdMirror);
    h.Click({0, 20});
    h.Click({50, 20});
    ExpectSeg(*added->GetChildren()->GetAt(0), {{10, 30}, {20, 30}});
    ExpectSeg(*added->GetChildren()->GetAt(1), {{10, 30}, {20, 30}});
    EXPECT_EQ(added->GetChildren()->GetCount(), 2u);
    EXPECT_THAT(h.Violations(), IsEmpty());
}

}  // namespace
}  // namespace korvo::test
