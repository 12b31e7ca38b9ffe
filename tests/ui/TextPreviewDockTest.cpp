#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <filesystem>

#include "ChildFrame.h"
#include "DrawingView.h"
#include "KorvoFEApp.h"
#include "MainFrame.h"
#include "QtDocumentHost.h"
#include "ScriptedQtDialogHost.h"
#include "TextPreviewDock.h"
#include "TextPreviewWidget.h"
#include "app/KorvoFEDoc.h"
#include "font/FontFile.h"
#include "font/FontTable.h"
#include "model/DataCollection.h"
#include "model/Paper.h"
#include "resources/CommandTable.h"
#include "support/GoldenImage.h"
#include "support/ScopedSwitches.h"
#include "support/TempDir.h"

namespace korvo {
namespace {

using test::DialogScript;
using test::ScriptedQtDialogHost;

const std::string kSample = std::string(KORVO_SOURCE_DIR) + "/samples/futural.dat";
constexpr int kCmdLine = 41040;

class TextPreviewDockTest : public ::testing::Test {
protected:
    void TearDown() override { app_.reset(); }

    CMainFrame& Start() {
        std::filesystem::copy_file(kSample, dir_.File("futural.dat"));
        app_ = test::ScriptedEditor(script_);
        EXPECT_TRUE(app_->InitInstance({QString::fromStdString(dir_.File("futural.dat"))}));
        EXPECT_TRUE(test::Activate(app_->MainFrame()));
        return app_->MainFrame();
    }

    CChildFrame& Child() const { return *app_->MainFrame().Children().front(); }

    void DrawLine(PointF a, PointF b) {
        QWidget* viewport = Child().ViewWidget().viewport();
        app_->MainFrame().OnCommand(kCmdLine);
        for (const PointF p : {a, b}) {
            const DevicePoint d = Child().Paper()->WorldToDevice(p);
            QTest::mouseMove(viewport, {d.x, d.y});
            QTest::mouseClick(viewport, Qt::LeftButton, {}, {d.x, d.y});
        }
        QApplication::processEvents();
    }

    // What a preview made afresh from the document shows, beside the dock's own.
    QImage Fresh(const CTextPreviewWidget& strip) const {
        CTextPreviewWidget fresh;
        fresh.resize(strip.size());
        fresh.SetSettings(const_cast<CTextPreviewWidget&>(strip).Preview().Settings());
        fresh.TakeDocument(&Child().Document());
        return fresh.Render();
    }

    test::TempDir dir_;
    test::ScopedSwitches switches_;
    DialogScript script_;
    std::unique_ptr<CKorvoFEApp> app_;
};

// The sample text in the sample font, both pitches, against reference pictures.
TEST(TextPreviewWidget, MatchesReferenceImages) {
    DialogScript script;
    ScriptedQtDialogHost dialogs(nullptr, script);
    CQtDocumentHost host(dialogs);
    CKorvoFEDoc doc(host);
    doc.OnOpenDocument(kSample);
    const struct {
        const char* name;
        bool proportional;
    } cases[] = {{"preview_proportional", true}, {"preview_fixed", false}};
    for (const auto& c : cases) {
        CTextPreviewWidget strip;
        strip.resize(720, 70);
        strip.SetSettings({CTextPreview::kDefaultText, 32.0f, c.proportional, false});
        strip.TakeDocument(&doc);
        test::ExpectMatchesGolden(strip.Render(), c.name);
    }
}

// Save Char shows in the preview at the next turn of the event loop; an unstored drawing shows
// only with the toggle; a change the window is told about (undo) shows as well.
TEST_F(TextPreviewDockTest, FollowsSaveCharAndTheChangeHook) {
    switches_.SnapMode(0);
    CMainFrame& frame = Start();
    CTextPreviewWidget& strip = frame.TextPreview().Strip();
    ASSERT_TRUE(strip.isVisible());
    ASSERT_GT(strip.width(), 300);
    const QImage before = strip.Render();
    const std::vector<std::uint8_t> fontBefore =
        EncodeFontFile(*Child().Document().GetFont().Table());

    DrawLine({20, 20}, {180, 180});
    EXPECT_EQ(strip.Render(), before) << "a drawing not stored changed the preview";
    frame.TextPreview().DrawingToggle().setChecked(true);
    Child().Document().SetCurrentChar('T');
    Child().NotifyDocumentChanged();
    QApplication::processEvents();
    const QImage drawn = strip.Render();
    EXPECT_NE(drawn, before) << "the drawing is not shown in place of T";

    frame.TextPreview().DrawingToggle().setChecked(false);
    script_.characters = {'T'};
    frame.OnCommand(ID_SAVE_CHAR);
    ASSERT_EQ(script_.asked, std::vector<std::string>{"character 84"});
    QApplication::processEvents();
    EXPECT_EQ(strip.Render(), drawn) << "the stored T differs from the drawing shown before";
    EXPECT_EQ(strip.Render(), Fresh(strip));

    // Undo puts the font back and tells the window so.
    ParseFontFile(*Child().Document().GetFont().Table(), fontBefore, 1, "futural");
    Child().NotifyDocumentChanged();
    QApplication::processEvents();
    // The strip takes the line's width again a turn later.
    EXPECT_TRUE(QTest::qWaitFor([&] { return strip.size() == before.size(); }, 2000));
    EXPECT_EQ(strip.Render(), before);
}

// A click on a character of the preview loads it, asking first when the drawing is not empty.
TEST_F(TextPreviewDockTest, ClickLoadsTheCharacter) {
    switches_.SnapMode(0);
    CMainFrame& frame = Start();
    CTextPreviewWidget& strip = frame.TextPreview().Strip();
    const std::vector<double>& edges = strip.Preview().CellEdges();
    const QPoint q(static_cast<int>((edges[4] + edges[5]) / 2), strip.height() / 2);
    CPaper& paper = *Child().Paper();

    QTest::mouseClick(&strip, Qt::LeftButton, {}, q);
    EXPECT_EQ(Child().Document().GetCurrentChar(), 'q');
    const std::size_t glyphNodes = paper.GetCollection()->GetCount();
    ASSERT_GT(glyphNodes, 0u);
    EXPECT_TRUE(script_.asked.empty()) << "an empty sheet needs no question";

    // A drawing on the sheet is asked about first; No loads q on top of it.
    Child().View().OnCommand(ID_CLEAR_CHAR);
    DrawLine({10, 10}, {10, 190});
    const std::size_t drawing = paper.GetCollection()->GetCount();
    script_.answers = {MessageAnswer::No};
    QTest::mouseClick(&strip, Qt::LeftButton, {}, q);
    EXPECT_EQ(script_.asked.size(), 1u);
    EXPECT_EQ(paper.GetCollection()->GetCount(), drawing + glyphNodes);
    // The View menu shows and hides the dock.
    QAction* toggle = frame.TextPreview().toggleViewAction();
    bool inViewMenu = false;
    for (QAction* entry : frame.menuBar()->actions()) {
        if (entry->menu() != nullptr && entry->text().remove(QLatin1Char('&')) == "View") {
            inViewMenu = entry->menu()->actions().contains(toggle);
        }
    }
    EXPECT_TRUE(inViewMenu);
    toggle->trigger();
    EXPECT_FALSE(frame.TextPreview().isVisible());

    // A text taller than the dock scrolls instead of losing its lower half.
    toggle->trigger();
    frame.TextPreview().HeightChoice().setValue(120);
    frame.resizeDocks({&frame.TextPreview()}, {150}, Qt::Vertical);
    QApplication::processEvents();
    auto* scroller = frame.TextPreview().findChild<QScrollArea*>();
    ASSERT_NE(scroller, nullptr);
    EXPECT_GE(strip.height(), 120 * 1.6);
    EXPECT_TRUE(scroller->verticalScrollBar()->isVisible());
    EXPECT_EQ(scroller->verticalScrollBar()->maximum(),
              strip.height() - scroller->viewport()->height());
}

}  // namespace
}  // namespace korvo
