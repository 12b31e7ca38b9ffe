// The tool framework: installing and replacing tools, the factory, the default mouse move with
// snapping, the default feedback, and the temporary tools.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model/ClipboardCollection.h"
#include "model/DataCollection.h"
#include "platform/KeyCodes.h"
#include "support/ViewHarness.h"
#include "tools/FuncTool.h"
#include "view/ViewCommands.h"
#include "view/ViewSwitches.h"

namespace korvo::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// A tool with feedback and no cursor (so it draws the crosshair) that logs what it is told.
class ProbeTool : public CFuncTool {
public:
    ProbeTool(CKorvoFEView& view, std::vector<std::string>& log) : CFuncTool(view), log_(log) {
        SetCursor(CursorShape::None);
        SetFeedback(true);
    }
    ~ProbeTool() override { log_.push_back("destroyed"); }
    void Start() override { log_.push_back("start"); }
    void End() override {
        log_.push_back("end");
        CFuncTool::End();
    }
    void Suspend() override {
        log_.push_back("suspend");
        CFuncTool::Suspend();
    }
    void OnLButtonDown(const ToolEvent&) override {
        log_.push_back("down");
        if (replaceOnClick) {
            View().CreateTool(kToolSelection);
            // Still alive: the view destroys replaced tools after the event.
            log_.push_back(replaceOnClick ? "after replace" : "?");
        }
    }
    bool replaceOnClick = false;

private:
    std::vector<std::string>& log_;
};

ProbeTool* InstallProbe(ViewHarness& h, std::vector<std::string>& log) {
    auto tool = std::make_unique<ProbeTool>(h.View(), log);
    ProbeTool* raw = tool.get();
    h.View().SetTool(19060, std::move(tool));
    return raw;
}

