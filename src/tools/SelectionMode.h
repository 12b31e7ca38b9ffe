#pragma once

#include <cstdint>

#include "model/Data.h"

namespace korvo {

// Whether a selection tool sets or clears the selected flag (the node's mark) of what it finds.
enum class SelectionMode { Deselect = 0, Select = 1 };

constexpr std::uint16_t MarkFor(SelectionMode mode) {
    return mode == SelectionMode::Select ? kMarkSelected : kMarkNormal;
}

}  // namespace korvo
