// Undo and redo of what the user does through the view: every action below becomes exactly one
// step that Undo takes back and Redo does again, byte for byte: one row per kind of action (the
// drawing tools share one path, a drag is one step below).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/DocumentState.h"
#include "model/Data.h"
#include "model/DataCollection.h"
#include "platform/KeyCodes.h"
#include "resources/CommandTable.h"
#include "support/TempDir.h"
#include "support/ViewHarness.h"
#include "tools/FuncToolSelectTool.h"
#include "view/ViewCommands.h"
#include "view/ViewSwitches.h"

namespace korvo::test {
namespace {

using ::testing::IsEmpty;

CUndoHistory& History(ViewHarness& h) {
    return h.doc.GetUndoHistory();
}

// A point inside the character table cell of `code`.
PointF CellOf(int code) {
    const int column = (code - 32) % 16;
    const int row = (code - 32) / 16;
    return {220.0f + 25.0f * static_cast<float>(column) + 12.0f,
            350.0f - 25.0f * static_cast<float>(row) - 12.0f};
}

void Nothing(ViewHarness&) {}

void TwoLines(ViewHarness& h) {
    h.AddLine(20, 50, 180, 50);
    h.AddLine(20, 150, 180, 150)->SetMark(kMarkSelected);
}

void TwoLinesCrossing(ViewHarness& h) {
    h.AddLine(20, 50, 180, 50);
    h.AddLine(100, 10, 100, 190);
}

// A line on the clipboard; copying leaves nothing selected.
void CopiedLine(ViewHarness& h) {
    h.AddLine(20, 50, 180, 50)->SetMark(kMarkSelected);
    h.Command(57634);
}

void SelectedLineWithTrackers(ViewHarness& h) {
    h.Command(kCmdTrackers);
    h.AddLine(20, 50, 180, 50);
    h.Click({100, 50});
}

void GroupAndCircle(ViewHarness& h) {
    auto group = std::make_unique<CData>(kNodeGroup);
    auto member = std::make_unique<CData>(kNodeLine);
    member->CreateLine(10, 10, 40, 40, 0, 0.25f, 0, 1);
    group->AddChild(std::move(member));
    h.Paper().AddNode(std::move(group));
    auto circle = std::make_unique<CData>(kNodeEllipse);
    circle->CreateEllipse(100, 100, 30, 30, 0, 360, 0, 0, 0.25f, 0, 1);
    h.Paper().AddNode(std::move(circle));
    h.docHost.AnswerLineCount(8);
}

void GlyphAndLine(ViewHarness& h) {
    h.DefineGlyph(65, 10, 10, 100, 150);
    h.AddLine(5, 5, 50, 5);
    h.docHost.AnswerCharacter(65);
}

void LineToSave(ViewHarness& h) {
    h.AddLine(10, 10, 100, 150);
    h.docHost.AnswerCharacter(66);
}

void HelpLinesAnswered(ViewHarness& h) {
    HelpLineValues values;
    values.positions = {10, 20, 30, 40, 50, 60, 70};
    values.flags = {1, 0, 1, 0, 1, 0, 1};
    h.docHost.helpLinesAnswer = values;
}

void RightDoubleClickCell67(ViewHarness& h) {
    const DevicePoint d = h.ToClient(CellOf(67));
    h.View().OnRButtonDown(kMkRButton, d.x, d.y);
    h.View().OnRButtonDblClk(kMkRButton, d.x, d.y);
    h.Pump();
}

struct Action {
    const char* name;  // what Undo then says it takes back
    void (*setup)(ViewHarness&);
    int command;  // 0: none
    std::vector<PointF> clicks = {};
    void (*act)(ViewHarness&) = nullptr;  // what else the user does after the clicks
};

const Action kActions[] = {
    {"Line", Nothing, 41040, {{10, 10}, {60, 40}}},
    {"Select all", TwoLines, 41022},
    {"Select", TwoLines, 0, {{60, 50}}},
    {"Load Char", GlyphAndLine, ID_LOAD_CHAR},
    {"Save Char", LineToSave, ID_SAVE_CHAR},
    {"Clear Char", TwoLines, ID_CLEAR_CHAR},
    {"Convert to Lines", GroupAndCircle, 41241},
    {"Trim Lines", [](ViewHarness& h) { h.AddLine(-50, 100, 250, 120); }, 41242},
    {"Helplines", HelpLinesAnswered, ID_HELP_LINES},
    {"Grid On / Off", Nothing, ID_GRID_ON_OFF},
    {"Grid Other",
     [](ViewHarness& h) {
         h.host.AnswerUserGrid(std::pair{3.0f, 4.5f});
     },
     ID_GRID_OTHER},
    // Double clicks on the character table: the right one stores, the left one loads.
    {"Select", [](ViewHarness& h) { h.AddLine(10, 10, 100, 150); }, 0, {}, RightDoubleClickCell67},
    {"Select",
     [](ViewHarness& h) { h.DefineGlyph(70, 0, 0, 200, 200); },
     0,
     {},
     [](ViewHarness& h) { h.DblClick(CellOf(70)); }},
    // The editing tools: picking the reference changes nothing, the edit is the step.
    {"Trim element", TwoLinesCrossing, 41091, {{100, 20}, {40, 50}}},
    {"Move selected", TwoLines, 41034, {{20, 150}, {60, 170}}},
    {"Parallel", TwoLines, 41045, {{100, 50}, {100, 80}}},
    {"Erase selected", TwoLines, 41033},
    {"Paste", CopiedLine, 57637, {{120, 90}}},
};

TEST(UndoToolsTest, EveryActionIsOneStepThatUndoAndRedoRestoreExactly) {
    int row = 0;
    for (const Action& action : kActions) {
        SCOPED_TRACE(std::to_string(row++) + ": " + action.name);
        ViewHarness h;
        action.setup(h);
        History(h).Reset();
        const std::optional<CDocumentState> before = CDocumentState::Capture(h.doc);
        if (action.command != 0) {
            h.Command(action.command);
        }
        for (const PointF p : action.clicks) {
            h.Click(p);
        }
        if (action.act != nullptr) {
            action.act(h);
        }
        const std::optional<CDocumentState> after = CDocumentState::Capture(h.doc);
        ASSERT_NE(before, after) << "the action changed nothing";
        ASSERT_EQ(History(h).Count(), 2u) << "one action, one step";
        EXPECT_EQ(h.View().CommandText(kCmdUndo), std::string("&Undo ") + action.name);

        h.Command(kCmdUndo);
        EXPECT_EQ(CDocumentState::Capture(h.doc), before);
        EXPECT_FALSE(h.doc.IsModified());
        EXPECT_FALSE(h.View().OnUpdateCommand(kCmdUndo)->enabled);
        EXPECT_EQ(h.View().CommandText(kCmdRedo), std::string("&Redo ") + action.name);
        h.Command(kCmdRedo);
        EXPECT_EQ(CDocumentState::Capture(h.doc), after);
        EXPECT_FALSE(h.View().OnUpdateCommand(kCmdRedo)->enabled);
        // Twice round the same step: restoring must not wear anything out.
        h.Command(kCmdUndo);
        h.Command(kCmdRedo);
        EXPECT_EQ(CDocumentState::Capture(h.doc), after);
        EXPECT_EQ(History(h).Count(), 2u) << "undo and redo are no steps of their own";
        EXPECT_THAT(h.Violations(), IsEmpty());
    }
}

TEST(UndoToolsTest, UndoAndRedoSnapAgainWhereThePointerIs) {
    ViewHarness h;
    g_nSnapMode = kSnapAll;
    h.Command(41040);
    h.Click({20, 50});
    h.Click({180, 50});
    h.Move({181, 51});
    while (!h.Paper().GetCollection()->IsEmpty() && History(h).CanUndo()) {
        h.Command(kCmdUndo);
    }
    EXPECT_EQ(h.View().GetSnapHit(), 0);
    EXPECT_THAT(h.Window().CallsOf("Polyline"), IsEmpty());
    h.Command(kCmdRedo);
    EXPECT_EQ(h.View().GetSnapHit(), kSnapEndPoint);
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST(UndoToolsTest, UndoToTheSavedStateClearsTheModifiedFlag) {
    TempDir dir;
    ViewHarness h;
    const auto saveChar = [&h](int code) {
        h.AddLine(10, 10, 20, 20 + static_cast<float>(code));
        h.docHost.AnswerCharacter(code);
        h.Command(ID_SAVE_CHAR);
    };
    saveChar(66);
    ASSERT_TRUE(h.doc.IsModified());
    ASSERT_TRUE(h.doc.OnSaveDocument(dir.File("font.dat")));
    saveChar(67);
    h.Command(ID_GRID_ON_OFF);  // the sheet, not the font
    const struct {
        int command;
        bool modified;
    } steps[] = {
        {kCmdUndo, true},   // grid back; 67 still stored
        {kCmdUndo, false},  // the font as saved
        {kCmdUndo, true},   // before the save: 66 undone
        {kCmdRedo, false}, {kCmdRedo, true}, {kCmdRedo, true}, {kCmdUndo, true}, {kCmdUndo, false},
    };
    for (const auto& step : steps) {
        h.Command(step.command);
        EXPECT_EQ(h.doc.IsModified(), step.modified) << History(h).Current();
    }
    // Something new at the saved state keeps the font as saved, so still unmodified.
    h.Command(ID_GRID_ON_OFF);
    EXPECT_FALSE(h.doc.IsModified());
    EXPECT_FALSE(History(h).CanRedo());
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST(UndoToolsTest, MouseMovesRecordNothingAndADragIsOneStep) {
    ViewHarness h;
    SelectedLineWithTrackers(h);
    History(h).Reset();
    const std::uint64_t revision = History(h).Revision();
    for (int i = 0; i < 200; ++i) {
        h.Move({static_cast<float>(i % 190), static_cast<float>((i * 7) % 190)});
    }
    EXPECT_EQ(History(h).Revision(), revision);

    auto& tool = dynamic_cast<CFuncToolSelectTool&>(*h.View().GetTool());
    const PointF grip = tool.Trackers().Grips()[1];
    const std::optional<CDocumentState> before = CDocumentState::Capture(h.doc);
    h.LDown(grip);
    for (int i = 1; i <= 40; ++i) {
        h.Move({grip.x - static_cast<float>(i), grip.y + static_cast<float>(i)}, kMkLButton);
    }
    EXPECT_NE(CDocumentState::Capture(h.doc), before) << "the drag moves the line as it goes";
    EXPECT_EQ(History(h).Count(), 1u) << "nothing recorded before the button is released";
    h.LUp({grip.x - 40, grip.y + 40});
    EXPECT_EQ(History(h).Count(), 2u);
    h.Command(kCmdUndo);
    EXPECT_EQ(CDocumentState::Capture(h.doc), before);

    // A release that never arrives (a drag and drop takes it): the next move without the button
    // ends the drag, still as one step.
    h.LDown(grip);
    h.Move({grip.x + 30, grip.y}, kMkLButton);
    EXPECT_FALSE(History(h).CanUndo()) << "still at the start while the button is held";
    h.Move({grip.x + 31, grip.y});
    EXPECT_EQ(History(h).Count(), 2u);
    EXPECT_TRUE(History(h).CanUndo());
    h.Move({grip.x + 40, grip.y});
    EXPECT_EQ(History(h).Count(), 2u) << "moves after that record nothing";
    h.Command(kCmdUndo);
    EXPECT_EQ(CDocumentState::Capture(h.doc), before);
    EXPECT_THAT(h.Violations(), IsEmpty());
}

}  // namespace
}  // namespace korvo::test
