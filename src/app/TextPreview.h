#pragma once

#include <memory>
#include <string>
#include <vector>

#include "font/KorvoFont.h"
#include "model/VectorTextRenderer.h"
#include "platform/DrawContext.h"

namespace korvo {

class CKorvoFEDoc;
class CPaper;

// How the sample text is set.
struct TextPreviewSettings {
    std::string text;      // display (Windows-1252) characters; line breaks are ignored
    float height = 48.0f;  // text height in pixels
    bool proportional = true;
    // The drawing on the sheet stands in for the current character before it is stored.
    bool showDrawing = false;
};

// A line of sample text set in the font being edited, as the sheet's own text elements are set,
// one drawing unit to a pixel. It keeps a copy of the font, so what it shows changes only when it
// is told to take the document again, and it knows which character lies under a pixel.
class CTextPreview {
public:
    static constexpr const char* kDefaultText =
        "The quick brown fox jumps over the lazy dog 0123456789";
    // Glyph square width and character pitch, in text heights.
    static constexpr float kCharWidth = 1.0f;
    static constexpr float kFixedPitch = 0.6f;
    static constexpr float kProportionalGap = 0.08f;

    CTextPreview();
    ~CTextPreview();
    CTextPreview(const CTextPreview&) = delete;
    CTextPreview& operator=(const CTextPreview&) = delete;

    void SetSettings(const TextPreviewSettings& settings);
    const TextPreviewSettings& Settings() const { return settings_; }
    // Copies the document's font, with the drawing as the current character when asked; null
    // shows the text without glyphs.
    void TakeDocument(const CKorvoFEDoc* document);
    void SetClientSize(int width, int height);

    // The text's strokes in black; the caller has filled the background.
    void Paint(IDrawContext& dc);
    // The character code under a client pixel, or -1 (between characters, blanks, outside).
    int CharacterAt(DevicePoint p) const;
    // Where each character starts along the line, in pixels from the client's left, and where
    // the last one ends.
    const std::vector<double>& CellEdges() const { return edges_; }

private:
    VectorTextParams Params(std::string_view text) const;
    void Layout();

    TextPreviewSettings settings_;
    std::string oemText_;
    CKorvoFont font_;
    bool hasFont_ = false;
    std::unique_ptr<CPaper> paper_;
    int width_ = 0;
    int height_ = 0;
    std::vector<double> edges_;
};

}  // namespace korvo
