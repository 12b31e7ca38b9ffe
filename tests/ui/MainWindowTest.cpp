#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <filesystem>
#include <memory>

#include "ChildFrame.h"
#include "DrawingView.h"
#include "KorvoFEApp.h"
#include "MainFrame.h"
#include "ScriptedQtDialogHost.h"
#include "app/KorvoFEDoc.h"
#include "font/FontFile.h"
#include "font/FontTable.h"
#include "font/GlyphStream.h"
#include "font/KorvoFont.h"
#include "model/DataCollection.h"
#include "model/Paper.h"
#include "support/ScopedSwitches.h"
#include "support/ScriptedMessageHost.h"
#include "support/TempDir.h"

namespace korvo {
namespace {

using test::DialogScript;

const std::string kSample = std::string(KORVO_SOURCE_DIR) + "/samples/futural.dat";

// The bytes of one glyph's command stream, end byte included; empty when undefined.
std::vector<std::uint8_t> GlyphBytes(const std::string& path, int code) {
    CKorvoFont font;
    test::ScriptedMessageHost host;
    font.LoadFontFile(path, 1, host);
    const GlyphEntry& entry = font.Table()->Entry(code);
    if (!entry.HasCommands()) {
        return {};
    }
    const auto stream = entry.commands.first(StreamLength(entry.commands));
    return {stream.begin(), stream.end()};
}

// Pixels of the view that are not the paper's white: the drawing, the grid, the table.
int InkPixels(CDrawingView& view) {
    const QImage image = view.viewport()->grab().toImage();
    int ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ink += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        }
    }
    return ink;
}

class MainWindowTest : public ::testing::Test {
protected:
    void TearDown() override { app_.reset(); }

    CMainFrame& Start(const QStringList& arguments, bool started = true) {
        app_.reset();
        app_ = test::ScriptedEditor(script_);
        EXPECT_EQ(app_->InitInstance(arguments), started);
        EXPECT_TRUE(!started || test::Activate(app_->MainFrame()));
        return app_->MainFrame();
    }

    // A key as the user presses it in the drawing: shortcuts first, then the view.
    static void Press(CChildFrame& child, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(&child.ViewWidget(), key, modifiers);
        QApplication::processEvents();
    }

    static void Click(CChildFrame& child, QPoint at) {
        QWidget* viewport = child.ViewWidget().viewport();
        QTest::mouseMove(viewport, at);
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
        QApplication::processEvents();
    }

    test::ScopedSwitches switches_;
    DialogScript script_;
    std::unique_ptr<CKorvoFEApp> app_;
};

TEST_F(MainWindowTest, LoadZoomStoreAndSaveAGlyphThroughTheWindow) {
    test::TempDir dir;
    const std::string path = dir.File("futural.dat");
    std::filesystem::copy_file(kSample, path);
    const std::vector<std::uint8_t> glyph65 = GlyphBytes(path, 65);
    ASSERT_FALSE(glyph65.empty());
    ASSERT_NE(GlyphBytes(path, 66), glyph65);

    CMainFrame& frame = Start({QString::fromStdString(path)});
    ASSERT_EQ(frame.Children().size(), 1u);
    CChildFrame& child = *frame.Children().front();
    EXPECT_TRUE(child.isMaximized());
    EXPECT_FALSE(frame.ShowsDocumentlessMenus());
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("KorvoFE - [futural.dat[*]]"));
    CPaper& paper = *child.Paper();
    QTest::qWait(50);
    const int emptyInk = InkPixels(child.ViewWidget());

    // Load Char (L): the dialog is preset to no character, the glyph lands on the paper.
    script_.characters = {65};
    Press(child, Qt::Key_L);
    ASSERT_EQ(script_.asked, std::vector<std::string>{"character -1"});
    EXPECT_EQ(child.Document().GetCurrentChar(), 65);
    ASSERT_GT(paper.GetCollection()->GetCount(), 0u);
    EXPECT_TRUE(frame.PaneText(2).startsWith(QStringLiteral("Elements = ")));
    EXPECT_NE(frame.PaneText(2), QStringLiteral("Elements = 0  (< 256)"));
    QTest::qWait(50);
    EXPECT_GT(InkPixels(child.ViewWidget()), emptyInk);

    // Save Char (S) into 66: stored, and the drawing is cleared.
    script_.characters = {66};
    Press(child, Qt::Key_S);
    EXPECT_EQ(script_.asked.back(), "character 65");
    EXPECT_EQ(paper.GetCollection()->GetCount(), 0u);
    EXPECT_TRUE(child.IsModified());

    // With its folder gone the font cannot be saved: the user is told and the changes stay.
    const std::filesystem::path away = dir.Path().string() + ".away";
    std::filesystem::rename(dir.Path(), away);
    Press(child, Qt::Key_S, Qt::ControlModifier);
    std::filesystem::rename(away, dir.Path());
    ASSERT_EQ(script_.messages.size(), 1u);
    EXPECT_EQ(script_.messages[0].id, MessageId::Fixed(FixedText::FontFileNotSaved));
    EXPECT_TRUE(child.IsModified());

    // File Save (Ctrl+S) writes the file it came from, without asking.
    const std::size_t asked = script_.asked.size();
    Press(child, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(script_.asked.size(), asked);
    EXPECT_FALSE(child.IsModified());

    // Closing the unmodified font asks nothing; the file holds glyph 65's drawing under 66.
    frame.OnCommand(ID_FILE_CLOSE);
    QApplication::processEvents();
    EXPECT_EQ(script_.asked.size(), asked);
    EXPECT_TRUE(frame.Children().empty());
    EXPECT_TRUE(frame.ShowsDocumentlessMenus());
    EXPECT_EQ(GlyphBytes(path, 66), glyph65);
    EXPECT_EQ(GlyphBytes(path, 65), glyph65);
}

