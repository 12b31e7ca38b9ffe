#pragma once

#include <optional>

#include "geometry/RectF.h"
#include "platform/DrawContext.h"

namespace korvo {

class CData;
class CDataCollection;
class CKorvoFEView;

// A scoped redraw request that tools and view commands open around every change. Batches nest;
// when the outermost one closes, the view re-renders the marked part of the drawing and repaints
// the marked part of the screen once.
class CRedrawBatch {
public:
    explicit CRedrawBatch(CKorvoFEView& view);
    ~CRedrawBatch();
    CRedrawBatch(const CRedrawBatch&) = delete;
    CRedrawBatch& operator=(const CRedrawBatch&) = delete;

    // Marks a world rectangle (and its screen pixels) for re-rendering; none marks everything.
    void AddWorldRect(std::optional<RectF> rect = std::nullopt);
    // Marks screen pixels for repainting without re-rendering; none marks the whole client area.
    void AddScreenRect(std::optional<DeviceRect> rect = std::nullopt);
    // Draws a node or a collection into the back buffer right away.
    void DrawNode(CData& node);
    void DrawCollection(CDataCollection& collection);

    CKorvoFEView& View() const { return view_; }

private:
    CKorvoFEView& view_;
};

}  // namespace korvo
