#pragma once

#include "dialogs/KorvoDialog.h"

namespace korvo {

// "About KorvoFE": the product line and OK.
class CAboutDialog : public CKorvoDialog {
    Q_OBJECT

public:
    static constexpr int kResourceId = 100;

    explicit CAboutDialog(QWidget* parent);

    static void ShowAbout(QWidget* parent);

protected:
    bool ExchangeFromFields() override { return true; }
};

}  // namespace korvo