TEST_F(MainWindowTest, WithoutAnArgumentNoFontOpensAndTheMenusAreTheDocumentlessOnes) {
    CMainFrame& frame = Start({});
    EXPECT_TRUE(frame.Children().empty());
    EXPECT_TRUE(frame.ShowsDocumentlessMenus());
    EXPECT_EQ(frame.menuBar()->actions().size(), 3);
    // Commands that need a font are greyed, File New and Open are not.
    EXPECT_FALSE(frame.Actions().Action(ID_FILE_SAVE)->isEnabled());
    EXPECT_FALSE(frame.Actions().Action(ID_LOAD_CHAR)->isEnabled());
    EXPECT_TRUE(frame.Actions().Action(ID_FILE_NEW)->isEnabled());
    EXPECT_TRUE(frame.Actions().Action(ID_FILE_OPEN)->isEnabled());

    // File New opens "Font1" with the full menus; closing it brings the short ones back.
    frame.OnCommand(ID_FILE_NEW);
    ASSERT_EQ(frame.Children().size(), 1u);
    EXPECT_EQ(frame.Children().front()->Title(), QStringLiteral("Font1"));
    EXPECT_FALSE(frame.ShowsDocumentlessMenus());
    EXPECT_EQ(frame.menuBar()->actions().size(), 7);
    frame.OnCommand(ID_FILE_CLOSE);
    QApplication::processEvents();
    EXPECT_TRUE(frame.ShowsDocumentlessMenus());

    // A recent font opens from the menu at the next start.
    app_->AddToRecentFileList(QString::fromStdString(kSample));
    CMainFrame& again = Start({});
    EXPECT_EQ(again.Actions().Action(ID_FILE_MRU_FILE1)->text(), QStringLiteral("&1 futural.dat"));
    again.OnCommand(ID_FILE_MRU_FILE1);
    ASSERT_EQ(again.Children().size(), 1u);
    EXPECT_EQ(again.Children().front()->PathName(),
              QFileInfo(QString::fromStdString(kSample)).absoluteFilePath());
    // A recent font that is gone opens empty, as ever, but leaves the list.
    test::TempDir dir;
    const QString gone = QFileInfo(QString::fromStdString(dir.File("gone.dat"))).absoluteFilePath();
    app_->AddToRecentFileList(gone);
    again.OnCommand(ID_FILE_MRU_FILE1);
    EXPECT_FALSE(app_->RecentFiles().Paths().contains(gone));
    EXPECT_EQ(again.Actions().Action(ID_FILE_MRU_FILE1)->text(), QStringLiteral("&1 futural.dat"));
}

