#pragma once

#include <string>

namespace korvo {

struct TableOptions {
    std::string fontPath;
    std::string outPath;  // .png, .svg or .pdf
    int width = 1250;
    int height = 710;
};

struct RenderOptions {
    std::string fontPath;
    std::string outPath;  // .png or .svg
    std::string text;     // UTF-8; "\n" (a real newline or backslash-n) breaks lines
    double height = 20.0;
    bool proportional = false;
};

// The sheet of a new document for the font: frame, grid, help lines and the character table.
int RunTable(const TableOptions& options);
// The text set in the font by the editor's own vector-text renderer.
int RunRender(const RenderOptions& options);

// "WxH" -> width and height; false when it is not two positive numbers up to 20000.
bool ParseSize(const std::string& text, int& width, int& height);

}  // namespace korvo
