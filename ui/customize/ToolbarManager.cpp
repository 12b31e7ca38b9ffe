#include "customize/ToolbarManager.h"

#include <QAction>
#include <QDropEvent>
#include <QMainWindow>
#include <QSettings>
#include <QToolBar>
#include <algorithm>

#include "CommandActions.h"
#include "ORVGridBtn.h"
#include "customize/CommandList.h"
#include "customize/CommandListWidget.h"
#include "resources/CommandTable.h"

namespace korvo {

namespace {

constexpr int kSmallestIcon = 16;
constexpr int kLargestIcon = 64;

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString UserObjectName(int slot) {
    return QStringLiteral("UserToolbar%1").arg(slot + 1);
}

QString DefaultToggleText(int slot) {
    return QStringLiteral("User Toolbar %1").arg(slot + 1);
}

}  // namespace

CToolbarManager::CToolbarManager(QMainWindow& frame, CCommandActions& actions, QMenu* gridMenu)
    : frame_(frame), actions_(actions), gridMenu_(gridMenu) {}

CToolbarManager::~CToolbarManager() = default;

void CToolbarManager::CreateBuiltIn() {
    for (const ToolbarDef& def : Toolbars()) {
        const QString name = ToQString(def.name);
        QToolBar* bar = MakeBar(name, name);
        bars_.push_back({bar, -1, def.buttons, {def.buttons.begin(), def.buttons.end()}});
        Rebuild(bars_.back());
        // The drawing commands make the first row long; the Draw and Char bars start a second.
        if (def.windowId == ID_VIEW_DRAW_BAR) {
            frame_.addToolBarBreak(Qt::TopToolBarArea);
        }
        frame_.addToolBar(Qt::TopToolBarArea, bar);
        connect(actions_.Action(def.windowId), &QAction::triggered, bar, &QToolBar::setVisible);
    }
}

QToolBar* CToolbarManager::MakeBar(const QString& name, const QString& objectName) {
    auto* bar = new QToolBar(name, &frame_);
    // The frame's saved state finds its bars by these names.
    bar->setObjectName(objectName);
    bar->setMovable(true);
    bar->setFloatable(true);
    bar->setAcceptDrops(customizing_);
    bar->installEventFilter(this);
    ApplyOptions(bar);
    return bar;
}

void CToolbarManager::SetCustomizing(bool on) {
    customizing_ = on;
    for (const Bar& entry : bars_) {
        entry.bar->setAcceptDrops(on);
    }
}

int CToolbarManager::DropPosition(const QToolBar& bar, const QPoint& at) {
    const QList<QAction*> actions = bar.actions();
    const bool across = bar.orientation() == Qt::Horizontal;
    for (qsizetype index = 0; index < actions.size(); ++index) {
        const QRect place = bar.actionGeometry(actions[index]);
        const int along = across ? at.x() : at.y();
        const int middle = across ? place.center().x() : place.center().y();
        const int end = across ? place.right() : place.bottom();
        if (along <= end) {
            return static_cast<int>(along <= middle ? index : index + 1);
        }
    }
    return static_cast<int>(actions.size());
}

bool CToolbarManager::eventFilter(QObject* watched, QEvent* event) {
    auto* bar = qobject_cast<QToolBar*>(watched);
    const QEvent::Type type = event->type();
    if (!customizing_ || bar == nullptr || Find(bar) == nullptr ||
        (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)) {
        return false;
    }
    auto* drop = static_cast<QDropEvent*>(event);
    int command = 0;
    int row = -1;
    if (!CCommandListWidget::ReadMime(*drop->mimeData(), command, row)) {
        return false;
    }
    // A copy as far as the drag knows, so the list it came from keeps its row.
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
        InsertCommand(bar, command, DropPosition(*bar, drop->position().toPoint()));
    }
    return true;
}

std::vector<QToolBar*> CToolbarManager::Bars() const {
    std::vector<QToolBar*> bars;
    for (const Bar& entry : bars_) {
        bars.push_back(entry.bar);
    }
    return bars;
}

