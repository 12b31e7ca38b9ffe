#include "customize/ContextMenuManager.h"

#include <QMenu>
#include <QSettings>

#include "CommandActions.h"
#include "customize/CommandList.h"

namespace korvo {

namespace {

const QString kGroup = QStringLiteral("ContextMenus");

}  // namespace

CContextMenuManager::CContextMenuManager(CCommandActions& actions, QWidget* parent)
    : actions_(actions), parent_(parent) {}

CContextMenuManager::~CContextMenuManager() = default;

void CContextMenuManager::AddMenu(const QString& name, std::span<const int> defaults) {
    Entry& entry = menus_[name];
    entry.defaults.assign(defaults.begin(), defaults.end());
    entry.commands = entry.defaults;
    entry.menu = std::make_unique<QMenu>(name, parent_);
    Rebuild(entry);
}

std::vector<QString> CContextMenuManager::Names() const {
    std::vector<QString> names;
    for (const auto& [name, entry] : menus_) {
        names.push_back(name);
    }
    return names;
}

QMenu* CContextMenuManager::Menu(const QString& name) const {
    const auto found = menus_.find(name);
    return found == menus_.end() ? nullptr : found->second.menu.get();
}

const std::vector<int>& CContextMenuManager::Commands(const QString& name) const {
    static const std::vector<int> kNone;
    const auto found = menus_.find(name);
    return found == menus_.end() ? kNone : found->second.commands;
}

void CContextMenuManager::SetCommands(const QString& name, const std::vector<int>& commands) {
    const auto found = menus_.find(name);
    if (found != menus_.end()) {
        found->second.commands = WithoutRepeats(commands);
        Rebuild(found->second);
    }
}

void CContextMenuManager::Reset(const QString& name) {
    const auto found = menus_.find(name);
    if (found != menus_.end()) {
        SetCommands(name, found->second.defaults);
    }
}

void CContextMenuManager::ResetAll() {
    for (auto& [name, entry] : menus_) {
        entry.commands = entry.defaults;
        Rebuild(entry);
    }
}

void CContextMenuManager::Rebuild(Entry& entry) const {
    entry.menu->clear();
    for (const int id : entry.commands) {
        if (id == 0) {
            entry.menu->addSeparator();
        } else if (QAction* action = actions_.Action(id)) {
            entry.menu->addAction(action);
        }
    }
}

void CContextMenuManager::Save(QSettings& settings) const {
    settings.remove(kGroup);
    settings.beginGroup(kGroup);
    for (const auto& [name, entry] : menus_) {
        if (entry.commands != entry.defaults) {
            settings.setValue(name, CommandListToText(entry.commands));
        }
    }
    settings.endGroup();
}

void CContextMenuManager::Load(QSettings& settings) {
    ResetAll();
    settings.beginGroup(kGroup);
    for (auto& [name, entry] : menus_) {
        if (settings.contains(name)) {
            entry.commands = CommandListFromText(settings.value(name).toString(), true);
            Rebuild(entry);
        }
    }
    settings.endGroup();
}

}  // namespace korvo
