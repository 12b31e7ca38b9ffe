#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRgb>
#include <QString>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/DrawContext.h"

namespace korvo {

// Unturned text drawn once into a small transparent image and then copied wherever the same
// text comes again in the same font and colour. Laying out and rasterising a string costs
// QPainter far more than blending its few hundred pixels, and the character table draws the
// same few hundred labels at every zoom step.
//
// A stamp keeps the fraction of a pixel its baseline sat at, so a copy put down at a whole-pixel
// offset covers the very pixels drawing the text there would have.
class CTextStamps {
public:
    struct Stamp {
        QImage image;
        QPoint offset;  // from the baseline origin's whole pixel to the image's top left
    };
    // The stamp of `text` (display characters) in `font` (the request, resolved to `qfont` for
    // the device drawn on) and `color`, its baseline `baselineFraction` of a pixel below a whole
    // pixel.
    const Stamp& Get(std::string_view text, const TextFont& font, const QFont& qfont, QRgb color,
                     double baselineFraction);

private:
    struct Key {
        std::string text;
        TextFont font;
        QRgb color = 0;
        double baselineFraction = 0.0;
        friend bool operator==(const Key&, const Key&) = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };
    static Stamp Draw(const QString& text, const QFont& qfont, QRgb color, double baselineFraction);

    // The table's labels at a few zoom steps; beyond that the oldest zooms are not worth keeping.
    static constexpr std::size_t kMaxStamps = 4096;
    std::unordered_map<Key, Stamp, KeyHash> stamps_;
    Key probe_;  // reused, so a hit allocates nothing
};

}  // namespace korvo
