#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QKeySequence>
#include <QSet>
#include <QStringList>
#include <map>

#include "CommandActions.h"
#include "DrawingView.h"
#include "commands/CommandRegistry.h"
#include "customize/CommandListWidget.h"
#include "dialogs/KeysDialog.h"
#include "platform/KeyCodes.h"

namespace korvo {
namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Every key sequence parses and belongs to one command only, and every bundled icon exists.
TEST(CommandTableTest, KeysParseOnceAndIconsExist) {
    QSet<QKeySequence> keys;
    for (const CommandInfo& command : AllCommands()) {
        const QStringList parts =
            ToQString(command.keys).split(QStringLiteral("; "), Qt::SkipEmptyParts);
        for (const QString& part : parts) {
            const QKeySequence key(part, QKeySequence::PortableText);
            EXPECT_FALSE(key.isEmpty()) << part.toStdString();
            EXPECT_FALSE(keys.contains(key)) << "taken twice: " << part.toStdString();
            keys.insert(key);
        }
        if (!command.icon.empty()) {
            const QString path = QStringLiteral(":/icons/%1.svg").arg(ToQString(command.icon));
            EXPECT_TRUE(QFile::exists(path)) << path.toStdString();
        }
    }
}

// Help > Keys and Mouse lists each named command once, with the keys its action answers to, under
// the name it keeps while Undo's text tells which step it would take.
TEST(CommandTableTest, KeysListShowsEachCommandOnceWithItsKeys) {
    CCommandActions actions(nullptr);
    actions.Action(ID_EDIT_UNDO)->setText(QStringLiteral("&Undo Save Char"));
    actions.Action(ID_EDIT_UNDO)->setToolTip(QStringLiteral("Undo Save Char"));
    std::map<int, CKeysDialog::Row> rows;
    for (const CKeysDialog::Row& row : CKeysDialog::Rows(actions)) {
        EXPECT_TRUE(rows.emplace(row.id, row).second) << "twice: " << row.id;
        EXPECT_FALSE(row.name.isEmpty()) << row.id;
    }
    for (const CommandInfo& command : AllCommands()) {
        EXPECT_TRUE(command.keys.empty() || rows.contains(command.id)) << command.id;
    }
    EXPECT_EQ(rows[ID_EDIT_UNDO].name, QStringLiteral("Undo"));
    EXPECT_EQ(CCommandListWidget::NameOf(actions, ID_EDIT_UNDO), QStringLiteral("Undo"));
    EXPECT_EQ(rows[ID_EDIT_PASTE].keys, QStringLiteral("Ctrl+V, Shift+Ins"));
    EXPECT_EQ(rows[ID_GRID_FIRST].place, QStringLiteral("View > Grid"));
    EXPECT_EQ(rows[ID_CANCEL_EDIT_CNTR].place, QString());
}

// The keys the tools tell apart: the keypad's operators are not the main keyboard's, and the
// extra key of European keyboards is known by its scan code.
TEST(CommandTableTest, KeysReachTheViewUnderTheirClassicNumbers) {
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        quint32 scanCode;
        int expected;
    };
    const Case cases[] = {
        {Qt::Key_A, Qt::NoModifier, 38, KeyOfLetter('a')},
        {Qt::Key_Control, Qt::ControlModifier, 37, kVkControl},
        {Qt::Key_Plus, Qt::KeypadModifier, 86, kVkAdd},
        {Qt::Key_Plus, Qt::NoModifier, 21, 0xBB},
        {Qt::Key_Minus, Qt::KeypadModifier, 82, kVkSubtract},
        {Qt::Key_Greater, Qt::ShiftModifier, 94, kVkOem102},
        {Qt::Key_Less, Qt::NoModifier, 0, kVkOem102},
        {Qt::Key_Less, Qt::ShiftModifier, 59, 0},
        {Qt::Key_F3, Qt::NoModifier, 69, 0x72},
        {Qt::Key_unknown, Qt::NoModifier, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(CDrawingView::VirtualKeyOf(c.key, c.modifiers, c.scanCode), c.expected);
    }
}

}  // namespace
}  // namespace korvo
