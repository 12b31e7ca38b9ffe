#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Message.h"

namespace korvo {

class CFontTable;
class IMessageHost;

inline constexpr std::string_view kFontFileHeader = "Korvo VS - 3.01 ";
inline constexpr std::size_t kFontFileBlock = 16;

enum class FontReadResult {
    Read,        // the file was read; the outcome tells what it held besides characters
    CannotOpen,  // "Font file %s not found !" was shown; the table is as it was
    CannotLoad,  // "Error in Korvo Font" was shown; the table is empty
};

enum class FontWriteResult {
    Written,
    NoTable,       // the font has nothing to write
    CannotCreate,  // nothing was shown; any file at the path is as it was
    WriteFailed,   // "Error creating Font-file" was shown; any file at the path is as it was
};

// Where a damaged font file stops making sense.
struct FontFileDamage {
    int record = 0;          // 1-based number of the character record
    std::size_t offset = 0;  // byte offset in the file
    std::string reason;
    // The file ends (at `offset`) where the next record or the end block should begin.
    bool endMissing = false;
};

// Everything a user may need to hear about a font file that was opened.
struct FontReadOutcome {
    FontReadResult result = FontReadResult::Read;
    // False for a file that does not start with kFontFileHeader: it may not be a font at all.
    bool headerMatches = true;
    int recordsRead = 0;
    int unknownLetters = 0;
    // Where reading stopped; the recordsRead characters before it were kept.
    std::optional<FontFileDamage> damage;
    // Codes, ascending, whose coordinates include 201 ... 203: the stream cannot tell those from
    // its command bytes, so writing the font may change these glyphs.
    std::vector<int> offGridCodes;
    // Codes, ascending, whose records hold command letters other than 'm', 'd' and 'o'. Such a
    // pair is read as a line drawn to it, which is a guess: saving writes the guess back.
    std::vector<int> unknownLetterCodes;

    bool IsRead() const { return result == FontReadResult::Read; }
    // Read whole from a file that looks like a font, and written back unchanged.
    bool IsClean() const {
        return IsRead() && headerMatches && !damage && offGridCodes.empty() &&
               unknownLetterCodes.empty();
    }
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

// Reads the file at `path` into `table`. A damaged file is shown to the user through `host`, and
// what could be read is kept.
FontReadOutcome ReadFontFile(CFontTable& table, const std::string& path, int owns,
                             IMessageHost& host);

// Writes `table` to `path`, replacing the file there only once the new one is complete.
FontWriteResult WriteFontFile(const CFontTable& table, const std::string& path, IMessageHost& host);

// The message that tells where a font file is damaged and how much of it was kept; nullopt when
// it is whole.
std::optional<MessageRequest> DamageMessage(const std::string& path,
                                            const FontReadOutcome& outcome);

// What tells the user that a font file is damaged, that it may be no font, which of its glyphs
// saving would change, and which glyphs hold commands it could only guess at; empty when there is
// nothing to say.
std::string DescribeDamage(const std::string& path, const FontReadOutcome& outcome);
std::string DescribeForeignHeader(const std::string& path, const FontReadOutcome& outcome);
std::string DescribeOffGridCodes(const std::string& path, const FontReadOutcome& outcome);
std::string DescribeUnknownLetters(const std::string& path, const FontReadOutcome& outcome);

}  // namespace korvo
