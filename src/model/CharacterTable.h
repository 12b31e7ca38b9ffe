#pragma once

namespace korvo {

// Where the sheet shows the font's characters, beside the 200 x 200 drawing area: 16 columns of
// 25-unit cells, 14 rows from the codes 32 ... 47 at the top down to 240 ... 255.
inline constexpr float kTableLeft = 220.0f;
inline constexpr float kTableRight = 620.0f;
inline constexpr float kTableTop = 350.0f;
inline constexpr float kTableCell = 25.0f;
inline constexpr int kTableColumns = 16;
inline constexpr int kTableRows = 14;
inline constexpr int kTableFirstCode = 32;

}  // namespace korvo
