#include "ChildFrame.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "DrawingView.h"
#include "KorvoFEApp.h"
#include "QtDialogHost.h"
#include "QtDocumentHost.h"
#include "app/DocumentState.h"
#include "app/KorvoFEDoc.h"
#include "font/FontFile.h"
#include "model/Paper.h"
#include "resources/CommandTable.h"
#include "tools/ToolFactory.h"

namespace korvo {

namespace {

const QString kFileFilter = QStringLiteral("Korvo Font Files (*.dat)");
const QString kExtension = QStringLiteral(".dat");

// Whether a font file can be written at `path`, tried without truncating what is there, so that a
// place that cannot take the file is refused with the system's reason before anything is written.
bool CanWriteFontFile(const QString& path, QString& reason) {
    const bool existed = QFileInfo::exists(path);
    QFile probe(path);
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Append)) {
        reason = probe.errorString();
        return false;
    }
    probe.close();
    if (!existed) {
        probe.remove();
    }
    return true;
}

// Why saving over a file that did not open as a sound font needs the user's word.
QString OverwriteReason(const FontReadOutcome& outcome) {
    if (!outcome.headerMatches) {
        return QStringLiteral("did not look like a font file when it was opened");
    }
    if (!outcome.unknownLetterCodes.empty()) {
        return QStringLiteral(
            "holds glyphs with unknown command letters; what was read of them "
            "is a guess");
    }
    if (outcome.damage) {
        return QStringLiteral("is damaged; only the part before the damage was read");
    }
    return QStringLiteral(
        "holds glyphs that the font file cannot hold apart from its commands; "
        "saving changes them");
}

}  // namespace

CChildFrame::CChildFrame(CKorvoFEApp& app) : app_(app) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(QStringLiteral(":/icons/korvofe.svg")));
    dialogs_ = app.MakeDialogHost(this);
    host_ = std::make_unique<CQtDocumentHost>(*dialogs_);
    document_ = std::make_unique<CKorvoFEDoc>(*host_);
    factory_ = std::make_unique<CToolFactory>();
    listener_ = document_->Subscribe([this] {
        setWindowModified(document_->IsModified());
        emit DocumentChanged();
    });
}

CChildFrame::~CChildFrame() {
    // Whatever the view's going still changes is no news to a window that is going too.
    document_->Unsubscribe(listener_);
    // The view and its tools go before the document they draw.
    if (viewWidget_ != nullptr) {
        host_->RemoveView(viewWidget_->View());
        setWidget(nullptr);
        delete viewWidget_;
        viewWidget_ = nullptr;
    }
}

void CChildFrame::CreateView() {
    viewWidget_ = new CDrawingView(*document_, *dialogs_, *factory_, this);
    host_->AddView(viewWidget_->View());
    connect(viewWidget_, &CDrawingView::StatusTextChanged, this, &CChildFrame::OnStatusText);
    connect(viewWidget_, &CDrawingView::ToolbarButtonsChanged, this,
            &CChildFrame::ToolbarButtonsChanged);
    setWidget(viewWidget_);
    resize(720, 480);
}

void CChildFrame::NewDocument(const QString& title) {
    document_->OnNewDocument();
    SetTitle(title);
    CreateView();
}

bool CChildFrame::OpenDocument(const QString& path) {
    const std::string name = QFileInfo(path).absoluteFilePath().toStdString();
    // What the reader has to say about a damaged file waits: a file that may be no font at all
    // is asked about first, and the rest only matters when the user opens it anyway.
    host_->HoldMessages();
    const DocumentOpenOutcome outcome = document_->OnOpenDocument(name);
    if (!outcome.opened) {
        host_->ReleaseMessages(true);
        return false;
    }
    if (const std::string foreign = DescribeForeignHeader(name, outcome.font); !foreign.empty()) {
        const std::string question = foreign + "\nOpen it anyway?";
        if (dialogs_->ShowText(question, MessageButtons::YesNo) != MessageAnswer::Yes) {
            host_->ReleaseMessages(false);
            return false;
        }
    }
    host_->ReleaseMessages(true);
    for (const std::string& warning :
         {DescribeUnknownLetters(name, outcome.font), DescribeOffGridCodes(name, outcome.font)}) {
        if (!warning.empty()) {
            dialogs_->ShowText(warning, MessageButtons::Ok);
        }
    }
    // Saving writes what the editor made of the file; the file itself is given up only when the
    // user says so once more.
    if (!outcome.font.IsClean()) {
        unsoundFile_ = QString::fromStdString(name);
        unsoundReason_ = OverwriteReason(outcome.font);
    }
    SetTitle(QFileInfo(path).fileName());
    CreateView();
    return true;
}

