#include "model/DrawObj.h"

#include "model/Data.h"
#include "platform/Archive.h"
#include "platform/DrawContext.h"

namespace korvo {

bool g_bStyledDrawing = false;

const CRuntimeClass CDrawObj::kRuntimeClass{"CDrawObj", kSchema, true, nullptr,
                                            &CObject::kRuntimeClass};

void CDrawObj::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.Write(level_);
        ar.Write(factor_);
    } else {
        level_ = ar.Read<std::uint16_t>();
        factor_ = ar.Read<float>();
    }
}

bool CDrawObj::Draw(CPaper&, IDrawContext*, const CData* node) {
    return IsVisible(node);
}

bool CDrawObj::IsVisible(const CData*) const {
    return level_ <= kMaxVisibleLevel;
}

bool CDrawObj::Print(CPaper&, IDrawContext* dc, const CData* node) {
    return IsVisible(node) && (dc == nullptr || dc->IsPrinter());
}

RectF CDrawObj::GetExtents(CPaper&, const CData*) {
    return RectF::Empty();
}

void CDrawObj::GetFont(std::int32_t& number, std::string& name) const {
    number = 0;
    name.clear();
}

double CDrawObj::GetDistance(CPaper&, PointF, const CData*) {
    return -1.0;
}

int CDrawObj::MarkOf(const CData* node) {
    return node != nullptr ? node->GetMark() : kMarkNormal;
}

}  // namespace korvo
