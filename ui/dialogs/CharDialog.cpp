#include "dialogs/CharDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>
#include <string>

#include "dialogs/CharRowDelegate.h"
#include "resources/CodePages.h"

namespace korvo {

namespace {

constexpr int kColumnWidth = 150;
constexpr int kTitlePadding = 24;
constexpr int kListHeight = 260;
const char* const kColumnTitle = "Number - Char - ANSI - OEM";

std::string Printf(const char* format, int code) {
    char buffer[32];
    const int length = std::snprintf(buffer, sizeof buffer, format, code, code);
    return std::string(buffer, static_cast<std::size_t>(length));
}

// The row as the list has always built it, as bytes of the display code page.
std::string RowBytes(int code) {
    if (code < 128) {
        return Printf(" %03d: \t \t %c ", code);
    }
    const std::string separator = " \t \t ";
    const std::string alone = Printf(" %c ", code);
    return Printf(" %03d: \t %c ", code) + separator + OemToAnsi(alone) + separator +
           AnsiToOem(alone);
}

}  // namespace

CCharDialog::CCharDialog(int code, QWidget* parent)
    : CKorvoDialog(kResourceId, parent),
      code_(code),
      list_(new QTreeWidget(this)),
      field_(MakeField(QStringLiteral("code"))) {
    setWindowTitle(QStringLiteral("Select Char"));
    list_->setObjectName(QStringLiteral("characters"));
    list_->setColumnCount(1);
    const QString title = QString::fromLatin1(kColumnTitle);
    list_->setHeaderLabels({title});
    list_->setItemDelegate(new CCharRowDelegate(title, list_));
    // At least as wide as it always was, and wide enough for its title in today's fonts.
    const int width = std::max(
        kColumnWidth, list_->header()->fontMetrics().horizontalAdvance(title) + kTitlePadding);
    list_->setColumnWidth(0, width);
    list_->setMinimumWidth(width + list_->verticalScrollBar()->sizeHint().width() +
                           2 * list_->frameWidth());
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setMinimumHeight(kListHeight);
    FillList();
    field_->setText(QString::number(code_));

    QDialogButtonBox* buttons = MakeOkCancel();
    buttons->setOrientation(Qt::Vertical);
    auto* side = new QVBoxLayout;
    side->addWidget(field_);
    side->addWidget(buttons);
    side->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(side);

    setTabOrder(field_, buttons);
    setTabOrder(buttons, list_);
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &CCharDialog::OnRowChanged);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &CCharDialog::OnRowDoubleClicked);
    connect(field_, &QLineEdit::textEdited, this, &CCharDialog::OnFieldEdited);
    list_->installEventFilter(this);
    // With a character chosen the arrow keys walk the list from it; without one there is only
    // the number to type.
    if (list_->currentItem() != nullptr) {
        list_->setFocus(Qt::OtherFocusReason);
    } else {
        FocusField(*field_);
    }
}

std::optional<int> CCharDialog::AskCharacter(QWidget* parent, int preset) {
    CCharDialog dialog(preset, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Code();
}

QString CCharDialog::RowText(int code) {
    const std::u16string text = AnsiToUtf16(RowBytes(code));
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

int CCharDialog::CodeOfCharacter(QChar character) {
    // Beyond ASCII the display code page decides, as the list shows the characters.
    for (int code = kFirstCode; code <= kLastCode; ++code) {
        const std::u16string shown = AnsiToUtf16(std::string(1, static_cast<char>(code)));
        if (shown.size() == 1 && shown.front() == character.unicode()) {
            return code;
        }
    }
    return kNoCode;
}

int CCharDialog::CodeOfTyped(const QString& text) {
    const QString typed = text.trimmed();
    bool number = false;
    const int code = typed.toInt(&number);
    if (number) {
        return code;
    }
    return typed.size() == 1 ? CodeOfCharacter(typed.front()) : kNoCode;
}

bool CCharDialog::ExchangeFromFields() {
    // A typed character is a code of the list by its nature; a number gets the range check.
    const QString typed = field_->text().trimmed();
    const bool character = typed.size() == 1 && !typed.front().isDigit();
    if (const int code = CodeOfTyped(typed); character && code != kNoCode) {
        code_ = code;
        return true;
    }
    CCodeModel model = CharCodes::Model(code_);
    if (!Taken(model.Accept(TextOf(*field_)), std::span(&field_, 1))) {
        return false;
    }
    code_ = model.Value();
    return true;
}

void CCharDialog::FillList() {
    for (int code = kFirstCode; code <= kLastCode; ++code) {
        auto* item = new QTreeWidgetItem(list_, {RowText(code)});
        item->setData(0, Qt::UserRole, code);
    }
    SelectRowOf(code_);
}

void CCharDialog::OnRowChanged() {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    code_ = selected.isEmpty() ? -1 : list_->indexOfTopLevelItem(selected.front()) + kFirstCode;
    field_->setText(QString::number(code_));
}

void CCharDialog::OnRowDoubleClicked() {
    OnRowChanged();
    AcceptAsIs();
}

// Typing a code shows its row, without touching what is being typed.
void CCharDialog::OnFieldEdited(const QString& text) {
    const int code = CodeOfTyped(text);
    if (code >= kFirstCode && code <= kLastCode) {
        const QSignalBlocker quiet(list_);
        SelectRowOf(code);
    }
}

// A character typed in the list goes to its row; the arrows, paging and Enter work as usual.
bool CCharDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        const bool plain = (key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0;
        if (plain && text.size() == 1 && text.front().isPrint() && !text.front().isSpace()) {
            if (const int code = CodeOfCharacter(text.front()); code != kNoCode) {
                SelectRowOf(code);
                return true;
            }
        }
    }
    return CKorvoDialog::eventFilter(watched, event);
}

void CCharDialog::SelectRowOf(int code) {
    QTreeWidgetItem* item = list_->topLevelItem(code - kFirstCode);
    if (code < kFirstCode || item == nullptr) {
        return;
    }
    list_->setCurrentItem(item);
    list_->scrollToItem(item, QAbstractItemView::PositionAtCenter);
}

}  // namespace korvo
