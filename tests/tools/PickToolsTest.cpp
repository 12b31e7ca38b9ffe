// Trim, extend, join and break driven like a user drives them, with the document's invariants
// checked after every event: the picks, the feedback, the repeated edits against one reference
// element, Escape taking a pick back, and the way back to the selection tool.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
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

using Seg = std::array<double, 4>;

// Within the rounding of a click through the pixel grid.
void ExpectSeg(const CData* n, Seg s) {
    const Seg got{n->GetX1(), n->GetY1(), n->GetX2(), n->GetY2()};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(got[i], s[i], 1e-3) << "coordinate " << i;
    }
}

// At 4 pixels per unit (the whole sheet zoomed into 2490 x 1410 pixels) clicks land on the very
// points the tests name. Every test ends with the document's invariants intact.
class PickToolsTest : public ::testing::Test {
protected:
    void SetUp() override {
        h.Command(kCmdZoomOriginal);
        const PointF probe{70.25f, 101.5f};
        ASSERT_EQ(h.Paper().DeviceToWorld(h.ToClient(probe)), probe);
    }
    void TearDown() override { EXPECT_THAT(h.Violations(), IsEmpty()); }

    const CFuncToolPickPair* PairTool() {
        return dynamic_cast<const CFuncToolPickPair*>(h.View().GetTool());
    }
    std::size_t Count() { return h.Paper().GetCollection()->GetCount(); }
    // How many feedback strokes of the highlight colour the last paint drew.
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

    ViewHarness h{{2490, 1410}};
};

TEST_F(PickToolsTest, TrimKeepsItsCuttingLineForEveryFurtherClick) {
    CData* cutting = h.AddLine(100, 20, 100, 180);
    CData* first = h.AddLine(40, 60, 160, 60);
    CData* second = h.AddLine(40, 120, 160, 120);
    h.Command(kCmdTrim);
    EXPECT_EQ(HighlightStrokes(), 0);

    h.Click({100, 150});
    ASSERT_NE(PairTool(), nullptr);
    EXPECT_EQ(PairTool()->GetFirst(), cutting);
    EXPECT_EQ(HighlightStrokes(), 1);

    h.Click({60, 60});    // the left half goes
    h.Click({140, 120});  // the right half goes
    ExpectSeg(first, {100, 60, 160, 60});
    ExpectSeg(second, {40, 120, 100, 120});
    ExpectSeg(cutting, {100, 20, 100, 180});
    // A click on nothing changes nothing and keeps the cutting line.
    h.Click({20, 190});
    EXPECT_EQ(PairTool()->GetFirst(), cutting);

    h.RClick({20, 190});
    EXPECT_EQ(h.View().GetToolId(), kToolSelectionTool);
    EXPECT_EQ(Count(), 3u);
    EXPECT_THAT(h.host.messages, IsEmpty());
}

TEST_F(PickToolsTest, ExtendLengthensTheClickedEndUpToTheBoundary) {
    CData* boundary = h.AddLine(150, 20, 150, 180);
    CData* line = h.AddLine(40, 100, 100, 100);
    h.Command(kCmdExtend);
    h.Click({150, 60});
    h.Click({50, 100});  // the start half: the boundary is not behind the start
    ExpectSeg(line, {40, 100, 100, 100});
    h.Click({90, 100});
    ExpectSeg(line, {40, 100, 150, 100});
    ExpectSeg(boundary, {150, 20, 150, 180});
    h.RClick({0, 0});
    EXPECT_EQ(h.View().GetToolId(), kToolSelectionTool);
}

TEST_F(PickToolsTest, JoinPicksLinesOnlyAndMakesACorner) {
    auto arc = std::make_unique<CData>(kNodeEllipse);
    arc->CreateEllipse(100, 100, 50, 50, 0, 180, 0, 0, 0.25f, 0, 1);
    h.Paper().AddNode(std::move(arc));
    CData* a = h.AddLine(40, 60, 120, 60);
    CData* b = h.AddLine(150, 80, 150, 20);
    h.Command(kCmdJoin);
    h.Click({100, 150});  // the arc's top: not a line
    EXPECT_EQ(PairTool()->GetFirst(), nullptr);
    h.Click({100, 60});
    EXPECT_EQ(PairTool()->GetFirst(), a);
    h.Click({150, 70});
    ExpectSeg(a, {40, 60, 150, 60});
    ExpectSeg(b, {150, 80, 150, 60});
}

