#include "customize/Customization.h"

#include <QMainWindow>
#include <QSettings>

#include "customize/ContextMenuManager.h"
#include "customize/ShortcutManager.h"
#include "customize/ToolbarManager.h"
#include "resources/CommandTable.h"
#include "view/ViewSwitches.h"

namespace korvo {

namespace {

const QString kState = QStringLiteral("State");
const QString kSnapToGrid = QStringLiteral("SnapToGrid");
const QString kZoomAboutPointer = QStringLiteral("ZoomAboutPointer");

}  // namespace

CCustomization::CCustomization(QMainWindow& frame, CCommandActions& actions, QMenu* gridMenu)
    : frame_(frame),
      toolbars_(std::make_unique<CToolbarManager>(frame, actions, gridMenu)),
      keys_(std::make_unique<CShortcutManager>(actions)),
      menus_(std::make_unique<CContextMenuManager>(actions, &frame)) {
    menus_->AddMenu(QStringLiteral("My menu"), MyMenuCommands());
}

CCustomization::~CCustomization() = default;

void CCustomization::Load(QSettings& settings) {
    if (defaultState_.isEmpty()) {
        defaultState_ = frame_.saveState();
    }
    toolbars_->Load(settings);
    keys_->Load(settings);
    menus_->Load(settings);
    g_bSnapToGrid = settings.value(kSnapToGrid, false).toBool();
    g_bZoomAboutPointer = settings.value(kZoomAboutPointer, false).toBool();
    // The user bars exist by now, so the saved state can place them too.
    frame_.restoreState(settings.value(kState).toByteArray());
}

void CCustomization::Save(QSettings& settings) const {
    settings.setValue(kState, frame_.saveState());
    toolbars_->Save(settings);
    keys_->Save(settings);
    menus_->Save(settings);
    settings.setValue(kSnapToGrid, g_bSnapToGrid);
    settings.setValue(kZoomAboutPointer, g_bZoomAboutPointer);
}

void CCustomization::ResetAll() {
    if (defaultState_.isEmpty()) {
        defaultState_ = frame_.saveState();
    }
    toolbars_->ResetAll();
    keys_->ResetAll();
    menus_->ResetAll();
    g_bZoomAboutPointer = false;
    frame_.restoreState(defaultState_);
}

}  // namespace korvo
