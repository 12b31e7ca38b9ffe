#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;

namespace korvo {

class CToolbarManager;

// The Options page of the Customize dialog: how large the bars' images are, whether the buttons
// name their commands, and whether wheel zoom keeps the drawing under the pointer. Changes show
// at once.
class COptionsPage : public QWidget {
    Q_OBJECT

public:
    COptionsPage(CToolbarManager& bars, QWidget* parent);

    // Follows the bars after a Reset.
    void Refresh();

private:
    CToolbarManager& bars_;
    QComboBox* iconSize_ = nullptr;
    QCheckBox* textUnder_ = nullptr;
    QCheckBox* zoomAboutPointer_ = nullptr;
};

}  // namespace korvo
