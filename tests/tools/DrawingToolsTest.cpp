// The drawing tools driven like a user drives them: clicks, moves, keys and typed values through
// the view, with the document's invariants checked after every event.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "model/Data.h"
#include "model/DataCollection.h"
#include "model/DrawObj.h"
#include "platform/KeyCodes.h"
#include "support/ValueRows.h"
#include "support/ViewHarness.h"
#include "tools/FuncTool.h"
#include "tools/FuncToolArc.h"
#include "tools/FuncToolCentreAxes.h"
#include "tools/FuncToolLine.h"
#include "tools/FuncToolRectangle.h"
#include "view/ViewCommands.h"
#include "view/ViewSwitches.h"

namespace korvo::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr int kCmdLine = 41040;
constexpr int kCmdRectangle = 41041;
constexpr int kCmdCircle = 41026;
constexpr int kCmdArc = 41027;
constexpr int kCmdEllipse = 41029;
constexpr int kCmdPoint = 41239;

// One segment or curve as the drawing holds it, for whole-value comparisons.
struct Shape {
    int type;
    std::vector<double> values;
    friend bool operator==(const Shape&, const Shape&) = default;
    friend void PrintTo(const Shape& s, std::ostream* os) {
        *os << "type " << s.type << " {";
        for (double v : s.values) {
            *os << " " << v;
        }
        *os << " }";
    }
};

Shape Line(double x1, double y1, double x2, double y2) {
    return {kNodeLine, {x1, y1, x2, y2}};
}
Shape Curve(double cx, double cy, double a, double b, double start, double end) {
    return {kNodeEllipse, {cx, cy, a, b, start, end, 0.0}};
}
Shape Point(double x, double y) {
    return {kNodePoint, {x, y, 1.0}};
}

Shape ShapeOf(const CData& node) {
    switch (node.GetType()) {
        case kNodeLine:
            return Line(node.GetX1(), node.GetY1(), node.GetX2(), node.GetY2());
        case kNodeEllipse:
            return Curve(node.GetX1(), node.GetY1(), node.GetAxisA(), node.GetAxisB(),
                         node.GetStartAngle(), node.GetEndAngle());
        default:
            return {node.GetType(), {node.GetX1(), node.GetY1(), node.GetRadius()}};
    }
}

// Zoomed to the whole sheet, a client of 2490 x 1410 pixels shows its 620 x 350 units at exactly 4
// pixels per unit, so every quarter unit is a pixel and clicks land on the very points the tests
// name.
class DrawingToolsTest : public ::testing::Test {
protected:
    void SetUp() override {
        h.Command(kCmdZoomOriginal);
        const PointF probe{53.25f, 46.5f};
        ASSERT_EQ(h.Paper().DeviceToWorld(h.ToClient(probe)), probe);
    }
    void TearDown() override { EXPECT_THAT(h.Violations(), IsEmpty()); }

    std::vector<Shape> Drawing() {
        std::vector<Shape> shapes;
        for (const CData* node : *h.Paper().GetCollection()) {
            shapes.push_back(ShapeOf(*node));
        }
        return shapes;
    }
    std::string Status() const { return h.host.Pane(kPaneToolValues); }
    template <class Tool>
    Tool& ToolAs() {
        auto* tool = dynamic_cast<Tool*>(h.View().GetTool());
        EXPECT_NE(tool, nullptr);
        return *tool;
    }
    ShownRows LastDialog() const { return Shown(h.host.valuePresets.back()); }

    ViewHarness h{{2490, 1410}};
};

TEST_F(DrawingToolsTest, LineChainSkipsRepeatedClicksAndRightClickEndsIt) {
    h.Command(kCmdLine);
    h.Move({10, 10});
    EXPECT_EQ(Status(), "X = 10.0 Y = 10.0");
    h.Click({10, 10});
    h.Click({10, 10});  // no length yet: ignored
    h.Move({30, 10});
    EXPECT_EQ(Status(), "X = 30.0 Y = 10.0 A = 0.0 L = 20.0");
    h.Click({30, 10});
    h.Click({30, 10});  // the same point again: still waiting
    h.Move({30, 40});
    EXPECT_EQ(Status(), "X = 30.0 Y = 40.0 A = 90.0 L = 30.0");
    h.Click({30, 40});
    h.Move({20, 30});
    EXPECT_EQ(Status(), "X = 20.0 Y = 30.0 A = 225.0 L = 14.1");
    h.RClick({20, 30});
    EXPECT_EQ(ToolAs<CFuncToolLine>().GetStep(), CFuncToolLine::Step::FirstPoint);
    EXPECT_THAT(Drawing(), ElementsAre(Line(10, 10, 30, 10), Line(30, 10, 30, 40)));
    // A new chain starts at the next click, not at the end of the last one.
    h.Click({50, 50});
    h.Click({60, 50});
    h.RClick({60, 50});
    h.RClick({60, 50});
    EXPECT_EQ(h.View().GetToolId(), kToolSelectionTool);
    EXPECT_EQ(Drawing().back(), Line(50, 50, 60, 50));
    EXPECT_EQ(Status(), "") << "the line tool clears its values as it goes";
}

