// The editing tools used the way a user at the window uses them: a pick taken back with Escape,
// the values pane after the input it describes is over. Each case is a slip that was seen in the
// running editor.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "model/Data.h"
#include "model/DataCollection.h"
#include "platform/KeyCodes.h"
#include "platform/ViewHost.h"
#include "support/ViewHarness.h"
#include "tools/FuncToolPickPair.h"
#include "view/ViewCommands.h"

namespace korvo::test {
namespace {

using ::testing::IsEmpty;

constexpr int kCmdBreak = 41088;
constexpr int kCmdExtend = 41089;
constexpr int kCmdTrim = 41091;
constexpr int kCmdJoin = 41039;
constexpr int kCmdMove = 41034;
constexpr int kCmdCopy = 41228;
constexpr int kCmdRotate = 41086;
constexpr int kCmdScale = 41087;
constexpr int kCmdMirror = 41090;

using Seg = std::array<double, 4>;

void ExpectSeg(const CData* n, Seg s) {
    const Seg got{n->GetX1(), n->GetY1(), n->GetX2(), n->GetY2()};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(got[i], s[i], 1e-3) << "coordinate " << i;
    }
}

// Zoomed to the whole sheet in 2490 x 1410 pixels: 4 pixels per unit, so clicks land exactly.
class EditingToolsUseTest : public ::testing::Test {
protected:
    void SetUp() override { h.Command(kCmdZoomOriginal); }

    const CFuncToolPickPair* PairTool() {
        return dynamic_cast<const CFuncToolPickPair*>(h.View().GetTool());
    }
    std::size_t Count() { return h.Paper().GetCollection()->GetCount(); }
    // Strokes the last paint drew in the highlight colour: picked elements and break marks.
    int HighlightStrokes() {
        h.Paint();
        int strokes = 0;
        for (const auto& call : h.Window().Calls()) {
            if (call.pen.color == h.Paper().Values().highlightColor && call.pen.geometric) {
                ++strokes;
            }
        }
        return strokes;
    }

    // The thin highlight lines of the last paint, as pairs of client points.
    std::vector<std::vector<DevicePoint>> GuideLines() {
        h.Paint();
        std::vector<std::vector<DevicePoint>> lines;
        for (const auto& call : h.Window().CallsOf("line")) {
            if (call.pen.color == h.Paper().Values().highlightColor && !call.pen.geometric) {
                lines.push_back(call.points);
            }
        }
        return lines;
    }

