// The sheet's background: the drawing-area frame, the grids, the character table of the font and
// the help lines. Painted under the elements on every full render, so it stays lean.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "font/KorvoFont.h"
#include "model/CharacterTable.h"
#include "model/DrawObjVectorText.h"
#include "model/Paper.h"
#include "model/TableGlyphLayouts.h"
#include "model/VectorTextRenderer.h"
#include "resources/CodePages.h"

namespace korvo {

namespace {

constexpr ColorRef kGreen = CPaper::kSheetLineColor;
constexpr ColorRef kBlue = 0xFF0000;
constexpr ColorRef kRed = 0x0000FF;
constexpr ColorRef kLabelColor = 0x404040;
constexpr float kCell = kTableCell;
// The space has no glyph worth a cell.
constexpr int kFirstTableCode = kTableFirstCode + 1;
constexpr int kLastTableCode = 255;
// Grids finer than this many pixels would only grey the sheet.
constexpr int kMinGridPixels = 5;

// The layout inside a cell: two small labels along the top, the glyph below them.
constexpr float kLabelHeight = 4.5f;
constexpr float kLabelInset = 1.0f;
constexpr float kGlyphSize = 17.0f;
constexpr float kGlyphLeft = 228.75f - kTableLeft;
constexpr float kGlyphBottom = 1.0f;

void DrawSegment(IDrawContext& dc, const CPaper& paper, PointF a, PointF b) {
    dc.MoveTo(paper.WorldToDevice(a));
    dc.LineTo(paper.WorldToDevice(b));
}

// A character the display code page cannot carry through the stored one and back shows in red:
// typing it in a text would not reach this cell.
bool SurvivesCodePages(int code) {
    const std::string text(1, static_cast<char>(code));
    return OemToAnsi(AnsiToOem(text)) == text;
}

// Labels go to the text renderer as display characters. A text element would keep them in the
// font's code page, which lacks the euro sign and more, and such a cell could not show its own
// character; red tells the user instead that the character would not survive in a text.
void DrawLabel(const CPaper& paper, IDrawContext& dc, std::string_view text, PointF at,
               ColorRef color) {
    // A label starting inside the visible window is certainly seen, so it goes straight to the
    // device as the renderer would put it, without measuring it first: measuring every label
    // cost as much as drawing it.
    const RectF& window = paper.GetVisibleWindow();
    const auto top = static_cast<float>(static_cast<double>(at.y) + kLabelHeight);
    if (at.x >= window.minX && at.x <= window.maxX && at.y <= window.maxY && window.minY <= top) {
        TextFont font;
        font.face = "Arial";
        font.height = std::max(1, paper.LengthToDevice(kLabelHeight));
        dc.TextOut(paper.WorldToDevice({at.x, top}), text, font, color);
        return;
    }
    VectorTextParams label;
    label.text = text;
    label.origin = at;
    label.height = kLabelHeight;
    label.fontNumber = 1;
    label.fontName = "Arial";
    CVectorTextRenderer renderer(paper, &dc);
    renderer.Render(label, VectorTextInk{Pen{PenStyle::Solid, color}, color, g_bStyledDrawing, 0});
}

void DrawGlyph(CPaper& paper, IDrawContext& dc, int code, PointF at, TableGlyphLayouts& kept) {
    CDrawObjVectorText glyph;
    glyph.SetTextOem(std::string(1, static_cast<char>(code)));
    glyph.SetX1(at.x);
    glyph.SetY1(at.y);
    glyph.SetHeight(kGlyphSize);
    glyph.SetRelSize1(kGlyphSize);
    glyph.SetRelSize2(kGlyphSize);
    glyph.SetFont(0, "");
    std::optional<CVectorTextRenderer::Layout>& layout = kept.glyphs[code];
    if (!layout) {
        layout = glyph.LayOut(paper);
    }
    glyph.DrawLaidOut(paper, dc, *layout);
}

}  // namespace

void CPaper::PaintBackground(IDrawContext& dc, const std::function<void(IDrawContext&)>& table) {
    if (dc.IsPrinter()) {
        return;
    }
    const Pen previousPen = dc.SelectPen(Pen{PenStyle::Solid, kGreen});
    const RasterOp previousOp = dc.SetRasterOp(RasterOp::CopyPen);
    const DevicePoint frame[] = {WorldToDevice({0, 0}), WorldToDevice({kDrawingAreaSize, 0}),
                                 WorldToDevice({kDrawingAreaSize, kDrawingAreaSize}),
                                 WorldToDevice({0, kDrawingAreaSize}), WorldToDevice({0, 0})};
    dc.Polyline(frame);
    if (showGrid_ != 0) {
        PaintGrid(dc);
        PaintCrossGrid(dc);
    }
    if (showTable_ != 0) {
        if (table) {
            table(dc);
        } else {
            PaintTable(dc);
        }
    }
    PaintHelpLines(dc);
    dc.SetRasterOp(previousOp);
    dc.SelectPen(previousPen);
}

void CPaper::PaintGrid(IDrawContext& dc) const {
    if (LengthToDevice(grid_.x) <= kMinGridPixels || LengthToDevice(grid_.y) <= kMinGridPixels) {
        return;
    }
    for (int i = 0; gridOrigin_.x + i * grid_.x < kDrawingAreaSize; ++i) {
        for (int j = 0; gridOrigin_.y + j * grid_.y < kDrawingAreaSize; ++j) {
            dc.SetPixel(WorldToDevice({gridOrigin_.x + i * grid_.x, gridOrigin_.y + j * grid_.y}),
                        values_.gridDotColor);
        }
    }
}

void CPaper::PaintCrossGrid(IDrawContext& dc) const {
    if (!(crossGrid_.x > 0.0f) || crossGrid_.y == 0.0f ||
        LengthToDevice(crossGrid_.x) <= kMinGridPixels ||
        LengthToDevice(std::fabs(crossGrid_.y)) <= kMinGridPixels) {
        return;
    }
    const float stepY = std::fabs(crossGrid_.y);
    for (int i = 0; i * crossGrid_.x < kDrawingAreaSize; ++i) {
        for (int j = 0; j * stepY < kDrawingAreaSize; ++j) {
            const DevicePoint c = WorldToDevice({i * crossGrid_.x, j * stepY});
            for (const DevicePoint d : {DevicePoint{0, 0}, DevicePoint{1, 0}, DevicePoint{-1, 0},
                                        DevicePoint{0, 1}, DevicePoint{0, -1}}) {
                dc.SetPixel({c.x + d.x, c.y + d.y}, values_.gridDotColor);
            }
        }
    }
}

void CPaper::PaintTable(IDrawContext& dc, TableGlyphLayouts* kept) {
    std::unique_ptr<TableGlyphLayouts> own;
    if (kept == nullptr) {
        own = std::make_unique<TableGlyphLayouts>();
        kept = own.get();
    }
    for (float x = kTableLeft; x <= kTableRight; x += kCell) {
        DrawSegment(dc, *this, {x, 0}, {x, kTableTop});
    }
    for (float y = 0; y <= kTableTop; y += kCell) {
        DrawSegment(dc, *this, {kTableLeft, y}, {kTableRight, y});
    }
    for (int code = kFirstTableCode; code <= kLastTableCode; ++code) {
        const int index = code - kTableFirstCode;
        const float left = kTableLeft + static_cast<float>(index % kTableColumns) * kCell;
        const float bottom = kTableTop - static_cast<float>(index / kTableColumns + 1) * kCell;
        const RectF cell{left, bottom, left + kCell, bottom + kCell};
        if (IsOutside(cell)) {
            continue;
        }
        char number[8];
        std::snprintf(number, sizeof number, "%03d", code);
        const float labelY = bottom + kCell - kLabelInset - kLabelHeight;
        DrawLabel(*this, dc, number, {left + kLabelInset, labelY}, kLabelColor);
        DrawLabel(*this, dc, std::string(1, static_cast<char>(code)), {left + kCell * 0.6f, labelY},
                  SurvivesCodePages(code) ? kBlue : kRed);
        if (font_ != nullptr && font_->Table() != nullptr &&
            font_->Table()->Entry(code).HasCommands()) {
            DrawGlyph(*this, dc, code, {left + kGlyphLeft, bottom + kGlyphBottom}, *kept);
        }
    }
}

void CPaper::PaintHelpLines(IDrawContext& dc) const {
    for (int i = 0; i < kHelpLineCount; ++i) {
        if (helpLineFlags_[i] == 0) {
            continue;
        }
        const float v = helpLines_[i];
        if (i < 3) {
            DrawSegment(dc, *this, {v, 210}, {v, -10});
        } else {
            DrawSegment(dc, *this, {-10, v}, {210, v});
        }
    }
}

}  // namespace korvo
