#include "UndoHistoryPanel.h"

#include <QListWidget>

#include "ChildFrame.h"
#include "app/KorvoFEDoc.h"

namespace korvo {

namespace {

QString StepText(const CUndoHistory& history, std::size_t index) {
    const std::string_view name = history.NameAt(index);
    if (index == 0 || name.empty()) {
        // The oldest state kept is where undo stops, whatever once led to it.
        return QStringLiteral("<Start>");
    }
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

CUndoHistoryPanel::CUndoHistoryPanel(QWidget* parent)
    : QDockWidget(QStringLiteral("Undo History"), parent) {
    setObjectName(QStringLiteral("UndoHistory"));
    list_ = new QListWidget(this);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    setWidget(list_);
    connect(list_, &QListWidget::itemClicked, this, &CUndoHistoryPanel::OnItemClicked);
}

void CUndoHistoryPanel::Follow(CChildFrame* child) {
    const std::uint64_t revision =
        child != nullptr ? child->Document().GetUndoHistory().Revision() : 0;
    if (child == shown_ && revision == revision_ && (child != nullptr || list_->count() == 0)) {
        return;
    }
    shown_ = child;
    revision_ = revision;
    Rebuild(child);
}

void CUndoHistoryPanel::Rebuild(CChildFrame* child) {
    filling_ = true;
    list_->clear();
    if (child != nullptr) {
        const CUndoHistory& history = child->Document().GetUndoHistory();
        for (std::size_t index = 0; index < history.Count(); ++index) {
            auto* item = new QListWidgetItem(StepText(history, index), list_);
            if (index > history.Current()) {
                item->setForeground(palette().brush(QPalette::Disabled, QPalette::Text));
            }
        }
        if (history.Count() > 0) {
            list_->setCurrentRow(static_cast<int>(history.Current()));
            list_->scrollToItem(list_->currentItem());
        }
    }
    filling_ = false;
}

void CUndoHistoryPanel::OnItemClicked(QListWidgetItem* item) {
    if (!filling_ && item != nullptr) {
        emit StepChosen(list_->row(item));
    }
}

}  // namespace korvo