QToolBar* CToolbarManager::UserBar(int slot) const {
    for (const Bar& entry : bars_) {
        if (entry.slot >= 0 && entry.slot == slot) {
            return entry.bar;
        }
    }
    return nullptr;
}

int CToolbarManager::SlotOf(const QToolBar* bar) const {
    const Bar* entry = Find(bar);
    return entry != nullptr ? entry->slot : -1;
}

QString CToolbarManager::NameOf(const QToolBar* bar) const {
    return bar->windowTitle();
}

CToolbarManager::Bar* CToolbarManager::Find(const QToolBar* bar) {
    const auto found = std::find_if(bars_.begin(), bars_.end(),
                                    [bar](const Bar& entry) { return entry.bar == bar; });
    return found == bars_.end() ? nullptr : &*found;
}

const CToolbarManager::Bar* CToolbarManager::Find(const QToolBar* bar) const {
    const auto found = std::find_if(bars_.begin(), bars_.end(),
                                    [bar](const Bar& entry) { return entry.bar == bar; });
    return found == bars_.end() ? nullptr : &*found;
}

const std::vector<int>& CToolbarManager::Commands(const QToolBar* bar) const {
    static const std::vector<int> kNone;
    const Bar* entry = Find(bar);
    return entry != nullptr ? entry->commands : kNone;
}

void CToolbarManager::SetCommands(QToolBar* bar, const std::vector<int>& commands) {
    if (Bar* entry = Find(bar)) {
        entry->commands = WithoutRepeats(commands);
        Rebuild(*entry);
    }
}

bool CToolbarManager::InsertCommand(QToolBar* bar, int id, int position) {
    Bar* entry = Find(bar);
    const bool onBar =
        entry != nullptr && id != 0 &&
        std::find(entry->commands.begin(), entry->commands.end(), id) != entry->commands.end();
    if (entry == nullptr || onBar || (id != 0 && actions_.Action(id) == nullptr) ||
        entry->commands.size() >= kMaxStoredCommands) {
        return false;
    }
    const int size = static_cast<int>(entry->commands.size());
    const int at = position < 0 || position > size ? size : position;
    entry->commands.insert(entry->commands.begin() + at, id);
    Rebuild(*entry);
    return true;
}

void CToolbarManager::RemoveCommand(QToolBar* bar, int position) {
    Bar* entry = Find(bar);
    if (entry == nullptr || position < 0 || position >= static_cast<int>(entry->commands.size())) {
        return;
    }
    entry->commands.erase(entry->commands.begin() + position);
    Rebuild(*entry);
}

void CToolbarManager::MoveCommand(QToolBar* bar, int from, int to) {
    Bar* entry = Find(bar);
    const int size = entry != nullptr ? static_cast<int>(entry->commands.size()) : 0;
    if (from < 0 || from >= size || to < 0 || to >= size || from == to) {
        return;
    }
    const int id = entry->commands[static_cast<std::size_t>(from)];
    entry->commands.erase(entry->commands.begin() + from);
    entry->commands.insert(entry->commands.begin() + to, id);
    Rebuild(*entry);
}

void CToolbarManager::Rebuild(Bar& entry) {
    QToolBar* bar = entry.bar;
    const QList<QAction*> old = bar->actions();
    bar->clear();
    // Separators and the grid buttons' holders belong to the bar; the commands do not.
    for (QAction* action : old) {
        if (action->parent() == bar) {
            delete action;
        }
    }
    for (const int id : entry.commands) {
        if (id == 0) {
            bar->addSeparator();
        } else if (id == ID_GRID_ON_OFF) {
            auto* button = new CORVGridBtn(actions_.Action(id), gridMenu_, bar);
            button->setIconSize(bar->iconSize());
            bar->addWidget(button);
        } else if (QAction* action = actions_.Action(id)) {
            bar->addAction(action);
        }
    }
    emit BarsRebuilt();
}

