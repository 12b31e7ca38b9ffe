#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/RecoveryFile.h"
#include "geometry/PlaneGeometry.h"

namespace korvo {

class CKorvoFEDoc;

// The grid and help lines of a sheet. The first group is what a user changes on purpose and
// takes back with undo; the rest is kept only so that a recovered sheet looks as it did. Zoom
// and scrolling belong to the view and are no part of either.
struct SheetSettings {
    std::array<float, 7> helpLines{};
    std::array<std::int32_t, 7> helpLinesShown{};
    PointF grid;
    std::int32_t showGrid = 0;
    // Not undone.
    PointF gridOrigin;
    PointF crossGrid;
    std::int32_t showTable = 0;

    bool SameUndoable(const SheetSettings& other) const;
    friend bool operator==(const SheetSettings&, const SheetSettings&) = default;
};

// One font table entry: its stream bytes up to CMD_END.
struct StoredGlyph {
    bool defined = false;
    std::int32_t left = 0;
    std::int32_t glyphWidth = 0;
    std::vector<std::uint8_t> stream;

    friend bool operator==(const StoredGlyph&, const StoredGlyph&) = default;
};

// Everything a document holds that a user could take back or lose: the sheet in its archive
// form, which nodes are selected, the grid and help lines, the font's entries and blank width,
// the current character and the file it belongs to. Undo keeps one per step, autosave one for
// what the file holds and one for what the recovery file holds, and the tests compare them.
// States taken one after the other share whatever did not change between them (the drawing's
// bytes, the font, each glyph), so a step that only selects costs a few bytes.
class CDocumentState {
public:
    using Bytes = std::vector<std::uint8_t>;

    // The state of `document` now; `previous` lends what has not changed since it was taken.
    // Nothing when the document has no sheet or its drawing cannot be stored (nested too deeply
    // to load again).
    static std::optional<CDocumentState> Capture(const CKorvoFEDoc& document,
                                                 const CDocumentState* previous = nullptr);

    // Equal as undo sees it: drawing, selection, the undoable sheet settings, font, character.
    bool SameEdit(const CDocumentState& other) const;
    // Equal as a recovery file sees it: everything but the selection.
    bool SameContent(const CDocumentState& other) const;
    friend bool operator==(const CDocumentState& a, const CDocumentState& b) {
        return a.SameContent(b) && a.marks_ == b.marks_;
    }
    // True when this state took its font over from `other` unchanged.
    bool SharesFontWith(const CDocumentState& other) const { return font_ == other.font_; }

    // Undo: puts drawing, selection, the undoable sheet settings, the font entries that differ
    // from `now` (the state the document is in) and the character back. False, with the
    // document untouched, when the bytes do not load.
    bool RestoreTo(CKorvoFEDoc& document, const CDocumentState& now) const;
    // Memory held beyond what `previous` (the state before in a list) already holds; without
    // one, all but the font.
    std::size_t BytesBeyond(const CDocumentState* previous) const;

    // What a recovery file keeps of this state, with the given window title and time.
    RecoveryRecord Record(const std::string& title, std::int64_t nowMs) const;
    // The recovery record of `document` now (empty parts when it cannot be captured).
    static RecoveryRecord RecordOf(const CKorvoFEDoc& document, const std::string& title,
                                   std::int64_t nowMs);
    // Fills a document that holds no font yet with the record's state and marks it modified.
    // False, with `error` set, when a part of the record cannot be read; the document is then
    // left as a new, empty one.
    static bool Restore(CKorvoFEDoc& document, const RecoveryRecord& record, std::string& error);

private:
    struct Font {
        std::array<std::shared_ptr<const StoredGlyph>, 256> glyphs;
        std::int32_t advance = 0;
    };
    // (index in visiting order, mark) of every stored node whose mark is not 0.
    using Mark = std::pair<std::uint32_t, std::uint16_t>;

    static bool SameFont(const Font* a, const Font* b);
    bool SamePaper(const CDocumentState& other) const;

    std::shared_ptr<const Bytes> paper_;
    std::vector<Mark> marks_;
    SheetSettings sheet_;
    std::shared_ptr<const Font> font_;
    std::int32_t currentChar_ = -1;
    std::string path_;
};

}  // namespace korvo
