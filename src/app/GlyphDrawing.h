#pragma once

#include <cstdint>
#include <vector>

#include "font/GlyphCommand.h"

namespace korvo {

class CData;
class CFontTable;
class CPaper;
class IDocumentHost;

// Elements on this level are construction aids: they are never stored into a glyph, converted
// or trimmed.
inline constexpr std::uint16_t kConstructionLevel = 20;

// Which elements CollectAreaElements gathers.
enum AreaElements : int { kAreaLinesAndPoints = 0, kAreaLines = 1, kAreaPoints = 2 };

// The translation between a glyph drawing on the sheet and a glyph's command stream, with the
// preparation that makes a drawing storable: curves become chains of lines, lines are clipped at
// the drawing area, and a drawing over the 255-pair limit is refused with a message rather than
// stored in part.
class CGlyphDrawing {
public:
    CGlyphDrawing(CPaper& paper, IDocumentHost& host, int& lineCount);

    // 1 stored, 0 not stored (no owning table, too many pairs, or a refused conversion).
    int EncodeGlyph(CFontTable* table, int code);
    // Adds the glyph's lines and points to the sheet; 1 done (also for an empty stream), 0 when
    // there is no table or no stream.
    int DecodeGlyph(const CFontTable* table, int code);
    int CollectAreaElements(std::vector<CData*>& list, int mode) const;
    static int CountNeededPairs(const std::vector<CData*>& list);
    // Curves become chains of lines and polygons their outlines (only the selected ones when
    // any is selected): 1 when anything was converted, 0 when there was nothing or the user
    // cancelled.
    int ConvertArcsToLines();
    // 1 when a line was clipped; with `ask` the user is asked once before the first one.
    int TrimLinesToArea(int ask);
    // Appends to the sheet the chain of `points - 1` lines that follows the arc (angles in
    // degrees); fewer than one point makes nothing.
    void ArcToLines(float cx, float cy, float rx, float ry, float rotation, float start, float end,
                    std::uint16_t style, float width, std::uint32_t color, std::uint16_t level,
                    int points);
    static bool IsInDrawingArea(double x, double y);
    // The commands the drawing would be stored as, as it stands: nothing is converted, trimmed
    // or asked, so curves and the parts of lines outside the area are left out.
    std::vector<GlyphCommand> CommandsAsDrawn() const;

    // Set when EncodeGlyph stored a glyph; the document takes it as its modified flag.
    bool StoredSomething() const { return stored_; }

private:
    enum class Conversion { kNone, kConverted, kRefused };
    Conversion ConvertCurves(bool onlyMarked);
    // Replaces polygons by their outlines; true when there was any.
    bool ConvertPolygons(bool onlyMarked);
    std::vector<CData*> PolygonsOnSheet() const;
    void ReportTooMany(int needed) const;

    CPaper& paper_;
    IDocumentHost& host_;
    int& lineCount_;
    bool stored_ = false;
};

}  // namespace korvo
