#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "geometry/PlaneGeometry.h"

namespace korvo {

class CPaper;

// The sheet settings a user changes on purpose (grid and help lines); zoom and scrolling are
// the view's and never part of an undo step.
struct SheetSettings {
    std::array<float, 7> helpLines{};
    std::array<std::int32_t, 7> helpLinesShown{};
    PointF grid;
    std::int32_t showGrid = 0;

    friend bool operator==(const SheetSettings&, const SheetSettings&) = default;
};

// One recorded state of a document's drawing: the drawing as archive bytes, which nodes were
// selected, the sheet settings and the current character. States that share an unchanged
// drawing share its bytes, so a step that only selects costs a few bytes.
class CUndoState {
public:
    using Bytes = std::vector<std::uint8_t>;

    // The state of `paper` now; `previous` lends its drawing bytes when they have not changed.
    // Nothing when the drawing cannot be stored (nested too deeply to load again).
    static std::optional<CUndoState> Capture(const CPaper& paper, int currentChar,
                                             const CUndoState* previous);

    bool SameAs(const CUndoState& other) const;
    // Puts drawing, selection and sheet settings back on `paper`; false (and `paper` untouched)
    // when the bytes do not load.
    bool RestoreTo(CPaper& paper) const;

    int CurrentChar() const { return currentChar_; }
    const std::shared_ptr<const Bytes>& Drawing() const { return drawing_; }
    // Memory held besides the drawing bytes.
    std::size_t ExtraBytes() const;

private:
    // (index in visiting order, mark) of every node whose mark is not 0.
    using Mark = std::pair<std::uint32_t, std::uint16_t>;

    std::shared_ptr<const Bytes> drawing_;
    std::vector<Mark> marks_;
    SheetSettings sheet_;
    int currentChar_ = -1;
};

}  // namespace korvo
