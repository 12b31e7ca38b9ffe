#pragma once

#include <string_view>

#include "platform/ViewHost.h"
#include "view/ToolEvent.h"

namespace korvo {

class CDrawObj;
class IDrawContext;

// What the view dispatches to: the interactive tool that receives the mouse, key, focus and
// scroll events and draws its feedback over the rendered drawing. CFuncTool (tools/) gives every
// operation its base behaviour; the view knows tools only through this interface.
//
// Pointer events arrive typed (view/ToolEvent.h): what happened, the modifiers and buttons held,
// the client pixel and its world point, raw and snapped, all worked out once by the view. The
// view owns its tools: it calls End when it replaces one and destroys it once the event that
// replaced it has been handled, so a tool that calls CreateTool may still return through its own
// code, but must not act any more.
class IViewTool {
public:
    virtual ~IViewTool() = default;

    virtual void Start() = 0;
    virtual void End() = 0;
    virtual void Suspend() = 0;
    virtual void Finish() = 0;
    virtual void DrawFeedback(IDrawContext& dc) = 0;
    virtual void OnLButtonDown(const ToolEvent& event) = 0;
    virtual void OnLButtonUp(const ToolEvent& event) = 0;
    virtual void OnLButtonDblClk(const ToolEvent& event) = 0;
    virtual void OnMouseMove(const ToolEvent& event) = 0;
    virtual void OnRButtonDown(const ToolEvent& event) = 0;
    virtual void OnRButtonDblClk(const ToolEvent& event) = 0;
    virtual void ResetInput(const ToolEvent& event) = 0;
    virtual void OnKillFocus() = 0;
    // Kept so subclasses that override it keep compiling; nothing calls it.
    virtual void OnReservedEvent(int argument) = 0;
    virtual void OnScroll(int code, int position, ScrollBar bar) = 0;
    // Kept like OnReservedEvent; nothing calls it.
    virtual void OnReservedScroll(int code, int position, ScrollBar bar) = 0;
    virtual void OnKeyDown(const KeyEvent& event) = 0;
    // Screen coordinates, as the context-menu request gives them.
    virtual void OnContextMenu(int screenX, int screenY) = 0;
    virtual void RotateBy(float radians) = 0;
    virtual void ScaleBy(float factorX, float factorY) = 0;
    virtual bool AcceptElement(CDrawObj* element) = 0;

    // The cursor shown while the tool is active; None hides it (the tool draws a crosshair).
    virtual CursorShape GetCursor() const = 0;
    // What the tool wants next, for the status bar ("First corner"); empty for nothing.
    virtual std::string_view Prompt() const = 0;
    // The "Trackers on selected elements" switch changed while this is the main tool; only the
    // selection tool answers it.
    virtual void OnTrackersSwitched(bool on) = 0;
};

}  // namespace korvo
