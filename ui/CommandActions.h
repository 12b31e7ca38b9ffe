#pragma once

#include <QObject>
#include <QString>
#include <map>
#include <span>

#include "commands/CommandRegistry.h"

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

    // The command's lasting name in lists ("Draw line", "Undo"): the table's tooltip, else its
    // menu text. Actions change their texts as the editor runs (Undo says which step it takes),
    // so those are not asked; only the user toolbars go by the names their users gave them.
    QString CommandName(int id) const;

    // The command's picture: the desktop theme's icon for a standard action, else (or when the
    // theme has none) the one bundled with the editor; an empty icon when it has neither.
    static QIcon IconOf(const CommandInfo& command);

    // Fills `bar` with the menus of a menu bar; the recent-file entries are the actions
    // ID_FILE_MRU_FILE1 ..., whose texts the frame keeps up to date. Returns the menu that ends
    // with the window list (null when the bar has none).
    QMenu* FillMenuBar(QMenuBar& bar, std::span<const MenuDef> menus) const;
    // A menu of entries (also the grid-size drop-down); `windows` learns which menu holds the
    // window list.
    void FillMenu(QMenu& menu, std::span<const MenuEntry> entries, QMenu** windows) const;

signals:
    void Triggered(int id);

private:
    QAction* MakeAction(const CommandInfo& command);

    std::map<int, QAction*> actions_;
};

}  // namespace korvo
