// What the editor's windows take when something is dropped on them, and what they offer when
// drawing data leaves them: font files open, drawing data lands in the view, and other programs
// get it as SVG and as the drawing's JSON too.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <array>
#include <filesystem>
#include <memory>
#include <vector>

#include "ChildFrame.h"
#include "DrawingMime.h"
#include "DrawingView.h"
#include "KorvoFEApp.h"
#include "MainFrame.h"
#include "ScriptedQtDialogHost.h"
#include "json/DrawingJson.h"
#include "model/ClipboardCollection.h"
#include "model/DataCollection.h"
#include "model/Paper.h"
#include "support/ScopedSwitches.h"
#include "support/TempDir.h"
#include "view/ViewCommands.h"

namespace korvo {
namespace {

const std::string kSample = std::string(KORVO_SOURCE_DIR) + "/samples/futural.dat";

std::vector<std::byte> LineData(float x1, float y1, float x2, float y2) {
    CDataCollection drawing;
    CData* line = drawing.Add(std::make_unique<CData>(kNodeLine));
    line->CreateLine(x1, y1, x2, y2, 0, 0.25f, 0, 1);
    const std::vector<CData*> nodes{line};
    return StoreClipboardCollection(nodes);
}

std::array<float, 4> Ends(const CDrawObj& line) {
    return {line.GetX1(), line.GetY1(), line.GetX2(), line.GetY2()};
}

class DropWindowTest : public ::testing::Test {
protected:
    CMainFrame& Start(const QStringList& arguments) {
        app_ = test::ScriptedEditor(script_);
        EXPECT_TRUE(app_->InitInstance(arguments));
        return app_->MainFrame();
    }

    // Enters `widget` with `mime` and drops there when the enter was taken; whether the drop was.
    static bool DragAndDrop(QWidget* widget, const QMimeData& mime, QPoint at) {
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(widget, &enter);
        if (!enter.isAccepted()) {
            return false;
        }
        QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(widget, &drop);
        return drop.isAccepted();
    }

    test::ScopedSwitches switches_;
    test::DialogScript script_;
    std::unique_ptr<CKorvoFEApp> app_;
};

TEST_F(DropWindowTest, OnlyLocalFontFilesDroppedOnTheWindowOpen) {
    test::TempDir dir;
    const std::string font = dir.File("Upper.DAT");
    const std::string notes = dir.File("notes.txt");
    std::filesystem::copy_file(kSample, font);
    std::filesystem::copy_file(kSample, notes);
    const QUrl fontUrl = QUrl::fromLocalFile(QString::fromStdString(font));
    const QUrl notesUrl = QUrl::fromLocalFile(QString::fromStdString(notes));
    const QUrl remote(QStringLiteral("https://example.org/futural.dat"));
    struct Case {
        const char* name;
        QList<QUrl> urls;
        bool opens;
    };
    const std::vector<Case> cases{
        {"a font file, whatever the case of its ending", {fontUrl}, true},
        {"a file of another kind", {notesUrl}, false},
        {"a font somewhere on the net", {remote}, false},
        {"the font among other things", {notesUrl, remote, fontUrl}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CMainFrame& frame = Start({});
        QMimeData mime;
        mime.setUrls(c.urls);
        EXPECT_EQ(DragAndDrop(&frame, mime, {100, 100}), c.opens);
        ASSERT_EQ(frame.Children().size(), c.opens ? 1u : 0u);
        if (c.opens) {
            EXPECT_EQ(frame.Children().front()->Title(), QStringLiteral("Upper.DAT"));
        }
        app_.reset();
    }
}

TEST_F(DropWindowTest, DrawingDataLandsWhereItIsDroppedAndDamagedDataIsRefused) {
    CMainFrame& frame = Start({QString::fromStdString(kSample)});
    ASSERT_EQ(frame.Children().size(), 1u);
    CChildFrame& child = *frame.Children().front();
    QTest::qWait(20);
    QWidget* viewport = child.ViewWidget().viewport();
    const QPoint at = viewport->rect().center();
    CPaper& paper = *child.Paper();
    const std::vector<std::byte> data = LineData(0, 0, 10, 0);

    QMimeData damaged;
    damaged.setData(CDrawingMime::TypeOf(kClipboardFormat),
                    QByteArray(reinterpret_cast<const char*>(data.data()),
                               static_cast<qsizetype>(data.size() - 1)));
    EXPECT_FALSE(DragAndDrop(viewport, damaged, at));
    EXPECT_EQ(paper.GetCollection()->GetCount(), 0u);
    ASSERT_EQ(script_.messages.size(), 1u);
    EXPECT_EQ(script_.messages[0].id, MessageId::Fixed(FixedText::DrawingDataDamaged));

    const std::unique_ptr<QMimeData> whole(CDrawingMime::Make(kClipboardFormat, data));
    EXPECT_TRUE(DragAndDrop(viewport, *whole, at));
    ASSERT_EQ(paper.GetCollection()->GetCount(), 1u);
    const PointF p = paper.DeviceToWorld({at.x(), at.y()});
    const CDrawObj& line = *paper.GetCollection()->GetAt(0)->GetElement();
    EXPECT_EQ(Ends(line), (std::array{p.x, p.y, p.x + 10, p.y}));
}

TEST_F(DropWindowTest, DrawingDataAlsoTravelsAsSvgAndJson) {
    const std::vector<std::byte> good = LineData(10, 20, 110, 20);
    struct Case {
        const char* name;
        const char* format;
        std::vector<std::byte> data;
        bool pictured;
    };
    const std::vector<Case> cases{
        {"a selection", kClipboardFormat, good, true},
        {"damaged drawing data", kClipboardFormat, {good.begin(), good.end() - 2}, false},
        {"another private format", "Other Object", good, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::unique_ptr<QMimeData> mime(CDrawingMime::Make(c.format, c.data));
        EXPECT_EQ(mime->data(CDrawingMime::TypeOf(c.format)).size(),
                  static_cast<qsizetype>(c.data.size()));
        ASSERT_EQ(mime->formats().size(), c.pictured ? 3 : 1);
        if (!c.pictured) {
            continue;
        }
        EXPECT_TRUE(mime->data(QStringLiteral("image/svg+xml"))
                        .contains("<line x1=\"10\" y1=\"-20\" x2=\"110\" y2=\"-20\""));
        // The text reads back as the same drawing.
        const DrawingRead read = ReadDrawingJson(mime->text().toStdString());
        ASSERT_TRUE(read.errors.empty()) << read.errors.front();
        ASSERT_EQ(read.nodes.size(), 1u);
        EXPECT_EQ(Ends(*read.nodes[0]->GetElement()), (std::array{10.0f, 20.0f, 110.0f, 20.0f}));
    }
}

}  // namespace
}  // namespace korvo
