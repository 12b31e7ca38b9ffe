#pragma once

#include <string>
#include <string_view>

namespace korvo {

// Numbered strings, kept under the numbers the program has always used for them.
inline constexpr int IDS_UPDATE_FONT_TABLE = 488;
inline constexpr int IDS_TOO_MANY_COMMANDS = 489;
inline constexpr int IDS_TRIM_LINES = 490;
inline constexpr int IDS_CLEAR_DRAWING_AREA = 491;
// Status texts of the tools (pane 1) and the element count (pane 2).
inline constexpr int IDS_STATUS_LINE = 19040;
inline constexpr int IDS_STATUS_CENTRE = 19041;
inline constexpr int IDS_STATUS_ELLIPSE = 19042;
inline constexpr int IDS_STATUS_ARC_START = 19043;
inline constexpr int IDS_STATUS_ARC = 19044;
inline constexpr int IDS_STATUS_RECTANGLE = 19045;
inline constexpr int IDS_STATUS_POINT = 19046;
inline constexpr int IDS_STATUS_CIRCLE = 19047;
inline constexpr int IDS_ELEMENT_COUNT = 19048;
inline constexpr int IDS_ERROR_IN_FONT = 19013;

// The text of a numbered string, or an empty view for a number the table does not hold.
std::string_view LoadString(int id);

}  // namespace korvo
