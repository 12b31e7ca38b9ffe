#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QToolBar>
#include <map>
#include <memory>
#include <tuple>

#include "KorvoFEApp.h"
#include "MainFrame.h"
#include "ORVGridBtn.h"
#include "commands/CommandRegistry.h"
#include "customize/CommandListWidget.h"
#include "customize/ContextMenuManager.h"
#include "customize/Customization.h"
#include "customize/CustomizeDialog.h"
#include "customize/KeyboardPage.h"
#include "customize/ShortcutManager.h"
#include "customize/ToolbarManager.h"
#include "support/TempDir.h"

namespace korvo {
namespace {

const QString kMyMenu = QStringLiteral("My menu");

QKeySequence Key(const char* text) {
    return QKeySequence(QString::fromLatin1(text), QKeySequence::PortableText);
}

// What the user can see of the arrangement, to compare one frame with another.
struct Arrangement {
    std::map<QString, std::vector<int>> commands;
    std::map<QString, bool> shown;
    std::map<QString, Qt::ToolBarArea> area;
    std::map<int, QList<QKeySequence>> keys;
    std::vector<int> myMenu;
    std::vector<QString> myMenuTexts;
    int iconSize = 0;
    Qt::ToolButtonStyle style = Qt::ToolButtonIconOnly;

    bool operator==(const Arrangement&) const = default;
};

// Each test keeps its settings in a file of its own, as a user's profile would be.
class CustomizationTest : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(dir_.Path().string()));
    }
    void TearDown() override {
        app_.reset();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }

    CMainFrame& Start() {
        app_.reset();
        app_ = std::make_unique<CKorvoFEApp>();
        EXPECT_TRUE(app_->InitInstance({}, false));
        app_->MainFrame().UpdateCommandUi();
        return app_->MainFrame();
    }

    // Quits as the user does: the frame writes its settings while it closes.
    CMainFrame& Restart() {
        app_->MainFrame().close();
        return Start();
    }

    CCustomization& Custom() const { return app_->MainFrame().Customization(); }
    CToolbarManager& Bars() const { return Custom().Toolbars(); }

    QToolBar* BarNamed(const QString& name) const {
        for (QToolBar* bar : Bars().Bars()) {
            if (bar->windowTitle() == name) {
                return bar;
            }
        }
        return nullptr;
    }

    Arrangement Snapshot() const {
        Arrangement arrangement;
        for (QToolBar* bar : Bars().Bars()) {
            arrangement.commands[bar->objectName()] = Bars().Commands(bar);
            arrangement.shown[bar->objectName()] = !bar->isHidden();
            arrangement.area[bar->objectName()] = app_->MainFrame().toolBarArea(bar);
            arrangement.iconSize = bar->iconSize().width();
            arrangement.style = bar->toolButtonStyle();
        }
        for (const CommandInfo& command : AllCommands()) {
            arrangement.keys[command.id] = Custom().Keys().Keys(command.id);
        }
        arrangement.myMenu = Custom().ContextMenus().Commands(kMyMenu);
        for (const QAction* action : Custom().ContextMenus().Menu(kMyMenu)->actions()) {
            arrangement.myMenuTexts.push_back(action->text());
        }
        return arrangement;
    }

    // A user who changed a little of everything.
    void Customise() const {
        BarNamed(QStringLiteral("Edit"))->hide();
        app_->MainFrame().addToolBar(Qt::LeftToolBarArea, BarNamed(QStringLiteral("Char")));
        Bars().RemoveCommand(BarNamed(QStringLiteral("Standard")), 0);
        // Slot 0 is freed again, so the kept bar is the second user toolbar.
        ASSERT_EQ(Bars().CreateUserBar(QStringLiteral("Scratch")), 0);
        ASSERT_EQ(Bars().CreateUserBar(QStringLiteral("Mine")), 1);
        Bars().DeleteUserBar(0);
        QToolBar* mine = Bars().UserBar(1);
        ASSERT_TRUE(Bars().InsertCommand(mine, 41040, 0));
        ASSERT_TRUE(Bars().InsertCommand(mine, ID_GRID_ON_OFF, 5));
        ASSERT_TRUE(Custom().Keys().Assign(ID_LOAD_CHAR, Key("Ctrl+L")));
        Custom().Keys().Remove(41033, Key("Del"));
        Bars().SetIconSize(32);
        Bars().SetTextUnderIcons(true);
        Custom().ContextMenus().SetCommands(kMyMenu, {ID_EDIT_CUT, 0, ID_EDIT_PASTE});
    }

    test::TempDir dir_;
    std::unique_ptr<CKorvoFEApp> app_;
};

