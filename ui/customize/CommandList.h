#pragma once

#include <QString>
#include <span>
#include <vector>

namespace korvo {

// The stored form of a bar's or a menu's entries: command ids separated by commas, 0 for a
// separator ("57600,57601,0,57635").
QString CommandListToText(std::span<const int> commands);

// Reads a stored list back. Settings files are edited by hand and outlive versions of the
// editor, so whatever is not a command of this version (words, numbers the table lacks, a
// separator where none is allowed, a repeated command) is dropped, the rest kept in order, and the
// list is cut at `kMaxStoredCommands` entries.
std::vector<int> CommandListFromText(const QString& text, bool separators);

// A bar or a menu shows a command once (a second QAction entry only moves the first), so a
// repeated command is dropped; separators may repeat.
std::vector<int> WithoutRepeats(const std::vector<int>& commands);

inline constexpr std::size_t kMaxStoredCommands = 256;

}  // namespace korvo
