#pragma once

#include <QDialog>
#include <QString>
#include <vector>

class QTreeWidget;

namespace korvo {

class CCommandActions;

// Help > Keys and Mouse: every command with the keys it answers to now (the user's own keys
// included), in the order and under the menus where the menu bar has it, then the commands
// only the toolbars or the keys reach; below, what the mouse buttons and the wheel do.
class CKeysDialog : public QDialog {
    Q_OBJECT

public:
    struct Row {
        int id = 0;
        QString name;
        QString keys;   // as the menus show them, several separated by ", "
        QString place;  // "Edit", "View > Grid"; empty for a command no menu has
    };

    CKeysDialog(const CCommandActions& actions, QWidget* parent);

    // One row per command that has a name, each once, whatever number of menus show it.
    static std::vector<Row> Rows(const CCommandActions& actions);
    // The fixed part: what the mouse does in the drawing.
    static QString MouseHabits();

    static void ShowKeys(const CCommandActions& actions, QWidget* parent);

private:
    QTreeWidget* list_;
};

}  // namespace korvo
