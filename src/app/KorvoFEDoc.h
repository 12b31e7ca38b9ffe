#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "app/GlyphDrawing.h"
#include "app/UndoHistory.h"
#include "font/FontFile.h"
#include "font/KorvoFont.h"

namespace korvo {

class CData;
class CDrawObjTransformation;
class CPaper;
class IDocumentHost;

// Hints the views get with an update.
inline constexpr int kHintUpdateAll = 3001;
inline constexpr int kHintUpdateDrawing = 3002;
// Nodes of this type are never selectable.
inline constexpr std::int32_t kUnselectableNodeType = 11000;

// How opening a font file into a document went. A UI inspects it before it shows the document:
// the reader has already shown why a file could not be read or where it is damaged, but a file
// that may be no font at all, and glyphs that saving would change, are for the UI to ask about.
struct DocumentOpenOutcome {
    bool opened = false;  // false: the document already held a font; nothing was read
    FontReadOutcome font;
};

// One open font: the font itself, the sheet on which one glyph at a time is drawn, and the code of
// the character being edited. Everything it asks the user goes through its host.
class CKorvoFEDoc {
public:
    explicit CKorvoFEDoc(IDocumentHost& host);
    ~CKorvoFEDoc();
    CKorvoFEDoc(const CKorvoFEDoc&) = delete;
    CKorvoFEDoc& operator=(const CKorvoFEDoc&) = delete;

    // --- life of the document ----------------------------------------------------------------
    bool OnNewDocument();
    // Opens even when the file could not be read: the font is then empty.
    DocumentOpenOutcome OnOpenDocument(const std::string& path);
    // Writes the font; false, with the font still modified, when no font is present or the file
    // could not be written (the user has been told).
    bool OnSaveDocument(const std::string& path);
    void DeleteContents();
    // Before closing: offers to store the drawing, then to save the font. False keeps it open.
    bool SaveModified();
    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true) { modified_ = modified; }
    const std::string& GetPathName() const { return pathName_; }
    // Where a recovered font belongs; it is not read from there.
    void SetPathName(const std::string& path) { pathName_ = path; }

    // --- what the views and tools use ----------------------------------------------------------
    CKorvoFont& GetFont() { return font_; }
    const CKorvoFont& GetFont() const { return font_; }
    CPaper* GetPaper() const { return paper_.get(); }
    // A sheet laid out for glyph editing, made when the document has none yet.
    void EnsurePaper();
    // Where the document's questions go; the views ask the document's dialogs through it too.
    IDocumentHost& GetHost() const { return host_; }
    // Makes `paper` the document's sheet and hands back the previous one, which the caller keeps
    // or lets go.
    std::unique_ptr<CPaper> SetPaper(std::unique_ptr<CPaper> paper);
    int GetCurrentChar() const { return currentChar_; }
    void SetCurrentChar(int code) { currentChar_ = code; }
    int GetLineCount() const { return lineCount_; }
    // --- the change notice ---------------------------------------------------------------------
    // Whoever shows or keeps the document (the undo list, autosave, the preview, the window
    // title) hears here, once a change is complete, that what the document holds changed: undo
    // tells after each action that changed something and each move through its steps, and code
    // that changes the document beside the view's actions tells it itself.
    int Subscribe(std::function<void()> listener);
    void Unsubscribe(int id);
    void NotifyChanged();
    // Counts the notices: equal revisions mean nothing changed in between.
    std::uint64_t Revision() const { return revision_; }

    // What the user did to this document, for undo and redo.
    CUndoHistory& GetUndoHistory() { return undo_; }
    const CUndoHistory& GetUndoHistory() const { return undo_; }
    // The character under a sheet point of the character table, or -1.
    static int CharacterAtTablePoint(double x, double y);
    void OnHelpLines();
    // The character dialog, then the drawing is stored under the chosen code: 1 stored, 0 not.
    int StoreDrawingWithCharacterChoice();
    // 1 when the user wants to go on closing, 0 to stay open.
    int UpdateFontTablePrompt();
    void UpdateAllViews(int flag);
    static bool MaySelect(const CData* node);
    // The selection tool reports each element it selects, and each change its trackers make to
    // the selection (the nodes already carry it); this editor keeps nothing of either.
    void OnSelectionChanged(const CData*) {}
    void ApplyTransformation(const CDrawObjTransformation&, std::span<CData* const>) {}

    // --- glyph drawing commands ----------------------------------------------------------------
    int EncodeGlyph(CFontTable* table, int code);
    int DecodeGlyph(const CFontTable* table, int code);
    int CollectAreaElements(std::vector<CData*>& list, int mode);
    static int CountNeededPairs(const std::vector<CData*>& list);
    int ConvertArcsToLines();
    int TrimLinesToArea(int ask);
    static bool IsInDrawingArea(double x, double y);

private:
    std::unique_ptr<CPaper> MakePaper();
    CGlyphDrawing Glyphs();

    IDocumentHost& host_;
    CKorvoFont font_;
    std::int32_t fontPresent_ = 0;
    std::int32_t lineCount_ = 10;
    std::int32_t currentChar_ = -1;
    std::unique_ptr<CPaper> paper_;
    bool modified_ = false;
    std::string pathName_;
    std::vector<std::pair<int, std::function<void()>>> listeners_;
    int nextListener_ = 0;
    std::uint64_t revision_ = 0;
    CUndoHistory undo_{*this};
};

}  // namespace korvo
