#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "font/GlyphCommand.h"

namespace korvo {

// Helpers over one glyph's command stream. A stream is viewed as the bytes from its start to the
// end of the storage that holds it, so a stream without CMD_END (possible only in damaged data)
// is never read past its storage.

// Number of coordinate pairs: coordinate bytes up to CMD_END, two to a pair, a trailing odd
// byte counting as a pair.
int CountStreamPairs(std::span<const std::uint8_t> stream);

// Bytes up to and including CMD_END (or the whole storage if it has none).
std::size_t StreamLength(std::span<const std::uint8_t> stream);

// Walks at most `maxPairs` pairs the way the font file writer does: a CMD_POINT or CMD_MOVE byte
// at the start of a pair gives that command and is stepped over, any other byte starts a draw-to
// pair; then the next two bytes are the pair. Stops at CMD_END. Bytes beyond the storage read as
// CMD_END. Calls visit(op, x, y) for each pair.
template <class Visit>
void WalkGlyphPairs(std::span<const std::uint8_t> stream, int maxPairs, Visit&& visit) {
    const auto byteAt = [&stream](std::size_t i) -> std::uint8_t {
        return i < stream.size() ? stream[i] : CMD_END;
    };
    std::size_t i = 0;
    for (int pair = 0; pair < maxPairs; ++pair) {
        const std::uint8_t lead = byteAt(i);
        if (lead == CMD_END) {
            break;
        }
        GlyphOp op = GlyphOp::Draw;
        if (lead == CMD_POINT || lead == CMD_MOVE) {
            op = lead == CMD_POINT ? GlyphOp::Point : GlyphOp::Move;
            ++i;
        }
        visit(op, byteAt(i), byteAt(i + 1));
        i += 2;
    }
}

// The pairs of the walk above.
std::vector<GlyphCommand> ReadGlyphCommands(std::span<const std::uint8_t> stream, int maxPairs);

// All pairs of a stream, as the walk above yields them.
std::vector<GlyphCommand> ReadGlyphCommands(std::span<const std::uint8_t> stream);

// Bytes that `commands` take as a stream, CMD_END included.
std::size_t EncodedStreamSize(std::span<const GlyphCommand> commands);

// Writes `commands` and CMD_END to `out`, which must hold EncodedStreamSize(commands) bytes.
void EncodeGlyphStream(std::span<const GlyphCommand> commands, std::span<std::uint8_t> out);

}  // namespace korvo
