#include "DrawingView.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDrag>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <cstring>

#include "DrawingMime.h"
#include "OriginWindow.h"
#include "QtImageSurface.h"
#include "platform/KeyCodes.h"
#include "view/KorvoFEView.h"
#include "view/ViewCommands.h"

namespace korvo {

namespace {

// The evdev scan code of the extra key left of Z on European keyboards ("<>|").
constexpr quint32 kScanCodeLessGreater = 94;

Qt::CursorShape QtCursorOf(CursorShape shape) {
    switch (shape) {
        case CursorShape::Arrow:
            return Qt::ArrowCursor;
        case CursorShape::Wait:
            return Qt::WaitCursor;
        case CursorShape::None:
            return Qt::BlankCursor;
        case CursorShape::Cross:
        default:
            return Qt::CrossCursor;
    }
}

int KeypadKeyOf(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        return 0x60 + (qtKey - Qt::Key_0);
    }
    switch (qtKey) {
        case Qt::Key_Asterisk:
            return kVkMultiply;
        case Qt::Key_Plus:
            return kVkAdd;
        case Qt::Key_Minus:
            return kVkSubtract;
        case Qt::Key_Slash:
            return kVkDivide;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return 0x6E;
        default:
            return 0;
    }
}

int NamedKeyOf(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Backspace:
            return 0x08;
        case Qt::Key_Tab:
            return 0x09;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 0x0D;
        case Qt::Key_Shift:
            return kVkShift;
        case Qt::Key_Control:
            return kVkControl;
        case Qt::Key_Alt:
            return 0x12;
        case Qt::Key_Escape:
            return kVkEscape;
        case Qt::Key_Space:
            return kVkSpace;
        case Qt::Key_PageUp:
            return 0x21;
        case Qt::Key_PageDown:
            return 0x22;
        case Qt::Key_End:
            return 0x23;
        case Qt::Key_Home:
            return 0x24;
        case Qt::Key_Left:
            return 0x25;
        case Qt::Key_Up:
            return 0x26;
        case Qt::Key_Right:
            return 0x27;
        case Qt::Key_Down:
            return 0x28;
        case Qt::Key_Insert:
            return 0x2D;
        case Qt::Key_Delete:
            return kVkDelete;
        case Qt::Key_Plus:
            return 0xBB;
        case Qt::Key_Comma:
            return 0xBC;
        case Qt::Key_Minus:
            return 0xBD;
        case Qt::Key_Period:
            return 0xBE;
        default:
            return 0;
    }
}

}  // namespace

CDrawingView::CDrawingView(CKorvoFEDoc& document, IDialogHost& dialogs, IToolFactory& factory,
                           QWidget* parent)
    : QAbstractScrollArea(parent), dialogs_(dialogs) {
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setMouseTracking(true);
    // Every paint covers the whole area from the window image; nothing needs erasing first.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAttribute(Qt::WA_NoSystemBackground);
    viewport()->setCursor(Qt::CrossCursor);
    // Selections dragged from any view or font land here.
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int action) { OnScrollAction(ScrollBar::Horizontal, action); });
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int action) { OnScrollAction(ScrollBar::Vertical, action); });
    connect(horizontalScrollBar(), &QScrollBar::sliderReleased, this,
            [this] { view_->OnHScroll(kSbEndScroll, GetScrollPos(ScrollBar::Horizontal)); });
    connect(verticalScrollBar(), &QScrollBar::sliderReleased, this,
            [this] { view_->OnVScroll(kSbEndScroll, GetScrollPos(ScrollBar::Vertical)); });
    view_ = std::make_unique<CKorvoFEView>(document, *this, factory);
}

CDrawingView::~CDrawingView() {
    for (auto& [id, timer] : timers_) {
        timer->stop();
    }
    // The view's tools end while this window can still answer them.
    view_.reset();
}

void CDrawingView::InitialUpdate() {
    if (initialised_) {
        return;
    }
    initialised_ = true;
    view_->OnInitialUpdate();
}

