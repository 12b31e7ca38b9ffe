// Printed sheets are checked on the page itself: each PDF is rendered by poppler's pdftoppm and
// distances between strokes are measured in its pixels, so a wrong scale, page or offset shows
// up whichever part of the chain (mapping, page layout, PDF writer) caused it.
#include <gtest/gtest.h>

#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <cmath>
#include <memory>
#include <vector>

#include "FontCommands.h"
#include "PictureCommands.h"
#include "SheetPrinter.h"
#include "font/KorvoFont.h"
#include "model/DataCollection.h"
#include "model/DrawObjLine.h"
#include "support/PaperFixture.h"
#include "support/TempDir.h"

namespace korvo {
namespace {

constexpr int kDpi = 100;
constexpr double kPixelsPerMm = kDpi / 25.4;
constexpr ColorRef kCyan = 0xFFFF00;
constexpr ColorRef kMagenta = 0xFF00FF;

bool HavePoppler() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return process.exitCode() == 0 ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

QImage RenderFirstPage(const std::string& pdf, const test::TempDir& dir) {
    const QString stem = QString::fromStdString(dir.File("page"));
    RunTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), QString::fromStdString(pdf), stem});
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// How much of the colour a pixel holds, 0 ... 1 (antialiased edges count in part): the channels
// the colour lacks are read as coverage, and the ones it has must stay at full strength, so no
// other colour and no grey edge of a label counts. ColorRef is 0x00BBGGRR.
double Ink(QRgb p, ColorRef color) {
    const int want[3] = {static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                         static_cast<int>((color >> 16) & 0xFF)};
    const int have[3] = {qRed(p), qGreen(p), qBlue(p)};
    double coverage = 0;
    int lacking = 0;
    for (int i = 0; i < 3; ++i) {
        if (want[i] > 128 && have[i] < 245) {
            return 0;
        }
        if (want[i] <= 128) {
            coverage += (255 - have[i]) / 255.0;
            ++lacking;
        }
    }
    // The faintest fringes of other colours' edges pass the test above; they are not ink.
    const double ink = lacking == 0 ? 0 : coverage / lacking;
    return ink < 0.1 ? 0 : ink;
}

// Ink-weighted centres of the stripes of that colour across x (vertical strokes) or across y
// (horizontal strokes), in pixels.
std::vector<double> StripeCentres(const QImage& page, ColorRef color, bool acrossX) {
    const int n = acrossX ? page.width() : page.height();
    std::vector<double> amounts(static_cast<std::size_t>(n), 0.0);
    for (int y = 0; y < page.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        for (int x = 0; x < page.width(); ++x) {
            amounts[static_cast<std::size_t>(acrossX ? x : y)] += Ink(row[x], color);
        }
    }
    std::vector<double> centres;
    double sum = 0;
    double weight = 0;
    for (int i = 0; i <= n; ++i) {
        const double a = i < n ? amounts[static_cast<std::size_t>(i)] : 0.0;
        if (a > 0) {
            sum += i * a;
            weight += a;
        } else if (weight > 0) {
            centres.push_back(sum / weight);
            sum = weight = 0;
        }
    }
    return centres;
}

struct InkSurvey {
    QRect box;  // pixels at least half covered
    double amount = 0;
};

InkSurvey Survey(const QImage& page, ColorRef color) {
    InkSurvey survey;
    for (int y = 0; y < page.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        for (int x = 0; x < page.width(); ++x) {
            const double ink = Ink(row[x], color);
            survey.amount += ink;
            if (ink >= 0.5) {
                survey.box |= QRect(x, y, 1, 1);
            }
        }
    }
    return survey;
}

void AddLine(CPaper& paper, float x1, float y1, float x2, float y2, ColorRef color) {
    paper.AddNode(
        test::MakeNode(std::make_unique<CDrawObjLine>(x1, y1, x2, y2, 0, 300, color, 1), 1));
}

bool PrintThroughQPrinter(CPaper& paper, const std::string& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
    CSheetPrinter sheet(paper);
    printer.setPageLayout(sheet.SheetPageLayout());
    return sheet.Print(printer);
}

