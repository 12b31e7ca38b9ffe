#include "app/TextPreview.h"

#include <algorithm>

#include "app/GlyphDrawing.h"
#include "app/KorvoFEDoc.h"
#include "font/FontFile.h"
#include "font/FontTable.h"
#include "model/Paper.h"
#include "resources/CodePages.h"

namespace korvo {

namespace {

// The paper keeps this many pixels of border around its window when it fits it to the client.
constexpr int kClientBorder = 10;

}  // namespace

CTextPreview::CTextPreview() {
    settings_.text = kDefaultText;
    SetSettings(settings_);
}

CTextPreview::~CTextPreview() = default;

void CTextPreview::SetSettings(const TextPreviewSettings& settings) {
    settings_ = settings;
    settings_.height = std::clamp(settings_.height, 4.0f, 1000.0f);
    std::string text = settings_.text;
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::replace(text.begin(), text.end(), '\r', ' ');
    oemText_ = AnsiToOem(text);
    Layout();
}

void CTextPreview::TakeDocument(const CKorvoFEDoc* document) {
    hasFont_ = document != nullptr && document->GetFont().Table() != nullptr;
    if (!hasFont_) {
        Layout();
        return;
    }
    // A copy through the file form: an owning table the drawing can be stored into without
    // touching the document's. Reading also works the blank's width out as it will be once the
    // font is saved and opened again; Save Char's own rule would make it three times as wide.
    const CFontTable& table = *document->GetFont().Table();
    font_.NewTable(1);
    ParseFontFile(*font_.Table(), EncodeFontFile(table), 1, table.FontName());
    const int code = document->GetCurrentChar();
    CPaper* sheet = document->GetPaper();
    if (settings_.showDrawing && code > 0 && sheet != nullptr) {
        int lineCount = document->GetLineCount();
        const CGlyphDrawing drawing(*sheet, document->GetHost(), lineCount);
        const std::vector<GlyphCommand> commands = drawing.CommandsAsDrawn();
        if (static_cast<int>(commands.size()) <= kMaxGlyphPairs) {
            font_.Table()->StoreGlyph(code, commands);
            ParseFontFile(*font_.Table(), EncodeFontFile(*font_.Table()), 1, table.FontName());
        }
    }
    Layout();
}

void CTextPreview::SetClientSize(int width, int height) {
    width_ = std::max(width, kClientBorder + 1);
    height_ = std::max(height, kClientBorder + 1);
    Layout();
}

// One drawing unit to a pixel, y up, the origin kClientBorder / 2 pixels in from the bottom left.
VectorTextParams CTextPreview::Params(std::string_view text) const {
    const float h = settings_.height;
    VectorTextParams params;
    params.text = text;
    const float usable = static_cast<float>(height_ - kClientBorder);
    // The baseline sits so that the glyph square is in the middle of the height.
    params.origin = {h * 0.25f, std::max((usable - h) * 0.5f, 0.0f)};
    params.height = h;
    params.charWidth = h * kCharWidth;
    params.pitch = h * (settings_.proportional ? kProportionalGap : kFixedPitch);
    params.flags = settings_.proportional ? kTextProportional : 0;
    return params;
}

void CTextPreview::Layout() {
    const float w = static_cast<float>(std::max(width_ - kClientBorder, 1));
    const float h = static_cast<float>(std::max(height_ - kClientBorder, 1));
    paper_ = std::make_unique<CPaper>(0.0f, 0.0f, w, h, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f);
    paper_->SetFont(hasFont_ ? &font_ : nullptr);
    paper_->SetClientRect({0, 0, std::max(width_, 1), std::max(height_, 1)});
    // Character edges are measured by the renderer itself, so clicks agree with what is drawn
    // whatever the advance rules are. A character's advance does not depend on its neighbours;
    // each is measured behind a mark, since the renderer shows a lone blank as a dot.
    edges_.clear();
    const VectorTextParams whole = Params(oemText_);
    double edge = paper_->WorldToDevice(whole.origin).x;
    edges_.push_back(edge);
    if (!settings_.proportional) {
        for (std::size_t n = 1; n <= oemText_.size(); ++n) {
            edges_.push_back(edge + static_cast<double>(n) * whole.pitch);
        }
        return;
    }
    CVectorTextRenderer measure(*paper_, nullptr, false);
    auto rightOf = [&](const std::string& text) {
        return static_cast<double>(measure.Render(Params(text), {}).maxX);
    };
    const double mark = rightOf("X");
    edge += whole.pitch;  // the line's own gap before its first character
    for (const char c : oemText_) {
        edge += rightOf(std::string("X") + c) - mark;
        edges_.push_back(edge);
    }
}

void CTextPreview::Paint(IDrawContext& dc) {
    if (oemText_.empty()) {
        return;
    }
    CVectorTextRenderer renderer(*paper_, &dc, false);
    renderer.Render(Params(oemText_), VectorTextInk{});
}

int CTextPreview::CharacterAt(DevicePoint p) const {
    if (p.y < 0 || p.y >= height_) {
        return -1;
    }
    const auto after = std::upper_bound(edges_.begin(), edges_.end(), static_cast<double>(p.x));
    if (after == edges_.begin() || after == edges_.end()) {
        return -1;
    }
    const auto index = static_cast<std::size_t>(after - edges_.begin() - 1);
    const int code = static_cast<std::uint8_t>(oemText_[index]);
    // The blank cannot be edited, as the character table does not offer it.
    return code > 32 ? code : -1;
}

}  // namespace korvo
