#pragma once

#include <QString>
#include <cstddef>
#include <span>
#include <string_view>

class QMimeData;

namespace korvo {

// The clipboard's and the drag's form of the editor's data: the private format under the name it
// has on the desktop where the editor first ran, and beside a drawing the forms other programs
// take — an SVG picture at true size and the drawing's JSON as text.
class CDrawingMime {
public:
    // The MIME type of a private format name.
    static QString TypeOf(std::string_view format);
    // New data holding `data` under `format`; drawing data that reads as a whole collection also
    // comes as "image/svg+xml" and as text. Damaged drawing data goes as it is, and alone.
    static QMimeData* Make(std::string_view format, std::span<const std::byte> data);
};

}  // namespace korvo
