#pragma once

#include <QAbstractScrollArea>
#include <QSet>
#include <map>
#include <memory>

#include "platform/ViewHost.h"
#include "view/AutoScroll.h"
#include "view/ToolEvent.h"

class QTimer;

namespace korvo {

class CKorvoFEDoc;
class CKorvoFEView;
class CQtImageSurface;
class IDialogHost;
class IToolFactory;

// The window of a drawing view. It owns the view (CKorvoFEView) and only translates: Qt's
// mouse, wheel, key, focus, scroll-bar, size and timer events become the view's calls, and the
// view's requests (repaint, scroll bars, cursor, pointer, capture, timers, posted commands,
// clipboard) become Qt calls. A paint asks the view to paint into the window image and copies
// that image to the screen. The middle button's origin window scrolls it as a user dragging
// the scroll boxes would.
class CDrawingView : public QAbstractScrollArea, public IViewHost, public CAutoScroll::ITarget {
    Q_OBJECT

public:
    CDrawingView(CKorvoFEDoc& document, IDialogHost& dialogs, IToolFactory& factory,
                 QWidget* parent);
    ~CDrawingView() override;

    CKorvoFEView& View() const { return *view_; }
    // The view's first display: paper prepared, everything rendered, the default tool installed.
    // Runs once, when the window first has its size.
    void InitialUpdate();

    // --- IViewHost -----------------------------------------------------------------------------
    void Invalidate(std::optional<DeviceRect> rect) override;
    DevicePoint ClientSize() const override;
    std::unique_ptr<IDrawSurface> CreateSurface(int width, int height) override;
    void ShowScrollBar(ScrollBar bar, bool visible) override;
    void SetScrollRange(ScrollBar bar, int minimum, int maximum) override;
    void SetScrollPos(ScrollBar bar, int position) override;
    int GetScrollPos(ScrollBar bar) const override;
    DevicePoint GetScrollRange(ScrollBar bar) const override;
    void SetCursor(CursorShape shape) override;
    void SetStatusText(int pane, std::string_view text) override;
    DevicePoint GetPointerPos() const override;
    bool IsPointerInView() const override;
    bool WarpPointer(DevicePoint client) override;
    void SetCapture() override;
    void ReleaseCapture() override;
    bool HasCapture() const override;
    bool IsKeyDown(int key) const override;
    void StartTimer(int id, int intervalMs) override;
    void StopTimer(int id) override;
    void PostCommand(int id) override;
    void PostFrameMessage(int message) override;
    void RefreshToolbarButtons(int commandId) override;
    void StartAutoScroll(DevicePoint client) override;
    bool ClipboardHasFormat(std::string_view format) const override;
    bool SetClipboardData(std::string_view format, std::span<const std::byte> data) override;
    std::optional<std::vector<std::byte>> GetClipboardData(std::string_view format) const override;
    DropEffect DoDragDrop(std::string_view format, std::span<const std::byte> data) override;
    IDialogHost& Dialogs() override { return dialogs_; }

    // --- CAutoScroll::ITarget: the middle button's auto-scroll drags the scroll boxes ----------
    CAutoScroll::ScrollBarState GetScrollBarState(ScrollBar bar) const override;
    void ThumbTrack(ScrollBar bar, int position) override;

    // The classic virtual-key number of a key (letters as 'A' ... 'Z'); 0 for keys the view has
    // no number for. The scan code tells the extra key of European keyboards ("<>|") apart.
    static int VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers, quint32 nativeScanCode);

signals:
    void StatusTextChanged(int pane, const QString& text);
    void ToolbarButtonsChanged(int commandId);
    void FrameMessage(int message);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Qt's buttons and modifiers as the view's typed input; mouse events are translated here once.
    static InputState InputOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    static MouseButton ButtonOf(Qt::MouseButton button);
    void HandPointer(QMouseEvent* event, PointerKind kind);
    void OnScrollAction(ScrollBar bar, int action);
    // False when the drag carries no drawing (the event is then left to the main window).
    bool DragOver(QDragMoveEvent* event);
    QScrollBar* Bar(ScrollBar bar) const;

    IDialogHost& dialogs_;
    std::unique_ptr<CKorvoFEView> view_;
    std::unique_ptr<CQtImageSurface> window_;
    std::map<int, QTimer*> timers_;
    QSet<int> keysDown_;
    bool initialised_ = false;
    bool captured_ = false;
};

}  // namespace korvo