// --- painting ------------------------------------------------------------------------------------

void CDrawingView::Invalidate(std::optional<DeviceRect> rect) {
    if (rect) {
        viewport()->update(
            QRect(QPoint(rect->left, rect->top), QPoint(rect->right - 1, rect->bottom - 1)));
    } else {
        viewport()->update();
    }
}

DevicePoint CDrawingView::ClientSize() const {
    return {viewport()->width(), viewport()->height()};
}

std::unique_ptr<IDrawSurface> CDrawingView::CreateSurface(int width, int height) {
    auto surface = std::make_unique<CQtImageSurface>(width, height);
    if (surface->IsNull()) {
        return nullptr;
    }
    return surface;
}

void CDrawingView::paintEvent(QPaintEvent* event) {
    const QSize size = viewport()->size();
    if (size.isEmpty()) {
        return;
    }
    if (!window_ || window_->Width() != size.width() || window_->Height() != size.height()) {
        window_ = std::make_unique<CQtImageSurface>(size.width(), size.height());
    }
    view_->OnPaint(*window_);
    QPainter painter(viewport());
    painter.drawImage(event->rect(), window_->Image(), event->rect());
}

void CDrawingView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    view_->OnSize(viewport()->width(), viewport()->height());
}

void CDrawingView::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    InitialUpdate();
}

// --- scroll bars ---------------------------------------------------------------------------------

QScrollBar* CDrawingView::Bar(ScrollBar bar) const {
    return bar == ScrollBar::Horizontal ? horizontalScrollBar() : verticalScrollBar();
}

void CDrawingView::ShowScrollBar(ScrollBar bar, bool visible) {
    const Qt::ScrollBarPolicy policy = visible ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    const Qt::ScrollBarPolicy current =
        bar == ScrollBar::Horizontal ? horizontalScrollBarPolicy() : verticalScrollBarPolicy();
    if (policy == current) {
        return;
    }
    // The view asks from inside its paint; the area changes size once the paint is over.
    QMetaObject::invokeMethod(
        this,
        [this, bar, policy] {
            if (bar == ScrollBar::Horizontal) {
                setHorizontalScrollBarPolicy(policy);
            } else {
                setVerticalScrollBarPolicy(policy);
            }
        },
        Qt::QueuedConnection);
}

void CDrawingView::SetScrollRange(ScrollBar bar, int minimum, int maximum) {
    Bar(bar)->setRange(minimum, maximum);
}

void CDrawingView::SetScrollPos(ScrollBar bar, int position) {
    Bar(bar)->setValue(position);
}

int CDrawingView::GetScrollPos(ScrollBar bar) const {
    return Bar(bar)->value();
}

DevicePoint CDrawingView::GetScrollRange(ScrollBar bar) const {
    return {Bar(bar)->minimum(), Bar(bar)->maximum()};
}

void CDrawingView::OnScrollAction(ScrollBar bar, int action) {
    int code = -1;
    switch (action) {
        case QAbstractSlider::SliderSingleStepAdd:
            code = kSbLineDown;
            break;
        case QAbstractSlider::SliderSingleStepSub:
            code = kSbLineUp;
            break;
        case QAbstractSlider::SliderPageStepAdd:
            code = kSbPageDown;
            break;
        case QAbstractSlider::SliderPageStepSub:
            code = kSbPageUp;
            break;
        case QAbstractSlider::SliderToMinimum:
            code = kSbTop;
            break;
        case QAbstractSlider::SliderToMaximum:
            code = kSbBottom;
            break;
        case QAbstractSlider::SliderMove:
            code = kSbThumbTrack;
            break;
        default:
            return;
    }
    const int position = Bar(bar)->sliderPosition();
    if (bar == ScrollBar::Horizontal) {
        view_->OnHScroll(code, position);
    } else {
        view_->OnVScroll(code, position);
    }
}

void CDrawingView::scrollContentsBy(int, int) {
    // The view moves its own window over the paper; the bars only report what the user did.
}