TEST(FuncToolTest, UnknownIdsDropBothToolsAndAcceptedIdsKeepThem) {
    std::vector<std::string> log;  // outlives the harness, whose tools log as they end
    ViewHarness h;
    InstallProbe(h, log);
    h.host.statusHistory.clear();
    h.View().CreateTool(19064);  // accepted without a tool
    EXPECT_NE(h.View().GetTool(), nullptr);
    EXPECT_EQ(h.View().GetToolId(), 19060);
    EXPECT_EQ(h.host.Pane(kPaneElementCount), "Elements = 0  (< 256)");

    h.View().CreateTool(kToolZoomWindow);
    ASSERT_NE(h.View().GetTempTool(), nullptr);
    h.View().CreateTool(4711);
    EXPECT_EQ(h.View().GetTool(), nullptr);
    EXPECT_EQ(h.View().GetTempTool(), nullptr);
    EXPECT_EQ(h.View().GetToolId(), kToolSelection);
    EXPECT_EQ(h.View().GetTempToolId(), kToolSelection);
    EXPECT_THAT(log, ElementsAre("start", "suspend", "end", "destroyed"));
    // Events now go nowhere, and the next tool restores order.
    h.Click({10, 10});
    EXPECT_FALSE(h.View().OnSetCursor(true));
    h.View().OnToolMessage(kMsgCreateTool, kToolSelection);
    EXPECT_NE(h.View().GetTool(), nullptr);
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST(FuncToolTest, TheMessagePaneSaysWhatTheActiveToolWantsNext) {
    const struct {
        int command;
        bool clicked;  // on the line from (20, 50) to (180, 50)
        const char* prompt;
    } cases[] = {
        // The prompt follows the step and, while one is active, the temporary tool.
        {0, false, "Pick an element, or drag a window around elements"},
        {41040, true, "Next point, right click ends"},
        {kCmdZoomWindow, true, "Opposite corner of the zoom window"},
    };
    for (const auto& c : cases) {
        ViewHarness h;
        h.AddLine(20, 50, 180, 50);
        if (c.command != 0) {
            h.Command(c.command);
        }
        if (c.clicked) {
            h.Click({100, 50});
        }
        EXPECT_EQ(h.host.Pane(kPaneMessage), c.prompt) << c.command;
    }
    ViewHarness h;
    h.View().CreateTool(4711);  // no tool at all
    EXPECT_EQ(h.host.Pane(kPaneMessage), "Ready");
}

TEST(FuncToolTest, AToolThatReplacesItselfIsDestroyedOnlyAfterTheEvent) {
    std::vector<std::string> log;  // outlives the harness, whose tools log as they end
    ViewHarness h;
    InstallProbe(h, log)->replaceOnClick = true;
    h.LDown({10, 10});
    EXPECT_THAT(log, ElementsAre("start", "down", "end", "after replace", "destroyed"));
    EXPECT_EQ(h.View().GetToolId(), kToolSelection);
}

TEST(FuncToolTest, SnapMarkersHaveTheirShapesAndNothingNearDrawsNone) {
    std::vector<std::string> log;  // outlives the harness, whose tools log as they end
    ViewHarness h;
    h.AddLine(10, 10, 110, 10);
    h.AddLine(60, -40, 60, 60);
    ProbeTool* tool = InstallProbe(h, log);
    const struct {
        int mode;
        PointF cursor;
        int hit;
        PointF snapped;
    } cases[] = {
        // Which point each mode finds is PaperSnap's; here the marker and the crosshair.
        {1, {12, 11}, 1, {10, 10}},
        {4, {62, 12}, 4, {60, 10}},
        {15, {300, 300}, 0, {0, 0}},  // nothing near: the raw point
    };
    for (const auto& c : cases) {
        g_nSnapMode = c.mode;
        h.Move(c.cursor);
        EXPECT_EQ(h.View().GetSnapHit(), c.hit) << "mode " << c.mode;
        if (c.hit == 0) {
            EXPECT_EQ(tool->GetSnapPoint(), tool->GetRawPoint());
        } else {
            EXPECT_NEAR(tool->GetSnapPoint().x, c.snapped.x, 1e-4) << "mode " << c.mode;
            EXPECT_NEAR(tool->GetSnapPoint().y, c.snapped.y, 1e-4) << "mode " << c.mode;
        }
        RecordingDrawContext dc;
        tool->DrawFeedback(dc);
        const DevicePoint s = h.Paper().WorldToDevice(tool->GetSnapPoint());
        const DevicePoint r = h.Paper().WorldToDevice(tool->GetRawPoint());
        // The crosshair: two one-pixel lines across the whole client.
        const auto lines = dc.CallsOf("line");
        ASSERT_GE(lines.size(), 2u);
        EXPECT_THAT(lines[0].points, ElementsAre(DevicePoint{0, r.y}, DevicePoint{1000, r.y}));
        EXPECT_THAT(lines[1].points, ElementsAre(DevicePoint{r.x, 700}, DevicePoint{r.x, 0}));
        EXPECT_EQ(lines[0].pen.color, CFuncTool::kCrosshairColor);
        const auto polylines = dc.CallsOf("polyline");
        // A marker for a snapped point only (an intersection's is a cross of two more lines),
        // centred on it; the end-point square in full.
        EXPECT_EQ(lines.size(), c.hit == 4 ? 4u : 2u);
        ASSERT_EQ(polylines.size(), c.hit == 1 ? 1u : 0u);
        if (c.hit == 1) {
            EXPECT_THAT(polylines[0].points,
                        ElementsAre(DevicePoint{s.x - 3, s.y - 3}, DevicePoint{s.x - 3, s.y + 3},
                                    DevicePoint{s.x + 3, s.y + 3}, DevicePoint{s.x + 3, s.y - 3},
                                    DevicePoint{s.x - 3, s.y - 3}));
        }
        EXPECT_EQ(dc.CurrentPen(), Pen{}) << "the feedback puts the pen back";
    }
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST(FuncToolTest, EachViewKeepsItsOwnSnapMarker) {
    std::vector<std::string> log;  // outlives the harnesses, whose tools log as they end
    ViewHarness near;
    ViewHarness far;
    g_nSnapMode = 1;
    ProbeTool* nearTool = InstallProbe(near, log);
    ProbeTool* farTool = InstallProbe(far, log);
    near.AddLine(10, 10, 110, 10);
    far.AddLine(10, 10, 110, 10);
    near.Move({12, 11});
    far.Move({60, 60});  // nothing near: this view shows no marker, the other keeps its own
    RecordingDrawContext nearDc;
    RecordingDrawContext farDc;
    nearTool->DrawFeedback(nearDc);
    farTool->DrawFeedback(farDc);
    EXPECT_EQ(nearDc.CallsOf("polyline").size(), 1u);
    EXPECT_THAT(farDc.CallsOf("polyline"), IsEmpty());
}

TEST(FuncToolTest, AMoveThatChangesNoPointCausesNoRepaint) {
    std::vector<std::string> log;  // outlives the harness, whose tools log as they end
    ViewHarness h;
    InstallProbe(h, log);
    g_nSnapMode = 0;
    h.Move({50, 50});
    const int paints = h.Paints();
    h.Move({50, 50});
    EXPECT_EQ(h.Paints(), paints);
    h.Move({51, 50});
    EXPECT_EQ(h.Paints(), paints + 1);
    // Only the feedback was asked for: the back buffer was copied, not rendered.
    EXPECT_EQ(h.View().GetPendingState(), Stale::Nothing);
    EXPECT_EQ(h.Window().CallsOf("line").size(), 2u);
}

TEST(FuncToolTest, ZoomWindowWhileAnotherToolWaitsSuspendsItAndHandsBack) {
    std::vector<std::string> log;  // outlives the harness, whose tools log as they end
    ViewHarness h;
    ProbeTool* probe = InstallProbe(h, log);
    h.Command(kCmdZoomWindow);
    EXPECT_THAT(log, ElementsAre("start", "suspend"));
    // The zoom tool takes the clicks; the waiting tool sees none of them.
    h.Click({10, 10});
    h.Move({100, 80});
    h.Click({100, 80});
    EXPECT_EQ(h.View().GetTempTool(), nullptr);
    EXPECT_EQ(h.View().GetTool(), probe);
    EXPECT_THAT(log, ElementsAre("start", "suspend", "suspend"));
    // Redraw is one-shot too, and leaves the main tool alone.
    h.Command(41043);
    EXPECT_EQ(h.View().GetTool(), probe);
    EXPECT_EQ(h.View().GetTempTool(), nullptr);
    h.LDown({20, 20});
    EXPECT_EQ(log.back(), "down");
    EXPECT_THAT(h.Violations(), IsEmpty());
}

}  // namespace
}  // namespace korvo::test
