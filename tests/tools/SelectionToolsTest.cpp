// The selection tools driven through the view harness: select all, single picks, windows, the
// default selection tool with its groups, modifiers, table double clicks and trackers.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "model/DataCollection.h"
#include "platform/KeyCodes.h"
#include "resources/StringTable.h"
#include "support/DocumentInvariants.h"
#include "support/ViewHarness.h"
#include "tools/FuncToolSelectTool.h"
#include "view/ViewCommands.h"
#include "view/ViewSwitches.h"

namespace korvo::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

constexpr int kCmdSelectAll = 41022;
constexpr int kCmdDeselectAll = 41025;
constexpr int kCmdSelectSingle = 41020;
constexpr int kCmdDeselectSingle = 41023;
constexpr int kCmdSelectWindow = 41021;
constexpr int kCmdDeselectWindow = 41024;

std::vector<int> Marks(CPaper& paper) {
    std::vector<int> marks;
    for (const CData* node : *paper.GetCollection()) {
        marks.push_back(node->GetMark());
    }
    return marks;
}

CFuncToolSelectTool& SelectTool(ViewHarness& h) {
    auto* tool = dynamic_cast<CFuncToolSelectTool*>(h.View().GetTool());
    EXPECT_NE(tool, nullptr);
    return *tool;
}

// Presses at `from`, moves with the button held to `to`, releases there.
void Drag(ViewHarness& h, PointF from, PointF to, unsigned flags = 0) {
    h.LDown(from, flags);
    h.Move(to, flags | kMkLButton);
    h.LUp(to, flags);
}

// A group node holding `child`.
CData* AddGroup(ViewHarness& h, std::unique_ptr<CData> child) {
    auto group = std::make_unique<CData>(kNodeGroup);
    group->AddChild(std::move(child));
    return h.Paper().AddNode(std::move(group));
}

std::unique_ptr<CData> Line(float x1, float y1, float x2, float y2) {
    auto node = std::make_unique<CData>(kNodeLine);
    node->CreateLine(x1, y1, x2, y2, 0, 0.25f, 0, 1);
    return node;
}

