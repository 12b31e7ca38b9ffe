#include "tools/ToolFactory.h"

#include <algorithm>
#include <array>
#include <new>

#include "tools/FuncToolArc.h"
#include "tools/FuncToolBreak.h"
#include "tools/FuncToolCircle.h"
#include "tools/FuncToolCopy.h"
#include "tools/FuncToolEllipse.h"
#include "tools/FuncToolExtend.h"
#include "tools/FuncToolJoin.h"
#include "tools/FuncToolLine.h"
#include "tools/FuncToolMirror.h"
#include "tools/FuncToolMoveCopy.h"
#include "tools/FuncToolErase.h"
#include "tools/FuncToolFitPaper.h"
#include "tools/FuncToolLine.h"
#include "tools/FuncToolParallel.h"
#include "tools/FuncToolPaste.h"
#include "tools/FuncToolPlace.h"
#include "tools/FuncToolPoint.h"
#include "tools/FuncToolPolygon.h"
#include "tools/FuncToolRectangle.h"
#include "tools/FuncToolRedraw.h"
#include "tools/FuncToolRotate.h"
#include "tools/FuncToolScale.h"
#include "tools/FuncToolSelectAll.h"
#include "tools/FuncToolSelectSingle.h"
#include "tools/FuncToolSelectTool.h"
#include "tools/FuncToolSelectWindow.h"
#include "tools/FuncToolTrim.h"
#include "tools/FuncToolZoomExtents.h"
#include "tools/FuncToolZoomWindow.h"
#include "view/ViewCommands.h"

