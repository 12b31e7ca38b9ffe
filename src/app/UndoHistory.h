#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/DocumentState.h"

namespace korvo {

class CKorvoFEDoc;

// The undo history of one document: the states the user's actions left behind, oldest first,
// and where in them the document now is. A step is recorded by comparing the document with the
// current state after an action, so nothing that edits needs to know the history exists. What it
// finds changed (a step, or a change undo does not take back) and every move through the steps
// is told to the document's listeners.
class CUndoHistory {
public:
    struct Limits {
        std::size_t maxSteps = 500;
        std::size_t maxBytes = std::size_t{64} << 20;
    };

    explicit CUndoHistory(CKorvoFEDoc& document);

    // Oldest steps are dropped whenever more are kept than this allows.
    void SetLimits(const Limits& limits);
    const Limits& GetLimits() const { return limits_; }
    // Forgets every step and takes the document as it is now as the start.
    void Reset();

    // Records a step named `name` when the document differs from the current state (the first
    // call only takes the start). True when a step was recorded.
    bool Record(std::string_view name);
    bool CanUndo() const { return current_ > 0; }
    bool CanRedo() const { return current_ + 1 < entries_.size(); }
    // The name of the step Undo (Redo) would take back (do again); empty when there is none.
    std::string_view UndoName() const;
    std::string_view RedoName() const;
    bool Undo();
    bool Redo();
    // Undoes or redoes steps until state `index` is current; false when it does not exist.
    bool GoTo(std::size_t index);

    // The states kept, the start (or the oldest one kept) included; none before the first Record.
    std::size_t Count() const { return entries_.size(); }
    std::size_t Current() const { return current_; }
    // The name of the step that led to state `index`.
    std::string_view NameAt(std::size_t index) const;
    // The document was saved: the current state is the one the file holds.
    void MarkSaved();
    std::size_t MemoryBytes() const { return memory_; }
    // Changes whenever the steps or the current state change, so a list of them can follow.
    std::uint64_t Revision() const { return revision_; }

private:
    struct Entry {
        CDocumentState state;
        std::string name;
        // Equal generations mean equal fonts: only steps that change the font start a new one.
        std::uint64_t fontGeneration = 0;
        std::size_t bytes = 0;
    };

    static std::size_t BytesOf(const Entry& entry, const Entry* previous);
    bool Step(bool back);
    bool Moved(bool moved);
    void DropOldest();
    void FollowSavedState();

    CKorvoFEDoc& document_;
    Limits limits_;
    std::vector<Entry> entries_;
    std::size_t current_ = 0;
    std::uint64_t generations_ = 0;
    // The font generation the file holds; none when no kept state matches it.
    std::optional<std::uint64_t> savedGeneration_;
    std::size_t memory_ = 0;
    std::uint64_t revision_ = 0;
};

}  // namespace korvo
