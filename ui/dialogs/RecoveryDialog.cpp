#include "dialogs/RecoveryDialog.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace korvo {

CRecoveryDialog::CRecoveryDialog(const std::vector<RecoveryEntry>& entries, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Recover Fonts"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral("KorvoFE did not close normally. These fonts had changes that were not "
                       "saved:"),
        this));
    list_ = new QTreeWidget(this);
    list_->setHeaderLabels(
        {QStringLiteral("Name"), QStringLiteral("Original file"), QStringLiteral("Changed")});
    list_->setRootIsDecorated(false);
    for (const RecoveryEntry& entry : entries) {
        const RecoveryRecord& r = entry.record;
        const QString path = QString::fromStdString(r.originalPath);
        auto* item =
            new QTreeWidgetItem(list_, {QString::fromStdString(r.title),
                                        path.isEmpty() ? QStringLiteral("(never saved)") : path,
                                        QDateTime::fromMSecsSinceEpoch(r.savedAtMs)
                                            .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))});
        item->setCheckState(0, Qt::Checked);
    }
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(list_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* restore =
        buttons->addButton(QStringLiteral("&Restore"), QDialogButtonBox::AcceptRole);
    QPushButton* discard =
        buttons->addButton(QStringLiteral("&Discard"), QDialogButtonBox::DestructiveRole);
    QPushButton* later = buttons->addButton(QStringLiteral("&Later"), QDialogButtonBox::RejectRole);
    restore->setDefault(true);
    connect(restore, &QPushButton::clicked, this, &CRecoveryDialog::OnRestore);
    connect(discard, &QPushButton::clicked, this, &CRecoveryDialog::OnDiscard);
    connect(later, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(640, 300);
}

std::vector<int> CRecoveryDialog::Ticked() const {
    std::vector<int> ticked;
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        if (list_->topLevelItem(i)->checkState(0) == Qt::Checked) {
            ticked.push_back(i);
        }
    }
    return ticked;
}

void CRecoveryDialog::OnRestore() {
    choice_.restore = Ticked();
    accept();
}

void CRecoveryDialog::OnDiscard() {
    const std::vector<int> ticked = Ticked();
    if (ticked.empty()) {
        return;
    }
    const QString question =
        QStringLiteral("Discard the unsaved changes of %1 font(s)? This cannot be undone.")
            .arg(ticked.size());
    if (QMessageBox::question(this, windowTitle(), question) != QMessageBox::Yes) {
        return;
    }
    choice_.discard = ticked;
    accept();
}

RecoveryChoice CRecoveryDialog::Ask(const std::vector<RecoveryEntry>& entries, QWidget* parent) {
    CRecoveryDialog dialog(entries, parent);
    dialog.exec();
    return dialog.Choice();
}

}  // namespace korvo
