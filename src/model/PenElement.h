#pragma once

#include <cstdint>

#include "model/DrawObj.h"

namespace korvo {

// An element drawn with a pen: style, width and colour, the cached pen-table index they map to,
// and the cached extents its last Draw computed.
class CPenElement : public CDrawObj {
public:
    void SetStyle(std::uint16_t style) override;
    std::uint16_t GetStyle() const override { return style_; }
    void SetWidth(std::uint16_t width) override;
    std::uint16_t GetWidth() const override { return width_; }
    void SetColor(std::uint32_t color) override;
    std::uint32_t GetColor() const override { return color_; }
    // The cached extents, computed by a Draw without a device when they are empty.
    RectF GetExtents(CPaper& paper, const CData* node) override;
    void CreatePens(CPaper& paper) override;

protected:
    CPenElement() = default;
    CPenElement(std::uint16_t style, std::uint16_t width, std::uint32_t color, std::uint16_t level);

    // Looks the pens up again when an attribute changed since the last draw.
    void EnsurePens(CPaper& paper);
    virtual bool PensValid() const { return penIndex_ != -1; }
    void InvalidatePen() { penIndex_ = -1; }
    // After a move, turn or scale the cached extents no longer fit; the next GetExtents draws
    // without a device to find them again, so culling and grips never use stale ones.
    void InvalidateExtents() { extents_ = RectF::Empty(); }
    // Style, width and colour in the order every element stores them.
    void SerializePen(CArchive& ar);

    std::uint16_t style_ = 0;
    std::uint16_t width_ = 0;
    std::uint32_t color_ = 0;
    int penIndex_ = -1;
    RectF extents_;
};

// A closed element: a pen for the outline and a brush (style, colour, hatch) for the inside.
class CFilledElement : public CPenElement {
public:
    void SetFillStyle(std::uint32_t v) override;
    std::uint32_t GetFillStyle() const override { return fillStyle_; }
    void SetFillColor(std::uint32_t v) override;
    std::uint32_t GetFillColor() const override { return fillColor_; }
    void SetFillHatch(std::uint32_t v) override;
    std::uint32_t GetFillHatch() const override { return fillHatch_; }
    void CreatePens(CPaper& paper) override;

protected:
    CFilledElement() = default;
    CFilledElement(std::uint16_t style, std::uint16_t width, std::uint32_t color,
                   std::uint32_t fillStyle, std::uint32_t fillColor, std::uint32_t fillHatch,
                   std::uint16_t level);

    bool PensValid() const override { return penIndex_ != -1 && brushIndex_ != -1; }
    // Fill style, colour and hatch in the order every element stores them.
    void SerializeFill(CArchive& ar);

    std::uint32_t fillStyle_ = 0;
    std::uint32_t fillColor_ = 0;
    std::uint32_t fillHatch_ = 0;
    int brushIndex_ = -1;
};

}  // namespace korvo
