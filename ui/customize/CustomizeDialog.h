#pragma once

#include <QDialog>

class QTabWidget;

namespace korvo {

class CCommandActions;
class CCustomization;

// The Customize dialog (command 19372): Toolbars, Keyboard, Menus and Options pages. Every change
// shows in the main frame at once; the frame stores the result when the dialog closes. While it
// is open, commands can also be dragged from its lists straight onto the frame's bars.
class CCustomizeDialog : public QDialog {
    Q_OBJECT

public:
    // `withGrid` offers the grid's button ("Grid...") among the commands.
    CCustomizeDialog(CCustomization& custom, const CCommandActions& actions, bool withGrid,
                     QWidget* parent);
    ~CCustomizeDialog() override;

    QTabWidget& Pages() const { return *pages_; }

private:
    void BuildPages();
    void OnResetAll();

    CCustomization& custom_;
    const CCommandActions& actions_;
    bool withGrid_;
    QTabWidget* pages_ = nullptr;
};

}  // namespace korvo
