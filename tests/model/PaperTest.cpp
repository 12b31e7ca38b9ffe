#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/CoreClasses.h"
#include "model/DataCollection.h"
#include "model/Paper.h"
#include "platform/Archive.h"
#include "support/PaperFixture.h"
#include "support/RecordingDrawContext.h"

namespace korvo {
namespace {

TEST(Paper, ScreenMapping) {
    CPaper paper;
    paper.SetClientRect({0, 0, 630, 360});
    EXPECT_DOUBLE_EQ(paper.GetScale(), 1.0);
    EXPECT_EQ(paper.WorldToDevice({0, 0}), (DevicePoint{5, 355}));
    EXPECT_EQ(paper.WorldToDevice({620, 350}), (DevicePoint{625, 5}));
    EXPECT_EQ(paper.DeviceRectToWorld({5, 5, 625, 355}), (RectF{0, 0, 620, 350}));
    // A height of -565.7 pixels truncates to -565 (not -566): the drawing must not sit low.
    paper.SetWindowOrigin(-5, -5);
    paper.SetWindowSize(630, 360);
    paper.SetClientRect({0, 0, 1000, 701});
    EXPECT_EQ(paper.WorldToDevice({100, -100}), (DevicePoint{170, 782}));
    // Round trip of device points through drawing units at several zooms.
    for (const int width : {630, 1250, 1920, 333}) {
        paper.SetClientRect({0, 0, width, width * 9 / 16});
        for (const DevicePoint p : {DevicePoint{0, 0}, DevicePoint{17, 200}, DevicePoint{301, 9}}) {
            EXPECT_EQ(paper.WorldToDevice(paper.DeviceToWorld(p)), p) << width;
        }
    }
    // Far away drawing points clamp instead of overflowing.
    const DevicePoint far = paper.WorldToDevice({3.0e38f, -3.0e38f});
    EXPECT_GT(far.x, 0);
    EXPECT_GT(far.y, 0);
}

TEST(Paper, CullingTouchingCountsAsVisible) {
    CPaper paper;
    paper.SetClientRect({0, 0, 630, 360});
    const RectF window = paper.GetVisibleWindow();
    EXPECT_FALSE(paper.IsOutside({window.maxX, 0, window.maxX + 5, 1}));
    EXPECT_TRUE(paper.IsOutside({window.maxX + 0.01f, 0, window.maxX + 5, 1}));
    EXPECT_TRUE(paper.IsOutside({0, window.minY - 2, 1, window.minY - 1}));
}

TEST(Paper, PenTableFindsAgainAndReplacesWhite) {
    CPaper paper;
    const int before = paper.PenCount();
    const int a = paper.FindPen(1, 500, 0x123456);
    EXPECT_EQ(paper.FindPen(1, 500, 0x123456), a);
    EXPECT_NE(paper.FindPen(1, 250, 0x123456), a);  // width is part of the key
    EXPECT_EQ(paper.PenCount(), before + 2);
    EXPECT_FALSE(paper.PenAt(a).geometric);
    EXPECT_EQ(paper.PenAt(a).style, PenStyle::Dash);
    // White means the background; the background pen already is that pen.
    EXPECT_EQ(paper.PenAt(paper.FindPen(0, 250, 0xFFFFFF)), paper.BackgroundPen());
}

TEST(Paper, PrinterMapping) {
    CPaper paper;
    paper.SetupPrinter(6200, 7000);
    EXPECT_TRUE(paper.IsPrintMode());
    EXPECT_DOUBLE_EQ(paper.GetPrintScale(), 10.0);
    EXPECT_EQ(paper.WorldToDevice({0, 0}), (DevicePoint{0, 5250}));
    EXPECT_EQ(paper.LengthToDevice(2.5), 25);
    paper.SetClientRect({0, 0, 630, 360});
    EXPECT_FALSE(paper.IsPrintMode());
}

std::unique_ptr<CData> LineNode(const std::array<float, 4>& l) {
    auto node = std::make_unique<CData>(kNodeLine);
    node->CreateLine(l[0], l[1], l[2], l[3], 0, 0.25f, 0, 1);
    return node;
}

// A sheet at one pixel per unit holding the given lines, in order.
std::unique_ptr<CPaper> SheetWith(std::initializer_list<std::array<float, 4>> lines) {
    auto paper = test::MakePaper();
    for (const auto& l : lines) {
        paper->AddNode(LineNode(l));
    }
    return paper;
}

TEST(PaperPick, TiesAndTheToleranceEdge) {
    // Two lines 5 units either side of the cursor: the first in order wins the tie.
    auto paper = SheetWith({{0, 5, 100, 5}, {0, 15, 100, 15}});
    const DevicePoint cursor = paper->WorldToDevice({50, 10});
    EXPECT_EQ(paper->PickElement(cursor, 0), paper->GetCollection()->GetAt(0));
    EXPECT_EQ(paper->PickElement(cursor, kNodePoint), nullptr);  // wrong type
    // At exactly the tolerance (14 pixels = 14 units here) a line is not picked; just inside it is.
    auto edge = SheetWith({{0, 0, 100, 0}});
    EXPECT_EQ(edge->PickElement(edge->WorldToDevice({50, 14}), 0), nullptr);
    EXPECT_NE(edge->PickElement(edge->WorldToDevice({50, 13}), 0), nullptr);
    // Invisible and floating nodes are never picked.
    edge->GetCollection()->GetAt(0)->SetLevel(1000);
    EXPECT_EQ(edge->PickElement(edge->WorldToDevice({50, 1}), 0), nullptr);
}

TEST(PaperSnap, GridAndPoints) {
    auto paper = test::MakePaper(10);
    paper->SetGrid(2.5f, 0.0f);
    const struct {
        float x;
        float expected;
    } grid[] = {// A half is added and the result truncated towards zero, not rounded down.
                {3.7f, 2.5f},
                {3.8f, 5.0f},
                {-2.0f, 0.0f},
                {-4.0f, -2.5f}};
    for (const auto& g : grid) {
        const PointF snapped = paper->SnapToGrid(paper->WorldToDevice({g.x, 7.33f}));
        EXPECT_FLOAT_EQ(snapped.x, g.expected) << g.x;
        EXPECT_NEAR(snapped.y, 7.33f, 0.1f);  // grid 0 leaves y alone
    }

    auto sheet = SheetWith({{0, 0, 40, 40}, {0, 40, 40, 0}});
    struct Case {
        int mode;
        PointF cursor;
        int kind;
        PointF point;
    };
    const Case cases[] = {
        {kSnapEndPoint, {3, 1}, kSnapEndPoint, {0, 0}},
        {kSnapEndPoint, {10, 0}, 0, {10, 0}},  // the end is 10 units away: too far
        {kSnapMidPoint, {22, 21}, kSnapMidPoint, {20, 20}},
        {kSnapIntersection, {21, 17}, kSnapIntersection, {20, 20}},
        {kSnapEndPoint | kSnapIntersection, {2, 38}, kSnapEndPoint, {0, 40}},
        {0, {3, 1}, 0, {-1, -1}},
    };
    for (const Case& c : cases) {
        PointF out{-1, -1};
        EXPECT_EQ(sheet->SnapToPoints(c.mode, sheet->WorldToDevice(c.cursor), out), c.kind)
            << c.mode << " " << c.cursor.x;
        EXPECT_NEAR(out.x, c.point.x, 1e-3);
        EXPECT_NEAR(out.y, c.point.y, 1e-3);
    }
}

// Of two end points equally near the first in list order wins, whatever their positions. A node a
// tool carries under the cursor (floating) is never a candidate, nor anything inside it: its
// points follow the cursor and it would snap to itself.
TEST(PaperSnap, TiesGoToTheFirstAndCarriedNodesAreSkipped) {
    struct Case {
        const char* what;
        std::vector<std::array<float, 4>> lines;
        int floating;  // index of the line a tool carries, -1 for none
        bool carriedInGroup;
        int kind;
        PointF point;
    };
    const Case cases[] = {
        {"tie, left first", {{-20, 0, 0, 0}, {10, 0, 30, 0}}, -1, false, kSnapEndPoint, {0, 0}},
        {"tie, right first", {{10, 0, 30, 0}, {-20, 0, 0, 0}}, -1, false, kSnapEndPoint, {10, 0}},
        {"carried nearest", {{5, 1, 40, 40}, {10, 0, 30, 0}}, 0, false, kSnapEndPoint, {10, 0}},
        {"carried in a group", {{5, 1, 40, 40}, {10, 0, 30, 0}}, 0, true, kSnapEndPoint, {10, 0}},
        {"only the carried one", {{5, 1, 40, 40}}, 0, false, 0, {5, 0}},
    };
    for (const Case& c : cases) {
        auto paper = test::MakePaper();
        for (std::size_t i = 0; i < c.lines.size(); ++i) {
            auto node = LineNode(c.lines[i]);
            if (static_cast<int>(i) == c.floating && c.carriedInGroup) {
                auto group = std::make_unique<CData>(kNodeGroup);
                group->AddChild(std::move(node));
                node = std::move(group);
            }
            node->SetFloating(static_cast<int>(i) == c.floating);
            paper->AddNode(std::move(node));
        }
        PointF out;
        EXPECT_EQ(
            paper->SnapToPoints(kSnapEndPoint | kSnapMidPoint, paper->WorldToDevice({5, 0}), out),
            c.kind)
            << c.what;
        EXPECT_EQ(out, c.point) << c.what;
    }
}

TEST(PaperSnap, CurvesOfferCentresAndCrossings) {
    auto paper = SheetWith({{0, 50, 100, 50}});
    auto circle = std::make_unique<CData>(kNodeEllipse);
    circle->CreateEllipse(50, 50, 20, 20, 0, 360, 0, 0, 0.25f, 0, 1);
    paper->AddNode(std::move(circle));
    PointF out;
    EXPECT_EQ(paper->SnapToPoints(kSnapCentre, paper->WorldToDevice({55, 55}), out), kSnapCentre);
    EXPECT_EQ(out, (PointF{50, 50}));
    EXPECT_EQ(paper->SnapToPoints(kSnapIntersection, paper->WorldToDevice({68, 52}), out),
              kSnapIntersection);
    EXPECT_NEAR(out.x, 70.0, 0.1);  // on a 5-degree chord of the circle
    EXPECT_NEAR(out.y, 50.0, 1e-4);
}

// Every cell of the character table labels its code and shows its own character: blue when the
// character survives the trip into a text's code page and back, red when it does not.
TEST(PaperTable, EveryCellShowsItsOwnCharacterInItsColour) {
    auto paper = test::MakePaper();
    test::RecordingDrawContext dc;
    paper->PaintBackground(dc);
    const std::vector<test::RecordingDrawContext::Call> texts = dc.CallsOf("text");
    ASSERT_EQ(texts.size(), 2u * (255 - 32));
    for (int code = 33; code <= 255; ++code) {
        SCOPED_TRACE(code);
        const auto& number = texts[2 * (code - 33)];
        const auto& character = texts[2 * (code - 33) + 1];
        EXPECT_EQ(number.text, std::to_string(code + 1000).substr(1));
        EXPECT_EQ(character.text, std::string(1, static_cast<char>(code)));
        // Of Windows-1252's characters only those between 0x80 and 0x9F, bar the florin sign,
        // have no counterpart in CP850.
        const bool lost = code >= 0x80 && code <= 0x9F && code != 0x83;
        EXPECT_EQ(character.color, lost ? 0x0000FFu : 0xFF0000u);
        EXPECT_EQ(character.font.face, "Arial");
        // Both labels hang in their own cell: 16 codes a row, 32 ... 47 at the top.
        const float left = 220.0f + static_cast<float>(code % 16) * 25.0f;
        const float top = 350.0f - static_cast<float>(code / 16 - 2) * 25.0f;
        const DeviceRect cell = paper->WorldRectToDevice({left, top - 25.0f, left + 25.0f, top});
        for (const auto* label : {&number, &character}) {
            const DevicePoint at = label->points[0];
            EXPECT_TRUE(at.x >= cell.left && at.x < cell.right && at.y >= cell.top &&
                        at.y < cell.bottom)
                << label->text << " at " << at.x << "," << at.y;
        }
    }
}

TEST(PaperArchive, LoadDropsTransientNodesAndMarks) {
    CPaper paper;
    for (const std::int32_t type : {21109, 21110, 21115, 21120, 21121}) {
        auto node = std::make_unique<CData>(type);
        node->CreateLine(0, 0, 1, 1, 0, 0.25f, 0, 1);
        node->SetMark(kMarkSelected);
        paper.AddNode(std::move(node));
    }
    auto group = std::make_unique<CData>(kNodeGroup);
    group->AddChild(std::make_unique<CData>(21112));
    paper.AddNode(std::move(group));
    paper.AddNode(std::make_unique<CData>(kNodeLine))->SetFloating(true);
    paper.SetWindowOrigin(-50, -50);

    CArchive out;
    out.WriteObject(&paper);
    // Show grid, then the twelve drawing values: 40 bytes before the collection.
    const std::size_t framing = 6 + std::string("CPaper").size();
    EXPECT_EQ(out.Bytes()[framing + 40], 0xFF);  // the collection's new-class tag
    CArchive in(out.Bytes(), CoreClasses());
    auto loaded = in.ReadObjectOf<CPaper>();
    ASSERT_FALSE(in.IsFailed()) << in.Error();
    std::vector<std::int32_t> types;
    for (const auto& node : *loaded->GetCollection()) {
        types.push_back(node->GetType());
        EXPECT_EQ(node->GetMark(), kMarkNormal);
    }
    EXPECT_EQ(types, (std::vector<std::int32_t>{21109, 21121, kNodeGroup}));
    EXPECT_TRUE(loaded->GetCollection()->GetAt(2)->GetChildren()->IsEmpty());
    EXPECT_EQ(loaded->GetWindowOrigin(), (PointF{0, 0}));
}

}  // namespace
}  // namespace korvo
