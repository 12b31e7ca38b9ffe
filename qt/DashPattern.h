#pragma once

#include <cstdint>
#include <span>

#include "platform/DrawContext.h"

namespace korvo {

// Where a walk along a line stands in a dash pattern. Stepping it costs an increment, where
// asking the pattern about each step costs two divisions.
struct DashCursor {
    std::uint32_t onMask = 1;
    int period = 1;
    int position = 0;

    bool IsOn() const { return ((onMask >> position) & 1U) != 0; }
    void Next() { position = position + 1 == period ? 0 : position + 1; }
};

// The on/off rhythm of a styled pen. Cosmetic lines are walked pixel by pixel, so the pattern
// answers for any pixel counted from where the line started; it keeps running across the
// segments of one polyline so the dashes do not restart at every vertex.
class CDashPattern {
public:
    explicit CDashPattern(PenStyle style = PenStyle::Solid);

    bool IsSolid() const { return period_ == 0; }
    void Restart() { phase_ = 0; }
    // Whether the pixel `step` pixels past the current position in the pattern is drawn.
    bool IsOn(std::int64_t step) const { return CursorAt(step).IsOn(); }
    DashCursor CursorAt(std::int64_t step) const;
    void Advance(std::int64_t steps);

    // Alternating on/off run lengths, starting with "on"; empty for solid (and unknown) styles.
    // Cosmetic runs count pixels, geometric runs count pen widths.
    static std::span<const int> CosmeticRuns(PenStyle style);
    static std::span<const int> GeometricRuns(PenStyle style);

private:
    std::uint32_t onMask_ = 0;  // bit k set: position k of the period is drawn
    int period_ = 0;            // 0 for solid
    int phase_ = 0;
};

}  // namespace korvo
