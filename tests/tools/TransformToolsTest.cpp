// The move, copy, rotate, scale and mirror tools driven like a user drives them: clicks, keypad,
// Ctrl, typed values and right clicks through the view, with the document's invariants checked
// after every event. Where the points go in general is the edits' test; here it is the steps.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/DataCollection.h"
#include "platform/KeyCodes.h"
#include "support/ValueRows.h"
#include "support/ViewHarness.h"
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

struct Seg {
    PointD a, b;
};

void ExpectSeg(const CData& n, Seg s) {
    EXPECT_NEAR(n.GetX1(), s.a.x, 1e-3);
    EXPECT_NEAR(n.GetY1(), s.a.y, 1e-3);
    EXPECT_NEAR(n.GetX2(), s.b.x, 1e-3);
    EXPECT_NEAR(n.GetY2(), s.b.y, 1e-3);
}

PointD Turn(PointD p, PointD c, double degrees) {
    const double a = degrees * kPi / 180.0;
    return {c.x + (p.x - c.x) * std::cos(a) - (p.y - c.y) * std::sin(a),
            c.y + (p.x - c.x) * std::sin(a) + (p.y - c.y) * std::cos(a)};
}

// Zoomed to the whole sheet, 2490 x 1410 pixels show 4 pixels per unit: clicks land exactly.
// Every test ends with the document's invariants intact.
class TransformToolsTest : public ::testing::Test {
protected:
    void SetUp() override { h.Command(kCmdZoomOriginal); }
    void TearDown() override { EXPECT_THAT(h.Violations(), IsEmpty()); }

    // A fresh drawing of one selected line, and the tool of `command` chosen.
    CData* Start(int command, float x1, float y1, float x2, float y2) {
        h.Command(kCmdClearChar);
        CData* node = h.AddLine(x1, y1, x2, y2);
        node->SetMark(kMarkSelected);
        h.Command(command);
        return node;
    }
    CData* Node(std::size_t i) { return h.Paper().GetCollection()->GetAt(i); }
    std::size_t Count() { return h.Paper().GetCollection()->GetCount(); }
    CFuncToolTransform* Tool() { return dynamic_cast<CFuncToolTransform*>(h.View().GetTool()); }
    bool BackToSelection() { return h.View().GetToolId() == kToolSelection; }
    // The lines of the last paint as pairs of client points: all of them, or only the thin
    // highlight lines that guide a transform.
    std::vector<std::vector<DevicePoint>> LinesDrawn(bool guidesOnly) {
        h.Paint();
        std::vector<std::vector<DevicePoint>> lines;
        for (const auto& call : h.Window().CallsOf("line")) {
            const bool guide =
                call.pen.color == h.Paper().Values().highlightColor && !call.pen.geometric;
            if (guide || !guidesOnly) {
                lines.push_back(call.points);
            }
        }
        return lines;
    }

    ViewHarness h{{2490, 1410}};
};

TEST_F(TransformToolsTest, MoveTurnsAndScalesAboutTheTargetAsTheKeypadDidTheGhost) {
    const struct {
        std::vector<int> keys;
        double degrees;
        double factor;
    } cases[] = {
        {{}, 0, 1},
        {{kVkAdd, kVkAdd}, 180, 1},
        {{kVkSubtract}, -90, 1},
        {{kVkMultiply, kVkAdd}, 90, 2},
        {{kVkDivide, kVkDivide, kVkSubtract, kVkAdd}, 0, 0.25},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys.size());
        CData* line = Start(kCmdMove, 10, 10, 30, 10);
        h.Key(kVkAdd);  // before the base point: no ghost to turn yet
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
        EXPECT_TRUE(BackToSelection());
    }
}

TEST_F(TransformToolsTest, TheGhostIsDrawnLiveFromTheBasePointUntilAStepBack) {
    Start(kCmdMove, 10, 10, 30, 10);
    // How often the window shows a line between two points (the drawing's own lines included).
    const auto drawn = [&](PointF a, PointF b) {
        const auto lines = LinesDrawn(false);
        return std::count(lines.begin(), lines.end(),
                          std::vector<DevicePoint>{h.ToClient(a), h.ToClient(b)});
    };
    h.Move({50, 40});
    EXPECT_EQ(drawn({50, 40}, {70, 40}), 0);
    h.Click({10, 10});
    h.Move({50, 40});
    EXPECT_EQ(drawn({50, 40}, {70, 40}), 1);
    EXPECT_EQ(drawn({10, 10}, {30, 10}), 1);
    h.Move({60, 40});
    EXPECT_EQ(drawn({50, 40}, {70, 40}), 0);
    EXPECT_EQ(drawn({60, 40}, {80, 40}), 1);
    h.RClick({60, 40});
    EXPECT_EQ(drawn({60, 40}, {80, 40}), 0);
}

