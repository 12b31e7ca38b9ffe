// The parallel, polygon, erase, fit, placement and clipboard tools driven like a user drives
// them, with the document's invariants checked after every event.
#include <fmt/printf.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/ClipboardCollection.h"
#include "model/DataCollection.h"
#include "model/DrawObjCircle.h"
#include "model/DrawObjEllipse.h"
#include "model/DrawObjLine.h"
#include "platform/KeyCodes.h"
#include "support/PaperFixture.h"
#include "support/ValueRows.h"
#include "support/ViewHarness.h"
#include "tools/FuncToolParallel.h"
#include "tools/FuncToolPlace.h"
#include "tools/FuncToolPolygon.h"
#include "view/ViewCommands.h"

namespace korvo::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr int kCmdParallel = 41045;
constexpr int kCmdPolygon = 41234;
constexpr int kCmdErase = 41033;
constexpr int kCmdFitPaper = 41163;
constexpr int kToolPlace = 19078;

// A node's geometry in one list: line ends, ellipse centre and axes, or polygon vertices.
std::vector<double> Geometry(const CData& node) {
    const CDrawObj& e = *node.GetElement();
    if (const std::vector<PointF>* points = e.GetPoints()) {
        std::vector<double> values;
        for (const PointF& p : *points) {
            values.insert(values.end(), {p.x, p.y});
        }
        return values;
    }
    if (e.IsKindOf(CDrawObjEllipse::kRuntimeClass)) {
        return {e.GetX1(), e.GetY1(), e.GetAxisA(), e.GetAxisB()};
    }
    return {e.GetX1(), e.GetY1(), e.GetX2(), e.GetY2()};
}

// At 4 pixels per unit every quarter unit is a pixel, so clicks land on the points named.
class PlaceToolsTest : public ::testing::Test {
protected:
    void SetUp() override { h.Command(kCmdZoomOriginal); }
    void TearDown() override { EXPECT_THAT(h.Violations(), IsEmpty()); }

    CDataCollection& Drawing() { return *h.Paper().GetCollection(); }
    std::vector<std::vector<double>> Shapes() { return ShapesOf(h); }
    static std::vector<std::vector<double>> ShapesOf(ViewHarness& harness) {
        std::vector<std::vector<double>> shapes;
        for (const CData* node : *harness.Paper().GetCollection()) {
            shapes.push_back(Geometry(*node));
        }
        return shapes;
    }
    std::vector<int> Marks() {
        std::vector<int> marks;
        for (const CData* node : Drawing()) {
            marks.push_back(node->GetMark());
        }
        return marks;
    }
    template <class Tool>
    Tool* ToolAs() {
        return dynamic_cast<Tool*>(h.View().GetTool());
    }
    void Add(std::unique_ptr<CDrawObj> element, int type) {
        h.Paper().AddNode(MakeNode(std::move(element), type));
    }
    void CopyToClipboard(CData* node) {
        node->SetMark(kMarkSelected);
        h.Command(kCmdCopy);
    }

    ViewHarness h{{2490, 1410}};
};

std::unique_ptr<CDrawObj> Line() {
    return std::make_unique<CDrawObjLine>(20, 20, 40, 20, 0, 250, 0, 1);
}
std::unique_ptr<CDrawObj> Circle() {
    return std::make_unique<CDrawObjCircle>(60, 60, 5, 0, 250, 0, 0, 0, 0, 1);
}

