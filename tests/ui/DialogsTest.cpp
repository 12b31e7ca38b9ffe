#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "QtDialogHost.h"
#include "dialogs/CharDialog.h"
#include "dialogs/ConvertLinesDialog.h"
#include "dialogs/HelpLinesDialog.h"
#include "dialogs/UserGridDialog.h"
#include "dialogs/ValueInputDialog.h"
#include "resources/StringTable.h"

namespace korvo {
namespace {

// A dialog whose refusals are written down instead of waiting in a message box.
template <class Dialog>
class Recorded : public Dialog {
public:
    using Dialog::Dialog;
    QStringList messages;

protected:
    void ShowFieldMessage(const QString& text) override { messages << text; }
};

QLineEdit& Field(QWidget& dialog, const QString& name) {
    auto* field = dialog.findChild<QLineEdit*>(name);
    EXPECT_NE(field, nullptr) << name.toStdString();
    return *field;
}

QLineEdit& Field(QWidget& dialog, const char* name) {
    return Field(dialog, QString::fromLatin1(name));
}

// Types over the field's text and presses Enter in it, as a user confirms a dialog.
void TypeAndEnter(QLineEdit& field, const QString& text) {
    field.selectAll();
    QTest::keyClicks(&field, text);
    QTest::keyClick(&field, Qt::Key_Return);
}

// Runs `step` once the next modal window is up; a step that does not close it leaves the test
// hanging, so every step ends with a key or a click that does.
void WhenModal(std::function<void(QWidget&)> step) {
    QTimer::singleShot(0, [step] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        step(*modal);
    });
}

struct FieldCase {
    const char* field;
    const char* text;
    const char* message;  // nullptr: accepted
};

// Enters each case into a fresh dialog and presses Enter: an accepted value closes the dialog
// without a message; a refused one names the range, stays open and selects the field again.
template <class Dialog, class... Args>
void CheckFields(const std::vector<FieldCase>& cases, Args... args) {
    for (const FieldCase& c : cases) {
        Recorded<Dialog> dialog(args..., nullptr);
        dialog.show();
        QLineEdit& field = Field(dialog, c.field);
        TypeAndEnter(field, QString::fromLatin1(c.text));
        if (c.message == nullptr) {
            EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.text;
            EXPECT_TRUE(dialog.messages.isEmpty()) << c.text;
            continue;
        }
        EXPECT_TRUE(dialog.isVisible()) << c.text;
        EXPECT_EQ(dialog.messages, QStringList{QString::fromLatin1(c.message)}) << c.text;
        EXPECT_EQ(dialog.focusWidget(), &field) << c.text;
        EXPECT_EQ(field.selectedText(), QString::fromLatin1(c.text)) << c.text;
    }
}

constexpr const char* kCodeRange = "Please enter an integer between 33 and 255.";

TEST(CharDialog, CodeMustLieInTheTable) {
    CheckFields<CCharDialog>({{"code", "32", kCodeRange},
                              {"code", "6x", "Please enter an integer."},
                              {"code", "33", nullptr}},
                             65);
    // A number is a code, a single other character stands for its own code.
    const std::pair<const char*, int> typed[] = {{"A", 65}, {"\u20AC", 128}};
    for (const auto& [text, code] : typed) {
        Recorded<CCharDialog> dialog(65, nullptr);
        dialog.show();
        Field(dialog, "code").setText(QString::fromUtf8(text));
        QTest::keyClick(&Field(dialog, "code"), Qt::Key_Return);
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << text;
        EXPECT_EQ(dialog.Code(), code) << text;
    }
}

TEST(CharDialog, ListRowsKeysAndClicksChooseTheCode) {
    Recorded<CCharDialog> dialog(200, nullptr);
    dialog.show();
    auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("characters"));
    ASSERT_NE(list, nullptr);
    QLineEdit& field = Field(dialog, "code");
    ASSERT_EQ(list->topLevelItemCount(), 223);
    EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral(" 033: \t \t ! "));
    EXPECT_EQ(list->topLevelItem(222)->text(0).left(6), QStringLiteral(" 255: "));
    // 0xC8 is E grave on the screen, a box corner in the font's code page (shown as '+'), and
    // stored as 0xD4.
    EXPECT_EQ(list->currentItem()->text(0),
              QStringLiteral(" 200: \t \u00C8  \t \t  +  \t \t  \u00D4 "));
    EXPECT_TRUE(list->currentItem()->isSelected());

    // The list starts focused on the chosen row: the arrows walk from it, a typed character jumps.
    EXPECT_EQ(dialog.focusWidget(), list);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(field.text(), QStringLiteral("201"));
    QTest::keyClicks(list, QStringLiteral("z"));
    EXPECT_EQ(field.text(), QStringLiteral("122"));

    // A click fills the field; a double click chooses the row whatever the field holds.
    QTreeWidgetItem* row = list->topLevelItem(40);
    list->scrollToItem(row);
    const QPoint at = list->visualItemRect(row).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(field.text(), QStringLiteral("73"));
    field.setText(QStringLiteral("999"));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Code(), 73);
    EXPECT_TRUE(dialog.messages.isEmpty());
}

