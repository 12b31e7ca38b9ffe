#include "TextPreviewWidget.h"

#include <QMouseEvent>
#include <QPainter>

#include "QtDrawContext.h"

namespace korvo {

CTextPreviewWidget::CTextPreviewWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumHeight(24);
    setCursor(Qt::PointingHandCursor);
    preview_.SetClientSize(width(), height());
    laidOut_ = size();
}

QSize CTextPreviewWidget::sizeHint() const {
    return {800, static_cast<int>(preview_.Settings().height * 1.6f) + 10};
}

void CTextPreviewWidget::SetSettings(const TextPreviewSettings& settings) {
    preview_.SetSettings(settings);
    updateGeometry();
    update();
}

void CTextPreviewWidget::TakeDocument(const CKorvoFEDoc* document) {
    preview_.TakeDocument(document);
    update();
}

QImage CTextPreviewWidget::RenderImage() {
    // A widget never shown has had no resize event, and is still asked for pictures.
    if (size() != laidOut_) {
        preview_.SetClientSize(width(), height());
        laidOut_ = size();
    }
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    {
        CQtDrawContext dc(painter, false);
        preview_.Paint(dc);
    }
    return image;
}

QImage CTextPreviewWidget::Render() const {
    return const_cast<CTextPreviewWidget*>(this)->RenderImage();
}

void CTextPreviewWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, RenderImage());
}

void CTextPreviewWidget::resizeEvent(QResizeEvent* event) {
    preview_.SetClientSize(width(), height());
    laidOut_ = size();
    QWidget::resizeEvent(event);
}

void CTextPreviewWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint at = event->position().toPoint();
    const int code = preview_.CharacterAt({at.x(), at.y()});
    if (code >= 0) {
        emit CharacterClicked(code);
    }
}

}  // namespace korvo
