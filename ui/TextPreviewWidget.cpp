#include "TextPreviewWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "QtDrawContext.h"

namespace korvo {

CTextPreviewWidget::CTextPreviewWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
    preview_.SetClientSize(width(), height());
    laidOut_ = size();
}

QSize CTextPreviewWidget::minimumSizeHint() const {
    return content_;
}

QSize CTextPreviewWidget::sizeHint() const {
    return {800, static_cast<int>(preview_.Settings().height * 1.6f) + 10};
}

void CTextPreviewWidget::SetSettings(const TextPreviewSettings& settings) {
    preview_.SetSettings(settings);
    FitContent();
    update();
}

// The whole line, at its height, is what the strip cannot do with less of; the scroll area
// around it scrolls when the dock is smaller.
void CTextPreviewWidget::FitContent() {
    const std::vector<double>& edges = preview_.CellEdges();
    const int right = edges.empty() ? 0 : static_cast<int>(std::ceil(edges.back()));
    const int margin = static_cast<int>(preview_.Settings().height * 0.5f);
    content_ = QSize(right + margin, sizeHint().height());
    updateGeometry();
}

void CTextPreviewWidget::TakeDocument(const CKorvoFEDoc* document) {
    preview_.TakeDocument(document);
    FitContent();
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