void CToolbarManager::ApplyOptions(QToolBar* bar) const {
    bar->setIconSize(QSize(iconSize_, iconSize_));
    bar->setToolButtonStyle(textUnderIcons_ ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
    // The grid button names the spacing beside its image whatever the bar's style.
    const QList<CORVGridBtn*> buttons = bar->findChildren<CORVGridBtn*>();
    for (CORVGridBtn* button : buttons) {
        button->setIconSize(bar->iconSize());
    }
}

bool CToolbarManager::NameTaken(const QString& name, const QToolBar* except) const {
    return std::any_of(bars_.begin(), bars_.end(), [&](const Bar& entry) {
        return entry.bar != except &&
               entry.bar->windowTitle().compare(name, Qt::CaseInsensitive) == 0;
    });
}

int CToolbarManager::CreateUserBar(const QString& name) {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty() || NameTaken(trimmed, nullptr)) {
        return -1;
    }
    for (int slot = 0; slot < kUserToolbarCount; ++slot) {
        if (UserBar(slot) == nullptr) {
            CreateUserBarAt(slot, trimmed, {});
            return slot;
        }
    }
    return -1;
}

void CToolbarManager::CreateUserBarAt(int slot, const QString& name, std::vector<int> commands) {
    QToolBar* bar = MakeBar(name, UserObjectName(slot));
    // Keep the bars in slot order, so the dialog lists them as the View menu does.
    const auto before = std::find_if(bars_.begin(), bars_.end(),
                                     [slot](const Bar& entry) { return entry.slot > slot; });
    const auto placed = bars_.insert(before, {bar, slot, {}, std::move(commands)});
    Rebuild(*placed);
    frame_.addToolBar(Qt::TopToolBarArea, bar);
    bar->show();
    actions_.Action(ID_VIEW_USER_TOOLBAR1 + slot)->setText(name);
}

bool CToolbarManager::RenameUserBar(int slot, const QString& name) {
    QToolBar* bar = UserBar(slot);
    const QString trimmed = name.trimmed();
    if (bar == nullptr || trimmed.isEmpty() || NameTaken(trimmed, bar)) {
        return false;
    }
    bar->setWindowTitle(trimmed);
    actions_.Action(ID_VIEW_USER_TOOLBAR1 + slot)->setText(trimmed);
    return true;
}

void CToolbarManager::DeleteUserBar(int slot) {
    const auto found = std::find_if(bars_.begin(), bars_.end(), [slot](const Bar& entry) {
        return entry.slot >= 0 && entry.slot == slot;
    });
    if (found == bars_.end()) {
        return;
    }
    QToolBar* bar = found->bar;
    bars_.erase(found);
    frame_.removeToolBar(bar);
    delete bar;
    actions_.Action(ID_VIEW_USER_TOOLBAR1 + slot)->setText(DefaultToggleText(slot));
}

void CToolbarManager::ToggleUserBar(int slot) {
    if (QToolBar* bar = UserBar(slot)) {
        bar->setVisible(bar->isHidden());
    }
}

void CToolbarManager::ResetBar(QToolBar* bar) {
    if (Bar* entry = Find(bar)) {
        entry->commands.assign(entry->defaults.begin(), entry->defaults.end());
        Rebuild(*entry);
    }
}

void CToolbarManager::ResetAll() {
    for (int slot = 0; slot < kUserToolbarCount; ++slot) {
        DeleteUserBar(slot);
    }
    iconSize_ = kDefaultIconSize;
    textUnderIcons_ = false;
    for (Bar& entry : bars_) {
        entry.commands.assign(entry.defaults.begin(), entry.defaults.end());
        Rebuild(entry);
        ApplyOptions(entry.bar);
        entry.bar->show();
    }
}

void CToolbarManager::SetIconSize(int pixels) {
    iconSize_ = std::clamp(pixels, kSmallestIcon, kLargestIcon);
    for (const Bar& entry : bars_) {
        ApplyOptions(entry.bar);
    }
}

