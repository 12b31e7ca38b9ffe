#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "geometry/PlaneGeometry.h"
#include "geometry/RectF.h"
#include "platform/DrawContext.h"
#include "platform/Message.h"
#include "platform/ViewHost.h"
#include "view/DirtyArea.h"
#include "view/RenderPipeline.h"
#include "view/ToolEvent.h"
#include "view/ToolStack.h"

namespace korvo {

class CData;
class CDataCollection;
class CKorvoFEDoc;
class CPaper;
class IDrawSurface;
class CViewDragDrop;
class IToolFactory;
class IViewTool;

// How a menu or toolbar item of a view command looks.
struct CommandUi {
    bool enabled = true;
    bool checked = false;
};

// The drawing view of one document. It coordinates the parts that do the work: the render
// pipeline (back buffer, stale areas, redraw batches), the tool stack, and drag and drop of
// drawing data; it keeps the mapping between the paper and the client area, zooms and scrolls,
// dispatches every event to the active tool, and answers the view's commands. Everything it needs
// from a window goes through IViewHost; the window (or the session, or a test) calls the On...
// entry points.
class CKorvoFEView {
public:
    CKorvoFEView(CKorvoFEDoc& document, IViewHost& host, IToolFactory& factory);
    ~CKorvoFEView();
    CKorvoFEView(const CKorvoFEView&) = delete;
    CKorvoFEView& operator=(const CKorvoFEView&) = delete;

    CKorvoFEDoc& GetDocument() const { return document_; }
    // The document's paper, null when the document has none.
    CPaper* GetPaper() const;
    IViewHost& Host() const { return host_; }

    // --- events from the window --------------------------------------------------------------
    void OnInitialUpdate();
    void OnSize(int width, int height);
    void OnPaint(IDrawSurface& window);
    // A pointer event of the window. The view works out its world point and snap point once and
    // hands the tools that typed event.
    void OnPointer(const PointerInput& input);
    // The wheel: a positive delta turns it away from the user; `at` is the pointer (client).
    void OnWheel(const InputState& state, int delta, DevicePoint at);
    // The same events in the classic flag words of platform/KeyCodes.h, as recorded scripts and
    // tests write them; each is translated once into the typed form above.
    void OnLButtonDown(unsigned flags, int x, int y);
    void OnLButtonUp(unsigned flags, int x, int y);
    void OnLButtonDblClk(unsigned flags, int x, int y);
    void OnRButtonDown(unsigned flags, int x, int y);
    void OnRButtonUp(unsigned flags, int x, int y);
    void OnRButtonDblClk(unsigned flags, int x, int y);
    void OnMButtonDown(unsigned flags, int x, int y);
    void OnMButtonDblClk(unsigned flags, int x, int y);
    void OnMouseMove(unsigned flags, int x, int y);
    // The pointer position in client pixels; a positive delta turns the wheel away from the user.
    void OnMouseWheel(unsigned flags, int delta, int x, int y);
    // Ctrl reaches the tool only at its release, and only when nothing came between (no key,
    // button, wheel or command): a Ctrl held for a chord is no request of its own.
    void OnKeyDown(int key, int repeat, unsigned flags);
    void OnKeyUp(int key, unsigned flags);
    // A key went to a shortcut of the window instead of the view: a Ctrl held meanwhile was
    // part of that chord.
    void OnShortcutKey() { controlTap_ = false; }
    void OnKillFocus();
    // The window asks which cursor to show; true when the view has set it (over the client area
    // with a tool), false for the window's default. Hosts without such a request call it after
    // every mouse event inside the view.
    bool OnSetCursor(bool overClientArea);
    void OnContextMenu(int screenX, int screenY);
    void OnHScroll(int code, int position);
    void OnVScroll(int code, int position);
    void OnTimer(int id);
    // A menu, toolbar or key command; false when the view does not handle that id.
    bool OnCommand(int id);
    // Load Char of a character chosen elsewhere (the text preview): no character dialog, but
    // the same question before a drawing is cleared.
    void LoadCharacter(int code);
    // The look of a command's item; nothing when the view has no rule for that id.
    std::optional<CommandUi> OnUpdateCommand(int id) const;
    // A menu text that replaces the command's own for now ("&Undo Trim element"); empty when
    // the command keeps its text.
    std::string CommandText(int id) const;
    void OnUpdate(int hint, const UpdateArea& area = {});
    // The private message 1126 installs the tool whose id it carries; always 1.
    int OnToolMessage(int message, int parameter);
    // Timers started through the host with this id call `handler` from OnTimer.
    void SetTimerHandler(int id, std::function<void()> handler);

