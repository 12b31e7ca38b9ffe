#include "GlyphCommands.h"

#include <charconv>
#include <cstdint>
#include <iostream>
#include <nlohmann/json.hpp>
#include <span>
#include <vector>

#include "CliDocumentHost.h"
#include "FontCommands.h"
#include "app/KorvoFEDoc.h"
#include "font/FontTable.h"
#include "font/GlyphStream.h"
#include "json/DrawingJson.h"
#include "model/Data.h"
#include "model/Paper.h"
#include "platform/FileIo.h"

namespace korvo {

namespace {

// encode stores into a fresh font, so any code will do; this one is never the space.
constexpr int kScratchCode = 255;
constexpr int kFewestArcLines = 2;
constexpr int kMostArcLines = 255;

int ReadDrawing(const std::string& path, DrawingRead& drawing) {
    std::vector<std::uint8_t> bytes;
    if (LoadWholeFile(path, bytes) != FileLoadResult::Loaded) {
        std::cerr << "korvofont: cannot read " << path << '\n';
        return kExitFileError;
    }
    drawing = ReadDrawingJson(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    for (const std::string& error : drawing.errors) {
        std::cerr << "korvofont: " << path << ": " << error << '\n';
    }
    return drawing.errors.empty() ? kExitOk : kExitBadInput;
}

void PutOnSheet(CKorvoFEDoc& doc, DrawingRead& drawing) {
    for (auto& node : drawing.nodes) {
        doc.GetPaper()->AddNode(std::move(node));
    }
}

int ReportRefusal(const CCliDocumentHost& host) {
    // The size refusal has already been shown with the count it needs.
    if (!host.TooManyPairsShown()) {
        std::cerr << "korvofont: the drawing could not be stored\n";
    }
    return kExitBadInput;
}

CliAnswers AnswersFor(const GlyphOptions& options) {
    CliAnswers answers;
    answers.trim = options.trim ? MessageAnswer::Yes : MessageAnswer::No;
    answers.lineCount = options.lineCount;
    answers.character = options.code;
    return answers;
}

nlohmann::ordered_json GlyphToJson(const GlyphEntry& entry) {
    nlohmann::ordered_json commands = nlohmann::ordered_json::array();
    for (const GlyphCommand& command : ReadGlyphCommands(entry.commands)) {
        commands.push_back({std::string(1, GlyphOpLetter(command.op)), command.x, command.y});
    }
    return {{"left", entry.left}, {"width", entry.glyphWidth}, {"commands", std::move(commands)}};
}

}  // namespace

std::optional<int> ParseArcLines(std::string_view text) {
    if (text == "max") {
        return 0;
    }
    int count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (error != std::errc() || end != text.data() + text.size() || count < kFewestArcLines ||
        count > kMostArcLines) {
        return std::nullopt;
    }
    return count;
}

int RunDecode(const std::string& fontPath, int code, const std::string& outPath) {
    CCliDocumentHost host;
    CKorvoFEDoc doc(host);
    const int status = ReportFontRead(fontPath, doc.OnOpenDocument(fontPath).font);
    if (status == kExitFileError) {
        return status;
    }
    if (doc.DecodeGlyph(doc.GetFont().Table(), code) == 0) {
        std::cerr << "korvofont: " << fontPath << " has no glyph " << code << '\n';
        return kExitBadInput;
    }
    const int written = WriteText(outPath, WriteDrawingJson(*doc.GetPaper()));
    return written != kExitOk ? written : status;
}

int RunEncode(const GlyphOptions& options) {
    DrawingRead drawing;
    if (const int status = ReadDrawing(options.drawingPath, drawing); status != kExitOk) {
        return status;
    }
    CCliDocumentHost host(AnswersFor(options));
    CKorvoFEDoc doc(host);
    doc.OnNewDocument();
    PutOnSheet(doc, drawing);
    CFontTable* table = doc.GetFont().Table();
    if (doc.EncodeGlyph(table, kScratchCode) == 0) {
        return ReportRefusal(host);
    }
    return WriteText(options.outPath, GlyphToJson(table->Entry(kScratchCode)).dump() + "\n");
}

int RunPut(const GlyphOptions& options) {
    DrawingRead drawing;
    if (const int status = ReadDrawing(options.drawingPath, drawing); status != kExitOk) {
        return status;
    }
    CCliDocumentHost host(AnswersFor(options));
    CKorvoFEDoc doc(host);
    const FontReadOutcome read = doc.OnOpenDocument(options.fontPath).font;
    const int status = ReportFontRead(options.fontPath, read);
    if (status == kExitFileError) {
        return status;
    }
    if (!read.IsClean()) {
        // Saving would lose what the reader left out, overwrite what may be no font, or change
        // glyphs nobody asked to change; nobody is there to say that is fine.
        std::cerr << "korvofont: " << options.fontPath << " is left as it is\n";
        return kExitBadInput;
    }
    PutOnSheet(doc, drawing);
    // The character dialog answers the code, so the glyph goes the way of the editor's own store.
    if (doc.StoreDrawingWithCharacterChoice() == 0) {
        return ReportRefusal(host);
    }
    // The document's own save does not say whether the file was written; the tool must.
    return WriteFontOrReport(doc.GetFont(),
                             options.outPath.empty() ? options.fontPath : options.outPath);
}

}  // namespace korvo
