// Printed sheets are checked on the page: each PDF is rendered by poppler's pdftoppm and strokes
// are measured in its pixels, so a wrong scale, page or offset shows whichever part caused it.
#include <gtest/gtest.h>

#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <memory>
#include <numeric>
#include <vector>

#include "FontCommands.h"
#include "PictureCommands.h"
#include "SheetPrinter.h"
#include "font/KorvoFont.h"
#include "model/DrawObjLine.h"
#include "support/PaperFixture.h"
#include "support/TempDir.h"

namespace korvo {
namespace {

constexpr int kDpi = 100;
constexpr double kPixelsPerMm = kDpi / 25.4;
const std::string kFont = std::string(KORVO_SOURCE_DIR) + "/samples/futural.dat";

QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return process.exitCode() == 0 ? QString::fromUtf8(process.readAllStandardOutput()) : "";
}

QImage RenderPage(const std::string& pdf, const test::TempDir& dir) {
    const QString stem = QString::fromStdString(dir.File("page"));
    RunTool("pdftoppm", {"-r", QString::number(kDpi), "-png", "-singlefile",
                         QString::fromStdString(pdf), stem});
    return QImage(stem + ".png").convertToFormat(QImage::Format_RGB32);
}

// How much of `color` (0x00BBGGRR) a pixel holds, 0 ... 1: the channels the colour lacks give the
// coverage; the ones it has must be at full strength, so no other colour or grey edge counts.
double Ink(QRgb p, ColorRef color) {
    const int have[3] = {qRed(p), qGreen(p), qBlue(p)};
    double coverage = 0;
    int lacking = 0;
    for (int i = 0; i < 3; ++i) {
        const bool wanted = ((color >> (8 * i)) & 0xFF) > 128;
        if (wanted && have[i] < 245) {
            return 0;
        }
        coverage += wanted ? 0 : (255 - have[i]) / 255.0;
        lacking += wanted ? 0 : 1;
    }
    const double ink = coverage / std::max(lacking, 1);
    return ink < 0.1 ? 0 : ink;  // the faintest fringes of other colours' edges
}

// The colour's ink summed per column (acrossX) or per row.
std::vector<double> Profile(const QImage& page, ColorRef color, bool acrossX) {
    std::vector<double> amounts(static_cast<std::size_t>(acrossX ? page.width() : page.height()));
    for (int y = 0; y < page.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        for (int x = 0; x < page.width(); ++x) {
            amounts[static_cast<std::size_t>(acrossX ? x : y)] += Ink(row[x], color);
        }
    }
    return amounts;
}

// Ink-weighted centres of the runs of inked columns (or rows): one per stroke.
std::vector<double> Centres(const std::vector<double>& profile) {
    std::vector<double> centres;
    double sum = 0;
    double weight = 0;
    for (std::size_t i = 0; i <= profile.size(); ++i) {
        const double a = i < profile.size() ? profile[i] : 0.0;
        sum += static_cast<double>(i) * a;
        weight += a;
        if (a == 0 && weight > 0) {
            centres.push_back(sum / weight);
            sum = weight = 0;
        }
    }
    return centres;
}

bool PrintPdf(CPaper& paper, const std::string& path, bool throughPrinter) {
    CSheetPrinter sheet(paper);
    if (!throughPrinter) {
        return sheet.WritePdf(QString::fromStdString(path), "t");
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
    printer.setPageLayout(sheet.SheetPageLayout());
    return sheet.Print(printer);
}

class SheetPrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty()) {
            GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
        }
    }
    test::TempDir dir_;
};

TEST_F(SheetPrinterTest, StrokesLandAtTheirMillimetreDistances) {
    struct Case {
        bool throughPrinter;
        float sheetW, sheetH;
        bool vertical;  // two vertical strokes at x = a, b; else horizontal ones at y = a, b
        float a, b;
    };
    const Case cases[] = {
        {true, 620, 350, true, 20, 170},   {true, 620, 350, false, 25, 325},
        {true, 620, 350, true, 230, 610},  // among the table's cells
        {true, 150, 400, false, 5, 395},   {false, 620, 350, true, 0.5f, 619.5f},
        {false, 200, 200, false, 10, 190},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.sheetW << "x" << c.sheetH << " " << c.a << "-" << c.b);
        auto paper = test::MakePaper();
        paper->SetExtension(c.sheetW, c.sheetH);
        for (const float at : {c.a, c.b}) {
            const float w = c.sheetW - 1;
            const float h = c.sheetH - 1;
            auto line = c.vertical
                            ? std::make_unique<CDrawObjLine>(at, 1, at, h, 0, 300, 0xFFFF00, 1)
                            : std::make_unique<CDrawObjLine>(1, at, w, at, 0, 300, 0xFFFF00, 1);
            paper->AddNode(test::MakeNode(std::move(line), 1));
        }
        const std::string pdf = dir_.File("sheet.pdf");
        ASSERT_TRUE(PrintPdf(*paper, pdf, c.throughPrinter));
        const QImage page = RenderPage(pdf, dir_);
        const std::vector<double> strokes = Centres(Profile(page, 0xFFFF00, c.vertical));
        ASSERT_EQ(strokes.size(), 2u);
        // Thin strokes land on whole pixels: each centre is within half a pixel.
        EXPECT_NEAR(strokes[1] - strokes[0], (c.b - c.a) * kPixelsPerMm, 1.01);
        // Drawing y grows upwards, so down the page the upper stroke comes first.
        const CSheetPrinter printer(*paper);
        const QMarginsF margins = printer.SheetPageLayout().margins(QPageLayout::Millimeter);
        const RectF box = printer.PrintedBox();
        const double first =
            c.vertical ? margins.left() + c.a - box.minX : margins.top() + box.maxY - c.b;
        // Devices start the printable area within half a point of the layout's margin.
        EXPECT_NEAR(strokes[0], first * kPixelsPerMm, 0.76);
        // The help lines, past the drawing area on every side, keep the page's margin.
        for (const bool acrossX : {true, false}) {
            const std::vector<double> green = Profile(page, 0x00FF00, acrossX);
            const auto isInk = [](double ink) { return ink > 0; };
            const double margin = (CSheetPrinter::kMarginMm - 0.5) * kPixelsPerMm;
            EXPECT_GE(std::find_if(green.begin(), green.end(), isInk) - green.begin(), margin);
            EXPECT_GE(std::find_if(green.rbegin(), green.rend(), isInk) - green.rbegin(), margin);
        }
    }
}

