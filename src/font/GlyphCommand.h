#pragma once

#include <cstdint>
#include <optional>

namespace korvo {

// Bytes of a glyph's command stream. Values 0 ... 200 are coordinates; a pair without a command
// byte before it draws a line from the previous pair.
inline constexpr std::uint8_t CMD_MOVE = 201;
inline constexpr std::uint8_t CMD_POINT = 202;
inline constexpr std::uint8_t CMD_END = 203;

inline constexpr int kMaxGlyphCoordinate = 200;
// The font file has one byte for the number of commands of a character.
inline constexpr int kMaxGlyphPairs = 255;

enum class GlyphOp : std::uint8_t {
    Draw,   // line from the previous pair ('d')
    Move,   // start of a new polyline ('m')
    Point,  // a single point ('o')
};

// One coordinate pair of a glyph with the command that precedes it in the stream.
struct GlyphCommand {
    GlyphOp op = GlyphOp::Draw;
    std::uint8_t x = 0;
    std::uint8_t y = 0;

    friend bool operator==(const GlyphCommand&, const GlyphCommand&) = default;
};

// The letters the font file and the JSON forms use for the three commands.
constexpr char GlyphOpLetter(GlyphOp op) {
    switch (op) {
        case GlyphOp::Move:
            return 'm';
        case GlyphOp::Point:
            return 'o';
        case GlyphOp::Draw:
            break;
    }
    return 'd';
}

constexpr std::optional<GlyphOp> GlyphOpFromLetter(char letter) {
    switch (letter) {
        case 'd':
            return GlyphOp::Draw;
        case 'm':
            return GlyphOp::Move;
        case 'o':
            return GlyphOp::Point;
        default:
            return std::nullopt;
    }
}

}  // namespace korvo
