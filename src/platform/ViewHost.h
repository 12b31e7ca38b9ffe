#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "platform/DrawContext.h"

namespace korvo {

class IDialogHost;
class IDrawSurface;

enum class CursorShape { Cross, Arrow, Wait, None };

enum class ScrollBar { Horizontal, Vertical };

// Scroll-bar request codes with their classic numbers (left = up, right = down).
enum ScrollCode : int {
    kSbLineUp = 0,
    kSbLineDown = 1,
    kSbPageUp = 2,
    kSbPageDown = 3,
    kSbThumbPosition = 4,
    kSbThumbTrack = 5,
    kSbTop = 6,
    kSbBottom = 7,
    kSbEndScroll = 8
};

// What a drag of the selection ended with, as the view it was dropped on answered.
enum class DropEffect { None, Copy, Move };

// Status-bar panes the view writes: what the active tool wants next ("Ready" without a tool), the
// active tool's live values, and the element count.
inline constexpr int kPaneMessage = 0;
inline constexpr int kPaneToolValues = 1;
inline constexpr int kPaneElementCount = 2;

// The message a view posts to the main frame after a symbol was placed.
inline constexpr int kMsgSymbolPlaced = 1157;

// Everything the view and its tools need from the window that shows them. Client coordinates are
// pixels from the top-left corner of the view's client area, y downwards. The editor's view widget
// implements it on Qt, the session and the tests without a window.
class IViewHost {
public:
    virtual ~IViewHost() = default;

    // --- painting ----------------------------------------------------------------------------
    // Asks for a paint of the rectangle, or of the whole client area; never erases first, the
    // paint covers everything from the back buffer.
    virtual void Invalidate(std::optional<DeviceRect> rect) = 0;
    virtual DevicePoint ClientSize() const = 0;
    // A surface of that size for the back buffer, or null when none can be made.
    virtual std::unique_ptr<IDrawSurface> CreateSurface(int width, int height) = 0;

    // --- scroll bars -------------------------------------------------------------------------
    virtual void ShowScrollBar(ScrollBar bar, bool visible) = 0;
    virtual void SetScrollRange(ScrollBar bar, int minimum, int maximum) = 0;
    virtual void SetScrollPos(ScrollBar bar, int position) = 0;
    virtual int GetScrollPos(ScrollBar bar) const = 0;
    // Minimum and maximum as x and y.
    virtual DevicePoint GetScrollRange(ScrollBar bar) const = 0;

    // --- cursor, pointer, keyboard, status ---------------------------------------------------
    virtual void SetCursor(CursorShape shape) = 0;
    virtual void SetStatusText(int pane, std::string_view text) = 0;
    // Where the pointer is, in client pixels, and whether it lies inside the view's window.
    virtual DevicePoint GetPointerPos() const = 0;
    virtual bool IsPointerInView() const = 0;
    // Moves the pointer; false where the window system does not let programs move it (Wayland).
    virtual bool WarpPointer(DevicePoint client) = 0;
    virtual void SetCapture() = 0;
    virtual void ReleaseCapture() = 0;
    virtual bool HasCapture() const = 0;
    // Whether a key (kVk... of platform/KeyCodes.h) is held right now.
    virtual bool IsKeyDown(int key) const = 0;

    // --- timers and messages ------------------------------------------------------------------
    // Calls the view's OnTimer(id) every `intervalMs` until stopped; starting an id again
    // restarts it.
    virtual void StartTimer(int id, int intervalMs) = 0;
    virtual void StopTimer(int id) = 0;
    // Delivers OnCommand(id) to the view later, from the event loop.
    virtual void PostCommand(int id) = 0;
    // Posts a message to the main frame (kMsgSymbolPlaced).
    virtual void PostFrameMessage(int message) = 0;
    // Redraws the toolbar buttons of a command, whose look follows the document (the grid
    // button shows the spacing and is pressed while the grid is shown).
    virtual void RefreshToolbarButtons(int commandId) = 0;
    // The middle button without Shift: the auto-scroll origin window opens at that client point.
    virtual void StartAutoScroll(DevicePoint client) = 0;

    // --- clipboard ---------------------------------------------------------------------------
    virtual bool ClipboardHasFormat(std::string_view format) const = 0;
    virtual bool SetClipboardData(std::string_view format, std::span<const std::byte> data) = 0;
    // The bytes under that format, or nothing when the clipboard does not offer it.
    virtual std::optional<std::vector<std::byte>> GetClipboardData(
        std::string_view format) const = 0;

    // --- drag and drop --------------------------------------------------------------------------
    // Drags `data` under the private `format` with the mouse, allowing copy and move, until the
    // button is released; returns what the view it was dropped on did (None when it was dropped
    // nowhere or the drag was cancelled). Meanwhile the views under the pointer hear of it
    // through CKorvoFEView::OnDragOver, OnDrop and OnDragLeave. A host that cannot drag ends the
    // drag at once.
    virtual DropEffect DoDragDrop(std::string_view, std::span<const std::byte>) {
        return DropEffect::None;
    }

    // --- questions -----------------------------------------------------------------------------
    virtual IDialogHost& Dialogs() = 0;
};

}  // namespace korvo
