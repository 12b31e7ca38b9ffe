#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "view/AutoScroll.h"

namespace korvo {
namespace {

using State = CAutoScroll::ScrollBarState;

// A window with two scroll bars that moves as far as it is told and remembers every move.
class ScrollWindow : public CAutoScroll::ITarget {
public:
    ScrollWindow(State horizontal, State vertical) : bars_{horizontal, vertical} {}

    State GetScrollBarState(ScrollBar bar) const override { return bars_[Index(bar)]; }
    void ThumbTrack(ScrollBar bar, int position) override {
        bars_[Index(bar)].position = position;
        ++moves_;
    }

    int Position(ScrollBar bar) const { return bars_[Index(bar)].position; }
    int Moves() const { return moves_; }

private:
    static int Index(ScrollBar bar) { return bar == ScrollBar::Horizontal ? 0 : 1; }

    std::array<State, 2> bars_;
    int moves_ = 0;
};

constexpr DevicePoint kOrigin{500, 400};
constexpr DevicePoint kOriginSize{32, 32};  // half of it: 16 pixels
constexpr int kHalf = 16;

TEST(AutoScroll, SpeedCurveAroundItsBends) {
    struct Case {
        int offset;
        bool coarse;
        int speed;
    };
    // Inside the origin window, at its edge, where the straight rise ends and the curve begins;
    // then the coarse steps.
    const Case cases[] = {
        // clang-format off
        {kHalf - 1, false, 0},     {-(kHalf - 1), false, 0},    {kHalf, false, 2},
        {-kHalf, false, -2},       {kHalf + 42, false, 86},     {-(kHalf + 42), false, -86},
        {kHalf + 43, false, 88},   {-(kHalf + 43), false, -88}, {kHalf + 142, false, 402},
        {kHalf + 143, false, 406}, {kHalf - 1, true, 0},        {kHalf, true, 32},
        {23, true, 32},            {24, true, 48},              {-24, true, -48},
        {200, true, 400},
        // clang-format on
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CAutoScroll::SpeedOf(c.offset, kHalf, c.coarse), c.speed)
            << c.offset << (c.coarse ? " coarse" : "");
    }
}

TEST(AutoScroll, TicksMoveTheWindowByGatheredUnits) {
    const State bar{0, 100, 0, 50, true};
    const State noRange{0, 0, 0, 0, true};
    const State off{0, 100, 0, 50, false};
    struct Case {
        const char* what;
        std::uint16_t flags;
        State horizontal, vertical;
        DevicePoint offset;
        int ticks;
        int x, y, moves;
    };
    const Case cases[] = {
        {"inside the origin window", 0, bar, bar, {15, -15}, 20, 50, 50, 0},
        {"speed 20: a unit per tick", 0, bar, bar, {kHalf + 9, 0}, 10, 60, 50, 10},
        {"speed 2: nine ticks gather less than a unit", 0, bar, bar, {kHalf, 0}, 9, 50, 50, 0},
        {"speed 2: the tenth tick scrolls", 0, bar, bar, {kHalf, 0}, 10, 51, 50, 1},
        {"up and left", 0, bar, bar, {-(kHalf + 9), -(kHalf + 9)}, 10, 40, 40, 20},
        {"one axis: the larger offset", CAutoScroll::kOneAxis, bar, bar, {30, 25}, 10, 65, 50, 10},
        {"one axis: a tie goes to y", CAutoScroll::kOneAxis, bar, bar, {25, 25}, 10, 50, 60, 10},
        {"one axis: larger stuck", CAutoScroll::kOneAxis, bar, noRange, {20, 30}, 10, 50, 0, 0},
        {"coarse: 48 per tick", CAutoScroll::kCoarse, bar, bar, {24, 0}, 10, 74, 50, 10},
        {"no vertical range", 0, bar, noRange, {kHalf + 9, kHalf + 9}, 10, 60, 0, 10},
        {"horizontal bar switched off", 0, off, bar, {kHalf + 9, kHalf + 9}, 10, 50, 60, 10},
        {"stops at the limit", 0, {0, 100, 0, 95, true}, bar, {kHalf + 9, 0}, 10, 100, 50, 5},
        {"the page shortens it", 0, {0, 100, 11, 85, true}, bar, {kHalf + 9, 0}, 10, 90, 50, 5},
        {"stops at zero", 0, {0, 100, 0, 0, true}, bar, {-(kHalf + 9), 0}, 10, 0, 50, 0},
    };
    for (const Case& c : cases) {
        ScrollWindow window(c.horizontal, c.vertical);
        CAutoScroll run(window, kOrigin, kOriginSize, c.flags);
        const DevicePoint cursor{kOrigin.x + c.offset.x, kOrigin.y + c.offset.y};
        for (int i = 0; i < c.ticks; ++i) {
            run.Tick(cursor);
        }
        EXPECT_EQ(window.Position(ScrollBar::Horizontal), c.x) << c.what;
        EXPECT_EQ(window.Position(ScrollBar::Vertical), c.y) << c.what;
        EXPECT_EQ(window.Moves(), c.moves) << c.what;
    }
}

// Units that the bar's end swallows are spent all the same, so turning back scrolls at once.
TEST(AutoScroll, UnitsAtTheEndAreNotKept) {
    ScrollWindow window({0, 100, 0, 100, true}, {0, 100, 0, 0, true});
    CAutoScroll run(window, kOrigin, kOriginSize);
    // 58 pixels beyond the bend: (trunc(58^1.1) + 43) * 2 = 260, so 13 units this tick.
    EXPECT_EQ(run.Tick({kOrigin.x + kHalf + 100, kOrigin.y}), (CAutoScroll::Pair{13, 0}));
    EXPECT_EQ(window.Moves(), 0);
    EXPECT_EQ(run.Tick({kOrigin.x - kHalf - 9, kOrigin.y}), (CAutoScroll::Pair{-1, 0}));
    EXPECT_EQ(window.Position(ScrollBar::Horizontal), 99);
}

}  // namespace
}  // namespace korvo
