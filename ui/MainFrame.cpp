#include "MainFrame.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

#include "ChildFrame.h"
#include "KorvoFEApp.h"
#include "ORVGridBtn.h"
#include "PrintCommands.h"
#include "RecentFileList.h"
#include "TextPreviewDock.h"
#include "UndoHistoryPanel.h"
#include "customize/Customization.h"
#include "customize/CustomizeDialog.h"
#include "customize/ToolbarManager.h"
#include "customize/WindowListDialog.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/KeysDialog.h"

namespace korvo {

namespace {

// How often enabling and check marks follow the document while nothing else asks for it.
constexpr int kIdleUpdateMs = 200;

// The frame's own commands, as the command registry marks them.
bool IsFrameCommand(int id) {
    const CommandInfo* row = FindCommand(id);
    return row != nullptr && row->frame != FrameCommand::No;
}

bool NeedsDocument(int id) {
    const CommandInfo* row = FindCommand(id);
    return row != nullptr && row->frame == FrameCommand::WithDocument;
}

}  // namespace

CMainFrame::CMainFrame(CKorvoFEApp& app) : app_(app), actions_(this) {
    // A maximised font window adds its name: "KorvoFE - [futural.dat]".
    setWindowTitle(QStringLiteral("KorvoFE"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/korvofe.svg")));
    setAcceptDrops(true);

    mdi_ = new QMdiArea(this);
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    connect(mdi_, &QMdiArea::subWindowActivated, this, &CMainFrame::OnChildActivated);

    connect(&actions_, &CCommandActions::Triggered, this, &CMainFrame::OnCommand);
    gridMenu_ = new QMenu(this);
    actions_.FillMenu(*gridMenu_, GridSizeMenu(), nullptr);
    connect(gridMenu_, &QMenu::aboutToShow, this, &CMainFrame::BeforeMenuShown);
    custom_ = std::make_unique<CCustomization>(*this, actions_, gridMenu_);
    connect(&custom_->Toolbars(), &CToolbarManager::BarsRebuilt, this,
            &CMainFrame::RefreshGridButtons);

    RebuildMenus();
    CreateToolbars();
    CreateStatusBar();
    preview_ = new CTextPreviewDock(this);
    addDockWidget(Qt::BottomDockWidgetArea, preview_);
    AddPreviewToggle();
    CreateUndoPanel();

    connect(&idleTimer_, &QTimer::timeout, this, &CMainFrame::UpdateCommandUi);
    idleTimer_.start(kIdleUpdateMs);
    UpdateCommandUi();
}

CMainFrame::~CMainFrame() {
    // The Customize dialog works on the customisation, which goes before this frame's children.
    delete customize_;
    // The fonts' windows go while this frame can still hear from them.
    idleTimer_.stop();
    disconnect(mdi_, nullptr, this, nullptr);
    const QList<QMdiSubWindow*> windows = mdi_->subWindowList();
    for (QMdiSubWindow* window : windows) {
        disconnect(window, nullptr, this, nullptr);
        delete window;
    }
}

// --- bars ----------------------------------------------------------------------------------------

void CMainFrame::CreateToolbars() {
    custom_->Toolbars().CreateBuiltIn();
}

CORVGridBtn* CMainFrame::GridButton() const {
    const std::vector<CORVGridBtn*> buttons = custom_->Toolbars().GridButtons();
    return buttons.empty() ? nullptr : buttons.front();
}

void CMainFrame::RefreshGridButtons() {
    CChildFrame* child = ActiveChild();
    for (CORVGridBtn* button : custom_->Toolbars().GridButtons()) {
        button->Refresh(child != nullptr ? child->Paper() : nullptr);
    }
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    readyPane_ = new QLabel(QStringLiteral("Ready"), bar);
    toolPane_ = new QLabel(bar);
    toolPane_->setMinimumWidth(260);
    toolPane_->setFrameShape(QFrame::Panel);
    toolPane_->setFrameShadow(QFrame::Sunken);
    countPane_ = new QLabel(bar);
    countPane_->setMinimumWidth(160);
    countPane_->setFrameShape(QFrame::Panel);
    countPane_->setFrameShadow(QFrame::Sunken);
    bar->addWidget(readyPane_, 1);
    bar->addPermanentWidget(toolPane_);
    bar->addPermanentWidget(countPane_);
    connect(actions_.Action(ID_VIEW_STATUS_BAR), &QAction::triggered, bar, &QStatusBar::setVisible);
}

void CMainFrame::CreateUndoPanel() {
    undoPanel_ = new CUndoHistoryPanel(this);
    addDockWidget(Qt::RightDockWidgetArea, undoPanel_);
    // Shown on request: the drawing keeps the whole width until the user wants the list.
    undoPanel_->hide();
    QAction* toggle = actions_.Action(ID_VIEW_UNDO_HISTORY);
    connect(toggle, &QAction::triggered, undoPanel_, &QDockWidget::setVisible);
    connect(undoPanel_, &QDockWidget::visibilityChanged, toggle,
            [this, toggle] { toggle->setChecked(!undoPanel_->isHidden()); });
    connect(undoPanel_, &CUndoHistoryPanel::StepChosen, this, [this](int index) {
        if (CChildFrame* child = ActiveChild(); child != nullptr && index >= 0) {
            child->View().GoToUndoStep(static_cast<std::size_t>(index));
        }
        UpdateCommandUi();
    });
}

void CMainFrame::RefreshUndoTexts(CChildFrame* child) {
    // Undo and Redo say which step they take: "Undo Trim element".
    for (const int id : {ID_EDIT_UNDO, ID_EDIT_REDO}) {
        std::string text = child != nullptr ? child->View().CommandText(id) : std::string();
        if (text.empty()) {
            text = std::string(FindCommand(id)->menuText);
        }
        QAction* action = actions_.Action(id);
        action->setText(QString::fromStdString(text));
        action->setToolTip(QString::fromStdString(text).remove(QLatin1Char('&')));
    }
    undoPanel_->Follow(child);
}

QString CMainFrame::PaneText(int pane) const {
    switch (pane) {
        case 1:
            return toolPane_->text();
        case 2:
            return countPane_->text();
        default:
            return readyPane_->text();
    }
}

void CMainFrame::SetPaneText(int pane, const QString& text) {
    if (pane == 0) {
        readyPane_->setText(text.isEmpty() ? QStringLiteral("Ready") : text);
    } else if (pane == 1) {
        toolPane_->setText(text);
    } else if (pane == 2) {
        countPane_->setText(text);
    }
}

void CMainFrame::RebuildMenus() {
    const bool documentless = Children().empty();
    if (menusBuilt_ && documentless == documentlessMenus_) {
        return;
    }
    documentlessMenus_ = documentless;
    menusBuilt_ = true;
    // The old menus may be the ones whose entry led here (File Close), so they go later.
    const QList<QMenu*> old = menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly);
    for (QMenu* menu : old) {
        menu->setParent(nullptr);
        menu->deleteLater();
    }
    windowEntries_.clear();
    windowMenu_ =
        actions_.FillMenuBar(*menuBar(), documentless ? FrameMenuBar() : DocumentMenuBar());
    ConnectMenus();
    AddPreviewToggle();
    RefreshRecentFiles();
}

void CMainFrame::AddPreviewToggle() {
    if (preview_ == nullptr) {
        return;
    }
    for (QAction* entry : menuBar()->actions()) {
        if (entry->menu() != nullptr && entry->text().remove(QLatin1Char('&')) == "View") {
            entry->menu()->addAction(preview_->toggleViewAction());
            return;
        }
    }
}

void CMainFrame::ConnectMenus() {
    const QList<QMenu*> menus = menuBar()->findChildren<QMenu*>();
    for (QMenu* menu : menus) {
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::BeforeMenuShown);
    }
    if (windowMenu_ != nullptr) {
        connect(windowMenu_, &QMenu::aboutToShow, this, &CMainFrame::RefreshWindowList);
    }
}

void CMainFrame::BeforeMenuShown() {
    if (CChildFrame* child = ActiveChild()) {
        child->SyncGridCommand();
    }
    UpdateCommandUi();
}

QMenu* CMainFrame::createPopupMenu() {
    BeforeMenuShown();
    QMenu* menu = QMainWindow::createPopupMenu();
    if (menu != nullptr) {
        menu->addSeparator();
        menu->addAction(actions_.Action(ID_VIEW_CUSTOMIZE));
    }
    return menu;
}

void CMainFrame::RefreshRecentFiles() {
    const CRecentFileList& list = app_.RecentFiles();
    for (int index = 0; index < kRecentFileCount; ++index) {
        QAction* action = actions_.Action(ID_FILE_MRU_FILE1 + index);
        const bool used = index < list.Paths().size();
        action->setText(used ? list.MenuText(index) : QStringLiteral("Recent File"));
        action->setStatusTip(used ? list.Paths()[index] : QString());
        // An empty list still shows where the recent files will appear.
        action->setVisible(used || index == 0);
        action->setEnabled(used);
    }
}

void CMainFrame::RefreshWindowList() {
    if (windowMenu_ == nullptr) {
        return;
    }
    for (QAction* entry : windowEntries_) {
        windowMenu_->removeAction(entry);
        entry->deleteLater();
    }
    windowEntries_.clear();
    const QList<QMdiSubWindow*> windows = mdi_->subWindowList();
    for (qsizetype index = 0; index < windows.size(); ++index) {
        QMdiSubWindow* window = windows[index];
        QString title = window->windowTitle().remove(QStringLiteral("[*]"));
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* entry = windowMenu_->addAction(QStringLiteral("&%1 %2").arg(index + 1).arg(title));
        entry->setCheckable(true);
        entry->setChecked(window == mdi_->activeSubWindow());
        connect(entry, &QAction::triggered, this,
                [this, window] { mdi_->setActiveSubWindow(window); });
        windowEntries_.push_back(entry);
    }
}

// --- children ------------------------------------------------------------------------------------

void CMainFrame::AddChild(CChildFrame* child) {
    const bool only = Children().empty();
    mdi_->addSubWindow(child);
    // The window's own menu closes with Ctrl+W and Ctrl+F4 too; two owners of a key fire
    // neither, so the keys stay with File Close, whose menu entry shows them.
    if (QMenu* own = child->systemMenu()) {
        for (QAction* entry : own->actions()) {
            entry->setShortcuts({});
        }
    }
    connect(child, &CChildFrame::Closed, this, &CMainFrame::OnChildClosed);
    connect(child, &CChildFrame::PaneText, this, &CMainFrame::SetPaneText);
    connect(child, &CChildFrame::ToolbarButtonsChanged, this, &CMainFrame::RefreshToolbarButtons);
    RebuildMenus();
    // A font that is alone fills the area; with more fonts each child keeps its own state.
    if (only) {
        child->showMaximized();
    } else {
        child->show();
    }
    child->FirstShown();
    mdi_->setActiveSubWindow(child);
    OnChildActivated(child);
}

CChildFrame* CMainFrame::ActiveChild() const {
    QMdiSubWindow* window = mdi_->activeSubWindow();
    if (window == nullptr) {
        window = mdi_->currentSubWindow();
    }
    auto* child = qobject_cast<CChildFrame*>(window);
    return child != nullptr && !child->IsClosed() ? child : nullptr;
}

std::vector<CChildFrame*> CMainFrame::Children() const {
    std::vector<CChildFrame*> children;
    for (QMdiSubWindow* window : mdi_->subWindowList()) {
        auto* child = qobject_cast<CChildFrame*>(window);
        if (child != nullptr && !child->IsClosed()) {
            children.push_back(child);
        }
    }
    return children;
}

void CMainFrame::OnChildActivated(QMdiSubWindow* window) {
    if (auto* child = qobject_cast<CChildFrame*>(window)) {
        child->SyncGridCommand();
        child->RefreshStatus();
    }
    preview_->SetChild(ActiveChild());
    UpdateCommandUi();
}

void CMainFrame::OnChildClosed() {
    preview_->SetChild(ActiveChild());
    RebuildMenus();
    if (Children().empty()) {
        readyPane_->setText(QStringLiteral("Ready"));
        toolPane_->clear();
        countPane_->clear();
    }
    UpdateCommandUi();
}

// --- commands ------------------------------------------------------------------------------------

void CMainFrame::OnCommand(int id) {
    if (!FrameCommand(id)) {
        if (CChildFrame* child = ActiveChild()) {
            child->OnCommand(id);
        }
    }
    UpdateCommandUi();
}

bool CMainFrame::FrameCommand(int id) {
    if (!IsFrameCommand(id)) {
        return false;
    }
    CChildFrame* child = ActiveChild();
    if (NeedsDocument(id) && child == nullptr) {
        return true;
    }
    switch (id) {
        case ID_FILE_NEW:
            app_.OnFileNew();
            break;
        case ID_FILE_OPEN:
            app_.OnFileOpen();
            break;
        case ID_FILE_CLOSE:
            child->close();
            break;
        case ID_FILE_SAVE:
        case ID_FILE_SAVE_AS:
            if (child->Save(id == ID_FILE_SAVE_AS)) {
                app_.AddToRecentFileList(child->PathName());
            }
            break;
        case ID_FILE_PRINT:
        case ID_FILE_PRINT_PREVIEW:
        case ID_FILE_EXPORT_PDF:
            PrintCommand(*child, id);
            break;
        case ID_APP_EXIT:
            close();
            break;
        case ID_APP_ABOUT:
            CAboutDialog::ShowAbout(this);
            break;
        case ID_HELP_KEYS:
            CKeysDialog::ShowKeys(actions_, this);
            break;
        case ID_WINDOW_CASCADE:
            mdi_->cascadeSubWindows();
            break;
        case ID_WINDOW_TILE_HORZ:
            mdi_->tileSubWindows();
            break;
        case ID_WINDOW_LIST:
            ShowWindowList();
            break;
        case ID_VIEW_CUSTOMIZE:
            ShowCustomize();
            break;
        default:
            // Bars and recent files: the built-in bars follow their actions' own toggles.
            if (id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + kRecentFileCount) {
                app_.OpenRecentFile(id - ID_FILE_MRU_FILE1);
            } else if (id >= ID_VIEW_USER_TOOLBAR1 &&
                       id < ID_VIEW_USER_TOOLBAR1 + kUserToolbarCount) {
                custom_->Toolbars().ToggleUserBar(id - ID_VIEW_USER_TOOLBAR1);
            }
            break;
    }
    return true;
}

void CMainFrame::PrintCommand(CChildFrame& child, int id) {
    CPaper* paper = child.Paper();
    if (paper == nullptr) {
        return;
    }
    CPrintCommands print(this, *paper, child.Title(), child.PathName());
    if (id == ID_FILE_PRINT) {
        print.OnFilePrint();
    } else if (id == ID_FILE_PRINT_PREVIEW) {
        print.OnFilePrintPreview();
    } else {
        print.OnFileExportPdf();
    }
}

void CMainFrame::ShowWindowList() {
    CWindowListDialog dialog(*mdi_, this);
    dialog.exec();
}

void CMainFrame::ShowCustomize() {
    if (customize_ != nullptr) {
        customize_->raise();
        customize_->activateWindow();
        return;
    }
    // Not modal: commands are dragged from the dialog onto this window's bars. The grid's
    // button is offered only where a drawing can answer it.
    customize_ = new CCustomizeDialog(*custom_, actions_, ActiveChild() != nullptr, this);
    connect(customize_, &QDialog::finished, this, [this] {
        SaveLayout();
        customize_->deleteLater();
    });
    customize_->show();
}

CCustomizeDialog* CMainFrame::CustomizeDialog() const {
    return customize_;
}

void CMainFrame::UpdateCommandUi() {
    CChildFrame* child = ActiveChild();
    for (const auto& [id, action] : actions_.All()) {
        if (IsFrameCommand(id)) {
            if (NeedsDocument(id)) {
                action->setEnabled(child != nullptr);
            }
            continue;
        }
        const CommandUi ui =
            child != nullptr ? child->OnUpdateCommand(id) : CommandUi{false, false};
        action->setEnabled(ui.enabled);
        if (action->isCheckable()) {
            action->setChecked(ui.checked);
        }
    }
    const std::vector<QToolBar*> bars = custom_->Toolbars().Bars();
    for (std::size_t index = 0; index < Toolbars().size(); ++index) {
        actions_.Action(Toolbars()[index].windowId)->setChecked(!bars[index]->isHidden());
    }
    custom_->Toolbars().UpdateToggleUi();
    actions_.Action(ID_VIEW_STATUS_BAR)->setChecked(!statusBar()->isHidden());
    actions_.Action(ID_VIEW_UNDO_HISTORY)->setChecked(!undoPanel_->isHidden());
    RefreshGridButtons();
    RefreshUndoTexts(child);
    RefreshRecentFiles();
    if (child != nullptr) {
        child->setWindowModified(child->IsModified());
    }
}

void CMainFrame::RefreshToolbarButtons(int commandId) {
    if (commandId == ID_GRID_ON_OFF || (commandId >= ID_GRID_FIRST && commandId <= ID_GRID_OTHER)) {
        RefreshGridButtons();
    }
    UpdateCommandUi();
}

// --- closing, dropping, layout -------------------------------------------------------------------

bool CMainFrame::CloseAllChildren() {
    for (CChildFrame* child : Children()) {
        mdi_->setActiveSubWindow(child);
        if (!child->close()) {
            return false;
        }
    }
    return true;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!CloseAllChildren()) {
        event->ignore();
        return;
    }
    SaveLayout();
    event->accept();
}

