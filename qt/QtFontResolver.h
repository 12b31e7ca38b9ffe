#pragma once

#include <QFont>
#include <optional>

#include "platform/DrawContext.h"

class QPaintDevice;

namespace korvo {

// Turns the drawing model's font requests into Qt fonts. The model asks for a cell height
// (ascent + descent) in device pixels, Qt sizes fonts by their em, so the em is derived from
// the face's own proportions. The last request is remembered: text is usually drawn many
// times in a row in the same font.
class CQtFontResolver {
public:
    const QFont& Resolve(const TextFont& font, const QPaintDevice* device);
    // The ascent of the font last resolved, on the device it was resolved for.
    double Ascent();

private:
    static QFont Make(const TextFont& font, const QPaintDevice* device);
    static int EmPixels(const QFont& face, int cellHeight, const QPaintDevice* device);

    std::optional<TextFont> key_;
    const QPaintDevice* device_ = nullptr;
    QFont font_;
    std::optional<double> ascent_;
};

}  // namespace korvo
