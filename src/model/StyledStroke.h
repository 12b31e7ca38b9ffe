#pragma once

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
    // drawn: gaps are a quarter to a half of every pattern. The pattern position is kept in a
    // local so a long stroke's loop runs in registers.
    template <typename PointAt>
    void Steps(std::int64_t count, PointAt pointAt) {
        const std::span<const std::uint8_t> pattern = pattern_;
        if (pattern.empty()) {
            for (std::int64_t i = 0; i < count; ++i) {
                Add(pointAt(i));
            }
            return;
        }
        std::size_t index = index_;
        for (std::int64_t i = 0; i < count; ++i) {
            if (pattern[index] != 0) {
                Add(pointAt(i));
            } else if (index > 0 && pattern[index - 1] != 0) {
                Flush();
            }
            index = index + 1 == pattern.size() ? 0 : index + 1;
        }
        index_ = index;
    }
    void Finish();

private:
    // Without a branch: whether a step repeats the point before it follows no pattern a branch
    // predictor could learn, and guessing wrong cost a fifth of the stroke's time.
    void Add(DevicePoint p) {
        if (size_ == run_.size()) {
            run_.resize(2 * size_ + 16);
        }
        const auto key = std::bit_cast<std::uint64_t>(p);
        run_[size_] = p;
        size_ += key != last_ ? 1 : 0;
        last_ = key;
        ++steps_;
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