// --- mouse, wheel, keys, focus -------------------------------------------------------------------

InputState CDrawingView::InputOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    return {(modifiers & Qt::ShiftModifier) != 0, (modifiers & Qt::ControlModifier) != 0,
            (buttons & Qt::LeftButton) != 0, (buttons & Qt::RightButton) != 0,
            (buttons & Qt::MiddleButton) != 0};
}

MouseButton CDrawingView::ButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return MouseButton::Left;
        case Qt::RightButton:
            return MouseButton::Right;
        case Qt::MiddleButton:
            return MouseButton::Middle;
        default:
            return MouseButton::None;
    }
}

void CDrawingView::HandPointer(QMouseEvent* event, PointerKind kind) {
    const QPoint p = event->position().toPoint();
    const MouseButton button =
        kind == PointerKind::Move ? MouseButton::None : ButtonOf(event->button());
    // Other buttons (back, forward) mean nothing to the drawing.
    if (kind == PointerKind::Move || button != MouseButton::None) {
        view_->OnPointer(
            {kind, button, InputOf(event->buttons(), event->modifiers()), {p.x(), p.y()}});
    }
    view_->OnSetCursor(true);
}

void CDrawingView::mousePressEvent(QMouseEvent* event) {
    HandPointer(event, PointerKind::Press);
}

void CDrawingView::mouseReleaseEvent(QMouseEvent* event) {
    HandPointer(event, PointerKind::Release);
}

void CDrawingView::mouseDoubleClickEvent(QMouseEvent* event) {
    HandPointer(event, PointerKind::DoubleClick);
}

void CDrawingView::mouseMoveEvent(QMouseEvent* event) {
    HandPointer(event, PointerKind::Move);
}

void CDrawingView::enterEvent(QEnterEvent* event) {
    QAbstractScrollArea::enterEvent(event);
    view_->OnSetCursor(true);
}

void CDrawingView::wheelEvent(QWheelEvent* event) {
    const int delta =
        event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
    const QPoint p = event->position().toPoint();
    view_->OnWheel(InputOf(event->buttons(), event->modifiers()), delta, {p.x(), p.y()});
    event->accept();
}

int CDrawingView::VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers, quint32 nativeScanCode) {
    if (nativeScanCode == kScanCodeLessGreater) {
        return kVkOem102;
    }
    if (modifiers & Qt::KeypadModifier) {
        if (const int key = KeypadKeyOf(qtKey); key != 0) {
            return key;
        }
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
        return qtKey;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
        return 0x70 + (qtKey - Qt::Key_F1);
    }
    // Without a scan code (a synthetic event) the characters of that key stand for it; with one,
    // "<" elsewhere (Shift+comma on US keyboards) is some other key.
    if (nativeScanCode == 0 &&
        (qtKey == Qt::Key_Less || qtKey == Qt::Key_Greater || qtKey == Qt::Key_Bar)) {
        return kVkOem102;
    }
    return NamedKeyOf(qtKey);
}

void CDrawingView::keyPressEvent(QKeyEvent* event) {
    const int key = VirtualKeyOf(event->key(), event->modifiers(), event->nativeScanCode());
    if (key == 0) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    keysDown_.insert(key);
    view_->OnKeyDown(key, 1, event->isAutoRepeat() ? kKeyWasDown : 0U);
    event->accept();
}

bool CDrawingView::event(QEvent* event) {
    // A chord that runs a shortcut (Ctrl+S of the frame) never reaches keyPressEvent, but the
    // view must still learn that its Ctrl was part of it.
    if (event->type() == QEvent::ShortcutOverride && view_ != nullptr) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Control && key != Qt::Key_Shift && key != Qt::Key_Alt &&
            key != Qt::Key_Meta) {
            view_->OnShortcutKey();
        }
    }
    return QAbstractScrollArea::event(event);
}

void CDrawingView::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat()) {
        const int key = VirtualKeyOf(event->key(), event->modifiers(), event->nativeScanCode());
        keysDown_.remove(key);
        view_->OnKeyUp(key, 0);
    }
    QAbstractScrollArea::keyReleaseEvent(event);
}

