#include "KorvoFEApp.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QRegularExpression>
#include <QSettings>

#include "AutoSaver.h"
#include "ChildFrame.h"
#include "MainFrame.h"
#include "QtDialogHost.h"
#include "RecoveryStore.h"
#include "resources/CommandTable.h"

// Bundled resources of a static library have to be brought in by name.
static void InitIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace korvo {

namespace {

const QString kFileFilter = QStringLiteral("Korvo Font Files (*.dat);;All Files (*)");
const QString kRecoverOption = QStringLiteral("--recover");
const QString kIntervalOption = QStringLiteral("--autosave-interval=");

}  // namespace

CKorvoFEApp::CKorvoFEApp() : recent_(kRecentFileCount) {}

CKorvoFEApp::~CKorvoFEApp() {
    // The windows go first: they may still tell the autosaver that they are going.
    mainFrame_.reset();
}

bool CKorvoFEApp::InitInstance(const QStringList& arguments, bool show) {
    InitIconResources();
    // Where every setting lives: the company key and the program's name.
    QCoreApplication::setOrganizationName(QStringLiteral("ORV Development"));
    QCoreApplication::setApplicationName(QStringLiteral("KorvoFE"));
    {
        QSettings settings;
        recent_.Load(settings);
    }
    StartAutoSave(arguments);
    mainFrame_ = std::make_unique<CMainFrame>(*this);
    mainFrame_->RestoreLayout();
    QObject::connect(
        autoSaver_.get(), &CAutoSaver::WriteFailed, mainFrame_.get(), [this](const QString& path) {
            const QString text = QStringLiteral(
                                     "Autosave cannot write %1.\nUnsaved changes "
                                     "are not protected against a crash; save "
                                     "your fonts yourself.")
                                     .arg(path);
            MakeDialogHost(mainFrame_.get())->ShowText(text.toStdString(), MessageButtons::Ok);
        });
    // Before the named files, so that a recovered font is the one its file name then shows.
    RecoverDocuments(arguments.contains(kRecoverOption));
    // Only a named file opens a document; without one the editor starts empty.
    for (const QString& argument : arguments) {
        if (!argument.startsWith(QLatin1Char('-')) && OpenDocumentFile(argument) == nullptr) {
            return false;
        }
    }
    if (show) {
        mainFrame_->show();
    }
    return true;
}

std::unique_ptr<CQtDialogHost> CKorvoFEApp::MakeDialogHost(QWidget* parent) const {
    if (dialogFactory_) {
        return dialogFactory_(parent);
    }
    return std::make_unique<CQtDialogHost>(parent);
}

CChildFrame* CKorvoFEApp::OnFileNew() {
    auto* child = new CChildFrame(*this);
    child->NewDocument(QStringLiteral("Font%1").arg(++newCount_));
    mainFrame_->AddChild(child);
    autoSaver_->Watch(child);
    return child;
}

// --- autosave and recovery -----------------------------------------------------------------------

void CKorvoFEApp::StartAutoSave(const QStringList& arguments) {
    int interval = CAutoSaver::IntervalFromEnvironment();
    for (const QString& argument : arguments) {
        if (argument.startsWith(kIntervalOption)) {
            bool ok = false;
            const int ms = argument.mid(kIntervalOption.size()).toInt(&ok);
            interval = ok && ms > 0 ? ms : interval;
        }
    }
    recoveryStore_ = std::make_unique<CRecoveryStore>();
    autoSaver_ = std::make_unique<CAutoSaver>(*recoveryStore_, interval);
}

void CKorvoFEApp::RecoverDocuments(bool withoutAsking) {
    std::vector<RecoveryEntry> entries;
    std::vector<DamagedRecoveryFile> damaged;
    recoveryStore_->Scan(entries, damaged);
    QStringList failures;
    for (const DamagedRecoveryFile& file : damaged) {
        const QString kept = recoveryStore_->SetAside(file.path);
        failures << QStringLiteral("%1: %2 (kept as %3)").arg(file.path, file.reason, kept);
    }
    if (!entries.empty()) {
        RecoveryChoice choice;
        if (withoutAsking) {
            for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
                choice.restore.push_back(i);
            }
        } else if (recoveryChooser_) {
            choice = recoveryChooser_(entries);
        } else {
            choice = CRecoveryDialog::Ask(entries, nullptr);
        }
        const auto valid = [&entries](int index) {
            return index >= 0 && index < static_cast<int>(entries.size());
        };
        for (const int index : choice.restore) {
            if (valid(index)) {
                RestoreEntry(entries[static_cast<std::size_t>(index)], failures);
            }
        }
        for (const int index : choice.discard) {
            if (valid(index)) {
                CRecoveryStore::Remove(entries[static_cast<std::size_t>(index)].path);
            }
        }
    }
    ReportRecoveryFailures(failures);
}

