#include "CommandActions.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>

namespace korvo {

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QList<QKeySequence> KeysOf(const CommandInfo& command) {
    QList<QKeySequence> keys;
    const QStringList parts =
        ToQString(command.keys).split(QStringLiteral("; "), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        keys.append(QKeySequence(part, QKeySequence::PortableText));
    }
    return keys;
}

// A submenu title or command text; the recent-file entries get theirs at run time.
QString MenuTextOf(const CommandInfo& command) {
    if (!command.menuText.empty()) {
        return ToQString(command.menuText);
    }
    return ToQString(TooltipOf(command));
}

}  // namespace

CCommandActions::CCommandActions(QObject* parent) : QObject(parent) {
    for (const CommandInfo& command : AllCommands()) {
        actions_.emplace(command.id, MakeAction(command));
    }
}

QAction* CCommandActions::MakeAction(const CommandInfo& command) {
    auto* action = new QAction(MenuTextOf(command), this);
    action->setToolTip(ToQString(TooltipOf(command)));
    action->setStatusTip(ToQString(StatusTextOf(command)));
    action->setShortcuts(KeysOf(command));
    action->setIcon(IconOf(command));
    action->setCheckable(command.Checkable());
    action->setData(command.id);
    // The keys work wherever the focus is in the main window, but not inside dialogs.
    action->setShortcutContext(Qt::WindowShortcut);
    const int id = command.id;
    connect(action, &QAction::triggered, this, [this, id] { emit Triggered(id); });
    return action;
}

QAction* CCommandActions::Action(int id) const {
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

QString CCommandActions::CommandName(int id) const {
    const CommandInfo* command = FindCommand(id);
    if (command == nullptr) {
        return QString::number(id);
    }
    if (id >= ID_VIEW_USER_TOOLBAR1 && id < ID_VIEW_USER_TOOLBAR1 + kUserToolbarCount) {
        return Action(id)->text().remove(QLatin1Char('&'));
    }
    const QString tip = ToQString(TooltipOf(*command));
    return tip.isEmpty() ? MenuTextOf(*command).remove(QLatin1Char('&')) : tip;
}

QIcon CCommandActions::IconOf(const CommandInfo& command) {
    QIcon bundled;
    if (!command.icon.empty()) {
        bundled = QIcon(QStringLiteral(":/icons/%1.svg").arg(ToQString(command.icon)));
    }
    if (!command.themeIcon.empty()) {
        return QIcon::fromTheme(ToQString(command.themeIcon), bundled);
    }
    return bundled;
}

QMenu* CCommandActions::FillMenuBar(QMenuBar& bar, std::span<const MenuDef> menus) const {
    bar.clear();
    QMenu* windows = nullptr;
    for (const MenuDef& def : menus) {
        QMenu* menu = bar.addMenu(ToQString(def.title));
        FillMenu(*menu, def.entries, &windows);
    }
    return windows;
}

void CCommandActions::FillMenu(QMenu& menu, std::span<const MenuEntry> entries,
                               QMenu** windows) const {
    for (const MenuEntry& entry : entries) {
        switch (entry.kind) {
            case MenuEntryKind::Command:
                if (QAction* action = Action(entry.id)) {
                    menu.addAction(action);
                }
                break;
            case MenuEntryKind::Separator:
                menu.addSeparator();
                break;
            case MenuEntryKind::Submenu:
                FillMenu(*menu.addMenu(ToQString(entry.text)), entry.children, windows);
                break;
            case MenuEntryKind::RecentFiles:
                for (int index = 0; index < kRecentFileCount; ++index) {
                    menu.addAction(Action(ID_FILE_MRU_FILE1 + index));
                }
                break;
            case MenuEntryKind::WindowList:
                if (windows != nullptr) {
                    *windows = &menu;
                }
                break;
        }
    }
}

}  // namespace korvo
