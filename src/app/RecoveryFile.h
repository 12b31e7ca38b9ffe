#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvo {

// What a recovery file keeps of one document with unsaved changes: enough to put the document
// back exactly as it was when the editor last wrote it, even if the original file has changed
// or gone since.
struct RecoveryRecord {
    std::string originalPath;    // empty for a font that was never saved
    std::string title;           // the name the window showed
    std::int64_t savedAtMs = 0;  // milliseconds since 1970-01-01 UTC
    std::int32_t currentChar = -1;
    std::vector<std::uint8_t> fontBytes;   // the font file as saving would write it
    std::vector<std::uint8_t> paperBytes;  // the sheet's drawing, in its archive form
    // What neither of the two keeps: grid, help lines, the blank's width.
    std::vector<std::uint8_t> sheetBytes;

    bool operator==(const RecoveryRecord&) const = default;
};

// Where and why a recovery file could not be read.
struct RecoveryDamage {
    std::size_t offset = 0;
    std::string reason;
};

// Reading gives either a record or the damage; never both, never neither.
struct RecoveryReadResult {
    std::optional<RecoveryRecord> record;
    RecoveryDamage damage;
};

// The recovery file: a magic, a version, the record's fields with explicit lengths and a CRC-32
// of everything before it. Crashes happen at the worst moments, so a file may be cut short or
// half overwritten; reading checks every length against what is left before it trusts it, and the
// checksum catches damage that happens to keep the lengths plausible.
class CRecoveryFile {
public:
    static constexpr std::string_view kMagic = "KORVOREC";
    static constexpr std::uint16_t kVersion = 1;
    // No font, sheet or path comes anywhere near these; larger lengths are damage.
    static constexpr std::uint32_t kMaxTextBytes = 64 * 1024;
    static constexpr std::uint32_t kMaxBlobBytes = 256 * 1024 * 1024;

    static std::vector<std::uint8_t> Encode(const RecoveryRecord& record);
    static RecoveryReadResult Decode(std::span<const std::uint8_t> bytes);

    // The common CRC-32 (the one of zip and PNG).
    static std::uint32_t Crc32(std::span<const std::uint8_t> bytes);
};

}  // namespace korvo