bool CChildFrame::RestoreDocument(const RecoveryRecord& record, QString& error) {
    std::string why;
    if (!CDocumentState::Restore(*document_, record, why)) {
        error = QString::fromStdString(why);
        return false;
    }
    const QString path = QString::fromStdString(record.originalPath);
    QString title = QString::fromStdString(record.title);
    if (title.isEmpty()) {
        title = path.isEmpty() ? QStringLiteral("Font") : QFileInfo(path).fileName();
    }
    SetTitle(title);
    CreateView();
    setWindowModified(true);
    return true;
}

void CChildFrame::SetTitle(const QString& title) {
    title_ = title;
    setWindowTitle(title + QStringLiteral("[*]"));
}

QString CChildFrame::PathName() const {
    return QString::fromStdString(document_->GetPathName());
}

bool CChildFrame::IsModified() const {
    return document_->IsModified();
}

CKorvoFEView& CChildFrame::View() const {
    return viewWidget_->View();
}

CPaper* CChildFrame::Paper() const {
    return document_->GetPaper();
}

void CChildFrame::FirstShown() {
    if (viewWidget_ != nullptr) {
        viewWidget_->InitialUpdate();
        viewWidget_->setFocus();
    }
}

// --- saving and closing --------------------------------------------------------------------------

bool CChildFrame::Save(bool askName) {
    QString path = PathName();
    if (askName || path.isEmpty()) {
        const QString suggested = path.isEmpty() ? title_ + kExtension : path;
        path =
            QFileDialog::getSaveFileName(this, QStringLiteral("Save As"), suggested, kFileFilter);
        if (path.isEmpty()) {
            return false;
        }
        if (QFileInfo(path).suffix().isEmpty()) {
            path += kExtension;
        }
    }
    if (!path.isEmpty() && QFileInfo(path).absoluteFilePath() == unsoundFile_) {
        const std::string question =
            unsoundFile_.toStdString() + " " + unsoundReason_.toStdString() +
            ".\nSaving replaces it with the font as the editor holds it now.\n\nReplace it? "
            "(Yes replaces it, No saves under another name, Cancel saves nothing.)";
        switch (dialogs_->ShowText(question, MessageButtons::YesNoCancel)) {
            case MessageAnswer::Yes:
                break;
            case MessageAnswer::No:
                return Save(true);
            default:
                return false;
        }
    }
    QString reason;
    if (!CanWriteFontFile(path, reason)) {
        dialogs_->ShowMessage({MessageId::Fixed(FixedText::FontFileNotSaved),
                               {path.toStdString(), reason.toStdString()},
                               MessageButtons::Ok});
        return false;
    }
    // A write that fails past the checks above (a full disk) has told the user; the changes stay
    // marked and the recovery file stays, since the font is still only in memory.
    const bool written =
        document_->OnSaveDocument(QFileInfo(path).absoluteFilePath().toStdString());
    setWindowModified(document_->IsModified());
    if (!written) {
        return false;
    }
    if (QFileInfo(path).absoluteFilePath() == unsoundFile_) {
        unsoundFile_.clear();
    }
    SetTitle(QFileInfo(path).fileName());
    emit Saved();
    return true;
}

bool CChildFrame::SaveModified() {
    if (document_->UpdateFontTablePrompt() == 0) {
        return false;
    }
    if (!document_->IsModified()) {
        return true;
    }
    switch (host_->AskSaveModified(title_.toStdString())) {
        case MessageAnswer::Cancel:
            return false;
        case MessageAnswer::Yes:
            return Save(false);
        default:
            return true;
    }
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (closed_) {
        event->accept();
        return;
    }
    if (!SaveModified()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted()) {
        closed_ = true;
        emit Closed();
    }
}

// --- commands and status -------------------------------------------------------------------------

bool CChildFrame::OnCommand(int id) {
    // The view runs the document's commands too, so each becomes an undo step.
    return viewWidget_ != nullptr && viewWidget_->View().OnCommand(id);
}

void CChildFrame::NotifyDocumentChanged() {
    document_->NotifyChanged();
}

CommandUi CChildFrame::OnUpdateCommand(int id) const {
    if (viewWidget_ != nullptr) {
        if (const std::optional<CommandUi> ui = viewWidget_->View().OnUpdateCommand(id)) {
            return *ui;
        }
    }
    // Nothing answers it: the entry stays greyed, as entries without a handler always have.
    return CommandUi{false, false};
}

void CChildFrame::SyncGridCommand() {
    if (viewWidget_ != nullptr) {
        viewWidget_->View().SyncGridCommand();
    }
}

void CChildFrame::OnStatusText(int pane, const QString& text) {
    if (pane >= 0 && pane < static_cast<int>(paneTexts_.size())) {
        paneTexts_[static_cast<std::size_t>(pane)] = text;
    }
    emit PaneText(pane, text);
}

void CChildFrame::RefreshStatus() {
    for (std::size_t pane = 0; pane < paneTexts_.size(); ++pane) {
        emit PaneText(static_cast<int>(pane), paneTexts_[pane]);
    }
}

}  // namespace korvo
