#pragma once

#include <QDockWidget>
#include <QPointer>
#include <cstdint>
#include <functional>

class QListWidget;
class QListWidgetItem;

namespace korvo {

class CChildFrame;

// A dock that lists the undo steps of the active font, oldest first, with the current one
// selected and the ones that could be redone greyed; a click on a step goes there.
class CUndoHistoryPanel : public QDockWidget {
    Q_OBJECT

public:
    explicit CUndoHistoryPanel(QWidget* parent);

    // Shows the steps of `child`'s document (none for null); cheap when nothing changed.
    void Follow(CChildFrame* child);
    QListWidget& List() const { return *list_; }

signals:
    // The user chose a step; the frame moves the history there.
    void StepChosen(int index);

private:
    void Rebuild(CChildFrame* child);
    void OnItemClicked(QListWidgetItem* item);

    QListWidget* list_ = nullptr;
    QPointer<CChildFrame> shown_;
    std::uint64_t revision_ = 0;
    bool filling_ = false;
};

}  // namespace korvo
