#include "app/DocumentState.h"

#include <algorithm>
#include <span>

#include "app/KorvoFEDoc.h"
#include "font/FontFile.h"
#include "font/FontTable.h"
#include "font/GlyphStream.h"
#include "model/Data.h"
#include "model/DataCollection.h"
#include "model/DrawingClasses.h"
#include "model/Paper.h"
#include "platform/Archive.h"

namespace korvo {

namespace {

constexpr int kCodes = CFontTable::kGlyphCount;

// Visits the nodes an archive stores, in the order it stores them: floating nodes are still
// being placed by a tool and are not part of the drawing.
template <class Collection, class Visit>
void VisitStored(Collection& collection, std::uint32_t& index, Visit&& visit) {
    for (auto* node : collection) {
        if (node->IsFloating()) {
            continue;
        }
        visit(*node, index++);
        if (auto* children = node->GetChildren()) {
            VisitStored(*children, index, visit);
        }
    }
}

SheetSettings SettingsOf(const CPaper& paper) {
    SheetSettings sheet;
    for (int i = 0; i < CPaper::kHelpLineCount; ++i) {
        sheet.helpLines[static_cast<std::size_t>(i)] = paper.GetHelpLine(i);
        sheet.helpLinesShown[static_cast<std::size_t>(i)] = paper.IsHelpLineShown(i) ? 1 : 0;
    }
    sheet.grid = paper.GetGrid();
    sheet.showGrid = paper.IsShowGrid() ? 1 : 0;
    sheet.gridOrigin = paper.GetGridOrigin();
    sheet.crossGrid = paper.GetCrossGrid();
    sheet.showTable = paper.IsShowTable() ? 1 : 0;
    return sheet;
}

void ApplyUndoable(const SheetSettings& sheet, CPaper& paper) {
    for (int i = 0; i < CPaper::kHelpLineCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        paper.SetHelpLine(i, sheet.helpLines[at], sheet.helpLinesShown[at] != 0);
    }
    paper.SetGrid(sheet.grid.x, sheet.grid.y);
    paper.SetShowGrid(sheet.showGrid != 0);
}

std::span<const std::uint8_t> StreamOf(const GlyphEntry& entry) {
    return entry.commands.first(StreamLength(entry.commands));
}

// Compared in place: most actions change no entry, and reading all 256 would allocate.
bool Matches(const StoredGlyph& kept, const GlyphEntry& entry) {
    if (kept.defined != entry.HasCommands() || kept.left != entry.left ||
        kept.glyphWidth != entry.glyphWidth) {
        return false;
    }
    if (!kept.defined) {
        return true;
    }
    const std::span<const std::uint8_t> stream = StreamOf(entry);
    return std::equal(stream.begin(), stream.end(), kept.stream.begin(), kept.stream.end());
}

std::shared_ptr<const StoredGlyph> Read(const GlyphEntry& entry) {
    auto glyph = std::make_shared<StoredGlyph>();
    glyph->left = entry.left;
    glyph->glyphWidth = entry.glyphWidth;
    glyph->defined = entry.HasCommands();
    if (glyph->defined) {
        const std::span<const std::uint8_t> stream = StreamOf(entry);
        glyph->stream.assign(stream.begin(), stream.end());
    }
    return glyph;
}

// The grid, help lines and blank width, which neither the font file nor the sheet's archive
// keeps, in the order a recovery file holds them.
CDocumentState::Bytes SettingsBytes(const SheetSettings& sheet, std::int32_t advance) {
    CArchive ar;
    ar.Write<std::int32_t>(advance);
    for (const PointF p : {sheet.grid, sheet.gridOrigin, sheet.crossGrid}) {
        ar.Write(p.x);
        ar.Write(p.y);
    }
    ar.Write<std::int32_t>(sheet.showTable);
    for (std::size_t i = 0; i < sheet.helpLines.size(); ++i) {
        ar.Write(sheet.helpLines[i]);
        ar.Write<std::int32_t>(sheet.helpLinesShown[i]);
    }
    return ar.TakeBytes();
}

bool ApplySettingsBytes(CPaper& paper, CFontTable& table, const CDocumentState::Bytes& bytes) {
    CArchive ar(bytes, DrawingClasses());
    const std::int32_t advance = ar.Read<std::int32_t>();
    std::array<PointF, 3> points{};
    for (PointF& p : points) {
        p.x = ar.Read<float>();
        p.y = ar.Read<float>();
    }
    const bool showTable = ar.Read<std::int32_t>() != 0;
    std::array<std::pair<float, bool>, CPaper::kHelpLineCount> lines{};
    for (auto& [position, shown] : lines) {
        position = ar.Read<float>();
        shown = ar.Read<std::int32_t>() != 0;
    }
    if (ar.IsFailed() || ar.Remaining() != 0) {
        return false;
    }
    table.SetDefaultAdvance(advance);
    paper.SetGrid(points[0].x, points[0].y);
    paper.SetGridOrigin(points[1].x, points[1].y);
    paper.SetCrossGrid(points[2].x, points[2].y);
    paper.SetShowTable(showTable);
    for (int i = 0; i < CPaper::kHelpLineCount; ++i) {
        paper.SetHelpLine(i, lines[i].first, lines[i].second);
    }
    return true;
}

}  // namespace

bool SheetSettings::SameUndoable(const SheetSettings& other) const {
    return helpLines == other.helpLines && helpLinesShown == other.helpLinesShown &&
           grid == other.grid && showGrid == other.showGrid;
}

std::optional<CDocumentState> CDocumentState::Capture(const CKorvoFEDoc& document,
                                                      const CDocumentState* previous) {
    CPaper* paper = document.GetPaper();
    if (paper == nullptr) {
        return std::nullopt;
    }
    CArchive out;
    paper->Serialize(out);
    if (out.IsFailed()) {
        return std::nullopt;
    }
    CDocumentState state;
    if (previous != nullptr && previous->paper_ && *previous->paper_ == out.Bytes()) {
        state.paper_ = previous->paper_;
    } else {
        Bytes bytes = out.TakeBytes();
        // The archive grew its buffer by doubling; a kept state holds only what it needs.
        bytes.shrink_to_fit();
        state.paper_ = std::make_shared<const Bytes>(std::move(bytes));
    }
    std::uint32_t index = 0;
    VisitStored(*paper->GetCollection(), index, [&state](const CData& node, std::uint32_t at) {
        if (node.GetMark() != kMarkNormal) {
            state.marks_.emplace_back(at, node.GetMark());
        }
    });
    state.sheet_ = SettingsOf(*paper);
    state.currentChar_ = document.GetCurrentChar();
    state.path_ = document.GetPathName();

    const CFontTable* table = document.GetFont().Table();
    if (table == nullptr) {
        return state;
    }
    const Font* before = previous != nullptr ? previous->font_.get() : nullptr;
    std::shared_ptr<Font> font;
    for (int code = 0; code < kCodes; ++code) {
        const auto at = static_cast<std::size_t>(code);
        const GlyphEntry& entry = table->Entry(code);
        if (before != nullptr && Matches(*before->glyphs[at], entry)) {
            if (font) {
                font->glyphs[at] = before->glyphs[at];
            }
            continue;
        }
        if (!font) {
            font = std::make_shared<Font>();
            for (int earlier = 0; earlier < code; ++earlier) {
                const auto from = static_cast<std::size_t>(earlier);
                font->glyphs[from] = before->glyphs[from];
            }
        }
        font->glyphs[at] = Read(entry);
    }
    if (!font && before->advance == table->DefaultAdvance()) {
        state.font_ = previous->font_;
        return state;
    }
    if (!font) {
        font = std::make_shared<Font>(*before);
    }
    font->advance = table->DefaultAdvance();
    state.font_ = std::move(font);
    return state;
}

bool CDocumentState::SameFont(const Font* a, const Font* b) {
    if (a == b) {
        return true;
    }
    if (a == nullptr || b == nullptr || a->advance != b->advance) {
        return false;
    }
    return std::equal(a->glyphs.begin(), a->glyphs.end(), b->glyphs.begin(),
                      [](const auto& x, const auto& y) { return x == y || *x == *y; });
}

bool CDocumentState::SamePaper(const CDocumentState& other) const {
    return paper_ == other.paper_ || (paper_ && other.paper_ && *paper_ == *other.paper_);
}

bool CDocumentState::SameEdit(const CDocumentState& other) const {
    return SamePaper(other) && marks_ == other.marks_ && sheet_.SameUndoable(other.sheet_) &&
           currentChar_ == other.currentChar_ && SameFont(font_.get(), other.font_.get());
}

bool CDocumentState::SameContent(const CDocumentState& other) const {
    return SamePaper(other) && sheet_ == other.sheet_ && currentChar_ == other.currentChar_ &&
           path_ == other.path_ && SameFont(font_.get(), other.font_.get());
}

bool CDocumentState::RestoreTo(CKorvoFEDoc& document, const CDocumentState& now) const {
    CPaper* paper = document.GetPaper();
    if (paper == nullptr) {
        return false;
    }
    CArchive in(*paper_, DrawingClasses());
    std::int32_t storedShowGrid = 0;
    std::unique_ptr<CDataCollection> drawing = CPaper::ReadStored(in, storedShowGrid);
    if (in.IsFailed() || !drawing) {
        return false;
    }
    // Marks go on in visiting order, each node after its group, so a group's mark never
    // overrides what its members had.
    auto next = marks_.begin();
    std::uint32_t index = 0;
    VisitStored(*drawing, index, [this, &next](CData& node, std::uint32_t at) {
        std::uint16_t mark = kMarkNormal;
        if (next != marks_.end() && next->first == at) {
            mark = next->second;
            ++next;
        }
        node.SetMark(mark);
    });
    paper->ReplaceCollection(std::move(drawing));
    ApplyUndoable(sheet_, *paper);
    CFontTable* table = document.GetFont().Table();
    if (table != nullptr && font_ && now.font_ && font_ != now.font_) {
        for (int code = 0; code < kCodes; ++code) {
            const auto at = static_cast<std::size_t>(code);
            const StoredGlyph& glyph = *font_->glyphs[at];
            if (font_->glyphs[at] != now.font_->glyphs[at]) {
                table->RestoreGlyph(code, glyph.left, glyph.glyphWidth, glyph.defined,
                                    glyph.stream);
            }
        }
        table->SetDefaultAdvance(font_->advance);
    }
    document.SetCurrentChar(currentChar_);
    return true;
}

std::size_t CDocumentState::BytesBeyond(const CDocumentState* previous) const {
    std::size_t bytes = sizeof(CDocumentState) + marks_.capacity() * sizeof(Mark);
    if (paper_ && (previous == nullptr || previous->paper_ != paper_)) {
        bytes += paper_->capacity();
    }
    // The first state's font is one copy per document that does not grow with the steps, which
    // is what the bound is for; only what steps add is counted.
    const Font* before = previous != nullptr ? previous->font_.get() : nullptr;
    if (font_ && before != nullptr && before != font_.get()) {
        bytes += sizeof(Font);
        for (std::size_t at = 0; at < font_->glyphs.size(); ++at) {
            if (before->glyphs[at] != font_->glyphs[at]) {
                bytes += sizeof(StoredGlyph) + font_->glyphs[at]->stream.capacity();
            }
        }
    }
    return bytes;
}

RecoveryRecord CDocumentState::Record(const std::string& title, std::int64_t nowMs) const {
    RecoveryRecord record;
    record.originalPath = path_;
    record.title = title;
    record.savedAtMs = nowMs;
    record.currentChar = currentChar_;
    if (font_ && paper_) {
        // The font file is written from a table, as saving writes it.
        CFontTable table;
        table.Clear();
        table.Init(1);
        for (int code = 0; code < kCodes; ++code) {
            const StoredGlyph& glyph = *font_->glyphs[static_cast<std::size_t>(code)];
            table.RestoreGlyph(code, glyph.left, glyph.glyphWidth, glyph.defined, glyph.stream);
        }
        record.fontBytes = EncodeFontFile(table);
        record.paperBytes = *paper_;
        record.sheetBytes = SettingsBytes(sheet_, font_->advance);
    }
    return record;
}

RecoveryRecord CDocumentState::RecordOf(const CKorvoFEDoc& document, const std::string& title,
                                        std::int64_t nowMs) {
    if (const std::optional<CDocumentState> state = Capture(document)) {
        return state->Record(title, nowMs);
    }
    RecoveryRecord record;
    record.originalPath = document.GetPathName();
    record.title = title;
    record.savedAtMs = nowMs;
    record.currentChar = document.GetCurrentChar();
    return record;
}

bool CDocumentState::Restore(CKorvoFEDoc& document, const RecoveryRecord& record,
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
