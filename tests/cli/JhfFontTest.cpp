#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "JhfFont.h"

namespace korvo {
namespace {

struct ParseCase {
    const char* name;
    std::string text;
    std::vector<JhfGlyph> glyphs;
    std::vector<int> errorLines;
};

// The line number an error message starts with, or -1.
int ErrorLine(const std::string& error) {
    int line = -1;
    return std::sscanf(error.c_str(), "line %d:", &line) == 1 ? line : -1;
}

const JhfGlyph kBang{
    12345, 1, -5, 5, {{{0, -12}, {0, 2}}, {{0, 7}, {-1, 8}, {0, 9}, {1, 8}, {0, 7}}}};

TEST(JhfFontTest, ParsesGlyphsAndReportsMalformedOnes) {
    const std::vector<ParseCase> cases = {
        // clang-format off
        {"pen-up splits paths", "12345  9MWRFRT RRYQZR[SZRY\n", {kBang}, {}},
        {"blank number field", "       2JZRF", {{0, 1, -8, 8, {{{0, -12}}}}}, {}},
        {"empty paths dropped", "    1  6JZ RRF R RRT",
         {{1, 1, -8, 8, {{{0, -12}}, {{0, 2}}}}}, {}},
        {"bounds only", "   32  1JZ", {{32, 1, -8, 8, {}}}, {}},
        {"wrapped over two lines", "12345  9MWRFRT R\nRYQZR[SZRY\n", {kBang}, {}},
        {"CRLF and blank lines", "\r\n    1  2JZRF\r\n   \r\n    2  2JZRT\r\n",
         {{1, 2, -8, 8, {{{0, -12}}}}, {2, 4, -8, 8, {{{0, 2}}}}}, {}},
        {"bad header fields, each on its own line",
         "    1  xJZRF\n    2  0\n  3\n  x 4  2JZRF\n    5  1JZRF\n    6  2JZRT",
         {{6, 6, -8, 8, {{{0, 2}}}}}, {1, 2, 3, 4, 5}},
        {"truncated at end of file", "    1  2JZRF\n\n    2  9JZRF\nRT",
         {{1, 1, -8, 8, {{{0, -12}}}}}, {3}},
        {"short glyph does not swallow the next header", "    1  4JZRF\n    2  2JZRT",
         {{2, 2, -8, 8, {{{0, 2}}}}}, {1}},
        {"blank line ends a short glyph", "    1  4JZRF\n\nRFRF\n    4  2JZRT",
         {{4, 4, -8, 8, {{{0, 2}}}}}, {1, 3}},
        {"non-printable in a continuation line", "    1  4JZRF\nR\x01RT\n    3  2JZRT",
         {{3, 3, -8, 8, {{{0, 2}}}}}, {2}},
        {"non-printable or misplaced space",
         "    1  2JZ\tF\n    2  2JZ\rF\r\n    3  2JZR\xe9\n"
         "    4  2JZ F\n    5  1 Z\n    6  2JZR \n",
         {}, {1, 2, 3, 4, 5, 6}},
        // clang-format on
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.name);
        const JhfParseResult result = ParseJhf(c.text);
        EXPECT_EQ(result.glyphs, c.glyphs);
        std::vector<int> errorLines;
        for (const std::string& error : result.errors) {
            errorLines.push_back(ErrorLine(error));
        }
        EXPECT_EQ(errorLines, c.errorLines);
    }
}

TEST(JhfFontTest, ErrorPointsAtTheFaultyColumnOfAContinuationLine) {
    const JhfParseResult result = ParseJhf("    1  7JZRFRF\nRF R!\x7fRF");
    ASSERT_EQ(result.errors.size(), 1u);
    EXPECT_EQ(result.errors[0], "line 2: non-printable character in column 6");
}

}  // namespace
}  // namespace korvo
