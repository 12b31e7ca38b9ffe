// File Print Preview and Export PDF through the editor's window: the modal dialogs are answered
// as a user would, and the page and the view are checked afterwards.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "ChildFrame.h"
#include "KorvoFEApp.h"
#include "MainFrame.h"
#include "model/DataCollection.h"
#include "model/DrawObjLine.h"
#include "model/Paper.h"
#include "resources/CommandTable.h"
#include "support/TempDir.h"

namespace korvo {
namespace {

const QString kSample = QStringLiteral(KORVO_SOURCE_DIR "/samples/futural.dat");

// Runs `answer` on the first modal dialog of type T once it is up (polling, as the dialog only
// appears inside the command's own event loop).
template <typename T>
void WhenModal(std::function<void(T&)> answer, int triesLeft = 200) {
    QTimer::singleShot(10, [answer, triesLeft] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            answer(*dialog);
        } else if (triesLeft > 0) {
            WhenModal<T>(answer, triesLeft - 1);
        }
    });
}

class PrintWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        app_ = std::make_unique<CKorvoFEApp>();
        ASSERT_TRUE(app_->InitInstance({kSample}));
        ASSERT_EQ(Frame().Children().size(), 1u);
        QApplication::setActiveWindow(&Frame());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
        QTest::qWait(50);
    }
    void TearDown() override { app_.reset(); }

    CMainFrame& Frame() const { return app_->MainFrame(); }
    CPaper& Paper() const { return *Frame().Children().front()->Paper(); }

    std::unique_ptr<CKorvoFEApp> app_;
};

TEST_F(PrintWindowTest, PreviewShowsOneLandscapePageAndLeavesTheViewAlone) {
    Paper().AddNode([] {
        auto node = std::make_unique<CData>(1);
        node->SetElement(std::make_unique<CDrawObjLine>(10, 10, 190, 190, 0, 250, 0, 1));
        return node;
    }());
    const DevicePoint before = Paper().WorldToDevice({100, 100});
    int pages = -1;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    WhenModal<QPrintPreviewDialog>([&](QPrintPreviewDialog& dialog) {
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        if (preview != nullptr) {
            pages = preview->pageCount();
            orientation = dialog.printer()->pageLayout().orientation();
        }
        dialog.reject();
    });
    Frame().OnCommand(ID_FILE_PRINT_PREVIEW);
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(orientation, QPageLayout::Landscape);
    EXPECT_FALSE(Paper().IsPrintMode());
    EXPECT_EQ(Paper().WorldToDevice({100, 100}), before);
}

TEST_F(PrintWindowTest, ExportPdfWritesTheChosenFileAndCancelWritesNothing) {
    test::TempDir dir;
    struct Case {
        const char* name;
        bool accept;
    };
    const Case cases[] = {{"cancelled", false}, {"accepted", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = QString::fromStdString(dir.File(std::string(c.name) + ".pdf"));
        QString offered;
        WhenModal<QFileDialog>([&](QFileDialog& dialog) {
            offered = dialog.selectedFiles().value(0);
            if (c.accept) {
                dialog.selectFile(path);
                static_cast<QDialog&>(dialog).accept();  // as the Save button does
            } else {
                dialog.reject();
            }
        });
        Frame().OnCommand(ID_FILE_EXPORT_PDF);
        // The font's own name with .pdf is offered.
        EXPECT_TRUE(offered.endsWith(QStringLiteral("/futural.pdf"))) << offered.toStdString();
        EXPECT_EQ(QFile::exists(path), c.accept);
        if (c.accept) {
            QFile pdf(path);
            ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
            EXPECT_EQ(pdf.read(5), QByteArray("%PDF-"));
        }
    }
}

}  // namespace
}  // namespace korvo
