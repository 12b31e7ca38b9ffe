#include "OriginWindow.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRegion>

namespace korvo {

namespace {

using Direction = CAutoScroll::Direction;

// The round part of the window, and where its arrows sit from the centre.
const QRect kRound(2, 2, 29, 29);
constexpr double kArrowTip = 12.0;
constexpr double kArrowBase = 7.0;
constexpr double kArrowHalfWidth = 4.0;
constexpr double kDotRadius = 2.0;

// Cursors: the mark of the origin in small, with one arrow for the way the window moves.
constexpr int kCursorSize = 32;
constexpr double kCursorRing = 3.5;
constexpr double kCursorTip = 12.0;
constexpr double kCursorBase = 6.0;
constexpr double kFastStep = 4.0;

QPointF UnitOf(Direction direction) {
    constexpr double d = 0.70710678118654752;
    switch (direction) {
        case Direction::Up:
            return {0, -1};
        case Direction::UpRight:
            return {d, -d};
        case Direction::Right:
            return {1, 0};
        case Direction::DownRight:
            return {d, d};
        case Direction::Down:
            return {0, 1};
        case Direction::DownLeft:
            return {-d, d};
        case Direction::Left:
            return {-1, 0};
        case Direction::UpLeft:
            return {-d, -d};
        case Direction::None:
            break;
    }
    return {0, 0};
}

void DrawArrow(QPainter& painter, QPointF centre, QPointF unit, double tip, double base) {
    const QPointF across(-unit.y(), unit.x());
    QPainterPath arrow;
    arrow.moveTo(centre + unit * tip);
    arrow.lineTo(centre + unit * base + across * kArrowHalfWidth);
    arrow.lineTo(centre + unit * base - across * kArrowHalfWidth);
    arrow.closeSubpath();
    painter.drawPath(arrow);
}

// The arrows of the axes that can scroll.
void DrawAxisArrows(QPainter& painter, QPointF centre, bool x, bool y, double tip, double base) {
    if (x) {
        DrawArrow(painter, centre, UnitOf(Direction::Left), tip, base);
        DrawArrow(painter, centre, UnitOf(Direction::Right), tip, base);
    }
    if (y) {
        DrawArrow(painter, centre, UnitOf(Direction::Up), tip, base);
        DrawArrow(painter, centre, UnitOf(Direction::Down), tip, base);
    }
}

}  // namespace

COriginWindow* COriginWindow::Start(QWidget* owner, CAutoScroll::ITarget& target, QPoint origin,
                                    std::uint16_t flags) {
    auto* window = new COriginWindow(owner, target, origin, flags);
    window->Run();
    return window;
}

COriginWindow::COriginWindow(QWidget* owner, CAutoScroll::ITarget& target, QPoint origin,
                             std::uint16_t flags)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                         Qt::WindowDoesNotAcceptFocus),
      run_(target, DevicePoint{origin.x(), origin.y()}, DevicePoint{kSize, kSize}, flags),
      timer_(this) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(kSize, kSize);
    setMask(QRegion(kRound, QRegion::Ellipse));
    move(origin - QPoint(kSize / 2, kSize / 2));
    timer_.setInterval(CAutoScroll::kTickMs);
    connect(&timer_, &QTimer::timeout, this, &COriginWindow::OnTick);
}

// An owner that goes away while the run lasts takes the window with it; the grabs and the
// cursor must not outlive it.
COriginWindow::~COriginWindow() {
    if (running_) {
        Release();
    }
}

void COriginWindow::Run() {
    show();
    grabMouse();
    grabKeyboard();
    running_ = true;
    ShowCursor();
    timer_.start();
}

void COriginWindow::Stop() {
    if (!running_) {
        return;
    }
    Release();
    emit Stopped();
    close();
}

void COriginWindow::Release() {
    running_ = false;
    timer_.stop();
    releaseMouse();
    releaseKeyboard();
    if (cursorShown_) {
        QGuiApplication::restoreOverrideCursor();
        cursorShown_ = false;
    }
}

void COriginWindow::OnTick() {
    const QPoint cursor = QCursor::pos();
    run_.Tick(DevicePoint{cursor.x(), cursor.y()});
    ShowCursor();
}

void COriginWindow::ShowCursor() {
    const Direction direction = run_.CursorDirection();
    const bool fast = run_.IsFast();
    const int key = static_cast<int>(direction) * 2 + (fast ? 1 : 0);
    if (cursorShown_ && key == cursorKey_) {
        return;
    }
    const QCursor& cursor = CursorFor(direction, fast);
    if (cursorShown_) {
        QGuiApplication::changeOverrideCursor(cursor);
    } else {
        QGuiApplication::setOverrideCursor(cursor);
        cursorShown_ = true;
    }
    cursorKey_ = key;
}

// Black shapes with a white outline stay visible on the white sheet and on dark toolbars alike.
const QCursor& COriginWindow::CursorFor(Direction direction, bool fast) {
    const int key = static_cast<int>(direction) * 2 + (fast ? 1 : 0);
    const auto found = cursors_.find(key);
    if (found != cursors_.end()) {
        return found->second;
    }
    QPixmap pixmap(kCursorSize, kCursorSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 1.0));
    painter.setBrush(Qt::black);
    const QPointF centre(kCursorSize / 2.0, kCursorSize / 2.0);
    painter.drawEllipse(centre, kCursorRing, kCursorRing);
    if (direction == Direction::None) {
        DrawAxisArrows(painter, centre, run_.CanScrollX(), run_.CanScrollY(), kCursorTip,
                       kCursorBase);
    } else {
        const QPointF unit = UnitOf(direction);
        DrawArrow(painter, centre, unit, kCursorTip, kCursorBase);
        if (fast) {
            DrawArrow(painter, centre, unit, kCursorTip + kFastStep, kCursorBase + kFastStep);
        }
    }
    painter.end();
    return cursors_.emplace(key, QCursor(pixmap, kCursorSize / 2, kCursorSize / 2)).first->second;
}

void COriginWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF round = QRectF(kRound).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(palette().color(QPalette::Dark), 1.0));
    painter.setBrush(palette().color(QPalette::Button));
    painter.drawEllipse(round);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::ButtonText));
    const QPointF centre = round.center();
    painter.drawEllipse(centre, kDotRadius, kDotRadius);
    DrawAxisArrows(painter, centre, run_.CanScrollX(), run_.CanScrollY(), kArrowTip, kArrowBase);
}

// Any button ends the run, except the release of the button that started it.
void COriginWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    Stop();
}

void COriginWindow::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void COriginWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    Stop();
}

void COriginWindow::keyPressEvent(QKeyEvent* event) {
    event->accept();
    Stop();
}

}  // namespace korvo