void CDrawingView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    keysDown_.clear();
    view_->OnKillFocus();
}

void CDrawingView::contextMenuEvent(QContextMenuEvent* event) {
    view_->OnContextMenu(event->globalPos().x(), event->globalPos().y());
    event->accept();
}

// --- cursor, pointer, keyboard, status -----------------------------------------------------------

void CDrawingView::SetCursor(CursorShape shape) {
    viewport()->setCursor(QtCursorOf(shape));
}

void CDrawingView::SetStatusText(int pane, std::string_view text) {
    emit StatusTextChanged(pane,
                           QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

DevicePoint CDrawingView::GetPointerPos() const {
    const QPoint p = viewport()->mapFromGlobal(QCursor::pos());
    return {p.x(), p.y()};
}

bool CDrawingView::IsPointerInView() const {
    return rect().contains(mapFromGlobal(QCursor::pos()));
}

bool CDrawingView::WarpPointer(DevicePoint client) {
    // Wayland lets no program move the pointer; setPos then silently does nothing.
    if (QGuiApplication::platformName().startsWith(QStringLiteral("wayland"))) {
        return false;
    }
    const QPoint target = viewport()->mapToGlobal(QPoint(client.x, client.y));
    QCursor::setPos(target);
    return QCursor::pos() == target;
}

void CDrawingView::SetCapture() {
    viewport()->grabMouse();
    captured_ = true;
}

void CDrawingView::ReleaseCapture() {
    if (captured_) {
        viewport()->releaseMouse();
        captured_ = false;
    }
}

bool CDrawingView::HasCapture() const {
    return captured_;
}

bool CDrawingView::IsKeyDown(int key) const {
    const Qt::KeyboardModifiers modifiers = QGuiApplication::queryKeyboardModifiers();
    if (key == kVkShift) {
        return (modifiers & Qt::ShiftModifier) != 0;
    }
    if (key == kVkControl) {
        return (modifiers & Qt::ControlModifier) != 0;
    }
    return keysDown_.contains(key);
}

// --- timers and messages -------------------------------------------------------------------------

void CDrawingView::StartTimer(int id, int intervalMs) {
    QTimer*& timer = timers_[id];
    if (timer == nullptr) {
        timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, id] { view_->OnTimer(id); });
    }
    timer->start(intervalMs);
}

void CDrawingView::StopTimer(int id) {
    const auto found = timers_.find(id);
    if (found != timers_.end()) {
        found->second->stop();
    }
}

void CDrawingView::PostCommand(int id) {
    QMetaObject::invokeMethod(
        this, [this, id] { view_->OnCommand(id); }, Qt::QueuedConnection);
}

void CDrawingView::PostFrameMessage(int message) {
    emit FrameMessage(message);
}

void CDrawingView::RefreshToolbarButtons(int commandId) {
    emit ToolbarButtonsChanged(commandId);
}

void CDrawingView::StartAutoScroll(DevicePoint client) {
    COriginWindow::Start(this, *this, viewport()->mapToGlobal(QPoint(client.x, client.y)));
}

CAutoScroll::ScrollBarState CDrawingView::GetScrollBarState(ScrollBar bar) const {
    const QScrollBar* scrollBar = Bar(bar);
    const Qt::ScrollBarPolicy policy =
        bar == ScrollBar::Horizontal ? horizontalScrollBarPolicy() : verticalScrollBarPolicy();
    // A Qt maximum is already the last position, so no page comes off it.
    return {scrollBar->minimum(), scrollBar->maximum(), 0, scrollBar->value(),
            policy != Qt::ScrollBarAlwaysOff && scrollBar->isEnabled()};
}

void CDrawingView::ThumbTrack(ScrollBar bar, int position) {
    if (bar == ScrollBar::Horizontal) {
        view_->OnHScroll(kSbThumbTrack, position);
    } else {
        view_->OnVScroll(kSbThumbTrack, position);
    }
}

