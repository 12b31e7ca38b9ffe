#include "SheetPrinter.h"

#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSizeF>
#include <algorithm>
#include <cmath>

#include "QtDrawContext.h"
#include "model/CharacterTable.h"
#include "model/DataCollection.h"
#include "model/Paper.h"

namespace korvo {

namespace {

// Help lines run this far past the drawing area on each side.
constexpr float kHelpLineReach = 10.0f;

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

RectF CSheetPrinter::PrintedBox() const {
    const PointF sheet = paper_.GetExtension();
    // The drawing area's frame is drawn whatever the sheet's size, the table where it is shown.
    RectF box{0.0f, 0.0f, std::max(sheet.x, kDrawingAreaSize), std::max(sheet.y, kDrawingAreaSize)};
    if (paper_.IsShowTable()) {
        box.maxX = std::max(box.maxX, kTableRight);
        box.maxY = std::max(box.maxY, kTableTop);
    }
    for (int i = 0; i < CPaper::kHelpLineCount; ++i) {
        if (paper_.IsHelpLineShown(i)) {
            constexpr float kFar = kDrawingAreaSize + kHelpLineReach;
            box = {std::min(box.minX, -kHelpLineReach), std::min(box.minY, -kHelpLineReach),
                   std::max(box.maxX, kFar), std::max(box.maxY, kFar)};
        }
    }
    return box;
}

QPageLayout CSheetPrinter::SheetPageLayout() const {
    constexpr double kPointsPerMm = 72.0 / 25.4;
    const RectF box = PrintedBox();
    const QSizeF inner((box.maxX - box.minX) * kPointsPerMm, (box.maxY - box.minY) * kPointsPerMm);
    // Page sizes are whole points; the margins take up the rounding, so the printable area is
    // the box and the printed scale one millimetre per unit.
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
    // The sheet's printer mapping fills the area it is given, so it is given the sheet's share
    // of the printed box, and the painter moves that share to its place in the box.
    const RectF box = PrintedBox();
    const double boxWidth = box.maxX - box.minX;
    const double boxHeight = box.maxY - box.minY;
    double scale = std::min(printableWidth / boxWidth, printableHeight / boxHeight);
    // Devices give their printable area in whole points, a little less than the box on its own
    // page; where the box at one millimetre per unit fits within that point, it prints so.
    const double pixelsPerMm = painter.device()->logicalDpiX() / 25.4;
    const double point = painter.device()->logicalDpiX() / 72.0;
    if (boxWidth * pixelsPerMm <= printableWidth + point &&
        boxHeight * pixelsPerMm <= printableHeight + point && scale < pixelsPerMm) {
        scale = pixelsPerMm;
    }
    const PointF sheet = paper_.GetExtension();
    // Centred on a bigger page; on its own page the box starts at the printable area's corner.
    const double left = std::max(0.0, (printableWidth - boxWidth * scale) / 2) - box.minX * scale;
    const double top =
        std::max(0.0, (printableHeight - boxHeight * scale) / 2) + (box.maxY - sheet.y) * scale;
    painter.save();
    painter.translate(std::round(left), std::round(top));
    paper_.SetupPrinter(static_cast<int>(std::lround(sheet.x * scale)),
                        static_cast<int>(std::lround(sheet.y * scale)));
    PaintDecorations(painter);
    PaintElements(painter);
    painter.restore();
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
