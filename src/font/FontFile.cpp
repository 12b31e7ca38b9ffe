#include "font/FontFile.h"

#include <algorithm>
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
        pass.records.push_back({pos, count});
        pass.poolBytes += size;
        pos += kFontFileBlock * static_cast<std::size_t>(blocks);
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

void AppendRecord(std::vector<std::uint8_t>& out, int code, std::span<const std::uint8_t> stream,
                  int pairs) {
    const int count = std::min(pairs, kMaxGlyphPairs);
    const int used = 3 * count + 3;
    out.push_back(static_cast<std::uint8_t>(code));
    out.push_back(static_cast<std::uint8_t>(count));
    out.push_back(static_cast<std::uint8_t>(used / 16 + 1));
    for (const GlyphCommand& command : ReadGlyphCommands(stream, count)) {
        out.push_back(static_cast<std::uint8_t>(GlyphOpLetter(command.op)));
        out.push_back(command.x);
        out.push_back(command.y);
    }
    out.insert(out.end(), static_cast<std::size_t>(16 - used % 16), std::uint8_t{0});
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
    const SizePass pass = ScanRecords(bytes, owns == 0, outcome);
    if (owns == 0) {
        table.ReservePool(pass.poolBytes);
    }
    for (const RecordPlace& place : pass.records) {
        const int code = bytes[place.offset];
        if (!table.StoreGlyph(code, RecordCommands(bytes, place))) {
            break;  // cannot happen: the pool was sized from these very records
        }
        ++outcome.recordsRead;
        table.SetDefaultAdvance(std::max(table.DefaultAdvance(), table.Entry(code).glyphWidth));
    }
    table.SetDefaultAdvance(table.DefaultAdvance() / 3);
    return outcome;
}

std::vector<std::uint8_t> EncodeFontFile(const CFontTable& table) {
    std::vector<std::uint8_t> out(kFontFileHeader.begin(), kFontFileHeader.end());
    for (int code = 1; code < CFontTable::kGlyphCount; ++code) {
        const int pairs = table.CountCommandPairs(code);
        if (pairs >= 1) {
            AppendRecord(out, code, table.Entry(code).commands, pairs);
        }
    }
    out.insert(out.end(), kFontFileBlock, std::uint8_t{0});
    return out;
}

std::string DescribeDamage(const std::string& path, const FontReadOutcome& outcome) {
    if (!outcome.damage) {
        return {};
    }
    const FontFileDamage& damage = *outcome.damage;
    return "Font file " + path + " is damaged: character record " + std::to_string(damage.record) +
           " (byte offset " + std::to_string(damage.offset) + ") " + damage.reason + ".\nThe " +
           std::to_string(outcome.recordsRead) +
           " characters before it were read; the rest of the file was left out.";
}

int ReadFontFile(CFontTable& table, const std::string& path, int owns, IMessageHost& host,
                 FontReadOutcome* outcome) {
    std::vector<std::uint8_t> bytes;
    const FileLoadResult loaded = LoadWholeFile(path, bytes);
    if (loaded == FileLoadResult::CannotOpen) {
        host.ShowMessage(FormatMessage(kMsgFontFileNotFound, path), MessageButtons::Ok);
        return 0;
    }
    if (loaded != FileLoadResult::Loaded) {
        table.Clear();
        table.Init(owns);
        table.SetFontName(FontNameFromPath(path));
        host.ShowMessage(LoadString(IDS_ERROR_IN_FONT), MessageButtons::Ok);
        return 0;
    }
    const FontReadOutcome result = ParseFontFile(table, bytes, owns, FontNameFromPath(path));
    if (result.damage) {
        host.ShowMessage(DescribeDamage(path, result), MessageButtons::Ok);
    }
    if (outcome != nullptr) {
        *outcome = result;
    }
    return 1;
}

int WriteFontFile(const CFontTable& table, const std::string& path, IMessageHost& host) {
    switch (SaveFileAtomically(path, EncodeFontFile(table))) {
        case FileSaveResult::Saved:
            return 1;
        case FileSaveResult::CannotCreate:
            return 0;
        case FileSaveResult::WriteFailed:
            break;
    }
    host.ShowMessage(kMsgErrorCreatingFontFile, MessageButtons::Ok);
    return 0;
}

}  // namespace korvo