TEST_F(TransformToolsTest, CopyRotateAndMirrorKeepOrReplaceTheSelection) {
    const auto shift = [](PointD p) { return PointD{p.x + 50, p.y + 5}; };
    const auto quarter = [](PointD p) { return Turn(p, {50, 50}, 90); };
    const auto flipAt40 = [](PointD p) { return PointD{p.x, 80 - p.y}; };
    const struct {
        const char* name;
        int command;
        std::vector<PointF> clicks;
        unsigned lastFlags;
        std::function<PointD(PointD)> image;
        bool copied;
        int originalMark;
    } cases[] = {
        {"copy", kCmdCopy, {{0, 0}, {50, 5}}, 0, shift, true, 0},
        {"rotate", kCmdRotate, {{50, 50}, {60, 50}, {50, 60}}, 0, quarter, false, 1},
        {"rotate, ctrl", kCmdRotate, {{50, 50}, {60, 50}, {50, 60}}, kMkControl, quarter, true, 1},
        {"mirror about y = 40", kCmdMirror, {{0, 40}, {100, 40}}, 0, flipAt40, false, 1},
        {"mirror, ctrl", kCmdMirror, {{100, 40}, {0, 40}}, kMkControl, flipAt40, true, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CData* line = Start(c.command, 60, 50, 70, 60);
        for (std::size_t i = 0; i < c.clicks.size(); ++i) {
            h.Move(c.clicks[i]);
            h.Click(c.clicks[i], i + 1 == c.clicks.size() ? c.lastFlags : 0);
        }
        const Seg image{c.image({60, 50}), c.image({70, 60})};
        ASSERT_EQ(Count(), c.copied ? 2u : 1u);
        ExpectSeg(*line, c.copied ? Seg{{60, 50}, {70, 60}} : image);
        EXPECT_EQ(line->GetMark(), c.originalMark);
        if (c.copied) {
            ExpectSeg(*Node(1), image);
            EXPECT_EQ(Node(1)->GetMark(), 1 - c.originalMark);
        }
        EXPECT_TRUE(BackToSelection());
    }
}

TEST_F(TransformToolsTest, ScaleFactorsAreATenthOfTheMouseOffsetAndTheGhostShowsPositiveOnes) {
    const struct {
        PointF target;  // the base point is (40, 40)
        const char* status;
        float ghostX, ghostY;
    } cases[] = {
        {{60, 50}, "ZX=2.00 ZY=1.00", 2, 1},
        {{45, 60}, "ZX=0.50 ZY=2.00", 0.5f, 2},
        {{30, 50}, "ZX=-1.00 ZY=1.00", 1, 1},
        {{50, 40}, "ZX=1.00 ZY=0.00", 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.status);
        CData* line = Start(kCmdScale, 40, 40, 50, 50);
        h.Click({40, 40});
        h.Move(c.target);
        EXPECT_EQ(h.host.Pane(kPaneToolValues), c.status);
        EXPECT_FLOAT_EQ(Tool()->GetGhostPose().fx, c.ghostX);
        EXPECT_FLOAT_EQ(Tool()->GetGhostPose().fy, c.ghostY);
        h.Click(c.target);
        // (50, 50) lies ten units off in both, so it lands on the target.
        ExpectSeg(*line, {{40, 40}, {c.target.x, c.target.y}});
    }
}

TEST_F(TransformToolsTest, RightClickAndEscapeStepBackWithAFreshGhostOnlyRightClickLeaves) {
    const struct {
        int command;
        int clicks;
    } cases[] = {{kCmdMove, 1}, {kCmdRotate, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.command << " after " << c.clicks);
        Start(c.command, 60, 50, 70, 60);
        const int toolId = h.View().GetToolId();
        const PointF at[] = {{50, 50}, {60, 50}};
        for (int i = 0; i < c.clicks; ++i) {
            h.Click(at[i]);
        }
        h.Move({80, 20});
        // The last step back by Escape, which at the first step stays in the tool.
        for (int step = c.clicks - 1; step >= 0; --step) {
            step == 0 ? h.Key(kVkEscape) : h.RClick({80, 20});
            EXPECT_EQ(Tool()->GetStepNumber(), step);
        }
        h.Key(kVkEscape);
        EXPECT_EQ(h.View().GetToolId(), toolId);
        h.RClick({80, 20});
        EXPECT_TRUE(BackToSelection());
        ExpectSeg(*Node(0), {{60, 50}, {70, 60}});
    }
    // Back at the reference point the ghost is unturned, and the next turn counts from there.
    CData* line = Start(kCmdRotate, 60, 50, 70, 50);
    h.Click({50, 50});
    h.Click({60, 50});
    h.Move({50, 60});
    h.RClick({50, 60});
    ExpectSeg(*Tool()->GetGhostNodes()->GetAt(0), {{60, 50}, {70, 50}});
    h.Click({50, 60});
    h.Move({40, 50});
    h.Click({40, 50});
    ExpectSeg(*line, {{50, 60}, {50, 70}});
}

TEST_F(TransformToolsTest, TypedValuesAndCancelledDialogs) {
    const struct {
        const char* name;
        int command;
        std::vector<std::pair<int, ValueInputRows>> entries;  // key, answer
        ShownRows lastDialog;
        Seg result;
    } cases[] = {
        // clang-format off
        {"move by an offset", kCmdMove, {{kVkSpace, Typed(20, 20)}, {kVkSpace, Typed(5, -5)}},
         {{"dX", 0}, {"dY", 0}}, {{65, 45}, {75, 55}}},
        {"move by distance and angle", kCmdMove,
         {{kVkSpace, Typed(20, 20)}, {kVkControl, Typed(10, 90)}},
         {{"Distance", 0}, {"Angle", 0}}, {{60, 60}, {70, 70}}},
        {"rotate by an angle", kCmdRotate,
         {{kVkSpace, Typed(50, 50)}, {kVkSpace, Typed(60, 50)}, {kVkSpace, Typed(90)}},
         {{"W", 0}}, {{50, 60}, {40, 70}}},
        {"scale by factors", kCmdScale, {{kVkSpace, Typed(60, 50)}, {kVkSpace, Typed(2, 3)}},
         {{"dX", 1}, {"dY", 1}}, {{60, 50}, {80, 80}}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CData* line = Start(c.command, 60, 50, 70, 60);
        h.Move({60, 30});
        CFuncToolTransform* tool = Tool();
        for (const auto& [key, answer] : c.entries) {
            // Cancelled first: nothing changes and the tool waits at the same step.
            const int step = tool->GetStepNumber();
            h.host.AnswerValues(std::nullopt);
            h.Key(key);
            ExpectSeg(*line, {{60, 50}, {70, 60}});
            ASSERT_EQ(Tool(), tool);
            EXPECT_EQ(tool->GetStepNumber(), step);
            h.host.AnswerValues(answer);
            h.Key(key);
        }
        EXPECT_EQ(Shown(h.host.valuePresets.back()), c.lastDialog);
        ExpectSeg(*line, c.result);
        EXPECT_TRUE(BackToSelection());
    }
}

// The ghost alone may lie on the selection (rotate before its reference point) or stand still
// (scale at factors it does not take); the fixed points and the lines from them show what the
// next click will do.
TEST_F(TransformToolsTest, TransformsShowTheirConstructionUntilSteppedBack) {
    using Guide = std::pair<PointF, PointF>;
    const struct {
        const char* what;
        int command;
        std::vector<PointF> clicks;
        PointF mouse;
        std::vector<Guide> guides;
    } cases[] = {
        {"rotate, centre fixed", kCmdRotate, {{50, 50}}, {80, 60}, {{{50, 50}, {80, 60}}}},
        // clang-format off
        {"rotate, reference fixed", kCmdRotate, {{50, 50}, {90, 50}}, {50, 90},
         {{{50, 50}, {90, 50}}, {{50, 50}, {50, 90}}}},
        // clang-format on
        // Left of and below the base: factors the ghost does not show.
        {"scale, base fixed", kCmdScale, {{20, 40}}, {10, 30}, {{{20, 40}, {10, 30}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Start(c.command, 60, 20, 120, 20);
        h.Move(c.mouse);
        EXPECT_THAT(LinesDrawn(true), IsEmpty());
        for (const PointF p : c.clicks) {
            h.Click(p);
        }
        h.Move(c.mouse);
        std::vector<std::vector<DevicePoint>> wanted;
        for (const Guide& g : c.guides) {
            wanted.push_back({h.ToClient(g.first), h.ToClient(g.second)});
        }
        EXPECT_THAT(LinesDrawn(true), ::testing::UnorderedElementsAreArray(wanted));
        for (std::size_t i = 0; i < c.clicks.size(); ++i) {
            h.RClick(c.mouse);
        }
        EXPECT_THAT(LinesDrawn(true), IsEmpty());
        h.RClick(c.mouse);
        EXPECT_TRUE(BackToSelection());
    }
}

}  // namespace
}  // namespace korvo::test
