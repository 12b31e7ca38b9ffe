#include <gtest/gtest.h>

#include <QImage>

#include "QtDrawContext.h"

namespace korvo {
namespace {

// The bounding box of everything that is not white.
QRect InkOf(const QImage& image) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ink |= image.pixel(x, y) != qRgb(255, 255, 255) ? QRect(x, y, 1, 1) : QRect();
        }
    }
    return ink;
}

TEST(QtDrawContext, TextHangsFromItsCellsTopLeftCornerAndTurnsCounterClockwise) {
    for (const auto& [height, angleTenths] :
         {std::pair{12, 0}, {20, 0}, {40, 0}, {30, 900}, {30, 1800}, {30, 2700}}) {
        SCOPED_TRACE(testing::Message() << height << " px at " << angleTenths);
        const TextFont font{"Arial", height, angleTenths};
        const DevicePoint at{60, 60};
        DevicePoint extent;
        QImage image(120, 120, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        {
            CQtDrawContext dc(painter, false);
            extent = dc.TextExtent("Ag", font);
            dc.SetRasterOp(RasterOp::XorPen);  // text does not take part in raster operations
            dc.TextOut(at, "Ag", font, MakeColor(0, 0, 0));
        }
        painter.end();
        EXPECT_NEAR(extent.y, height, 1);
        const QRect ink = InkOf(image);
        // The cell turned about the reference point; the ink fills much of it, and no more.
        const QTransform turn = QTransform().translate(at.x, at.y).rotate(-angleTenths / 10.0);
        const QRect cell = turn.mapRect(QRect(0, 0, extent.x, extent.y)).adjusted(-1, -1, 1, 1);
        EXPECT_TRUE(cell.contains(ink));
        EXPECT_GT(ink.width() * ink.height(), cell.width() * cell.height() / 3);
    }
}

}  // namespace
}  // namespace korvo