TEST_F(PlaceToolsTest, ParallelCopiesLinesAndEllipsesThroughTheSecondClick) {
    using Shape = std::vector<double>;
    const struct {
        std::string what;
        std::unique_ptr<CDrawObj> (*make)();  // null: an empty drawing
        int type;
        PointF pick;
        PointF through;
        bool picked;
        std::vector<Shape> added;
    } cases[] = {
        {"line", Line, kNodeLine, {30, 20}, {33, 22}, true, {{20, 22, 40, 22}}},
        {"click on the line", Line, kNodeLine, {30, 20}, {35, 20}, true, {}},
        {"circle", Circle, kNodePoint, {65, 60}, {70, 60}, false, {}},
        {"nothing", nullptr, 0, {150, 150}, {160, 160}, false, {}},
    };
    for (const auto& c : cases) {
        h.Command(kCmdClearChar);
        if (c.make != nullptr) {
            Add(c.make(), c.type);
        }
        const std::vector<Shape> before = Shapes();
        h.Command(kCmdParallel);
        h.Click(c.pick);
        ASSERT_NE(ToolAs<CFuncToolParallel>(), nullptr) << c.what;
        EXPECT_EQ(ToolAs<CFuncToolParallel>()->GetStep() == CFuncToolParallel::Step::Place,
                  c.picked)
            << c.what;
        h.Move(c.through);
        EXPECT_EQ(h.host.Pane(kPaneToolValues),
                  fmt::sprintf("X = %.1f Y = %.1f", c.through.x, c.through.y))
            << c.what;
        h.Click(c.through);
        std::vector<Shape> expected = before;
        if (c.picked) {
            expected.insert(expected.end(), c.added.begin(), c.added.end());
        }
        EXPECT_EQ(Shapes(), expected) << c.what;
        // Whatever happened, the next click picks again.
        EXPECT_EQ(ToolAs<CFuncToolParallel>()->GetStep(), CFuncToolParallel::Step::Pick) << c.what;
    }
    h.RClick({0, 0});
    EXPECT_EQ(h.View().GetToolId(), kToolSelectionTool);
    EXPECT_EQ(h.host.Pane(kPaneToolValues), "") << "the values go with the tool";
}

TEST_F(PlaceToolsTest, ParallelSpaceTypesTheDistanceAndHowManyToMake) {
    h.AddLine(20, 20, 40, 20);
    h.Command(kCmdParallel);
    h.Key(kVkSpace);  // nothing picked yet: no dialog
    EXPECT_THAT(h.host.valuePresets, IsEmpty());
    h.Click({30, 20});
    h.Move({30, 17});
    h.host.AnswerValues(Typed(4, 2));
    h.Key(kVkSpace);
    ASSERT_EQ(h.host.valuePresets.size(), 1u);
    EXPECT_EQ(h.host.valuePresets[0][0].value, 3.0f);
    EXPECT_EQ(h.host.valuePresets[0][1].value, 1.0f);
    // On the cursor's side of the line, one after another.
    EXPECT_THAT(Shapes(), ElementsAre(std::vector<double>{20, 20, 40, 20},
                                      std::vector<double>{20, 16, 40, 16},
                                      std::vector<double>{20, 12, 40, 12}));
    EXPECT_EQ(ToolAs<CFuncToolParallel>()->GetStep(), CFuncToolParallel::Step::Pick);
    // Cancelled: nothing, and the pick is kept for a click.
    h.Click({30, 20});
    h.Key(kVkSpace);
    EXPECT_EQ(Drawing().GetCount(), 3u);
    EXPECT_EQ(ToolAs<CFuncToolParallel>()->GetStep(), CFuncToolParallel::Step::Place);
}

TEST_F(PlaceToolsTest, ParallelOfAGroupMemberJoinsItsGroup) {
    auto group = std::make_unique<CData>();
    group->AddChild(
        MakeNode(std::make_unique<CDrawObjLine>(20, 20, 40, 20, 0, 250, 0, 1), kNodeLine));
    CData* owner = h.Paper().AddNode(std::move(group));
    h.Command(kCmdParallel);
    h.Click({30, 20});
    h.Click({30, 25});
    EXPECT_EQ(Drawing().GetCount(), 1u);
    ASSERT_EQ(owner->GetChildren()->GetCount(), 2u);
    // The copy's parent link is the group: the invariants checked after each test see to it.
    EXPECT_EQ(Geometry(*owner->GetChildren()->GetAt(1)), (std::vector<double>{20, 25, 40, 25}));
}

