#include <gtest/gtest.h>

#include <QApplication>
#include <QPixmap>
#include <QTest>
#include <cmath>
#include <deque>
#include <filesystem>
#include <memory>
#include <vector>

#include "ChildFrame.h"
#include "DrawingView.h"
#include "KorvoFEApp.h"
#include "MainFrame.h"
#include "ScriptedQtDialogHost.h"
#include "app/KorvoFEDoc.h"
#include "font/FontTable.h"
#include "font/GlyphStream.h"
#include "font/KorvoFont.h"
#include "model/Data.h"
#include "model/DataCollection.h"
#include "model/Paper.h"
#include "support/ScopedSwitches.h"
#include "support/TempDir.h"
#include "view/ViewCommands.h"

namespace korvo {
namespace {

using test::DialogScript;
using test::ScriptedQtDialogHost;

const std::string kSample = std::string(KORVO_SOURCE_DIR) + "/samples/futural.dat";

constexpr int kCmdRectangle = 41041;
constexpr int kCmdCircle = 41026;
constexpr int kCmdSelect = 41051;

// The scripted user, who also answers the convert-to-lines dialog with the counts queued here.
class LineCountHost final : public CQtDialogHost {
public:
    LineCountHost(QWidget* parent, DialogScript& script, std::deque<int>& lineCounts)
        : CQtDialogHost(parent),
          scripted_(parent, script),
          script_(script),
          lineCounts_(lineCounts) {}

    MessageAnswer ShowMessage(const MessageRequest& request) override {
        return scripted_.ShowMessage(request);
    }
    bool AskUserGrid(float& x, float& y) override { return scripted_.AskUserGrid(x, y); }
    bool AskValues(ValueInputRows& rows) override { return scripted_.AskValues(rows); }
    MessageAnswer ShowText(std::string_view text, MessageButtons buttons) override {
        return scripted_.ShowText(text, buttons);
    }
    bool AskCharacter(int& code) override { return scripted_.AskCharacter(code); }
    bool AskHelpLines(HelpLineValues& values) override { return scripted_.AskHelpLines(values); }
    MessageAnswer AskSaveModified(std::string_view name) override {
        return scripted_.AskSaveModified(name);
    }
    bool AskLineCount(int& count) override {
        script_.asked.push_back("line count");
        if (lineCounts_.empty()) {
            return false;
        }
        count = lineCounts_.front();
        lineCounts_.pop_front();
        return true;
    }

private:
    ScriptedQtDialogHost scripted_;
    DialogScript& script_;
    std::deque<int>& lineCounts_;
};

QPoint Pixel(const CPaper& paper, PointF world) {
    const DevicePoint p = paper.WorldToDevice(world);
    return {p.x, p.y};
}

PointF World(const CPaper& paper, QPoint pixel) {
    return paper.DeviceToWorld({pixel.x(), pixel.y()});
}

// A quarter turn clockwise about `c`, as a drag a quarter turn clockwise on the screen gives.
PointF QuarterTurn(PointF p, PointF c) {
    return {c.x + (p.y - c.y), c.y - (p.x - c.x)};
}

int CountOfType(const CPaper& paper, std::int32_t type) {
    int count = 0;
    for (const CData* node : *paper.GetCollection()) {
        count += node->GetType() == type ? 1 : 0;
    }
    return count;
}

bool AllSelected(const CPaper& paper) {
    for (const CData* node : *paper.GetCollection()) {
        if (node->GetMark() != kMarkSelected) {
            return false;
        }
    }
    return !paper.GetCollection()->IsEmpty();
}

class DrawingToolsWindowTest : public ::testing::Test {
protected:
    void TearDown() override { app_.reset(); }

    CMainFrame& Start(const std::string& path) {
        app_ = std::make_unique<CKorvoFEApp>();
        app_->SetDialogHostFactory([this](QWidget* parent) {
            return std::make_unique<LineCountHost>(parent, script_, lineCounts_);
        });
        EXPECT_TRUE(app_->InitInstance({QString::fromStdString(path)}));
        CMainFrame& frame = app_->MainFrame();
        QApplication::setActiveWindow(&frame);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame));
        return frame;
    }

    // The mouse goes to `at` first, so the tool has seen the cursor where the button goes down.
    void Click(QPoint at) {
        QTest::mouseMove(viewport_, at);
        QTest::mouseClick(viewport_, Qt::LeftButton, {}, at);
        QApplication::processEvents();
    }

    // A drag with the left button through `path`, released at its last point.
    void Drag(const std::vector<QPoint>& path) {
        QTest::mouseMove(viewport_, path.front());
        QTest::mousePress(viewport_, Qt::LeftButton, {}, path.front());
        for (std::size_t i = 1; i < path.size(); ++i) {
            QTest::mouseMove(viewport_, path[i]);
        }
        QTest::mouseRelease(viewport_, Qt::LeftButton, {}, path.back());
        QApplication::processEvents();
    }

    test::ScopedSwitches switches_;
    DialogScript script_;
    std::deque<int> lineCounts_;
    std::unique_ptr<CKorvoFEApp> app_;
    QWidget* viewport_ = nullptr;
};