// Beside the classic keys: Ctrl+V pastes, Ctrl+W and Ctrl+F4 close a font's window.
TEST_F(MainWindowTest, CtrlVPastesCtrlWAndCtrlF4CloseAFontsWindow) {
    CMainFrame& frame = Start({QString::fromStdString(kSample)});
    frame.OnCommand(ID_FILE_NEW);
    Press(*frame.ActiveChild(), Qt::Key_W, Qt::ControlModifier);
    ASSERT_EQ(frame.Children().size(), 1u);

    CChildFrame& child = *frame.Children().front();
    QSignalSpy commands(&frame.Actions(), &CCommandActions::Triggered);
    script_.characters = {65};
    Press(child, Qt::Key_L);
    Press(child, Qt::Key_A, Qt::ControlModifier);
    Press(child, Qt::Key_C, Qt::ControlModifier);
    Press(child, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(commands.last().at(0).toInt(), ID_EDIT_PASTE);
    Press(child, Qt::Key_Escape);
    Press(child, Qt::Key_C);
    Press(child, Qt::Key_F4, Qt::ControlModifier);
    EXPECT_TRUE(frame.Children().empty());
}

// The window's own ways of moving over the paper reach the view as it expects them: Ctrl + wheel
// zooms by one notch, the plain wheel scrolls three lines, a scroll-bar arrow one line, and
// Shift + middle button shows the whole drawing area.
TEST_F(MainWindowTest, WheelScrollBarsAndMiddleButtonMoveTheWindow) {
    CMainFrame& frame = Start({QString::fromStdString(kSample)});
    CChildFrame& child = *frame.Children().front();
    CPaper& paper = *child.Paper();
    QWidget* viewport = child.ViewWidget().viewport();
    const QPointF centre = QRectF(viewport->rect()).center();
    const auto wheel = [&](int delta, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(centre, viewport->mapToGlobal(centre), QPoint(), QPoint(0, delta),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &event);
        QTest::qWait(20);  // the paint sets the scroll bars
    };
    const PointF area = paper.GetExtension();

    const PointF before = paper.GetWindowSize();
    wheel(120, Qt::ControlModifier);
    EXPECT_FLOAT_EQ(paper.GetWindowSize().x, static_cast<float>(before.x * (1.0 / 1.2)));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return child.ViewWidget().verticalScrollBar()->isVisible(); }, 5000));

    const PointF zoomed = paper.GetWindowSize();
    const PointF origin = paper.GetWindowOrigin();
    wheel(-120, Qt::NoModifier);
    EXPECT_EQ(paper.GetWindowSize(), zoomed);
    EXPECT_NEAR(paper.GetWindowOrigin().y, origin.y - 3 * 0.01f * area.y, 1e-3);
    EXPECT_FLOAT_EQ(paper.GetWindowOrigin().x, origin.x);

    child.ViewWidget().horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_NEAR(paper.GetWindowOrigin().x, origin.x + 0.01f * area.x, 1e-3);

    // The view posts itself Zoom original; the event loop delivers it and the paint hides the
    // bars, however slowly this build runs.
    QTest::mouseClick(viewport, Qt::MiddleButton, Qt::ShiftModifier, centre.toPoint());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !child.ViewWidget().verticalScrollBar()->isVisible(); }, 5000));
    EXPECT_EQ(paper.GetWindowOrigin(), (PointF{0.0f, 0.0f}));
    EXPECT_EQ(paper.GetWindowSize(), area);
}

// A file that may be no font at all is asked about before its damage is told; opened anyway, it
// is replaced only on the user's word at the first save.
TEST_F(MainWindowTest, FileThatIsNoFontOpensAndIsReplacedOnlyOnTheUsersWord) {
    test::TempDir dir;
    const std::string path = dir.File("notes.dat");
    test::WriteText(path, "These are notes, not a font at all.\n");
    script_.answers = {MessageAnswer::No};
    EXPECT_TRUE(Start({QString::fromStdString(path)}, false).Children().empty());
    ASSERT_EQ(script_.asked.size(), 1u);
    EXPECT_NE(script_.asked[0].find("Open it anyway?"), std::string::npos) << script_.asked[0];
    EXPECT_TRUE(script_.messages.empty());

    script_ = {};
    script_.answers = {MessageAnswer::Yes, MessageAnswer::Ok};
    CChildFrame& child = *Start({QString::fromStdString(path)}).Children().front();
    ASSERT_EQ(script_.messages.size(), 1u);
    EXPECT_EQ(script_.messages[0].id, MessageId::Fixed(FixedText::FontFileDamaged));
    script_.asked.clear();
    script_.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(child.Save(false));
    EXPECT_EQ(test::ReadText(path), "These are notes, not a font at all.\n");
    script_.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(child.Save(false) && child.Save(false));
    ASSERT_EQ(script_.asked.size(), 2u) << "asked at the first save only";
    EXPECT_EQ(test::ReadText(path).substr(0, 16), kFontFileHeader);
}

}  // namespace
}  // namespace korvo
