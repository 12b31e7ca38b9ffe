#pragma once

#include <QImage>
#include <string>

namespace korvo::test {

// How far a rendering may stray from its reference: font rasterisers differ a little between
// machines, so a few slightly different pixels are not a failure.
struct GoldenTolerance {
    int channel = 40;         // a pixel differs when one channel moves by more than this
    double fraction = 0.005;  // share of differing pixels allowed...
    int minimum = 4;          // ...but at least this many
};

struct ImageDifference {
    bool sameSize = true;
    int differingPixels = 0;
    int largestChannelDelta = 0;
};

ImageDifference CompareImages(const QImage& actual, const QImage& expected, int channelTolerance);

// Compares `actual` with tests/data/NAME.png. When they differ, or the reference does not exist
// yet, the rendering is written to tests/data/NAME.out.png for a look and scripts/accept-goldens
// and the test fails.
void ExpectMatchesGolden(const QImage& actual, const std::string& name,
                         const GoldenTolerance& tolerance = {});

}  // namespace korvo::test
