#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <vector>

#include "CommandActions.h"

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace korvo {

class CChildFrame;
class CCustomizeDialog;
class CCustomization;
class CKorvoFEApp;
class CORVGridBtn;
class CTextPreviewDock;
class CUndoHistoryPanel;

// The editor's main window: the menu bar (the document-less one while no font is open), the five
// toolbars, the status bar and the area that holds one child window per open font. Commands
// from menus, toolbars and keys come here first; what the frame does not answer goes to the
// active child's view.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(CKorvoFEApp& app);
    ~CMainFrame() override;

    // Shows a font's child window; the first one fills the area (maximised).
    void AddChild(CChildFrame* child);
    CChildFrame* ActiveChild() const;
    std::vector<CChildFrame*> Children() const;
    QMdiArea& MdiArea() const { return *mdi_; }

    // Runs a command as if its menu entry had been chosen.
    void OnCommand(int id);
    // Brings enabling, check marks, the grid button and the recent files up to date.
    void UpdateCommandUi();

    CCommandActions& Actions() { return actions_; }
    // The first grid button on the bars; null when the user took every one away.
    CORVGridBtn* GridButton() const;
    CCustomization& Customization() const { return *custom_; }
    // The open Customize dialog, or null.
    CCustomizeDialog* CustomizeDialog() const;
    CTextPreviewDock& TextPreview() const { return *preview_; }
    CUndoHistoryPanel& UndoPanel() const { return *undoPanel_; }
    QString PaneText(int pane) const;
    // True while the menu bar is the one without a document (File, View, Help).
    bool ShowsDocumentlessMenus() const { return documentlessMenus_; }

    // Writes and reads the bars' layout and the window's place in the settings.
    void SaveLayout() const;
    void RestoreLayout();

public slots:
    void SetPaneText(int pane, const QString& text);
    // The view asks to redraw the buttons of a command (the grid button).
    void RefreshToolbarButtons(int commandId);

protected:
    void closeEvent(QCloseEvent* event) override;
    // The bars' own popup menu (right click on a bar) ends with Customize.
    QMenu* createPopupMenu() override;
    // Font files (*.dat) dropped on the window open; nothing else is taken.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateToolbars();
    void CreateStatusBar();
    void RebuildMenus();
    void RefreshRecentFiles();
    void RefreshWindowList();
    void OnChildActivated(QMdiSubWindow* window);
    void OnChildClosed();
    bool FrameCommand(int id);
    // File Print, Print Preview and Export PDF of the child's sheet.
    void PrintCommand(CChildFrame& child, int id);
    bool CloseAllChildren();
    void ShowWindowList();
    void ShowCustomize();
    void RefreshGridButtons();
    void BeforeMenuShown();
    void ConnectMenus();
    void AddPreviewToggle();
    void CreateUndoPanel();
    void RefreshUndoTexts(CChildFrame* child);

    CKorvoFEApp& app_;
    CCommandActions actions_;
    QMdiArea* mdi_ = nullptr;
    CUndoHistoryPanel* undoPanel_ = nullptr;
    QMenu* gridMenu_ = nullptr;
    std::unique_ptr<CCustomization> custom_;
    QPointer<CCustomizeDialog> customize_;
    QLabel* readyPane_ = nullptr;
    QLabel* toolPane_ = nullptr;
    QLabel* countPane_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    CTextPreviewDock* preview_ = nullptr;
    std::vector<QAction*> windowEntries_;
    QTimer idleTimer_;
    bool documentlessMenus_ = true;
    bool menusBuilt_ = false;
};

}  // namespace korvo
