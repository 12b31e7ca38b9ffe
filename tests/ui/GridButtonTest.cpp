#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <memory>

#include "ChildFrame.h"
#include "KorvoFEApp.h"
#include "MainFrame.h"
#include "ORVGridBtn.h"
#include "ScriptedQtDialogHost.h"
#include "model/Paper.h"
#include "resources/CommandTable.h"
#include "support/ScopedSwitches.h"

namespace korvo {
namespace {

using test::DialogScript;

class GridButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        app_ = test::ScriptedEditor(script_);
        ASSERT_TRUE(app_->InitInstance({}, false));
    }
    void TearDown() override { app_.reset(); }

    CMainFrame& Frame() const { return app_->MainFrame(); }

    // The grid-size entries that carry a check mark.
    std::vector<int> CheckedSizes() const {
        std::vector<int> checked;
        for (int id = ID_GRID_FIRST; id <= ID_GRID_OTHER; ++id) {
            if (Frame().Actions().Action(id)->isChecked()) {
                checked.push_back(id);
            }
        }
        return checked;
    }

    // What the frame does before the grid's drop-down opens.
    void OpenGridMenu() const { emit Frame().GridButton()->menu()->aboutToShow(); }

    test::ScopedSwitches switches_;
    DialogScript script_;
    std::unique_ptr<CKorvoFEApp> app_;
};

TEST_F(GridButtonTest, TextPressedStateAndCheckedSizeFollowTheActiveFont) {
    const CORVGridBtn& button = *Frame().GridButton();
    EXPECT_EQ(button.text(), QStringLiteral("5.00 mm"));
    EXPECT_FALSE(button.isChecked());

    CChildFrame* child = app_->OnFileNew();
    ASSERT_NE(child, nullptr);
    CPaper& paper = *child->Paper();

    struct Case {
        float x;
        float y;
        bool shown;
        const char* text;
        int checked;
    };
    const Case cases[] = {
        {2.5f, 2.5f, true, "2.50 mm", 19444},
        {2.5f, 5.0f, true, "2.50x5.00 mm", ID_GRID_OTHER},
        {1.25f, 1.25f, false, "1.25 mm", 19443},
        // Closer than the tolerance reads as one spacing, but only an exact size is checked.
        {80.0f, 80.00005f, true, "80.00 mm", ID_GRID_OTHER},
        {0.1f, 0.1f, true, "0.10 mm", ID_GRID_FIRST},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        paper.SetGrid(c.x, c.y);
        paper.SetShowGrid(c.shown);
        OpenGridMenu();
        EXPECT_EQ(button.text(), QString::fromLatin1(c.text));
        EXPECT_EQ(button.isChecked(), c.shown);
        EXPECT_EQ(CheckedSizes(), std::vector<int>{c.checked});
    }
}

TEST_F(GridButtonTest, OtherSizeThroughTheUserGridDialogChecksOther) {
    CChildFrame* child = app_->OnFileNew();
    ASSERT_NE(child, nullptr);

    script_.userGrids = {{0.3f, 0.3f}};
    Frame().OnCommand(ID_GRID_OTHER);
    EXPECT_EQ(script_.asked, std::vector<std::string>{"user grid"});
    EXPECT_EQ(Frame().GridButton()->text(), QStringLiteral("0.30 mm"));
    EXPECT_EQ(CheckedSizes(), std::vector<int>{ID_GRID_OTHER});

    // A fixed size afterwards; then G switches the grid off and the button comes up.
    Frame().OnCommand(ID_GRID_FIRST + 5);
    EXPECT_EQ(Frame().GridButton()->text(), QStringLiteral("5.00 mm"));
    EXPECT_EQ(CheckedSizes(), std::vector<int>{ID_GRID_FIRST + 5});
    ASSERT_TRUE(Frame().GridButton()->isChecked());
    Frame().OnCommand(ID_GRID_ON_OFF);
    EXPECT_FALSE(Frame().GridButton()->isChecked());
    EXPECT_FALSE(child->Paper()->IsShowGrid());

    // Without a font the button falls back to its resting text.
    child->close();
    QApplication::processEvents();
    EXPECT_EQ(Frame().GridButton()->text(), QStringLiteral("5.00 mm"));
    EXPECT_FALSE(Frame().GridButton()->isChecked());
}

}  // namespace
}  // namespace korvo
