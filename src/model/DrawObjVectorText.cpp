#include "model/DrawObjVectorText.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>
#include <string_view>

#include "model/Paper.h"
#include "model/StyledStroke.h"
#include "model/VectorTextRenderer.h"
#include "platform/Archive.h"
#include "resources/CodePages.h"

namespace korvo {

const CRuntimeClass CDrawObjVectorText::kRuntimeClass{"CDrawObjVectorText", kSchema, true,
                                                      &CreateInstance<CDrawObjVectorText>,
                                                      &CDrawObj::kRuntimeClass};

namespace {

// Adds a half and truncates towards zero, which rounds positive values and pulls negative ones
// up (-45.0 degrees is stored as -449 tenths): these are archive bytes, and the clipboard only
// carries drawings between programs when every one of them encodes alike. Keeps the low 16 bits;
// values no integer can hold (an angle or a size gone wild) give 0 instead of undefined behaviour.
std::int16_t ToInt16(double value) {
    const double rounded = std::trunc(value + 0.5);
    if (!std::isfinite(rounded) || std::fabs(rounded) >= 2147483647.0) {
        return 0;
    }
    return static_cast<std::int16_t>(static_cast<std::int32_t>(rounded));
}

double TenthsToRadians(std::int16_t tenths) {
    return tenths * 0.1 * kPi / 180.0;
}

// The text element's strings carry their length in one byte below 255, else 0xFF and 16 bits
// below 0xFFFF, else 0xFF, 0xFFFF and 32 bits. The archive's own string form differs at 0xFFFE,
// which it reserves, so the element writes and reads its strings itself.
void WriteTextString(CArchive& ar, std::string_view text) {
    const std::size_t length =
        std::min<std::size_t>(text.size(), std::numeric_limits<std::uint32_t>::max());
    if (length < 0xFF) {
        ar.Write(static_cast<std::uint8_t>(length));
    } else if (length < 0xFFFF) {
        ar.Write(std::uint8_t{0xFF});
        ar.Write(static_cast<std::uint16_t>(length));
    } else {
        ar.Write(std::uint8_t{0xFF});
        ar.Write(std::uint16_t{0xFFFF});
        ar.Write(static_cast<std::uint32_t>(length));
    }
    ar.WriteBytes(
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(text.data()), length));
}

std::string ReadTextString(CArchive& ar) {
    std::uint32_t length = ar.Read<std::uint8_t>();
    if (length == 0xFF) {
        length = ar.Read<std::uint16_t>();
        if (length == 0xFFFF) {
            length = ar.Read<std::uint32_t>();
        }
    }
    // A damaged length must not reserve memory the archive cannot fill.
    if (ar.IsFailed() || length > ar.Remaining()) {
        ar.Fail("archive ends inside a text");
        return {};
    }
    std::string text(length, '\0');
    ar.ReadBytes(std::span<std::uint8_t>(reinterpret_cast<std::uint8_t*>(text.data()), length));
    return text;
}

}  // namespace

CDrawObjVectorText::CDrawObjVectorText(std::uint16_t style, std::uint16_t width,
                                       std::uint32_t color, const std::string& text, float x,
                                       float y, float height, float relSize1, float relSize2,
                                       float angle, std::uint16_t textFlags, float textValue,
                                       std::int32_t fontNumber, const std::string& fontName,
                                       std::uint16_t level)
    : CPenElement(style, width, color, level), textFlags_(textFlags) {
    SetStyle(style);
    SetText(text);
    SetX1(x);
    SetY1(y);
    SetAngle(angle);
    SetHeight(height);  // before the sizes, which are kept relative to it
    SetRelSize1(relSize1);
    SetRelSize2(relSize2);
    SetTextValue(textValue);
    SetFont(fontNumber, fontName);
}

void CDrawObjVectorText::Serialize(CArchive& ar) {
    CDrawObj::Serialize(ar);
    SerializePen(ar);
    if (ar.IsStoring()) {
        WriteTextString(ar, text_);
        ar.Write(x_);
        ar.Write(y_);
        ar.Write(height_);
        ar.Write(relSize1_);
        ar.Write(relSize2_);
        ar.Write(angle_);
        ar.Write(textFlags_);
        ar.Write(textValue_);
        ar.Write(fontNumber_);
        WriteTextString(ar, fontName_);
        return;
    }
    text_ = ReadTextString(ar);
    x_ = ar.Read<float>();
    y_ = ar.Read<float>();
    height_ = ar.Read<float>();
    relSize1_ = ar.Read<std::int16_t>();
    relSize2_ = ar.Read<std::int16_t>();
    angle_ = ar.Read<std::int16_t>();
    textFlags_ = ar.Read<std::uint16_t>();
    textValue_ = ar.Read<float>();
    fontNumber_ = ar.Read<std::int32_t>();
    fontName_ = ReadTextString(ar);
    cacheValid_ = false;
    extents_ = RectF::Empty();
}

bool CDrawObjVectorText::Draw(CPaper& paper, IDrawContext* dc, const CData* node) {
    EnsurePens(paper);
    if (!IsVisible(node)) {
        return false;
    }
    const MarkPen choice = ChooseMarkPen(paper, MarkOf(node), penIndex_, color_);
    if (!choice.draw) {
        return true;
    }
    const VectorTextInk ink{choice.pen, choice.color, g_bStyledDrawing, width_};
    extents_ = Render(paper, dc, ink, true);
    return true;
}

