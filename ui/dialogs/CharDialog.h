#pragma once

#include <QString>
#include <optional>

#include "dialogs/CodeModel.h"
#include "dialogs/KorvoDialog.h"

class QLineEdit;
class QTreeWidget;

namespace korvo {

// "Select Char": the code under which a drawing is stored or from which one is loaded. The list
// shows every code a glyph can have with its character and, from 128 on, how the character looks
// in the display and in the font's own code page; the number field holds the choice.
class CCharDialog : public CKorvoDialog {
    Q_OBJECT

public:
    static constexpr int kResourceId = 153;
    static constexpr int kFirstCode = CharCodes::kFirst;
    static constexpr int kLastCode = CharCodes::kLast;

    // `code` is the preset choice; -1 (no character yet) selects no row.
    CCharDialog(int code, QWidget* parent);

    // The chosen code after OK.
    int Code() const { return code_; }

    // The dialog, preset to `preset`; the chosen code, or nothing when cancelled.
    static std::optional<int> AskCharacter(QWidget* parent, int preset);

    // The text of a code's row, tabs included, as the list shows it.
    static QString RowText(int code);

    // What the number field means: a number, or a single character standing for its code ("A"
    // is 65, "7" is 7); kNoCode for anything else.
    static constexpr int kNoCode = -1000;
    static int CodeOfTyped(const QString& text);
    // The code whose row shows `character`, or kNoCode.
    static int CodeOfCharacter(QChar character);

protected:
    bool ExchangeFromFields() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillList();
    void OnRowChanged();
    void OnRowDoubleClicked();
    void OnFieldEdited(const QString& text);
    void SelectRowOf(int code);

    int code_;
    QTreeWidget* list_;
    QLineEdit* field_;
};

}  // namespace korvo
