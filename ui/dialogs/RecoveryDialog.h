#pragma once

#include <QDialog>
#include <vector>

#include "RecoveryStore.h"

class QTreeWidget;

namespace korvo {

// What the user chose to do with the fonts a crashed run left: indices into the offered list.
// Anything in neither list stays on disk and is offered again at the next start.
struct RecoveryChoice {
    std::vector<int> restore;
    std::vector<int> discard;
};

// Lists the recoverable fonts (name, original file, when they were last written), all ticked;
// Restore brings back the ticked ones, Discard deletes them after asking, Later keeps them all.
class CRecoveryDialog : public QDialog {
    Q_OBJECT

public:
    CRecoveryDialog(const std::vector<RecoveryEntry>& entries, QWidget* parent);

    static RecoveryChoice Ask(const std::vector<RecoveryEntry>& entries, QWidget* parent);

    QTreeWidget& List() const { return *list_; }
    std::vector<int> Ticked() const;
    const RecoveryChoice& Choice() const { return choice_; }

private:
    void OnRestore();
    void OnDiscard();

    QTreeWidget* list_ = nullptr;
    RecoveryChoice choice_;
};

}  // namespace korvo
