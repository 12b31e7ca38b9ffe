#include "PrintCommands.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "SheetPrinter.h"

namespace korvo {

CPrintCommands::CPrintCommands(QWidget* parent, CPaper& paper, QString title, QString documentPath)
    : parent_(parent),
      paper_(paper),
      title_(std::move(title)),
      documentPath_(std::move(documentPath)) {}

void CPrintCommands::PreparePrinter(QPrinter& printer) const {
    printer.setDocName(title_);
    printer.setCreator(QStringLiteral("KorvoFE"));
    printer.setPageLayout(CSheetPrinter(paper_).SheetPageLayout());
}

bool CPrintCommands::PrintOn(QPrinter& printer) {
    return CSheetPrinter(paper_).Print(printer);
}

void CPrintCommands::ReportFailure(const QString& text) const {
    QMessageBox::warning(parent_, QStringLiteral("KorvoFE"), text);
}

bool CPrintCommands::OnFilePrint() {
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer);
    QPrintDialog dialog(&printer, parent_);
    dialog.setWindowTitle(QStringLiteral("Print"));
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    if (!PrintOn(printer)) {
        ReportFailure(QStringLiteral("The sheet could not be printed on %1.")
                          .arg(printer.printerName().isEmpty() ? printer.outputFileName()
                                                               : printer.printerName()));
        return false;
    }
    return true;
}

void CPrintCommands::OnFilePrintPreview() {
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer);
    QPrintPreviewDialog preview(&printer, parent_);
    preview.setWindowTitle(QStringLiteral("Print Preview - %1").arg(title_));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [this](QPrinter* target) { PrintOn(*target); });
    preview.exec();
}

bool CPrintCommands::OnFileExportPdf() {
    const QString path = QFileDialog::getSaveFileName(parent_, QStringLiteral("Export PDF"),
                                                      SuggestedPdfPath(documentPath_, title_),
                                                      QStringLiteral("PDF Files (*.pdf)"));
    if (path.isEmpty()) {
        return false;
    }
    if (!CSheetPrinter(paper_).WritePdf(path, title_)) {
        ReportFailure(QStringLiteral("Error creating PDF file %1").arg(path));
        return false;
    }
    return true;
}

bool CPrintCommands::PrintTo(const QString& printerName, QString& error) {
    const QPrinterInfo info = printerName.isEmpty() ? QPrinterInfo::defaultPrinter()
                                                    : QPrinterInfo::printerInfo(printerName);
    if (info.isNull()) {
        error = printerName.isEmpty() ? QStringLiteral("No default printer is set up.")
                                      : QStringLiteral("Printer %1 not found.").arg(printerName);
        return false;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    PreparePrinter(printer);
    if (!PrintOn(printer)) {
        error = QStringLiteral("The sheet could not be printed on %1.").arg(info.printerName());
        return false;
    }
    return true;
}

QString CPrintCommands::SuggestedPdfPath(const QString& documentPath, const QString& title) {
    if (documentPath.isEmpty()) {
        return title + QStringLiteral(".pdf");
    }
    const QFileInfo file(documentPath);
    return file.dir().filePath(file.completeBaseName() + QStringLiteral(".pdf"));
}

}  // namespace korvo
