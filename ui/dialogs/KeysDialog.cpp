#include "dialogs/KeysDialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <set>

#include "CommandActions.h"
#include "commands/CommandRegistry.h"

namespace korvo {

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString KeysText(const CCommandActions& actions, int id) {
    QStringList keys;
    if (const QAction* action = actions.Action(id)) {
        for (const QKeySequence& key : action->shortcuts()) {
            keys << key.toString(QKeySequence::NativeText);
        }
    }
    return keys.join(QStringLiteral(", "));
}

// The recent-file places have no lasting name; the frame gives them the files' names.
bool Listed(int id) {
    return id < ID_FILE_MRU_FILE1 || id >= ID_FILE_MRU_FILE1 + kRecentFileCount;
}

class CRowCollector {
public:
    explicit CRowCollector(const CCommandActions& actions) : actions_(actions) {}

    void Add(int id, const QString& place) {
        const QString name = actions_.CommandName(id);
        if (!Listed(id) || name.isEmpty() || !seen_.insert(id).second) {
            return;
        }
        rows_.push_back({id, name, KeysText(actions_, id), place});
    }

    void AddMenu(std::span<const MenuEntry> entries, const QString& place) {
        for (const MenuEntry& entry : entries) {
            if (entry.kind == MenuEntryKind::Command) {
                Add(entry.id, place);
            } else if (entry.kind == MenuEntryKind::Submenu) {
                const QString title = ToQString(entry.text).remove(QLatin1Char('&'));
                AddMenu(entry.children, place + QStringLiteral(" > ") + title);
            }
        }
    }

    std::vector<CKeysDialog::Row> Take() { return std::move(rows_); }

private:
    const CCommandActions& actions_;
    std::set<int> seen_;
    std::vector<CKeysDialog::Row> rows_;
};

}  // namespace

std::vector<CKeysDialog::Row> CKeysDialog::Rows(const CCommandActions& actions) {
    CRowCollector rows(actions);
    // The menu bar with a font open holds every menu of the one without.
    for (const MenuDef& menu : DocumentMenuBar()) {
        rows.AddMenu(menu.entries, ToQString(menu.title).remove(QLatin1Char('&')));
    }
    for (const CommandInfo& command : AllCommands()) {
        rows.Add(command.id, QString());
    }
    return rows.Take();
}

QString CKeysDialog::MouseHabits() {
    return QStringLiteral(
        "<b>Mouse in the drawing</b><table cellspacing=4>"
        "<tr><td>Left click</td><td>picks an element, or the next point of the current "
        "tool</td></tr>"
        "<tr><td>Left double click</td><td>selects only that element; on a cell of the "
        "character table, loads that character</td></tr>"
        "<tr><td>Shift + left double click</td><td>copies the whole drawing</td></tr>"
        "<tr><td>Right click</td><td>ends the current tool and returns to Select; with Select, "
        "the Cut / Copy / Paste menu</td></tr>"
        "<tr><td>Right double click</td><td>on a cell of the character table, stores the "
        "drawing as that character</td></tr>"
        "<tr><td>Wheel</td><td>scrolls up and down; with Shift, sideways</td></tr>"
        "<tr><td>Ctrl + wheel</td><td>zooms in and out around the cursor</td></tr>"
        "<tr><td>Middle button</td><td>scrolls towards where the mouse is moved; with Shift, "
        "Zoom original</td></tr>"
        "</table>");
}

CKeysDialog::CKeysDialog(const CCommandActions& actions, QWidget* parent)
    : QDialog(parent), list_(new QTreeWidget(this)) {
    setWindowTitle(QStringLiteral("Keys and Mouse"));
    list_->setObjectName(QStringLiteral("commands"));
    list_->setColumnCount(3);
    list_->setHeaderLabels(
        {QStringLiteral("Command"), QStringLiteral("Keys"), QStringLiteral("Menu")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    for (const Row& row : Rows(actions)) {
        auto* item = new QTreeWidgetItem(list_, {row.name, row.keys, row.place});
        item->setData(0, Qt::UserRole, row.id);
        if (const QAction* action = actions.Action(row.id)) {
            item->setIcon(0, action->icon());
        }
    }
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* mouse = new QLabel(MouseHabits(), this);
    mouse->setObjectName(QStringLiteral("mouse"));
    mouse->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(mouse);
    layout->addWidget(buttons);
    resize(640, 720);
}

void CKeysDialog::ShowKeys(const CCommandActions& actions, QWidget* parent) {
    CKeysDialog dialog(actions, parent);
    dialog.exec();
}

}  // namespace korvo
