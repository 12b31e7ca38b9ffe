#pragma once

#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace korvo {

class CData;
class CDataCollection;
class CPaper;

// The JSON form of a glyph drawing: {"elements": [{"type": "line", "x1", "y1", "x2", "y2"},
// {"type": "point", "x", "y"}, {"type": "ellipse", "cx", "cy", "a", "b", "rotation", "start",
// "end"}, ...]}, each with an optional "level" (default 1), in the sheet's order. Numbers are
// drawing units or degrees.

struct DrawingRead {
    // Nodes made the way the editor's drawing tools make them, ready for the sheet.
    std::vector<std::unique_ptr<CData>> nodes;
    std::vector<std::string> errors;  // each names the element and the key
};

// Checks the whole text before making anything: a text with any error yields no nodes.
DrawingRead ReadDrawingJson(std::string_view text);

// What a written drawing holds besides the stored kinds.
struct DrawingJsonOptions {
    // Every element a tool can make, each written by what it is, whatever its node type:
    // besides lines, points and ellipses also {"type": "polygon", "points": [[x, y], ...]} and
    // {"type": "text", "text", "x", "y", "height", "angle"} (the text in UTF-8, the angle in
    // degrees).
    bool everyElement = false;
    // "mark" on every element: 0 normal, 1 selected, 2 drawn in the background colour.
    bool marks = false;
};

// The lines, points and ellipses of the sheet (with the options, every element), groups searched
// depth-first; every number reads back as the same float.
nlohmann::ordered_json DrawingToJson(const CPaper& paper, const DrawingJsonOptions& options = {});
// The same for any nodes, such as a selection on its way to the clipboard.
nlohmann::ordered_json DrawingToJson(const CDataCollection& drawing,
                                     const DrawingJsonOptions& options = {});

// DrawingToJson as text, one element to a line.
std::string WriteDrawingJson(const CPaper& paper, const DrawingJsonOptions& options = {});
std::string WriteDrawingJson(const CDataCollection& drawing,
                             const DrawingJsonOptions& options = {});

}  // namespace korvo
