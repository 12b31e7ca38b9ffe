#include "font/GlyphStream.h"

#include <algorithm>

namespace korvo {

namespace {

bool IsCommandByte(std::uint8_t byte) {
    return byte == CMD_MOVE || byte == CMD_POINT || byte == CMD_END;
}

}  // namespace

int CountStreamPairs(std::span<const std::uint8_t> stream) {
    int coordinates = 0;
    for (const std::uint8_t byte : stream) {
        if (byte == CMD_END) {
            break;
        }
        if (!IsCommandByte(byte)) {
            ++coordinates;
        }
    }
    return (coordinates + 1) / 2;
}

std::size_t StreamLength(std::span<const std::uint8_t> stream) {
    const auto end = std::find(stream.begin(), stream.end(), CMD_END);
    return end == stream.end() ? stream.size() : static_cast<std::size_t>(end - stream.begin()) + 1;
}

std::vector<GlyphCommand> ReadGlyphCommands(std::span<const std::uint8_t> stream, int maxPairs) {
    std::vector<GlyphCommand> commands;
    WalkGlyphPairs(stream, maxPairs, [&commands](GlyphOp op, std::uint8_t x, std::uint8_t y) {
        commands.push_back({op, x, y});
    });
    return commands;
}

std::vector<GlyphCommand> ReadGlyphCommands(std::span<const std::uint8_t> stream) {
    return ReadGlyphCommands(stream, CountStreamPairs(stream));
}

std::size_t EncodedStreamSize(std::span<const GlyphCommand> commands) {
    std::size_t size = 1;
    for (const GlyphCommand& command : commands) {
        size += command.op == GlyphOp::Draw ? 2 : 3;
    }
    return size;
}

void EncodeGlyphStream(std::span<const GlyphCommand> commands, std::span<std::uint8_t> out) {
    std::size_t i = 0;
    for (const GlyphCommand& command : commands) {
        if (command.op == GlyphOp::Move) {
            out[i++] = CMD_MOVE;
        } else if (command.op == GlyphOp::Point) {
            out[i++] = CMD_POINT;
        }
        out[i++] = command.x;
        out[i++] = command.y;
    }
    out[i] = CMD_END;
}

}  // namespace korvo
