#include "font/FontFile.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>

#include "font/FontTable.h"
#include "font/GlyphStream.h"
#include "platform/FileIo.h"
#include "platform/MessageHost.h"
#include "resources/StringTable.h"

namespace korvo {

namespace {

struct RecordPlace {
    std::size_t offset;
    int commandCount;
    bool unknownLetter;
};

struct SizePass {
    std::vector<RecordPlace> records;
    std::uint32_t poolBytes = 0;
};

void PrintUnknownLetter() {
    std::fputs("err2\n", stdout);
}

std::string HexByte(std::uint8_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value);
    return text;
}

// Finds the records and the pool size they need, stopping at the first record that would make
// the reader step outside the file or never advance.
SizePass ScanRecords(std::span<const std::uint8_t> bytes, bool pooled, FontReadOutcome& outcome) {
    SizePass pass;
    std::size_t pos = kFontFileBlock;
    int record = 0;
    const auto damaged = [&](std::size_t offset, std::string reason) {
        outcome.damage = FontFileDamage{record, offset, std::move(reason)};
    };
    while (pos < bytes.size() && bytes[pos] != 0) {
        ++record;
        if (bytes.size() - pos < 3) {
            damaged(pos, "is cut off inside its header");
            break;
        }
        const int count = bytes[pos + 1];
        const int blocks = bytes[pos + 2];
        if (blocks == 0) {
            damaged(pos + 2, "claims to fill 0 blocks");
            break;
        }
        if (3 + 3 * static_cast<std::size_t>(count) > bytes.size() - pos) {
            damaged(pos + 1,
                    "has " + std::to_string(count) + " commands that run past the end of the file");
            break;
        }
        std::uint32_t size = 1;
        bool bad = false;
        bool unknown = false;
        for (int i = 0; i < count && !bad; ++i) {
            const std::size_t at = pos + 3 + 3 * static_cast<std::size_t>(i);
            switch (bytes[at]) {
                case 'd':
                    size += 2;
                    break;
                case 'm':
                case 'o':
                    size += 3;
                    break;
                default:
                    PrintUnknownLetter();
                    ++outcome.unknownLetters;
                    unknown = true;
                    // Shared storage is sized by this pass; a pair it cannot place would
                    // overrun it, so in pooled mode the unknown letter ends the reading.
                    if (pooled) {
                        damaged(at, "has the unknown command letter " + HexByte(bytes[at]));
                        bad = true;
                    }
                    break;
            }
        }
        if (bad) {
            break;
        }
        pass.records.push_back({pos, count, unknown});
        pass.poolBytes += size;
        pos += kFontFileBlock * static_cast<std::size_t>(blocks);
    }
    // A download cut short at a record boundary would otherwise pass for a smaller font.
    if (!outcome.damage && pos >= bytes.size()) {
        outcome.damage = FontFileDamage{record + 1, bytes.size(), "", true};
    }
    return pass;
}

std::vector<GlyphCommand> RecordCommands(std::span<const std::uint8_t> bytes,
                                         const RecordPlace& place) {
    std::vector<GlyphCommand> commands(static_cast<std::size_t>(place.commandCount));
    for (std::size_t i = 0; i < commands.size(); ++i) {
        const std::size_t at = place.offset + 3 + 3 * i;
        const std::uint8_t letter = bytes[at];
        commands[i].op = letter == 'm'   ? GlyphOp::Move
                         : letter == 'o' ? GlyphOp::Point
                                         : GlyphOp::Draw;
        commands[i].x = bytes[at + 1];
        commands[i].y = bytes[at + 2];
    }
    return commands;
}

bool IsCommandValue(std::uint8_t value) {
    return value == CMD_MOVE || value == CMD_POINT || value == CMD_END;
}

bool HasOffGridCoordinates(std::span<const GlyphCommand> commands) {
    return std::any_of(commands.begin(), commands.end(), [](const GlyphCommand& command) {
        return IsCommandValue(command.x) || IsCommandValue(command.y);
    });
}

std::size_t RecordSize(int count) {
    return kFontFileBlock * (static_cast<std::size_t>(3 * count + 3) / kFontFileBlock + 1);
}

// Writes one record into `out`, which holds RecordSize(count) zeroed bytes.
void WriteRecord(std::uint8_t* out, int code, std::span<const std::uint8_t> stream, int count) {
    out[0] = static_cast<std::uint8_t>(code);
    out[1] = static_cast<std::uint8_t>(count);
    out[2] = static_cast<std::uint8_t>(RecordSize(count) / kFontFileBlock);
    out += 3;
    WalkGlyphPairs(stream, count, [&out](GlyphOp op, std::uint8_t x, std::uint8_t y) {
        out[0] = static_cast<std::uint8_t>(GlyphOpLetter(op));
        out[1] = x;
        out[2] = y;
        out += 3;
    });
}

std::string CodeList(const std::vector<int>& codes) {
    std::string list;
    for (const int code : codes) {
        list += (list.empty() ? "" : ", ") + std::to_string(code);
    }
    return list;
}

std::vector<int> CodesOf(const std::array<bool, CFontTable::kGlyphCount>& flags) {
    std::vector<int> codes;
    for (int code = 0; code < CFontTable::kGlyphCount; ++code) {
        if (flags[code]) {
            codes.push_back(code);
        }
    }
    return codes;
}

}  // namespace

