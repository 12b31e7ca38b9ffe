#pragma once

#include <QString>
#include <string_view>

namespace korvo {

// Text in the drawing model is stored in the Windows-1252 code page whatever the machine's
// locale, so it is converted through a table of our own rather than the system's codecs.
// Bytes the code page leaves unassigned map to the control characters of the same number,
// as Windows does.
QString FromWindows1252(std::string_view bytes);

}  // namespace korvo
