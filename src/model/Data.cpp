#include "model/Data.h"

#include "model/DataCollection.h"
#include "model/DrawObjCircle.h"
#include "model/DrawObjEllipse.h"
#include "model/DrawObjLine.h"
#include "model/DrawObjVectorText.h"
#include "model/DrawingClasses.h"
#include "platform/Archive.h"

namespace korvo {

const CRuntimeClass CData::kRuntimeClass{"CData", kSchema, true, &CreateInstance<CData>,
                                         &CObject::kRuntimeClass};

namespace {

std::uint16_t Thousandths(double units) {
    const double v = units * 1000.0 + 0.5;
    if (!(v > 0.0)) {
        return 0;
    }
    return v >= 65535.0 ? 65535 : static_cast<std::uint16_t>(v);
}

// Widths outside this range come from damaged or ancient drawings.
constexpr double kMinWidth = 0.01;
constexpr double kMaxWidth = 10.0;
constexpr std::uint16_t kRepairedWidth = 250;

}  // namespace

CData::CData() = default;
CData::CData(std::int32_t type) : type_(type) {}
CData::~CData() = default;

void CData::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.Write(type_);
        ar.WriteObject(element_.get());
        ar.WriteObject(children_.get());
        return;
    }
    type_ = ar.Read<std::int32_t>();
    const std::uint32_t schema = ar.GetObjectSchema();
    if (schema < 7) {
        ar.Read<std::int32_t>();  // a field these versions wrote and nothing ever read
    }
    if (schema < 8) {
        mark_ = ar.Read<std::uint16_t>();
    }
    element_ = ar.ReadObjectOf<CDrawObj>();
    children_ = ar.ReadObjectOf<CDataCollection>();
    if (children_) {
        children_->SetParentAll(this);
    }
    RepairWidth();
}

void CData::RepairWidth() {
    if (!element_) {
        return;
    }
    const double width = element_->GetWidth() * 0.001;
    if (width < kMinWidth || width > kMaxWidth) {
        element_->SetWidth(kRepairedWidth);
    }
}

std::unique_ptr<CData> CData::Clone() const {
    CArchive out;
    out.WriteObject(this);
    if (out.IsFailed()) {
        return nullptr;
    }
    CArchive in(out.Bytes(), DrawingClasses());
    return in.ReadObjectOf<CData>();
}

void CData::CreateLine(float x1, float y1, float x2, float y2, std::uint16_t style, float width,
                       std::uint32_t color, std::uint16_t level) {
    SetElement(
        std::make_unique<CDrawObjLine>(x1, y1, x2, y2, style, Thousandths(width), color, level));
}

void CData::CreateEllipse(float cx, float cy, float a, float b, float start, float end,
                          float rotation, std::uint16_t style, float width, std::uint32_t color,
                          std::uint16_t level) {
    SetElement(std::make_unique<CDrawObjEllipse>(cx, cy, a, b, start, end, rotation, style,
                                                 Thousandths(width), color, level));
}

void CData::CreateCircle(float cx, float cy, float r, std::uint16_t style, float width,
                         std::uint32_t color, std::uint32_t fillStyle, std::uint32_t fillColor,
                         std::uint32_t hatch, std::uint16_t level) {
    SetElement(std::make_unique<CDrawObjCircle>(cx, cy, r, style, Thousandths(width), color,
                                                fillStyle, fillColor, hatch, level));
}

void CData::CreateText(const std::string& text, float x, float y, float height, float relSize1,
                       float relSize2, float angle, std::uint16_t textFlags,
                       std::int32_t fontNumber, const std::string& fontName, float width,
                       std::uint32_t color, std::uint16_t level) {
    SetElement(std::make_unique<CDrawObjVectorText>(0, Thousandths(width), color, text, x, y,
                                                    height, relSize1, relSize2, angle, textFlags,
                                                    0.0f, fontNumber, fontName, level));
}

void CData::SetElement(std::unique_ptr<CDrawObj> element) {
    element_ = std::move(element);
}

void CData::SetChildren(std::unique_ptr<CDataCollection> children) {
    children_ = std::move(children);
    if (children_) {
        children_->SetParentAll(this);
    }
}

bool CData::HasChildren() const {
    return children_ != nullptr;
}

void CData::AddChild(std::unique_ptr<CData> node) {
    if (!children_) {
        SetChildren(std::make_unique<CDataCollection>());
    }
    children_->Add(std::move(node));
}

void CData::SetMark(std::uint16_t mark) {
    if (IsFloating()) {
        return;
    }
    mark_ = mark;
    if (children_) {
        children_->SetMarkAll(mark);
    }
}

void CData::ReplaceMark(std::uint16_t from, std::uint16_t to) {
    if (IsFloating()) {
        return;
    }
    if (mark_ == from) {
        mark_ = to;
    }
    if (children_) {
        children_->ReplaceMark(from, to);
    }
}

int CData::CountMark(std::uint16_t mark) const {
    if (IsFloating()) {
        return 0;
    }
    if (mark_ == mark) {
        return 1;
    }
    return children_ ? children_->CountMark(mark) : 0;
}

std::uint16_t CData::GetLevel() const {
    return element_ ? element_->GetLevel() : 65535;
}

void CData::SetLevel(std::uint16_t level) {
    if (element_) {
        element_->SetLevel(level);
    }
}

void CData::SetFactor(float factor) {
    if (element_) {
        element_->SetFactor(factor);
    }
}

std::uint16_t CData::GetStyle() const {
    return element_ ? element_->GetStyle() : 0;
}