TEST_F(PlaceToolsTest, PolygonTakesClickedAndTypedVertices) {
    h.Command(kCmdPolygon);
    h.RClick({10, 10});
    EXPECT_EQ(h.View().GetToolId(), 19458) << "nothing under way: the right button does nothing";
    EXPECT_EQ(Drawing().GetCount(), 0u);

    h.Click({10, 10});
    h.RClick({10, 10});
    h.Click({10, 50});
    h.Move({30, 50});
    h.Click({30, 50});
    h.host.AnswerValues(Typed(30, 70));
    h.Key(kVkSpace);  // a typed vertex, though the mouse stays where it is
    h.Move({60, 60});
    ASSERT_NE(ToolAs<CFuncToolPolygon>(), nullptr);
    EXPECT_EQ(ToolAs<CFuncToolPolygon>()->GetPoints().size(), 4u);
    h.RClick({60, 60});
    EXPECT_THAT(Shapes(), ElementsAre(std::vector<double>{10, 10},
                                      std::vector<double>{10, 50, 30, 50, 30, 70}));
    EXPECT_FALSE(ToolAs<CFuncToolPolygon>()->IsCollecting());
    const CDrawObj& polygon = *Drawing().GetAt(1)->GetElement();
    EXPECT_EQ(polygon.GetWidth(), h.Paper().Values().width);
    EXPECT_EQ(polygon.GetLevel(), h.Paper().Values().level);
    // Escape drops a polygon under way.
    h.Click({100, 100});
    h.Key(kVkEscape);
    h.RClick({100, 100});
    EXPECT_EQ(Drawing().GetCount(), 2u);
}

TEST_F(PlaceToolsTest, EraseAndFitWorkAtOnceAndHandOver) {
    using Lines = std::vector<std::vector<double>>;
    const struct {
        std::string what;
        int command;
        Lines lines;
        int selected;  // -1: none
        Lines after;
        PointF extension;
    } cases[] = {
        {"erase one", kCmdErase, {{1, 1, 2, 2}, {3, 3, 4, 4}}, 0, {{3, 3, 4, 4}}, {620, 350}},
        {"fit at x = -5",
         kCmdFitPaper,
         {{-5, 10, 20, 30}, {0, 60, 10, 60}},
         -1,
         {{0, 0, 25, 20}, {5, 50, 15, 50}},
         {25, 50}},
        {"fit past the right",
         kCmdFitPaper,
         {{10, 150, 700, 351}},
         -1,
         {{0, 0, 690, 201}},
         {690, 201}},
        {"fit too wide", kCmdFitPaper, {{-1e7, 0, 1e7, 0}}, -1, {{0, 0, 2e7, 0}}, {999999, 0}},
    };
    for (const auto& c : cases) {
        ViewHarness run{{2490, 1410}};
        for (const auto& l : c.lines) {
            run.AddLine(l[0], l[1], l[2], l[3]);
        }
        if (c.selected >= 0) {
            run.Paper().GetCollection()->GetAt(c.selected)->SetMark(kMarkSelected);
        }
        run.Command(c.command);
        EXPECT_EQ(ShapesOf(run), c.after) << c.what;
        EXPECT_EQ(run.Paper().GetExtension(), c.extension) << c.what;
        EXPECT_EQ(run.View().GetToolId(), kToolSelection) << c.what;
        EXPECT_EQ(run.View().GetTempTool(), nullptr) << c.what;
        EXPECT_THAT(run.Violations(), IsEmpty()) << c.what;
    }
}

