#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <span>
#include <vector>

#include "geometry/PlaneGeometry.h"
#include "platform/DrawContext.h"

namespace korvo {

class CPaper;

// One step of a styled dash pattern is this long along the stroke, in drawing units.
inline constexpr double kDashStep = 0.25;

// What an element draws with for the draw mark of its node: its own pen, the selection pen or
// the background pen (plain mode), or the matching colour (styled mode). Other marks draw
// nothing.
struct MarkPen {
    bool draw = false;
    Pen pen;
    ColorRef color = 0;
};
MarkPen ChooseMarkPen(const CPaper& paper, int mark, int ownPenIndex, ColorRef ownColor);

// The on/off steps of a pen style; solid has none.
std::span<const std::uint8_t> DashPattern(std::uint16_t style);

// A geometric pen as wide as `width` thousandths of a unit look at the paper's current scale;
// solid strokes get round ends, patterned ones flat ends so the dashes stay crisp.
Pen MakeStyledPen(const CPaper& paper, std::uint16_t style, std::uint16_t width, ColorRef color);

// Feeds one point per dash step and draws each run of "on" steps as one polyline. The pattern
// starts afresh for every element and a step still open at the end is not drawn.
//
// A step repeating the point before it adds nothing to the polyline and is left out (at ordinary
// zooms a step is less than a pixel), but a run that never leaves its point keeps two, so a
// round pen still leaves its dot.
class CDashRun {
public:
    CDashRun(IDrawContext& dc, std::uint16_t style);
    void Step(DevicePoint p) {
        Steps(1, [p](std::int64_t) { return p; });
    }
    // `count` steps, the point of step i being `pointAt(i)`, asked for only where the step is
    // drawn: gaps are a quarter to a half of every pattern. The pattern is walked a run of equal
    // steps at a time, so a dash's points are converted in a loop that tests nothing else.
    template <typename PointAt>
    void Steps(std::int64_t count, PointAt pointAt) {
        const std::span<const std::uint8_t> pattern = pattern_;
        for (std::int64_t i = 0; i < count;) {
            const std::int64_t left = count - i;
            if (pattern.empty()) {
                AddRun(i, left, pointAt);
                return;
            }
            const bool on = pattern[index_] != 0;
            std::size_t end = index_ + 1;
            while (end < pattern.size() && (pattern[end] != 0) == on) {
                ++end;
            }
            const std::int64_t n = std::min(static_cast<std::int64_t>(end - index_), left);
            if (on) {
                AddRun(i, n, pointAt);
            } else if (index_ > 0 && pattern[index_ - 1] != 0) {
                Flush();
            }
            i += n;
            index_ += static_cast<std::size_t>(n);
            if (index_ == pattern.size()) {
                index_ = 0;
            }
        }
    }
    void Finish();

private:
    // Without a branch: whether a step repeats the point before it follows no pattern a branch
    // predictor could learn, and guessing wrong cost a fifth of the stroke's time. The run's
    // state stays in locals for the loop.
    template <typename PointAt>
    void AddRun(std::int64_t first, std::int64_t count, PointAt pointAt) {
        const auto needed = size_ + static_cast<std::size_t>(count);
        if (needed > run_.size()) {
            run_.resize(2 * needed + 16);
        }
        DevicePoint* const out = run_.data();
        std::size_t size = size_;
        std::uint64_t last = last_;
        for (std::int64_t i = first; i < first + count; ++i) {
            const DevicePoint p = pointAt(i);
            const auto key = std::bit_cast<std::uint64_t>(p);
            out[size] = p;
            size += key != last ? 1 : 0;
            last = key;
        }
        size_ = size;
        last_ = last;
        steps_ += static_cast<std::size_t>(count);
    }
    void Flush();

    IDrawContext& dc_;
    std::span<const std::uint8_t> pattern_;
    std::size_t index_ = 0;
    std::vector<DevicePoint> run_;  // the first size_ points are the run
    std::size_t size_ = 0;
    std::size_t steps_ = 0;  // steps of the current run, repeats included
    // The run's last point; at the start one no conversion yields (they stay within 1e9).
    static constexpr std::uint64_t kNoPoint = ~std::uint64_t{0};
    std::uint64_t last_ = kNoPoint;
};

// The styled stroke of a straight segment (lines, and polygon edges when printing).
void DrawStyledLine(const CPaper& paper, IDrawContext& dc, PointF from, PointF to,
                    std::uint16_t style, std::uint16_t width, ColorRef color);

}  // namespace korvo
