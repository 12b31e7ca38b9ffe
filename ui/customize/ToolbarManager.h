#pragma once

#include <QObject>
#include <QString>
#include <span>
#include <vector>

class QMainWindow;
class QMenu;
class QSettings;
class QToolBar;

namespace korvo {

class CCommandActions;
class CORVGridBtn;

// Every toolbar of the main frame: the five that come with the editor and up to ten of the
// user's own. Each bar's buttons are a list of command ids (0 a separator) that the user may
// change; the bar is rebuilt from the list, so what is stored is exactly what is shown.
class CToolbarManager : public QObject {
    Q_OBJECT

public:
    static constexpr int kDefaultIconSize = 24;

    CToolbarManager(QMainWindow& frame, CCommandActions& actions, QMenu* gridMenu);
    ~CToolbarManager() override;

    // The five bars in docking order; called once by the frame.
    void CreateBuiltIn();

    // Built-in bars first, then the user bars by slot.
    std::vector<QToolBar*> Bars() const;
    QToolBar* UserBar(int slot) const;
    // The slot of a user bar, -1 for a built-in one or an unknown bar.
    int SlotOf(const QToolBar* bar) const;
    // The name under which a bar appears in menus and dialogs.
    QString NameOf(const QToolBar* bar) const;

    const std::vector<int>& Commands(const QToolBar* bar) const;
    void SetCommands(QToolBar* bar, const std::vector<int>& commands);
    // Puts `id` before `position` (clamped to the end); unknown commands and commands the bar
    // already shows are refused.
    bool InsertCommand(QToolBar* bar, int id, int position);
    void RemoveCommand(QToolBar* bar, int position);
    void MoveCommand(QToolBar* bar, int from, int to);

    // A new, shown user bar in the first free slot; -1 when all ten are in use or the name is
    // empty or already taken.
    int CreateUserBar(const QString& name);
    bool RenameUserBar(int slot, const QString& name);
    void DeleteUserBar(int slot);
    // Shows a hidden user bar, hides a shown one.
    void ToggleUserBar(int slot);

    // A built-in bar gets its buttons of the first start back, a user bar becomes empty.
    void ResetBar(QToolBar* bar);
    // Every bar as at the first start, the user bars gone, the options at their defaults.
    void ResetAll();

    int IconSize() const { return iconSize_; }
    bool TextUnderIcons() const { return textUnderIcons_; }
    void SetIconSize(int pixels);
    void SetTextUnderIcons(bool on);

    // While the Customize dialog is open the bars take commands dropped on them.
    void SetCustomizing(bool on);
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Enabling and check marks of the user bars' toggle commands.
    void UpdateToggleUi() const;
    std::vector<CORVGridBtn*> GridButtons() const;

    // Bars' contents, names and options; their places are the frame's saved state.
    void Save(QSettings& settings) const;
    void Load(QSettings& settings);

signals:
    // Buttons were rebuilt: the grid buttons need the document's state again.
    void BarsRebuilt();

private:
    struct Bar {
        QToolBar* bar = nullptr;
        int slot = -1;
        std::span<const int> defaults;
        std::vector<int> commands;
    };

    Bar* Find(const QToolBar* bar);
    const Bar* Find(const QToolBar* bar) const;
    QToolBar* MakeBar(const QString& name, const QString& objectName);
    void Rebuild(Bar& entry);
    void ApplyOptions(QToolBar* bar) const;
    bool NameTaken(const QString& name, const QToolBar* except) const;
    void CreateUserBarAt(int slot, const QString& name, std::vector<int> commands);
    // The place in the bar's list before which a drop at `at` (bar coordinates) lands.
    static int DropPosition(const QToolBar& bar, const QPoint& at);

    QMainWindow& frame_;
    CCommandActions& actions_;
    QMenu* gridMenu_;
    std::vector<Bar> bars_;
    int iconSize_ = kDefaultIconSize;
    bool textUnderIcons_ = false;
    bool customizing_ = false;
};

}  // namespace korvo