std::string FontNameFromPath(const std::string& path) {
    return std::filesystem::path(path).stem().string();
}

FontReadOutcome ParseFontFile(CFontTable& table, std::span<const std::uint8_t> bytes, int owns,
                              std::string fontName) {
    table.Clear();
    table.Init(owns);
    table.SetFontName(std::move(fontName));

    FontReadOutcome outcome;
    outcome.headerMatches =
        bytes.size() >= kFontFileHeader.size() &&
        std::equal(kFontFileHeader.begin(), kFontFileHeader.end(), bytes.begin());
    const SizePass pass = ScanRecords(bytes, owns == 0, outcome);
    if (owns == 0) {
        table.ReservePool(pass.poolBytes);
    }
    // A later record of a code replaces the earlier one, and with it whether it is off the grid
    // or was guessed at.
    std::array<bool, CFontTable::kGlyphCount> offGrid{};
    std::array<bool, CFontTable::kGlyphCount> guessed{};
    for (const RecordPlace& place : pass.records) {
        const int code = bytes[place.offset];
        const std::vector<GlyphCommand> commands = RecordCommands(bytes, place);
        if (!table.StoreGlyph(code, commands)) {
            break;  // cannot happen: the pool was sized from these very records
        }
        offGrid[code] = HasOffGridCoordinates(commands);
        guessed[code] = place.unknownLetter;
        ++outcome.recordsRead;
        table.SetDefaultAdvance(std::max(table.DefaultAdvance(), table.Entry(code).glyphWidth));
    }
    table.SetDefaultAdvance(table.DefaultAdvance() / 3);
    outcome.offGridCodes = CodesOf(offGrid);
    outcome.unknownLetterCodes = CodesOf(guessed);
    return outcome;
}

std::vector<std::uint8_t> EncodeFontFile(const CFontTable& table) {
    // Sized first and then filled in place: the records are mostly copied bytes, and growing the
    // output as they come would cost more than the copying.
    std::array<int, CFontTable::kGlyphCount> counts{};
    std::size_t size = kFontFileHeader.size() + kFontFileBlock;
    for (int code = 1; code < CFontTable::kGlyphCount; ++code) {
        counts[code] = std::min(table.CountCommandPairs(code), kMaxGlyphPairs);
        size += counts[code] >= 1 ? RecordSize(counts[code]) : 0;
    }
    std::vector<std::uint8_t> out(size, 0);
    std::copy(kFontFileHeader.begin(), kFontFileHeader.end(), out.begin());
    std::uint8_t* at = out.data() + kFontFileHeader.size();
    for (int code = 1; code < CFontTable::kGlyphCount; ++code) {
        if (counts[code] >= 1) {
            WriteRecord(at, code, table.Entry(code).commands, counts[code]);
            at += RecordSize(counts[code]);
        }
    }
    return out;  // the end block is the zeros left at the end
}

