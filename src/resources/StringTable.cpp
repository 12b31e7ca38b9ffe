#include "resources/StringTable.h"

#include <array>
#include <utility>

namespace korvo {

namespace {

constexpr std::array<std::pair<int, std::string_view>, 4> kStrings{{
    {IDS_UPDATE_FONT_TABLE, "Update font-table?"},
    {IDS_TOO_MANY_COMMANDS,
     "The drawing-area has too many lines and points.\nThey need %d drawing-commands to store. "
     "\nOnly 255 drawing-commands are possible. "},
    {IDS_TRIM_LINES, "Trim lines at the drawing-area ?"},
    {IDS_ERROR_IN_FONT, "Error in Korvo Font"},
}};

std::string ReplaceFirst(std::string_view format, std::string_view placeholder,
                         std::string_view text) {
    std::string result(format);
    const std::size_t at = result.find(placeholder);
    if (at != std::string::npos) {
        result.replace(at, placeholder.size(), text);
    }
    return result;
}

}  // namespace

std::string_view LoadString(int id) {
    for (const auto& [number, text] : kStrings) {
        if (number == id) {
            return text;
        }
    }
    return {};
}

std::string FormatMessage(std::string_view format, std::string_view text) {
    return ReplaceFirst(format, "%s", text);
}

std::string FormatMessage(std::string_view format, long long number) {
    return ReplaceFirst(format, "%d", std::to_string(number));
}

}  // namespace korvo
