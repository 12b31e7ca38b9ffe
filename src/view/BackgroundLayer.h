#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "geometry/PlaneGeometry.h"
#include "platform/DrawContext.h"

namespace korvo {

class CDrawRecording;
class CPaper;
struct TableGlyphLayouts;
class IDrawSurface;
class IViewHost;

// The sheet's background (fill, frame, grids, character table, help lines) rendered once per
// mapping and reused: drawing the character table of a dense font costs far more than copying
// pixels, and it only changes when the mapping, the sheet's settings or the font change. Every
// render compares a fingerprint of all of those with the one the layer was drawn for.
class CBackgroundLayer {
public:
    explicit CBackgroundLayer(IViewHost& host);
    ~CBackgroundLayer();
    CBackgroundLayer(const CBackgroundLayer&) = delete;
    CBackgroundLayer& operator=(const CBackgroundLayer&) = delete;

    // Puts the background of `paper`, at its current mapping, into `area` of `target`. Without a
    // layer surface (the host could not make one) it draws directly, clipped to `area`.
    void PaintInto(IDrawSurface& target, const DeviceRect& area, CPaper& paper);
    // Forgets the layer; the next paint draws it anew.
    void Invalidate();
    // How often the background was drawn (not copied) so far.
    int Renders() const { return renders_; }

private:
    struct Fingerprint {
        const CPaper* paper = nullptr;
        const void* font = nullptr;
        std::uint64_t fontContent = 0;
        DevicePoint client;
        double zoom = 0.0;
        PointF windowOrigin;
        PointF windowSize;
        PointF grid;
        PointF gridOrigin;
        PointF crossGrid;
        std::array<float, 7> helpLines{};
        std::array<bool, 7> helpLinesShown{};
        bool showGrid = false;
        bool showTable = false;
        bool styled = false;
        ColorRef background = 0;
        friend bool operator==(const Fingerprint&, const Fingerprint&) = default;
    };

    // A character table as drawn for one mapping of one font.
    struct TableRecording {
        Fingerprint key;
        std::unique_ptr<CDrawRecording> calls;
    };

    static Fingerprint FingerprintOf(const CPaper& paper, DevicePoint client);
    // What of a fingerprint the character table depends on.
    static Fingerprint TableKeyOf(Fingerprint f);
    void Draw(IDrawContext& dc, const DeviceRect& area, CPaper& paper, const Fingerprint& now);
    void PaintTable(IDrawContext& dc, CPaper& paper, const Fingerprint& now);

    IViewHost& host_;
    // The tables of the last few mappings, newest first: a wheel notch in and one back out, or a
    // new grid, draws the table again from the calls it made last time.
    std::vector<TableRecording> tables_;
    // The glyphs of the table laid out for the font of `glyphsFor_` (its font and content).
    std::unique_ptr<TableGlyphLayouts> glyphs_;
    Fingerprint glyphsFor_;
    std::unique_ptr<IDrawSurface> surface_;
    Fingerprint drawnFor_;
    bool valid_ = false;
    int renders_ = 0;
};

}  // namespace korvo
