#include "app/UndoHistory.h"

#include "app/KorvoFEDoc.h"

namespace korvo {

CUndoHistory::CUndoHistory(CKorvoFEDoc& document) : document_(document) {}

void CUndoHistory::SetLimits(const Limits& limits) {
    limits_ = limits;
    while (entries_.size() > 1 && current_ > 0 &&
           (entries_.size() - 1 > limits_.maxSteps || memory_ > limits_.maxBytes)) {
        DropOldest();
    }
}

void CUndoHistory::Reset() {
    entries_.clear();
    current_ = 0;
    memory_ = 0;
    savedGeneration_.reset();
    ++revision_;
    // The document as it is now is where undo stops; without a sheet the next Record takes it.
    Record({});
}

std::size_t CUndoHistory::BytesOf(const Entry& entry, const Entry* previous) {
    // Bytes shared with the state before are counted there.
    return entry.state.BytesBeyond(previous != nullptr ? &previous->state : nullptr) +
           entry.name.capacity();
}

bool CUndoHistory::Record(std::string_view name) {
    Entry* last = entries_.empty() ? nullptr : &entries_[current_];
    std::optional<CDocumentState> state =
        CDocumentState::Capture(document_, last ? &last->state : nullptr);
    if (!state) {
        return false;
    }
    if (last == nullptr) {
        Entry start{std::move(*state), {}, generations_, 0};
        start.bytes = BytesOf(start, nullptr);
        memory_ = start.bytes;
        if (!document_.IsModified()) {
            savedGeneration_ = start.fontGeneration;
        }
        entries_.push_back(std::move(start));
        ++revision_;
        return false;
    }
    if (state->SameEdit(last->state)) {
        // Nothing to take back, but a grid origin or the character table shown is still worth
        // keeping after a crash: the state is taken over and the listeners hear of it.
        if (!state->SameContent(last->state)) {
            last->state = std::move(*state);
            document_.NotifyChanged();
        }
        return false;
    }
    const bool fontChanged = !state->SharesFontWith(last->state);
    const std::uint64_t generation = fontChanged ? ++generations_ : last->fontGeneration;
    // What was undone cannot be redone once something new happened.
    while (entries_.size() > current_ + 1) {
        memory_ -= entries_.back().bytes;
        entries_.pop_back();
    }
    Entry step{std::move(*state), std::string(name), generation, 0};
    step.bytes = BytesOf(step, &entries_.back());
    memory_ += step.bytes;
    entries_.push_back(std::move(step));
    current_ = entries_.size() - 1;
    while (entries_.size() - 1 > limits_.maxSteps ||
           (memory_ > limits_.maxBytes && entries_.size() > 1)) {
        DropOldest();
    }
    ++revision_;
    document_.NotifyChanged();
    return true;
}

void CUndoHistory::DropOldest() {
    memory_ -= entries_[0].bytes + entries_[1].bytes;
    entries_.erase(entries_.begin());
    entries_[0].bytes = BytesOf(entries_[0], nullptr);
    memory_ += entries_[0].bytes;
    --current_;
}

std::string_view CUndoHistory::UndoName() const {
    return CanUndo() ? std::string_view(entries_[current_].name) : std::string_view();
}

std::string_view CUndoHistory::RedoName() const {
    return CanRedo() ? std::string_view(entries_[current_ + 1].name) : std::string_view();
}

std::string_view CUndoHistory::NameAt(std::size_t index) const {
    return index < entries_.size() ? std::string_view(entries_[index].name) : std::string_view();
}

bool CUndoHistory::Undo() {
    return CanUndo() && Moved(Step(true));
}

bool CUndoHistory::Redo() {
    return CanRedo() && Moved(Step(false));
}

bool CUndoHistory::GoTo(std::size_t index) {
    if (index >= entries_.size()) {
        return false;
    }
    const std::size_t from = current_;
    bool complete = true;
    while (complete && current_ != index) {
        complete = Step(current_ > index);
    }
    // A long jump is one change to those who listen, however many steps it took.
    if (current_ != from) {
        document_.NotifyChanged();
    }
    return complete;
}

bool CUndoHistory::Moved(bool moved) {
    if (moved) {
        document_.NotifyChanged();
    }
    return moved;
}

bool CUndoHistory::Step(bool back) {
    const std::size_t target = back ? current_ - 1 : current_ + 1;
    if (!entries_[target].state.RestoreTo(document_, entries_[current_].state)) {
        return false;
    }
    current_ = target;
    FollowSavedState();
    ++revision_;
    return true;
}

void CUndoHistory::MarkSaved() {
    if (!entries_.empty()) {
        savedGeneration_ = entries_[current_].fontGeneration;
    }
}

void CUndoHistory::FollowSavedState() {
    document_.SetModifiedFlag(!savedGeneration_ ||
                              *savedGeneration_ != entries_[current_].fontGeneration);
}

}  // namespace korvo