TEST_F(CustomizationTest, BarsUserToolbarsKeysAndMenusSurviveARestart) {
    Start();
    Customise();
    const Arrangement before = Snapshot();
    CMainFrame& frame = Restart();

    EXPECT_TRUE(Snapshot() == before);
    // The user bar keeps its slot, its toggle command and a working grid button.
    QToolBar* mine = Bars().UserBar(1);
    ASSERT_NE(mine, nullptr);
    EXPECT_EQ(mine->windowTitle(), QStringLiteral("Mine"));
    EXPECT_EQ(mine->findChildren<CORVGridBtn*>().size(), 1);
    EXPECT_FALSE(frame.Actions().Action(ID_VIEW_USER_TOOLBAR1)->isEnabled());
    QAction* toggle = frame.Actions().Action(ID_VIEW_USER_TOOLBAR1 + 1);
    EXPECT_TRUE(toggle->isEnabled());
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_EQ(toggle->text(), QStringLiteral("Mine"));
    frame.OnCommand(ID_VIEW_USER_TOOLBAR1 + 1);
    EXPECT_TRUE(mine->isHidden());
    EXPECT_FALSE(toggle->isChecked());
    // The key reaches the command's action itself, so the key press works, not just the list.
    EXPECT_TRUE(frame.Actions().Action(ID_LOAD_CHAR)->shortcuts().contains(Key("Ctrl+L")));
    EXPECT_TRUE(Custom().Keys().Keys(41033).isEmpty());
}

TEST_F(CustomizationTest, ResetAllBringsBackTheFirstStartAndStaysThere) {
    Start();
    const Arrangement first = Snapshot();
    Customise();
    ASSERT_FALSE(Snapshot() == first);
    Restart();
    ASSERT_FALSE(Snapshot() == first);

    // The snapshot holds every bar, so a user bar left behind would show; nor may the settings
    // bring any of the old arrangement back.
    Custom().ResetAll();
    EXPECT_TRUE(Snapshot() == first);
    Restart();
    EXPECT_TRUE(Snapshot() == first);
}

// The dialog stays beside the frame (so commands can be dragged onto its bars), opens once, stores
// what was changed when it closes, and does not outlive the frame.
TEST_F(CustomizationTest, CustomizeIsModelessOpensOnceAndStoresOnClose) {
    CMainFrame& frame = Start();
    frame.OnCommand(ID_VIEW_CUSTOMIZE);
    CCustomizeDialog* dialog = frame.CustomizeDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->isModal());
    EXPECT_TRUE(dialog->isVisible());
    frame.OnCommand(ID_VIEW_CUSTOMIZE);
    EXPECT_EQ(frame.CustomizeDialog(), dialog);
    ASSERT_TRUE(Custom().Keys().Assign(ID_SAVE_CHAR, Key("Ctrl+K")));
    dialog->reject();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(frame.CustomizeDialog(), nullptr);

    // Gone without closing, so only what the dialog stored can come back.
    app_.reset();
    CMainFrame& again = Start();
    EXPECT_EQ(Custom().Keys().Owner(Key("Ctrl+K")), ID_SAVE_CHAR);
    again.OnCommand(ID_VIEW_CUSTOMIZE);
    ASSERT_NE(again.CustomizeDialog(), nullptr);
    app_.reset();
}

