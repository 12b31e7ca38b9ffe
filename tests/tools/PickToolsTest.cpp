// Trim, extend, join and break driven like a user drives them, with the document's invariants
// checked after every event: the picks, the feedback, the repeated edits against one reference
// element and the way back to the selection tool.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "model/Data.h"
#include "model/DataCollection.h"
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

Seg SegOf(const CData* n) {
    return {n->GetX1(), n->GetY1(), n->GetX2(), n->GetY2()};
}

// Within the rounding of a click through the pixel grid.
void ExpectSeg(const CData* n, Seg s, double tol = 1e-3) {
    const Seg got = SegOf(n);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(got[i], s[i], tol) << "coordinate " << i;
    }
}

// At 4 pixels per unit (the whole sheet zoomed into 2490 x 1410 pixels) clicks land on the very
// points the tests name.
class PickToolsTest : public ::testing::Test {
protected:
    void SetUp() override {
        h.Command(kCmdZoomOriginal);
        const PointF probe{70.25f, 101.5f};
        ASSERT_EQ(h.Paper().DeviceToWorld(h.ToClient(probe)), probe);
    }

    ViewHarness h{{2490, 1410}};
};

const CFuncToolPickPair* PairTool(ViewHarness& h) {
    return dynamic_cast<const CFuncToolPickPair*>(h.View().GetTool());
}

// How many feedback strokes of the highlight colour the last paint drew.
int HighlightStrokes(ViewHarness& h) {
    h.Paint();
    int strokes = 0;
    for (const auto& call : h.Window().Calls()) {
        if (call.pen.color == h.Paper().Values().highlightColor && call.pen.geometric) {
            ++strokes;
        }
    }
    return strokes;
}

TEST_F(PickToolsTest, TrimKeepsItsCuttingLineForEveryFurtherClick) {
    CData* cutting = h.AddLine(100, 20, 100, 180);
    CData* first = h.AddLine(40, 60, 160, 60);
    CData* second = h.AddLine(40, 120, 160, 120);
    h.Command(kCmdTrim);
    EXPECT_EQ(HighlightStrokes(h), 0);

    h.Click({100, 150});
    ASSERT_NE(PairTool(h), nullptr);
    EXPECT_EQ(PairTool(h)->GetFirst(), cutting);
    EXPECT_EQ(HighlightStrokes(h), 1);

    h.Click({60, 60});    // the left half goes
    h.Click({140, 120});  // the right half goes
    ExpectSeg(first, {100, 60, 160, 60});
    ExpectSeg(second, {40, 120, 100, 120});
    ExpectSeg(cutting, {100, 20, 100, 180});
    // A click on nothing changes nothing and keeps the cutting line.
    h.Click({20, 190});
    EXPECT_EQ(PairTool(h)->GetFirst(), cutting);

    h.RClick({20, 190});
    EXPECT_EQ(h.View().GetToolId(), kToolSelectionTool);
    EXPECT_EQ(h.Paper().GetCollection()->GetCount(), 3u);
    EXPECT_THAT(h.host.messages, IsEmpty());
    EXPECT_THAT(h.Violations(), IsEmpty());
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
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST_F(PickToolsTest, JoinPicksLinesOnlyAndMakesACorner) {
    auto arc = std::make_unique<CData>(kNodeEllipse);
    arc->CreateEllipse(100, 100, 50, 50, 0, 180, 0, 0, 0.25f, 0, 1);
    h.Paper().AddNode(std::move(arc));
    CData* a = h.AddLine(40, 60, 120, 60);
    CData* b = h.AddLine(150, 80, 150, 20);
    h.Command(kCmdJoin);
    h.Click({100, 150});  // the arc's top: not a line
    EXPECT_EQ(PairTool(h)->GetFirst(), nullptr);
    h.Click({100, 60});
    EXPECT_EQ(PairTool(h)->GetFirst(), a);
    h.Click({150, 70});
    ExpectSeg(a, {40, 60, 150, 60});
    ExpectSeg(b, {150, 80, 150, 60});
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST_F(PickToolsTest, CandidatesFollowTheDrawingOnlyWhileNothingIsPicked) {
    h.Command(kCmdTrim);
    // Drawn after the tool started: not a candidate until the tool looks again.
    CData* late = h.AddLine(40, 100, 160, 100);
    h.Click({100, 100});
    EXPECT_EQ(PairTool(h)->GetFirst(), nullptr);
    h.View().OnHScroll(kSbPageDown, 0);
    h.Pump();
    h.Click({100, 100});
    EXPECT_EQ(PairTool(h)->GetFirst(), late);
    // With a reference picked the list stays as it was.
    h.AddLine(100, 20, 100, 180);
    h.Click({100, 150});
    ExpectSeg(late, {40, 100, 160, 100});
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST_F(PickToolsTest, BreakTakesElementThenTwoPointsAndMarksThem) {
    CData* line = h.AddLine(40, 100, 160, 100);
    h.Command(kCmdBreak);
    h.Click({100, 100});
    h.Click({70, 101});  // projected onto the line
    h.Move({130, 100});
    const std::string status = h.host.Pane(kPaneToolValues);
    EXPECT_EQ(status, "X = 130.0 Y = 100.0 A = 0.0 L = 60.0");
    // The picked line, the first break point and the one under the mouse.
    EXPECT_EQ(HighlightStrokes(h), 3);

    h.Click({130, 100});
    ASSERT_EQ(h.Paper().GetCollection()->GetCount(), 2u);
    ExpectSeg(line, {40, 100, 70, 100});
    ExpectSeg(h.Paper().GetCollection()->GetAt(1), {130, 100, 160, 100});
    // Done: the tool waits for the next element, and the right button leaves it.
    EXPECT_EQ(HighlightStrokes(h), 0);
    h.RClick({0, 0});
    EXPECT_EQ(h.View().GetToolId(), kToolSelectionTool);
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST_F(PickToolsTest, BreakRefusesBothEndsAndWaitsForAnotherSecondPoint) {
    CData* line = h.AddLine(40, 100, 160, 100);
    h.Command(kCmdSnap);
    h.Command(kCmdBreak);
    h.Click({100, 100});
    h.Click({41, 101});   // snaps to the start
    h.Click({159, 101});  // snaps to the end: the whole line would go
    ExpectSeg(line, {40, 100, 160, 100});
    EXPECT_EQ(h.Paper().GetCollection()->GetCount(), 1u);
    h.Click({100, 100});  // still the second point
    ExpectSeg(line, {100, 100, 160, 100});
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST_F(PickToolsTest, DeletedReferenceIsDroppedNotTouched) {
    CData* cutting = h.AddLine(100, 20, 100, 180);
    CData* line = h.AddLine(40, 100, 160, 100);
    h.Command(kCmdTrim);
    h.Click({100, 150});
    ASSERT_EQ(PairTool(h)->GetFirst(), cutting);
    // Something else takes the cutting line away while the tool still holds it.
    h.Paper().GetCollection()->Remove(cutting);
    // The click starts over: it picks the line as the new cutting element instead of trimming it
    // against a deleted one.
    h.Click({60, 100});
    EXPECT_EQ(PairTool(h)->GetFirst(), line);
    ExpectSeg(line, {40, 100, 160, 100});
    EXPECT_THAT(h.Violations(), IsEmpty());
}

}  // namespace
}  // namespace korvo::test
