#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvo {

// What encode and put are told on the command line.
struct GlyphOptions {
    std::string fontPath;
    std::string drawingPath;
    std::string outPath;
    int code = 0;
    // Lines per curve as the convert-to-lines dialog takes it, 0 for as many as fit; unset keeps
    // the document's preset.
    std::optional<int> lineCount;
    bool trim = true;
};

// "max" gives 0, a whole number from 2 to 255 itself (the dialog's range); anything else nothing.
std::optional<int> ParseArcLines(std::string_view text);

// Each runs a document without a window and returns the exit status.
int RunDecode(const std::string& fontPath, int code, const std::string& outPath);
int RunEncode(const GlyphOptions& options);
int RunPut(const GlyphOptions& options);

}  // namespace korvo
