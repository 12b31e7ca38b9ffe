#include "TextStamps.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <bit>
#include <cmath>
#include <functional>

#include "resources/CodePages.h"

namespace korvo {

std::size_t CTextStamps::KeyHash::operator()(const Key& key) const {
    std::size_t hash = std::hash<std::string>{}(key.text);
    for (const std::size_t part :
         {std::hash<std::string>{}(key.font.face), static_cast<std::size_t>(key.font.height),
          static_cast<std::size_t>(key.color),
          static_cast<std::size_t>(std::bit_cast<std::uint64_t>(key.baselineFraction))}) {
        hash = (hash ^ part) * 1099511628211ULL;
    }
    return hash;
}

const CTextStamps::Stamp& CTextStamps::Get(std::string_view text, const TextFont& font,
                                           const QFont& qfont, QRgb color,
                                           double baselineFraction) {
    probe_.text.assign(text);
    probe_.font = font;
    probe_.color = color;
    probe_.baselineFraction = baselineFraction;
    if (const auto found = stamps_.find(probe_); found != stamps_.end()) {
        return found->second;
    }
    if (stamps_.size() >= kMaxStamps) {
        stamps_.clear();
    }
    const QString shown = QString::fromStdU16String(AnsiToUtf16(text));
    return stamps_.emplace(probe_, Draw(shown, qfont, color, baselineFraction)).first->second;
}

CTextStamps::Stamp CTextStamps::Draw(const QString& text, const QFont& qfont, QRgb color,
                                     double baselineFraction) {
    // Room for every pixel the rasteriser may touch: the ink's bounds and two pixels more on
    // each side for antialiasing and hinting.
    const QRectF ink = QFontMetricsF(qfont).boundingRect(text);
    constexpr int kPad = 2;
    const int left = static_cast<int>(std::floor(ink.left())) - kPad;
    const int top = static_cast<int>(std::floor(ink.top() + baselineFraction)) - kPad;
    const int right = static_cast<int>(std::ceil(ink.right())) + kPad;
    const int bottom = static_cast<int>(std::ceil(ink.bottom() + baselineFraction)) + kPad;
    Stamp stamp;
    stamp.offset = QPoint(left, top);
    stamp.image = QImage(std::max(1, right - left), std::max(1, bottom - top),
                         QImage::Format_ARGB32_Premultiplied);
    stamp.image.fill(Qt::transparent);
    QPainter painter(&stamp.image);
    painter.setFont(qfont);
    painter.setPen(QColor::fromRgb(color));
    painter.drawText(QPointF(-left, baselineFraction - top), text);
    return stamp;
}

}  // namespace korvo
