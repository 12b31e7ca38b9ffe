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
    EXPECT_EQ(h.Paper().GetWindowSize(), (PointF{620.0f, 350.0f}));
    // The zoom tool removed itself; the main tool carries on.
    EXPECT_EQ(h.View().GetTempTool(), nullptr);
    EXPECT_NE(h.View().GetTool(), nullptr);
    EXPECT_THAT(h.Violations(), IsEmpty());
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