// A message over a window that is not on the screen yet (a font's window while its file is
// read) stands over the window the user sees, not at the screen's corner.
TEST(MessageBoxes, StandOverTheVisibleWindow) {
    QMainWindow shown;
    shown.setGeometry(400, 300, 380, 280);
    shown.show();
    QWidget hidden;
    CQtDialogHost host(&hidden);
    QRect box;
    WhenModal([&box](QWidget& modal) {
        box = modal.frameGeometry();
        QTest::keyClick(&modal, Qt::Key_Return);
    });
    host.ShowText("Font file damaged", MessageButtons::Ok);
    EXPECT_TRUE(shown.frameGeometry().contains(box.center())) << box.x() << "," << box.y();
}

TEST(HelpLinesDialog, ShowsAndReturnsAllSevenLines) {
    HelpLineValues values;
    values.positions = {10, 100, 190, 180, 120.5f, 40, 5};
    values.flags = {1, 0, 1, 1, 0, 1, 0};
    CHelpLinesDialog dialog(values, nullptr);
    dialog.show();
    EXPECT_EQ(Field(dialog, "position5").text(), QStringLiteral("120.5"));
    dialog.findChild<QCheckBox*>(QStringLiteral("shown2"))->click();
    dialog.findChild<QCheckBox*>(QStringLiteral("shown7"))->click();
    dialog.findChild<QCheckBox*>(QStringLiteral("shown1"))->click();
    TypeAndEnter(Field(dialog, "position3"), QStringLiteral("12.25"));
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    HelpLineValues expected = values;
    expected.flags = {0, 1, 1, 1, 0, 1, 1};
    expected.positions[2] = 12.25f;
    EXPECT_EQ(dialog.Values().flags, expected.flags);
    EXPECT_EQ(dialog.Values().positions, expected.positions);
}

TEST(ConvertLinesDialog, TheButtonForTheMostIgnoresTheField) {
    Recorded<CConvertLinesDialog> dialog(10, nullptr);
    dialog.show();
    Field(dialog, "count").setText(QStringLiteral("1"));
    dialog.findChild<QPushButton*>(QStringLiteral("asManyAsFit"))->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Count(), 0);
    EXPECT_TRUE(dialog.messages.isEmpty());
}

TEST(ValueInputDialog, EmptyLabelsHideTheirRowsAndKeepTheirValues) {
    const CValueInputDialog::Labels labels{"Length:", "", "Angle:", "", ""};
    // Values a text field could not carry exactly: hidden rows must not pass through one.
    const CValueInputDialog::Values values{1.0f, 2.123456789f, 3.0f, 1e-7f, 5.987654321f};
    Recorded<CValueInputDialog> dialog(labels, values, nullptr);
    dialog.show();
    std::vector<bool> shown;
    for (int row = 1; row <= 5; ++row) {
        shown.push_back(Field(dialog, QStringLiteral("value%1").arg(row)).isVisible());
    }
    EXPECT_EQ(shown, (std::vector<bool>{true, false, true, false, false}));
    int labelsShown = 0;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        labelsShown += label->isVisible() ? 1 : 0;
    }
    EXPECT_EQ(labelsShown, 2);

    Field(dialog, "value1").setText(QStringLiteral("7.5"));
    TypeAndEnter(Field(dialog, "value3"), QStringLiteral("-30"));
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    const CValueInputDialog::Values expected{7.5f, values[1], -30.0f, values[3], values[4]};
    EXPECT_EQ(dialog.GetValues(), expected);
}

