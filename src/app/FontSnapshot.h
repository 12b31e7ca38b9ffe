#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace korvo {

class CFontTable;

// One font table entry as the user last saw it: its stream bytes up to CMD_END.
struct StoredGlyph {
    bool defined = false;
    std::int32_t left = 0;
    std::int32_t glyphWidth = 0;
    std::vector<std::uint8_t> stream;

    friend bool operator==(const StoredGlyph&, const StoredGlyph&) = default;
};

// What one step did to the font: each changed entry before and after, and the default advance.
struct FontChange {
    struct Glyph {
        int code = 0;
        StoredGlyph before;
        StoredGlyph after;
    };
    std::vector<Glyph> glyphs;
    std::int32_t advanceBefore = 0;
    std::int32_t advanceAfter = 0;

    bool IsEmpty() const { return glyphs.empty() && advanceBefore == advanceAfter; }
    std::size_t Bytes() const;
};

// A copy of a font table's entries, kept beside the table so that after every user action the
// entries that changed can be found without storing the whole font again.
class CFontSnapshot {
public:
    // Takes every entry of `table` (none for a null table).
    void Take(const CFontTable* table);
    // What differs between the copy and `table`; the copy then matches `table`.
    FontChange Follow(const CFontTable* table);
    // Puts the `before` (undo) or `after` (redo) side of `change` into `table` and the copy.
    // False when the table could not take an entry.
    bool Apply(const FontChange& change, bool undo, CFontTable* table);

private:
    static StoredGlyph Read(const CFontTable& table, int code);

    std::array<StoredGlyph, 256> glyphs_{};
    std::int32_t advance_ = 0;
};

}  // namespace korvo
