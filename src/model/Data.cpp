#include "model/Data.h"

namespace korvo {

CData::~CData() = default;

void CData::SetMark(std::uint16_t mark) {
    if (!IsFloating()) {
        mark_ = mark;
    }
}

void CData::SetElement(std::unique_ptr<CDrawObj> element) {
    element_ = std::move(element);
}

bool CData::IsVisible() const {
    return !element_ || element_->IsVisible(this);
}

std::uint16_t CData::GetLevel() const {
    return element_ ? element_->GetLevel() : 65535;
}

bool CData::Draw(CPaper& paper, IDrawContext* dc) {
    if (IsFloating()) {
        return true;
    }
    return !element_ || element_->Draw(paper, dc, this);
}

double CData::GetDistance(CPaper& paper, PointF p) {
    return element_ ? element_->GetDistance(paper, p, this) : -1.0;
}

}  // namespace korvo