TEST_F(DrawingToolsTest, CircleAndEllipseAxesFollowTheCursor) {
    const Shape ellipse = Curve(50, 50, 6, 3, 0, 360);
    const struct {
        int command;
        PointF cursor;
        std::string status;
        std::vector<Shape> added;
    } cases[] = {
        // The larger axis distance, not the Euclidean 5.
        {kCmdCircle, {53, 54}, "CX = 50.0 CY = 50.0 R = 4.0", {Curve(50, 50, 4, 4, 0, 360)}},
        {kCmdCircle, {46, 47}, "CX = 50.0 CY = 50.0 R = 4.0", {Curve(50, 50, 4, 4, 0, 360)}},
        {kCmdCircle, {50, 50}, "CX = 50.0 CY = 50.0", {}},
        // The cursor is a corner of the bounding box, on either side of the centre.
        {kCmdEllipse, {56, 53}, "CX = 50.0 CY = 50.0 A = 6.0 B = 3.0", {ellipse}},
        {kCmdEllipse, {44, 47}, "CX = 50.0 CY = 50.0 A = 6.0 B = 3.0", {ellipse}},
        {kCmdEllipse, {56, 50}, "CX = 50.0 CY = 50.0 A = 6.0 B = 0.0", {}},  // no height
    };
    for (const auto& c : cases) {
        h.Command(kCmdClearChar);
        h.Command(c.command);
        h.Move({50, 50});
        h.Click({50, 50});
        h.Move(c.cursor);
        EXPECT_EQ(Status(), c.status) << c.status;
        h.Click(c.cursor);
        EXPECT_EQ(Drawing(), c.added) << c.status;
        EXPECT_EQ(ToolAs<CFuncToolCentreAxes>().GetStep(), CFuncToolCentreAxes::Step::Centre);
        for (const CData* node : *h.Paper().GetCollection()) {
            EXPECT_EQ(node->GetColor(), 0xFFFF00u);
            EXPECT_EQ(node->GetAngle(), 0.0);
        }
    }
}

TEST_F(DrawingToolsTest, ArcRunsCounterClockwiseAndReturningToTheStartAddsNothing) {
    h.Command(kCmdArc);
    h.Click({100, 100});
    h.Move({110, 100});
    EXPECT_EQ(Status(), "CX = 100.0 CY = 100.0 R = 10.0 W1 = 0.0");
    h.Click({110, 100});
    h.Move({100, 110});
    EXPECT_EQ(Status(), "CX = 100.0 CY = 100.0 R = 10.0 W1 = 0.0 W2 = 90.0");
    h.Move({90, 100});
    EXPECT_EQ(Status(), "CX = 100.0 CY = 100.0 R = 10.0 W1 = 0.0 W2 = 180.0");
    h.Click({90, 100});
    // From the top back round to the right: the arc keeps its counter-clockwise sense.
    h.Click({100, 100});
    h.Click({100, 105});
    h.Click({105, 100});
    EXPECT_THAT(Drawing(),
                ElementsAre(Curve(100, 100, 10, 10, 0, 180), Curve(100, 100, 5, 5, 90, 0)));
    // The end direction sweeps away and back to the start: nothing to add.
    h.Click({100, 100});
    h.Click({100, 110});
    h.Move({90, 100});
    h.Move({100, 120});
    h.Click({100, 120});
    EXPECT_EQ(Drawing().size(), 2u);
    EXPECT_EQ(ToolAs<CFuncToolArc>().GetStep(), CFuncToolArc::Step::Centre);
}

TEST_F(DrawingToolsTest, RectangleRunsRoundFromItsFirstCornerWhicheverWayItIsDragged) {
    h.Command(kCmdRectangle);
    h.Click({80, 60});
    h.Move({20, 30});
    EXPECT_EQ(Status(), "X = 20.0 Y = 30.0 W = -60.0 H = -30.0");
    h.Click({20, 30});
    // A rectangle of no size still adds its four sides.
    h.Click({5, 5});
    h.Click({5, 5});
    EXPECT_THAT(Drawing(), ElementsAre(Line(80, 60, 20, 60), Line(20, 60, 20, 30),
                                       Line(20, 30, 80, 30), Line(80, 30, 80, 60), Line(5, 5, 5, 5),
                                       Line(5, 5, 5, 5), Line(5, 5, 5, 5), Line(5, 5, 5, 5)));
}

