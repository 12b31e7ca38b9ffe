#include "json/FontJson.h"

#include <array>

#include "font/FontTable.h"
#include "font/GlyphStream.h"

namespace korvo {

namespace {

using nlohmann::json;

std::string Where(std::size_t glyph) {
    return "glyphs[" + std::to_string(glyph) + "]";
}

bool ReadInteger(const json& value, int low, int high, int& out) {
    if (!value.is_number_integer()) {
        return false;
    }
    const auto number = value.get<long long>();
    if (number < low || number > high) {
        return false;
    }
    out = static_cast<int>(number);
    return true;
}

void ParseCommand(const json& item, const std::string& where, JsonGlyph& glyph,
                  std::vector<std::string>& errors) {
    if (!item.is_array() || item.size() != 3 || !item[0].is_string()) {
        errors.push_back(where + ": a command is [\"m\"|\"d\"|\"o\", x, y]");
        return;
    }
    const std::string letter = item[0].get<std::string>();
    const auto op = letter.size() == 1 ? GlyphOpFromLetter(letter[0]) : std::nullopt;
    if (!op) {
        errors.push_back(where + ": unknown command letter \"" + letter + "\"");
        return;
    }
    int x = 0;
    int y = 0;
    if (!ReadInteger(item[1], 0, kMaxGlyphCoordinate, x) ||
        !ReadInteger(item[2], 0, kMaxGlyphCoordinate, y)) {
        errors.push_back(where + ": coordinates must be whole numbers from 0 to 200, not " +
                         item[1].dump() + ", " + item[2].dump());
        return;
    }
    glyph.commands.push_back({*op, static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y)});
}

void ParseGlyph(const json& item, std::size_t index, JsonFontParse& result,
                std::array<bool, CFontTable::kGlyphCount>& seen) {
    const std::string where = Where(index);
    if (!item.is_object()) {
        result.errors.push_back(where + ": a glyph is an object");
        return;
    }
    JsonGlyph glyph;
    if (!item.contains("code") || !ReadInteger(item["code"], 0, 255, glyph.code)) {
        result.errors.push_back(where + ": \"code\" must be a whole number from 0 to 255");
        return;
    }
    if (seen[glyph.code]) {
        result.errors.push_back(where + ": code " + std::to_string(glyph.code) +
                                " appears more than once");
        return;
    }
    seen[glyph.code] = true;
    if (!item.contains("commands") || !item["commands"].is_array()) {
        result.errors.push_back(where + ": \"commands\" must be a list");
        return;
    }
    const json& commands = item["commands"];
    for (std::size_t i = 0; i < commands.size(); ++i) {
        ParseCommand(commands[i], where + ".commands[" + std::to_string(i) + "]", glyph,
                     result.errors);
    }
    result.glyphs.push_back(std::move(glyph));
}

}  // namespace

nlohmann::ordered_json FontToJson(const CFontTable& table) {
    nlohmann::ordered_json glyphs = nlohmann::ordered_json::array();
    for (int code = 0; code < CFontTable::kGlyphCount; ++code) {
        const GlyphEntry& entry = table.Entry(code);
        if (!entry.HasCommands()) {
            continue;
        }
        nlohmann::ordered_json commands = nlohmann::ordered_json::array();
        for (const GlyphCommand& command : ReadGlyphCommands(entry.commands)) {
            commands.push_back({std::string(1, GlyphOpLetter(command.op)), command.x, command.y});
        }
        glyphs.push_back({{"code", code},
                          {"left", entry.left},
                          {"width", entry.glyphWidth},
                          {"commands", std::move(commands)}});
    }
    return {{"name", table.FontName()},
            {"defaultAdvance", table.DefaultAdvance()},
            {"glyphs", std::move(glyphs)}};
}

JsonFontParse GlyphsFromJson(const nlohmann::json& document) {
    JsonFontParse result;
    if (!document.is_object() || !document.contains("glyphs") || !document["glyphs"].is_array()) {
        result.errors.push_back("the document must be an object with a \"glyphs\" list");
        return result;
    }
    std::array<bool, CFontTable::kGlyphCount> seen{};
    const json& glyphs = document["glyphs"];
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        ParseGlyph(glyphs[i], i, result, seen);
    }
    if (!result.errors.empty()) {
        result.glyphs.clear();
    }
    return result;
}

}  // namespace korvo
