#pragma once

#include <QByteArray>
#include <memory>

class QMainWindow;
class QMenu;
class QSettings;

namespace korvo {

class CCommandActions;
class CContextMenuManager;
class CShortcutManager;
class CToolbarManager;

// Everything the user may arrange in the main frame: the bars with their buttons and places,
// the keys, the popup menus and the bars' options. It is read at start-up and written at exit
// and whenever the Customize dialog closes, in the settings section the frame opens for it.
class CCustomization {
public:
    CCustomization(QMainWindow& frame, CCommandActions& actions, QMenu* gridMenu);
    ~CCustomization();
    CCustomization(const CCustomization&) = delete;
    CCustomization& operator=(const CCustomization&) = delete;

    CToolbarManager& Toolbars() const { return *toolbars_; }
    CShortcutManager& Keys() const { return *keys_; }
    CContextMenuManager& ContextMenus() const { return *menus_; }

    // Reads the user's arrangement; the frame's bars must exist. What they look like before this
    // is what Reset brings back.
    void Load(QSettings& settings);
    void Save(QSettings& settings) const;
    // The arrangement of the first start: bars, places, keys, menus and options.
    void ResetAll();

private:
    QMainWindow& frame_;
    std::unique_ptr<CToolbarManager> toolbars_;
    std::unique_ptr<CShortcutManager> keys_;
    std::unique_ptr<CContextMenuManager> menus_;
    QByteArray defaultState_;
};

}  // namespace korvo
