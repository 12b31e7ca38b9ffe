#include "JhfFont.h"

#include <cstddef>
#include <optional>
#include <utility>

namespace korvo {

namespace {

// Columns 0-4 hold the glyph number, 5-7 the vertex count; pairs follow from column 8.
constexpr std::size_t kNumberWidth = 5;
constexpr std::size_t kCountWidth = 3;
constexpr std::size_t kHeaderWidth = kNumberWidth + kCountWidth;
constexpr char kOrigin = 'R';

// Hands out the lines of a text one at a time, without the line break and without a
// trailing '\r', so CRLF files read like LF files.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) { Load(); }

    bool AtEnd() const { return pos_ >= text_.size(); }
    std::string_view Current() const { return current_; }
    int Number() const { return number_; }

    void Advance() {
        pos_ = next_;
        ++number_;
        Load();
    }

private:
    void Load() {
        if (AtEnd()) {
            current_ = {};
            return;
        }
        std::size_t end = text_.find('\n', pos_);
        if (end == std::string_view::npos) {
            end = text_.size();
        }
        next_ = end + 1;
        current_ = text_.substr(pos_, end - pos_);
        if (!current_.empty() && current_.back() == '\r') {
            current_.remove_suffix(1);
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t next_ = 0;
    int number_ = 1;
    std::string_view current_;
};

// Where a run of a glyph's pair characters came from, to point errors at the right place.
struct Segment {
    std::size_t offset = 0;  // index in GlyphText::pairs
    int line = 0;
    std::size_t column = 0;  // 1-based column of the run's first character
};

// A glyph's characters gathered from its header line and any continuation lines.
struct GlyphText {
    int line = 0;
    std::string_view header;
    std::string pairs;
    std::vector<Segment> segments;
};

std::string At(int line, const std::string& what) {
    return "line " + std::to_string(line) + ": " + what;
}

bool IsBlank(std::string_view line) {
    return line.find_first_not_of(' ') == std::string_view::npos;
}

bool IsPrintable(char c) {
    return c >= ' ' && c <= '~';
}

// A space stands for -50, which no vertex uses; it only appears in the pen-up pair.
bool IsCoordinate(char c) {
    return c > ' ' && c <= '~';
}

bool IsPenUp(char x, char y) {
    return x == ' ' && y == kOrigin;
}

// Right-aligned decimal: leading blanks, then digits up to the end of the field.
std::optional<int> ParseField(std::string_view field, bool blankIsZero) {
    const std::size_t start = field.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        return blankIsZero ? std::optional<int>(0) : std::nullopt;
    }
    int value = 0;
    for (const char c : field.substr(start)) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

// Continuation rule: a glyph short of characters takes the following lines whole, as long as
// each is not blank and fits entirely in what the glyph still lacks. The first line that does not
// fit ends the glyph (and is then read as a line of its own), so a glyph with a wrong count
// cannot swallow a longer neighbour, and a blank line always separates glyphs.
GlyphText Gather(std::string_view headerLine, int lineNumber, std::size_t needed,
                 LineReader& reader) {
    GlyphText text;
    text.line = lineNumber;
    text.header = headerLine.substr(0, kHeaderWidth);
    text.pairs.assign(headerLine.substr(kHeaderWidth));
    text.segments.push_back({0, lineNumber, kHeaderWidth + 1});
    while (text.pairs.size() < needed && !reader.AtEnd()) {
        const std::string_view next = reader.Current();
        if (IsBlank(next) || next.size() > needed - text.pairs.size()) {
            break;
        }
        text.segments.push_back({text.pairs.size(), reader.Number(), 1});
        text.pairs.append(next);
        reader.Advance();
    }
    return text;
}

// "line N, column C" of a character of the gathered pairs.
std::pair<int, std::size_t> Locate(const GlyphText& text, std::size_t index) {
    const Segment* found = &text.segments.front();
    for (const Segment& segment : text.segments) {
        if (segment.offset > index) {
            break;
        }
        found = &segment;
    }
    return {found->line, found->column + (index - found->offset)};
}

std::string ErrorAt(const GlyphText& text, std::size_t index, const std::string& what) {
    const auto [line, column] = Locate(text, index);
    return At(line, what + " in column " + std::to_string(column));
}

std::optional<std::string> FindNonPrintable(const GlyphText& text) {
    for (std::size_t i = 0; i < text.header.size(); ++i) {
        if (!IsPrintable(text.header[i])) {
            return At(text.line, "non-printable character in column " + std::to_string(i + 1));
        }
    }
    for (std::size_t i = 0; i < text.pairs.size(); ++i) {
        if (!IsPrintable(text.pairs[i])) {
            return ErrorAt(text, i, "non-printable character");
        }
    }
    return std::nullopt;
}

struct Decoded {
    JhfGlyph glyph;
    std::optional<std::string> error;
};

// Expects printable characters and an even, non-zero number of them.
Decoded Decode(const GlyphText& text) {
    Decoded out;
    JhfGlyph& glyph = out.glyph;
    glyph.line = text.line;
    const std::optional<int> number = ParseField(text.header.substr(0, kNumberWidth), true);
    if (!number) {
        out.error = At(text.line, "glyph number in columns 1-5 is not a number");
        return out;
    }
    glyph.number = *number;
    if (!IsCoordinate(text.pairs[0]) || !IsCoordinate(text.pairs[1])) {
        out.error = ErrorAt(text, 0, "invalid left/right bound pair");
        return out;
    }
    glyph.left = text.pairs[0] - kOrigin;
    glyph.right = text.pairs[1] - kOrigin;
    std::vector<JhfPoint> path;
    for (std::size_t i = 2; i + 1 < text.pairs.size(); i += 2) {
        const char x = text.pairs[i];
        const char y = text.pairs[i + 1];
        if (IsPenUp(x, y)) {
            if (!path.empty()) {
                glyph.paths.push_back(std::move(path));
            }
            path.clear();
        } else if (IsCoordinate(x) && IsCoordinate(y)) {
            path.push_back({x - kOrigin, y - kOrigin});
        } else {
            out.error = ErrorAt(text, i, "pair is neither a vertex nor the pen-up \" R\"");
            return out;
        }
    }
    if (!path.empty()) {
        glyph.paths.push_back(std::move(path));
    }
    return out;
}

// Reads the glyph whose header is the reader's current line; the reader ends after its last line.
Decoded ReadGlyph(LineReader& reader) {
    Decoded out;
    const std::string_view line = reader.Current();
    const int lineNumber = reader.Number();
    reader.Advance();
    if (line.size() < kHeaderWidth) {
        out.error = At(lineNumber, "too short for a glyph header (8 columns)");
        return out;
    }
    const std::optional<int> count = ParseField(line.substr(kNumberWidth, kCountWidth), false);
    if (!count) {
        out.error = At(lineNumber, "vertex count in columns 6-8 is not a number");
        return out;
    }
    if (*count == 0) {
        out.error = At(lineNumber, "vertex count is 0");
        return out;
    }
    const std::size_t needed = 2 * static_cast<std::size_t>(*count);
    const GlyphText text = Gather(line, lineNumber, needed, reader);
    if (text.pairs.size() != needed) {
        out.error = At(lineNumber, "glyph has " + std::to_string(text.pairs.size()) +
                                       " characters after the header but its count needs " +
                                       std::to_string(needed));
        return out;
    }
    out.error = FindNonPrintable(text);
    return out.error ? out : Decode(text);
}

}  // namespace

JhfParseResult ParseJhf(std::string_view text) {
    JhfParseResult result;
    LineReader reader(text);
    while (!reader.AtEnd()) {
        if (IsBlank(reader.Current())) {
            reader.Advance();
            continue;
        }
        Decoded decoded = ReadGlyph(reader);
        if (decoded.error) {
            result.errors.push_back(std::move(*decoded.error));
        } else {
            result.glyphs.push_back(std::move(decoded.glyph));
        }
    }
    return result;
}

}  // namespace korvo
