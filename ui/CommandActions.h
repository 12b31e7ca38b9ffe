#pragma once

#include <QObject>
#include <QString>
#include <map>
#include <span>

#include "resources/CommandTable.h"

class QAction;
class QIcon;
class QMenu;
class QMenuBar;

namespace korvo {

// One QAction per command of the command table, shared by the menus, the toolbars and the keys,
// so a command looks and behaves the same wherever the user meets it. Triggering any of them
// reports the command id; the frame routes it.
class CCommandActions : public QObject {
    Q_OBJECT

public:
    explicit CCommandActions(QObject* parent);

    // The action of a command, or null when the table has no such command.
    QAction* Action(int id) const;
    const std::map<int, QAction*>& All() const { return actions_; }

    // The command's picture: the desktop theme's icon for a standard action, else (or when the
    // theme has none) the one bundled with the editor; an empty icon when it has neither.
    static QIcon IconOf(const CommandInfo& command);

    // Fills `bar` with the menus of a menu bar. The recent-file entries are the actions
    // ID_FILE_MRU_FILE1 ...; `recent` and `windows` learn which menus hold the recent files and
    // the window list, whose entries the frame keeps up to date.
    struct Placeholder {
        QMenu* menu = nullptr;
    };
    void FillMenuBar(QMenuBar& bar, std::span<const MenuDef> menus, Placeholder& recent,
                     Placeholder& windows) const;
    // A menu of entries (also the grid-size drop-down).
    void FillMenu(QMenu& menu, std::span<const MenuEntry> entries, Placeholder* recent,
                  Placeholder* windows) const;

signals:
    void Triggered(int id);

private:
    QAction* MakeAction(const CommandInfo& command);

    std::map<int, QAction*> actions_;
};

}  // namespace korvo
