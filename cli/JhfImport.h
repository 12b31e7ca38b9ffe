#pragma once

#include <string>
#include <vector>

#include "JhfFont.h"
#include "font/GlyphCommand.h"

namespace korvo {

struct ImportedGlyph {
    int code = 0;
    std::vector<GlyphCommand> commands;
    int jhfLine = 0;
};

struct JhfImportResult {
    std::vector<ImportedGlyph> glyphs;  // glyphs with at least one vertex, ascending code
    double scale = 0;                   // grid units per Hershey unit
    int xOffset = 0;                    // Hershey units added to x after the left-bound shift
    std::vector<std::string> warnings;
};

// Gives the glyphs the codes firstCode, firstCode + 1, ... in order and places them all on the
// grid with one scale and one offset. Glyphs whose code falls outside 1..255 are dropped with a
// warning; glyphs over kMaxGlyphPairs pairs are kept whole with a warning. Coordinates are
// expected in the range ParseJhf produces (-49..44).
JhfImportResult MapJhfGlyphs(const std::vector<JhfGlyph>& glyphs, int firstCode);

// How the scale and offset are chosen, for the import command's help text.
std::string DescribeJhfScaleRule();

}  // namespace korvo
