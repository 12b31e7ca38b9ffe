#pragma once

#include <array>
#include <optional>

#include "model/VectorTextRenderer.h"

namespace korvo {

// The character table's glyphs laid out once for a font, by code. Whoever keeps them forgets
// them when the font's glyphs change.
struct TableGlyphLayouts {
    std::array<std::optional<CVectorTextRenderer::Layout>, 256> glyphs;
};

}  // namespace korvo
