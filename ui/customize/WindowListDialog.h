#pragma once

#include <QDialog>

class QListWidget;
class QMdiArea;
class QMdiSubWindow;

namespace korvo {

// The window list (command 19398): the open fonts' windows, to activate one, close the chosen
// ones, or arrange them all.
class CWindowListDialog : public QDialog {
    Q_OBJECT

public:
    CWindowListDialog(QMdiArea& area, QWidget* parent);

    QListWidget& List() const { return *list_; }

private:
    void Refresh();
    QList<QMdiSubWindow*> Chosen() const;
    void OnActivate();
    void OnCloseWindows();
    void OnArrange(bool tile);
    void UpdateButtons();

    QMdiArea& area_;
    QListWidget* list_ = nullptr;
    QWidget* activate_ = nullptr;
    QWidget* close_ = nullptr;
};

}  // namespace korvo
