// The transform edits on a sheet without a view: which nodes they take, where the points go
// (checked against the plain formula of each transform), and where copies land with which marks.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "edit/TransformEdits.h"
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

// A group of two members; marking it marks them too, an unmarked group leaves theirs.
std::unique_ptr<CData> Group(std::unique_ptr<CData> a, std::unique_ptr<CData> b,
                             std::uint16_t mark = 0) {
    auto group = std::make_unique<CData>(kNodeGroup);
    group->AddChild(std::move(a));
    group->AddChild(std::move(b));
    if (mark != 0) {
        group->SetMark(mark);
    }
    return group;
}

// A selected line, an unselected one, an unselected group with one selected member, a selected
// group with a nested group, and a selected line that a tool is still placing (last).
void FillDrawing(CPaper& paper) {
    paper.AddNode(Line(10, 20, 40, 25, kMarkSelected));
    paper.AddNode(Line(5, 5, 6, 90));
    paper.AddNode(Group(Line(60, 10, 70, 30, kMarkSelected), Line(80, 80, 90, 85)));
    paper.AddNode(Group(Line(100, 50, 120, 50), Group(Line(130, 60, 130, 70), Line(1, 1, 2, 2)),
                        kMarkSelected));
    auto placing = Line(150, 150, 160, 150, kMarkSelected);
    placing->SetFloating(true);
    paper.AddNode(std::move(placing));
}

// Every line of the drawing in visiting order, and whether an edit must take it.
struct LineState {
    PointD p1, p2;
    int mark;
    bool taken;
};

void CollectLines(const CDataCollection& nodes, bool inTaken, std::vector<LineState>& out) {
    for (const CData* node : nodes) {
        const bool taken = !node->IsFloating() && (inTaken || node->GetMark() != 0);
        if (node->GetType() == kNodeLine) {
            out.push_back({{node->GetX1(), node->GetY1()},
                           {node->GetX2(), node->GetY2()},
                           node->GetMark(),
                           taken});
        } else if (node->GetChildren() != nullptr) {
            CollectLines(*node->GetChildren(), taken, out);
        }
    }
}

std::vector<LineState> Lines(const CPaper& paper) {
    std::vector<LineState> lines;
    CollectLines(*paper.GetCollection(), false, lines);
    return lines;
}

PointD Turn(PointD p, PointD c, double a) {
    const double dx = p.x - c.x;
    const double dy = p.y - c.y;
    return {c.x + dx * std::cos(a) - dy * std::sin(a), c.y + dx * std::sin(a) + dy * std::cos(a)};
}

// The matrix of a reflection about the axis through `o` at angle `a`, not three steps.
PointD Reflect(PointD p, PointD o, double a) {
    const double c = std::cos(2 * a);
    const double s = std::sin(2 * a);
    return {o.x + c * (p.x - o.x) + s * (p.y - o.y), o.y + s * (p.x - o.x) - c * (p.y - o.y)};
}

bool Near(PointD a, PointD b) {
    return std::abs(a.x - b.x) < 2e-3 && std::abs(a.y - b.y) < 2e-3;
}

bool Inside(PointD p, const RectF& r) {
    return p.x >= r.minX - 1e-3 && p.x <= r.maxX + 1e-3 && p.y >= r.minY - 1e-3 &&
           p.y <= r.maxY + 1e-3;
}

enum class Op { Move, Copy, Rotate, RotatedCopies, Scale, Mirror, MirroredCopies };

// One edit: `at` is the target, centre, base point or axis origin; p and q are the ghost's
// factor and angle (degrees), the turn or axis angle (radians), or the two scale factors.
struct Case {
    const char* name;
    Op op;
    PointF at;
    double p, q;

