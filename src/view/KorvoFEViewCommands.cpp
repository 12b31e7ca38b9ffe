// The view's commands: dispatch by the command registry's rows, and what the character commands
// and the display switches do.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "app/KorvoFEDoc.h"
#include "model/CharacterTable.h"
#include "model/DataCollection.h"
#include "model/DrawObj.h"
#include "model/Paper.h"
#include "platform/DialogHost.h"
#include "platform/DocumentHost.h"
#include "view/DispatchScope.h"
#include "view/KorvoFEView.h"
#include "view/RedrawBatch.h"
#include "view/ToolFactory.h"
#include "view/ViewCommands.h"
#include "view/ViewSwitches.h"
#include "view/ViewTool.h"

namespace korvo {

namespace {

constexpr std::array<float, 10> kGridSteps{0.1f, 0.5f,  1.0f,  1.25f, 2.5f,
                                           5.0f, 10.0f, 20.0f, 40.0f, 80.0f};

bool AnySelected(const CDataCollection& collection) {
    for (std::size_t i = 0; i < collection.GetCount(); ++i) {
        const CData* node = collection.GetAt(i);
        if (node->GetMark() != kMarkNormal) {
            return true;
        }
        if (node->GetChildren() != nullptr && AnySelected(*node->GetChildren())) {
            return true;
        }
    }
    return false;
}

void CollectSelected(CDataCollection& collection, std::vector<CData*>& out) {
    for (std::size_t i = 0; i < collection.GetCount(); ++i) {
        CData* node = collection.GetAt(i);
        if (node->GetMark() != kMarkNormal) {
            out.push_back(node);
        }
        if (node->GetChildren() != nullptr) {
            CollectSelected(*node->GetChildren(), out);
        }
    }
}

}  // namespace

bool CKorvoFEView::OnCommand(int id) {
    const bool undo = id == kCmdUndo || id == kCmdRedo;
    DispatchScope scope(*this, true, undo ? UndoCue::Never : UndoCue::Record, id);
    // Ctrl + Z and the like: the Ctrl of a chord that ran a command asks for nothing itself.
    controlTap_ = false;
    if (undo) {
        UndoCommand(id == kCmdRedo);
        return true;
    }
    const CommandInfo* row = factory_.Command(id);
    if (row == nullptr || !row->InView()) {
        return false;
    }
    if (row->run != nullptr) {
        row->run(*this, id);
    } else {
        CreateTool(row->tool);
    }
    return true;
}

std::optional<CommandUi> CKorvoFEView::OnUpdateCommand(int id) const {
    const CommandInfo* row = factory_.Command(id);
    if (row == nullptr || !row->InView()) {
        return std::nullopt;
    }
    CommandUi ui{row->enabled == nullptr || row->enabled(*this, id),
                 row->checked != nullptr && row->checked(*this, id)};
    if (row->needsSelection) {
        const CPaper* paper = GetPaper();
        ui.enabled = paper == nullptr || paper->GetCollection() == nullptr ||
                     AnySelected(*paper->GetCollection());
    }
    return ui;
}

std::string CKorvoFEView::CommandText(int id) const {
    if (id != kCmdUndo && id != kCmdRedo) {
        return {};
    }
    const CUndoHistory& history = document_.GetUndoHistory();
    const std::string_view name = id == kCmdRedo ? history.RedoName() : history.UndoName();
    std::string text = id == kCmdRedo ? "&Redo" : "&Undo";
    if (!name.empty()) {
        text.append(" ").append(name);
    }
    return text;
}

void CKorvoFEView::LoadChar() {
    CreateTool(kToolSelection);
    int code = document_.GetCurrentChar();
    if (!document_.GetHost().AskCharacter(code)) {
        return;
    }
    LoadChosen(code);
}

void CKorvoFEView::LoadCharacter(int code) {
    CreateTool(kToolSelection);
    LoadChosen(code);
}

void CKorvoFEView::LoadChosen(int code) {
    document_.SetCurrentChar(code);
    // A No keeps the drawing; the character is then loaded on top of it.
    ClearDrawing(true);
    CreateTool(kToolSelection);
    document_.DecodeGlyph(document_.GetFont().Table(), code);
    UpdateStatus();
    AddWorldRect(std::nullopt);
}

void CKorvoFEView::SaveChar() {
    CreateTool(kToolSelection);
    if (document_.StoreDrawingWithCharacterChoice() != 0) {
        ClearDrawing(false);
        CreateTool(kToolSelection);
    }
    AddWorldRect(std::nullopt);
}

void CKorvoFEView::ClearChar() {
    ClearDrawing(false);
    CreateTool(kToolSelection);
    AddWorldRect(std::nullopt);
}

void CKorvoFEView::ConvertOrTrim(bool convert) {
    if (convert) {
        document_.ConvertArcsToLines();
    } else {
        document_.TrimLinesToArea(0);
    }
    document_.UpdateAllViews(1);
    CreateTool(kToolSelection);
    UpdateStatus();
    AddWorldRect(std::nullopt);
}

void CKorvoFEView::ShowFontTable() {
    CPaper* paper = GetPaper();
    if (paper == nullptr) {
        return;
    }
    const bool show = !paper->IsShowTable();
    paper->SetShowTable(show);
    host_.RefreshToolbarButtons(kCmdShowFontTable);
    if (show) {
        paper->SetExtension(kSheetWidth, kSheetHeight);
    } else {
        paper->SetExtension(kDrawingAreaSize, kDrawingAreaSize);
    }
    RenderNow();
    CreateTool(kToolZoomExtents);
}

void CKorvoFEView::ToggleGrid() {
    CPaper* paper = GetPaper();
    if (paper == nullptr) {
        return;
    }
    paper->SetShowGrid(!paper->IsShowGrid());
    host_.RefreshToolbarButtons(kCmdGridOnOff);
    RenderNow();
}

void CKorvoFEView::SetGridCommand(int id) {
    CPaper* paper = GetPaper();
    if (paper == nullptr) {
        return;
    }
    PointF grid{kGridSteps[0], kGridSteps[0]};
    if (id == kCmdGridOther) {
        grid = paper->GetGrid();
        // Cancel leaves the grid and its check mark as they were.
        if (!host_.Dialogs().AskUserGrid(grid.x, grid.y)) {
            return;
        }
        const auto inRange = [](float v) { return v >= kUserGridMin && v <= kUserGridMax; };
        if (!inRange(grid.x) || !inRange(grid.y)) {
            return;
        }
    } else {
        const float step = kGridSteps[static_cast<std::size_t>(id - kCmdGridFirst)];
        grid = {step, step};
    }
    g_nGridCmd = id;
    paper->SetGrid(grid.x, grid.y);
    host_.RefreshToolbarButtons(kCmdGridOnOff);
    RenderNow();
}

void CKorvoFEView::SyncGridCommand() {
    if (const CPaper* paper = GetPaper()) {
        g_nGridCmd = GridCommandFor(paper->GetGrid());
    }
}

void CKorvoFEView::ToggleSnap() {
    if (GetTool() != nullptr) {
        g_nSnapMode = g_nSnapMode != 0 ? 0 : kSnapAll;
    }
}

void CKorvoFEView::ToggleTrackers() {
    g_bTrackers = !g_bTrackers;
    if (IViewTool* tool = GetTool()) {
        tool->OnTrackersSwitched(g_bTrackers);
    }
}

void CKorvoFEView::ToggleStyledDrawing() {
    g_bStyledDrawing = !g_bStyledDrawing;
    AddWorldRect(std::nullopt);
}

void CKorvoFEView::ApplyToSelection(bool width) {
    CPaper* paper = GetPaper();
    if (paper == nullptr) {
        return;
    }
    std::vector<CData*> selected;
    CollectSelected(*paper->GetCollection(), selected);
    for (CData* node : selected) {
        if (width) {
            node->SetWidth(paper->Values().width / 1000.0, false);
        } else {
            node->SetLevel(paper->Values().level);
        }
    }
    AddWorldRect(std::nullopt);
}

void CKorvoFEView::MainToolCommand(int id) {
    IViewTool* tool = GetTool();
    if (tool == nullptr) {
        return;
    }
    constexpr float kQuarterTurn = 1.5707964f;
    switch (id) {
        case kCmdRotateLeft:
            tool->RotateBy(kQuarterTurn);
            break;
        case kCmdRotateRight:
            tool->RotateBy(-kQuarterTurn);
            break;
        case kCmdScaleUp:
            tool->ScaleBy(2.0f, 2.0f);
            break;
        case kCmdScaleDown:
            tool->ScaleBy(0.5f, 0.5f);
            break;
        default:
            tool->Finish();
            break;
    }
}

}  // namespace korvo
