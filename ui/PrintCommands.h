#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace korvo {

class CPaper;

// File Print, Print Preview and Export PDF for one font's sheet. Every job starts on the sheet's
// own page, where one drawing unit prints as one millimetre; the user may pick another paper,
// which then gets the whole sheet scaled down to fit.
class CPrintCommands {
public:
    // `documentPath` names the PDF offered by Export PDF; `title` names the print job.
    CPrintCommands(QWidget* parent, CPaper& paper, QString title, QString documentPath);

    // The print dialog, then the printer; false when cancelled or the printer failed.
    bool OnFilePrint();
    void OnFilePrintPreview();
    // The save dialog, then the PDF; false when cancelled or it could not be written.
    bool OnFileExportPdf();

    // The shell's print request: straight to the named printer (the default one when the name is
    // empty), no dialog. False with `error` set when there is no such printer or it failed.
    bool PrintTo(const QString& printerName, QString& error);

    // The PDF name Export PDF offers: the font's file with .pdf, else the title.
    static QString SuggestedPdfPath(const QString& documentPath, const QString& title);

private:
    void PreparePrinter(QPrinter& printer) const;
    bool PrintOn(QPrinter& printer);
    void ReportFailure(const QString& text) const;

    QWidget* parent_;
    CPaper& paper_;
    QString title_;
    QString documentPath_;
};

}  // namespace korvo