// The real dialogs and message boxes through the host, as the document and the view ask them.
TEST(QtDialogHost, CancelChangesNothing) {
    QWidget parent;
    CQtDialogHost host(&parent);
    const auto typeThenEscape = [](const char* field) {
        WhenModal([field](QWidget& dialog) {
            Field(dialog, field).setText(QStringLiteral("99"));
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
    };
    int code = 70;
    typeThenEscape("code");
    EXPECT_FALSE(host.AskCharacter(code));
    EXPECT_EQ(code, 70);
    int count = 10;
    typeThenEscape("count");
    EXPECT_FALSE(host.AskLineCount(count));
    EXPECT_EQ(count, 10);
    HelpLineValues lines;
    lines.positions[0] = 50;
    typeThenEscape("position1");
    EXPECT_FALSE(host.AskHelpLines(lines));
    EXPECT_EQ(lines.positions[0], 50);
    float x = 2.5f;
    float y = 3.0f;
    typeThenEscape("gridY");
    EXPECT_FALSE(host.AskUserGrid(x, y));
    EXPECT_EQ(y, 3.0f);
    ValueInputRows rows{};
    rows[0] = {"Length:", 4.0f};
    typeThenEscape("value1");
    EXPECT_FALSE(host.AskValues(rows));
    EXPECT_EQ(rows[0].value, 4.0f);
}

// Without a test hook, a refused field shows a real message box; closing it returns to the
// dialog, which still takes a good value.
TEST(QtDialogHost, RangeMessageBoxKeepsTheDialogOpen) {
    QWidget parent;
    CQtDialogHost host(&parent);
    QString shown;
    QString title;
    WhenModal([&](QWidget& dialog) {
        QLineEdit& field = Field(dialog, "code");
        WhenModal([&](QWidget& box) {
            shown = static_cast<QMessageBox&>(box).text();
            title = box.windowTitle();
            QTest::keyClick(&box, Qt::Key_Return);
        });
        TypeAndEnter(field, QStringLiteral("32"));
        EXPECT_TRUE(dialog.isVisible());
        TypeAndEnter(field, QStringLiteral("34"));
    });
    int code = 65;
    EXPECT_TRUE(host.AskCharacter(code));
    EXPECT_EQ(code, 34);
    EXPECT_EQ(shown, QString::fromLatin1(kCodeRange));
    EXPECT_EQ(title, QStringLiteral("KorvoFE"));
}

TEST(QtDialogHost, MessagesOfferTheButtonsTheyName) {
    QWidget parent;
    CQtDialogHost host(&parent);
    struct Case {
        MessageButtons buttons;
        QMessageBox::StandardButtons offered;
        QMessageBox::StandardButton pressed;
        MessageAnswer answer;
    };
    const Case cases[] = {
        {MessageButtons::OkCancel, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel,
         MessageAnswer::Cancel},
        {MessageButtons::YesNoCancel, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
         QMessageBox::Yes, MessageAnswer::Yes},
    };
    for (const Case& c : cases) {
        QString text;
        QString title;
        QMessageBox::StandardButtons offered;
        WhenModal([&](QWidget& modal) {
            auto& box = static_cast<QMessageBox&>(modal);
            text = box.text();
            title = box.windowTitle();
            offered = box.standardButtons();
            box.button(c.pressed)->click();
        });
        const MessageRequest request{MessageId::String(IDS_UPDATE_FONT_TABLE), {}, c.buttons};
        EXPECT_EQ(host.ShowMessage(request), c.answer);
        EXPECT_EQ(text, QStringLiteral("Update font-table?"));
        EXPECT_EQ(title, QStringLiteral("KorvoFE"));
        EXPECT_EQ(offered, c.offered);
    }
}

}  // namespace
}  // namespace korvo
