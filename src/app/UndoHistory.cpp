#include "app/UndoHistory.h"

#include "app/KorvoFEDoc.h"
#include "model/Paper.h"

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
    std::size_t bytes = entry.state.ExtraBytes() + entry.font.Bytes() + entry.name.capacity();
    const auto& drawing = entry.state.Drawing();
    // Bytes shared with the state before are counted there.
    if (drawing && (previous == nullptr || previous->state.Drawing() != drawing)) {
        bytes += drawing->capacity();
    }
    return bytes;
}

bool CUndoHistory::Record(std::string_view name) {
    const CPaper* paper = document_.GetPaper();
    if (paper == nullptr) {
        return false;
    }
    const CFontTable* table = document_.GetFont().Table();
    const Entry* last = entries_.empty() ? nullptr : &entries_[current_];
    std::optional<CUndoState> state =
        CUndoState::Capture(*paper, document_.GetCurrentChar(), last ? &last->state : nullptr);
    if (!state) {
        return false;
    }
    if (last == nullptr) {
        font_.Take(table);
        Entry start{std::move(*state), {}, {}, generations_, 0};
        start.bytes = BytesOf(start, nullptr);
        memory_ = start.bytes;
        if (!document_.IsModified()) {
            savedGeneration_ = start.fontGeneration;
        }
        entries_.push_back(std::move(start));
        ++revision_;
        return false;
    }
    FontChange font = font_.Follow(table);
    if (font.IsEmpty() && state->SameAs(last->state)) {
        return false;
    }
    const std::uint64_t generation = font.IsEmpty() ? last->fontGeneration : ++generations_;
    // What was undone cannot be redone once something new happened.
    while (entries_.size() > current_ + 1) {
        memory_ -= entries_.back().bytes;
        entries_.pop_back();
    }
    Entry step{std::move(*state), std::move(font), std::string(name), generation, 0};
    step.bytes = BytesOf(step, &entries_.back());
    memory_ += step.bytes;
    entries_.push_back(std::move(step));
    current_ = entries_.size() - 1;
    while (entries_.size() - 1 > limits_.maxSteps ||
           (memory_ > limits_.maxBytes && entries_.size() > 1)) {
        DropOldest();
    }
    ++revision_;
    return true;
}

void CUndoHistory::DropOldest() {
    memory_ -= entries_[0].bytes + entries_[1].bytes;
    // The oldest kept state can no longer be left backwards: what led to it is of no use.
    entries_[1].font = {};
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
    return CanUndo() && Step(true);
}

bool CUndoHistory::Redo() {
    return CanRedo() && Step(false);
}

bool CUndoHistory::GoTo(std::size_t index) {
    if (index >= entries_.size()) {
        return false;
    }
    while (current_ > index) {
        if (!Step(true)) {
            return false;
        }
    }
    while (current_ < index) {
        if (!Step(false)) {
            return false;
        }
    }
    return true;
}

bool CUndoHistory::Step(bool back) {
    CPaper* paper = document_.GetPaper();
    if (paper == nullptr) {
        return false;
    }
    const std::size_t target = back ? current_ - 1 : current_ + 1;
    const Entry& to = entries_[target];
    if (!to.state.RestoreTo(*paper)) {
        return false;
    }
    // The step between the two states carries the font change: the later one of them.
    const Entry& between = entries_[back ? current_ : target];
    font_.Apply(between.font, back, document_.GetFont().Table());
    document_.SetCurrentChar(to.state.CurrentChar());
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
