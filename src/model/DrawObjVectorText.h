#pragma once

#include <cstdint>
#include <string>

#include "model/PenElement.h"
#include "model/VectorTextRenderer.h"

namespace korvo {

struct VectorTextInk;

// A line or block of text placed at a point: drawn from the glyphs of the font being edited, or
// as device text in a named system font. The text is kept in the font's own (OEM) code page, so
// it shows the characters the font's codes stand for.
class CDrawObjVectorText : public CPenElement {
public:
    static const CRuntimeClass kRuntimeClass;

    CDrawObjVectorText() = default;
    // Values in the order they are stored; the text is in the display code page, the angle in
    // degrees, the sizes in drawing units, the width in thousandths.
    CDrawObjVectorText(std::uint16_t style, std::uint16_t width, std::uint32_t color,
                       const std::string& text, float x, float y, float height, float relSize1,
                       float relSize2, float angle, std::uint16_t textFlags, float textValue,
                       std::int32_t fontNumber, const std::string& fontName, std::uint16_t level);

    const CRuntimeClass* GetRuntimeClass() const override { return &kRuntimeClass; }
    void Serialize(CArchive& ar) override;

    bool Draw(CPaper& paper, IDrawContext* dc, const CData* node) override;
    bool Print(CPaper& paper, IDrawContext* dc, const CData* node) override;

    // Text is always drawn solid.
    void SetStyle(std::uint16_t style) override;
    std::uint16_t GetStyle() const override { return 0; }

    void SetX1(float v) override { x_ = v; }
    float GetX1() const override { return x_; }
    void SetY1(float v) override { y_ = v; }
    float GetY1() const override { return y_; }
    // Degrees, kept in tenths.
    void SetAngle(float degrees) override;
    float GetAngle() const override { return angle_ * 0.1f; }

    void SetText(const std::string& text) override;
    std::string GetText() const override;
    void SetTextOem(const std::string& text) override { text_ = text; }
    std::string GetTextOem() const override { return text_; }
    void SetHeight(float height) override { height_ = height; }
    float GetHeight() const override { return height_; }
    // Sizes in drawing units, kept in percent of the height.
    void SetRelSize1(float value) override;
    float GetRelSize1() const override { return height_ * relSize1_ * 0.01f; }
    void SetRelSize2(float value) override;
    float GetRelSize2() const override { return height_ * relSize2_ * 0.01f; }
    void SetTextValue(float value) override { textValue_ = value; }
    float GetTextValue() const override { return textValue_; }
    std::uint16_t GetTextFlags() const override { return textFlags_; }
    void SetFont(std::int32_t number, const std::string& name) override;
    void GetFont(std::int32_t& number, std::string& name) const override;

    void MoveBack(float dx, float dy) override;
    void MoveBy(float dx, float dy) override;
    void Rotate(float cx, float cy, double angle) override;
    void Scale(float cx, float cy, double fx, double fy) override;

    virtual void SetTextFlags(std::uint16_t flags) { textFlags_ = flags; }

    // The stored encodings: percent of the height and tenths of a degree.
    std::int16_t GetRelSize1Percent() const { return relSize1_; }
    std::int16_t GetRelSize2Percent() const { return relSize2_; }
    std::int16_t GetAngleTenths() const { return angle_; }

    // The character table draws the same glyphs on every render: it lays each out once for a
    // font and draws it from that layout, exactly as Draw would with no node.
    CVectorTextRenderer::Layout LayOut(CPaper& paper);
    void DrawLaidOut(CPaper& paper, IDrawContext& dc, const CVectorTextRenderer::Layout& layout);

private:
    void FillCache();
    RectF Render(CPaper& paper, IDrawContext* dc, const VectorTextInk& ink, bool cull);
    // `shown` keeps the text the parameters point into.
    VectorTextParams Params(std::string& shown);

    std::int16_t relSize1_ = 0;
    std::int16_t relSize2_ = 0;
    std::int16_t angle_ = 0;
    std::string text_;
    float x_ = 0.0f;
    float y_ = 0.0f;
    float height_ = 0.0f;
    float textValue_ = 0.0f;
    std::uint16_t textFlags_ = 0;
    std::int32_t fontNumber_ = 0;
    std::string fontName_;
    // Filled on first use and kept in step by the setters and Rotate; the angle is kept exactly
    // here so that repeated rotations do not pile up the rounding to tenths.
    bool cacheValid_ = false;
    float relSize1Cache_ = 0.0f;
    float relSize2Cache_ = 0.0f;
    double angleRadians_ = 0.0;
};

}  // namespace korvo
