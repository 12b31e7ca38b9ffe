#include "support/GoldenImage.h"

#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace korvo::test {

namespace {

std::string DataPath(const std::string& file) {
    return std::string(KORVO_SOURCE_DIR) + "/tests/data/" + file;
}

int ChannelDelta(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
}

}  // namespace

ImageDifference CompareImages(const QImage& actual, const QImage& expected, int channelTolerance) {
    ImageDifference difference;
    if (actual.size() != expected.size()) {
        difference.sameSize = false;
        return difference;
    }
    const QImage a = actual.convertToFormat(QImage::Format_ARGB32);
    const QImage e = expected.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowE = reinterpret_cast<const QRgb*>(e.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int delta = ChannelDelta(rowA[x], rowE[x]);
            difference.largestChannelDelta = std::max(difference.largestChannelDelta, delta);
            difference.differingPixels += delta > channelTolerance ? 1 : 0;
        }
    }
    return difference;
}

void ExpectMatchesGolden(const QImage& actual, const std::string& name,
                         const GoldenTolerance& tolerance) {
    const std::string reference = DataPath(name + ".png");
    const std::string rendered = DataPath(name + ".out.png");
    const QImage expected(QString::fromStdString(reference));
    if (expected.isNull()) {
        actual.save(QString::fromStdString(rendered));
        ADD_FAILURE() << "no reference image " << reference << "; the rendering is in " << rendered
                      << ": check it, then run scripts/accept-goldens";
        return;
    }
    const ImageDifference difference = CompareImages(actual, expected, tolerance.channel);
    const int allowed = std::max(
        tolerance.minimum,
        static_cast<int>(std::floor(tolerance.fraction * actual.width() * actual.height())));
    if (difference.sameSize && difference.differingPixels <= allowed) {
        QFile::remove(QString::fromStdString(rendered));
        return;
    }
    actual.save(QString::fromStdString(rendered));
    if (!difference.sameSize) {
        ADD_FAILURE() << name << ": rendered " << actual.width() << "x" << actual.height()
                      << " but " << reference << " is " << expected.width() << "x"
                      << expected.height() << "; the rendering is in " << rendered;
        return;
    }
    ADD_FAILURE() << name << ": " << difference.differingPixels
                  << " pixels differ from the reference by more than " << tolerance.channel
                  << " (largest difference " << difference.largestChannelDelta << ", " << allowed
                  << " allowed); the rendering is in " << rendered
                  << ": if it is right, run scripts/accept-goldens";
}

}  // namespace korvo::test