// --- clipboard -----------------------------------------------------------------------------------

bool CDrawingView::ClipboardHasFormat(std::string_view format) const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr && data->hasFormat(CDrawingMime::TypeOf(format));
}

bool CDrawingView::SetClipboardData(std::string_view format, std::span<const std::byte> data) {
    QGuiApplication::clipboard()->setMimeData(CDrawingMime::Make(format, data));
    return true;
}

std::optional<std::vector<std::byte>> CDrawingView::GetClipboardData(
    std::string_view format) const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasFormat(CDrawingMime::TypeOf(format))) {
        return std::nullopt;
    }
    const QByteArray bytes = data->data(CDrawingMime::TypeOf(format));
    std::vector<std::byte> result(static_cast<std::size_t>(bytes.size()));
    std::memcpy(result.data(), bytes.constData(), result.size());
    return result;
}

// --- drag and drop
// ---------------------------------------------------------------------------------

namespace {

Qt::DropAction QtActionOf(DropEffect effect) {
    switch (effect) {
        case DropEffect::Copy:
            return Qt::CopyAction;
        case DropEffect::Move:
            return Qt::MoveAction;
        case DropEffect::None:
        default:
            return Qt::IgnoreAction;
    }
}

// The drawing data a drag carries, or nothing when it carries none (files, text ...).
std::optional<QByteArray> DrawingDataOf(const QMimeData* mime) {
    const QString type = CDrawingMime::TypeOf(kClipboardFormat);
    if (mime == nullptr || !mime->hasFormat(type)) {
        return std::nullopt;
    }
    return mime->data(type);
}

std::span<const std::byte> BytesOf(const QByteArray& bytes) {
    return {reinterpret_cast<const std::byte*>(bytes.constData()),
            static_cast<std::size_t>(bytes.size())};
}

}  // namespace

DropEffect CDrawingView::DoDragDrop(std::string_view format, std::span<const std::byte> data) {
    auto* drag = new QDrag(viewport());
    drag->setMimeData(CDrawingMime::Make(format, data));
    switch (drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction)) {
        case Qt::CopyAction:
            return DropEffect::Copy;
        case Qt::MoveAction:
            return DropEffect::Move;
        default:
            return DropEffect::None;
    }
}

bool CDrawingView::DragOver(QDragMoveEvent* event) {
    const std::optional<QByteArray> bytes = DrawingDataOf(event->mimeData());
    if (!bytes) {
        // Font files and foreign data are the main window's to take.
        event->ignore();
        return false;
    }
    const QPoint p = event->position().toPoint();
    const DropEffect effect = view_->OnDragOver(
        BytesOf(*bytes), InputOf(event->buttons(), event->modifiers()), {p.x(), p.y()});
    if (effect == DropEffect::None) {
        event->ignore();
    } else {
        event->setDropAction(QtActionOf(effect));
        event->accept();
    }
    return true;
}

void CDrawingView::dragEnterEvent(QDragEnterEvent* event) {
    if (DragOver(event)) {
        // Moves over the view must keep coming even where nothing can be dropped.
        event->accept();
    }
}

void CDrawingView::dragMoveEvent(QDragMoveEvent* event) {
    DragOver(event);
}

void CDrawingView::dragLeaveEvent(QDragLeaveEvent* event) {
    view_->OnDragLeave();
    event->accept();
}

void CDrawingView::dropEvent(QDropEvent* event) {
    const std::optional<QByteArray> bytes = DrawingDataOf(event->mimeData());
    if (!bytes) {
        event->ignore();
        return;
    }
    const QPoint p = event->position().toPoint();
    const DropEffect effect = view_->OnDrop(
        BytesOf(*bytes), InputOf(event->buttons(), event->modifiers()), {p.x(), p.y()});
    if (effect == DropEffect::None) {
        event->ignore();
        return;
    }
    event->setDropAction(QtActionOf(effect));
    event->accept();
}

}  // namespace korvo
