#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "font/GlyphCommand.h"

namespace korvo {

class CFontTable;

// The JSON form of a font: {"name", "defaultAdvance", "glyphs": [{"code", "left", "width",
// "commands": [["m"|"d"|"o", x, y], ...]}, ...]}, defined codes in ascending order.
nlohmann::ordered_json FontToJson(const CFontTable& table);

struct JsonGlyph {
    int code = 0;
    std::vector<GlyphCommand> commands;
};

struct JsonFontParse {
    std::vector<JsonGlyph> glyphs;
    std::vector<std::string> errors;  // each names where in the document it is
};

// Reads the glyphs of the JSON form back; only "code" and "commands" matter. Anything out of
// range or of the wrong shape is an error; a document with errors yields no glyphs.
JsonFontParse GlyphsFromJson(const nlohmann::json& document);

}  // namespace korvo