    RectF Apply(CPaper& paper) const {
        const GhostPose pose{static_cast<float>(p), static_cast<float>(p), static_cast<float>(q)};
        switch (op) {
            case Op::Move:
                return MoveSelected(paper, {1, 2}, at, pose);
            case Op::Copy:
                return CopySelected(paper, {1, 2}, at, pose);
            case Op::Rotate:
                return RotateSelected(paper, at, p);
            case Op::RotatedCopies:
                return AddRotatedCopies(paper, at, p);
            case Op::Scale:
                return ScaleSelected(paper, at, p, q);
            case Op::Mirror:
                return MirrorSelected(paper, at, p);
            case Op::MirroredCopies:
                return AddMirroredCopies(paper, at, p);
        }
        return {};
    }
    PointD Image(PointD v) const {
        const PointD o{at.x, at.y};
        switch (op) {
            case Op::Move:
            case Op::Copy:
                return Turn({o.x + p * (v.x - 1), o.y + p * (v.y - 2)}, o, q * kPi / 180);
            case Op::Rotate:
            case Op::RotatedCopies:
                return Turn(v, o, p);
            case Op::Scale:
                return {o.x + p * (v.x - o.x), o.y + q * (v.y - o.y)};
            case Op::Mirror:
            case Op::MirroredCopies:
                return Reflect(v, o, p);
        }
        return v;
    }
    bool Copies() const {
        return op == Op::Copy || op == Op::RotatedCopies || op == Op::MirroredCopies;
    }
};

TEST(TransformEditsTest, EachSelectedLineIsTakenOnceAndGoesWhereItsFormulaSays) {
    const Case cases[] = {
        {"move", Op::Move, {11, -3}, 1, 0},
        {"move, the ghost scaled and turned about the target", Op::Move, {11, -3}, 2, 90},
        {"copy: the copies become the selection", Op::Copy, {11, -3}, 0.5, -45},
        {"rotate", Op::Rotate, {50, 40}, 0.7, 0},
        {"rotated copies", Op::RotatedCopies, {50, 40}, -1.2, 0},
        {"scale unevenly and negatively", Op::Scale, {20, 10}, 2, -0.5},
        {"scale by zero", Op::Scale, {20, 10}, 0, 1},
        {"mirror, slanted axis", Op::Mirror, {30, 20}, 0.3, 0},
        {"mirrored copies", Op::MirroredCopies, {0, 30}, 2.5, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto paper = MakePaper();
        FillDrawing(*paper);
        const std::vector<LineState> before = Lines(*paper);
        const RectF touched = c.Apply(*paper);
        const std::vector<LineState> after = Lines(*paper);
        std::vector<PointD> images;  // of the taken lines' ends, in order
        for (std::size_t i = 0; i < before.size(); ++i) {
            SCOPED_TRACE(i);
            const LineState& was = before[i];
            const bool changes = was.taken && !c.Copies();
            EXPECT_TRUE(Near(after[i].p1, changes ? c.Image(was.p1) : was.p1));
            EXPECT_TRUE(Near(after[i].p2, changes ? c.Image(was.p2) : was.p2));
            if (was.taken) {
                // Only a copy moves the selection over to the copies.
                EXPECT_EQ(after[i].mark, c.op == Op::Copy ? 0 : 1);
                images.insert(images.end(), {c.Image(was.p1), c.Image(was.p2)});
            }
        }
        ASSERT_EQ(images.size(), 10u);  // five lines, the floating one never
        for (const PointD& q : images) {
            EXPECT_TRUE(Inside(q, touched)) << q.x << "," << q.y;
        }
        // Copies, the copy of a group member among them, land on the sheet itself, in order.
        ASSERT_EQ(after.size(), before.size() + (c.Copies() ? 5 : 0));
        for (std::size_t j = 0; c.Copies() && j < 5; ++j) {
            const LineState& copy = after[before.size() + j];
            EXPECT_TRUE(Near(copy.p1, images[2 * j]) && Near(copy.p2, images[2 * j + 1])) << j;
            EXPECT_EQ(copy.mark, c.op == Op::Copy ? 1 : 0);
        }
    }
    EXPECT_FALSE(SelectedExtents(*MakePaper()).IsValid());
}

}  // namespace
}  // namespace korvo::test