bool PrintThroughPdfFile(CPaper& paper, const std::string& path) {
    return CSheetPrinter(paper).WritePdf(QString::fromStdString(path), QStringLiteral("t"));
}

TEST(SheetPrinter, StrokesLandAtTheirMillimetreDistances) {
    if (!HavePoppler()) {
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    }
    using Print = bool (*)(CPaper&, const std::string&);
    struct Case {
        const char* name;
        Print print;
        float sheetW, sheetH;
        bool vertical;  // two vertical strokes (measured across x), else horizontal ones
        float a, b;     // their positions in drawing units
        ColorRef color;
    };
    const Case cases[] = {
        {"vertical pair, printer", PrintThroughQPrinter, 620, 350, true, 20, 170, kCyan},
        {"horizontal pair, printer", PrintThroughQPrinter, 620, 350, false, 25, 325, kMagenta},
        {"pair in the table area", PrintThroughQPrinter, 620, 350, true, 230, 610, kMagenta},
        {"square sheet, printer", PrintThroughQPrinter, 200, 200, true, 10, 190, kCyan},
        {"tall sheet, printer", PrintThroughQPrinter, 150, 400, false, 5, 395, kCyan},
        {"vertical pair, pdf file", PrintThroughPdfFile, 620, 350, true, 0.5f, 619.5f, kCyan},
        {"tall sheet, pdf file", PrintThroughPdfFile, 150, 400, false, 5, 395, kMagenta},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        auto paper = test::MakePaper();
        paper->SetExtension(c.sheetW, c.sheetH);
        for (const float at : {c.a, c.b}) {
            if (c.vertical) {
                AddLine(*paper, at, 1, at, c.sheetH - 1, c.color);
            } else {
                AddLine(*paper, 1, at, c.sheetW - 1, at, c.color);
            }
        }
        const std::string pdf = dir.File("sheet.pdf");
        ASSERT_TRUE(c.print(*paper, pdf));
        const QImage page = RenderFirstPage(pdf, dir);
        ASSERT_FALSE(page.isNull());

        // The page is the sheet plus the margin (give or take the rounding to whole points),
        // each unit a millimetre.
        const double margin = 2 * CSheetPrinter::kMarginMm;
        EXPECT_NEAR(page.width(), (c.sheetW + margin) * kPixelsPerMm, 2.0);
        EXPECT_NEAR(page.height(), (c.sheetH + margin) * kPixelsPerMm, 2.0);

        const std::vector<double> stripes = StripeCentres(page, c.color, c.vertical);
        ASSERT_EQ(stripes.size(), 2u);
        // Thin strokes land on whole pixels, so each centre is within half a pixel.
        EXPECT_NEAR(stripes[1] - stripes[0], (c.b - c.a) * kPixelsPerMm, 1.01);
        // Drawing y grows upwards: the first stripe down the page is the upper stroke.
        const double first = c.vertical ? c.a : c.sheetH - c.b;
        const QMarginsF margins =
            CSheetPrinter(*paper).SheetPageLayout().margins(QPageLayout::Millimeter);
        const double edge = c.vertical ? margins.left() : margins.top();
        EXPECT_NEAR(stripes[0], (edge + first) * kPixelsPerMm, 0.51);
    }
}

