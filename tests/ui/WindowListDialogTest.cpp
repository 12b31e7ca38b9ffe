#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QMdiArea>
#include <QPushButton>
#include <memory>

#include "ChildFrame.h"
#include "KorvoFEApp.h"
#include "MainFrame.h"
#include "ScriptedQtDialogHost.h"
#include "app/KorvoFEDoc.h"
#include "customize/WindowListDialog.h"

namespace korvo {
namespace {

using test::DialogScript;

class WindowListDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        app_ = test::ScriptedEditor(script_);
        ASSERT_TRUE(app_->InitInstance({}, false));
        for (int font = 0; font < 3; ++font) {
            fonts_.push_back(app_->OnFileNew());
        }
    }
    void TearDown() override { app_.reset(); }

    std::vector<QString> Listed(const CWindowListDialog& dialog) const {
        std::vector<QString> titles;
        for (int row = 0; row < dialog.List().count(); ++row) {
            titles.push_back(dialog.List().item(row)->text());
        }
        return titles;
    }

    // Selects `rows` and presses `button`.
    static void Press(const CWindowListDialog& dialog, std::initializer_list<int> rows,
                      const char* button) {
        dialog.List().clearSelection();
        for (const int row : rows) {
            dialog.List().item(row)->setSelected(true);
        }
        dialog.findChild<QPushButton*>(QString::fromLatin1(button))->click();
        QApplication::processEvents();
    }

    DialogScript script_;
    std::unique_ptr<CKorvoFEApp> app_;
    std::vector<CChildFrame*> fonts_;
};

TEST_F(WindowListDialogTest, ActivatesOneAndClosesTheChosenUntilOneRefuses) {
    CMainFrame& frame = app_->MainFrame();
    CWindowListDialog dialog(frame.MdiArea(), &frame);
    EXPECT_EQ(Listed(dialog), (std::vector<QString>{"Font1", "Font2", "Font3"}));

    // Activate needs exactly one window.
    Press(dialog, {0, 2}, "activate");
    EXPECT_EQ(frame.ActiveChild(), fonts_[2]);
    Press(dialog, {0}, "activate");
    EXPECT_EQ(frame.ActiveChild(), fonts_[0]);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    // Font2 has unsaved changes and the user cancels its save question: the closing stops there.
    fonts_[1]->Document().SetModifiedFlag();
    script_.answers = {MessageAnswer::Cancel};
    Press(dialog, {0, 1, 2}, "closeWindows");
    EXPECT_EQ(script_.asked, std::vector<std::string>{"save Font2"});
    EXPECT_EQ(Listed(dialog), (std::vector<QString>{"Font2", "Font3"}));
    EXPECT_EQ(frame.Children().size(), 2u);

    fonts_[1]->Document().SetModifiedFlag(false);
    Press(dialog, {0, 1}, "closeWindows");
    EXPECT_TRUE(Listed(dialog).empty());
    EXPECT_TRUE(frame.Children().empty());
    EXPECT_TRUE(frame.ShowsDocumentlessMenus());
}

}  // namespace
}  // namespace korvo
