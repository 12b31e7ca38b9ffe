#pragma once

#include <QString>
#include <QStringList>

namespace korvo {

class CKorvoFEApp;

// The shell's print request on the command line: `korvofe --print FONT.dat ...` prints each
// font's sheet on the default printer, `--print-to PRINTER FONT.dat ...` on the named one,
// without showing the editor.
class CPrintRequest {
public:
    // Takes the print switches out of `arguments`, leaving the rest (the fonts) for start-up.
    static CPrintRequest Take(QStringList& arguments);

    bool IsRequested() const { return requested_; }
    // Empty for the default printer.
    const QString& PrinterName() const { return printer_; }
    // Why the switches cannot be carried out ("--print-to" without a name); empty when they can.
    const QString& Problem() const { return problem_; }

    // Opens the fonts with the main window hidden and prints them, reporting failures on
    // standard error. The process's exit status: 0 all printed, 1 a font or printer failed,
    // 2 the request itself was wrong.
    int Run(CKorvoFEApp& app, const QStringList& fonts) const;

private:
    bool requested_ = false;
    QString printer_;
    QString problem_;
};

}  // namespace korvo
