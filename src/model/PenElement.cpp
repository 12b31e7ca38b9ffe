#include "model/PenElement.h"

#include "model/Paper.h"
#include "platform/Archive.h"

namespace korvo {

CPenElement::CPenElement(std::uint16_t style, std::uint16_t width, std::uint32_t color,
                         std::uint16_t level)
    : CDrawObj(level), style_(style), width_(width), color_(color) {}

void CPenElement::SetStyle(std::uint16_t style) {
    style_ = style;
    InvalidatePen();
}

void CPenElement::SetWidth(std::uint16_t width) {
    width_ = width;
    InvalidatePen();
}

void CPenElement::SetColor(std::uint32_t color) {
    color_ = color;
    InvalidatePen();
}

RectF CPenElement::GetExtents(CPaper& paper, const CData* node) {
    if (!extents_.IsValid()) {
        Draw(paper, nullptr, node);
    }
    return extents_;
}

void CPenElement::CreatePens(CPaper& paper) {
    penIndex_ = paper.FindPen(style_, width_, color_);
}

void CPenElement::EnsurePens(CPaper& paper) {
    if (!PensValid()) {
        CreatePens(paper);
    }
}

void CPenElement::SerializePen(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.Write(style_);
        ar.Write(width_);
        ar.Write(color_);
    } else {
        style_ = ar.Read<std::uint16_t>();
        width_ = ar.Read<std::uint16_t>();
        color_ = ar.Read<std::uint32_t>();
    }
}

CFilledElement::CFilledElement(std::uint16_t style, std::uint16_t width, std::uint32_t color,
                               std::uint32_t fillStyle, std::uint32_t fillColor,
                               std::uint32_t fillHatch, std::uint16_t level)
    : CPenElement(style, width, color, level),
      fillStyle_(fillStyle),
      fillColor_(fillColor),
      fillHatch_(fillHatch) {}

void CFilledElement::SetFillStyle(std::uint32_t v) {
    fillStyle_ = v;
    brushIndex_ = -1;
}

void CFilledElement::SetFillColor(std::uint32_t v) {
    fillColor_ = v;
    brushIndex_ = -1;
}

void CFilledElement::SetFillHatch(std::uint32_t v) {
    fillHatch_ = v;
    brushIndex_ = -1;
}

void CFilledElement::CreatePens(CPaper& paper) {
    CPenElement::CreatePens(paper);
    brushIndex_ = paper.FindBrush(fillStyle_, fillColor_, fillHatch_);
}

void CFilledElement::SerializeFill(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.Write(fillStyle_);
        ar.Write(fillColor_);
        ar.Write(fillHatch_);
    } else {
        fillStyle_ = ar.Read<std::uint32_t>();
        fillColor_ = ar.Read<std::uint32_t>();
        fillHatch_ = ar.Read<std::uint32_t>();
    }
}

}  // namespace korvo
