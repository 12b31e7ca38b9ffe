#pragma once

#include <QString>
#include <map>
#include <memory>
#include <span>
#include <vector>

class QMenu;
class QSettings;
class QWidget;

namespace korvo {

class CCommandActions;

// The popup menus the editor offers under a name ("My menu": Cut, Copy, Paste). Their entries are
// the user's to change; the menus are built from the command actions, so they enable and check
// as the main menus do.
class CContextMenuManager {
public:
    CContextMenuManager(CCommandActions& actions, QWidget* parent);
    ~CContextMenuManager();

    // Registers a menu with its entries of the first start (0 is a separator).
    void AddMenu(const QString& name, std::span<const int> defaults);
    std::vector<QString> Names() const;

    // The menu as it stands; null for a name never added.
    QMenu* Menu(const QString& name) const;
    const std::vector<int>& Commands(const QString& name) const;
    // A repeated command is shown once.
    void SetCommands(const QString& name, const std::vector<int>& commands);
    void Reset(const QString& name);
    void ResetAll();

    void Save(QSettings& settings) const;
    void Load(QSettings& settings);

private:
    struct Entry {
        std::vector<int> defaults;
        std::vector<int> commands;
        std::unique_ptr<QMenu> menu;
    };

    void Rebuild(Entry& entry) const;

    CCommandActions& actions_;
    QWidget* parent_;
    std::map<QString, Entry> menus_;
};

}  // namespace korvo
