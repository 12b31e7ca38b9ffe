// Font files come from anywhere. Besides never crashing, the reader must agree with itself:
// writing what it read and reading that again changes nothing, and both ownership modes read
// an undamaged file alike.
#include <cstdint>
#include <cstdio>
#include <span>
#include <vector>

#include "font/FontFile.h"
#include "font/FontTable.h"
#include "font/GlyphCommand.h"

using namespace korvo;

namespace {

// The stream format cannot tell a coordinate of 201..203 from a command byte, so a file holding
// coordinates above the grid reads into streams that the writer spells differently. Such files
// must still be read safely, but only grid-sized coordinates promise a stable round trip.
bool CoordinatesFitTheGrid(std::span<const std::uint8_t> bytes) {
    std::size_t record = 16;
    while (record + 2 < bytes.size() && bytes[record] != 0 && bytes[record + 2] != 0) {
        const std::size_t n = bytes[record + 1];
        for (std::size_t i = 0; i < n; ++i) {
            const std::size_t at = record + 3 + 3 * i;
            for (std::size_t k = 1; k <= 2 && at + k < bytes.size(); ++k) {
                if (bytes[at + k] > kMaxGlyphCoordinate) {
                    return false;
                }
            }
        }
        record += 16 * std::size_t{bytes[record + 2]};
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    CFontTable owning;
    CFontTable pooled;
    const FontReadOutcome owned = ParseFontFile(owning, bytes, 1, "fuzz");
    const FontReadOutcome shared = ParseFontFile(pooled, bytes, 0, "fuzz");

    const std::vector<std::uint8_t> written = EncodeFontFile(owning);
    CFontTable again;
    const FontReadOutcome reread = ParseFontFile(again, written, 1, "fuzz");
    if (reread.damage || (CoordinatesFitTheGrid(bytes) && EncodeFontFile(again) != written)) {
        __builtin_trap();
    }
    if (!owned.damage && !shared.damage && owned.unknownLetters == 0 &&
        EncodeFontFile(pooled) != written) {
        __builtin_trap();
    }
    if (pooled.PoolSize() + 1 != pooled.Pool().size()) {
        __builtin_trap();
    }
    return 0;
}

// The reader prints "err2" for unknown letters; keep the fuzzer's output readable.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::freopen("/dev/null", "w", stdout);
    return 0;
}