std::optional<MessageRequest> DamageMessage(const std::string& path,
                                            const FontReadOutcome& outcome) {
    if (!outcome.damage) {
        return std::nullopt;
    }
    const FontFileDamage& damage = *outcome.damage;
    const auto offset = static_cast<long long>(damage.offset);
    const long long kept = outcome.recordsRead;
    if (damage.endMissing) {
        return MessageRequest{MessageId::Fixed(FixedText::FontFileCutShort),
                              {path, offset, kept},
                              MessageButtons::Ok};
    }
    return MessageRequest{
        MessageId::Fixed(FixedText::FontFileDamaged),
        {path, static_cast<long long>(damage.record), offset, damage.reason, kept},
        MessageButtons::Ok};
}

std::string DescribeDamage(const std::string& path, const FontReadOutcome& outcome) {
    const std::optional<MessageRequest> message = DamageMessage(path, outcome);
    return message ? FormatMessageText(*message) : std::string();
}

std::string DescribeForeignHeader(const std::string& path, const FontReadOutcome& outcome) {
    if (!outcome.IsRead() || outcome.headerMatches) {
        return {};
    }
    return "File " + path + " does not start with the header \"" + std::string(kFontFileHeader) +
           "\" of a font file; it may not be a font at all.";
}

std::string DescribeOffGridCodes(const std::string& path, const FontReadOutcome& outcome) {
    if (outcome.offGridCodes.empty()) {
        return {};
    }
    return "Font file " + path + ": the glyphs of codes " + CodeList(outcome.offGridCodes) +
           " have coordinates 201 to 203, which a font file cannot hold apart from its commands; "
           "saving the font may change them.";
}

std::string DescribeUnknownLetters(const std::string& path, const FontReadOutcome& outcome) {
    if (outcome.unknownLetterCodes.empty()) {
        return {};
    }
    const bool one = outcome.unknownLetterCodes.size() == 1;
    return "Font file " + path + " is damaged: the " +
           (one ? "glyph of code " : "glyphs of codes ") + CodeList(outcome.unknownLetterCodes) +
           (one ? " holds" : " hold") +
           " unknown command letters. Their pairs were read as lines drawn to them, which may be "
           "scribble; saving the font writes them so. Check them before saving.";
}

FontReadOutcome ReadFontFile(CFontTable& table, const std::string& path, int owns,
                             IMessageHost& host) {
    FontReadOutcome outcome;
    std::vector<std::uint8_t> bytes;
    const FileLoadResult loaded = LoadWholeFile(path, bytes);
    if (loaded == FileLoadResult::CannotOpen) {
        host.ShowMessage(
            {MessageId::Fixed(FixedText::FontFileNotFound), {path}, MessageButtons::Ok});
        outcome.result = FontReadResult::CannotOpen;
        return outcome;
    }
    if (loaded != FileLoadResult::Loaded) {
        table.Clear();
        table.Init(owns);
        table.SetFontName(FontNameFromPath(path));
        host.ShowMessage({MessageId::String(IDS_ERROR_IN_FONT), {}, MessageButtons::Ok});
        outcome.result = FontReadResult::CannotLoad;
        return outcome;
    }
    outcome = ParseFontFile(table, bytes, owns, FontNameFromPath(path));
    if (const std::optional<MessageRequest> damage = DamageMessage(path, outcome)) {
        host.ShowMessage(*damage);
    }
    return outcome;
}

FontWriteResult WriteFontFile(const CFontTable& table, const std::string& path,
                              IMessageHost& host) {
    switch (SaveFileAtomically(path, EncodeFontFile(table))) {
        case FileSaveResult::Saved:
            return FontWriteResult::Written;
        case FileSaveResult::CannotCreate:
            return FontWriteResult::CannotCreate;
        case FileSaveResult::WriteFailed:
            break;
    }
    host.ShowMessage({MessageId::Fixed(FixedText::ErrorCreatingFontFile), {}, MessageButtons::Ok});
    return FontWriteResult::WriteFailed;
}

}  // namespace korvo
