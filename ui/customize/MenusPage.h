#pragma once

#include <QWidget>

class QComboBox;

namespace korvo {

class CCommandActions;
class CCommandListWidget;
class CContextMenuManager;

// The Menus page of the Customize dialog: the entries of the named popup menus ("My menu"),
// changed by dragging commands in and out or with the buttons.
class CMenusPage : public QWidget {
    Q_OBJECT

public:
    CMenusPage(CContextMenuManager& menus, const CCommandActions& actions, QWidget* parent);

private:
    void BuildLayout();
    QString CurrentMenu() const;
    void RefreshEntries();
    void OnAdd();
    void OnRemove();
    void OnReset();
    void OnDropped(int command, int sourceRow, QObject* source, int row);
    void Change(const std::vector<int>& commands);

    CContextMenuManager& menus_;
    const CCommandActions& actions_;
    QComboBox* menuChoice_ = nullptr;
    CCommandListWidget* entries_ = nullptr;
    CCommandListWidget* palette_ = nullptr;
};

}  // namespace korvo
