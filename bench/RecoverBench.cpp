// What autosave and the text preview cost the editor while the user works: the snapshot and the
// recovery container written for a busy sheet, and the preview taking the font again and
// painting (after every Save Char, undo or redo).
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <random>

#include "QtDrawContext.h"
#include "app/DocumentState.h"
#include "app/KorvoFEDoc.h"
#include "app/RecoveryFile.h"
#include "app/TextPreview.h"
#include "model/Data.h"
#include "model/Paper.h"
#include "support/ScriptedDocumentHost.h"

namespace korvo {
namespace {

const std::string kSample = std::string(KORVO_SOURCE_DIR) + "/samples/futural.dat";

struct BusyDocument {
    BusyDocument() {
        doc.OnOpenDocument(kSample);
        std::mt19937 random(7);
        std::uniform_real_distribution<float> at(0.0f, 200.0f);
        for (int i = 0; i < 1000; ++i) {
            auto node = std::make_unique<CData>(kNodeLine);
            node->CreateLine(at(random), at(random), at(random), at(random), 0, 0.25f, 0, 1);
            doc.GetPaper()->AddNode(std::move(node));
        }
        doc.SetCurrentChar('o');
    }
    test::ScriptedDocumentHost host;
    CKorvoFEDoc doc{host};
};

void BM_RecoverySnapshotAndEncode(benchmark::State& state) {
    BusyDocument busy;
    for (auto _ : state) {
        const RecoveryRecord record = CDocumentState::RecordOf(busy.doc, "futural.dat", 0);
        benchmark::DoNotOptimize(CRecoveryFile::Encode(record));
    }
}
BENCHMARK(BM_RecoverySnapshotAndEncode)->Unit(benchmark::kMillisecond);

void BM_RecoveryDecode(benchmark::State& state) {
    BusyDocument busy;
    const std::vector<std::uint8_t> bytes =
        CRecoveryFile::Encode(CDocumentState::RecordOf(busy.doc, "futural.dat", 0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(CRecoveryFile::Decode(bytes));
    }
}
BENCHMARK(BM_RecoveryDecode)->Unit(benchmark::kMillisecond);

// Argument: 1 with the drawing in place of the current character.
void BM_PreviewTakeAndPaint(benchmark::State& state) {
    BusyDocument busy;
    CTextPreview preview;
    preview.SetClientSize(1400, 90);
    preview.SetSettings({CTextPreview::kDefaultText, 48.0f, true, state.range(0) != 0});
    QImage image(1400, 90, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        preview.TakeDocument(&busy.doc);
        image.fill(Qt::white);
        QPainter painter(&image);
        CQtDrawContext dc(painter, false);
        preview.Paint(dc);
    }
}
BENCHMARK(BM_PreviewTakeAndPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvo
