#pragma once

#include <QCursor>
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <map>

#include "view/AutoScroll.h"

namespace korvo {

// The small round window that marks where middle-button auto-scrolling started. While it is
// open it holds the mouse and the keyboard, scrolls its target every tick and shows in the
// cursor which way and how fast; the next mouse button or key press ends the run.
//
// A view widget starts a run from IViewHost::StartAutoScroll with itself as owner and target:
//     COriginWindow::Start(this, *this, mapToGlobal(QPoint(client.x, client.y)));
// where its CAutoScroll::ITarget reports its scroll bars (a hidden bar as not enabled) and
// answers ThumbTrack with the view's own OnHScroll / OnVScroll(kSbThumbTrack, position).
class COriginWindow : public QWidget {
    Q_OBJECT

public:
    // The window's width and height; its round part spans (2, 2) ... (31, 31).
    static constexpr int kSize = 32;

    // Opens the window centred on `origin` (screen pixels) and starts scrolling `target`. The
    // window is a child of `owner` and deletes itself when the run ends; `target` must live as
    // long as the owner (the owner itself, usually).
    static COriginWindow* Start(QWidget* owner, CAutoScroll::ITarget& target, QPoint origin,
                                std::uint16_t flags = 0);

    ~COriginWindow() override;

    // Ends the run: the timer stops, mouse and keyboard are released, the cursor is restored and
    // the window closes (and is deleted from the event loop).
    void Stop();
    bool IsRunning() const { return running_; }

signals:
    void Stopped();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    COriginWindow(QWidget* owner, CAutoScroll::ITarget& target, QPoint origin, std::uint16_t flags);
    void Run();
    void Release();
    void OnTick();
    void ShowCursor();
    const QCursor& CursorFor(CAutoScroll::Direction direction, bool fast);

    CAutoScroll run_;
    QTimer timer_;
    bool running_ = false;
    bool cursorShown_ = false;
    int cursorKey_ = -1;
    std::map<int, QCursor> cursors_;
};

}  // namespace korvo
