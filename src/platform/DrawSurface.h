#pragma once

#include "platform/DrawContext.h"

namespace korvo {

// Something of a fixed pixel size that can be drawn on and copied from: the view's back buffer,
// the window it is copied to, or an image in tests. The editor's surfaces are images; the tests
// may record instead.
class IDrawSurface {
public:
    virtual ~IDrawSurface() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // The context that draws on this surface; it lives as long as the surface.
    virtual IDrawContext& Context() = 0;
    // Copies `rect` of `source` to the same place on this surface, replacing what was there (a
    // plain source copy, clipped to both surfaces). False when the two kinds of surface cannot
    // be copied between.
    virtual bool CopyFrom(const IDrawSurface& source, const DeviceRect& rect) = 0;
};

}  // namespace korvo