void CKorvoFEApp::RestoreEntry(const RecoveryEntry& entry, QStringList& failures) {
    auto* child = new CChildFrame(*this);
    QString error;
    if (!child->RestoreDocument(entry.record, error)) {
        delete child;
        const QString kept = recoveryStore_->SetAside(entry.path);
        failures << QStringLiteral("%1: %2 (kept as %3)").arg(entry.path, error, kept);
        return;
    }
    // A restored "Font3" that was never saved keeps File New from making a second one.
    static const QRegularExpression newName(QStringLiteral("^Font(\\d+)$"));
    if (const QRegularExpressionMatch m = newName.match(child->Title()); m.hasMatch()) {
        newCount_ = std::max(newCount_, m.captured(1).toInt());
    }
    mainFrame_->AddChild(child);
    autoSaver_->WatchRestored(child, recoveryStore_->Adopt(entry.path));
}

void CKorvoFEApp::ReportRecoveryFailures(const QStringList& failures) {
    if (failures.isEmpty()) {
        return;
    }
    const QString text = QStringLiteral("These recovery files are damaged and were skipped:\n") +
                         failures.join(QLatin1Char('\n'));
    MakeDialogHost(mainFrame_.get())->ShowText(text.toStdString(), MessageButtons::Ok);
}

void CKorvoFEApp::OnFileOpen() {
    const QString path = QFileDialog::getOpenFileName(mainFrame_.get(), QStringLiteral("Open"),
                                                      QString(), kFileFilter);
    if (!path.isEmpty()) {
        OpenDocumentFile(path);
    }
}

CChildFrame* CKorvoFEApp::FindOpen(const QString& path) const {
    const QString wanted = QFileInfo(path).absoluteFilePath();
    for (CChildFrame* child : mainFrame_->Children()) {
        if (!child->PathName().isEmpty() &&
            QFileInfo(child->PathName()).absoluteFilePath() == wanted) {
            return child;
        }
    }
    return nullptr;
}

CChildFrame* CKorvoFEApp::OpenDocumentFile(const QString& path) {
    if (CChildFrame* open = FindOpen(path)) {
        mainFrame_->MdiArea().setActiveSubWindow(open);
        return open;
    }
    auto* child = new CChildFrame(*this);
    if (!child->OpenDocument(path)) {
        delete child;
        return nullptr;
    }
    // A file that could not be read still opens, as an empty font, but a recent file it is not:
    // the File menu would offer it again and again.
    const QFileInfo file(path);
    if (file.isFile() && file.isReadable()) {
        AddToRecentFileList(path);
    } else {
        RemoveFromRecentFileList(path);
    }
    mainFrame_->AddChild(child);
    autoSaver_->Watch(child);
    return child;
}

void CKorvoFEApp::OpenRecentFile(int index) {
    if (index >= 0 && index < recent_.Paths().size()) {
        const QString path = recent_.Paths()[index];
        OpenDocumentFile(path);
    }
}

void CKorvoFEApp::RemoveFromRecentFileList(const QString& path) {
    recent_.Remove(path);
    QSettings settings;
    recent_.Save(settings);
    if (mainFrame_) {
        mainFrame_->UpdateCommandUi();
    }
}

void CKorvoFEApp::OpenHandedFiles(const QStringList& paths) {
    if (mainFrame_->isMinimized()) {
        mainFrame_->showNormal();
    }
    mainFrame_->show();
    mainFrame_->raise();
    mainFrame_->activateWindow();
    for (const QString& path : paths) {
        OpenDocumentFile(path);
    }
}

void CKorvoFEApp::AddToRecentFileList(const QString& path) {
    if (path.isEmpty()) {
        return;
    }
    recent_.Add(path);
    QSettings settings;
    recent_.Save(settings);
    if (mainFrame_) {
        mainFrame_->UpdateCommandUi();
    }
}

}  // namespace korvo