TEST(SelectionToolsTest, SelectAllAndDeselectAllTouchVisibleNodesAndEnd) {
    ViewHarness h;
    h.AddLine(10, 10, 50, 10);
    CData* hidden = h.AddLine(10, 20, 50, 20);
    hidden->SetLevel(1000);
    h.AddLine(10, 30, 50, 30)->SetMark(kMarkSelected);

    h.Command(kCmdSelectAll);
    EXPECT_THAT(Marks(h.Paper()), ElementsAre(1, 0, 1));
    EXPECT_EQ(h.View().GetToolId(), kToolSelection);
    EXPECT_NE(dynamic_cast<CFuncToolSelectTool*>(h.View().GetTool()), nullptr);

    hidden->SetMark(kMarkSelected);
    h.Command(kCmdDeselectAll);
    // The invisible node keeps what it had: only visible nodes are touched.
    EXPECT_THAT(Marks(h.Paper()), ElementsAre(0, 1, 0));
    EXPECT_EQ(h.View().GetToolId(), kToolSelection);
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST(SelectionToolsTest, SelectSingleModifiersAndDeselectSingle) {
    struct Case {
        const char* name;
        int command;
        unsigned flags;
        std::vector<int> before;
        std::vector<int> after;  // after clicking the first line
    };
    const Case cases[] = {
        {"plain click selects only it", kCmdSelectSingle, 0, {0, 1}, {1, 0}},
        {"ctrl adds", kCmdSelectSingle, kMkControl, {0, 1}, {1, 1}},
        {"shift toggles off", kCmdSelectSingle, kMkShift, {1, 1}, {0, 1}},
        {"shift toggles on", kCmdSelectSingle, kMkShift, {0, 0}, {1, 0}},
        {"deselect single clears it", kCmdDeselectSingle, 0, {1, 1}, {0, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ViewHarness h;
        h.AddLine(10, 10, 50, 10)->SetMark(static_cast<std::uint16_t>(c.before[0]));
        h.AddLine(10, 100, 50, 100)->SetMark(static_cast<std::uint16_t>(c.before[1]));
        h.Command(c.command);
        h.Click({30, 10}, c.flags);
        EXPECT_THAT(Marks(h.Paper()), ElementsAreArray(c.after));
        // Empty space changes nothing; the tool stays until a right click.
        h.Click({30, 60}, c.flags);
        EXPECT_THAT(Marks(h.Paper()), ElementsAreArray(c.after));
        EXPECT_NE(h.View().GetToolId(), kToolSelection);
        h.RClick({30, 60});
        EXPECT_EQ(h.View().GetToolId(), kToolSelection);
        EXPECT_THAT(h.Violations(), IsEmpty());
    }
}

TEST(SelectionToolsTest, WindowsSelectWhatLiesEntirelyInsideWhicheverWayTheyAreDrawn) {
    // Line 0 lies inside the window (20..120 x 20..120), line 1 sticks out of it, the group of
    // line 2 lies inside.
    const auto setUp = [](ViewHarness& h) {
        h.AddLine(30, 30, 100, 30);
        h.AddLine(30, 60, 150, 60);
        AddGroup(h, Line(40, 90, 90, 110));
    };
    const PointF a{20, 20};
    const PointF b{120, 120};
    const PointF corners[][2] = {
        {a, b}, {b, a}, {{a.x, b.y}, {b.x, a.y}}, {{b.x, a.y}, {a.x, b.y}}};
    for (const auto& corner : corners) {
        SCOPED_TRACE(testing::Message() << corner[0].x << "," << corner[0].y);
        {
            ViewHarness h;  // the window tool: two clicks
            setUp(h);
            h.Command(kCmdSelectWindow);
            h.Click(corner[0]);
            h.Move(corner[1]);
            h.Click(corner[1]);
            EXPECT_THAT(Marks(h.Paper()), ElementsAre(1, 0, 1));
            h.Command(kCmdDeselectWindow);
            h.Click(corner[0]);
            h.Move(corner[1]);
            h.Click(corner[1]);
            EXPECT_THAT(Marks(h.Paper()), ElementsAre(0, 0, 0));
            EXPECT_THAT(h.Violations(), IsEmpty());
        }
        {
            ViewHarness h;  // the selection tool: press on empty space, drag, release
            setUp(h);
            h.Paper().GetCollection()->GetAt(1)->SetMark(kMarkSelected);
            Drag(h, corner[0], corner[1]);
            EXPECT_THAT(Marks(h.Paper()), ElementsAre(1, 0, 1));
            EXPECT_EQ(SelectTool(h).GetStep(), CFuncToolSelectTool::Step::Idle);
            EXPECT_THAT(h.Violations(), IsEmpty());
        }
    }
}

TEST(SelectionToolsTest, WindowModifiersOfTheSelectionTool) {
    struct Case {
        const char* name;
        unsigned flags;
        std::vector<int> after;
    };
    // Before: line 0 (inside) selected, line 1 (inside) not, line 2 (outside) selected.
    const Case cases[] = {
        {"plain replaces the selection", 0, {1, 1, 0}},
        {"ctrl adds", kMkControl, {1, 1, 1}},
        {"shift toggles", kMkShift, {0, 1, 1}},
        {"shift+ctrl toggles", kMkShift | kMkControl, {0, 1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ViewHarness h;
        h.AddLine(30, 30, 100, 30)->SetMark(kMarkSelected);
        h.AddLine(30, 60, 100, 60);
        h.AddLine(30, 160, 100, 160)->SetMark(kMarkSelected);
        Drag(h, {20, 20}, {120, 120}, c.flags);
        EXPECT_THAT(Marks(h.Paper()), ElementsAreArray(c.after));
        EXPECT_THAT(h.Violations(), IsEmpty());
    }
}

TEST(SelectionToolsTest, ClicksPickTheOutermostGroupAndModifiersDecide) {
    ViewHarness h;
    auto inner = std::make_unique<CData>(kNodeGroup);
    inner->AddChild(Line(10, 50, 90, 50));
    CData* outer = AddGroup(h, std::move(inner));
    CData* innerNode = outer->GetChildren()->GetAt(0);
    CData* line = innerNode->GetChildren()->GetAt(0);
    CData* other = h.AddLine(10, 150, 90, 150);

    CFuncToolSelectTool& tool = SelectTool(h);
    EXPECT_EQ(tool.PickTarget({}, line), outer);
    EXPECT_EQ(tool.PickTarget({.shift = true, .control = true}, line), innerNode);
    EXPECT_EQ(tool.PickTarget({.shift = true, .control = true}, outer), outer);

    h.Click({30, 50});
    EXPECT_EQ(outer->GetMark(), kMarkSelected);
    EXPECT_EQ(line->GetMark(), kMarkSelected);
    EXPECT_EQ(h.Paper().GetCollection()->CountMark(kMarkSelected), 1);

    // Ctrl adds, Shift toggles.
    h.Click({30, 150}, kMkControl);
    EXPECT_THAT(Marks(h.Paper()), ElementsAre(1, 1));
    h.Click({30, 50}, kMkShift);
    EXPECT_THAT(Marks(h.Paper()), ElementsAre(0, 1));

    // Shift+Ctrl on an element selects nothing and starts a window instead.
    h.LDown({30, 50}, kMkShift | kMkControl);
    EXPECT_EQ(SelectTool(h).GetStep(), CFuncToolSelectTool::Step::Window);
    h.LUp({30, 50}, kMkShift | kMkControl);
    EXPECT_THAT(Marks(h.Paper()), ElementsAre(0, 1));

    // A plain click on another element replaces the selection.
    h.Click({30, 50});
    EXPECT_THAT(Marks(h.Paper()), ElementsAre(1, 0));
    EXPECT_EQ(other->GetMark(), kMarkNormal);
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST(SelectionToolsTest, EmptySpaceClickClearsUnlessAModifierIsHeld) {
    struct Case {
        const char* name;
        unsigned flags;
        int mark;
    };
    const Case cases[] = {{"plain", 0, 0}, {"ctrl", kMkControl, 1}, {"shift", kMkShift, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ViewHarness h;
        h.Command(kCmdTrackers);
        CData* line = h.AddLine(10, 50, 90, 50);
        h.Click({30, 50});
        ASSERT_EQ(line->GetMark(), kMarkSelected);
        ASSERT_TRUE(SelectTool(h).Trackers().HasGrips());
        h.Click({30, 150}, c.flags);  // released without moving
        EXPECT_EQ(line->GetMark(), c.mark);
        EXPECT_EQ(SelectTool(h).Trackers().HasGrips(), c.mark == 1);
        EXPECT_THAT(h.Violations(), IsEmpty());
    }
}

TEST(SelectionToolsTest, SecondClickSwitchesTrackerModeAndCtrlClickDoesNot) {
    ViewHarness h;
    CData* line = h.AddLine(20, 50, 180, 50);
    CData* other = h.AddLine(20, 150, 180, 150);
    // Without trackers a second click switches nothing.
    h.Click({50, 50});
    h.Click({50, 50});
    EXPECT_FALSE(SelectTool(h).Trackers().HasGrips());
    EXPECT_EQ(SelectTool(h).Trackers().GetMode(), CTrackerSet::Mode::Resize);

    h.Command(kCmdTrackers);
    const CTrackerSet& trackers = SelectTool(h).Trackers();
    EXPECT_EQ(trackers.GetLayout(), CTrackerSet::Layout::LineEnds);
    EXPECT_EQ(trackers.Grips().size(), 2u);
    h.Click({50, 50});
    EXPECT_EQ(trackers.GetMode(), CTrackerSet::Mode::Rotate);
    EXPECT_EQ(trackers.Grips().size(), 5u);
    h.Click({50, 50}, kMkControl);
    EXPECT_EQ(trackers.GetMode(), CTrackerSet::Mode::Rotate);
    h.Click({50, 50});
    EXPECT_EQ(trackers.GetMode(), CTrackerSet::Mode::Resize);
    // Ctrl+click on another element adds it; two lines get the eight-grip frame.
    h.Click({50, 150}, kMkControl);
    EXPECT_EQ(line->GetMark(), kMarkSelected);
    EXPECT_EQ(other->GetMark(), kMarkSelected);
    EXPECT_EQ(trackers.GetLayout(), CTrackerSet::Layout::Eight);
    EXPECT_EQ(trackers.Count(), 2);

    h.Command(kCmdTrackers);
    EXPECT_FALSE(SelectTool(h).Trackers().HasGrips());
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST(SelectionToolsTest, GripHitTestFollowsThePixelRule) {
    ViewHarness h;
    h.Command(kCmdTrackers);
    h.AddLine(20, 50, 180, 50);
    h.Click({100, 50});
    const CTrackerSet& trackers = SelectTool(h).Trackers();
    const DevicePoint g = h.ToClient(trackers.Grips()[0]);
    struct Case {
        int dx;
        int dy;
        int grip;
    };
    const Case cases[] = {{-3, 0, 1}, {2, 0, 1},  {3, 0, 0},  {-4, 0, 0},
                          {0, 3, 1},  {0, -2, 1}, {0, -3, 0}, {0, 4, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(trackers.HitTest(h.Paper(), {g.x + c.dx, g.y + c.dy}), c.grip)
            << c.dx << "," << c.dy;
    }
}

TEST(SelectionToolsTest, ResizeDragScalesAboutTheOppositeCornerAndStopsAtThreePixels) {
    ViewHarness h;
    h.Command(kCmdTrackers);
    CData* bottom = h.AddLine(50, 50, 150, 50);
    CData* left = h.AddLine(50, 50, 50, 100);
    Drag(h, {40, 40}, {160, 110});
    const CTrackerSet& trackers = SelectTool(h).Trackers();
    ASSERT_EQ(trackers.GetLayout(), CTrackerSet::Layout::Eight);
    const std::vector<PointF> grips = trackers.Grips();

    // Upper right corner (grip 3) dragged out by (50, 50): the frame doubles about (50, 50).
    const PointF ur = grips[2];
    Drag(h, ur, {ur.x + 100, ur.y + 50});
    EXPECT_NEAR(bottom->GetX2(), 250.0, 0.5);
    EXPECT_NEAR(left->GetY2(), 150.0, 0.5);
    EXPECT_NEAR(bottom->GetX1(), 50.0, 1e-3);
    EXPECT_NEAR(bottom->GetY1(), 50.0, 1e-3);
    EXPECT_EQ(SelectTool(h).GetStep(), CFuncToolSelectTool::Step::Idle);

    // Dragged far past the opposite corner: nothing mirrors, each side stops at 3 pixels.
    const PointF ur2 = SelectTool(h).Trackers().Grips()[2];
    h.LDown(ur2);
    h.Move({ur2.x - 300, ur2.y - 200}, kMkLButton);
    const double three = h.Paper().DeviceLengthToWorld(3);
    EXPECT_NEAR(bottom->GetX2() - bottom->GetX1(), three, 1e-3);
    EXPECT_NEAR(left->GetY2() - left->GetY1(), three, 1e-3);
    EXPECT_GT(bottom->GetX2(), bottom->GetX1());
    h.LUp({ur2.x - 300, ur2.y - 200});
    EXPECT_NEAR(bottom->GetX1(), 50.0, 1e-3);

    // A side grip scales one axis only.
    const std::vector<PointF> after = SelectTool(h).Trackers().Grips();
    ASSERT_EQ(after.size(), 8u);
    const double heightBefore = left->GetY2() - left->GetY1();
    const PointF right = after[3];
    const double widthBefore = bottom->GetX2() - bottom->GetX1();
    const double frameBefore = right.x - after[7].x;
    Drag(h, right, {right.x + 40, right.y + 40});
    EXPECT_NEAR(left->GetY2() - left->GetY1(), heightBefore, 1e-4);
    // The frame (widened to 10 pixels) grows by 40 and the drawing with it.
    EXPECT_NEAR(bottom->GetX2() - bottom->GetX1(), widthBefore * (frameBefore + 40.0) / frameBefore,
                0.5);
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST(SelectionToolsTest, LineEndGripMovesThatEndOnly) {
    ViewHarness h;
    h.Command(kCmdTrackers);
    CData* line = h.AddLine(20, 50, 180, 50);
    h.Click({100, 50});
    const PointF end = SelectTool(h).Trackers().Grips()[1];
    Drag(h, end, {150, 120});
    EXPECT_NEAR(line->GetX1(), 20.0, 1e-4);
    EXPECT_NEAR(line->GetY1(), 50.0, 1e-4);
    EXPECT_NEAR(line->GetX2(), 150.0, 0.7);
    EXPECT_NEAR(line->GetY2(), 120.0, 0.7);
    EXPECT_EQ(line->GetMark(), kMarkSelected);
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST(SelectionToolsTest, RotateDragTurnsTheSelectionByTheAngleAtTheCentre) {
    ViewHarness h;
    h.Command(kCmdTrackers);
    CData* line = h.AddLine(50, 100, 150, 100);
    h.Click({70, 100});
    h.Click({70, 100});
    const CTrackerSet& trackers = SelectTool(h).Trackers();
    ASSERT_EQ(trackers.GetMode(), CTrackerSet::Mode::Rotate);
    const PointF c = trackers.GetCentre();
    EXPECT_NEAR(c.x, 100.0, 0.7);
    EXPECT_NEAR(c.y, 100.0, 0.7);

    // The upper right corner carried a quarter turn counter-clockwise about the centre.
    const PointF corner = trackers.Grips()[2];
    const PointF turned{c.x - (corner.y - c.y), c.y + (corner.x - c.x)};
    h.LDown(corner);
    h.Move({(corner.x + turned.x) / 2 + 5, (corner.y + turned.y) / 2 + 5}, kMkLButton);
    h.Move(turned, kMkLButton);
    h.LUp(turned);
    EXPECT_NEAR(line->GetX1(), c.x, 0.8);
    EXPECT_NEAR(line->GetX2(), c.x, 0.8);
    EXPECT_NEAR(line->GetY1(), c.y - 50.0, 0.8);
    EXPECT_NEAR(line->GetY2(), c.y + 50.0, 0.8);
    EXPECT_EQ(trackers.GetMode(), CTrackerSet::Mode::Rotate);
    EXPECT_DOUBLE_EQ(trackers.GetAngle(), 0.0);

    // The centre grip moves the centre and leaves the drawing alone.
    const double x1 = line->GetX1();
    const PointF centre = trackers.Grips()[0];
    Drag(h, centre, {centre.x + 30, centre.y});
    EXPECT_DOUBLE_EQ(line->GetX1(), x1);
    EXPECT_NEAR(trackers.GetCentre().x, centre.x + 30, 0.7);
    EXPECT_THAT(h.Violations(), IsEmpty());
}

// Records where the selection would start to be dragged.
class DragProbe : public CFuncToolSelectTool {
public:
    DragProbe(CKorvoFEView& view, std::vector<PointF>& starts)
        : CFuncToolSelectTool(view), starts_(starts) {}

protected:
    void StartSelectionDrag(PointF press) override { starts_.push_back(press); }

private:
    std::vector<PointF>& starts_;
};

// A point inside the table cell of `code` (codes 33 ... 255).
PointF CellOf(int code) {
    const int column = (code - 32) % 16;
    const int row = (code - 32) / 16;
    return {220.0f + 25.0f * static_cast<float>(column) + 12.0f,
            350.0f - 25.0f * static_cast<float>(row) - 12.0f};
}

void RightDoubleClick(ViewHarness& h, PointF p) {
    const DevicePoint d = h.ToClient(p);
    h.View().OnRButtonDown(kMkRButton, d.x, d.y);
    h.View().OnRButtonDblClk(kMkRButton, d.x, d.y);
    h.Pump();
    EXPECT_THAT(CheckDocumentInvariants(h.Paper()), IsEmpty());
}

TEST(SelectionToolsTest, LeftDoubleClickOnTheTableLoadsTheCharacter) {
    // When the clear question is asked at all is ViewCommandsTest's; here its answer decides.
    for (const MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::No}) {
        ViewHarness h;
        h.DefineGlyph(65, 10, 10, 100, 150);
        h.AddLine(10, 10, 20, 20);
        h.host.Answer(answer);
        h.DblClick(CellOf(65));
        EXPECT_EQ(h.host.messages.size(), 1u);
        EXPECT_EQ(h.doc.GetCurrentChar(), 65);
        EXPECT_EQ(h.Paper().GetCollection()->GetCount(), answer == MessageAnswer::Yes ? 1u : 2u);
        EXPECT_EQ(h.View().GetToolId(), kToolSelection);
        EXPECT_THAT(h.Violations(), IsEmpty());
    }
}

TEST(SelectionToolsTest, RightDoubleClickOnTheTableStoresTheDrawing) {
    {
        ViewHarness h;
        h.AddLine(10, 10, 100, 150);
        RightDoubleClick(h, CellOf(66));
        EXPECT_EQ(h.doc.GetCurrentChar(), 66);
        EXPECT_TRUE(h.Paper().GetCollection()->IsEmpty());
        EXPECT_TRUE(h.doc.GetFont().Table()->Entry(66).HasCommands());
        EXPECT_TRUE(h.doc.IsModified());
        EXPECT_THAT(h.docHost.Messages(), IsEmpty());
        // Loading it back gives the stored line.
        h.DblClick(CellOf(66));
        ASSERT_EQ(h.Paper().GetCollection()->GetCount(), 1u);
        const CData* line = h.Paper().GetCollection()->GetAt(0);
        EXPECT_FLOAT_EQ(static_cast<float>(line->GetX2()), 100.0f);
        EXPECT_FLOAT_EQ(static_cast<float>(line->GetY2()), 150.0f);
    }
    {
        // More than 255 pairs: refused with message 489, and everything stays.
        ViewHarness h;
        for (int i = 0; i < 130; ++i) {
            h.AddLine(static_cast<float>(i), 10, static_cast<float>(i), 100);
        }
        h.doc.SetCurrentChar(40);
        h.Paper().GetCollection()->GetAt(3)->SetMark(kMarkSelected);
        RightDoubleClick(h, CellOf(66));
        ASSERT_EQ(h.docHost.Messages().size(), 1u);
        EXPECT_EQ(h.docHost.Messages()[0].id, MessageId::String(IDS_TOO_MANY_COMMANDS));
        EXPECT_EQ(h.doc.GetCurrentChar(), 40);
        EXPECT_EQ(h.Paper().GetCollection()->GetCount(), 130u);
        EXPECT_EQ(h.Paper().GetCollection()->GetAt(3)->GetMark(), kMarkSelected);
        EXPECT_FALSE(h.doc.GetFont().Table()->Entry(66).HasCommands());
        // Outside the table a right double click stores nothing.
        RightDoubleClick(h, {100, 100});
        EXPECT_EQ(h.docHost.Messages().size(), 1u);
        EXPECT_THAT(h.Violations(), IsEmpty());
    }
}

TEST(SelectionToolsTest, DoubleClicksOutsideTheTable) {
    ViewHarness h;
    CData* a = h.AddLine(20, 50, 180, 50);
    CData* b = h.AddLine(20, 150, 180, 150);
    b->SetMark(kMarkSelected);
    // On an element: that element only.
    h.DblClick({60, 50});
    EXPECT_EQ(a->GetMark(), kMarkSelected);
    EXPECT_EQ(b->GetMark(), kMarkNormal);
    // Shift + double click selects everything and hands it to the copy tool, which deselects.
    h.DblClick({60, 100}, kMkShift);
    EXPECT_THAT(Marks(h.Paper()), ElementsAre(0, 0));
    EXPECT_TRUE(h.host.ClipboardHasFormat(kClipboardFormat));
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST(SelectionToolsTest, RightClickCancelsAWindowThenRebuildsTheTool) {
    ViewHarness h;
    CData* line = h.AddLine(30, 30, 100, 30);
    h.LDown({20, 20});
    h.Move({120, 120}, kMkLButton);
    IViewTool* before = h.View().GetTool();
    h.RClick({120, 120});
    EXPECT_EQ(h.View().GetTool(), before);
    EXPECT_EQ(SelectTool(h).GetStep(), CFuncToolSelectTool::Step::Idle);
    h.LUp({120, 120});
    EXPECT_EQ(line->GetMark(), kMarkNormal);
    h.RClick({120, 120});
    EXPECT_NE(h.View().GetTool(), before);
    EXPECT_THAT(h.Violations(), IsEmpty());
}

}  // namespace
}  // namespace korvo::test