// A key already in use moves only with the user's consent, and never ends up on two commands
// (two actions sharing a key would both stop answering it).
TEST_F(CustomizationTest, KeyInUseIsReportedAndMovesOnlyWhenConfirmed) {
    struct Case {
        const char* key;
        int command;
        bool answer;
        bool asked;
        int owner;
        int keysOfLoadChar;
    };
    const Case cases[] = {
        {"L", ID_SAVE_CHAR, false, true, ID_LOAD_CHAR, 1},
        {"L", ID_SAVE_CHAR, true, true, ID_SAVE_CHAR, 0},
        {"S", ID_SAVE_CHAR, true, false, ID_SAVE_CHAR, 1},
        {"Ctrl+C", ID_LOAD_CHAR, true, true, ID_LOAD_CHAR, 2},
    };
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        Custom().ResetAll();
        CCustomizeDialog dialog(Custom(), app_->MainFrame().Actions(), false, nullptr);
        auto* page = qobject_cast<CKeyboardPage*>(dialog.Pages().widget(1));
        ASSERT_NE(page, nullptr);
        QString question;
        page->SetConfirm([&](const QString& text) {
            question = text;
            return c.answer;
        });
        auto* commands = page->findChild<QListWidget*>(QStringLiteral("commands"));
        for (int row = 0; row < commands->count(); ++row) {
            if (commands->item(row)->data(Qt::UserRole).toInt() == c.command) {
                commands->setCurrentRow(row);
            }
        }
        const int before = Custom().Keys().Owner(Key(c.key));
        page->findChild<QKeySequenceEdit*>(QStringLiteral("newKey"))->setKeySequence(Key(c.key));
        if (before != 0 && before != c.command) {
            EXPECT_FALSE(page->findChild<QLabel*>(QStringLiteral("inUse"))->text().isEmpty());
        }
        page->findChild<QPushButton*>(QStringLiteral("assign"))->click();

        EXPECT_EQ(!question.isEmpty(), c.asked) << question.toStdString();
        if (c.asked) {
            const QString owner = app_->MainFrame().Actions().Action(before)->toolTip();
            EXPECT_TRUE(question.contains(owner)) << question.toStdString();
        }
        EXPECT_EQ(Custom().Keys().Owner(Key(c.key)), c.owner);
        EXPECT_EQ(Custom().Keys().Keys(ID_LOAD_CHAR).size(), c.keysOfLoadChar);
        std::map<QKeySequence, int> users;
        for (const auto& [id, action] : app_->MainFrame().Actions().All()) {
            for (const QKeySequence& key : action->shortcuts()) {
                EXPECT_EQ(++users[key], 1) << key.toString().toStdString();
            }
        }
    }
}

