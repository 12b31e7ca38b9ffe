#pragma once

#include <memory>
#include <optional>
#include <variant>

#include "geometry/RectF.h"
#include "platform/DrawContext.h"
#include "platform/Message.h"
#include "view/DirtyArea.h"

namespace korvo {

class CBackgroundLayer;
class CData;
class CDataCollection;
class CKorvoFEView;
class IDrawSurface;
class IViewHost;

// What an update hint may carry: nothing, a world rectangle (3003) or a screen rectangle (3004).
using UpdateArea = std::variant<std::monostate, RectF, DeviceRect>;

// The back-buffer pipeline of one view: what of the drawing is stale, the redraw batches that
// gather changes into one render and one repaint, the renders themselves (whole, or clipped to a
// world rectangle, over the cached background layer) and the copy to the window. The view's
// mapping and paper are asked from the view, which owns the pipeline.
class CRenderPipeline {
public:
    CRenderPipeline(CKorvoFEView& view, IViewHost& host);
    ~CRenderPipeline();
    CRenderPipeline(const CRenderPipeline&) = delete;
    CRenderPipeline& operator=(const CRenderPipeline&) = delete;

    // --- redraw batches --------------------------------------------------------------------
    void BeginBatch() { ++batchDepth_; }
    // A world rectangle to re-render (and its pixels to repaint); none marks everything.
    void AddWorldRect(const std::optional<RectF>& rect);
    // Pixels to repaint without re-rendering; none marks the whole client area.
    void AddScreenRect(const std::optional<DeviceRect>& rect);
    // Closing the outermost batch hands what it gathered on as update hints, unless `deliver`
    // is false (the view is going away), in which case it is dropped.
    void EndBatch(bool deliver);
    int BatchDepth() const { return batchDepth_; }
    void OnUpdate(int hint, const UpdateArea& area = {});

    // --- rendering ---------------------------------------------------------------------------
    // Renders everything (none) or a world rectangle into the back buffer.
    void Render(const std::optional<RectF>& rect);
    // Re-renders everything at once and asks for a repaint.
    void RenderNow();
    void DrawNode(CData& node);
    void DrawCollection(CDataCollection& collection);
    // Brings the back buffer up to date with what is stale, as the start of a paint.
    void RenderStale();
    // Copies the back buffer to the window, all of it or one rectangle.
    void Blit(IDrawSurface& window, const std::optional<DeviceRect>& rect = std::nullopt);
    // The paint is over: a forced render was one paint's worth.
    void EndPaint() { forced_ = false; }

    IDrawSurface* BackBuffer() const { return backBuffer_.get(); }
    const DirtyArea<RectF>& StaleArea() const { return stale_; }
    bool IsForced() const { return forced_; }
    int BackgroundRenders() const;

private:
    bool PrepareBackBuffer();
    void FullRender();
    void PartialRender(RectF rect);
    void ShowError(FixedText text) const;

    CKorvoFEView& view_;
    IViewHost& host_;
    std::unique_ptr<IDrawSurface> backBuffer_;
    std::unique_ptr<CBackgroundLayer> background_;
    // Stale in the back buffer, rendered by the next paint.
    DirtyArea<RectF> stale_;
    // The document's drawing changed behind the view's back: the next paint renders it all
    // even when nothing else is stale.
    bool forced_ = false;

    int batchDepth_ = 0;
    DirtyArea<RectF> batchWorld_;
    DirtyArea<DeviceRect> batchScreen_;
};

}  // namespace korvo
