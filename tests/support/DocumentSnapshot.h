#pragma once

#include <cstdint>
#include <ostream>
#include <vector>

namespace korvo {
class CKorvoFEDoc;
}

namespace korvo::test {

// Everything an undo step must bring back, in forms a wrong restoration cannot match by
// accident: the sheet's and the font's archive bytes, every node's mark in visiting order, the
// grid and help lines, and the current character.
struct DocumentSnapshot {
    std::vector<std::uint8_t> paper;
    std::vector<std::uint8_t> font;
    std::vector<int> marks;
    std::vector<float> sheet;
    int currentChar = -1;

    friend bool operator==(const DocumentSnapshot&, const DocumentSnapshot&) = default;
    friend void PrintTo(const DocumentSnapshot& s, std::ostream* os);
};

DocumentSnapshot TakeSnapshot(CKorvoFEDoc& doc);

}  // namespace korvo::test
