#pragma once

#include <QString>
#include <QToolButton>

class QAction;
class QMenu;

namespace korvo {

class CPaper;

// The grid's toolbar button: a click switches the grid on and off (command 19451), its arrow
// opens the grid-size menu 19425, its text names the spacing, and it stays pressed while the
// active document's paper shows the grid.
class CORVGridBtn : public QToolButton {
    Q_OBJECT

public:
    // `onOff` is the 19451 action, `sizes` the grid-size menu; both belong to the frame.
    CORVGridBtn(QAction* onOff, QMenu* sizes, QWidget* parent);

    // The spacing as the button shows it: "5.00 mm" without a paper, else "%.2f mm" when both
    // axes are equal, "%.2fx%.2f mm" when not.
    static QString TextFor(const CPaper* paper);

    // Takes the text and the pressed state from the paper of the active document (null when no
    // document is open).
    void Refresh(const CPaper* paper);

private:
    QAction* onOff_;
};

}  // namespace korvo