// A user draws a box with a circle in it, selects both with a window, turns them a quarter turn
// with a rotate grip and stores them as a character: the glyph holds the turned box and the
// circle as a closed chain of the asked number of lines.
TEST_F(DrawingToolsWindowTest, DrawSelectRotateAndStoreARectangleAndACircle) {
    test::TempDir dir;
    const std::string path = dir.File("futural.dat");
    std::filesystem::copy_file(kSample, path);
    switches_.SnapMode(0);
    CMainFrame& frame = Start(path);
    ASSERT_EQ(frame.Children().size(), 1u);
    CChildFrame& child = *frame.Children().front();
    CPaper& paper = *child.Paper();
    viewport_ = child.ViewWidget().viewport();
    QTest::qWait(50);

    // Corners whose pixels add up to even numbers, so the box's middle is a whole pixel.
    const QPoint a = Pixel(paper, {40.0f, 130.0f});
    QPoint b = Pixel(paper, {160.0f, 70.0f});
    b += QPoint((b.x() - a.x()) % 2, (b.y() - a.y()) % 2);
    const QPoint middle = (a + b) / 2;
    ASSERT_GE(b.x() - a.x(), 100) << "the drawing area is too small on the screen to test on";

    frame.OnCommand(kCmdRectangle);
    Click(a);
    Click(b);
    ASSERT_EQ(CountOfType(paper, kNodeLine), 4);

    // A circle in the box's right half, its rim a sixth of the box's width from its middle.
    const QPoint centre(middle.x() + (b.x() - a.x()) / 4, middle.y());
    const QPoint rim(centre.x() + (b.x() - a.x()) / 6, centre.y() + 2);
    frame.OnCommand(kCmdCircle);
    Click(centre);
    Click(rim);
    ASSERT_EQ(CountOfType(paper, kNodeEllipse), 1);
    const float radius = World(paper, rim).x - World(paper, centre).x;

    // Trackers on, then a window from below left to above right around both.
    frame.OnCommand(kCmdTrackers);
    ASSERT_TRUE(g_bTrackers);
    frame.OnCommand(kCmdSelect);
    const QPoint margin(30, 30);
    Drag({QPoint(a.x(), b.y()) + QPoint(-margin.x(), margin.y()), middle,
          QPoint(b.x(), a.y()) + QPoint(margin.x(), -margin.y())});
    ASSERT_TRUE(AllSelected(paper));
    ASSERT_EQ(paper.GetCollection()->GetCount(), 5u);

    // A second click on the selection (the top side, away from its grips) brings the rotate
    // grips; the upper right one is dragged a quarter turn clockwise about the middle.
    Click({a.x() + (b.x() - a.x()) / 4, a.y()});
    ASSERT_TRUE(AllSelected(paper));
    const QPoint grip(b.x(), a.y());
    const QPoint arm = grip - middle;
    const QPoint halfway(middle.x() + static_cast<int>(std::lround((arm.x() - arm.y()) / 1.4142)),
                         middle.y() + static_cast<int>(std::lround((arm.x() + arm.y()) / 1.4142)));
    const QPoint quarter(middle.x() - arm.y(), middle.y() + arm.x());
    Drag({grip, halfway, quarter});
    QTest::qWait(50);
    frame.grab().save("/tmp/h11_rotated.png");

    // Expected, from the clicked points themselves: the sides' corners and the circle's centre
    // turned about the middle of the selection.
    const PointF pivot = World(paper, middle);
    const PointF wa = World(paper, a);
    const PointF wb = World(paper, b);
    const PointF corners[] = {QuarterTurn(wa, pivot), QuarterTurn({wb.x, wa.y}, pivot),
                              QuarterTurn(wb, pivot), QuarterTurn({wa.x, wb.y}, pivot),
                              QuarterTurn(wa, pivot)};
    const PointF circleCentre = QuarterTurn(World(paper, centre), pivot);

    // Save Char into '#', the circle as 12 lines; the drawing is cleared.
    constexpr int kCode = 35;
    script_.characters = {kCode};
    lineCounts_ = {12};
    frame.OnCommand(kCmdSaveChar);
    ASSERT_EQ(script_.asked, (std::vector<std::string>{"character -1", "line count"}));
    EXPECT_TRUE(paper.GetCollection()->IsEmpty());
    EXPECT_TRUE(child.IsModified());

    const GlyphEntry& entry = child.Document().GetFont().Table()->Entry(kCode);
    ASSERT_TRUE(entry.HasCommands());
    const std::vector<GlyphCommand> glyph = ReadGlyphCommands(entry.commands);
    ASSERT_EQ(glyph.size(), 5u + 13u);

    // The box: one closed chain through the turned corners. Stored coordinates are truncated.
    for (std::size_t i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(glyph[i].op, i == 0 ? GlyphOp::Move : GlyphOp::Draw);
        EXPECT_NEAR(glyph[i].x, corners[i].x, 1.0);
        EXPECT_NEAR(glyph[i].y, corners[i].y, 1.0);
    }

    // The circle: a closed chain of 12 lines, each point on the turned circle (the middle of its
    // unit cell within half a cell's diagonal), a twelfth of a turn after the one before (each
    // of the two cells shifts the angle by up to half a diagonal over the radius).
    const auto angleOf = [&](const GlyphCommand& c) {
        return std::atan2(c.y + 0.5 - circleCentre.y, c.x + 0.5 - circleCentre.x);
    };
    for (std::size_t i = 5; i < glyph.size(); ++i) {
        SCOPED_TRACE(i);
        const GlyphCommand& c = glyph[i];
        EXPECT_EQ(c.op, i == 5 ? GlyphOp::Move : GlyphOp::Draw);
        const double distance = std::hypot(c.x + 0.5 - circleCentre.x, c.y + 0.5 - circleCentre.y);
        EXPECT_NEAR(distance, radius, 0.71);
        if (i > 5) {
            const double step = std::remainder(angleOf(c) - angleOf(glyph[i - 1]), 2.0 * kPi);
            EXPECT_NEAR(std::fabs(step), 2.0 * kPi / 12.0, 2.0 * 0.71 / radius + 0.01);
        }
    }
    EXPECT_NEAR(glyph.back().x, glyph[5].x, 1.0);
    EXPECT_NEAR(glyph.back().y, glyph[5].y, 1.0);
}

}  // namespace
}  // namespace korvo