// Settings files are edited by hand and outlive versions: what is damaged is dropped, the rest
// of the arrangement still arrives.
TEST_F(CustomizationTest, DamagedSettingsLoseOnlyWhatIsDamaged) {
    {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                           QStringLiteral("ORV Development"), QStringLiteral("KorvoFE"));
        settings.beginGroup(QStringLiteral("Settings"));
        settings.setValue(QStringLiteral("State"), QByteArray("not a state"));
        settings.setValue(QStringLiteral("Toolbars/Standard"),
                          QStringLiteral("57601, x,,99999,0,-5,57635,"));
        settings.setValue(QStringLiteral("Toolbars/Nonesuch"), QStringLiteral("57601"));
        const struct {
            QVariant slot;
            QString name;
        } bars[] = {
            {12, QStringLiteral("Out of range")},
            {QStringLiteral("two"), QStringLiteral("Word")},
            {3, QStringLiteral("  ")},
            {4, QStringLiteral("edit")},
            {5, QStringLiteral("Kept")},
            {5, QStringLiteral("Same slot")},
        };
        settings.beginWriteArray(QStringLiteral("UserToolbars"));
        for (int index = 0; index < 6; ++index) {
            settings.setArrayIndex(index);
            settings.setValue(QStringLiteral("Slot"), bars[index].slot);
            settings.setValue(QStringLiteral("Name"), bars[index].name);
            settings.setValue(QStringLiteral("Commands"), QStringLiteral("41040,,41040"));
        }
        settings.endArray();
        settings.setValue(QStringLiteral("Keyboard/32824"),
                          QStringLiteral("Ctrl+L; ; Ctrl+Frobnicate; qwerty; Ctrl+L"));
        settings.setValue(QStringLiteral("Keyboard/77777"), QStringLiteral("Ctrl+M"));
        settings.setValue(QStringLiteral("Keyboard/word"), QStringLiteral("Ctrl+J"));
        // Two commands claim one key: it ends on one of them, never on both.
        settings.setValue(QStringLiteral("Keyboard/32825"), QStringLiteral("Ctrl+G"));
        settings.setValue(QStringLiteral("Keyboard/32826"), QStringLiteral("Ctrl+G"));
        settings.setValue(QStringLiteral("Options/IconSize"), 5000);
        settings.setValue(QStringLiteral("ContextMenus/My menu"), QStringLiteral("57634,junk"));
    }
    Start();

    EXPECT_EQ(Bars().Commands(BarNamed(QStringLiteral("Standard"))),
              (std::vector<int>{ID_FILE_OPEN, 0, ID_EDIT_CUT}));
    std::vector<int> used;
    for (int slot = 0; slot < kUserToolbarCount; ++slot) {
        if (Bars().UserBar(slot) != nullptr) {
            used.push_back(slot);
        }
    }
    EXPECT_EQ(used, std::vector<int>{5});
    EXPECT_EQ(Bars().UserBar(5)->windowTitle(), QStringLiteral("Kept"));
    EXPECT_EQ(Bars().Commands(Bars().UserBar(5)), std::vector<int>{41040});
    EXPECT_EQ(Custom().Keys().Keys(ID_LOAD_CHAR), QList<QKeySequence>{Key("Ctrl+L")});
    EXPECT_EQ(Custom().Keys().Owner(Key("Ctrl+M")), 0);
    EXPECT_EQ(Custom().Keys().Owner(Key("Ctrl+J")), 0);
    EXPECT_EQ(Custom().Keys().Keys(ID_SAVE_CHAR).contains(Key("Ctrl+G")) +
                  Custom().Keys().Keys(ID_CLEAR_CHAR).contains(Key("Ctrl+G")),
              1);
    EXPECT_EQ(Bars().IconSize(), 64);
    EXPECT_EQ(Custom().ContextMenus().Commands(kMyMenu), std::vector<int>{ID_EDIT_COPY});
}

// The limits of the user's own bars, and edits that point outside a bar.
TEST_F(CustomizationTest, UserToolbarsAreTenAtMostAndNamedOnce) {
    Start();
    for (int slot = 0; slot < kUserToolbarCount; ++slot) {
        EXPECT_EQ(Bars().CreateUserBar(QStringLiteral("Bar %1").arg(slot)), slot);
    }
    EXPECT_EQ(Bars().CreateUserBar(QStringLiteral("Eleventh")), -1);
    Bars().DeleteUserBar(4);

    const struct {
        QString name;
        int slot;
    } creations[] = {
        {QString(), -1},
        {QStringLiteral("STANDARD"), -1},
        {QStringLiteral("bar 2"), -1},
        {QStringLiteral("  Fresh  "), 4},
    };
    for (const auto& c : creations) {
        EXPECT_EQ(Bars().CreateUserBar(c.name), c.slot) << c.name.toStdString();
    }
    EXPECT_EQ(Bars().UserBar(4)->windowTitle(), QStringLiteral("Fresh"));
    EXPECT_FALSE(Bars().RenameUserBar(4, QStringLiteral("Bar 0")));
    EXPECT_TRUE(Bars().RenameUserBar(4, QStringLiteral("fresh")));
    EXPECT_FALSE(Bars().RenameUserBar(kUserToolbarCount, QStringLiteral("Nowhere")));

    QToolBar* bar = Bars().UserBar(4);
    const struct {
        int id;
        int position;
        bool inserted;
        std::vector<int> after;
    } inserts[] = {
        {41040, 0, true, {41040}},     {0, 99, true, {41040, 0}},   {12345, 0, false, {41040, 0}},
        {41040, 1, false, {41040, 0}}, {0, 0, true, {0, 41040, 0}},
    };
    for (const auto& c : inserts) {
        EXPECT_EQ(Bars().InsertCommand(bar, c.id, c.position), c.inserted) << c.id;
        EXPECT_EQ(Bars().Commands(bar), c.after) << c.id;
    }
    Bars().MoveCommand(bar, 2, 0);
    Bars().MoveCommand(bar, 0, 5);
    Bars().RemoveCommand(bar, -1);
    Bars().RemoveCommand(bar, 3);
    Bars().RemoveCommand(bar, 0);
    EXPECT_EQ(Bars().Commands(bar), (std::vector<int>{0, 41040}));
    // The bar shows what its list says: a separator, then a button.
    EXPECT_EQ(bar->actions().size(), 2);
    EXPECT_TRUE(bar->actions().front()->isSeparator());
}