    ViewHarness h{{2490, 1410}};
};

TEST_F(EditingToolsUseTest, EscapeLetsGoOfTheReferenceAndTheNextClickPicksAnew) {
    for (const int command : {kCmdTrim, kCmdExtend, kCmdJoin}) {
        SCOPED_TRACE(command);
        h.Command(kCmdClearChar);
        CData* a = h.AddLine(100, 20, 100, 180);
        CData* b = h.AddLine(40, 60, 160, 60);
        h.Command(command);
        h.Click({100, 150});
        ASSERT_EQ(PairTool()->GetFirst(), a);
        h.Key(kVkEscape);
        EXPECT_EQ(PairTool()->GetFirst(), nullptr);
        EXPECT_EQ(HighlightStrokes(), 0);
        // Without the reference this click picks one; it edits nothing.
        h.Click({140, 60});
        EXPECT_EQ(PairTool()->GetFirst(), b);
        ExpectSeg(b, {40, 60, 160, 60});
        ExpectSeg(a, {100, 20, 100, 180});
        // Escape with nothing picked keeps the tool.
        h.Key(kVkEscape);
        h.Key(kVkEscape);
        EXPECT_NE(PairTool(), nullptr);
    }
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST_F(EditingToolsUseTest, EscapeInBreakTakesBackThePointThenTheElement) {
    const struct {
        const char* what;
        std::vector<PointF> before;  // clicks before the Escape
        std::vector<PointF> after;   // clicks after it
        Seg upper;                   // the lines at y = 100 and y = 50 afterwards
        Seg lower;
    } cases[] = {
        // The first point is dropped: 70 no longer counts, 100 and 130 are the break.
        {"point",
         {{100, 100}, {70, 100}},
         {{100, 100}, {130, 100}},
         {40, 100, 100, 100},
         {40, 50, 160, 50}},
        // The element is dropped: the next click picks the line at y = 50 and breaks it.
        {"element",
         {{100, 100}},
         {{100, 50}, {60, 50}, {90, 50}},
         {40, 100, 160, 100},
         {40, 50, 60, 50}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        h.Command(kCmdClearChar);
        CData* upper = h.AddLine(40, 100, 160, 100);
        CData* lower = h.AddLine(40, 50, 160, 50);
        h.Command(kCmdBreak);
        for (const PointF p : c.before) {
            h.Click(p);
        }
        h.Move({120, 100});
        h.Key(kVkEscape);
        // The values pane speaks of a first break point; with none it stays empty.
        EXPECT_EQ(h.host.Pane(kPaneToolValues), "");
        for (const PointF p : c.after) {
            h.Click(p);
        }
        h.Move({150, 100});
        EXPECT_EQ(h.host.Pane(kPaneToolValues), "");
        ExpectSeg(upper, c.upper);
        ExpectSeg(lower, c.lower);
        // One break made, one piece split off; the tool waits for the next element.
        EXPECT_EQ(Count(), 3u);
        EXPECT_EQ(h.View().GetToolId(), 19172);
    }
    EXPECT_THAT(h.Violations(), IsEmpty());
}

// The ghost alone may lie on the selection (rotate before its reference point) or stand still
// (scale at factors it does not take); the fixed points and the lines from them show what the
// next click will do.
TEST_F(EditingToolsUseTest, TransformsShowTheirConstructionUntilSteppedBack) {
    using Guide = std::pair<PointF, PointF>;
    const struct {
        const char* what;
        int command;
        std::vector<PointF> clicks;
        PointF mouse;
        std::vector<Guide> guides;
    } cases[] = {
        {"rotate, centre fixed", kCmdRotate, {{50, 50}}, {80, 60}, {{{50, 50}, {80, 60}}}},
        {"rotate, reference fixed",
         kCmdRotate,
         {{50, 50}, {90, 50}},
         {50, 90},
         {{{50, 50}, {90, 50}}, {{50, 50}, {50, 90}}}},
        {"mirror, first point fixed", kCmdMirror, {{20, 40}}, {90, 45}, {{{20, 40}, {90, 45}}}},
        {"move, base fixed", kCmdMove, {{20, 40}}, {90, 45}, {{{20, 40}, {90, 45}}}},
        {"copy, base fixed", kCmdCopy, {{20, 40}}, {30, 10}, {{{20, 40}, {30, 10}}}},
        // Left of and below the base: factors the ghost does not show.
        {"scale, base fixed", kCmdScale, {{20, 40}}, {10, 30}, {{{20, 40}, {10, 30}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        h.Command(kCmdClearChar);
        h.AddLine(60, 20, 120, 20)->SetMark(kMarkSelected);
        h.Command(c.command);
        h.Move(c.mouse);
        EXPECT_THAT(GuideLines(), IsEmpty());
        for (const PointF p : c.clicks) {
            h.Click(p);
        }
        h.Move(c.mouse);
        std::vector<std::vector<DevicePoint>> wanted;
        for (const Guide& g : c.guides) {
            wanted.push_back({h.ToClient(g.first), h.ToClient(g.second)});
        }
        EXPECT_THAT(GuideLines(), ::testing::UnorderedElementsAreArray(wanted));
        for (std::size_t i = 0; i < c.clicks.size(); ++i) {
            h.RClick(c.mouse);
        }
        EXPECT_THAT(GuideLines(), IsEmpty());
        h.RClick(c.mouse);
        EXPECT_EQ(h.View().GetToolId(), kToolSelection);
    }
    EXPECT_THAT(h.Violations(), IsEmpty());
}

}  // namespace
}  // namespace korvo::test
