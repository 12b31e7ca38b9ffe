#pragma once

#include <QMdiSubWindow>
#include <QString>
#include <array>
#include <memory>

#include "app/RecoveryFile.h"
#include "view/KorvoFEView.h"

namespace korvo {

class CDrawingView;
class CKorvoFEApp;
class CKorvoFEDoc;
class CPaper;
class CQtDialogHost;
class CQtDocumentHost;
class CToolFactory;

// The window around one open font: it owns the document, the document's host and the drawing
// view, asks before the font is closed, and saves it.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT

public:
    explicit CChildFrame(CKorvoFEApp& app);
    ~CChildFrame() override;

    // File New: an empty font with a name for its first save.
    void NewDocument(const QString& title);
    // Reads a font file; the reader tells the user what was wrong with it, and a damaged font
    // opens with what could be read. False when the user chose not to open it.
    bool OpenDocument(const QString& path);
    // Puts back a document a crashed run left in a recovery file, marked modified; false with
    // `error` set when the record cannot be restored.
    bool RestoreDocument(const RecoveryRecord& record, QString& error);
    // The font-table question, then the save question for a modified font; false keeps the
    // window open.
    bool SaveModified();
    // File Save (Save As when the font has no file yet or `askName`); false when nothing was
    // saved: the user cancelled, or the file could not be written (the font stays modified).
    // The first save over a file that did not open as a sound font asks first.
    bool Save(bool askName);

    // The first display of the view, once the window is shown.
    void FirstShown();
    // Runs a command of the document or its view; false when neither has it.
    bool OnCommand(int id);
    // How a command's menu entry and button look for this document.
    CommandUi OnUpdateCommand(int id) const;
    // Sets the grid command from this document's paper (the window became active).
    void SyncGridCommand();
    // Sends this window's status texts to the status bar again.
    void RefreshStatus();
    // Says that the document was changed beside the view's actions (a script, the preview's
    // character choice); what the view's actions change is found by undo and told by itself.
    void NotifyDocumentChanged();

    CKorvoFEDoc& Document() const { return *document_; }
    CKorvoFEView& View() const;
    CDrawingView& ViewWidget() const { return *viewWidget_; }
    CPaper* Paper() const;
    QString PathName() const;
    // The name in the title: the file name, or the new font's name.
    QString Title() const { return title_; }
    bool IsModified() const;
    // True once the window has agreed to close (it goes away with the next turn of the loop).
    bool IsClosed() const { return closed_; }

signals:
    void PaneText(int pane, const QString& text);
    void ToolbarButtonsChanged(int commandId);
    void Closed();
    // After a Save that wrote the font.
    void Saved();
    // The document changed (an edit, a command, undo or redo): the document's own notice.
    void DocumentChanged();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateView();
    void SetTitle(const QString& title);
    void OnStatusText(int pane, const QString& text);

    CKorvoFEApp& app_;
    std::unique_ptr<CQtDialogHost> dialogs_;
    std::unique_ptr<CQtDocumentHost> host_;
    std::unique_ptr<CKorvoFEDoc> document_;
    std::unique_ptr<CToolFactory> factory_;
    CDrawingView* viewWidget_ = nullptr;
    int listener_ = 0;
    QString title_;
    // The file this font was opened from while it did not open as a sound font, and why.
    QString unsoundFile_;
    QString unsoundReason_;
    std::array<QString, 3> paneTexts_;
    bool closed_ = false;
};

}  // namespace korvo
