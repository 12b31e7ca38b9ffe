#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "RecentFileList.h"
#include "dialogs/RecoveryDialog.h"

class QWidget;

namespace korvo {

class CAutoSaver;
class CChildFrame;
class CMainFrame;
class CQtDialogHost;

// The editor as a whole: where its settings live, the recent files, the main window, and the
// File commands that make or open documents. One exists for the life of the process.
class CKorvoFEApp {
public:
    // Makes the dialog host of a new child window; tests put scripted answers here.
    using DialogHostFactory = std::function<std::unique_ptr<CQtDialogHost>(QWidget* parent)>;
    // Asks which of the recoverable fonts to restore or discard; tests answer in its place.
    using RecoveryChooser = std::function<RecoveryChoice(const std::vector<RecoveryEntry>&)>;

    CKorvoFEApp();
    ~CKorvoFEApp();
    CKorvoFEApp(const CKorvoFEApp&) = delete;
    CKorvoFEApp& operator=(const CKorvoFEApp&) = delete;

    // Start-up with the command line's arguments after the program name:
    // `[--recover] [--autosave-interval=MS] [FONT.dat]`. Without a file no document is opened.
    // Fonts a crashed run left are offered first (`--recover`: all restored without asking).
    // False ends the process.
    bool InitInstance(const QStringList& arguments, bool show = true);

    CMainFrame& MainFrame() const { return *mainFrame_; }
    CRecentFileList& RecentFiles() { return recent_; }
    const CRecentFileList& RecentFiles() const { return recent_; }

    // File New: an empty font named Font1, Font2 ...
    CChildFrame* OnFileNew();
    // File Open: the file dialog, then the chosen font.
    void OnFileOpen();
    // Opens a font file (or shows the child that already has it); null when nothing opened.
    CChildFrame* OpenDocumentFile(const QString& path);
    void OpenRecentFile(int index);
    // Fonts another start of the editor handed over: opened here, and the window comes to the
    // front, as if the user had dropped them on it.
    void OpenHandedFiles(const QStringList& paths);
    void AddToRecentFileList(const QString& path);
    void RemoveFromRecentFileList(const QString& path);

    void SetDialogHostFactory(DialogHostFactory factory) { dialogFactory_ = std::move(factory); }
    void SetRecoveryChooser(RecoveryChooser chooser) { recoveryChooser_ = std::move(chooser); }
    CAutoSaver& AutoSaver() const { return *autoSaver_; }
    CRecoveryStore& RecoveryStore() const { return *recoveryStore_; }
    std::unique_ptr<CQtDialogHost> MakeDialogHost(QWidget* parent) const;

private:
    CChildFrame* FindOpen(const QString& path) const;
    void StartAutoSave(const QStringList& arguments);
    // Offers, restores or discards what crashed runs left; damaged files are reported.
    void RecoverDocuments(bool withoutAsking);
    void RestoreEntry(const RecoveryEntry& entry, QStringList& failures);
    void ReportRecoveryFailures(const QStringList& failures);

    CRecentFileList recent_;
    std::unique_ptr<CMainFrame> mainFrame_;
    DialogHostFactory dialogFactory_;
    RecoveryChooser recoveryChooser_;
    std::unique_ptr<CRecoveryStore> recoveryStore_;
    std::unique_ptr<CAutoSaver> autoSaver_;
    int newCount_ = 0;
};

}  // namespace korvo
