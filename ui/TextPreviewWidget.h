#pragma once

#include <QImage>
#include <QWidget>

#include "app/TextPreview.h"

namespace korvo {

class CKorvoFEDoc;

// The strip that shows the sample text in the font being edited. It paints the preview into an
// image of its own size and tells which character a left click hit.
class CTextPreviewWidget : public QWidget {
    Q_OBJECT

public:
    explicit CTextPreviewWidget(QWidget* parent = nullptr);

    CTextPreview& Preview() { return preview_; }
    void SetSettings(const TextPreviewSettings& settings);
    // Takes the document's font again (null: none) and repaints.
    void TakeDocument(const CKorvoFEDoc* document);
    // What the strip shows, at its current size.
    QImage Render() const;

    QSize sizeHint() const override;
    // The whole line at its height: the scroll area around the strip scrolls below it.
    QSize minimumSizeHint() const override;

signals:
    void CharacterClicked(int code);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void FitContent();
    // The same as Render, without a copy: painting needs the preview non-const.
    QImage RenderImage();

    CTextPreview preview_;
    QSize laidOut_;
    QSize content_{0, 24};
};

}  // namespace korvo
