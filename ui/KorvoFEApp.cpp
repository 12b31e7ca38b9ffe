#include "KorvoFEApp.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QSettings>

#include "ChildFrame.h"
#include "MainFrame.h"
#include "QtDialogHost.h"
#include "resources/CommandTable.h"

// Bundled resources of a static library have to be brought in by name.
static void InitIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace korvo {

namespace {

const QString kFileFilter = QStringLiteral("Korvo Font Files (*.dat);;All Files (*)");

}  // namespace

CKorvoFEApp::CKorvoFEApp() : recent_(kRecentFileCount) {}

CKorvoFEApp::~CKorvoFEApp() = default;

bool CKorvoFEApp::InitInstance(const QStringList& arguments, bool show) {
    InitIconResources();
    // Where every setting lives: the company key and the program's name.
    QCoreApplication::setOrganizationName(QStringLiteral("ORV Development"));
    QCoreApplication::setApplicationName(QStringLiteral("KorvoFE"));
    {
        QSettings settings;
        recent_.Load(settings);
    }
    mainFrame_ = std::make_unique<CMainFrame>(*this);
    mainFrame_->RestoreLayout();
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
    return child;
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
    AddToRecentFileList(path);
    mainFrame_->AddChild(child);
    return child;
}

void CKorvoFEApp::OpenRecentFile(int index) {
    if (index >= 0 && index < recent_.Paths().size()) {
        const QString path = recent_.Paths()[index];
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
