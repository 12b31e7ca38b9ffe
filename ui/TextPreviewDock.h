#pragma once

#include <QDockWidget>
#include <QPointer>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace korvo {

class CChildFrame;
class CTextPreviewWidget;

// The dock under the sheet where a sample text is set in the font of the active window. It
// follows that window's document after every change the window reports (Save Char, undo, redo),
// can show the drawing in place of the current character before it is stored, and loads the
// character the user clicks in it.
class CTextPreviewDock : public QDockWidget {
    Q_OBJECT

public:
    explicit CTextPreviewDock(QWidget* parent = nullptr);

    // The window whose font is shown; null shows the text without glyphs.
    void SetChild(CChildFrame* child);
    CTextPreviewWidget& Strip() const { return *strip_; }
    QLineEdit& TextEdit() const { return *text_; }
    QComboBox& PitchChoice() const { return *pitch_; }
    QSpinBox& HeightChoice() const { return *height_; }
    QCheckBox& DrawingToggle() const { return *drawing_; }

private:
    void OnSettingsChanged();
    void Refresh();
    void OnCharacterClicked(int code);

    CTextPreviewWidget* strip_ = nullptr;
    QLineEdit* text_ = nullptr;
    QComboBox* pitch_ = nullptr;
    QSpinBox* height_ = nullptr;
    QCheckBox* drawing_ = nullptr;
    QPointer<CChildFrame> child_;
};

}  // namespace korvo
