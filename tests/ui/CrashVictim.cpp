// A user at the editor whose machine is about to fail: it opens a font, stores a glyph drawn with
// the mouse, starts another drawing, and writes down what the document then holds. It then waits
// for autosave like any running editor, until the test kills it.
//
// crash_victim FONT.dat EXPECTED.korvorec CODE
#include <QApplication>
#include <QTest>
#include <cstdio>
#include <fstream>

#include "ChildFrame.h"
#include "DrawingView.h"
#include "KorvoFEApp.h"
#include "MainFrame.h"
#include "ScriptedQtDialogHost.h"
#include "app/DocumentState.h"
#include "app/KorvoFEDoc.h"
#include "model/Paper.h"
#include "resources/CommandTable.h"

namespace {

constexpr int kCmdLine = 41040;

QPoint Pixel(const korvo::CPaper& paper, korvo::PointF world) {
    const korvo::DevicePoint p = paper.WorldToDevice(world);
    return {p.x, p.y};
}

void Click(QWidget* viewport, QPoint at) {
    QTest::mouseMove(viewport, at);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
    QApplication::processEvents();
}

void DrawLine(korvo::CMainFrame& frame, korvo::CChildFrame& child, korvo::PointF a,
              korvo::PointF b) {
    QWidget* viewport = child.ViewWidget().viewport();
    frame.OnCommand(kCmdLine);
    Click(viewport, Pixel(*child.Paper(), a));
    Click(viewport, Pixel(*child.Paper(), b));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 4) {
        return 2;
    }
    korvo::test::DialogScript script;
    script.characters.push_back(args[3].toInt());
    const auto editor = korvo::test::ScriptedEditor(script);
    if (!editor->InitInstance({args[1]})) {
        return 3;
    }
    korvo::CMainFrame& frame = editor->MainFrame();
    QApplication::setActiveWindow(&frame);
    if (!QTest::qWaitForWindowExposed(&frame)) {
        return 5;
    }
    korvo::CChildFrame* child = frame.ActiveChild();
    if (child == nullptr) {
        return 4;
    }
    DrawLine(frame, *child, {20, 20}, {180, 180});
    DrawLine(frame, *child, {20, 180}, {180, 20});
    frame.OnCommand(korvo::ID_SAVE_CHAR);
    DrawLine(frame, *child, {100, 10}, {100, 190});
    QApplication::processEvents();

    const std::vector<std::uint8_t> expected = korvo::CRecoveryFile::Encode(
        korvo::CDocumentState::RecordOf(child->Document(), child->Title().toStdString(), 0));
    std::ofstream(args[2].toStdString(), std::ios::binary)
        .write(reinterpret_cast<const char*>(expected.data()),
               static_cast<std::streamsize>(expected.size()));
    std::printf("edited\n");
    std::fflush(stdout);
    return QApplication::exec();
}
