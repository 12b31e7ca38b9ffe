// Font files come from anywhere. Besides never crashing, the reader must agree with itself:
// writing what it read and reading that again changes nothing unless the reader named glyphs
// with coordinates the format cannot write back, and both ownership modes read an undamaged file
// alike.
#include <cstdint>
#include <cstdio>
#include <span>
#include <vector>

#include "font/FontFile.h"
#include "font/FontTable.h"

using namespace korvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    CFontTable owning;
    CFontTable pooled;
    const FontReadOutcome owned = ParseFontFile(owning, bytes, 1, "fuzz");
    const FontReadOutcome shared = ParseFontFile(pooled, bytes, 0, "fuzz");

    const std::vector<std::uint8_t> written = EncodeFontFile(owning);
    CFontTable again;
    const FontReadOutcome reread = ParseFontFile(again, written, 1, "fuzz");
    if (reread.damage || !reread.headerMatches ||
        (owned.offGridCodes.empty() && EncodeFontFile(again) != written)) {
        __builtin_trap();
    }
    if (owned.offGridCodes != shared.offGridCodes && !owned.damage && !shared.damage) {
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
