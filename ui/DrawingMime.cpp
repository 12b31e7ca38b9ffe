#include "DrawingMime.h"

#include <QMimeData>
#include <string>

#include "json/DrawingJson.h"
#include "model/ClipboardCollection.h"
#include "model/CollectionSvg.h"
#include "model/DataCollection.h"
#include "view/ViewCommands.h"

namespace korvo {

QString CDrawingMime::TypeOf(std::string_view format) {
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"")
        .arg(QString::fromLatin1(format.data(), static_cast<qsizetype>(format.size())));
}

QMimeData* CDrawingMime::Make(std::string_view format, std::span<const std::byte> data) {
    auto* mime = new QMimeData;
    mime->setData(TypeOf(format), QByteArray(reinterpret_cast<const char*>(data.data()),
                                             static_cast<qsizetype>(data.size())));
    if (format != kClipboardFormat) {
        return mime;
    }
    const ClipboardRead read = ReadClipboardCollection(data);
    if (!read.nodes) {
        return mime;
    }
    const std::string svg = WriteCollectionSvg(*read.nodes);
    mime->setData(QStringLiteral("image/svg+xml"),
                  QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
    const std::string json = WriteDrawingJson(*read.nodes, {.everyElement = true});
    mime->setText(QString::fromStdString(json));
    return mime;
}

}  // namespace korvo
