#pragma once

#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QVBoxLayout>

namespace korvo {

// A label whose mnemonic moves the focus to `buddy`.
inline QLabel* Label(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

// A push button appended to a column of buttons; tests find it by `name`.
inline QPushButton* AddButton(QVBoxLayout* column, const QString& text, const QString& name) {
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    column->addWidget(button);
    return button;
}

}  // namespace korvo
