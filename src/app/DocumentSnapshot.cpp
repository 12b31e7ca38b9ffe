#include "app/DocumentSnapshot.h"

#include "app/KorvoFEDoc.h"
#include "font/FontFile.h"
#include "font/FontTable.h"
#include "model/DrawingClasses.h"
#include "model/Paper.h"
#include "platform/Archive.h"

namespace korvo {

namespace {

void WritePoint(CArchive& ar, PointF p) {
    ar.Write(p.x);
    ar.Write(p.y);
}

PointF ReadPoint(CArchive& ar) {
    const float x = ar.Read<float>();
    const float y = ar.Read<float>();
    return {x, y};
}

}  // namespace

std::vector<std::uint8_t> CDocumentSnapshot::SettingsBytes(const CPaper& paper,
                                                           const CFontTable& table) {
    CArchive ar;
    ar.Write<std::int32_t>(table.DefaultAdvance());
    WritePoint(ar, paper.GetGrid());
    WritePoint(ar, paper.GetGridOrigin());
    WritePoint(ar, paper.GetCrossGrid());
    ar.Write<std::int32_t>(paper.IsShowTable() ? 1 : 0);
    for (int i = 0; i < CPaper::kHelpLineCount; ++i) {
        ar.Write(paper.GetHelpLine(i));
        ar.Write<std::int32_t>(paper.IsHelpLineShown(i) ? 1 : 0);
    }
    return ar.TakeBytes();
}

bool CDocumentSnapshot::ApplySettingsBytes(CPaper& paper, CFontTable& table,
                                           const std::vector<std::uint8_t>& bytes) {
    CArchive ar(bytes, DrawingClasses());
    const std::int32_t defaultAdvance = ar.Read<std::int32_t>();
    const PointF grid = ReadPoint(ar);
    const PointF gridOrigin = ReadPoint(ar);
    const PointF crossGrid = ReadPoint(ar);
    const bool showTable = ar.Read<std::int32_t>() != 0;
    std::array<std::pair<float, bool>, CPaper::kHelpLineCount> lines{};
    for (auto& [position, shown] : lines) {
        position = ar.Read<float>();
        shown = ar.Read<std::int32_t>() != 0;
    }
    if (ar.IsFailed() || ar.Remaining() != 0) {
        return false;
    }
    table.SetDefaultAdvance(defaultAdvance);
    paper.SetGrid(grid.x, grid.y);
    paper.SetGridOrigin(gridOrigin.x, gridOrigin.y);
    paper.SetCrossGrid(crossGrid.x, crossGrid.y);
    paper.SetShowTable(showTable);
    for (int i = 0; i < CPaper::kHelpLineCount; ++i) {
        paper.SetHelpLine(i, lines[i].first, lines[i].second);
    }
    return true;
}

std::vector<std::uint8_t> CDocumentSnapshot::PaperBytes(CPaper& paper) {
    CArchive ar;
    paper.Serialize(ar);
    return ar.TakeBytes();
}

RecoveryRecord CDocumentSnapshot::Take(const CKorvoFEDoc& document, const std::string& title,
                                       std::int64_t nowMs) {
    RecoveryRecord record;
    record.originalPath = document.GetPathName();
    record.title = title;
    record.savedAtMs = nowMs;
    record.currentChar = document.GetCurrentChar();
    const CFontTable* table = document.GetFont().Table();
    CPaper* paper = document.GetPaper();
    if (table != nullptr && paper != nullptr) {
        record.fontBytes = EncodeFontFile(*table);
        record.paperBytes = PaperBytes(*paper);
        record.sheetBytes = SettingsBytes(*paper, *table);
    }
    return record;
}

std::uint32_t CDocumentSnapshot::Digest(const RecoveryRecord& record) {
    // The time and names do not make a change; only what the user edits does.
    RecoveryRecord content = record;
    content.savedAtMs = 0;
    content.title.clear();
    const std::vector<std::uint8_t> bytes = CRecoveryFile::Encode(content);
    // Not over the whole encoding: a CRC over data followed by its own CRC is the same for
    // every input.
    return CRecoveryFile::Crc32(std::span(bytes).first(bytes.size() - 4));
}

bool CDocumentSnapshot::Restore(CKorvoFEDoc& document, const RecoveryRecord& record,
                                std::string& error) {
    document.OnNewDocument();
    CPaper& paper = *document.GetPaper();
    CFontTable& table = *document.GetFont().Table();
    const std::string name =
        record.originalPath.empty() ? std::string() : FontNameFromPath(record.originalPath);
    const FontReadOutcome font = ParseFontFile(table, record.fontBytes, 1, name);
    if (!font.IsRead() || !font.headerMatches || font.damage) {
        error = "its font is damaged";
        document.OnNewDocument();
        return false;
    }
    CArchive ar(record.paperBytes, DrawingClasses());
    paper.Serialize(ar);
    if (ar.IsFailed() || ar.Remaining() != 0) {
        error = "its drawing is damaged" + (ar.IsFailed() ? " (" + ar.Error() + ")" : "");
        document.OnNewDocument();
        return false;
    }
    if (!ApplySettingsBytes(paper, table, record.sheetBytes)) {
        error = "its grid and help lines are damaged";
        document.OnNewDocument();
        return false;
    }
    document.SetCurrentChar(record.currentChar);
    document.SetPathName(record.originalPath);
    document.SetModifiedFlag(true);
    // Undo starts at what was recovered; stepping back must not reach the empty font the
    // restore began with.
    document.GetUndoHistory().Reset();
    return true;
}

}  // namespace korvo
