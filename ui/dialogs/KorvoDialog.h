#pragma once

#include <QDialog>
#include <QString>
#include <span>
#include <string>

#include "dialogs/DialogFields.h"

class QDialogButtonBox;
class QLineEdit;

namespace korvo {

// The editor's modal dialogs. OK first reads every field back; a field that does not hold an
// acceptable value names the accepted range, gets the focus back with its text selected, and the
// dialog stays open, so nothing the user typed is lost. Enter is OK, Escape is Cancel.
class CKorvoDialog : public QDialog {
    Q_OBJECT

public:
    CKorvoDialog(int resourceId, QWidget* parent);

    // The number the dialog has always had among the program's resources.
    int ResourceId() const { return resourceId_; }

    // OK: ends the dialog only when every field was read back.
    void accept() override;

    // A number as the dialogs write it into a field: at most six significant digits, no
    // trailing zeros ("2.5", "200", "1e+10").
    static QString FormatNumber(double value);

protected:
    // Reads the fields into the dialog's values; false when one was refused (its message shown).
    virtual bool ExchangeFromFields() = 0;

    // Tells the user why a field was refused. The editor shows a message box; tests override it
    // to see the text without a window that waits for a click.
    virtual void ShowFieldMessage(const QString& text);

    // Ends the dialog with OK as it stands, without reading the fields.
    void AcceptAsIs();

    // The text of a field as the dialog's model reads it.
    static std::string TextOf(const QLineEdit& field);
    // Whether the model took the fields; a refused one (`fields` in the model's order) shows the
    // model's message and gets the focus back.
    bool Taken(const FieldCheck& check, std::span<QLineEdit* const> fields);

    // A number field; its text is selected whenever it gets the focus from the keyboard.
    QLineEdit* MakeField(const QString& objectName);
    // OK (the default button) and Cancel.
    QDialogButtonBox* MakeOkCancel();
    // Puts the focus on the field with its whole text selected, ready to be typed over.
    static void FocusField(QLineEdit& field);

private:
    bool Refuse(QLineEdit& field, const QString& text);

    int resourceId_;
};

}  // namespace korvo
