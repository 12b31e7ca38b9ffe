// The view's commands: choosing tools, the character commands, the display switches, and the
// enabling and check-mark rules of their menu and toolbar items.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <utility>

#include "app/KorvoFEDoc.h"
#include "model/CharacterTable.h"
#include "model/DataCollection.h"
#include "model/DrawObj.h"
#include "model/Paper.h"
#include "platform/DialogHost.h"
#include "platform/DocumentHost.h"
#include "resources/CommandTable.h"
#include "view/DispatchScope.h"
#include "view/KorvoFEView.h"
#include "view/RedrawBatch.h"
#include "view/UndoStepName.h"
#include "view/ViewCommands.h"
#include "view/ViewSwitches.h"
#include "view/ViewTool.h"

namespace korvo {

namespace {

// Menu and toolbar commands that only choose a tool.
constexpr std::pair<int, int> kToolCommands[] = {
    {41051, 19055},
    {41020, 19068},
    {41023, 19069},
    {41036, 19070},
    {41037, 19071},
    {41021, 19072},
    {41024, 19073},
    {41022, 19092},
    {41025, 19067},
    {41034, 19177},
    {41228, 19295},
    {41086, 19175},
    {41087, 19176},
    {41090, 19174},
    {41033, 19074},
    {41088, 19172},
    {41089, 19173},
    {41091, 19171},
    {41039, 19088},
    {41040, 19060},
    {41041, 19066},
    {41026, 19062},
    {41027, 19061},
    {41029, 19063},
    {41239, 32827},
    {41045, 19190},
    {41043, 19056},
    {41030, 19076},
    {41031, 19077},
    {57635, 19057},
    {57634, 19058},
    {57637, 19059},
    {41163, 19240},
    {41234, 19458},
    // Commands whose tools the factory accepts without a tool: only the status is refreshed.
    {41028, 19064},
    {41035, 19065},
    {41032, 19085},
    {41047, 19119},
    {41042, 19089},
    {41229, 19309},
    {41230, 19310},
    {41232, 19456},
    {41233, 19457},
    {19459, 19461},
    {19460, 19462},
    {57643, 19083},
    {57644, 19084},
};

// Commands enabled only while something is selected.
constexpr std::array<int, 11> kSelectionCommands{57635, 57634, 41034, 41228, 41086, 41087,
                                                 41090, 41033, 41042, 41229, 41230};

constexpr std::array<float, 10> kGridSteps{0.1f, 0.5f,  1.0f,  1.25f, 2.5f,
                                           5.0f, 10.0f, 20.0f, 40.0f, 80.0f};

int ToolForCommand(int command) {
    for (const auto& [cmd, tool] : kToolCommands) {
        if (cmd == command) {
            return tool;
        }
    }
    return 0;
}

}  // namespace

int CommandForTool(int tool) {
    for (const auto& [cmd, made] : kToolCommands) {
        if (made == tool) {
            return cmd;
        }
    }
    return 0;
}

namespace {

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

bool Contains(const auto& table, int id) {
    return std::find(table.begin(), table.end(), id) != table.end();
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
    if (id == ID_HELP_LINES) {
        // The document's dialog, run here so that its changes become an undo step like any other.
        document_.OnHelpLines();
        return true;
    }
    if (const int tool = ToolForCommand(id); tool != 0) {
        CreateTool(tool);
        return true;
    }
    if (id >= kCmdGridFirst && id <= kCmdGridOther) {
        SetGridCommand(id);
        return true;
    }
    switch (id) {
        case kCmdLoadChar:
            LoadChar();
            return true;
        case kCmdSaveChar:
            SaveChar();
            return true;
        case kCmdClearChar:
            ClearChar();
            return true;
        case kCmdConvertToLines:
            ConvertOrTrim(true);
            return true;
        case kCmdTrimLines:
            ConvertOrTrim(false);
            return true;
        case kCmdShowFontTable:
            ShowFontTable();
            return true;
        case kCmdGridOnOff:
            ToggleGrid();
            return true;
        case kCmdSnap:
            ToggleSnap();
            return true;
        case kCmdSnapToGrid:
            g_bSnapToGrid = !g_bSnapToGrid;
            return true;
        case kCmdTrackers:
            ToggleTrackers();
            return true;
        case kCmdStyledDrawing:
            ToggleStyledDrawing();
            return true;
        case kCmdApplyWidth:
            ApplyToSelection(true);
            return true;
        case kCmdApplyLevel:
            ApplyToSelection(false);
            return true;
        case kCmdRotateLeft:
        case kCmdRotateRight:
        case kCmdScaleUp:
        case kCmdScaleDown:
        case kCmdFinish:
            MainToolCommand(id);
            return true;
        case kCmdNothing:
        case kCmdCloseInPlace:
            // Nothing to do: the editor embeds no items to close.
            return true;
        default:
            return false;
    }
}

std::optional<CommandUi> CKorvoFEView::OnUpdateCommand(int id) const {
    const CPaper* paper = GetPaper();
    if (id == kCmdUndo) {
        return CommandUi{document_.GetUndoHistory().CanUndo(), false};
    }
    if (id == kCmdRedo) {
        return CommandUi{document_.GetUndoHistory().CanRedo(), false};
    }
    if (id == ID_HELP_LINES) {
        return CommandUi{paper != nullptr, false};
    }
    if (Contains(kSelectionCommands, id)) {
        const bool enabled = paper == nullptr || paper->GetCollection() == nullptr ||
                             AnySelected(*paper->GetCollection());
        return CommandUi{enabled, false};
    }
    if (id >= kCmdGridFirst && id <= kCmdGridOther) {
        return CommandUi{true, id == g_nGridCmd};
    }
    switch (id) {
        case kCmdPaste:
            return CommandUi{host_.ClipboardHasFormat(kClipboardFormat), false};
        case kCmdSnap:
            return CommandUi{true, GetTool() != nullptr && g_nSnapMode != 0};
        case kCmdSnapToGrid:
            return CommandUi{true, g_bSnapToGrid};
        case kCmdTrackers:
            return CommandUi{true, g_bTrackers};
        case kCmdShowFontTable:
            return CommandUi{true, paper != nullptr && paper->IsShowTable()};
        case kCmdStyledDrawing:
            return CommandUi{true, g_bStyledDrawing};
        case kCmdGridOnOff:
            return CommandUi{true, paper != nullptr && paper->IsShowGrid()};
        default:
            break;
    }
    if (ToolForCommand(id) != 0 || id == kCmdLoadChar || id == kCmdSaveChar ||
        id == kCmdClearChar || id == kCmdConvertToLines || id == kCmdTrimLines ||
        id == kCmdApplyWidth || id == kCmdApplyLevel || id == kCmdRotateLeft ||
        id == kCmdRotateRight || id == kCmdScaleUp || id == kCmdScaleDown || id == kCmdFinish ||
        id == kCmdNothing || id == kCmdCloseInPlace) {
        return CommandUi{};
    }
    return std::nullopt;
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