    // --- the view's commands, as the command registry's rows run them ----------------------------
    void LoadChar();
    void SaveChar();
    void ClearChar();
    // Convert to Lines (true) or Trim Lines (false).
    void ConvertOrTrim(bool convert);
    void ShowFontTable();
    void ToggleGrid();
    // A grid size entry, 19440 ... 19450 (Other asks for the size).
    void SetGridCommand(int id);
    void ToggleSnap();
    void ToggleTrackers();
    void ToggleStyledDrawing();
    // Gives the selection the current width (true) or level (false).
    void ApplyToSelection(bool width);
    // Turn, scale or finish the main tool's input.
    void MainToolCommand(int id);

    // --- tools -----------------------------------------------------------------------------
    // The factory: installs the tool of `id` (or none), refreshes the status; returns 1.
    int CreateTool(int id);
    int SetTool(int id, std::unique_ptr<IViewTool> tool);
    int SetTemporaryTool(int id, std::unique_ptr<IViewTool> tool);
    // Selects exactly `node` (a node of the paper), deselecting every other.
    void SelectOnly(CData* node);
    // Pane 2: the coordinate pairs storing the drawing would need.
    void UpdateStatus();
    // Pane 1: the active tool's live values.
    void SetToolStatus(std::string_view text);
    // Empties the paper; with `ask`, only when the drawing area holds something that would be
    // stored and the user agrees.
    void ClearDrawing(bool ask);

    // The kind of point the last snap search of this view found (0 none): it selects the snap
    // marker the tools draw. Each view keeps its own, so two open fonts never share a marker.
    int GetSnapHit() const { return snapHit_; }
    void SetSnapHit(int kind) { snapHit_ = kind; }

    IViewTool* GetTool() const { return tools_.Main(); }
    IViewTool* GetTempTool() const { return tools_.Temporary(); }
    // The temporary tool when there is one, else the main tool (may be null).
    IViewTool* GetActiveTool() const { return tools_.Active(); }
    int GetToolId() const { return tools_.MainId(); }
    int GetTempToolId() const { return tools_.TemporaryId(); }

    // The nodes the clipboard offers in the private format, null when it offers none. Damaged
    // data (another program may have written it) is refused whole, with a message.
    std::unique_ptr<CDataCollection> LoadClipboard();

    // --- drag and drop of the selection ----------------------------------------------------------
    // Drags the selected nodes, picked up at `pressPoint` (world units), through the host. When
    // the drag is over they have been moved, copied or handed over to the view they were dropped
    // on, and the default tool is installed.
    void DragSelection(PointF pressPoint);
    // A drag passes over the view at a client point; `data` is what it carries in the private
    // format (nothing when it carries none). The answer is what a drop here would do; meanwhile
    // the dragged nodes are shown where they would land.
    DropEffect OnDragOver(std::optional<std::span<const std::byte>> data, unsigned flags, int x,
                          int y);
    // The drag is dropped here. A drag of this process's views is finished by the view it came
    // from; data from elsewhere is added here as selected copies. Damaged data is refused with a
    // message. The answer is the effect, None when refused.
    DropEffect OnDrop(std::optional<std::span<const std::byte>> data, unsigned flags, int x, int y);
    // The same, with the window's typed modifiers (Ctrl copies).
    DropEffect OnDragOver(std::optional<std::span<const std::byte>> data, const InputState& state,
                          DevicePoint at);
    DropEffect OnDrop(std::optional<std::span<const std::byte>> data, const InputState& state,
                      DevicePoint at);
    void OnDragLeave();
    // The nodes a drag over the view shows, null when none is shown.
    const CDataCollection* GetDragPreview() const;
    // --- undo --------------------------------------------------------------------------------
    // Makes state `index` of the document's undo history current, as Undo and Redo do.
    void GoToUndoStep(std::size_t index);

    // --- zoom ------------------------------------------------------------------------------
    // The whole drawing area (the paper's extension) fills the view.
    void ZoomOriginal();
    // The rectangle between two corners fills the view; false (nothing changes) when it is
    // thinner than the smallest window the mapping takes on either axis.
    bool ZoomToRect(PointF a, PointF b);
    // The grid command (19440 ... 19450) whose check mark matches a grid spacing.
    static int GridCommandFor(PointF grid);
    // Sets the grid command from this view's paper, without re-rendering.
    void SyncGridCommand();
    // Hands the client size to the paper, which recomputes the mapping (only when usable).
    void PrepareMapping();
    DeviceRect ClientRect() const;
    // The client area in world units (the paper must exist).
    RectF ClientWorldRect() const;

