#include "QtFontResolver.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "resources/CodePages.h"

namespace korvo {

namespace {

// Large enough that rounding of the probe's metrics does not show in the derived em.
constexpr int kProbePixels = 1000;
// What a height of 0 ("any size") gets, about the size of dialog text on a 96 dpi screen.
constexpr int kDefaultCellPixels = 16;
constexpr int kLargestPixels = 16384;

}  // namespace

const QFont& CQtFontResolver::Resolve(const TextFont& font, const QPaintDevice* device) {
    if (!key_ || device_ != device || !(*key_ == font)) {
        font_ = Make(font, device);
        key_ = font;
        device_ = device;
        ascent_.reset();
    }
    return font_;
}

double CQtFontResolver::Ascent() {
    if (!ascent_) {
        ascent_ = QFontMetricsF(font_, device_).ascent();
    }
    return *ascent_;
}

QFont CQtFontResolver::Make(const TextFont& font, const QPaintDevice* device) {
    QFont face(QString::fromStdU16String(AnsiToUtf16(font.face)));
    face.setBold(font.bold);
    face.setItalic(font.italic);
    face.setUnderline(font.underline);
    face.setStrikeOut(font.strikeOut);
    face.setPixelSize(EmPixels(face, font.height, device));
    return face;
}

int CQtFontResolver::EmPixels(const QFont& face, int cellHeight, const QPaintDevice* device) {
    if (cellHeight < 0) {
        // A negative height asks for the em itself, as the classic font requests do.
        return static_cast<int>(std::min<std::int64_t>(-std::int64_t{cellHeight}, kLargestPixels));
    }
    const int cell = std::min(cellHeight == 0 ? kDefaultCellPixels : cellHeight, kLargestPixels);
    QFont probe(face);
    probe.setPixelSize(kProbePixels);
    const QFontMetricsF metrics(probe, device);
    const double probeCell = metrics.ascent() + metrics.descent();
    if (probeCell <= 0.0) {
        return cell;
    }
    const long em = std::lround(cell * kProbePixels / probeCell);
    return static_cast<int>(std::clamp<long>(em, 1, kLargestPixels));
}

}  // namespace korvo