TEST_F(DrawingToolsTest, SnappedPointsAreUsedWhileTheCrosshairFollowsTheCursor) {
    h.AddLine(40, 40, 60, 40);
    g_nSnapMode = kSnapEndPoint;
    h.Command(kCmdLine);
    h.Move({41.5f, 42});
    EXPECT_EQ(Status(), "X = 40.0 Y = 40.0");
    h.Click({41.5f, 42});
    h.Move({58.75f, 38});
    EXPECT_EQ(Status(), "X = 60.0 Y = 40.0 A = 0.0 L = 20.0");
    h.Click({58.75f, 38});
    h.RClick({58.75f, 38});
    h.Command(kCmdPoint);
    h.Move({61, 41});
    EXPECT_EQ(Status(), "X = 60.0 Y = 40.0");
    h.Click({61, 41});
    g_nSnapMode = 0;
    h.Move({61, 41});
    h.Click({61, 41});
    EXPECT_THAT(Drawing(), ElementsAre(Line(40, 40, 60, 40), Line(40, 40, 60, 40), Point(60, 40),
                                       Point(61, 41)));
    h.RClick({61, 41});
    EXPECT_EQ(h.View().GetToolId(), kToolSelectionTool);
}

TEST_F(DrawingToolsTest, CtrlAsksOnlyWhenPressedAndReleasedAlone) {
    h.Command(kCmdLine);
    h.Click({10, 10});
    // Ctrl + wheel, Ctrl + a key, Ctrl + a shortcut of the window, Ctrl held while leaving.
    void (*const chords[])(CKorvoFEView&) = {
        [](CKorvoFEView& v) { v.OnMouseWheel(kMkControl, 120, 500, 300); },
        [](CKorvoFEView& v) { v.OnKeyDown('Z', 1, 0); },
        [](CKorvoFEView& v) { v.OnShortcutKey(); },
        [](CKorvoFEView& v) { v.OnKillFocus(); },
    };
    for (const auto chord : chords) {
        h.View().OnKeyDown(kVkControl, 1, 0);
        chord(h.View());
        h.View().OnKeyUp(kVkControl, 0);
    }
    EXPECT_TRUE(h.host.valuePresets.empty());
    // Held long enough to repeat and let go alone, it asks once.
    h.View().OnKeyDown(kVkControl, 1, 0);
    h.View().OnKeyDown(kVkControl, 1, kKeyWasDown);
    h.View().OnKeyUp(kVkControl, 0);
    EXPECT_EQ(h.host.valuePresets.size(), 1u);
}

TEST_F(DrawingToolsTest, SnapToGridWhereNoPointOfTheDrawingIsNear) {
    g_nSnapMode = kSnapEndPoint;
    h.Command(kCmdSnapToGrid);
    EXPECT_TRUE(h.View().OnUpdateCommand(kCmdSnapToGrid)->checked);
    h.Command(kCmdLine);
    h.Click({53.25f, 46.5f});  // nothing near: the 2.5 grid's (52.5, 47.5)
    h.Click({71.0f, 46.75f});
    h.Click({53.5f, 49.0f});  // the end (52.5, 47.5) is near: it wins over the grid's (52.5, 50)
    h.Command(kCmdSnapToGrid);
    h.Click({100.25f, 100.25f});
    EXPECT_THAT(Drawing(), ElementsAre(Line(52.5, 47.5, 70, 47.5), Line(70, 47.5, 52.5, 47.5),
                                       Line(52.5, 47.5, 100.25, 100.25)));
}

TEST_F(DrawingToolsTest, TypedValuesAndThePolarEntry) {
    h.Command(kCmdLine);
    h.Move({7, 8});
    h.host.AnswerValues(Typed(10, 20));
    h.Key(kVkSpace);
    EXPECT_EQ(LastDialog(), (ShownRows{{"X", 7.0f}, {"Y", 8.0f}}));
    h.host.AnswerValues(Typed(5, 0));
    h.Key(kVkSpace);
    EXPECT_EQ(LastDialog(), (ShownRows{{"dX", 0.0f}, {"dY", 0.0f}}));
    h.host.AnswerValues(Typed(90, 10));
    h.Key(kVkControl);
    EXPECT_EQ(LastDialog(), (ShownRows{{"Angle", 0.0f}, {"Length", 0.0f}}));
    h.Move({25, 40});  // 10 right and 10 up of the chain's end
    h.host.AnswerValues(std::nullopt);
    h.Key(kVkControl);
    EXPECT_EQ(LastDialog()[0].first, "Angle");
    EXPECT_FLOAT_EQ(LastDialog()[0].second, 45.0f);
    EXPECT_FLOAT_EQ(LastDialog()[1].second, 14.142136f);
    h.RClick({25, 40});
    const std::vector<Shape> lines = Drawing();
    ASSERT_EQ(lines.size(), 2u) << "a cancelled entry adds nothing";
    EXPECT_EQ(lines[0], Line(10, 20, 15, 20));
    EXPECT_NEAR(lines[1].values[2], 15.0, 1e-5);
    EXPECT_NEAR(lines[1].values[3], 30.0, 1e-5);

    h.Command(kCmdClearChar);
    const struct {
        int command;
        std::vector<ValueInputRows> answers;
        Shape added;
    } cases[] = {
        {kCmdCircle, {Typed(50, 50), Typed(7)}, Curve(50, 50, 7, 7, 0, 360)},
        {kCmdEllipse, {Typed(50, 50), Typed(6, 2)}, Curve(50, 50, 6, 2, 0, 360)},
        // The typed start angle is kept, wherever the mouse is.
        {kCmdArc, {Typed(100, 100), Typed(10, 30), Typed(120)}, Curve(100, 100, 10, 10, 30, 120)},
        {kCmdRectangle, {Typed(10, 10), Typed(5, -5)}, Line(10, 10, 15, 10)},
    };
    for (const auto& c : cases) {
        h.Command(kCmdClearChar);
        h.Command(c.command);
        h.Move({170, 3});
        for (const ValueInputRows& answer : c.answers) {
            h.host.AnswerValues(answer);
            h.Key(kVkSpace);
        }
        ASSERT_FALSE(Drawing().empty()) << c.command;
        EXPECT_EQ(Drawing().front(), c.added) << c.command;
    }
}

