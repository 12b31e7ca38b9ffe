#include "view/BackgroundLayer.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <string_view>

#include "font/GlyphCommand.h"
#include "font/KorvoFont.h"
#include "model/CharacterTable.h"
#include "model/DrawObj.h"
#include "model/Paper.h"
#include "model/TableGlyphLayouts.h"
#include "platform/DrawSurface.h"
#include "platform/ViewHost.h"
#include "view/DrawRecording.h"

namespace korvo {

namespace {

// A hash of every glyph stream the character table draws. The streams are short, so this costs a
// few microseconds even for a font whose every glyph is full.
std::uint64_t FontContentHash(const CKorvoFont* font) {
    if (font == nullptr || font->Table() == nullptr) {
        return 0;
    }
    std::uint64_t hash = 1469598103934665603ULL;
    const CFontTable& table = *font->Table();
    for (int code = kTableFirstCode; code < CFontTable::kGlyphCount; ++code) {
        const GlyphEntry& entry = table.Entry(code);
        std::size_t length = 0;
        if (entry.HasCommands()) {
            const void* end = std::memchr(entry.commands.data(), CMD_END, entry.commands.size());
            length = end == nullptr
                         ? entry.commands.size()
                         : static_cast<std::size_t>(static_cast<const std::uint8_t*>(end) -
                                                    entry.commands.data());
        }
        const std::string_view bytes(reinterpret_cast<const char*>(entry.commands.data()), length);
        const std::uint64_t glyph = std::hash<std::string_view>{}(bytes) ^
                                    (entry.HasCommands() ? 0x9E3779B97F4A7C15ULL : 0);
        hash = (hash ^ glyph ^ static_cast<std::uint64_t>(code)) * 1099511628211ULL;
    }
    return hash;
}

}  // namespace

CBackgroundLayer::CBackgroundLayer(IViewHost& host) : host_(host) {}

CBackgroundLayer::~CBackgroundLayer() = default;

void CBackgroundLayer::Invalidate() {
    valid_ = false;
    tables_.clear();
    glyphs_.reset();
}

CBackgroundLayer::Fingerprint CBackgroundLayer::FingerprintOf(const CPaper& paper,
                                                              DevicePoint client) {
    Fingerprint f;
    f.paper = &paper;
    f.font = paper.GetFont();
    f.fontContent = paper.IsShowTable() ? FontContentHash(paper.GetFont()) : 0;
    f.client = client;
    f.zoom = paper.GetZoom();
    f.windowOrigin = paper.GetWindowOrigin();
    f.windowSize = paper.GetWindowSize();
    f.grid = paper.GetGrid();
    f.gridOrigin = paper.GetGridOrigin();
    f.crossGrid = paper.GetCrossGrid();
    for (int i = 0; i < CPaper::kHelpLineCount; ++i) {
        f.helpLines[i] = paper.GetHelpLine(i);
        f.helpLinesShown[i] = paper.IsHelpLineShown(i);
    }
    f.showGrid = paper.IsShowGrid();
    f.showTable = paper.IsShowTable();
    f.styled = g_bStyledDrawing;
    f.background = paper.BackgroundBrush().color;
    return f;
}

CBackgroundLayer::Fingerprint CBackgroundLayer::TableKeyOf(Fingerprint f) {
    f.grid = {};
    f.gridOrigin = {};
    f.crossGrid = {};
    f.helpLines = {};
    f.helpLinesShown = {};
    f.showGrid = false;
    f.background = 0;
    return f;
}

void CBackgroundLayer::Draw(IDrawContext& dc, const DeviceRect& area, CPaper& paper,
                            const Fingerprint& now) {
    dc.FillRect(area, paper.BackgroundBrush().color);
    paper.PaintBackground(dc, [&](IDrawContext& tableDc) { PaintTable(tableDc, paper, now); });
}

void CBackgroundLayer::PaintTable(IDrawContext& dc, CPaper& paper, const Fingerprint& now) {
    static constexpr std::size_t kKeptTables = 4;
    const Fingerprint key = TableKeyOf(now);
    const auto found = std::find_if(tables_.begin(), tables_.end(),
                                    [&key](const TableRecording& t) { return t.key == key; });
    if (found == tables_.end()) {
        auto calls = std::make_unique<CDrawRecording>(
            dc, Pen{PenStyle::Solid, CPaper::kSheetLineColor}, RasterOp::CopyPen);
        // A new mapping of the same font lays out no glyph again.
        if (!glyphs_ || glyphsFor_.font != now.font || glyphsFor_.fontContent != now.fontContent) {
            glyphs_ = std::make_unique<TableGlyphLayouts>();
            glyphsFor_ = now;
        }
        paper.PaintTable(*calls, glyphs_.get());
        if (tables_.size() == kKeptTables) {
            tables_.pop_back();
        }
        tables_.insert(tables_.begin(), TableRecording{key, std::move(calls)});
    } else if (found != tables_.begin()) {
        std::rotate(tables_.begin(), found, found + 1);
    }
    tables_.front().calls->Replay(dc);
}

void CBackgroundLayer::PaintInto(IDrawSurface& target, const DeviceRect& area, CPaper& paper) {
    const DevicePoint client{target.Width(), target.Height()};
    const Fingerprint now = FingerprintOf(paper, client);
    if (!valid_ || !(now == drawnFor_)) {
        if (!surface_ || surface_->Width() != client.x || surface_->Height() != client.y) {
            surface_ = host_.CreateSurface(client.x, client.y);
        }
        valid_ = false;
        if (surface_ && surface_->Width() == client.x && surface_->Height() == client.y) {
            Draw(surface_->Context(), DeviceRect{0, 0, client.x, client.y}, paper, now);
            ++renders_;
            drawnFor_ = now;
            valid_ = true;
        }
    }
    if (valid_ && target.CopyFrom(*surface_, area)) {
        return;
    }
    // No layer to copy from: draw straight onto the target, keeping to the area.
    IDrawContext& dc = target.Context();
    const auto previousClip = dc.SetClipRect(area);
    Draw(dc, area, paper, now);
    ++renders_;
    dc.SetClipRect(previousClip);
}

}  // namespace korvo
