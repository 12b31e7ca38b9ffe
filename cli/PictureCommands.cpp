#include "PictureCommands.h"

#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QString>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <functional>
#include <iostream>
#include <memory>

#include "FontCommands.h"
#include "GuiApplication.h"
#include "QtDrawContext.h"
#include "SheetPrinter.h"
#include "font/KorvoFont.h"
#include "model/DrawObjVectorText.h"
#include "model/Paper.h"
#include "model/VectorTextRenderer.h"

namespace korvo {

namespace {

// Pixels per drawing unit of rendered text: PNGs for the eye, SVGs fine enough for a plotter
// (0.1 mm steps).
constexpr double kPngPixelsPerUnit = 4.0;
constexpr double kSvgPixelsPerUnit = 10.0;
// White around the sheet's printed box in a picture of the table, in drawing units.
constexpr float kTableMargin = 5.0f;
// FitToClient keeps this many pixels of border around the window.
constexpr int kClientBorder = 10;
constexpr int kMaxImageSide = 20000;
// Fixed-pitch characters stand this many heights apart: stroke fonts rarely fill their square.
constexpr float kFixedPitch = 0.7f;

using Painting = std::function<void(IDrawContext&)>;

bool IsSvg(const std::string& path) {
    return QString::fromStdString(path).endsWith(".svg", Qt::CaseInsensitive);
}

bool IsPdf(const std::string& path) {
    return QString::fromStdString(path).endsWith(".pdf", Qt::CaseInsensitive);
}

int Fail(const std::string& what, const std::string& path) {
    std::cerr << "korvofont: " << what << " " << path << '\n';
    return kExitFileError;
}

int WritePng(const std::string& path, int width, int height, const Painting& paint) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        CQtDrawContext dc(painter, false);
        paint(dc);
    }
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        return Fail("cannot write", path);
    }
    return kExitOk;
}

// The SVG's user units are device pixels; its size is given in millimetres, one drawing unit
// being one millimetre, so plotters and cutters get the drawing at its true size.
int WriteSvg(const std::string& path, int width, int height, double pixelsPerUnit,
             const Painting& paint) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        return Fail("cannot write", path);
    }
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(QSize(width, height));
    svg.setViewBox(QRect(0, 0, width, height));
    svg.setResolution(static_cast<int>(std::lround(pixelsPerUnit * 25.4)));
    svg.setTitle("KorvoFE");
    {
        QPainter painter(&svg);
        CQtDrawContext dc(painter, false);
        paint(dc);
    }
    if (!file.commit()) {
        return Fail("cannot write", path);
    }
    return kExitOk;
}

int WritePicture(const std::string& path, int width, int height, double pixelsPerUnit,
                 const Painting& paint) {
    return IsSvg(path) ? WriteSvg(path, width, height, pixelsPerUnit, paint)
                       : WritePng(path, width, height, paint);
}

// Command-line text is UTF-8; the font's codes follow the display code page, whose first 256
// characters match Latin-1. A character beyond it has no code and shows as '?'.
std::string ToDisplayCodePage(const std::string& utf8) {
    std::string out;
    for (const QChar c : QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))) {
        out.push_back(c.unicode() < 256 ? static_cast<char>(c.unicode()) : '?');
    }
    return out;
}

std::string WithLineBreaks(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            out.push_back('\n');
            ++i;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

std::unique_ptr<CDrawObjVectorText> MakeText(const RenderOptions& options) {
    const auto h = static_cast<float>(options.height);
    auto text = std::make_unique<CDrawObjVectorText>();
    text->SetText(ToDisplayCodePage(WithLineBreaks(options.text)));
    text->SetHeight(h);
    // The 200-unit glyph square becomes h wide; proportional text lets each glyph's own width
    // decide the spacing.
    text->SetRelSize1(h);
    text->SetRelSize2(options.proportional ? 0.0f : h * kFixedPitch);
    text->SetTextFlags(options.proportional ? kTextProportional : 0);
    text->SetFont(0, "");
    text->SetWidth(250);
    return text;
}

}  // namespace

bool ParseSize(const std::string& text, int& width, int& height) {
    const auto x = text.find_first_of("xX");
    if (x == std::string::npos) {
        return false;
    }
    bool okW = false;
    bool okH = false;
    width = QString::fromStdString(text.substr(0, x)).toInt(&okW);
    height = QString::fromStdString(text.substr(x + 1)).toInt(&okH);
    return okW && okH && width > 0 && height > 0 && width <= kMaxImageSide &&
           height <= kMaxImageSide;
}

int RunTable(const TableOptions& options) {
    EnsureGuiApplication();
    CKorvoFont font;
    const int status = OpenFont(options.fontPath, font);
    if (status == kExitFileError) {
        return status;
    }
    CPaper paper;
    paper.SetFont(&font);
    // The picture shows what the printed page shows, the help lines' ends included, with a
    // little white beyond them.
    const RectF box = CSheetPrinter(paper).PrintedBox();
    paper.SetWindowOrigin(box.minX - kTableMargin, box.minY - kTableMargin);
    paper.SetWindowSize(box.maxX - box.minX + 2 * kTableMargin,
                        box.maxY - box.minY + 2 * kTableMargin);
    paper.SetClientRect({0, 0, options.width, options.height});
    if (IsPdf(options.outPath)) {
        // A PDF is the printed sheet: true millimetres on a page of its own, whatever --size.
        const QString title = QString::fromStdString(options.fontPath);
        if (!CSheetPrinter(paper).WritePdf(QString::fromStdString(options.outPath), title)) {
            return Fail("cannot write", options.outPath);
        }
        return status;
    }
    const double pixelsPerUnit = paper.GetScale();
    const int written = WritePicture(options.outPath, options.width, options.height, pixelsPerUnit,
                                     [&](IDrawContext& dc) { paper.PaintBackground(dc); });
    return written != kExitOk ? written : status;
}

int RunRender(const RenderOptions& options) {
    EnsureGuiApplication();
    CKorvoFont font;
    const int status = OpenFont(options.fontPath, font);
    if (status == kExitFileError) {
        return status;
    }
    const std::unique_ptr<CDrawObjVectorText> text = MakeText(options);
    CPaper measure;
    measure.SetFont(&font);
    const RectF box = text->GetExtents(measure, nullptr);
    const float margin = static_cast<float>(options.height * 0.25);
    const float w = std::max(box.maxX - box.minX, 1.0f);
    const float h = std::max(box.maxY - box.minY, 1.0f);
    const double ppu = IsSvg(options.outPath) ? kSvgPixelsPerUnit : kPngPixelsPerUnit;
    const int width = static_cast<int>(std::ceil((w + 2 * margin) * ppu)) + kClientBorder;
    const int height = static_cast<int>(std::ceil((h + 2 * margin) * ppu)) + kClientBorder;
    if (width > kMaxImageSide || height > kMaxImageSide) {
        std::cerr << "korvofont: the text would make a picture of " << width << " x " << height
                  << " pixels; use a smaller --height\n";
        return kExitBadInput;
    }
    CPaper paper(box.minX, box.minY, w, h, margin, margin, margin, margin, 0.0f, 0.0f);
    paper.SetFont(&font);
    paper.SetClientRect({0, 0, width, height});
    const int written = WritePicture(options.outPath, width, height, ppu,
                                     [&](IDrawContext& dc) { text->Draw(paper, &dc, nullptr); });
    return written != kExitOk ? written : status;
}

}  // namespace korvo
