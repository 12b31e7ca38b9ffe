#include <gtest/gtest.h>

#include <set>
#include <string>

#include "resources/CodePages.h"

namespace korvo {
namespace {

std::string Byte(int b) {
    return std::string(1, static_cast<char>(b));
}

int Code(const std::string& s) {
    return s.size() == 1 ? static_cast<unsigned char>(s[0]) : -1;
}

TEST(CodePages, SharedCharactersMapBothWays) {
    struct Pair {
        int ansi;
        int oem;
    };
    const Pair pairs[] = {
        {0xE9, 0x82},  // é
        {0x83, 0x9F},  // ƒ, the one shared character among the Windows extras
        {0xA0, 0xFF},  // no-break space
    };
    for (const Pair& p : pairs) {
        EXPECT_EQ(Code(AnsiToOem(Byte(p.ansi))), p.oem) << std::hex << p.ansi;
        EXPECT_EQ(Code(OemToAnsi(Byte(p.oem))), p.ansi) << std::hex << p.oem;
    }
    EXPECT_EQ(AnsiToOem("Gr\xFC\xDF\n\xC9t\xE9"), "Gr\x81\xE1\n\x90t\x82");
}

// Every character the other code page has too survives the trip there and back, and no two
// characters end up on the same byte.
TEST(CodePages, EveryCharacterWithACounterpartRoundTrips) {
    const auto ansiHasCounterpart = [](int b) { return b < 0x80 || b == 0x83 || b >= 0xA0; };
    const std::set<int> oemOnly = {0xB0, 0xB1, 0xB2, 0xB3, 0xB4, 0xB9, 0xBA, 0xBB, 0xBC, 0xBF, 0xC0,
                                   0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC8, 0xC9, 0xCA, 0xCB, 0xCC, 0xCD,
                                   0xCE, 0xD5, 0xD9, 0xDA, 0xDB, 0xDC, 0xDF, 0xF2, 0xFE};
    std::set<int> oemImages;
    std::set<int> ansiImages;
    for (int b = 0; b < 256; ++b) {
        if (ansiHasCounterpart(b)) {
            EXPECT_EQ(Code(OemToAnsi(AnsiToOem(Byte(b)))), b) << std::hex << b;
            oemImages.insert(Code(AnsiToOem(Byte(b))));
        }
        if (oemOnly.count(b) == 0) {
            EXPECT_EQ(Code(AnsiToOem(OemToAnsi(Byte(b)))), b) << std::hex << b;
            ansiImages.insert(Code(OemToAnsi(Byte(b))));
        }
    }
    EXPECT_EQ(oemImages.size(), 128u + 1u + 96u);
    EXPECT_EQ(ansiImages.size(), 256u - oemOnly.size());
}

TEST(CodePages, MissingCharactersBecomeLookAlikesOrQuestionMarks) {
    struct Case {
        bool fromAnsi;
        int from;
        char to;
    };
    const Case cases[] = {
        {true, 0x80, '?'},   // euro sign
        {true, 0x8A, 'S'},   // Š
        {true, 0x96, '-'},   // en dash
        {false, 0xC4, '-'},  // box drawing, horizontal
        {false, 0xC5, '+'},  // box drawing, cross
        {false, 0xD5, 'i'},  // dotless i
    };
    for (const Case& c : cases) {
        const std::string out = c.fromAnsi ? AnsiToOem(Byte(c.from)) : OemToAnsi(Byte(c.from));
        EXPECT_EQ(out, std::string(1, c.to)) << std::hex << c.from;
    }
}

// Display text as it is drawn: Windows-1252, not Latin-1, with the unassigned bytes as the
// control characters of the same number.
TEST(CodePages, DisplayTextAsUnicode) {
    EXPECT_EQ(AnsiToUtf16("A\x80\x81\x8A\x96\x9F\xA0\xE0\xFF"),
              u"A\u20AC\u0081\u0160\u2013\u0178\u00A0\u00E0\u00FF");
}

}  // namespace
}  // namespace korvo
