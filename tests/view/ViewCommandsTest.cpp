// The view's commands and the rules of their menu and toolbar items.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model/Data.h"
#include "model/DataCollection.h"
#include "resources/StringTable.h"
#include "support/ViewHarness.h"
#include "view/ViewCommands.h"
#include "view/ViewSwitches.h"

namespace korvo::test {
namespace {

using ::testing::IsEmpty;

bool Checked(ViewHarness& h, int id) {
    const auto ui = h.View().OnUpdateCommand(id);
    return ui && ui->checked;
}

TEST(ViewCommandsTest, GridCommandSyncFindsTheMenuEntryOfASpacing) {
    const struct {
        PointF grid;
        int command;
    } cases[] = {
        {{2.5f, 2.5f}, 19444},         {{2.5f, 3.0f}, 19450}, {{0.3f, 0.3f}, 19450},
        {{1.25f, 1.25f}, 19443},       {{0.1f, 0.1f}, 19440}, {{80.0f, 80.0f}, 19449},
        {{2.50005f, 2.50005f}, 19444},  // within the float tolerance of 2.5
        {{0.0f, 0.0f}, 19450},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CKorvoFEView::GridCommandFor(c.grid), c.command) << c.grid.x << " x " << c.grid.y;
    }
}

TEST(ViewCommandsTest, GridSizesSetTheSpacingTheCheckMarkAndOtherAsksForIt) {
    ViewHarness h;
    h.Command(19443);
    EXPECT_EQ(h.Paper().GetGrid(), (PointF{1.25f, 1.25f}));
    EXPECT_TRUE(Checked(h, 19443));
    EXPECT_FALSE(Checked(h, 19444));
    EXPECT_EQ(h.host.refreshedButtons.back(), kCmdGridOnOff);

    // Cancel keeps the spacing and the check mark.
    h.host.AnswerUserGrid(std::nullopt);
    h.Command(kCmdGridOther);
    EXPECT_EQ(h.host.userGridPresets.back(), (std::pair{1.25f, 1.25f}));
    EXPECT_EQ(h.Paper().GetGrid(), (PointF{1.25f, 1.25f}));
    EXPECT_TRUE(Checked(h, 19443));

    // 2.5 x 2.5 through Other checks Other until the grid is synchronised.
    h.host.AnswerUserGrid(std::pair{2.5f, 2.5f});
    h.Command(kCmdGridOther);
    EXPECT_TRUE(Checked(h, kCmdGridOther));
    h.View().SyncGridCommand();
    EXPECT_TRUE(Checked(h, 19444));

    h.host.AnswerUserGrid(std::pair{2.5f, 3.0f});
    h.Command(kCmdGridOther);
    h.View().SyncGridCommand();
    EXPECT_TRUE(Checked(h, kCmdGridOther));
    EXPECT_EQ(h.Paper().GetGrid(), (PointF{2.5f, 3.0f}));
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST(ViewCommandsTest, LoadCharAnsweredNoLoadsOnTopOfTheDrawing) {
    ViewHarness h;
    h.DefineGlyph(65, 10, 20, 150, 160);
    h.AddLine(50, 50, 60, 60);
    h.docHost.AnswerCharacter(65);
    h.host.Answer(MessageAnswer::No);
    h.Command(kCmdLoadChar);
    ASSERT_EQ(h.host.messages.size(), 1u);
    EXPECT_EQ(h.host.messages[0].id, MessageId::String(IDS_CLEAR_DRAWING_AREA));
    EXPECT_EQ(h.host.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(h.doc.GetCurrentChar(), 65);
    const CDataCollection& drawing = *h.Paper().GetCollection();
    ASSERT_EQ(drawing.GetCount(), 2u);
    EXPECT_DOUBLE_EQ(drawing.GetAt(0)->GetX1(), 50.0);
    EXPECT_DOUBLE_EQ(drawing.GetAt(1)->GetX1(), 10.0);
    EXPECT_DOUBLE_EQ(drawing.GetAt(1)->GetY2(), 160.0);

    // Cancelling the character dialog changes nothing.
    h.docHost.AnswerCharacter(std::nullopt);
    h.Command(kCmdLoadChar);
    EXPECT_EQ(drawing.GetCount(), 2u);
    EXPECT_EQ(h.docHost.CharacterPresets().back(), 65);

    // Yes clears first.
    h.docHost.AnswerCharacter(65);
    h.host.Answer(MessageAnswer::Yes);
    h.Command(kCmdLoadChar);
    EXPECT_EQ(drawing.GetCount(), 1u);
    EXPECT_EQ(h.host.Pane(kPaneElementCount), "Elements = 2  (< 256)");
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST(ViewCommandsTest, ClearDrawingAsksOnlyAboutWhatWouldBeStored) {
    {
        // Clear Char on an empty drawing: no question, the count shows 0.
        ViewHarness h;
        h.host.statusHistory.clear();
        h.Command(kCmdClearChar);
        EXPECT_TRUE(h.host.messages.empty());
        EXPECT_EQ(h.host.Pane(kPaneElementCount), "Elements = 0  (< 256)");
    }
    {
        // Asking with everything outside the drawing area: no question, nothing cleared.
        ViewHarness h;
        h.AddLine(300, 100, 400, 100);
        h.View().ClearDrawing(true);
        EXPECT_TRUE(h.host.messages.empty());
        EXPECT_EQ(h.Paper().GetCollection()->GetCount(), 1u);
    }
    {
        // No keeps everything and does not refresh the status; without asking all goes.
        ViewHarness h;
        h.AddLine(10, 10, 20, 20);
        h.AddLine(300, 100, 400, 100)->SetMark(kMarkSelected);
        h.host.statusHistory.clear();
        h.host.Answer(MessageAnswer::No);
        h.View().ClearDrawing(true);
        EXPECT_EQ(h.host.messages.size(), 1u);
        EXPECT_EQ(h.Paper().GetCollection()->GetCount(), 2u);
        EXPECT_TRUE(h.host.statusHistory.empty());
        h.View().ClearDrawing(false);
        EXPECT_EQ(h.Paper().GetCollection()->GetCount(), 0u);
        EXPECT_EQ(h.host.Pane(kPaneElementCount), "Elements = 0  (< 256)");
    }
}

TEST(ViewCommandsTest, SaveCharStoresTheDrawingAndClearsItOnlyWhenStored) {
    ViewHarness h;
    h.AddLine(10, 20, 30, 40);
    h.docHost.AnswerCharacter(std::nullopt);
    h.Command(kCmdSaveChar);
    EXPECT_EQ(h.Paper().GetCollection()->GetCount(), 1u);
    EXPECT_FALSE(h.doc.GetFont().Table()->Entry(66).HasCommands());

    h.docHost.AnswerCharacter(66);
    h.Command(kCmdSaveChar);
    EXPECT_TRUE(h.doc.GetFont().Table()->Entry(66).HasCommands());
    EXPECT_EQ(h.Paper().GetCollection()->GetCount(), 0u);
    EXPECT_TRUE(h.doc.IsModified());
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST(ViewCommandsTest, ShowFontTableTwiceReturnsToTheFullSheetAndZoomsToIt) {
    ViewHarness h;
    h.Command(kCmdShowFontTable);
    EXPECT_FALSE(h.Paper().IsShowTable());
    EXPECT_EQ(h.Paper().GetExtension(), (PointF{200.0f, 200.0f}));
    EXPECT_EQ(h.Paper().GetWindowSize(), (PointF{200.0f, 200.0f}));
    EXPECT_FALSE(Checked(h, kCmdShowFontTable));
    h.Command(kCmdShowFontTable);
    EXPECT_TRUE(Checked(h, kCmdShowFontTable));
    EXPECT_EQ(h.Paper().GetExtension(), (PointF{620.0f, 350.0f}));
    EXPECT_EQ(h.Paper().GetWindowOrigin(), (PointF{0.0f, 0.0f}));
    EXPECT_EQ(h.Paper().GetWindowSize(), (PointF{620.0f, 350.0f}));
    EXPECT_FALSE(h.host.Scroll(ScrollBar::Horizontal).visible);
    EXPECT_EQ(h.host.refreshedButtons, (std::vector<int>{kCmdShowFontTable, kCmdShowFontTable}));
    // The zoom tool removed itself; the main tool carries on.
    EXPECT_EQ(h.View().GetTempTool(), nullptr);
    EXPECT_NE(h.View().GetTool(), nullptr);
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST(ViewCommandsTest, SwitchesAndTheirCheckMarks) {
    ViewHarness h;
    g_nSnapMode = 0;
    h.Command(kCmdSnap);
    EXPECT_EQ(g_nSnapMode, 15);
    EXPECT_TRUE(Checked(h, kCmdSnap));
    h.Command(kCmdSnap);
    EXPECT_EQ(g_nSnapMode, 0);

    const bool styled = g_bStyledDrawing;
    h.Command(kCmdStyledDrawing);
    EXPECT_NE(g_bStyledDrawing, styled);
    EXPECT_EQ(Checked(h, kCmdStyledDrawing), g_bStyledDrawing);
    EXPECT_EQ(h.View().GetPendingState(), Stale::Nothing)
        << "re-rendered by the paint that followed";

    const bool trackers = g_bTrackers;
    h.Command(kCmdTrackers);
    EXPECT_NE(g_bTrackers, trackers);
    EXPECT_EQ(Checked(h, kCmdTrackers), g_bTrackers);

    h.Command(kCmdGridOnOff);
    EXPECT_FALSE(h.Paper().IsShowGrid());

    // Snap cannot be switched while the view has no main tool.
    h.View().CreateTool(4711);
    h.Command(kCmdSnap);
    EXPECT_EQ(g_nSnapMode, 0);
    EXPECT_FALSE(Checked(h, kCmdSnap));
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST(ViewCommandsTest, EditingCommandsNeedASelectionAndPasteNeedsTheClipboardFormat) {
    ViewHarness h;
    CData* line = h.AddLine(10, 10, 20, 20);
    for (const int id :
         {57635, 57634, 41034, 41228, 41086, 41087, 41090, 41033, 41042, 41229, 41230}) {
        EXPECT_FALSE(h.View().OnUpdateCommand(id)->enabled) << id;
    }
    line->SetMark(kMarkSelected);
    EXPECT_TRUE(h.View().OnUpdateCommand(41033)->enabled);
    EXPECT_FALSE(h.View().OnUpdateCommand(kCmdPaste)->enabled);
    h.host.clipboard[kClipboardFormat] = {};
    EXPECT_TRUE(h.View().OnUpdateCommand(kCmdPaste)->enabled);
    EXPECT_FALSE(h.View().OnUpdateCommand(12345).has_value());
    EXPECT_FALSE(h.View().OnCommand(12345));
}

TEST(ViewCommandsTest, ApplyWidthAndLevelReachNestedSelectedNodesOnly) {
    ViewHarness h;
    CData* plain = h.AddLine(10, 10, 20, 20);
    auto group = std::make_unique<CData>(0);
    auto child = std::make_unique<CData>(1);
    child->CreateLine(1, 1, 2, 2, 0, 1.0f, 0, 7);
    child->SetMark(kMarkSelected);
    group->AddChild(std::move(child));
    CData* grouped = h.Paper().AddNode(std::move(group))->GetChildren()->GetAt(0);
    plain->SetLevel(7);
    h.Command(kCmdApplyWidth);
    h.Command(kCmdApplyLevel);
    EXPECT_DOUBLE_EQ(grouped->GetWidth(), 0.25);
    EXPECT_EQ(grouped->GetLevel(), 1);
    EXPECT_EQ(plain->GetLevel(), 7);
    EXPECT_THAT(h.Violations(), IsEmpty());
}

}  // namespace
}  // namespace korvo::test
