#include "font/KorvoFont.h"

#include <array>

#include "font/FontFile.h"
#include "font/GlyphStream.h"
#include "platform/Archive.h"

namespace korvo {

const CRuntimeClass CKorvoFont::kRuntimeClass{"CKorvoFont", kSchema, true,
                                              &CreateInstance<CKorvoFont>, &CObject::kRuntimeClass};

namespace {

struct PackedPool {
    std::vector<std::uint8_t> bytes;  // poolSize + 1 bytes, the last one spare
    std::array<std::int32_t, CFontTable::kGlyphCount> offsets{};
};

// An owning table keeps its streams apart; its archive form lays them one after another, so that
// what is stored loads back as the pooled table it describes.
PackedPool PackStreams(const CFontTable& table) {
    PackedPool packed;
    for (int code = 0; code < CFontTable::kGlyphCount; ++code) {
        const GlyphEntry& entry = table.Entry(code);
        if (!entry.HasCommands()) {
            packed.offsets[code] = -1;
            continue;
        }
        packed.offsets[code] = static_cast<std::int32_t>(packed.bytes.size());
        const auto stream = entry.commands.first(StreamLength(entry.commands));
        packed.bytes.insert(packed.bytes.end(), stream.begin(), stream.end());
    }
    packed.bytes.push_back(0);
    return packed;
}

PackedPool PoolAsStored(const CFontTable& table) {
    PackedPool stored;
    const std::span<const std::uint8_t> pool = table.Pool();
    stored.bytes.assign(pool.begin(), pool.end());
    if (stored.bytes.empty()) {
        stored.bytes.push_back(0);  // a table without a pool still stores its spare byte
    }
    for (int code = 0; code < CFontTable::kGlyphCount; ++code) {
        const GlyphEntry& entry = table.Entry(code);
        stored.offsets[code] = entry.HasCommands()
                                   ? static_cast<std::int32_t>(entry.commands.data() - pool.data())
                                   : -1;
    }
    return stored;
}

}  // namespace

CKorvoFont::~CKorvoFont() {
    ReleaseTable();
}

void CKorvoFont::ReleaseTable() {
    if (table_) {
        table_->Clear();
        table_.reset();
    }
}

void CKorvoFont::NewTable(int owns) {
    ReleaseTable();
    table_ = std::make_unique<CFontTable>();
    table_->Clear();
    table_->Init(owns);
}

FontReadOutcome CKorvoFont::LoadFontFile(const std::string& path, int owns, IMessageHost& host) {
    ReleaseTable();
    table_ = std::make_unique<CFontTable>();
    return ReadFontFile(*table_, path, owns, host);
}

FontWriteResult CKorvoFont::WriteFontFile(const std::string& path, IMessageHost& host) const {
    if (!table_) {
        return FontWriteResult::NoTable;
    }
    return korvo::WriteFontFile(*table_, path, host);
}

std::span<const std::uint8_t> CKorvoFont::GetCommands(int code) const {
    return table_->Entry(code).commands;
}

void CKorvoFont::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        StoreTable(ar);
    } else {
        LoadTable(ar);
    }
}

void CKorvoFont::StoreTable(CArchive& ar) const {
    CFontTable empty;
    const CFontTable& table = table_ ? *table_ : empty;
    const PackedPool pool = table.OwnsEntries() != 0 ? PackStreams(table) : PoolAsStored(table);

    ar.Write<std::int32_t>(table.DefaultAdvance());
    ar.WriteString(table.FontName());
    ar.Write<std::uint32_t>(static_cast<std::uint32_t>(pool.bytes.size() - 1));
    for (int code = 0; code < CFontTable::kGlyphCount; ++code) {
        ar.Write<std::int32_t>(table.Entry(code).left);
        ar.Write<std::int32_t>(table.Entry(code).glyphWidth);
        ar.Write<std::int32_t>(pool.offsets[code]);
    }
    ar.WriteBytes(pool.bytes);
    ar.Write<float>(params_.param1);
    ar.Write<float>(params_.param10);
    ar.Write<float>(params_.param4);
    ar.Write<std::int32_t>(params_.param3);
    ar.Write<std::int32_t>(params_.param2);
    ar.Write<std::int32_t>(params_.param6);
    ar.Write<std::int32_t>(params_.param7);
    ar.Write<std::int32_t>(params_.param8);
    ar.Write<std::int32_t>(params_.param9);
}

void CKorvoFont::LoadTable(CArchive& ar) {
    // Built aside and swapped in only when the whole form has been read, so damaged data leaves
    // the font as it was.
    auto table = std::make_unique<CFontTable>();
    table->SetDefaultAdvance(ar.Read<std::int32_t>());
    table->SetFontName(ar.ReadString());
    const std::uint32_t poolSize = ar.Read<std::uint32_t>();

    struct StoredEntry {
        std::int32_t left, width, offset;
    };
    std::array<StoredEntry, CFontTable::kGlyphCount> entries{};
    for (StoredEntry& entry : entries) {
        entry.left = ar.Read<std::int32_t>();
        entry.width = ar.Read<std::int32_t>();
        entry.offset = ar.Read<std::int32_t>();
    }
    if (ar.IsFailed()) {
        return;
    }
    if (static_cast<std::uint64_t>(poolSize) + 1 > ar.Remaining()) {
        ar.Fail("the glyph pool is larger than the archive");
        return;
    }
    std::vector<std::uint8_t> pool(static_cast<std::size_t>(poolSize) + 1);
    ar.ReadBytes(pool);
    table->AdoptPool(std::move(pool));
    for (int code = 0; code < CFontTable::kGlyphCount; ++code) {
        const StoredEntry& entry = entries[code];
        if (!table->SetPooledEntry(code, entry.left, entry.width, entry.offset)) {
            ar.Fail("glyph " + std::to_string(code) + " points outside the glyph pool");
            return;
        }
    }

    FontParams params = params_;
    params.param1 = ar.Read<float>();
    params.param10 = ar.Read<float>();
    params.param4 = ar.Read<float>();
    params.param3 = ar.Read<std::int32_t>();
    params.param2 = ar.Read<std::int32_t>();
    params.param6 = ar.Read<std::int32_t>();
    params.param7 = ar.Read<std::int32_t>();
    params.param8 = ar.Read<std::int32_t>();
    params.param9 = ar.Read<std::int32_t>();
    if (ar.IsFailed()) {
        return;
    }
    // These settings always come back at their working values, whatever was stored.
    params.param1 = 3.5f;
    params.param10 = 3.5f;
    params.param4 = 0.7f;
    params.param3 = 0;
    params.param6 = 1;
    params_ = params;
    ReleaseTable();
    table_ = std::move(table);
}

}  // namespace korvo
