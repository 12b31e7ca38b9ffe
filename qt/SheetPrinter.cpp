#include "SheetPrinter.h"

#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSizeF>
#include <cmath>

#include "QtDrawContext.h"
#include "model/DataCollection.h"
#include "model/Paper.h"

namespace korvo {

namespace {

// PDFs are written at a printer's resolution so elements land within 0.02 mm of their place.
constexpr int kPdfDotsPerInch = 1200;

// When the page is done the sheet is back on its screen mapping, culling window and grid switch,
// so the view goes on as if nothing had been printed.
class CPrintModeScope {
public:
    explicit CPrintModeScope(CPaper& paper) : paper_(paper), showGrid_(paper.IsShowGrid()) {}
    ~CPrintModeScope() {
        paper_.SetShowGrid(showGrid_);
        const DevicePoint client = paper_.GetClientSize();
        paper_.SetClientRect({0, 0, client.x, client.y});
    }
    CPrintModeScope(const CPrintModeScope&) = delete;
    CPrintModeScope& operator=(const CPrintModeScope&) = delete;

private:
    CPaper& paper_;
    bool showGrid_;
};

}  // namespace

QPageLayout CSheetPrinter::SheetPageLayout() const {
    constexpr double kPointsPerMm = 72.0 / 25.4;
    const PointF sheet = paper_.GetExtension();
    const QSizeF inner(sheet.x * kPointsPerMm, sheet.y * kPointsPerMm);
    // Page sizes are whole points; the margins take up the rounding, so the printable area is
    // exactly the sheet and the printed scale exactly one millimetre per unit.
    const double margin = kMarginMm * kPointsPerMm;
    const QSize page(static_cast<int>(std::ceil(inner.width() + 2 * margin)),
                     static_cast<int>(std::ceil(inner.height() + 2 * margin)));
    const double side = (page.width() - inner.width()) / 2;
    const double top = (page.height() - inner.height()) / 2;
    // Page sizes are portrait by convention; a wide sheet turns the page instead.
    const bool wide = page.width() > page.height();
    const QPageSize size(wide ? page.transposed() : page, QString(), QPageSize::ExactMatch);
    return QPageLayout(size, wide ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(side, top, side, top), QPageLayout::Point);
}

bool CSheetPrinter::Print(QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    PaintPage(painter, device.width(), device.height());
    return painter.end();
}

void CSheetPrinter::PaintPage(QPainter& painter, int printableWidth, int printableHeight) {
    const CPrintModeScope restore(paper_);
    paper_.SetupPrinter(printableWidth, printableHeight);
    PaintDecorations(painter);
    PaintElements(painter);
}

// The sheet only paints its decorations for the screen, so they go through a context that is
// not a printer; the printer mapping is already in place and puts them at their printed size.
void CSheetPrinter::PaintDecorations(QPainter& painter) {
    paper_.SetShowGrid(false);
    CQtDrawContext dc(painter, false);
    paper_.PaintBackground(dc);
}

void CSheetPrinter::PaintElements(QPainter& painter) {
    CQtDrawContext dc(painter, true);
    if (CDataCollection* collection = paper_.GetCollection()) {
        collection->Print(paper_, &dc);
    }
}

bool CSheetPrinter::WritePdf(const QString& path, const QString& title) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(kPdfDotsPerInch);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("KorvoFE"));
        if (!pdf.setPageLayout(SheetPageLayout()) || !Print(pdf)) {
            file.cancelWriting();
            return false;
        }
    }
    return file.commit();
}

}  // namespace korvo
