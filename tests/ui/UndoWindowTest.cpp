// Undo and redo in the editor's window: the keys, the menu texts that name the step, the toolbar
// buttons and the history list.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QToolBar>
#include <filesystem>
#include <memory>

#include "ChildFrame.h"
#include "DrawingView.h"
#include "KorvoFEApp.h"
#include "MainFrame.h"
#include "ScriptedQtDialogHost.h"
#include "UndoHistoryPanel.h"
#include "app/KorvoFEDoc.h"
#include "model/DataCollection.h"
#include "model/Paper.h"
#include "support/ScopedSwitches.h"
#include "support/TempDir.h"

namespace korvo {
namespace {

const std::string kSample = std::string(KORVO_SOURCE_DIR) + "/samples/futural.dat";

QStringList Rows(const QListWidget& list) {
    QStringList rows;
    for (int row = 0; row < list.count(); ++row) {
        rows.append(list.item(row)->text());
    }
    return rows;
}

TEST(UndoWindowTest, KeysMenuTextsButtonsAndTheHistoryListFollowTheSteps) {
    test::ScopedSwitches switches;
    test::DialogScript script;
    test::TempDir dir;
    const std::string path = dir.File("futural.dat");
    std::filesystem::copy_file(kSample, path);
    auto app = test::ScriptedEditor(script);
    ASSERT_TRUE(app->InitInstance({QString::fromStdString(path)}));
    CMainFrame& frame = app->MainFrame();
    ASSERT_TRUE(test::Activate(frame));
    CChildFrame& child = *frame.Children().front();
    QWidget* view = &child.ViewWidget();
    const auto press = [view](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(view, key, modifiers);
        QApplication::processEvents();
    };
    QAction& undo = *frame.Actions().Action(ID_EDIT_UNDO);
    QAction& redo = *frame.Actions().Action(ID_EDIT_REDO);
    EXPECT_FALSE(undo.isEnabled());
    EXPECT_EQ(undo.text(), QStringLiteral("&Undo"));
    const QToolBar* standard = frame.findChild<QToolBar*>(QStringLiteral("Standard"));
    ASSERT_NE(standard, nullptr);
    EXPECT_TRUE(standard->actions().contains(&undo));
    EXPECT_TRUE(standard->actions().contains(&redo));

    script.characters = {65, 66};
    press(Qt::Key_L);
    const std::size_t loaded = child.Paper()->GetCollection()->GetCount();
    ASSERT_GT(loaded, 0u);
    press(Qt::Key_S);
    ASSERT_TRUE(child.IsModified());
    EXPECT_EQ(undo.text(), QStringLiteral("&Undo Save Char"));

    // The list, shown from the View menu: the start and both steps, the last one current.
    frame.Actions().Action(ID_VIEW_UNDO_HISTORY)->trigger();
    frame.UpdateCommandUi();
    QListWidget& list = frame.UndoPanel().List();
    EXPECT_TRUE(frame.UndoPanel().isVisible());
    EXPECT_EQ(Rows(list), (QStringList{"<Start>", "Load Char", "Save Char"}));
    EXPECT_EQ(list.currentRow(), 2);

    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(child.Paper()->GetCollection()->GetCount(), loaded);
    EXPECT_EQ(undo.text(), QStringLiteral("&Undo Load Char"));
    EXPECT_EQ(redo.text(), QStringLiteral("&Redo Save Char"));
    EXPECT_EQ(list.currentRow(), 1);
    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(redo.isEnabled());

    // A click on the start goes all the way back; Ctrl+Y then redoes one step.
    list.itemClicked(list.item(0));
    QApplication::processEvents();
    EXPECT_EQ(child.Document().GetCurrentChar(), -1);
    EXPECT_FALSE(undo.isEnabled());
    press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(child.Document().GetCurrentChar(), 65);
    EXPECT_EQ(list.currentRow(), 1);
    app.reset();
}

}  // namespace
}  // namespace korvo
