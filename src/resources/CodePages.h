#pragma once

#include <string>
#include <string_view>

namespace korvo {

// Texts are shown in the display code page (Windows-1252) and stored in the font's own code page
// (CP850), as on a Western-European Windows. The conversion is table-driven and the same on every
// machine, whatever the locale. Bytes below 0x80 are ASCII in both and stay as they are; a
// character that the other code page lacks becomes its plain look-alike (an accented letter its
// base letter, a box-drawing stroke '-', '|' or '+') or '?' when there is none.
std::string AnsiToOem(std::string_view text);
std::string OemToAnsi(std::string_view text);

// Display text as Unicode (UTF-16), for whatever draws or exports it. The five bytes that
// Windows-1252 leaves unassigned stand for the control characters of the same number, as Windows
// converts them.
std::u16string AnsiToUtf16(std::string_view text);

}  // namespace korvo