TEST_F(DrawingToolsTest, RightClickAndEscapeStepBackBeforeLeavingTheTool) {
    const struct {
        int command;
        int clicks;  // to get an input under way
    } cases[] = {
        {kCmdLine, 1},
        {kCmdRectangle, 1},
        {kCmdCircle, 1},
        {kCmdArc, 2},
    };
    for (const auto& c : cases) {
        for (const bool escape : {false, true}) {
            h.Command(c.command);
            const int tool = h.View().GetToolId();
            for (int i = 0; i < c.clicks; ++i) {
                h.Click({100.0f + 10.0f * static_cast<float>(i), 100});
            }
            const int paints = h.Paints();
            if (escape) {
                h.Key(kVkEscape);
            } else {
                h.RClick({120, 130});
            }
            EXPECT_GT(h.Paints(), paints) << "the rubber band goes at once";
            EXPECT_EQ(h.View().GetToolId(), tool) << c.command;
            // The next click starts afresh: one more click and a right click leave nothing.
            h.Click({30, 30});
            h.RClick({30, 30});
            EXPECT_EQ(h.View().GetToolId(), tool) << c.command;
            // Escape never leaves the tool; the right click does once nothing is under way.
            h.Key(kVkEscape);
            EXPECT_EQ(h.View().GetToolId(), tool) << c.command;
            h.RClick({30, 30});
            EXPECT_EQ(h.View().GetToolId(), kToolSelectionTool) << c.command;
        }
    }
    EXPECT_THAT(Drawing(), IsEmpty());
}

// Losing the focus takes the rubber band off the screen where the tool suspends itself, and
// ResetInput returns to the first step only where the tool has one to return to.
TEST_F(DrawingToolsTest, FocusLossAndResetInputKeepOrDropTheInput) {
    const struct {
        int command;
        bool suspends;
        bool resets;
    } cases[] = {
        {kCmdLine, true, true},      {kCmdRectangle, false, false}, {kCmdCircle, true, true},
        {kCmdEllipse, false, false}, {kCmdArc, true, true},
    };
    auto atFirstStep = [&] {
        IViewTool* tool = h.View().GetTool();
        if (auto* line = dynamic_cast<CFuncToolLine*>(tool)) {
            return line->GetStep() == CFuncToolLine::Step::FirstPoint;
        }
        if (auto* rectangle = dynamic_cast<CFuncToolRectangle*>(tool)) {
            return rectangle->GetStep() == CFuncToolRectangle::Step::FirstCorner;
        }
        if (auto* arc = dynamic_cast<CFuncToolArc*>(tool)) {
            return arc->GetStep() == CFuncToolArc::Step::Centre;
        }
        return ToolAs<CFuncToolCentreAxes>().GetStep() == CFuncToolCentreAxes::Step::Centre;
    };
    for (const auto& c : cases) {
        h.Command(c.command);
        h.Click({100, 100});
        const int paints = h.Paints();
        h.View().OnKillFocus();
        h.Pump();
        EXPECT_EQ(h.Paints() > paints, c.suspends) << c.command;
        EXPECT_FALSE(atFirstStep()) << "focus loss keeps the input " << c.command;
        h.View().GetTool()->ResetInput(ToolEvent{});
        EXPECT_EQ(atFirstStep(), c.resets) << c.command;
    }
    EXPECT_THAT(Drawing(), IsEmpty());
}

}  // namespace
}  // namespace korvo::test
