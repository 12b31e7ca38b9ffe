#pragma once

#include <algorithm>

namespace korvo {

// An axis-aligned rectangle in drawing units. The empty rectangle has its minimum above its
// maximum, so the first union with anything yields that thing.
struct RectF {
    static constexpr float kEmptyMin = 9999999.0f;
    static constexpr float kEmptyMax = -9999999.0f;

    float minX = kEmptyMin;
    float minY = kEmptyMin;
    float maxX = kEmptyMax;
    float maxY = kEmptyMax;

    static constexpr RectF Empty() { return RectF{}; }

    constexpr bool IsValid() const { return maxX >= minX && maxY >= minY; }

    constexpr void Include(float x, float y) {
        minX = std::min(minX, x);
        minY = std::min(minY, y);
        maxX = std::max(maxX, x);
        maxY = std::max(maxY, y);
    }

    constexpr void Include(const RectF& other) {
        if (other.IsValid()) {
            Include(other.minX, other.minY);
            Include(other.maxX, other.maxY);
        }
    }

    // Touching counts as overlapping.
    constexpr bool Overlaps(const RectF& other) const {
        return minX <= other.maxX && other.minX <= maxX && minY <= other.maxY && other.minY <= maxY;
    }

    friend bool operator==(const RectF&, const RectF&) = default;
};

}  // namespace korvo
