#pragma once

#include <bit>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace korvo::test {

using Bytes = std::vector<std::uint8_t>;

// Builds byte strings as the archive and the font file store them: numbers little-endian.
// Bytes go in one at a time: GCC 12's array-bounds check misfires on some range inserts.
struct ByteWriter {
    Bytes bytes;

    ByteWriter& Raw(std::initializer_list<std::uint8_t> values) {
        for (const std::uint8_t b : values) {
            bytes.push_back(b);
        }
        return *this;
    }
    ByteWriter& Raw(const Bytes& values) {
        for (const std::uint8_t b : values) {
            bytes.push_back(b);
        }
        return *this;
    }
    ByteWriter& Text(std::string_view text) {
        for (const char c : text) {
            bytes.push_back(static_cast<std::uint8_t>(c));
        }
        return *this;
    }
    ByteWriter& U16(std::uint16_t v) {
        return Raw({static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)});
    }
    ByteWriter& U32(std::uint32_t v) {
        return U16(static_cast<std::uint16_t>(v)).U16(static_cast<std::uint16_t>(v >> 16));
    }
    ByteWriter& F32(float v) { return U32(std::bit_cast<std::uint32_t>(v)); }
    // The archive's tag of a class not seen before: 0xFFFF, schema, name length and name.
    ByteWriter& NewClass(std::string_view name, std::uint16_t schema) {
        return U16(0xFFFF).U16(schema).U16(static_cast<std::uint16_t>(name.size())).Text(name);
    }
};

inline std::int32_t I32At(const Bytes& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(bytes.at(at + i)) << (8 * i);
    }
    return static_cast<std::int32_t>(value);
}

inline float F32At(const Bytes& bytes, std::size_t at) {
    return std::bit_cast<float>(static_cast<std::uint32_t>(I32At(bytes, at)));
}

}  // namespace korvo::test
