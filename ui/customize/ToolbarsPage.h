#pragma once

#include <QWidget>

class QListWidget;
class QListWidgetItem;
class QPushButton;
class QToolBar;

namespace korvo {

class CCommandActions;
class CCommandListWidget;
class CToolbarManager;

// The Toolbars page of the Customize dialog: which bars are shown, the user's own bars, and the
// buttons of the chosen bar, which commands are dragged onto or added with the buttons.
class CToolbarsPage : public QWidget {
    Q_OBJECT

public:
    CToolbarsPage(CToolbarManager& bars, const CCommandActions& actions, bool withGrid,
                  QWidget* parent);

    // The bar whose buttons the page shows.
    QToolBar* CurrentBar() const;
    void SelectBar(const QToolBar* bar);

private:
    void BuildLayout();
    void RefreshBars();
    void RefreshButtons();
    void OnBarItemChanged(QListWidgetItem* item);
    void OnNewBar();
    void OnRenameBar();
    void OnDeleteBar();
    void OnResetBar();
    void OnAdd();
    void OnRemove();
    void OnMove(int step);
    void OnDropped(int command, int sourceRow, QObject* source, int row);
    // Asks for a bar's name; empty when the user cancelled.
    QString AskName(const QString& title, const QString& current);

    CToolbarManager& bars_;
    const CCommandActions& actions_;
    QListWidget* barList_ = nullptr;
    CCommandListWidget* buttons_ = nullptr;
    CCommandListWidget* palette_ = nullptr;
    QPushButton* rename_ = nullptr;
    QPushButton* delete_ = nullptr;
    bool refreshing_ = false;
};

}  // namespace korvo
