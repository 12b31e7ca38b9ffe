#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/KorvoFEDoc.h"
#include "app/TextPreview.h"
#include "font/FontFile.h"
#include "font/FontTable.h"
#include "model/Data.h"
#include "model/Paper.h"
#include "support/RecordingDrawContext.h"
#include "support/ScriptedDocumentHost.h"
#include "support/TempDir.h"

namespace korvo {
namespace {

using test::RecordingDrawContext;
using test::ScriptedDocumentHost;

const std::string kSample = std::string(KORVO_SOURCE_DIR) + "/samples/futural.dat";

struct OpenSample {
    explicit OpenSample(const std::string& path = kSample) { doc.OnOpenDocument(path); }
    void AddLine(float x1, float y1, float x2, float y2) {
        auto line = std::make_unique<CData>(kNodeLine);
        line->CreateLine(x1, y1, x2, y2, 0, 0.25f, 0, 1);
        doc.GetPaper()->AddNode(std::move(line));
    }
    ScriptedDocumentHost host;
    CKorvoFEDoc doc{host};
};

// The strokes a preview draws, one polyline per entry.
std::vector<std::vector<DevicePoint>> Strokes(const CKorvoFEDoc& doc, const std::string& text,
                                              bool proportional, bool showDrawing) {
    CTextPreview preview;
    preview.SetClientSize(900, 120);
    preview.SetSettings({text, 60.0f, proportional, showDrawing});
    preview.TakeDocument(&doc);
    RecordingDrawContext dc;
    preview.Paint(dc);
    std::vector<std::vector<DevicePoint>> strokes;
    for (const auto& call : dc.Calls()) {
        strokes.push_back(call.points);
    }
    return strokes;
}

// Every stroke of a character lies in the cell a click there finds: the cells are checked
// against what the renderer draws for each prefix of the text.
TEST(TextPreview, ClicksFindTheCharacterThatIsDrawnThere) {
    OpenSample sample;
    const std::string text = "Wil.m";
    CTextPreview preview;
    preview.SetClientSize(900, 120);
    preview.SetSettings({text, 60.0f, true, false});
    preview.TakeDocument(&sample.doc);
    const std::vector<double>& edges = preview.CellEdges();
    ASSERT_EQ(edges.size(), text.size() + 1);
    std::size_t done = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto strokes = Strokes(sample.doc, text.substr(0, i + 1), true, false);
        ASSERT_GT(strokes.size(), done) << text[i] << " draws nothing";
        for (std::size_t s = done; s < strokes.size(); ++s) {
            for (const DevicePoint p : strokes[s]) {
                EXPECT_GE(p.x, edges[i] - 1) << text[i];
                EXPECT_LE(p.x, edges[i + 1] + 1) << text[i];
            }
        }
        done = strokes.size();
        const DevicePoint middle{static_cast<int>((edges[i] + edges[i + 1]) / 2), 60};
        EXPECT_EQ(preview.CharacterAt(middle), static_cast<std::uint8_t>(text[i])) << text[i];
    }
    EXPECT_GT(edges[1] - edges[0], 2 * (edges[3] - edges[2])) << "W is not wider than l";

    // Before the text, after it, above the strip and below it.
    const int front = static_cast<int>(edges.front()), back = static_cast<int>(edges.back());
    const int second = static_cast<int>(edges[1]) + 1;
    for (const DevicePoint p : {DevicePoint{front - 2, 60}, DevicePoint{back + 2, 60},
                                DevicePoint{second, -1}, DevicePoint{second, 120}}) {
        EXPECT_EQ(preview.CharacterAt(p), -1) << p.x << "," << p.y;
    }
}

TEST(TextPreview, FixedPitchCellsAndBlanks) {
    OpenSample sample;
    CTextPreview preview;
    preview.SetClientSize(900, 120);
    // Leading blanks: the renderer shows a text of blanks as a dot, which must not shift cells.
    preview.SetSettings({"  Wi l", 50.0f, false, false});
    preview.TakeDocument(&sample.doc);
    const std::vector<double>& edges = preview.CellEdges();
    ASSERT_EQ(edges.size(), 7u);
    for (std::size_t i = 1; i < edges.size(); ++i) {
        EXPECT_NEAR(edges[i] - edges[i - 1], 50.0 * CTextPreview::kFixedPitch, 1e-4);
    }
    const int expected[] = {-1, -1, 'W', 'i', -1, 'l'};  // blanks cannot be loaded
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(preview.CharacterAt({static_cast<int>(edges[i]) + 3, 60}), expected[i]) << i;
    }
    preview.SetSettings({"  Wi l", 50.0f, true, false});
    EXPECT_GT(preview.CellEdges()[2], edges[0]) << "proportional blanks take room too";
}

// With the toggle on, the preview shows the drawing exactly as Save Char would store it, without
// storing anything; a drawing Save Char would refuse leaves the stored glyph in view.
TEST(TextPreview, DrawingStandsInForTheCurrentCharacter) {
    OpenSample drawn;
    drawn.AddLine(20, 20, 180, 180);
    drawn.AddLine(20, 180, 180, 20);
    drawn.doc.SetCurrentChar('o');
    const std::vector<std::uint8_t> fontBefore = EncodeFontFile(*drawn.doc.GetFont().Table());

    OpenSample stored;
    stored.AddLine(20, 20, 180, 180);
    stored.AddLine(20, 180, 180, 20);
    ASSERT_EQ(stored.doc.EncodeGlyph(stored.doc.GetFont().Table(), 'o'), 1);

    const std::string text = "f o x";  // blanks: their width must follow the document too
    const auto shown = Strokes(drawn.doc, text, true, true);
    EXPECT_EQ(shown, Strokes(stored.doc, text, true, false));
    EXPECT_NE(shown, Strokes(drawn.doc, text, true, false));
    EXPECT_EQ(EncodeFontFile(*drawn.doc.GetFont().Table()), fontBefore) << "the font changed";
    // The blanks are as wide as in the font saved and opened again.
    test::TempDir dir;
    ASSERT_TRUE(stored.doc.OnSaveDocument(dir.File("saved.dat")));
    OpenSample reopened(dir.File("saved.dat"));
    EXPECT_EQ(Strokes(reopened.doc, text, true, false), shown);

    OpenSample tooMany;
    for (int i = 0; i < 130; ++i) {
        tooMany.AddLine(1.0f + i, 10, 1.0f + i, 190);  // 260 pairs
    }
    tooMany.doc.SetCurrentChar('o');
    EXPECT_EQ(Strokes(tooMany.doc, text, true, true), Strokes(tooMany.doc, text, true, false));
    EXPECT_TRUE(tooMany.host.Messages().empty()) << "the preview asked the user something";
}

}  // namespace
}  // namespace korvo
