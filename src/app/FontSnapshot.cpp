#include "app/FontSnapshot.h"

#include <algorithm>

#include "font/FontTable.h"
#include "font/GlyphStream.h"

namespace korvo {

namespace {

constexpr int kCodes = CFontTable::kGlyphCount;

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

}  // namespace

std::size_t FontChange::Bytes() const {
    std::size_t bytes = sizeof(FontChange);
    for (const Glyph& glyph : glyphs) {
        bytes += sizeof(Glyph) + glyph.before.stream.capacity() + glyph.after.stream.capacity();
    }
    return bytes;
}

StoredGlyph CFontSnapshot::Read(const CFontTable& table, int code) {
    const GlyphEntry& entry = table.Entry(code);
    StoredGlyph glyph;
    glyph.left = entry.left;
    glyph.glyphWidth = entry.glyphWidth;
    glyph.defined = entry.HasCommands();
    if (glyph.defined) {
        const std::span<const std::uint8_t> stream = StreamOf(entry);
        glyph.stream.assign(stream.begin(), stream.end());
    }
    return glyph;
}

void CFontSnapshot::Take(const CFontTable* table) {
    for (int code = 0; code < kCodes; ++code) {
        glyphs_[static_cast<std::size_t>(code)] =
            table != nullptr ? Read(*table, code) : StoredGlyph{};
    }
    advance_ = table != nullptr ? table->DefaultAdvance() : 0;
}

FontChange CFontSnapshot::Follow(const CFontTable* table) {
    FontChange change;
    change.advanceBefore = advance_;
    change.advanceAfter = table != nullptr ? table->DefaultAdvance() : 0;
    advance_ = change.advanceAfter;
    for (int code = 0; code < kCodes; ++code) {
        StoredGlyph& kept = glyphs_[static_cast<std::size_t>(code)];
        if (table != nullptr ? Matches(kept, table->Entry(code)) : kept == StoredGlyph{}) {
            continue;
        }
        StoredGlyph now = table != nullptr ? Read(*table, code) : StoredGlyph{};
        change.glyphs.push_back({code, kept, now});
        kept = std::move(now);
    }
    return change;
}

bool CFontSnapshot::Apply(const FontChange& change, bool undo, CFontTable* table) {
    if (table == nullptr) {
        return change.IsEmpty();
    }
    bool complete = true;
    for (const FontChange::Glyph& glyph : change.glyphs) {
        const StoredGlyph& wanted = undo ? glyph.before : glyph.after;
        complete = table->RestoreGlyph(glyph.code, wanted.left, wanted.glyphWidth, wanted.defined,
                                       wanted.stream) &&
                   complete;
        glyphs_[static_cast<std::size_t>(glyph.code)] = Read(*table, glyph.code);
    }
    advance_ = undo ? change.advanceBefore : change.advanceAfter;
    table->SetDefaultAdvance(advance_);
    return complete;
}

}  // namespace korvo