// The table is printed whole (and the screen left as it was) whatever part the screen shows.
TEST_F(SheetPrinterTest, TableIsPrintedWholeWhateverTheScreenShows) {
    CKorvoFont font;
    ASSERT_EQ(OpenFont(kFont, font), kExitOk);
    struct Case {
        float originX, originY, windowW, windowH;
        bool showTable;
    };
    const Case cases[] = {{0, 0, 620, 350, true}, {40, 40, 30, 20, true}, {0, 0, 620, 350, false}};
    double wholeTable = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.windowW << "x" << c.windowH << " " << c.showTable);
        CPaper paper;
        paper.SetFont(&font);
        paper.SetShowTable(c.showTable);
        paper.SetWindowOrigin(c.originX, c.originY);
        paper.SetWindowSize(c.windowW, c.windowH);
        paper.SetClientRect({0, 0, 810, 540});
        const RectF visible = paper.GetVisibleWindow();
        const DevicePoint probe = paper.WorldToDevice({50, 50});
        const std::string pdf = dir_.File("sheet.pdf");
        ASSERT_TRUE(PrintPdf(paper, pdf, true));
        EXPECT_FALSE(paper.IsPrintMode());
        EXPECT_EQ(paper.WorldToDevice({50, 50}), probe);
        EXPECT_EQ(paper.GetVisibleWindow().minX, visible.minX);
        EXPECT_EQ(paper.GetVisibleWindow().maxY, visible.maxY);

        const std::vector<double> blue = Profile(RenderPage(pdf, dir_), 0xFF0000, true);
        const double labelsAndGlyphs = std::accumulate(blue.begin(), blue.end(), 0.0);
        if (!c.showTable) {
            EXPECT_EQ(labelsAndGlyphs, 0.0);
        } else if (wholeTable == 0) {
            wholeTable = labelsAndGlyphs;
            EXPECT_GT(wholeTable, 1000.0);
        } else {
            EXPECT_NEAR(labelsAndGlyphs, wholeTable, wholeTable * 0.002);
        }
    }
}

TEST_F(SheetPrinterTest, KorvofontTableWritesTheSheetAsPdf) {
    const std::string pdf = dir_.File("table.pdf");
    ASSERT_EQ(RunTable({kFont, pdf, 1250, 710}), kExitOk);
    const std::string bytes = test::ReadText(pdf);
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
    EXPECT_NE(bytes.find("%%EOF", bytes.size() - 16), std::string::npos);
    const QString info = RunTool("pdfinfo", {QString::fromStdString(pdf)});
    const QRegularExpressionMatch size =
        QRegularExpression("Pages: *1\\n.*Page size: *([0-9.]+) x ([0-9.]+) pts",
                           QRegularExpression::DotMatchesEverythingOption)
            .match(info);
    ASSERT_TRUE(size.hasMatch()) << info.toStdString();
    // The sheet, the help lines' ends on the left and at the bottom, and the margins, in mm.
    EXPECT_NEAR(size.captured(1).toDouble(), 650 / 25.4 * 72, 1.0);
    EXPECT_NEAR(size.captured(2).toDouble(), 380 / 25.4 * 72, 1.0);
    // The labels are real text: the table's first and last codes can be searched for.
    const QString text = RunTool("pdftotext", {QString::fromStdString(pdf), "-"});
    EXPECT_TRUE(text.contains("033") && text.contains("255"));
    EXPECT_EQ(RunTable({kFont, dir_.File("missing/table.pdf"), 1250, 710}), kExitFileError);
}

}  // namespace
}  // namespace korvo