TEST(SheetPrinter, DecorationsAndTableArePrintedWhateverTheScreenShows) {
    if (!HavePoppler()) {
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    }
    CKorvoFont font;
    ASSERT_EQ(OpenFont(std::string(KORVO_SOURCE_DIR) + "/samples/futural.dat", font), kExitOk);
    struct Case {
        const char* name;
        float originX, originY, windowW, windowH;  // the screen's window onto the sheet
        bool showTable;
        double greenW, greenH;  // the frame, with the table's grid when it is shown, in mm
    };
    const Case cases[] = {
        {"whole sheet on screen", 0, 0, 620, 350, true, 620, 350},
        {"screen zoomed into the drawing area", 40, 40, 30, 20, true, 620, 350},
        {"table switched off", 0, 0, 620, 350, false, 200, 200},
    };
    double wholeSheetTable = -1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        CPaper paper;
        paper.SetFont(&font);
        paper.SetShowTable(c.showTable);
        for (int i = 0; i < CPaper::kHelpLineCount; ++i) {
            paper.SetHelpLine(i, paper.GetHelpLine(i), false);
        }
        paper.SetWindowOrigin(c.originX, c.originY);
        paper.SetWindowSize(c.windowW, c.windowH);
        paper.SetClientRect({0, 0, 810, 540});
        const RectF visible = paper.GetVisibleWindow();
        const DevicePoint probe = paper.WorldToDevice({50, 50});

        const std::string pdf = dir.File("sheet.pdf");
        ASSERT_TRUE(PrintThroughQPrinter(paper, pdf));

        // The screen goes on exactly where it was.
        EXPECT_FALSE(paper.IsPrintMode());
        EXPECT_EQ(paper.WorldToDevice({50, 50}), probe);
        EXPECT_EQ(paper.GetVisibleWindow().minX, visible.minX);
        EXPECT_EQ(paper.GetVisibleWindow().maxY, visible.maxY);
        EXPECT_TRUE(paper.IsShowGrid());

        const QImage page = RenderFirstPage(pdf, dir);
        ASSERT_FALSE(page.isNull());
        const QRect green = Survey(page, 0x00FF00).box;
        // A hairline's edges blur into the pixels either side, hence the slack of a pixel or two.
        EXPECT_NEAR(green.width(), c.greenW * kPixelsPerMm, 2.5);
        EXPECT_NEAR(green.height(), c.greenH * kPixelsPerMm, 2.5);
        EXPECT_NEAR(green.left(), CSheetPrinter::kMarginMm * kPixelsPerMm, 1.5);
        // The table's labels and glyphs (blue): all of them whatever part of the sheet the
        // screen shows, none without the table.
        const double blue = Survey(page, 0xFF0000).amount;
        if (!c.showTable) {
            EXPECT_EQ(blue, 0.0);
        } else if (wholeSheetTable < 0) {
            wholeSheetTable = blue;
            EXPECT_GT(blue, 1000.0);
        } else {
            EXPECT_NEAR(blue, wholeSheetTable, wholeSheetTable * 0.002);
        }
    }
}

TEST(SheetPrinter, TablePdfOfAFont) {
    if (!HavePoppler()) {
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    }
    test::TempDir dir;
    const std::string pdf = dir.File("table.pdf");
    const std::string font = std::string(KORVO_SOURCE_DIR) + "/samples/futural.dat";
    ASSERT_EQ(RunTable({font, pdf, 1250, 710}), kExitOk);
    const std::string bytes = test::ReadText(pdf);
    ASSERT_GT(bytes.size(), 1000u);
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
    EXPECT_NE(bytes.find("%%EOF", bytes.size() - 16), std::string::npos);

    const QString info = RunTool(QStringLiteral("pdfinfo"), {QString::fromStdString(pdf)});
    EXPECT_TRUE(info.contains(QStringLiteral("Pages:           1"))) << info.toStdString();
    // 640 x 370 mm: the sheet and its margin, in points.
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("Page size: *([0-9.]+) x ([0-9.]+) pts")).match(info);
    ASSERT_TRUE(size.hasMatch()) << info.toStdString();
    EXPECT_NEAR(size.captured(1).toDouble(), 640 / 25.4 * 72, 1.0);
    EXPECT_NEAR(size.captured(2).toDouble(), 370 / 25.4 * 72, 1.0);
    // The labels are real text: the first and last code of the table can be searched for.
    const QString text = RunTool(QStringLiteral("pdftotext"), {QString::fromStdString(pdf), "-"});
    EXPECT_TRUE(text.contains(QStringLiteral("033")));
    EXPECT_TRUE(text.contains(QStringLiteral("255")));

    // A PDF that cannot be written is an error, and nothing is left behind.
    const std::string nowhere = dir.File("missing/table.pdf");
    EXPECT_EQ(RunTable({font, nowhere, 1250, 710}), kExitFileError);
}

}  // namespace
}  // namespace korvo
