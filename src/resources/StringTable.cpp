#include "resources/StringTable.h"

#include <array>
#include <utility>

namespace korvo {

namespace {

constexpr std::array<std::pair<int, std::string_view>, 14> kStrings{{
    {IDS_UPDATE_FONT_TABLE, "Update font-table?"},
    {IDS_TOO_MANY_COMMANDS,
     "The drawing-area has too many lines and points.\nThey need %d drawing-commands to store. "
     "\nOnly 255 drawing-commands are possible. "},
    {IDS_TRIM_LINES, "Trim lines at the drawing-area ?"},
    {IDS_CLEAR_DRAWING_AREA, "Drawing-area is not empty \n Clear drawing-area ?"},
    {IDS_STATUS_LINE, "X = %.1f Y = %.1f A = %.1f L = %.1f"},
    {IDS_STATUS_CENTRE, "CX = %.1f CY = %.1f"},
    {IDS_STATUS_ELLIPSE, "CX = %.1f CY = %.1f A = %.1f B = %.1f"},
    {IDS_STATUS_ARC_START, "CX = %.1f CY = %.1f R = %.1f W1 = %.1f"},
    {IDS_STATUS_ARC, "CX = %.1f CY = %.1f R = %.1f W1 = %.1f W2 = %.1f"},
    {IDS_STATUS_RECTANGLE, "X = %.1f Y = %.1f W = %.1f H = %.1f"},
    {IDS_STATUS_POINT, "X = %.1f Y = %.1f"},
    {IDS_STATUS_CIRCLE, "CX = %.1f CY = %.1f R = %.1f"},
    {IDS_ELEMENT_COUNT, "Elements = %d  (< 256)"},
    {IDS_ERROR_IN_FONT, "Error in Korvo Font"},
}};

}  // namespace

std::string_view LoadString(int id) {
    for (const auto& [number, text] : kStrings) {
        if (number == id) {
            return text;
        }
    }
    return {};
}

}  // namespace korvo
