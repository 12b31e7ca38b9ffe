#include "TextPreviewDock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ChildFrame.h"
#include "TextPreviewWidget.h"
#include "app/KorvoFEDoc.h"

namespace korvo {

namespace {

constexpr int kDefaultHeight = 48;

}  // namespace

CTextPreviewDock::CTextPreviewDock(QWidget* parent)
    : QDockWidget(QStringLiteral("Text Preview"), parent) {
    setObjectName(QStringLiteral("Text Preview"));
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);

    auto* controls = new QHBoxLayout;
    text_ = new QLineEdit(QString::fromLatin1(CTextPreview::kDefaultText), body);
    text_->setClearButtonEnabled(true);
    pitch_ = new QComboBox(body);
    pitch_->addItems({QStringLiteral("Proportional"), QStringLiteral("Fixed pitch")});
    height_ = new QSpinBox(body);
    height_->setRange(8, 400);
    height_->setValue(kDefaultHeight);
    height_->setSuffix(QStringLiteral(" px"));
    height_->setToolTip(QStringLiteral("Text height"));
    drawing_ = new QCheckBox(QStringLiteral("Show drawing"), body);
    drawing_->setToolTip(QStringLiteral("Show the drawing in place of the current character"));
    controls->addWidget(text_, 1);
    controls->addWidget(pitch_);
    controls->addWidget(height_);
    controls->addWidget(drawing_);
    layout->addLayout(controls);

    // A tall text in a low dock scrolls instead of losing its lower half.
    auto* scroller = new QScrollArea(body);
    scroller->setObjectName(QStringLiteral("previewScroller"));
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    strip_ = new CTextPreviewWidget(scroller);
    scroller->setWidget(strip_);
    layout->addWidget(scroller, 1);
    setWidget(body);

    connect(text_, &QLineEdit::textChanged, this, &CTextPreviewDock::OnSettingsChanged);
    connect(pitch_, &QComboBox::currentIndexChanged, this, &CTextPreviewDock::OnSettingsChanged);
    connect(height_, &QSpinBox::valueChanged, this, &CTextPreviewDock::OnSettingsChanged);
    connect(drawing_, &QCheckBox::toggled, this, &CTextPreviewDock::OnSettingsChanged);
    connect(strip_, &CTextPreviewWidget::CharacterClicked, this,
            &CTextPreviewDock::OnCharacterClicked);
    OnSettingsChanged();
}

void CTextPreviewDock::SetChild(CChildFrame* child) {
    if (child_ == child) {
        return;
    }
    if (child_) {
        disconnect(child_, nullptr, this, nullptr);
    }
    child_ = child;
    if (child_) {
        connect(child_, &CChildFrame::DocumentChanged, this, &CTextPreviewDock::Refresh);
        // By the time this is heard the window is half gone: it must not be asked anything.
        connect(child_, &QObject::destroyed, this, [this] {
            child_ = nullptr;
            Refresh();
        });
    }
    Refresh();
}

void CTextPreviewDock::OnSettingsChanged() {
    TextPreviewSettings settings;
    // The font's codes are those of the Western code page; others show as "?".
    settings.text = text_->text().toLatin1().toStdString();
    settings.height = static_cast<float>(height_->value());
    settings.proportional = pitch_->currentIndex() == 0;
    settings.showDrawing = drawing_->isChecked();
    strip_->SetSettings(settings);
    Refresh();
}

void CTextPreviewDock::Refresh() {
    const bool live = child_ && !child_->IsClosed();
    strip_->TakeDocument(live ? &child_->Document() : nullptr);
}

void CTextPreviewDock::OnCharacterClicked(int code) {
    if (!child_ || child_->IsClosed()) {
        return;
    }
    child_->View().LoadCharacter(code);
    child_->NotifyDocumentChanged();
}

}  // namespace korvo