std::uint32_t CData::GetColor() const {
    return element_ ? element_->GetColor() : 0;
}

double CData::GetWidth() const {
    return element_ ? element_->GetWidth() * 0.001 : 0.0;
}

void CData::SetWidth(double width, bool recursive) {
    if (element_) {
        element_->SetWidth(Thousandths(width));
    }
    if (recursive && children_) {
        children_->SetWidthAll(width);
    }
}

// The forwarding getters answer 0 for a node without an element, as the element base does for
// values it does not have.
#define KORVO_FORWARD_GET(Name)                                        \
    double CData::Name() const {                                       \
        return element_ ? static_cast<double>(element_->Name()) : 0.0; \
    }
#define KORVO_FORWARD_SET(Name) \
    void CData::Name(float v) { \
        if (element_) {         \
            element_->Name(v);  \
        }                       \
    }
KORVO_FORWARD_GET(GetX1)
KORVO_FORWARD_GET(GetY1)
KORVO_FORWARD_GET(GetX2)
KORVO_FORWARD_GET(GetY2)
KORVO_FORWARD_GET(GetRadius)
KORVO_FORWARD_GET(GetAngle)
KORVO_FORWARD_GET(GetStartAngle)
KORVO_FORWARD_GET(GetEndAngle)
KORVO_FORWARD_GET(GetAxisA)
KORVO_FORWARD_GET(GetAxisB)
KORVO_FORWARD_SET(SetX1)
KORVO_FORWARD_SET(SetY1)
KORVO_FORWARD_SET(SetX2)
KORVO_FORWARD_SET(SetY2)
KORVO_FORWARD_SET(SetRadius)
KORVO_FORWARD_SET(SetAngle)
KORVO_FORWARD_SET(SetStartAngle)
KORVO_FORWARD_SET(SetEndAngle)
KORVO_FORWARD_SET(SetAxisA)
KORVO_FORWARD_SET(SetAxisB)
#undef KORVO_FORWARD_GET
#undef KORVO_FORWARD_SET

std::string CData::GetText() const {
    return element_ ? element_->GetText() : std::string();
}

void CData::SetText(const std::string& text) {
    if (element_) {
        element_->SetText(text);
    }
}

bool CData::IsVisible() const {
    return !element_ || element_->IsVisible(this);
}

bool CData::Draw(CPaper& paper, IDrawContext* dc) {
    if (IsFloating()) {
        return true;
    }
    if (element_ && !element_->Draw(paper, dc, this)) {
        return false;
    }
    if (children_) {
        children_->Draw(paper, dc);
    }
    return true;
}

void CData::DrawFilteredInRect(CPaper& paper, IDrawContext* dc, const CData* except,
                               const RectF& rect, bool unmarkedOnly) {
    if (IsFloating() || !IsVisible() || this == except) {
        return;
    }
    if (unmarkedOnly && mark_ != kMarkNormal) {
        return;
    }
    if (element_ && element_->GetExtents(paper, this).Overlaps(rect)) {
        element_->Draw(paper, dc, this);
    }
    if (!children_) {
        return;
    }
    for (const auto& child : *children_) {
        child->DrawFilteredInRect(paper, dc, except, rect, unmarkedOnly);
    }
}

void CData::DrawInRect(CPaper& paper, IDrawContext* dc, const CData* except, const RectF& rect) {
    DrawFilteredInRect(paper, dc, except, rect, false);
}

void CData::DrawUnmarkedInRect(CPaper& paper, IDrawContext* dc, const RectF& rect) {
    DrawFilteredInRect(paper, dc, nullptr, rect, true);
}

void CData::Print(CPaper& paper, IDrawContext* dc) {
    if (IsFloating()) {
        return;
    }
    if (element_) {
        element_->Print(paper, dc, this);
    }
    if (children_) {
        children_->Print(paper, dc);
    }
}

RectF CData::GetExtents(CPaper& paper) {
    RectF extents = RectF::Empty();
    if (element_ && element_->IsVisible(this)) {
        extents.Include(element_->GetExtents(paper, this));
    }
    if (children_) {
        extents.Include(children_->GetExtents(paper));
    }
    return extents;
}

double CData::GetDistance(CPaper& paper, PointF p) {
    return element_ ? element_->GetDistance(paper, p, this) : -1.0;
}

void CData::MoveBy(float dx, float dy) {
    if (element_) {
        element_->MoveBy(dx, dy);
    }
    if (children_) {
        children_->MoveByAll(dx, dy);
    }
}

void CData::MoveBack(float dx, float dy) {
    if (element_) {
        element_->MoveBack(dx, dy);
    }
    if (children_) {
        children_->MoveBackAll(dx, dy);
    }
}

void CData::Rotate(float cx, float cy, double angle) {
    if (element_) {
        element_->Rotate(cx, cy, angle);
    }
    if (children_) {
        children_->RotateAll(cx, cy, angle);
    }
}

void CData::Scale(float cx, float cy, double fx, double fy) {
    if (element_) {
        element_->Scale(cx, cy, fx, fy);
    }
    if (children_) {
        children_->ScaleAll(cx, cy, fx, fy);
    }
}

bool CData::SnapNearestEndPoint(PointF& p) const {
    return element_ && element_->SnapNearestEndPoint(p);
}

bool CData::GetMidPoint(PointF& p) const {
    return element_ && element_->GetMidPoint(p);
}

bool CData::GetSnapPoint(PointF& p) const {
    return element_ && element_->GetSnapPoint(p);
}

}  // namespace korvo
