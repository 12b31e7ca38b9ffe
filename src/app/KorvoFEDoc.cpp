#include "app/KorvoFEDoc.h"

#include <algorithm>

#include "model/CharacterTable.h"
#include "model/Data.h"
#include "model/Paper.h"
#include "platform/DocumentHost.h"
#include "resources/StringTable.h"

namespace korvo {

namespace {

constexpr int kCell = static_cast<int>(kTableCell);

}  // namespace

CKorvoFEDoc::CKorvoFEDoc(IDocumentHost& host) : host_(host) {}

CKorvoFEDoc::~CKorvoFEDoc() = default;

std::unique_ptr<CPaper> CKorvoFEDoc::MakePaper() {
    auto paper =
        std::make_unique<CPaper>(0.0f, 0.0f, kSheetWidth, kSheetHeight, kSheetMargin, kSheetMargin,
                                 kSheetMargin, kSheetMargin, kSheetGrid, kSheetGrid);
    paper->SetFont(&font_);
    return paper;
}

void CKorvoFEDoc::EnsurePaper() {
    if (!paper_) {
        paper_ = MakePaper();
    }
}

// The glyph commands work on the document's sheet and keep the line count the user last chose.
CGlyphDrawing CKorvoFEDoc::Glyphs() {
    return CGlyphDrawing(*paper_, host_, lineCount_);
}

bool CKorvoFEDoc::OnNewDocument() {
    DeleteContents();
    font_.NewTable(1);
    fontPresent_ = 1;
    paper_ = MakePaper();
    undo_.Reset();
    return true;
}

DocumentOpenOutcome CKorvoFEDoc::OnOpenDocument(const std::string& path) {
    DocumentOpenOutcome outcome;
    if (fontPresent_ != 0) {
        return outcome;
    }
    outcome.font = font_.LoadFontFile(path, 1, host_);
    outcome.opened = true;
    fontPresent_ = 1;
    paper_ = MakePaper();
    pathName_ = path;
    undo_.Reset();
    return outcome;
}

bool CKorvoFEDoc::OnSaveDocument(const std::string& path) {
    if (fontPresent_ == 0) {
        return false;
    }
    // Until the file is written the font exists only here: a failed write keeps it marked.
    switch (font_.WriteFontFile(path, host_)) {
        case FontWriteResult::Written:
            break;
        case FontWriteResult::WriteFailed:
            return false;  // the writer has said so
        case FontWriteResult::NoTable:
        case FontWriteResult::CannotCreate:
            host_.ShowMessage(
                {MessageId::Fixed(FixedText::ErrorCreatingFontFile), {}, MessageButtons::Ok});
            return false;
    }
    modified_ = false;
    undo_.MarkSaved();
    pathName_ = path;
    return true;
}

int CKorvoFEDoc::Subscribe(std::function<void()> listener) {
    listeners_.emplace_back(++nextListener_, std::move(listener));
    return nextListener_;
}

void CKorvoFEDoc::Unsubscribe(int id) {
    std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

void CKorvoFEDoc::NotifyChanged() {
    ++revision_;
    // A listener may subscribe or leave while it hears the notice.
    const auto listeners = listeners_;
    for (const auto& entry : listeners) {
        entry.second();
    }
}

void CKorvoFEDoc::DeleteContents() {
    paper_.reset();
}

std::unique_ptr<CPaper> CKorvoFEDoc::SetPaper(std::unique_ptr<CPaper> paper) {
    std::swap(paper_, paper);
    if (paper_) {
        paper_->SetFont(&font_);
    }
    return paper;
}

bool CKorvoFEDoc::SaveModified() {
    if (UpdateFontTablePrompt() == 0) {
        return false;
    }
    if (!modified_) {
        return true;
    }
    switch (host_.AskSaveModified(pathName_)) {
        case MessageAnswer::Cancel:
            return false;
        case MessageAnswer::Yes:
            return OnSaveDocument(pathName_);
        default:
            return true;
    }
}

int CKorvoFEDoc::UpdateFontTablePrompt() {
    if (!paper_) {
        return 1;
    }
    std::vector<CData*> list;
    if (CollectAreaElements(list, kAreaLinesAndPoints) == 0) {
        return 1;
    }
    switch (host_.ShowMessage(
        {MessageId::String(IDS_UPDATE_FONT_TABLE), {}, MessageButtons::YesNoCancel})) {
        case MessageAnswer::Cancel:
            return 0;
        case MessageAnswer::Yes:
            StoreDrawingWithCharacterChoice();
            return 1;
        default:
            return 1;
    }
}

int CKorvoFEDoc::StoreDrawingWithCharacterChoice() {
    int code = currentChar_;
    if (!host_.AskCharacter(code)) {
        return 0;
    }
    return EncodeGlyph(font_.Table(), code);
}

int CKorvoFEDoc::CharacterAtTablePoint(double x, double y) {
    if (x < kTableLeft || x > kTableRight || y < 0.0 || y > kTableTop) {
        return -1;
    }
    const int column = std::min(static_cast<int>(x - kTableLeft) / kCell, kTableColumns - 1);
    const int row = std::min(static_cast<int>(kTableTop - y) / kCell, kTableRows - 1);
    const int code = kTableFirstCode + kTableColumns * row + column;
    return code < 33 ? -1 : code;
}

void CKorvoFEDoc::OnHelpLines() {
    if (!paper_) {
        return;
    }
    HelpLineValues values;
    for (int i = 0; i < CPaper::kHelpLineCount; ++i) {
        values.positions[i] = paper_->GetHelpLine(i);
        values.flags[i] = paper_->IsHelpLineShown(i) ? 1 : 0;
    }
    if (!host_.AskHelpLines(values)) {
        return;
    }
    for (int i = 0; i < CPaper::kHelpLineCount; ++i) {
        paper_->SetHelpLine(i, values.positions[i], values.flags[i] != 0);
    }
    host_.UpdateAllViews(0);
}

void CKorvoFEDoc::UpdateAllViews(int flag) {
    host_.UpdateAllViews(flag != 0 ? kHintUpdateAll : kHintUpdateDrawing);
}

bool CKorvoFEDoc::MaySelect(const CData* node) {
    return node == nullptr || node->GetType() != kUnselectableNodeType;
}

int CKorvoFEDoc::EncodeGlyph(CFontTable* table, int code) {
    if (!paper_) {
        return 0;
    }
    CGlyphDrawing glyphs = Glyphs();
    const int stored = glyphs.EncodeGlyph(table, code);
    if (glyphs.StoredSomething()) {
        modified_ = true;
    }
    return stored;
}

int CKorvoFEDoc::DecodeGlyph(const CFontTable* table, int code) {
    return paper_ ? Glyphs().DecodeGlyph(table, code) : 0;
}

int CKorvoFEDoc::CollectAreaElements(std::vector<CData*>& list, int mode) {
    list.clear();
    return paper_ ? Glyphs().CollectAreaElements(list, mode) : 0;
}

int CKorvoFEDoc::CountNeededPairs(const std::vector<CData*>& list) {
    return CGlyphDrawing::CountNeededPairs(list);
}

int CKorvoFEDoc::ConvertArcsToLines() {
    return paper_ ? Glyphs().ConvertArcsToLines() : 0;
}

int CKorvoFEDoc::TrimLinesToArea(int ask) {
    return paper_ ? Glyphs().TrimLinesToArea(ask) : 0;
}

bool CKorvoFEDoc::IsInDrawingArea(double x, double y) {
    return CGlyphDrawing::IsInDrawingArea(x, y);
}

}  // namespace korvo
