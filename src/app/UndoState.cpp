#include "app/UndoState.h"

#include <utility>

#include "model/Data.h"
#include "model/DataCollection.h"
#include "model/DrawingClasses.h"
#include "model/Paper.h"
#include "platform/Archive.h"

namespace korvo {

namespace {

// Visits the nodes an archive stores, in the order it stores them: floating nodes are still
// being placed by a tool and are not part of the drawing.
template <class Collection, class Visit>
void VisitStored(Collection& collection, std::uint32_t& index, Visit&& visit) {
    for (auto* node : collection) {
        if (node->IsFloating()) {
            continue;
        }
        visit(*node, index++);
        if (auto* children = node->GetChildren()) {
            VisitStored(*children, index, visit);
        }
    }
}

SheetSettings SettingsOf(const CPaper& paper) {
    SheetSettings sheet;
    for (int i = 0; i < CPaper::kHelpLineCount; ++i) {
        sheet.helpLines[static_cast<std::size_t>(i)] = paper.GetHelpLine(i);
        sheet.helpLinesShown[static_cast<std::size_t>(i)] = paper.IsHelpLineShown(i) ? 1 : 0;
    }
    sheet.grid = paper.GetGrid();
    sheet.showGrid = paper.IsShowGrid() ? 1 : 0;
    return sheet;
}

void ApplySettings(const SheetSettings& sheet, CPaper& paper) {
    for (int i = 0; i < CPaper::kHelpLineCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        paper.SetHelpLine(i, sheet.helpLines[at], sheet.helpLinesShown[at] != 0);
    }
    paper.SetGrid(sheet.grid.x, sheet.grid.y);
    paper.SetShowGrid(sheet.showGrid != 0);
}

}  // namespace

std::optional<CUndoState> CUndoState::Capture(const CPaper& paper, int currentChar,
                                              const CUndoState* previous) {
    CArchive out;
    out.WriteObject(paper.GetCollection());
    if (out.IsFailed()) {
        return std::nullopt;
    }
    CUndoState state;
    if (previous != nullptr && previous->drawing_ && *previous->drawing_ == out.Bytes()) {
        state.drawing_ = previous->drawing_;
    } else {
        Bytes bytes = out.TakeBytes();
        // The archive grew its buffer by doubling; a kept state holds only what it needs.
        bytes.shrink_to_fit();
        state.drawing_ = std::make_shared<const Bytes>(std::move(bytes));
    }
    std::uint32_t index = 0;
    VisitStored(*paper.GetCollection(), index, [&state](const CData& node, std::uint32_t at) {
        if (node.GetMark() != kMarkNormal) {
            state.marks_.emplace_back(at, node.GetMark());
        }
    });
    state.sheet_ = SettingsOf(paper);
    state.currentChar_ = currentChar;
    return state;
}

bool CUndoState::SameAs(const CUndoState& other) const {
    const bool sameDrawing =
        drawing_ == other.drawing_ || (drawing_ && other.drawing_ && *drawing_ == *other.drawing_);
    return sameDrawing && marks_ == other.marks_ && sheet_ == other.sheet_ &&
           currentChar_ == other.currentChar_;
}

bool CUndoState::RestoreTo(CPaper& paper) const {
    if (!drawing_) {
        return false;
    }
    CArchive in(*drawing_, DrawingClasses());
    std::unique_ptr<CDataCollection> drawing = in.ReadObjectOf<CDataCollection>();
    if (in.IsFailed() || !drawing) {
        return false;
    }
    // Marks go on in visiting order, each node after its group, so a group's mark never
    // overrides what its members had.
    auto next = marks_.begin();
    std::uint32_t index = 0;
    VisitStored(*drawing, index, [this, &next](CData& node, std::uint32_t at) {
        std::uint16_t mark = kMarkNormal;
        if (next != marks_.end() && next->first == at) {
            mark = next->second;
            ++next;
        }
        node.SetMark(mark);
    });
    paper.ReplaceCollection(std::move(drawing));
    ApplySettings(sheet_, paper);
    return true;
}

std::size_t CUndoState::ExtraBytes() const {
    return sizeof(CUndoState) + marks_.capacity() * sizeof(Mark);
}

}  // namespace korvo
