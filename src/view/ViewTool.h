#pragma once

#include <string_view>

#include "platform/ViewHost.h"

namespace korvo {

class CDrawObj;
class IDrawContext;

// What the view dispatches to: the interactive tool that receives the mouse, key, focus and
// scroll events and draws its feedback over the rendered drawing. CFuncTool (tools/) gives every
// operation its base behaviour; the view knows tools only through this interface.
//
// Points are client pixels, flags the mouse-key flags of platform/KeyCodes.h. The view owns its
// tools: it calls End when it replaces one and destroys it once the event that replaced it has
// been handled, so a tool that calls CreateTool may still return through its own code, but must
// not act any more.
class IViewTool {
public:
    virtual ~IViewTool() = default;

    virtual void Start() = 0;
    virtual void End() = 0;
    virtual void Suspend() = 0;
    virtual void Finish() = 0;
    virtual void DrawFeedback(IDrawContext& dc) = 0;
    virtual void OnLButtonDown(unsigned flags, int x, int y) = 0;
    virtual void OnLButtonUp(unsigned flags, int x, int y) = 0;
    virtual void OnLButtonDblClk(unsigned flags, int x, int y) = 0;
    virtual void OnMouseMove(unsigned flags, int x, int y) = 0;
    virtual void OnRButtonDown(unsigned flags, int x, int y) = 0;
    virtual void OnRButtonDblClk(unsigned flags, int x, int y) = 0;
    virtual void ResetInput(unsigned flags, int x, int y) = 0;
    virtual void OnKillFocus() = 0;
    // Kept so subclasses that override it keep compiling; nothing calls it.
    virtual void OnReservedEvent(int argument) = 0;
    virtual void OnScroll(int code, int position, ScrollBar bar) = 0;
    // Kept like OnReservedEvent; nothing calls it.
    virtual void OnReservedScroll(int code, int position, ScrollBar bar) = 0;
    virtual void OnKeyDown(int key, int repeat, unsigned flags) = 0;
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
