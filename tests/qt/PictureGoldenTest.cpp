// korvofont's pictures are the editor's own sheet and text drawing: compared with references
// that were checked by eye (glyphs in their cells, legible labels, text on its baseline).
#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include "FontCommands.h"
#include "PictureCommands.h"
#include "support/GoldenImage.h"
#include "support/TempDir.h"

namespace korvo {
namespace {

const std::string kSamples = std::string(KORVO_SOURCE_DIR) + "/samples/";

QImage Load(const std::string& path) {
    return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_ARGB32);
}

TEST(PictureGolden, CharacterTableAndRenderedText) {
    test::TempDir dir;
    const std::string table = dir.File("table.png");
    ASSERT_EQ(RunTable({kSamples + "futural.dat", table, 1250, 710}), kExitOk);
    test::ExpectMatchesGolden(Load(table), "korvofont_table_futural");

    const std::string text = dir.File("text.png");
    ASSERT_EQ(RunRender({kSamples + "scripts.dat", text, "Korvo\\nfont", 12.0, true}), kExitOk);
    test::ExpectMatchesGolden(Load(text), "korvofont_render_scripts");
}

TEST(PictureGolden, SvgIsStrokesInMillimetres) {
    test::TempDir dir;
    const std::string svg = dir.File("text.svg");
    ASSERT_EQ(RunRender({kSamples + "futural.dat", svg, "HI", 10.0, false}), kExitOk);
    const std::string content = test::ReadText(svg);
    EXPECT_NE(content.find("mm\""), std::string::npos);
    EXPECT_NE(content.find("<polyline fill=\"none\""), std::string::npos);
    EXPECT_EQ(content.find("<path"), std::string::npos);  // no filled outlines, only strokes
}

TEST(PictureGolden, BadInputIsReported) {
    test::TempDir dir;
    EXPECT_EQ(RunTable({dir.File("missing.dat"), dir.File("t.png"), 100, 100}), kExitFileError);
    EXPECT_EQ(
        RunRender({kSamples + "futural.dat", dir.File("no/such/dir/t.png"), "A", 10.0, false}),
        kExitFileError);
    int w = 0;
    int h = 0;
    EXPECT_TRUE(ParseSize("640x480", w, h));
    EXPECT_EQ(w, 640);
    for (const char* bad : {"640", "0x10", "10x-1", "axb", "99999x10"}) {
        EXPECT_FALSE(ParseSize(bad, w, h)) << bad;
    }
}

}  // namespace
}  // namespace korvo