bool CDrawObjVectorText::Print(CPaper& paper, IDrawContext* dc, const CData* node) {
    EnsurePens(paper);
    if (!CDrawObj::Print(paper, dc, node)) {
        return false;
    }
    if (dc != nullptr) {
        // Paper shows the element as it is, in its own colour and width, whatever is selected.
        Render(paper, dc, VectorTextInk{Pen{}, color_, true, width_}, false);
    }
    return true;
}

CVectorTextRenderer::Layout CDrawObjVectorText::LayOut(CPaper& paper) {
    std::string shown;
    CVectorTextRenderer renderer(paper, nullptr);
    return renderer.LayOut(Params(shown));
}

void CDrawObjVectorText::DrawLaidOut(CPaper& paper, IDrawContext& dc,
                                     const CVectorTextRenderer::Layout& layout) {
    EnsurePens(paper);
    if (!IsVisible(nullptr)) {
        return;
    }
    const MarkPen choice = ChooseMarkPen(paper, MarkOf(nullptr), penIndex_, color_);
    if (!choice.draw) {
        return;
    }
    CVectorTextRenderer renderer(paper, &dc, true);
    renderer.Draw(layout, VectorTextInk{choice.pen, choice.color, g_bStyledDrawing, width_});
    extents_ = layout.bounds;
}

RectF CDrawObjVectorText::Render(CPaper& paper, IDrawContext* dc, const VectorTextInk& ink,
                                 bool cull) {
    std::string shown;
    const VectorTextParams params = Params(shown);
    CVectorTextRenderer renderer(paper, dc, cull);
    return renderer.Render(params, ink);
}

VectorTextParams CDrawObjVectorText::Params(std::string& shown) {
    if (!cacheValid_) {
        FillCache();
    }
    // The vector font draws the font's own codes; a system font draws display characters.
    shown = fontNumber_ != 0 ? GetText() : std::string();
    VectorTextParams params;
    params.text = fontNumber_ != 0 ? std::string_view(shown) : std::string_view(text_);
    params.origin = {x_, y_};
    params.angle = angle_ * 0.1f * 3.1415927f * 0.0055555557f;
    params.height = height_;
    params.charWidth = height_ * relSize1Cache_ * 0.01f;
    params.pitch = height_ * relSize2Cache_ * 0.01f;
    params.flags = textFlags_;
    params.textValue = textValue_;
    params.fontNumber = fontNumber_;
    params.fontName = fontName_;
    return params;
}

void CDrawObjVectorText::SetStyle(std::uint16_t) {
    CPenElement::SetStyle(0);
}

void CDrawObjVectorText::SetAngle(float degrees) {
    angle_ = ToInt16(static_cast<double>(degrees) * 10.0);
    angleRadians_ = TenthsToRadians(angle_);
}

void CDrawObjVectorText::SetText(const std::string& text) {
    text_ = AnsiToOem(text);
}

std::string CDrawObjVectorText::GetText() const {
    return OemToAnsi(text_);
}

void CDrawObjVectorText::SetRelSize1(float value) {
    relSize1_ = ToInt16(static_cast<double>(value) * 100.0 / height_);
    relSize1Cache_ = relSize1_;
}

void CDrawObjVectorText::SetRelSize2(float value) {
    relSize2_ = ToInt16(static_cast<double>(value) * 100.0 / height_);
    relSize2Cache_ = relSize2_;
}

void CDrawObjVectorText::SetFont(std::int32_t number, const std::string& name) {
    fontNumber_ = number;
    fontName_ = name;
}

void CDrawObjVectorText::GetFont(std::int32_t& number, std::string& name) const {
    number = fontNumber_;
    name = fontName_;
}

void CDrawObjVectorText::MoveBack(float dx, float dy) {
    InvalidateExtents();
    x_ -= dx;
    y_ -= dy;
}

void CDrawObjVectorText::MoveBy(float dx, float dy) {
    InvalidateExtents();
    x_ += dx;
    y_ += dy;
}

void CDrawObjVectorText::Rotate(float cx, float cy, double angle) {
    InvalidateExtents();
    RotatePointF(x_, y_, cx, cy, angle);
    if (!cacheValid_) {
        FillCache();
    }
    angleRadians_ += angle;
    if (angleRadians_ < 0.0) {
        angleRadians_ += kTwoPi;
    }
    if (angleRadians_ >= 6.283184307179586) {  // a hair below a full turn: 360.0 reads as 0
        angleRadians_ -= kTwoPi;
    }
    angle_ = ToInt16(angleRadians_ * 180.0 * 0.3183098861837907 * 10.0);
}

// The height follows the vertical factor and the character width and pitch the horizontal one,
// so a text stretched sideways gets wider characters. A mirroring factor moves the placement
// point but never turns the writing into mirror writing.
void CDrawObjVectorText::Scale(float cx, float cy, double fx, double fy) {
    InvalidateExtents();
    ScalePointF(x_, y_, cx, cy, fx, fy);
    const double charWidth = GetRelSize1() * std::fabs(fx);
    const double pitch = GetRelSize2() * std::fabs(fx);
    height_ = static_cast<float>(height_ * std::fabs(fy));
    SetRelSize1(static_cast<float>(charWidth));
    SetRelSize2(static_cast<float>(pitch));
}

void CDrawObjVectorText::FillCache() {
    relSize1Cache_ = relSize1_;
    relSize2Cache_ = relSize2_;
    angleRadians_ = TenthsToRadians(angle_);
    cacheValid_ = true;
}

}  // namespace korvo