namespace korvo {

namespace {

// The drawing tools.
constexpr int kToolLine = 19060;
constexpr int kToolArc = 19061;
constexpr int kToolCircle = 19062;
constexpr int kToolEllipse = 19063;
constexpr int kToolRectangle = 19066;
constexpr int kToolPoint = 32827;

constexpr std::array<int, 31> kAcceptedWithoutTool{
    19064, 19065, 19070, 19071, 19079, 19080, 19081, 19083, 19084, 19085, 19089,
    19090, 19091, 19119, 19123, 19200, 19203, 19222, 19227, 19255, 19265, 19266,
    19270, 19309, 19310, 19328, 19456, 19457, 19461, 19462, 41068};

template <class Tool>
IToolFactory::Made MakeTool(IToolFactory::Kind kind, CKorvoFEView& view) {
    // Out of memory the view gets no tool and ignores tool events until the next CreateTool.
    return {kind, std::unique_ptr<IViewTool>(new (std::nothrow) Tool(view))};
}

// A selection tool that sets (select) or clears (deselect) what it finds.
template <class Tool>
IToolFactory::Made MakeSelecting(CKorvoFEView& view, SelectionMode mode) {
    return {IToolFactory::Kind::Main,
            std::unique_ptr<IViewTool>(new (std::nothrow) Tool(view, mode))};
}

// The parallel, polygon, erase, fit, placement and clipboard tools.
constexpr int kToolCut = 19057;
constexpr int kToolPaste = 19059;
constexpr int kToolErase = 19074;
constexpr int kToolPlace = 19078;
constexpr int kToolParallel = 19190;
constexpr int kToolFitPaper = 19240;
constexpr int kToolPolygon = 19458;

IToolFactory::Made MakeCopy(CKorvoFEView& view, CFuncToolCopy::Mode mode) {
    return {IToolFactory::Kind::Main,
            std::unique_ptr<IViewTool>(new (std::nothrow) CFuncToolCopy(view, mode))};
}

// The selection tools.
constexpr int kToolDeselectAll = 19067;
constexpr int kToolSelectSingle = 19068;
constexpr int kToolDeselectSingle = 19069;
constexpr int kToolSelectWindow = 19072;
constexpr int kToolDeselectWindow = 19073;
constexpr int kToolSelectAll = 19092;

// The tools that trim, extend, break and join picked elements.
constexpr int kToolJoin = 19088;
constexpr int kToolTrim = 19171;
constexpr int kToolBreak = 19172;
constexpr int kToolExtend = 19173;

// The transform tools: move, copy, rotate, scale and mirror the selection.
constexpr int kToolMirror = 19174;
constexpr int kToolRotate = 19175;
constexpr int kToolScale = 19176;
constexpr int kToolMove = 19177;
constexpr int kToolCopySelected = 19295;

IToolFactory::Made MakeMoveCopy(CKorvoFEView& view, bool copy) {
    return {IToolFactory::Kind::Main,
            std::unique_ptr<IViewTool>(new (std::nothrow) CFuncToolMoveCopy(view, copy))};
}

}  // namespace

bool CToolFactory::IsAcceptedWithoutTool(int toolId) {
    return std::find(kAcceptedWithoutTool.begin(), kAcceptedWithoutTool.end(), toolId) !=
           kAcceptedWithoutTool.end();
}

IToolFactory::Made CToolFactory::Make(int toolId, CKorvoFEView& view) {
    switch (toolId) {
        case kToolSelection:
        case kToolSelectionTool:
            return MakeTool<CFuncToolSelectTool>(Kind::Main, view);
        case kToolSelectAll:
            return MakeSelecting<CFuncToolSelectAll>(view, SelectionMode::Select);
        case kToolDeselectAll:
            return MakeSelecting<CFuncToolSelectAll>(view, SelectionMode::Deselect);
        case kToolSelectSingle:
            return MakeSelecting<CFuncToolSelectSingle>(view, SelectionMode::Select);
        case kToolDeselectSingle:
            return MakeSelecting<CFuncToolSelectSingle>(view, SelectionMode::Deselect);
        case kToolSelectWindow:
            return MakeSelecting<CFuncToolSelectWindow>(view, SelectionMode::Select);
        case kToolDeselectWindow:
            return MakeSelecting<CFuncToolSelectWindow>(view, SelectionMode::Deselect);
        case kToolRedraw:
            return MakeTool<CFuncToolRedraw>(Kind::Temporary, view);
        case kToolZoomExtents:
            return MakeTool<CFuncToolZoomExtents>(Kind::Temporary, view);
        case kToolZoomWindow:
            return MakeTool<CFuncToolZoomWindow>(Kind::Temporary, view);
        case kToolLine:
            return MakeTool<CFuncToolLine>(Kind::Main, view);
        case kToolArc:
            return MakeTool<CFuncToolArc>(Kind::Main, view);
        case kToolCircle:
            return MakeTool<CFuncToolCircle>(Kind::Main, view);
        case kToolEllipse:
            return MakeTool<CFuncToolEllipse>(Kind::Main, view);
        case kToolRectangle:
            return MakeTool<CFuncToolRectangle>(Kind::Main, view);
        case kToolPoint:
            return MakeTool<CFuncToolPoint>(Kind::Main, view);
        // Trim, extend, break and join.
        case kToolTrim:
            return MakeTool<CFuncToolTrim>(Kind::Main, view);
        case kToolExtend:
            return MakeTool<CFuncToolExtend>(Kind::Main, view);
        case kToolBreak:
            return MakeTool<CFuncToolBreak>(Kind::Main, view);
        case kToolJoin:
            return MakeTool<CFuncToolJoin>(Kind::Main, view);
        // The transform tools.
        case kToolMove:
            return MakeMoveCopy(view, false);
        case kToolCopySelected:
            return MakeMoveCopy(view, true);
        case kToolRotate:
            return MakeTool<CFuncToolRotate>(Kind::Main, view);
        case kToolScale:
            return MakeTool<CFuncToolScale>(Kind::Main, view);
        case kToolMirror:
            return MakeTool<CFuncToolMirror>(Kind::Main, view);
        // The parallel, polygon, erase, fit, placement and clipboard tools.
        case kToolParallel:
            return MakeTool<CFuncToolParallel>(Kind::Main, view);
        case kToolPolygon:
            return MakeTool<CFuncToolPolygon>(Kind::Main, view);
        case kToolErase:
            return MakeTool<CFuncToolErase>(Kind::Main, view);
        case kToolFitPaper:
            return MakeTool<CFuncToolFitPaper>(Kind::Main, view);
        case kToolPlace:
            return MakeTool<CFuncToolPlace>(Kind::Main, view);
        case kToolCut:
            return MakeCopy(view, CFuncToolCopy::Mode::Cut);
        case kToolCopy:
            return MakeCopy(view, CFuncToolCopy::Mode::Copy);
        case kToolPaste:
            return MakeTool<CFuncToolPaste>(Kind::Main, view);
        default:
            break;
    }
    if (IsAcceptedWithoutTool(toolId)) {
        return {Kind::NoTool, nullptr};
    }
    // The drawing, selection, editing and clipboard tools join this table as they are written;
    // until then their ids are unknown like any other.
    return {Kind::Unknown, nullptr};
}

}  // namespace korvo