namespace {

// The font files among dropped URLs: local files named *.dat, whatever the case.
QStringList FontFilesOf(const QMimeData* mime) {
    QStringList paths;
    if (mime == nullptr) {
        return paths;
    }
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile() &&
            url.toLocalFile().endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive)) {
            paths.append(url.toLocalFile());
        }
    }
    return paths;
}

void AcceptFontFiles(QDragMoveEvent* event) {
    if (FontFilesOf(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

}  // namespace

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    AcceptFontFiles(event);
}

void CMainFrame::dragMoveEvent(QDragMoveEvent* event) {
    AcceptFontFiles(event);
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QStringList paths = FontFilesOf(event->mimeData());
    if (paths.isEmpty()) {
        event->ignore();
        return;
    }
    for (const QString& path : paths) {
        app_.OpenDocumentFile(path);
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void CMainFrame::SaveLayout() const {
    QSettings settings;
    settings.beginGroup(QStringLiteral("Settings"));
    settings.setValue(QStringLiteral("Geometry"), saveGeometry());
    custom_->Save(settings);
    settings.endGroup();
}

void CMainFrame::RestoreLayout() {
    QSettings settings;
    settings.beginGroup(QStringLiteral("Settings"));
    if (!restoreGeometry(settings.value(QStringLiteral("Geometry")).toByteArray())) {
        // The first start: most of the screen, so every toolbar shows in full.
        const QRect available = screen()->availableGeometry();
        resize(available.size() * 9 / 10);
        move(available.center() - rect().center());
    }
    custom_->Load(settings);
    settings.endGroup();
}

}  // namespace korvo
