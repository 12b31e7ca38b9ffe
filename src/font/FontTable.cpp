#include "font/FontTable.h"

#include <algorithm>

#include "font/GlyphStream.h"

namespace korvo {

namespace {

// left and glyphWidth of a stream; the scans start at 255 and 0, so an empty glyph gets 255
// and -255.
void MeasureGlyph(std::span<const GlyphCommand> commands, GlyphEntry& entry) {
    int smallest = 255;
    int largest = 0;
    for (const GlyphCommand& command : commands) {
        smallest = std::min<int>(smallest, command.x);
        largest = std::max<int>(largest, command.x);
    }
    entry.left = smallest;
    entry.glyphWidth = largest - smallest;
}

}  // namespace

CFontTable::CFontTable() {
    Init(0);
}

CFontTable::~CFontTable() {
    Clear();
}

void CFontTable::Init(int owns) {
    defaultAdvance_ = 0;
    fontName_.clear();
    poolSize_ = 0;
    poolUsed_ = 0;
    ownsEntries_ = owns;
    entries_.fill(GlyphEntry{});
    pool_ = {};
    blocks_.fill({});
}

void CFontTable::Clear() {
    pool_ = {};
    poolUsed_ = 0;
    // Pooled entries would point into the released pool; they are cleared with the owned ones.
    for (GlyphEntry& entry : entries_) {
        entry.commands = {};
    }
    blocks_.fill({});
}

void CFontTable::ReservePool(std::uint32_t size) {
    pool_.assign(static_cast<std::size_t>(size) + 1, 0);
    poolSize_ = size;
    poolUsed_ = 0;
}

void CFontTable::AdoptPool(std::vector<std::uint8_t> bytes) {
    pool_ = std::move(bytes);
    poolSize_ = pool_.empty() ? 0 : static_cast<std::uint32_t>(pool_.size() - 1);
    poolUsed_ = poolSize_;
}

bool CFontTable::SetPooledEntry(int code, std::int32_t left, std::int32_t glyphWidth,
                                std::int64_t offset) {
    GlyphEntry& entry = entries_[code & 0xFF];
    entry.left = left;
    entry.glyphWidth = glyphWidth;
    if (offset < 0) {
        entry.commands = {};
        return true;
    }
    if (static_cast<std::uint64_t>(offset) >= pool_.size()) {
        entry.commands = {};
        return false;
    }
    entry.commands = std::span<const std::uint8_t>(pool_).subspan(static_cast<std::size_t>(offset));
    return true;
}

bool CFontTable::StoreGlyph(int code, std::span<const GlyphCommand> commands) {
    const int index = code & 0xFF;
    const std::size_t needed = EncodedStreamSize(commands);
    std::span<std::uint8_t> storage;
    if (ownsEntries_ != 0) {
        std::vector<std::uint8_t>& block = blocks_[index];
        block.assign(3 * commands.size() + 4, 0);
        storage = block;
    } else {
        if (poolUsed_ + needed > poolSize_) {
            return false;
        }
        storage = std::span<std::uint8_t>(pool_).subspan(poolUsed_);
        poolUsed_ += static_cast<std::uint32_t>(needed);
    }
    EncodeGlyphStream(commands, storage);
    GlyphEntry& entry = entries_[index];
    entry.commands = storage;
    MeasureGlyph(commands, entry);
    return true;
}

bool CFontTable::RestoreGlyph(int code, std::int32_t left, std::int32_t glyphWidth, bool defined,
                              std::span<const std::uint8_t> stream) {
    const int index = code & 0xFF;
    if (defined && ownsEntries_ == 0) {
        return false;
    }
    GlyphEntry& entry = entries_[index];
    entry.left = left;
    entry.glyphWidth = glyphWidth;
    if (!defined) {
        if (ownsEntries_ != 0) {
            blocks_[index] = {};
        }
        entry.commands = {};
        return true;
    }
    std::vector<std::uint8_t>& block = blocks_[index];
    block.assign(stream.begin(), stream.end());
    // A defined entry needs storage of its own even when its stream is empty.
    if (block.empty()) {
        block.push_back(CMD_END);
    }
    entry.commands = block;
    return true;
}

int CFontTable::CountCommandPairs(int code) const {
    const GlyphEntry& entry = Entry(code);
    return entry.HasCommands() ? CountStreamPairs(entry.commands) : 0;
}

int CFontTable::DefinedCount() const {
    return static_cast<int>(std::count_if(entries_.begin(), entries_.end(),
                                          [](const GlyphEntry& e) { return e.HasCommands(); }));
}

void CFontTable::RecomputeDefaultAdvance() {
    std::int32_t widest = 0;
    for (const GlyphEntry& entry : entries_) {
        widest = std::max(widest, entry.glyphWidth);
    }
    defaultAdvance_ = widest;
}

}  // namespace korvo
