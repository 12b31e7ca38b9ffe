// The transform edits on a sheet without a view: which nodes they take, where the points go
// (checked against the plain formulas of each transform), copies and their marks.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "edit/TransformEdits.h"
#include "model/Data.h"
#include "model/DataCollection.h"
#include "support/PaperFixture.h"

namespace korvo::test {
namespace {

std::unique_ptr<CData> Line(float x1, float y1, float x2, float y2, std::uint16_t mark = 0) {
    auto node = std::make_unique<CData>(kNodeLine);
    node->CreateLine(x1, y1, x2, y2, 0, 0.25f, 0, 1);
    node->SetMark(mark);
    return node;
}

std::unique_ptr<CData> Group(std::vector<std::unique_ptr<CData>> children, std::uint16_t mark = 0) {
    auto group = std::make_unique<CData>(kNodeGroup);
    for (auto& child : children) {
        group->AddChild(std::move(child));
    }
    if (mark != kMarkNormal) {
        group->SetMark(mark);  // marks the members too; an unselected group leaves theirs
    }
    return group;
}

template <class... Nodes>
std::vector<std::unique_ptr<CData>> List(Nodes... nodes) {
    std::vector<std::unique_ptr<CData>> list;
    (list.push_back(std::move(nodes)), ...);
    return list;
}

// Every line of the drawing with its end points and whether the edits must take it.
struct LineState {
    const CData* node;
    PointD p1;
    PointD p2;
    bool taken;
};

void CollectLines(const CDataCollection& nodes, bool insideSelected, std::vector<LineState>& out) {
    for (const CData* node : nodes) {
        const bool taken = !node->IsFloating() && (insideSelected || node->GetMark() != 0);
        if (node->GetType() == kNodeLine) {
            out.push_back(
                {node, {node->GetX1(), node->GetY1()}, {node->GetX2(), node->GetY2()}, taken});
        }
        if (node->GetChildren() != nullptr) {
            CollectLines(*node->GetChildren(), taken, out);
        }
    }
}

std::vector<LineState> Lines(CPaper& paper) {
    std::vector<LineState> lines;
    CollectLines(*paper.GetCollection(), false, lines);
    return lines;
}

// A selected line, an unselected one, an unselected group with one selected member, a selected
// group with a nested group, and a selected line that a tool is still placing.
void FillDrawing(CPaper& paper) {
    paper.AddNode(Line(10, 20, 40, 25, kMarkSelected));
    paper.AddNode(Line(5, 5, 6, 90));
    paper.AddNode(Group(List(Line(60, 10, 70, 30, kMarkSelected), Line(80, 80, 90, 85))));
    paper.AddNode(
        Group(List(Line(100, 50, 120, 50), Group(List(Line(130, 60, 130, 70)))), kMarkSelected));
    auto placing = Line(150, 150, 160, 150, kMarkSelected);
    placing->SetFloating(true);
    paper.AddNode(std::move(placing));
}

PointD Turn(PointD p, PointD c, double a) {
    const double dx = p.x - c.x;
    const double dy = p.y - c.y;
    return {c.x + dx * std::cos(a) - dy * std::sin(a), c.y + dx * std::sin(a) + dy * std::cos(a)};
}

// Reflection about the axis through `o` at angle `a`: the matrix of a mirror, not three steps.
PointD Reflect(PointD p, PointD o, double a) {
    const double c = std::cos(2 * a);
    const double s = std::sin(2 * a);
    const double dx = p.x - o.x;
    const double dy = p.y - o.y;
    return {o.x + c * dx + s * dy, o.y + s * dx - c * dy};
}

void ExpectNear(PointD actual, PointD expected) {
    EXPECT_NEAR(actual.x, expected.x, 2e-3);
    EXPECT_NEAR(actual.y, expected.y, 2e-3);
}

TEST(TransformEditsTest, EachSelectedLineMovesOnceAsItsFormulaSaysAndNothingElseMoves) {
    const GhostPose turnedTwice{2.0f, 2.0f, 90.0f};
    struct Case {
        const char* name;
        std::function<RectF(CPaper&)> edit;
        std::function<PointD(PointD)> image;
    };
    const Case cases[] = {
        {"move",
         [](CPaper& p) {
             return MoveSelected(p, {1, 2}, {11, -3}, GhostPose{});
         },
         [](PointD q) {
             return PointD{q.x + 10, q.y - 5};
         }},
        {"move with the ghost scaled and turned about the target",
         [&](CPaper& p) {
             return MoveSelected(p, {1, 2}, {11, -3}, turnedTwice);
         },
         [](PointD q) {
             const PointD scaled{11 + 2 * (q.x + 10 - 11), -3 + 2 * (q.y - 5 + 3)};
             return Turn(scaled, {11, -3}, kPi / 2);
         }},
        {"rotate",
         [](CPaper& p) {
             return RotateSelected(p, {50, 40}, 0.7);
         },
         [](PointD q) {
             return Turn(q, {50, 40}, 0.7);
         }},
        {"scale unevenly and negatively",
         [](CPaper& p) {
             return ScaleSelected(p, {20, 10}, 2.0, -0.5);
         },
         [](PointD q) {
             return PointD{20 + 2 * (q.x - 20), 10 - 0.5 * (q.y - 10)};
         }},
        {"scale by zero",
         [](CPaper& p) {
             return ScaleSelected(p, {20, 10}, 0.0, 1.0);
         },
         [](PointD q) {
             return PointD{20, q.y};
         }},
        {"mirror about a slanted axis",
         [](CPaper& p) {
             return MirrorSelected(p, {30, 20}, 0.3);
         },
         [](PointD q) {
             return Reflect(q, {30, 20}, 0.3);
         }},
        {"mirror about a vertical axis",
         [](CPaper& p) {
             return MirrorSelected(p, {30, 20}, kPi / 2);
         },
         [](PointD q) {
             return PointD{60 - q.x, q.y};
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto paper = MakePaper();
        FillDrawing(*paper);
        const std::vector<LineState> before = Lines(*paper);
        const RectF touched = c.edit(*paper);
        const std::vector<LineState> after = Lines(*paper);
        ASSERT_EQ(after.size(), before.size());
        int moved = 0;
        for (std::size_t i = 0; i < before.size(); ++i) {
            SCOPED_TRACE(i);
            const LineState& was = before[i];
            const PointD p1 = was.taken ? c.image(was.p1) : was.p1;
            const PointD p2 = was.taken ? c.image(was.p2) : was.p2;
            ExpectNear(after[i].p1, p1);
            ExpectNear(after[i].p2, p2);
            if (!was.taken) {
                continue;
            }
            ++moved;
            // What was redrawn covers where the line was and where it is now.
            for (const PointD q : {was.p1, was.p2, p1, p2}) {
                EXPECT_TRUE(q.x >= touched.minX - 1e-3 && q.x <= touched.maxX + 1e-3 &&
                            q.y >= touched.minY - 1e-3 && q.y <= touched.maxY + 1e-3)
                    << q.x << "," << q.y;
            }
        }
        EXPECT_EQ(moved, 4);
    }
}

TEST(TransformEditsTest, CopiesJoinTheSheetSelectedOrNotAndTheOriginalsStay) {
    const GhostPose pose{1.0f, 1.0f, 180.0f};
    struct Case {
        const char* name;
        std::function<RectF(CPaper&)> edit;
        std::function<PointD(PointD)> image;
        std::uint16_t copyMark;
        std::uint16_t originalMark;
    };
    const Case cases[] = {
        {"copy: the copies become the selection",
         [&](CPaper& p) {
             return CopySelected(p, {0, 0}, {100, 100}, pose);
         },
         [](PointD q) {
             return Turn({q.x + 100, q.y + 100}, {100, 100}, kPi);
         },
         kMarkSelected, kMarkNormal},
        {"rotated copies",
         [](CPaper& p) {
             return AddRotatedCopies(p, {50, 40}, -1.2);
         },
         [](PointD q) {
             return Turn(q, {50, 40}, -1.2);
         },
         kMarkNormal, kMarkSelected},
        {"mirrored copies",
         [](CPaper& p) {
             return AddMirroredCopies(p, {0, 30}, 0.0);
         },
         [](PointD q) {
             return PointD{q.x, 60 - q.y};
         },
         kMarkNormal, kMarkSelected},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto paper = MakePaper();
        paper->AddNode(Line(10, 20, 40, 25, kMarkSelected));
        paper->AddNode(Group(List(Line(60, 10, 70, 30, kMarkSelected), Line(80, 80, 90, 85))));
        CData* original = paper->GetCollection()->GetAt(0);
        CData* nested = paper->GetCollection()->GetAt(1)->GetChildren()->GetAt(0);

        EXPECT_TRUE(c.edit(*paper).IsValid());

        ExpectNear({original->GetX1(), original->GetY1()}, {10, 20});
        ExpectNear({nested->GetX2(), nested->GetY2()}, {70, 30});
        EXPECT_EQ(original->GetMark(), c.originalMark);
        EXPECT_EQ(nested->GetMark(), c.originalMark);
        // The group keeps its members; the copy of the nested line lands on the sheet itself.
        EXPECT_EQ(paper->GetCollection()->GetAt(1)->GetChildren()->GetCount(), 2u);
        ASSERT_EQ(paper->GetCollection()->GetCount(), 4u);
        const CData* copies[] = {paper->GetCollection()->GetAt(2),
                                 paper->GetCollection()->GetAt(3)};
        const PointD sources[][2] = {{{10, 20}, {40, 25}}, {{60, 10}, {70, 30}}};
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(copies[i]->GetMark(), c.copyMark);
            EXPECT_EQ(copies[i]->GetParent(), nullptr);
            ExpectNear({copies[i]->GetX1(), copies[i]->GetY1()}, c.image(sources[i][0]));
            ExpectNear({copies[i]->GetX2(), copies[i]->GetY2()}, c.image(sources[i][1]));
        }
    }
}

TEST(TransformEditsTest, MirroringTwiceGivesBackEveryKindOfElement) {
    auto paper = MakePaper();
    paper->AddNode(Line(10, 20, 40, 25, kMarkSelected));
    auto arc = std::make_unique<CData>(kNodeEllipse);
    arc->CreateEllipse(50, 50, 20, 20, 30, 150, 0, 0, 0.25f, 0, 1);
    arc->SetMark(kMarkSelected);
    paper->AddNode(std::move(arc));
    auto ellipse = std::make_unique<CData>(kNodeEllipse);
    ellipse->CreateEllipse(80, 40, 30, 10, 10, 250, 25, 0, 0.25f, 0, 1);
    ellipse->SetMark(kMarkSelected);
    paper->AddNode(std::move(ellipse));
    const auto values = [&] {
        std::vector<double> v;
        for (const CData* n : *paper->GetCollection()) {
            for (double x : {n->GetX1(), n->GetY1(), n->GetAxisA(), n->GetAxisB(),
                             n->GetStartAngle(), n->GetEndAngle()}) {
                v.push_back(x);
            }
        }
        return v;
    };
    const std::vector<double> before = values();
    for (const double axis : {0.0, 0.4, kPi / 2, 2.5}) {
        SCOPED_TRACE(axis);
        MirrorSelected(*paper, {33, 17}, axis);
        EXPECT_NE(values(), before);
        MirrorSelected(*paper, {33, 17}, axis);
        EXPECT_THAT(values(), testing::Pointwise(testing::DoubleNear(5e-3), before));
    }
}

TEST(TransformEditsTest, TheGhostCopiesAreUnselectedAndIndependent) {
    auto paper = MakePaper();
    FillDrawing(*paper);
    std::unique_ptr<CDataCollection> ghost = CloneSelected(*paper->GetCollection());
    ASSERT_NE(ghost, nullptr);
    // The selected line, the selected member of the group and the selected group; never the
    // floating line.
    ASSERT_EQ(ghost->GetCount(), 3u);
    EXPECT_EQ(ghost->CountMark(kMarkSelected), 0);
    ghost->MoveByAll(100, 100);
    EXPECT_EQ(paper->GetCollection()->GetAt(0)->GetX1(), 10.0);
    EXPECT_EQ(ghost->GetAt(0)->GetX1(), 110.0);
    EXPECT_FALSE(SelectedExtents(*MakePaper()).IsValid());
}

}  // namespace
}  // namespace korvo::test