    // --- rendering ---------------------------------------------------------------------------
    CRenderPipeline& Pipeline() { return *pipeline_; }
    // Renders everything (none) or a world rectangle into the back buffer.
    void Render(std::optional<RectF> rect = std::nullopt) { pipeline_->Render(rect); }
    void DrawNode(CData& node) { pipeline_->DrawNode(node); }
    void DrawCollection(CDataCollection& collection) { pipeline_->DrawCollection(collection); }
    // Copies the back buffer to the window, all of it or one rectangle.
    void Blit(IDrawSurface& window, std::optional<DeviceRect> rect = std::nullopt) {
        pipeline_->Blit(window, rect);
    }
    // Re-renders everything into the back buffer at once and asks for a repaint.
    void RenderNow() { pipeline_->RenderNow(); }
    IDrawSurface* GetBackBuffer() const { return pipeline_->BackBuffer(); }
    // What of the back buffer the next paint renders again.
    Stale GetPendingState() const { return pipeline_->StaleArea().State(); }
    const RectF& GetPendingRect() const { return pipeline_->StaleArea().Bounds(); }
    bool IsForcedFullRender() const { return pipeline_->IsForced(); }
    // How many renders of the sheet's background were reused from the cached layer (tests and
    // benchmarks watch the cache through it).
    int GetBackgroundRenders() const { return pipeline_->BackgroundRenders(); }

    // --- redraw batches (CRedrawBatch) ---------------------------------------------------------
    void BeginBatch() { pipeline_->BeginBatch(); }
    void AddWorldRect(std::optional<RectF> rect) { pipeline_->AddWorldRect(rect); }
    void AddScreenRect(std::optional<DeviceRect> rect) { pipeline_->AddScreenRect(rect); }
    void EndBatch() { pipeline_->EndBatch(!closing_); }
    int GetBatchDepth() const { return pipeline_->BatchDepth(); }

private:
    class DispatchScope;
    friend class DispatchScope;
    friend class CViewDragDrop;

    // What the end of an outermost dispatch does about undo.
    enum class UndoCue : std::uint8_t {
        Record,      // the action is over: record what it changed
        AtButtonUp,  // a press: the release ends the action (a drag is one step)
        Never,       // pointer moves, scrolling, undo itself
    };
    // Who acted: a command, or else the tool that was active.
    struct UndoCause {
        int command = 0;
        int tool = 0;
    };
    void BeginAction(UndoCue cue, int command);
    void EndAction();
    // The active tool's prompt in the message pane, when it changed.
    void ShowPrompt();
    void RecordStep(const UndoCause& cause);
    void UndoCommand(bool redo);

    // events
    void DispatchMouse(void (IViewTool::*handler)(const ToolEvent&), const PointerInput& input);
    // The pointer's world point and snap point. A button at the pixel the pointer last moved to
    // snaps where that move did, as the tools' own snap point does, without searching again.
    ToolEvent MakeToolEvent(const PointerInput& input);
    void PressLeft(const PointerInput& input);
    void ReleaseLeft(const PointerInput& input);
    void DoubleLeft(const PointerInput& input);
    void PressRight(const PointerInput& input);
    void DoubleRight(const PointerInput& input);
    void PressMiddle(const PointerInput& input);
    void DoubleMiddle();
    void Move(const PointerInput& input);
    void Scroll(ScrollBar bar, int code, int position);
    void ScrollAlong(ScrollBar bar, int code, int position);
    void WheelZoom(int delta, int x, int y);
    void ScrollByWheel(int notch, bool horizontal);
    void RefreshCursor();
    void ReleaseRetiredTools() { tools_.ReleaseRetired(); }
    // After a tool was installed: a tool that ended leaves the values pane to the new one.
    void ToolInstalled(bool ended);

    // commands
    void LoadChosen(int code);
    void ShowError(FixedText text);

    // painting
    void UpdateScrollBars();
    bool MappingUsable() const;

    CKorvoFEDoc& document_;
    IViewHost& host_;
    IToolFactory& factory_;

    CToolStack tools_;
    std::unique_ptr<CRenderPipeline> pipeline_;
    std::unique_ptr<CViewDragDrop> dragDrop_;
    int dispatchDepth_ = 0;
    // Wheel turns not yet adding up to a whole notch.
    int wheelRemainder_ = 0;
    // The message pane's text as last shown.
    std::string shownPrompt_;
    // Ctrl is down and nothing else has happened since.
    bool controlTap_ = false;
    int snapHit_ = 0;
    // The event of the last pointer move that reached a tool.
    std::optional<ToolEvent> lastMove_;

    UndoCue undoCue_ = UndoCue::Record;
    UndoCause undoCause_;
    // The press that began an action still waiting for its release.
    std::optional<UndoCause> pendingCause_;

    std::map<int, std::function<void()>> timerHandlers_;
    // Set while the view is being destroyed: the tools still end, but nothing reaches the host.
    bool closing_ = false;
};

}  // namespace korvo