TEST_F(PickToolsTest, CandidatesFollowTheDrawingOnlyWhileNothingIsPicked) {
    h.Command(kCmdTrim);
    // Drawn after the tool started: not a candidate until the tool looks again.
    CData* late = h.AddLine(40, 100, 160, 100);
    h.Click({100, 100});
    EXPECT_EQ(PairTool()->GetFirst(), nullptr);
    h.View().OnHScroll(kSbPageDown, 0);
    h.Pump();
    h.Click({100, 100});
    EXPECT_EQ(PairTool()->GetFirst(), late);
    // With a reference picked the list stays as it was.
    h.AddLine(100, 20, 100, 180);
    h.Click({100, 150});
    ExpectSeg(late, {40, 100, 160, 100});
}

TEST_F(PickToolsTest, BreakTakesElementThenTwoPointsAndMarksThem) {
    CData* line = h.AddLine(40, 100, 160, 100);
    h.Command(kCmdBreak);
    h.Click({100, 100});
    h.Click({70, 101});  // projected onto the line
    h.Move({130, 100});
    EXPECT_EQ(h.host.Pane(kPaneToolValues), "X = 130.0 Y = 100.0 A = 0.0 L = 60.0");
    // The picked line, the first break point and the one under the mouse.
    EXPECT_EQ(HighlightStrokes(), 3);

    h.Click({130, 100});
    ASSERT_EQ(Count(), 2u);
    ExpectSeg(line, {40, 100, 70, 100});
    ExpectSeg(h.Paper().GetCollection()->GetAt(1), {130, 100, 160, 100});
    // Done: the tool waits for the next element, and the right button leaves it.
    EXPECT_EQ(HighlightStrokes(), 0);
    h.RClick({0, 0});
    EXPECT_EQ(h.View().GetToolId(), kToolSelectionTool);
}

TEST_F(PickToolsTest, BreakRefusesBothEndsAndWaitsForAnotherSecondPoint) {
    CData* line = h.AddLine(40, 100, 160, 100);
    h.Command(kCmdSnap);
    h.Command(kCmdBreak);
    h.Click({100, 100});
    h.Click({41, 101});   // snaps to the start
    h.Click({159, 101});  // snaps to the end: the whole line would go
    ExpectSeg(line, {40, 100, 160, 100});
    EXPECT_EQ(Count(), 1u);
    h.Click({100, 100});  // still the second point
    ExpectSeg(line, {100, 100, 160, 100});
}

TEST_F(PickToolsTest, DeletedReferenceIsDroppedNotTouched) {
    CData* cutting = h.AddLine(100, 20, 100, 180);
    CData* line = h.AddLine(40, 100, 160, 100);
    h.Command(kCmdTrim);
    h.Click({100, 150});
    ASSERT_EQ(PairTool()->GetFirst(), cutting);
    // Something else takes the cutting line away while the tool still holds it.
    h.Paper().GetCollection()->Remove(cutting);
    // The click starts over: it picks the line as the new cutting element instead of trimming it
    // against a deleted one.
    h.Click({60, 100});
    EXPECT_EQ(PairTool()->GetFirst(), line);
    ExpectSeg(line, {40, 100, 160, 100});
}

// Escape lets go of the reference; the next click picks anew and edits nothing.
TEST_F(PickToolsTest, EscapeLetsGoOfTheReferenceAndTheNextClickPicksAnew) {
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
        h.Click({140, 60});
        EXPECT_EQ(PairTool()->GetFirst(), b);
        ExpectSeg(b, {40, 60, 160, 60});
        ExpectSeg(a, {100, 20, 100, 180});
        // Escape with nothing picked keeps the tool.
        h.Key(kVkEscape);
        h.Key(kVkEscape);
        EXPECT_NE(PairTool(), nullptr);
    }
}

TEST_F(PickToolsTest, EscapeInBreakTakesBackThePointThenTheElement) {
    const struct {
        const char* what;
        std::vector<PointF> before;  // clicks before the Escape
        std::vector<PointF> after;   // clicks after it
        Seg upper;                   // the lines at y = 100 and y = 50 afterwards
        Seg lower;
    } cases[] = {
        // clang-format off
        // The first point is dropped: 70 no longer counts, 100 and 130 are the break.
        {"point", {{100, 100}, {70, 100}}, {{100, 100}, {130, 100}},
         {40, 100, 100, 100}, {40, 50, 160, 50}},
        // The element is dropped: the next click picks the line at y = 50 and breaks it.
        {"element", {{100, 100}}, {{100, 50}, {60, 50}, {90, 50}},
         {40, 100, 160, 100}, {40, 50, 60, 50}},
        // clang-format on
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
}

}  // namespace
}  // namespace korvo::test
