#pragma once

#include <string>
#include <vector>

namespace korvo {
class CPaper;
}

namespace korvo::test {

// The structural rules a sheet keeps after every action: every node is owned exactly once, each
// knows its parent, no node still being placed sits in the drawing, marks are 0, 1 or 2, and
// every visible element has valid extents once drawn. Returns what is broken, empty when
// nothing is.
std::vector<std::string> CheckDocumentInvariants(CPaper& paper);

}  // namespace korvo::test
