#pragma once

#include <QPageLayout>
#include <QString>

#include "geometry/RectF.h"

class QPagedPaintDevice;
class QPainter;

namespace korvo {

class CPaper;

// Puts a sheet on paper (a printer, a print preview or a PDF) through the sheet's printer
// mapping: the drawing area's frame, the character table and the help lines as the screen
// shows them, then every visible element in its own colour and width. On the sheet's own page
// (SheetPageLayout) one drawing unit comes out as one millimetre; a smaller paper gets the whole
// printed box scaled down to fit. The grid's dots are left out: they are a screen aid, and a
// printer's dots would make them vanish.
class CSheetPrinter {
public:
    // Margin around the sheet on its own page, in millimetres.
    static constexpr double kMarginMm = 10.0;

    explicit CSheetPrinter(CPaper& paper) : paper_(paper) {}

    // What the printed page shows, in drawing units: the sheet, the drawing area's frame, the
    // character table while it is shown, and the ends of the help lines shown, which reach past
    // the frame on every side.
    RectF PrintedBox() const;

    // A page just big enough for the printed box at its true size, with the margin all round.
    QPageLayout SheetPageLayout() const;

    // One page on an idle device; false when the device cannot be painted on (no printer, a
    // file that cannot be written).
    bool Print(QPagedPaintDevice& device);
    // The page on an active painter whose device is printable*pixels wide and high, e.g. the
    // preview's printer. The sheet goes back to its screen mapping afterwards.
    void PaintPage(QPainter& painter, int printableWidth, int printableHeight);

    // The sheet as a one-page PDF on its own page. The file is replaced only once the whole PDF
    // is written, so a failure leaves an older file as it was.
    bool WritePdf(const QString& path, const QString& title);

private:
    void PaintDecorations(QPainter& painter);
    void PaintElements(QPainter& painter);

    CPaper& paper_;
};

}  // namespace korvo