TEST_F(PlaceToolsTest, PlaceDropsSelectedCopiesOnTheCurrentLevelAtEachClick) {
    CData* line = h.AddLine(10, 10, 20, 10);
    line->SetLevel(5);
    CopyToClipboard(line);
    h.Move({50, 50});
    h.View().OnToolMessage(kMsgCreateTool, kToolPlace);
    auto* place = ToolAs<CFuncToolPlace>();
    ASSERT_NE(place, nullptr);
    // The symbol is held by its origin.
    EXPECT_EQ(Geometry(*place->GetCarried()->GetAt(0)), (std::vector<double>{60, 60, 70, 60}));
    h.Click({50, 50});
    h.Move({100, 100});
    h.Key(kVkAdd);  // a quarter turn about the cursor
    h.Click({100, 100});
    EXPECT_THAT(Shapes(), ElementsAre(std::vector<double>{10, 10, 20, 10},
                                      std::vector<double>{60, 60, 70, 60},
                                      std::vector<double>{90, 110, 90, 120}));
    EXPECT_THAT(Marks(), ElementsAre(kMarkNormal, kMarkSelected, kMarkSelected));
    EXPECT_EQ(Drawing().GetAt(1)->GetLevel(), h.Paper().Values().level);
    EXPECT_THAT(h.host.frameMessages, ElementsAre(kMsgSymbolPlaced, kMsgSymbolPlaced));
    // The placing mode flips and nothing else changes.
    h.Key(kVkOem102);
    EXPECT_EQ(place->GetPlacingMode(), CFuncToolPlace::kPlacingModeSecond);
    h.Key(kVkOem102);
    EXPECT_EQ(place->GetPlacingMode(), CFuncToolPlace::kPlacingModeFirst);
    h.Key(kVkMultiply);
    h.host.AnswerValues(Typed(0, 0));
    h.Key(kVkSpace);  // the handle goes to the typed point
    EXPECT_EQ(Geometry(*place->GetCarried()->GetAt(0)), (std::vector<double>{-20, 20, -20, 40}));
    h.RClick({0, 0});
    EXPECT_EQ(h.View().GetToolId(), kToolSelectionTool);
    EXPECT_EQ(Drawing().GetCount(), 3u);
}

TEST_F(PlaceToolsTest, UnusableClipboardsReturnToTheSelectionTool) {
    CData* line = h.AddLine(10, 10, 20, 10);
    const std::vector<std::byte> good = StoreClipboardCollection(std::vector<CData*>{line});
    const std::vector<std::byte> none = StoreClipboardCollection(std::vector<CData*>{});
    const struct {
        std::string what;
        std::optional<std::vector<std::byte>> ours;
        bool message;
    } cases[] = {
        {"empty clipboard", std::nullopt, false},
        {"no bytes", std::vector<std::byte>{}, false},
        {"no elements", none, false},
        {"damaged", std::vector<std::byte>(good.begin(), good.end() - 3), true},
    };
    for (const int tool : {kToolPlace, 19059}) {
        for (const auto& c : cases) {
            h.host.clipboard.clear();
            h.host.clipboard["text/plain"] = {std::byte{'x'}};
            if (c.ours) {
                h.host.clipboard[kClipboardFormat] = *c.ours;
            }
            h.host.messages.clear();
            h.View().OnToolMessage(kMsgCreateTool, tool);
            EXPECT_EQ(h.View().GetToolId(), kToolSelectionTool) << c.what << " " << tool;
            ASSERT_EQ(h.host.messages.size(), c.message ? 1u : 0u) << c.what << " " << tool;
            if (c.message) {
                EXPECT_EQ(h.host.messages[0].id, MessageId::Fixed(FixedText::DrawingDataDamaged));
            }
        }
    }
    EXPECT_THAT(Shapes(), ElementsAre(std::vector<double>{10, 10, 20, 10}));
}

TEST_F(PlaceToolsTest, CopyThenPasteInAnotherCharacterDropsCentredCopies) {
    h.DefineGlyph(65, 100, 150, 120, 150);
    CData* line = h.AddLine(10, 10, 30, 20);
    CopyToClipboard(line);
    EXPECT_EQ(line->GetMark(), kMarkNormal) << "copying deselects";
    h.docHost.AnswerCharacter(65);
    h.host.Answer(MessageAnswer::Yes);
    h.Command(kCmdLoadChar);
    ASSERT_EQ(Drawing().GetCount(), 1u);
    Drawing().GetAt(0)->SetMark(kMarkSelected);

    h.Move({100, 100});
    h.Command(kCmdPaste);
    EXPECT_EQ(h.View().GetToolId(), 19059);
    EXPECT_EQ(Drawing().GetAt(0)->GetMark(), kMarkNormal) << "the old selection goes";
    h.Click({100, 100});
    h.Move({150, 50});
    h.Click({150, 50});
    EXPECT_THAT(Shapes(), ElementsAre(std::vector<double>{100, 150, 120, 150},
                                      std::vector<double>{90, 95, 110, 105},
                                      std::vector<double>{140, 45, 160, 55}));
    EXPECT_THAT(Marks(), ElementsAre(kMarkNormal, kMarkSelected, kMarkSelected));
}

}  // namespace
}  // namespace korvo::test