void CToolbarManager::SetTextUnderIcons(bool on) {
    textUnderIcons_ = on;
    for (const Bar& entry : bars_) {
        ApplyOptions(entry.bar);
    }
}

void CToolbarManager::UpdateToggleUi() const {
    for (int slot = 0; slot < kUserToolbarCount; ++slot) {
        const QToolBar* bar = UserBar(slot);
        QAction* toggle = actions_.Action(ID_VIEW_USER_TOOLBAR1 + slot);
        toggle->setEnabled(bar != nullptr);
        toggle->setChecked(bar != nullptr && !bar->isHidden());
    }
}

std::vector<CORVGridBtn*> CToolbarManager::GridButtons() const {
    std::vector<CORVGridBtn*> buttons;
    for (const Bar& entry : bars_) {
        const QList<CORVGridBtn*> found = entry.bar->findChildren<CORVGridBtn*>();
        buttons.insert(buttons.end(), found.begin(), found.end());
    }
    return buttons;
}

// --- settings ------------------------------------------------------------------------------------

void CToolbarManager::Save(QSettings& settings) const {
    // Only the bars the user changed are written, so a later version's new buttons still arrive.
    settings.remove(QStringLiteral("Toolbars"));
    settings.beginGroup(QStringLiteral("Toolbars"));
    for (const Bar& entry : bars_) {
        if (entry.slot < 0 && !std::equal(entry.commands.begin(), entry.commands.end(),
                                          entry.defaults.begin(), entry.defaults.end())) {
            settings.setValue(entry.bar->objectName(), CommandListToText(entry.commands));
        }
    }
    settings.endGroup();

    settings.remove(QStringLiteral("UserToolbars"));
    settings.beginWriteArray(QStringLiteral("UserToolbars"));
    int index = 0;
    for (const Bar& entry : bars_) {
        if (entry.slot >= 0) {
            settings.setArrayIndex(index++);
            settings.setValue(QStringLiteral("Slot"), entry.slot);
            settings.setValue(QStringLiteral("Name"), entry.bar->windowTitle());
            settings.setValue(QStringLiteral("Commands"), CommandListToText(entry.commands));
        }
    }
    settings.endArray();

    settings.setValue(QStringLiteral("Options/IconSize"), iconSize_);
    settings.setValue(QStringLiteral("Options/TextUnderIcons"), textUnderIcons_);
}

void CToolbarManager::Load(QSettings& settings) {
    ResetAll();
    iconSize_ =
        std::clamp(settings.value(QStringLiteral("Options/IconSize"), kDefaultIconSize).toInt(),
                   kSmallestIcon, kLargestIcon);
    textUnderIcons_ = settings.value(QStringLiteral("Options/TextUnderIcons"), false).toBool();

    settings.beginGroup(QStringLiteral("Toolbars"));
    for (Bar& entry : bars_) {
        const QString key = entry.bar->objectName();
        if (settings.contains(key)) {
            entry.commands = CommandListFromText(settings.value(key).toString(), true);
            Rebuild(entry);
        }
        ApplyOptions(entry.bar);
    }
    settings.endGroup();

    const int count = settings.beginReadArray(QStringLiteral("UserToolbars"));
    for (int index = 0; index < std::min(count, kUserToolbarCount); ++index) {
        settings.setArrayIndex(index);
        bool number = false;
        const int slot = settings.value(QStringLiteral("Slot")).toString().toInt(&number);
        const QString name = settings.value(QStringLiteral("Name")).toString().trimmed();
        // A damaged entry loses its bar, not the others.
        if (!number || slot < 0 || slot >= kUserToolbarCount || UserBar(slot) != nullptr ||
            name.isEmpty() || NameTaken(name, nullptr)) {
            continue;
        }
        CreateUserBarAt(
            slot, name,
            CommandListFromText(settings.value(QStringLiteral("Commands")).toString(), true));
    }
    settings.endArray();
}

}  // namespace korvo
