#include "app/RecoveryFile.h"

#include <array>

namespace korvo {

namespace {

constexpr std::size_t kCrcBytes = 4;

class Writer {
public:
    void Raw(std::span<const std::uint8_t> bytes) {
        out_.insert(out_.end(), bytes.begin(), bytes.end());
    }
    void U16(std::uint16_t v) { Little(v, 2); }
    void U32(std::uint32_t v) { Little(v, 4); }
    void I64(std::int64_t v) { Little(static_cast<std::uint64_t>(v), 8); }
    void Blob(std::span<const std::uint8_t> bytes) {
        U32(static_cast<std::uint32_t>(bytes.size()));
        Raw(bytes);
    }
    void Text(std::string_view text) {
        Blob({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    }
    std::vector<std::uint8_t> Take() { return std::move(out_); }
    const std::vector<std::uint8_t>& Bytes() const { return out_; }

private:
    void Little(std::uint64_t v, int size) {
        for (int i = 0; i < size; ++i) {
            out_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        }
    }
    std::vector<std::uint8_t> out_;
};

// Reads forward through the body; the first problem stops it and is remembered with its offset.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : in_(bytes) {}

    bool Failed() const { return damage_.has_value(); }
    const RecoveryDamage& Damage() const { return *damage_; }
    std::size_t Position() const { return pos_; }

    void Fail(std::string reason) {
        if (!damage_) {
            damage_ = RecoveryDamage{pos_, std::move(reason)};
        }
    }
    std::span<const std::uint8_t> Take(std::size_t size, std::string_view what) {
        if (Failed()) {
            return {};
        }
        if (size > in_.size() - pos_) {
            Fail(std::string(what) + " runs past the end of the file");
            return {};
        }
        const auto part = in_.subspan(pos_, size);
        pos_ += size;
        return part;
    }
    std::uint64_t Little(int size, std::string_view what) {
        const auto part = Take(static_cast<std::size_t>(size), what);
        std::uint64_t v = 0;
        for (std::size_t i = 0; i < part.size(); ++i) {
            v |= static_cast<std::uint64_t>(part[i]) << (8 * i);
        }
        return v;
    }
    std::vector<std::uint8_t> Blob(std::uint32_t limit, std::string_view what) {
        const std::size_t at = pos_;
        const auto size = static_cast<std::uint32_t>(Little(4, what));
        if (!Failed() && size > limit) {
            pos_ = at;
            Fail(std::string(what) + " is implausibly long");
            return {};
        }
        const auto part = Take(size, what);
        if (Failed()) {
            pos_ = at;
            damage_->offset = at;
        }
        return {part.begin(), part.end()};
    }
    std::string Text(std::string_view what) {
        const std::vector<std::uint8_t> bytes = Blob(CRecoveryFile::kMaxTextBytes, what);
        return {bytes.begin(), bytes.end()};
    }

private:
    std::span<const std::uint8_t> in_;
    std::size_t pos_ = 0;
    std::optional<RecoveryDamage> damage_;
};

std::array<std::uint32_t, 256> MakeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) {
            c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        table[n] = c;
    }
    return table;
}

RecoveryReadResult Damaged(std::size_t offset, std::string reason) {
    return {std::nullopt, RecoveryDamage{offset, std::move(reason)}};
}

}  // namespace

std::uint32_t CRecoveryFile::Crc32(std::span<const std::uint8_t> bytes) {
    static const std::array<std::uint32_t, 256> table = MakeCrcTable();
    std::uint32_t c = 0xFFFFFFFFu;
    for (const std::uint8_t b : bytes) {
        c = table[(c ^ b) & 0xFF] ^ (c >> 8);
    }
    return c ^ 0xFFFFFFFFu;
}

std::vector<std::uint8_t> CRecoveryFile::Encode(const RecoveryRecord& record) {
    Writer w;
    w.Raw({reinterpret_cast<const std::uint8_t*>(kMagic.data()), kMagic.size()});
    w.U16(kVersion);
    w.I64(record.savedAtMs);
    w.U32(static_cast<std::uint32_t>(record.currentChar));
    w.Text(record.originalPath);
    w.Text(record.title);
    w.Blob(record.fontBytes);
    w.Blob(record.paperBytes);
    w.Blob(record.sheetBytes);
    w.U32(Crc32(w.Bytes()));
    return w.Take();
}

RecoveryReadResult CRecoveryFile::Decode(std::span<const std::uint8_t> bytes) {
    Reader r(bytes);
    const auto magic = r.Take(kMagic.size(), "the file's mark");
    if (r.Failed() || !std::equal(magic.begin(), magic.end(), kMagic.begin())) {
        return Damaged(0, "not a recovery file");
    }
    const auto version = static_cast<std::uint16_t>(r.Little(2, "the version"));
    if (!r.Failed() && version != kVersion) {
        return Damaged(kMagic.size(),
                       "written by another version (" + std::to_string(version) + ")");
    }
    RecoveryRecord record;
    record.savedAtMs = static_cast<std::int64_t>(r.Little(8, "the time"));
    record.currentChar = static_cast<std::int32_t>(r.Little(4, "the current character"));
    record.originalPath = r.Text("the original path");
    record.title = r.Text("the title");
    record.fontBytes = r.Blob(kMaxBlobBytes, "the font");
    record.paperBytes = r.Blob(kMaxBlobBytes, "the drawing");
    record.sheetBytes = r.Blob(kMaxBlobBytes, "the sheet settings");
    const std::size_t body = r.Position();
    const auto stored = static_cast<std::uint32_t>(r.Little(kCrcBytes, "the checksum"));
    if (r.Failed()) {
        return {std::nullopt, r.Damage()};
    }
    if (r.Position() != bytes.size()) {
        return Damaged(r.Position(), "unexpected bytes after the end");
    }
    if (stored != Crc32(bytes.first(body))) {
        return Damaged(body, "the checksum does not match: the content is damaged");
    }
    if (record.currentChar < -1 || record.currentChar > 255) {
        return Damaged(kMagic.size() + 10, "the current character is out of range");
    }
    return {std::move(record), {}};
}

}  // namespace korvo
