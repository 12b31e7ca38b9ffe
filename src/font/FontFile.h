#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvo {

class CFontTable;
class IMessageHost;

inline constexpr std::string_view kFontFileHeader = "Korvo VS - 3.01 ";
inline constexpr std::size_t kFontFileBlock = 16;

// Where a damaged font file stops making sense.
struct FontFileDamage {
    int record = 0;          // 1-based number of the character record
    std::size_t offset = 0;  // byte offset in the file
    std::string reason;
};

struct FontReadOutcome {
    int recordsRead = 0;
    int unknownLetters = 0;
    std::optional<FontFileDamage> damage;
};

// The font's name as a file gives it: the file name without folder and extension.
std::string FontNameFromPath(const std::string& path);

// Replaces the table's content with the records of a font file held in memory. Unknown command
// letters print "err2\n" on standard output. Reading stops at the first damaged record and keeps
// the characters read before it.
FontReadOutcome ParseFontFile(CFontTable& table, std::span<const std::uint8_t> bytes, int owns,
                              std::string fontName);

// The font file bytes of a table.
std::vector<std::uint8_t> EncodeFontFile(const CFontTable& table);

// Reads the file at `path` into `table`; 1 when read (a damaged file is reported but what could
// be read is kept), 0 when not read.
int ReadFontFile(CFontTable& table, const std::string& path, int owns, IMessageHost& host,
                 FontReadOutcome* outcome = nullptr);

// Writes `table` to `path`, replacing the file there only once the new one is complete;
// 1 written, 0 not written.
int WriteFontFile(const CFontTable& table, const std::string& path, IMessageHost& host);

// The text that tells the user where a font file is damaged.
std::string DescribeDamage(const std::string& path, const FontReadOutcome& outcome);

}  // namespace korvo
