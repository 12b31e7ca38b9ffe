#include "customize/CommandListWidget.h"

#include <QAction>
#include <QDataStream>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include "CommandActions.h"
#include "commands/CommandRegistry.h"

namespace korvo {

namespace {

const QString kMimeType = QStringLiteral("application/x-korvofe-command");
constexpr int kCommandRowHeight = 24;

// Commands that make no sense as a button of their own.
bool OfferedOnBars(const CommandInfo& command) {
    const bool recentFile =
        command.id >= ID_FILE_MRU_FILE1 && command.id < ID_FILE_MRU_FILE1 + kRecentFileCount;
    return !recentFile && !TooltipOf(command).empty() && command.id != ID_GRID_ON_OFF;
}

}  // namespace

CCommandListWidget::CCommandListWidget(QWidget* parent) : QListWidget(parent) {
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::CopyAction);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(20, 20));
}

QString CCommandListWidget::NameOf(const CCommandActions& actions, int id) {
    if (id == 0) {
        return QStringLiteral("----- Separator -----");
    }
    if (id == ID_GRID_ON_OFF) {
        return QStringLiteral("Grid...");
    }
    return actions.CommandName(id);
}

void CCommandListWidget::AddRow(const CCommandActions& actions, int id) {
    auto* item = new QListWidgetItem(NameOf(actions, id), this);
    item->setData(Qt::UserRole, id);
    // Rows without an image are as tall as the others, so the list reads evenly.
    item->setSizeHint(QSize(0, kCommandRowHeight));
    if (const QAction* action = actions.Action(id); action != nullptr && id != 0) {
        item->setIcon(action->icon());
        item->setStatusTip(action->statusTip());
    }
}

void CCommandListWidget::ShowCommands(const CCommandActions& actions,
                                      std::span<const int> commands) {
    const int current = currentRow();
    clear();
    for (const int id : commands) {
        AddRow(actions, id);
    }
    setCurrentRow(std::min(current, count() - 1));
}

void CCommandListWidget::ShowPalette(const CCommandActions& actions, bool withGrid) {
    clear();
    AddRow(actions, 0);
    if (withGrid) {
        AddRow(actions, ID_GRID_ON_OFF);
    }
    for (const CommandInfo& command : AllCommands()) {
        if (OfferedOnBars(command)) {
            AddRow(actions, command.id);
        }
    }
}

int CCommandListWidget::CommandAt(int row) const {
    const QListWidgetItem* entry = item(row);
    return entry != nullptr ? entry->data(Qt::UserRole).toInt() : 0;
}

QStringList CCommandListWidget::mimeTypes() const {
    return {kMimeType};
}

QMimeData* CCommandListWidget::mimeData(const QList<QListWidgetItem*>& items) const {
    if (items.isEmpty()) {
        return nullptr;
    }
    return MimeFor(items.front()->data(Qt::UserRole).toInt(), row(items.front()));
}

QMimeData* CCommandListWidget::MimeFor(int command, int row) {
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << command << row;
    auto* data = new QMimeData;
    data->setData(kMimeType, bytes);
    return data;
}

bool CCommandListWidget::ReadMime(const QMimeData& data, int& command, int& row) {
    if (!data.hasFormat(kMimeType)) {
        return false;
    }
    QDataStream stream(data.data(kMimeType));
    stream >> command >> row;
    return stream.status() == QDataStream::Ok;
}

Qt::DropActions CCommandListWidget::supportedDropActions() const {
    return Qt::CopyAction | Qt::MoveAction;
}

void CCommandListWidget::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat(kMimeType)) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void CCommandListWidget::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasFormat(kMimeType)) {
        QListWidget::dragMoveEvent(event);
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

int CCommandListWidget::DropRow(const QPoint& at) const {
    const QModelIndex index = indexAt(at);
    if (!index.isValid()) {
        return count();
    }
    const QRect rect = visualRect(index);
    return at.y() > rect.center().y() ? index.row() + 1 : index.row();
}

void CCommandListWidget::dropEvent(QDropEvent* event) {
    int command = 0;
    int sourceRow = -1;
    if (!ReadMime(*event->mimeData(), command, sourceRow)) {
        event->ignore();
        return;
    }
    // A copy as far as the drag knows: the source list must not delete its row itself.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    emit Dropped(command, sourceRow, event->source(), DropRow(event->position().toPoint()));
}

}  // namespace korvo
