#pragma once

namespace korvo {

class CData;

// What an edit did to the drawing, so that the tool can repaint exactly the old and new places:
// whether the edited element changed, and the node of the piece a split added (already in the
// drawing), or null.
struct EditResult {
    bool changed = false;
    CData* created = nullptr;

    bool Any() const { return changed || created != nullptr; }
};

// How an edit of a pair of elements ended. Kinds other than lines and ellipses cannot take part;
// the tool tells the user so.
enum class PairEdit { Done, NotLinesOrEllipses };

}  // namespace korvo
