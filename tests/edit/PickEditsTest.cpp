// Trim, extend, break and join as functions on nodes: the cut and lengthened geometry, the pieces
// a split adds, and the crossings these edits must leave alone.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "edit/BreakEdits.h"
#include "edit/ExtendEdits.h"
#include "edit/JoinEdits.h"
#include "edit/PickCandidates.h"
#include "edit/TrimEdits.h"
#include "model/DataCollection.h"
#include "support/PaperFixture.h"

namespace korvo::test {
namespace {

using ::testing::ElementsAre;

using Seg = std::array<float, 4>;  // x1 y1 x2 y2
using Arc = std::array<float, 5>;  // cx cy r start end (a circle's arc)

CData* AddLine(CDataCollection& to, Seg s) {
    auto node = std::make_unique<CData>(kNodeLine);
    node->CreateLine(s[0], s[1], s[2], s[3], 0, 0.25f, 0, 1);
    return to.Add(std::move(node));
}

CData* AddArc(CDataCollection& to, Arc a) {
    auto node = std::make_unique<CData>(kNodeEllipse);
    node->CreateEllipse(a[0], a[1], a[2], a[2], a[3], a[4], 0.0f, 0, 0.25f, 0, 1);
    return to.Add(std::move(node));
}

void ExpectLine(const CData& n, Seg s, const std::string& what) {
    EXPECT_NEAR(n.GetX1(), s[0], 1e-4) << what;
    EXPECT_NEAR(n.GetY1(), s[1], 1e-4) << what;
    EXPECT_NEAR(n.GetX2(), s[2], 1e-4) << what;
    EXPECT_NEAR(n.GetY2(), s[3], 1e-4) << what;
}

// Arc limits compared as directions, within `tol` degrees.
void ExpectArc(const CData& n, double start, double end, double tol, const std::string& what) {
    EXPECT_NEAR(NormalizeAngle(n.GetStartAngle() - start + 180.0, 0.0), 180.0, tol) << what;
    EXPECT_NEAR(NormalizeAngle(n.GetEndAngle() - end + 180.0, 0.0), 180.0, tol) << what;
}

// A line, or the arc about (s[0], s[1]) of radius s[2] (a full circle unless told).
CData* AddLineOrArc(CDataCollection& to, bool line, Seg s, float start = 0, float end = 360) {
    return line ? AddLine(to, s) : AddArc(to, {s[0], s[1], s[2], start, end});
}

PointF OnCircle(float r, double degrees) {
    const PointD p = PolarPoint(0.0, 0.0, DegToRad(degrees), r);
    return {static_cast<float>(p.x), static_cast<float>(p.y)};
}

TEST(TrimEdits, LineCutByLineLosesTheClickedSideOnly) {
    const struct {
        const char* what;
        Seg cutting;
        PointF click;
        bool changed;
        Seg left;
    } cases[] = {
        {"left half clicked", {4, -5, 4, 5}, {2, 0.2f}, true, {4, 0, 10, 0}},
        {"right half clicked", {4, -5, 4, 5}, {8, -0.2f}, true, {0, 0, 4, 0}},
        // The cutting line counts as endless: it need not reach the trimmed one.
        {"short cutting line", {4, 1, 4, 5}, {2, 0}, true, {4, 0, 10, 0}},
        // A crossing exactly at an end is no crossing for the strict test.
        {"crossing at the start", {0, -5, 0, 5}, {2, 0}, false, {0, 0, 10, 0}},
        {"parallel", {0, 3, 10, 3}, {2, 0}, false, {0, 0, 10, 0}},
    };
    for (const auto& c : cases) {
        CDataCollection drawing;
        CData* cutting = AddLine(drawing, c.cutting);
        CData* trimmed = AddLine(drawing, {0, 0, 10, 0});
        EditResult r;
        ASSERT_EQ(TrimElement(*cutting, *trimmed, drawing, c.click, r), PairEdit::Done) << c.what;
        EXPECT_EQ(r.changed, c.changed) << c.what;
        EXPECT_EQ(r.created, nullptr) << c.what;
        EXPECT_EQ(drawing.GetCount(), 2u) << c.what;
        ExpectLine(*trimmed, c.left, c.what);
    }
}

TEST(TrimEdits, LineBetweenTwoEllipseCrossingsSplitsInsideItsGroup) {
    const struct {
        const char* what;
        Arc circle;
        PointF click;
        Seg left;
        bool split;
    } cases[] = {
        {"middle clicked", {5, 0, 2, 0, 360}, {5, 0.5f}, {0, 0, 3, 0}, true},
        {"start piece clicked", {5, 0, 2, 0, 360}, {1, 0}, {3, 0, 10, 0}, false},
        {"end piece clicked", {5, 0, 2, 0, 360}, {9, 0}, {0, 0, 7, 0}, false},
        // The second crossing falls on the line's end: the line is shortened, nothing split off.
        {"cut at the end", {7, 0, 3, 0, 360}, {8, 0}, {0, 0, 4, 0}, false},
    };
    for (const auto& c : cases) {
        CDataCollection drawing;
        CData* circle = AddArc(drawing, c.circle);
        CData* groupNode = drawing.Add(std::make_unique<CData>(kNodeGroup));
        auto line = std::make_unique<CData>(kNodeLine);
        line->CreateLine(0, 0, 10, 0, 3, 0.5f, 0x00FF00, 7);
        groupNode->AddChild(std::move(line));
        CData* trimmed = groupNode->GetChildren()->GetAt(0);

        EditResult r;
        ASSERT_EQ(TrimElement(*circle, *trimmed, drawing, c.click, r), PairEdit::Done);
        EXPECT_TRUE(r.changed) << c.what;
        ExpectLine(*trimmed, c.left, c.what);
        EXPECT_EQ(drawing.GetCount(), 2u) << c.what;  // nothing lands on the top level
        ASSERT_EQ(r.created != nullptr, c.split) << c.what;
        if (!c.split) {
            continue;
        }
        ASSERT_EQ(groupNode->GetChildren()->GetCount(), 2u);
        const CData* piece = groupNode->GetChildren()->GetAt(1);
        EXPECT_EQ(piece, r.created);
        EXPECT_EQ(piece->GetParent(), groupNode);
        ExpectLine(*piece, {7, 0, 10, 0}, "new piece");
        // The piece keeps the trimmed line's type, style, width, colour and level.
        EXPECT_EQ(std::tuple(piece->GetType(), piece->GetStyle(), piece->GetWidth(),
                             piece->GetColor(), piece->GetLevel()),
                  std::tuple(kNodeLine, 3, 0.5f, 0x00FF00u, 7));
    }
}

TEST(TrimEdits, ArcsCutByLinesAndEllipses) {
    // Crossings with a circle are found on 5-degree chords, so those compare within half a degree.
    const struct {
        const char* what;
        Arc trimmed;
        bool cutByLine;
        Seg line;  // the cutting line, or the cutting circle as cx cy r
        double clickAngle, start, end;
        std::vector<double> piece;  // the split-off arc's limits, if any
    } cases[] = {
        // A full circle cut at 90 and 270 keeps the half that was not clicked.
        {"full circle, right clicked", {0, 0, 10, 0, 360}, true, {0, -1, 0, 1}, 0, 90, 270, {}},
        // Only the crossing at 90 lies on the upper half.
        {"arc, start piece clicked", {0, 0, 10, 0, 180}, true, {0, -1, 0, 1}, 20, 90, 180, {}},
        {"arc, end piece clicked", {0, 0, 10, 0, 180}, true, {0, -1, 0, 1}, 160, 0, 90, {}},
        // y = 5 crosses the upper half at 30 and 150: the top is cut out, two arcs remain.
        {"arc split", {0, 0, 10, 0, 180}, true, {-1, 5, 1, 5}, 90, 0, 30, {150, 180}},
        // Circle of 10 about (10, 0): crossings at 60 and 300.
        {"circle by circle, left", {0, 0, 10, 0, 360}, false, {10, 0, 10, 0}, 180, 300, 60, {}},
        {"arc by circle", {0, 0, 10, 20, 340}, false, {10, 0, 10, 0}, 180, 20, 60, {300, 340}},
    };
    for (const auto& c : cases) {
        CDataCollection drawing;
        CData* cutting = AddLineOrArc(drawing, c.cutByLine, c.line);
        CData* trimmed = AddArc(drawing, c.trimmed);
        const double tol = c.cutByLine ? 1e-3 : 0.5;
        EditResult r;
        ASSERT_EQ(TrimElement(*cutting, *trimmed, drawing, OnCircle(10, c.clickAngle), r),
                  PairEdit::Done);
        EXPECT_TRUE(r.changed) << c.what;
        ExpectArc(*trimmed, c.start, c.end, tol, c.what);
        ASSERT_EQ(r.created != nullptr, !c.piece.empty()) << c.what;
        if (!c.piece.empty()) {
            EXPECT_EQ(drawing.GetAt(2), r.created) << c.what;
            EXPECT_EQ(r.created->GetParent(), nullptr) << c.what;
            EXPECT_EQ(r.created->GetAxisA(), 10.0) << c.what;
            ExpectArc(*r.created, c.piece[0], c.piece[1], tol, c.what);
        }
    }
}

TEST(TrimEdits, PairsOtherThanLinesAndEllipsesAreRefused) {
    CDataCollection drawing;
    CData* line = AddLine(drawing, {0, 0, 10, 0});
    auto point = std::make_unique<CData>(kNodePoint);
    point->CreateCircle(5, 0, 1, 0, 0.25f, 0, 0, 0, 0, 1);
    CData* circle = drawing.Add(std::move(point));
    EditResult r;
    EXPECT_EQ(TrimElement(*circle, *line, drawing, {2, 0}, r), PairEdit::NotLinesOrEllipses);
    EXPECT_EQ(ExtendElement(*line, *circle, {2, 0}, r), PairEdit::NotLinesOrEllipses);
    EXPECT_FALSE(r.Any());
    ExpectLine(*line, {0, 0, 10, 0}, "untouched");
}

TEST(ExtendEdits, LinesGrowAtTheClickedEndOnly) {
    const struct {
        const char* what;
        Seg boundary;
        bool boundaryIsCircle;  // then cx cy r
        PointF click;
        Seg result;
    } cases[] = {
        {"boundary beyond the end", {10, -1, 10, 1}, false, {3, 0}, {0, 0, 10, 0}},
        {"click in the wrong half", {10, -1, 10, 1}, false, {1, 0}, {0, 0, 4, 0}},
        {"boundary behind the start", {-5, -1, -5, 1}, false, {1, 0}, {-5, 0, 4, 0}},
        {"boundary already crossing", {2, -1, 2, 1}, false, {3, 0}, {0, 0, 4, 0}},
        {"parallel boundary", {0, 2, 4, 2}, false, {3, 0}, {0, 0, 4, 0}},
        // The circle about (10, 0) of 3 is crossed at 7 and 13: the nearer one is taken, even
        // where only the other half of the circle (270 ... 90) exists: the boundary counts whole.
        {"circle ahead", {10, 0, 3, 0}, true, {3, 0}, {0, 0, 7, 0}},
        {"circle behind the start", {-10, 0, 3, 0}, true, {1, 0}, {-7, 0, 4, 0}},
    };
    for (const auto& c : cases) {
        CDataCollection drawing;
        CData* boundary = AddLineOrArc(drawing, !c.boundaryIsCircle, c.boundary, 270, 90);
        CData* line = AddLine(drawing, {0, 0, 4, 0});
        EditResult r;
        ASSERT_EQ(ExtendElement(*boundary, *line, c.click, r), PairEdit::Done);
        ExpectLine(*line, c.result, c.what);
        EXPECT_EQ(r.changed, (c.result != Seg{0, 0, 4, 0})) << c.what;
        EXPECT_EQ(r.created, nullptr) << c.what;
    }
}

TEST(ExtendEdits, ArcsGrowTowardsTheClickedEnd) {
    const struct {
        const char* what;
        Arc arc;
        bool byLine;
        Seg boundary;  // line, or circle as cx cy r
        double clickAngle, start, end;
        bool changed;
        double tol;
    } cases[] = {
        // x = 0 crosses the circle at 90 and 270.
        {"end towards 90", {0, 0, 10, 0, 45}, true, {0, -1, 0, 1}, 40, 0, 90, true, 1e-3},
        {"start back to 270", {0, 0, 10, 0, 45}, true, {0, -1, 0, 1}, 5, 270, 45, true, 1e-3},
        // y = 5 crosses the upper half at 30 and 150, both on the arc already.
        {"arc already cut", {0, 0, 10, 0, 180}, true, {-1, 5, 1, 5}, 170, 0, 180, false, 1e-3},
        // The circle about (10, 0) crosses at 60 and 300.
        {"end to a circle", {0, 0, 10, 0, 30}, false, {10, 0, 10, 0}, 25, 0, 60, true, 0.5},
        {"start to a circle", {0, 0, 10, 0, 30}, false, {10, 0, 10, 0}, 2, 300, 30, true, 0.5},
        {"arc already crossed", {0, 0, 10, 50, 310}, false, {10, 0, 10, 0}, 300, 50, 310, false, 0},
    };
    for (const auto& c : cases) {
        CDataCollection drawing;
        CData* boundary = AddLineOrArc(drawing, c.byLine, c.boundary);
        CData* arc = AddArc(drawing, c.arc);
        EditResult r;
        ASSERT_EQ(ExtendElement(*boundary, *arc, OnCircle(10, c.clickAngle), r), PairEdit::Done);
        EXPECT_EQ(r.changed, c.changed) << c.what;
        ExpectArc(*arc, c.start, c.end, c.tol, c.what);
    }
}

TEST(ExtendEdits, UsableFlagsStayWithTheirPointsWhileSorting) {
    // Targets in an order unlike their angles: 300 usable, 60 not (it lies on the arc's ellipse
    // inside some other span), 200 usable, 60 repeated and not usable.
    const std::array<ExtendTarget, 4> targets{{{OnCircle(10, 300), true},
                                               {OnCircle(10, 60), false},
                                               {OnCircle(10, 200), true},
                                               {OnCircle(10, 60), false}}};
    const struct {
        const char* what;
        double clickAngle, start, end;
    } cases[] = {
        {"end goes to the smallest usable angle", 25, 0, 200},
        {"start goes to the largest usable angle", 3, 300, 30},
    };
    for (const auto& c : cases) {
        CDataCollection drawing;
        CData* arc = AddArc(drawing, {0, 0, 10, 0, 30});
        const EditResult r = ExtendArc4(*arc, targets, OnCircle(10, c.clickAngle));
        EXPECT_TRUE(r.changed) << c.what;
        ExpectArc(*arc, c.start, c.end, 1e-3, c.what);
    }
}

TEST(BreakEdits, LinesLoseThePieceBetweenTheBreakPoints) {
    const struct {
        const char* what;
        PointF click1, click2;
        Seg left;
        bool split;
        Seg piece;
    } cases[] = {
        {"inside, in order", {3, 0.5f}, {6, -0.5f}, {0, 0, 3, 0}, true, {6, 0, 10, 0}},
        {"inside, reversed", {6, 0}, {3, 0}, {0, 0, 3, 0}, true, {6, 0, 10, 0}},
        {"first at the start", {0, 0}, {4, 0}, {4, 0, 10, 0}, false, {}},
        {"first at the end", {10, 0}, {4, 0}, {0, 0, 4, 0}, false, {}},
        {"both at the ends", {0, 0}, {10, 0}, {0, 0, 10, 0}, false, {}},
    };
    for (const auto& c : cases) {
        CDataCollection drawing;
        CData* line = AddLine(drawing, {0, 0, 10, 0});
        PointF b1;
        PointF b2;
        int code1 = 0;
        int code2 = 0;
        ASSERT_TRUE(LineBreakPoint(*line, c.click1, b1, code1)) << c.what;
        ASSERT_TRUE(LineBreakPoint(*line, c.click2, b2, code2)) << c.what;
        const EditResult r = BreakLine(*line, drawing, b1, code1, b2, code2);
        ExpectLine(*line, c.left, c.what);
        ASSERT_EQ(r.created != nullptr, c.split) << c.what;
        EXPECT_EQ(drawing.GetCount(), c.split ? 2u : 1u) << c.what;
        if (c.split) {
            ExpectLine(*r.created, c.piece, c.what);
        }
    }
    // Clicks whose foot lies beyond the line pick no break point.
    CDataCollection drawing;
    CData* line = AddLine(drawing, {0, 0, 10, 0});
    PointF b;
    int code = 0;
    EXPECT_FALSE(LineBreakPoint(*line, {12, 1}, b, code));
    EXPECT_FALSE(LineBreakPoint(*line, {-0.5f, 0}, b, code));
}

TEST(BreakEdits, ArcsAndFullEllipses) {
    const struct {
        const char* what;
        Arc arc;
        double angle1, angle2, start, end;
        bool split;
        double pieceStart, pieceEnd;
    } cases[] = {
        {"full ellipse becomes one arc", {0, 0, 10, 0, 360}, 100, 30, 100, 30, false, 0, 0},
        {"arc split", {0, 0, 10, 0, 180}, 60, 30, 0, 30, true, 60, 180},
        {"break from the start", {0, 0, 10, 0, 180}, 0, 45, 45, 180, false, 0, 0},
        {"break to the end", {0, 0, 10, 0, 180}, 180, 150, 0, 150, false, 0, 0},
        // An arc across 0 degrees: the break angles count from its start.
        {"arc across zero", {0, 0, 10, 300, 60}, 20, 330, 300, 330, true, 20, 60},
    };
    for (const auto& c : cases) {
        CDataCollection drawing;
        CData* arc = AddArc(drawing, c.arc);
        double a1 = 0.0;
        double a2 = 0.0;
        ASSERT_TRUE(ArcBreakAngle(*arc, OnCircle(10, c.angle1), a1)) << c.what;
        ASSERT_TRUE(ArcBreakAngle(*arc, OnCircle(10, c.angle2), a2)) << c.what;
        const EditResult r = BreakArc(*arc, drawing, a1, a2);
        EXPECT_TRUE(r.changed) << c.what;
        ExpectArc(*arc, c.start, c.end, 1e-3, c.what);
        ASSERT_EQ(r.created != nullptr, c.split) << c.what;
        if (c.split) {
            ExpectArc(*r.created, c.pieceStart, c.pieceEnd, 1e-3, c.what);
        }
    }
    // A click off the arc picks no break point; on a full ellipse every angle is taken.
    CDataCollection drawing;
    double angle = 0.0;
    EXPECT_FALSE(ArcBreakAngle(*AddArc(drawing, {0, 0, 10, 0, 180}), OnCircle(10, 270), angle));
    EXPECT_TRUE(ArcBreakAngle(*AddArc(drawing, {0, 0, 10, 90, 450}), OnCircle(10, 45), angle));
    EXPECT_NEAR(angle, 45.0, 1e-3);
    const PointF p = ArcBreakPoint(*drawing.GetAt(0), 90.0);
    EXPECT_NEAR(p.x, 0.0, 1e-4);
    EXPECT_NEAR(p.y, 10.0, 1e-4);
}

TEST(JoinEdits, TwoLinesMeetInACorner) {
    const struct {
        const char* what;
        Seg a, b;
        PointF clickA, clickB;
        Seg resultA, resultB;
    } cases[] = {
        // clang-format off
        {"crossing lines", {0, 0, 10, 0}, {5, -5, 5, 5}, {2, 0}, {5, 3}, {0, 0, 5, 0}, {5, 0, 5, 5}},
        {"other sides kept", {0, 0, 10, 0}, {5, -5, 5, 5}, {8, 0}, {5, -3}, {5, 0, 10, 0}, {5, -5, 5, 0}},
        {"short of each other", {0, 0, 4, 0}, {6, 2, 6, 8}, {3, 0}, {6, 3}, {0, 0, 6, 0}, {6, 0, 6, 8}},
        {"onto an extension", {0, 0, 10, 0}, {5, 2, 5, 8}, {1, 0}, {5, 3}, {0, 0, 5, 0}, {5, 0, 5, 8}},
        {"parallel", {0, 0, 10, 0}, {0, 2, 10, 2}, {1, 0}, {9, 2}, {0, 0, 10, 0}, {0, 2, 10, 2}},
        // Meeting exactly at an end counts as outside, and nothing lies beyond that end.
        {"at an end", {0, 0, 10, 0}, {10, 0, 10, 5}, {9, 0}, {10, 1}, {0, 0, 10, 0}, {10, 0, 10, 5}},
        // clang-format on
    };
    for (const auto& c : cases) {
        CDataCollection drawing;
        CData* a = AddLine(drawing, c.a);
        CData* b = AddLine(drawing, c.b);
        const JoinResult r = JoinLines(*a, c.clickA, *b, c.clickB, drawing);
        ExpectLine(*a, c.resultA, c.what);
        ExpectLine(*b, c.resultB, c.what);
        EXPECT_EQ(r.first.changed, c.resultA != c.a) << c.what;
        EXPECT_EQ(r.second.changed, c.resultB != c.b) << c.what;
        EXPECT_EQ(drawing.GetCount(), 2u) << c.what;
    }
}

TEST(PickCandidates, OnlyLinesAndEllipsesAtAnyDepthAndNeverFullCircles) {
    auto paper = MakePaper(4);
    CDataCollection& drawing = *paper->GetCollection();
    auto point = std::make_unique<CData>(kNodePoint);
    point->CreateCircle(30, 11, 1, 0, 0.25f, 0, 0, 0, 0, 1);
    CData* circle = drawing.Add(std::move(point));
    CData* arc = AddArc(drawing, {30, 40, 5, 0, 180});
    CData* groupNode = drawing.Add(std::make_unique<CData>(kNodeGroup));
    groupNode->AddChild(std::make_unique<CData>(kNodeLine));
    CData* line = groupNode->GetChildren()->GetAt(0);
    line->CreateLine(10, 10, 50, 10, 0, 0.25f, 0, 1);

    const std::vector<CData*> candidates = CollectPickCandidates(drawing, false);
    EXPECT_THAT(candidates, ElementsAre(line, arc));
    EXPECT_THAT(CollectPickCandidates(drawing, true), ElementsAre(line));

    // 4 pixels per unit: the 10-pixel reach is 2.5 units. The circle lies nearer but is no
    // candidate, whatever list it is offered in.
    const std::vector<CData*> all{circle, line, arc};
    const struct {
        const char* what;
        PointF at;
        const CData* excluded;
        const CData* picked;
    } cases[] = {
        {"within reach", {30, 12}, nullptr, line},
        {"out of reach", {30, 13}, nullptr, nullptr},
        {"excluded", {30, 12}, line, nullptr},
        {"arc top", {30, 46}, nullptr, arc},
        {"beyond the line's end", {52, 10}, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PickCandidate(*paper, candidates, paper->WorldToDevice(c.at), c.excluded),
                  c.picked)
            << c.what;
    }
    // Nodes deleted from the drawing drop out of a kept list.
    EXPECT_THAT(LiveCandidates(drawing, all), ElementsAre(circle, line, arc));
    groupNode->GetChildren()->Remove(line);
    EXPECT_THAT(LiveCandidates(drawing, all), ElementsAre(circle, arc));
    EXPECT_FALSE(IsInDrawing(drawing, line));
    EXPECT_TRUE(IsInDrawing(drawing, arc));
}

}  // namespace
}  // namespace korvo::test
