#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvo {

// A vertex in Hershey units: x to the right, y downwards.
struct JhfPoint {
    int x = 0;
    int y = 0;

    friend bool operator==(const JhfPoint&, const JhfPoint&) = default;
};

struct JhfGlyph {
    int number = 0;  // the glyph number field, 0 when it is blank
    int line = 0;    // 1-based line where the glyph starts
    int left = 0;
    int right = 0;
    // A pen-up starts a new path; paths without vertices are not kept.
    std::vector<std::vector<JhfPoint>> paths;

    friend bool operator==(const JhfGlyph&, const JhfGlyph&) = default;
};

struct JhfParseResult {
    std::vector<JhfGlyph> glyphs;     // in file order, malformed glyphs left out
    std::vector<std::string> errors;  // "line N: ...", one per malformed glyph or line
};

// Reads a Hershey .jhf font. Never throws; every malformed glyph becomes one entry of `errors`
// and reading goes on with the line after it.
JhfParseResult ParseJhf(std::string_view text);

}  // namespace korvo