// The Toolbars page: the grid's button is offered as "Grid..." only with a drawing open, and a
// command dropped on the buttons list lands on the bar where it was let go.
TEST_F(CustomizationTest, ToolbarsPageAddsDropsAndRemovesButtons) {
    CMainFrame& frame = Start();
    QToolBar* draw = BarNamed(QStringLiteral("Draw"));
    const auto gridItems = [](const CCustomizeDialog& dialog) {
        return dialog.findChild<CCommandListWidget*>(QStringLiteral("palette"))
            ->findItems(QStringLiteral("Grid..."), Qt::MatchExactly);
    };
    EXPECT_TRUE(gridItems(CCustomizeDialog(Custom(), frame.Actions(), false, nullptr)).isEmpty());
    CCustomizeDialog dialog(Custom(), frame.Actions(), true, nullptr);
    auto* bars = dialog.findChild<QListWidget*>(QStringLiteral("barList"));
    auto* buttons = dialog.findChild<CCommandListWidget*>(QStringLiteral("barButtons"));
    auto* palette = dialog.findChild<CCommandListWidget*>(QStringLiteral("palette"));
    bars->setCurrentRow(3);
    ASSERT_EQ(bars->currentItem()->text(), QStringLiteral("Draw"));
    std::vector<int> expected = Bars().Commands(draw);
    ASSERT_EQ(gridItems(dialog).size(), 1);

    palette->setCurrentItem(gridItems(dialog)[0]);
    buttons->setCurrentRow(0);
    dialog.findChild<QPushButton*>(QStringLiteral("add"))->click();
    expected.insert(expected.begin() + 1, ID_GRID_ON_OFF);
    EXPECT_EQ(Bars().Commands(draw), expected);
    EXPECT_EQ(draw->findChildren<CORVGridBtn*>().size(), 1);
    EXPECT_EQ(draw->findChildren<CORVGridBtn*>()[0]->text(), QStringLiteral("5.00 mm"));

    // Drags between the lists: onto the bar's list, within it, and back off it.
    const int snapRow =
        palette->row(palette->findItems(QStringLiteral("Snap on/off"), Qt::MatchExactly)[0]);
    emit buttons->Dropped(ID_SNAP, snapRow, palette, 0);
    expected.insert(expected.begin(), ID_SNAP);
    EXPECT_EQ(Bars().Commands(draw), expected);
    emit buttons->Dropped(ID_SNAP, 0, buttons, 3);
    expected.erase(expected.begin());
    expected.insert(expected.begin() + 2, ID_SNAP);
    EXPECT_EQ(Bars().Commands(draw), expected);
    emit palette->Dropped(ID_GRID_ON_OFF, 1, buttons, 0);
    expected.erase(expected.begin() + 1);
    EXPECT_EQ(Bars().Commands(draw), expected);
    EXPECT_TRUE(draw->findChildren<CORVGridBtn*>().empty());
    EXPECT_EQ(buttons->count(), static_cast<int>(expected.size()));

    // While the dialog is open, a command dropped on the bar itself lands beside the button under
    // the mouse: after it on the button's far half, before it on the near half.
    frame.show();
    QApplication::processEvents();
    const struct {
        int command;
        double along;
        int at;
    } drops[] = {{ID_LOAD_CHAR, 0.75, 2}, {ID_CLEAR_CHAR, 0.25, 1}};
    for (const auto& d : drops) {
        // The bar lays out its new buttons when events run, as between two drags.
        QApplication::processEvents();
        const QRect place = draw->actionGeometry(draw->actions()[1]);
        const QPoint point(place.left() + static_cast<int>(place.width() * d.along),
                           place.center().y());
        std::unique_ptr<QMimeData> data(CCommandListWidget::MimeFor(d.command, 7));
        QDropEvent drop(QPointF(point), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        EXPECT_TRUE(Bars().eventFilter(draw, &drop));
        expected.insert(expected.begin() + d.at, d.command);
        EXPECT_EQ(Bars().Commands(draw), expected) << d.command;
        EXPECT_EQ(buttons->count(), static_cast<int>(expected.size()));
    }
    // Outside customisation the bars are not drop targets.
    Bars().SetCustomizing(false);
    std::unique_ptr<QMimeData> data(CCommandListWidget::MimeFor(ID_SAVE_CHAR, 7));
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    EXPECT_FALSE(Bars().eventFilter(draw, &drop));
    EXPECT_EQ(Bars().Commands(draw), expected);
}

// The drop handlers as the drag machinery calls them.
class DropTarget : public CCommandListWidget {
public:
    DropTarget() : CCommandListWidget(nullptr) {}
    using CCommandListWidget::dragEnterEvent;
    using CCommandListWidget::dropEvent;
};

// A drop on a list: the command comes out of the dragged row's data, and the row it lands before
// depends on which half of a row the mouse is over.
TEST_F(CustomizationTest, DropOnAListReportsTheCommandAndWhereItLanded) {
    CMainFrame& frame = Start();
    CCommandListWidget palette(nullptr);
    palette.ShowPalette(frame.Actions(), true);
    DropTarget buttons;
    buttons.ShowCommands(frame.Actions(), Toolbars()[3].buttons);
    buttons.resize(240, 600);
    buttons.show();
    std::tuple<int, int, int> dropped;  // command, source row, row landed before
    QObject::connect(&buttons, &CCommandListWidget::Dropped,
                     [&](int id, int from, QObject*, int at) { dropped = {id, from, at}; });
    const QRect third = buttons.visualItemRect(buttons.item(2));
    const struct {
        int paletteRow;
        QPoint at;
        int row;
    } cases[] = {
        {1, third.center() - QPoint(0, third.height() / 4), 2},
        {1, third.center() + QPoint(0, third.height() / 4), 3},
        {5, QPoint(5, buttons.viewport()->height() - 2), buttons.count()},
        {0, buttons.visualItemRect(buttons.item(0)).topLeft() + QPoint(2, 1), 0},
    };
    for (const auto& c : cases) {
        std::unique_ptr<QMimeData> data(
            palette.model()->mimeData({palette.model()->index(c.paletteRow, 0)}));
        ASSERT_NE(data, nullptr);
        QDragEnterEvent enter(c.at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton,
                              Qt::NoModifier);
        buttons.dragEnterEvent(&enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(c.at), Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton,
                        Qt::NoModifier);
        buttons.dropEvent(&drop);
        EXPECT_EQ(dropped, std::make_tuple(palette.CommandAt(c.paletteRow), c.paletteRow, c.row))
            << c.at.y();
        // The source is told it was a copy, so it keeps its own row.
        EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
    }
    // Foreign data is not taken, and a damaged payload is refused.
    dropped = {-1, -1, -1};
    QMimeData text;
    text.setText(QStringLiteral("41040"));
    QDragEnterEvent enter(third.center(), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    buttons.dragEnterEvent(&enter);
    EXPECT_FALSE(enter.isAccepted());
    QMimeData damaged;
    damaged.setData(QStringLiteral("application/x-korvofe-command"), QByteArray("\x01"));
    QDropEvent drop(QPointF(third.center()), Qt::CopyAction, &damaged, Qt::LeftButton,
                    Qt::NoModifier);
    buttons.dropEvent(&drop);
    EXPECT_EQ(std::get<0>(dropped), -1);
}

}  // namespace
}  // namespace korvo
