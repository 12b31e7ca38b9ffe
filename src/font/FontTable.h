#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "font/GlyphCommand.h"

namespace korvo {

struct GlyphEntry {
    std::int32_t left = 0;        // smallest x over the stream's pairs
    std::int32_t glyphWidth = 0;  // largest x minus smallest x
    // The stream, viewed up to the end of the storage that holds it; null data: undefined.
    std::span<const std::uint8_t> commands;

    bool HasCommands() const { return commands.data() != nullptr; }
};

// The 256 glyphs of a font and the values derived from them. In owning mode every stream has a
// block of its own; in pooled mode all streams lie one after another in one shared pool.
class CFontTable {
public:
    static constexpr int kGlyphCount = 256;

    CFontTable();
    ~CFontTable();
    CFontTable(const CFontTable&) = delete;
    CFontTable& operator=(const CFontTable&) = delete;

    void Init(int owns);
    void Clear();

    const GlyphEntry& Entry(int code) const { return entries_[code & 0xFF]; }
    std::int32_t DefaultAdvance() const { return defaultAdvance_; }
    void SetDefaultAdvance(std::int32_t advance) { defaultAdvance_ = advance; }
    const std::string& FontName() const { return fontName_; }
    void SetFontName(std::string name) { fontName_ = std::move(name); }
    int OwnsEntries() const { return ownsEntries_; }
    std::uint32_t PoolSize() const { return poolSize_; }
    bool HasPool() const { return !pool_.empty(); }
    // The whole pool, the spare byte after the poolSize meaningful bytes included.
    std::span<const std::uint8_t> Pool() const { return pool_; }

    // Gives a pooled table a zeroed pool for `size` bytes of streams (plus the spare byte).
    void ReservePool(std::uint32_t size);
    // Replaces the pool with `bytes` (poolSize + 1 bytes, as archived) for a pooled table.
    void AdoptPool(std::vector<std::uint8_t> bytes);
    // Points a pooled entry at `offset` in the pool, or clears it for a negative offset.
    // Fails for an offset outside the pool.
    bool SetPooledEntry(int code, std::int32_t left, std::int32_t glyphWidth, std::int64_t offset);

    // Stores one glyph: a fresh block of 3n + 4 bytes in owning mode, the next free place of the
    // pool in pooled mode. The stream gets CMD_END and the entry its left and width. Fails only
    // when a pooled table has no room left.
    bool StoreGlyph(int code, std::span<const GlyphCommand> commands);
    // Puts an entry back exactly as it was: its stream bytes (CMD_END included) or, without a
    // stream, undefined. Only an owning table can take bytes that its pool never held.
    bool RestoreGlyph(int code, std::int32_t left, std::int32_t glyphWidth, bool defined,
                      std::span<const std::uint8_t> stream);

    int CountCommandPairs(int code) const;
    int DefinedCount() const;
    // The largest glyphWidth of all entries, as storing a glyph from a drawing keeps it.
    void RecomputeDefaultAdvance();

private:
    std::array<GlyphEntry, kGlyphCount> entries_{};
    std::int32_t defaultAdvance_ = 0;
    std::string fontName_;
    std::uint32_t poolSize_ = 0;
    std::vector<std::uint8_t> pool_;
    std::uint32_t poolUsed_ = 0;
    int ownsEntries_ = 0;
    std::array<std::vector<std::uint8_t>, kGlyphCount> blocks_;
};

}  // namespace korvo
