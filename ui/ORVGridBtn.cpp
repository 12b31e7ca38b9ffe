#include "ORVGridBtn.h"

#include <QAction>
#include <QMenu>
#include <cmath>

#include "model/Paper.h"

namespace korvo {

namespace {

// Spacings closer than this read as one number.
constexpr double kSameSpacing = 0.00011920928955078125;

}  // namespace

CORVGridBtn::CORVGridBtn(QAction* onOff, QMenu* sizes, QWidget* parent)
    : QToolButton(parent), onOff_(onOff) {
    // Not the button's default action: that would put the action's text back on every change.
    setIcon(onOff->icon());
    setToolTip(onOff->toolTip());
    setStatusTip(onOff->statusTip());
    setCheckable(true);
    setMenu(sizes);
    setPopupMode(QToolButton::MenuButtonPopup);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setAutoRaise(true);
    connect(this, &QToolButton::clicked, onOff, &QAction::trigger);
    connect(onOff, &QAction::changed, this, [this] {
        setEnabled(onOff_->isEnabled());
        setChecked(onOff_->isChecked());
    });
    Refresh(nullptr);
}

QString CORVGridBtn::TextFor(const CPaper* paper) {
    if (paper == nullptr) {
        return QStringLiteral("5.00 mm");
    }
    const PointF grid = paper->GetGrid();
    const double x = grid.x;
    const double y = grid.y;
    if (std::fabs(x - y) < kSameSpacing) {
        return QString::asprintf("%.2f mm", x);
    }
    return QString::asprintf("%.2fx%.2f mm", x, y);
}

void CORVGridBtn::Refresh(const CPaper* paper) {
    setText(TextFor(paper));
    const bool shown = paper != nullptr && paper->IsShowGrid();
    onOff_->setChecked(shown);
    setChecked(shown);
}

}  // namespace korvo
