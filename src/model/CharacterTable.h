#pragma once

namespace korvo {

// The layout of a glyph sheet, in drawing units: the square drawing area where one character is
// drawn, with the table of the font's characters beside it, shown with a margin on every side and
// snapped to a grid.
inline constexpr float kDrawingAreaSize = 200.0f;
inline constexpr float kSheetWidth = 620.0f;
inline constexpr float kSheetHeight = 350.0f;
inline constexpr float kSheetMargin = 5.0f;
inline constexpr float kSheetGrid = 2.5f;

// Where the sheet shows the font's characters: 16 columns of 25-unit cells, 14 rows from the
// codes 32 ... 47 at the top down to 240 ... 255, filling the sheet right of the drawing area.
inline constexpr float kTableLeft = 220.0f;
inline constexpr float kTableRight = kSheetWidth;
inline constexpr float kTableTop = kSheetHeight;
inline constexpr float kTableCell = 25.0f;
inline constexpr int kTableColumns = 16;
inline constexpr int kTableRows = 14;
inline constexpr int kTableFirstCode = 32;

}  // namespace korvo
