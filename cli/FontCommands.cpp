#include "FontCommands.h"

#include <cstdio>
#include <iomanip>
#include <iostream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string_view>
#include <vector>

#include "StderrMessageHost.h"
#include "font/FontFile.h"
#include "font/KorvoFont.h"
#include "json/FontJson.h"
#include "platform/FileIo.h"

namespace korvo {

int ReportFontRead(const std::string& path, const FontReadOutcome& outcome) {
    if (!outcome.IsRead()) {
        return kExitFileError;
    }
    for (const std::string& warning :
         {DescribeForeignHeader(path, outcome), DescribeOffGridCodes(path, outcome),
          DescribeUnknownLetters(path, outcome)}) {
        if (!warning.empty()) {
            std::cerr << "korvofont: warning: " << warning << '\n';
        }
    }
    const bool damaged = outcome.damage || !outcome.unknownLetterCodes.empty();
    return damaged || !outcome.headerMatches ? kExitBadInput : kExitOk;
}

int OpenFont(const std::string& path, CKorvoFont& font) {
    CStderrMessageHost host;
    return ReportFontRead(path, font.LoadFontFile(path, 1, host));
}

int WriteText(const std::string& path, const std::string& text) {
    if (path.empty() || path == "-") {
        std::cout << text;
        std::cout.flush();
        return std::cout ? kExitOk : kExitFileError;
    }
    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text.data()),
                                              text.size());
    if (SaveFileAtomically(path, bytes) != FileSaveResult::Saved) {
        std::cerr << "korvofont: cannot write " << path << '\n';
        return kExitFileError;
    }
    return kExitOk;
}

namespace {

std::string CharacterLabel(int code) {
    return code > 32 && code < 127 ? std::string(1, static_cast<char>(code)) : std::string();
}

}  // namespace

int WriteFontOrReport(const CKorvoFont& font, const std::string& path) {
    CStderrMessageHost host;
    switch (font.WriteFontFile(path, host)) {
        case FontWriteResult::Written:
            return kExitOk;
        case FontWriteResult::NoTable:
        case FontWriteResult::CannotCreate:
            std::cerr << "korvofont: cannot create " << path << '\n';
            break;
        case FontWriteResult::WriteFailed:
            break;  // the writer has said so
    }
    return kExitFileError;
}

int RunInfo(const std::string& fontPath) {
    CKorvoFont font;
    const int status = OpenFont(fontPath, font);
    if (status == kExitFileError) {
        return status;
    }
    const CFontTable& table = *font.Table();
    std::ostringstream out;
    out << "Font:            " << table.FontName() << '\n'
        << "Defined glyphs:  " << table.DefinedCount() << '\n'
        << "Default advance: " << table.DefaultAdvance() << '\n';
    if (table.DefinedCount() > 0) {
        out << "\n code  char  pairs  left  width\n";
    }
    for (int code = 0; code < CFontTable::kGlyphCount; ++code) {
        if (!table.Entry(code).HasCommands()) {
            continue;
        }
        out << std::setw(5) << code << "  " << std::setw(4) << std::left << CharacterLabel(code)
            << std::right << std::setw(6) << table.CountCommandPairs(code) << std::setw(6)
            << table.Entry(code).left << std::setw(7) << table.Entry(code).glyphWidth << '\n';
    }
    std::cout << out.str();
    return status;
}

int RunDump(const std::string& fontPath, const std::string& outPath) {
    CKorvoFont font;
    const int status = OpenFont(fontPath, font);
    if (status == kExitFileError) {
        return status;
    }
    // File names need not be UTF-8; a stray byte must not make the dump fail.
    const std::string text =
        FontToJson(*font.Table()).dump(2, ' ', false, nlohmann::json::error_handler_t::replace) +
        "\n";
    const int written = WriteText(outPath, text);
    return written != kExitOk ? written : status;
}

int RunBuild(const std::string& jsonPath, const std::string& outPath) {
    std::vector<std::uint8_t> bytes;
    if (LoadWholeFile(jsonPath, bytes) != FileLoadResult::Loaded) {
        std::cerr << "korvofont: cannot read " << jsonPath << '\n';
        return kExitFileError;
    }
    nlohmann::json document;
    try {
        document = nlohmann::json::parse(bytes.begin(), bytes.end());
    } catch (const nlohmann::json::parse_error& error) {
        // The parser's text names the line and column, which is what a user needs to fix it.
        std::string_view detail = error.what();
        if (const std::size_t tag = detail.find("] "); tag != std::string_view::npos) {
            detail.remove_prefix(tag + 2);  // the library's exception id means nothing to users
        }
        std::cerr << "korvofont: " << jsonPath << " is not valid JSON: " << detail << '\n';
        return kExitBadInput;
    }
    const JsonFontParse parsed = GlyphsFromJson(document);
    for (const std::string& error : parsed.errors) {
        std::cerr << "korvofont: " << jsonPath << ": " << error << '\n';
    }
    if (!parsed.errors.empty()) {
        return kExitBadInput;
    }
    CKorvoFont font;
    font.NewTable(1);
    for (const JsonGlyph& glyph : parsed.glyphs) {
        if (glyph.code == 0) {
            std::cerr << "korvofont: note: code 0 is never written to a font file\n";
        }
        if (glyph.commands.size() > static_cast<std::size_t>(kMaxGlyphPairs)) {
            std::cerr << "korvofont: note: glyph " << glyph.code << " has " << glyph.commands.size()
                      << " pairs; the font file keeps the first 255\n";
        }
        font.Table()->StoreGlyph(glyph.code, glyph.commands);
    }
    font.Table()->RecomputeDefaultAdvance();
    return WriteFontOrReport(font, outPath);
}

}  // namespace korvo
