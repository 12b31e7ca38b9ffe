#include "tools/TrackerSet.h"

#include <cmath>

#include "model/Data.h"
#include "model/DataCollection.h"
#include "model/Paper.h"

namespace korvo {

namespace {

// A side that keeps its direction (a drag past the opposite side mirrors nothing) and never gets
// shorter than `minimum`.
double KeepSide(double wanted, double original, double minimum) {
    return original > 0.0 ? std::max(wanted, minimum) : std::min(wanted, -minimum);
}

RectF FullEllipseExtents(const CData& node) {
    const double a = node.GetAxisA();
    const double b = node.GetAxisB();
    const double t = DegToRad(node.GetAngle());
    const double c = std::cos(t);
    const double s = std::sin(t);
    const auto halfWidth = static_cast<float>(std::sqrt(a * a * c * c + b * b * s * s));
    const auto halfHeight = static_cast<float>(std::sqrt(a * a * s * s + b * b * c * c));
    const auto x = static_cast<float>(node.GetX1());
    const auto y = static_cast<float>(node.GetY1());
    return RectF{x - halfWidth, y - halfHeight, x + halfWidth, y + halfHeight};
}

// Widens [lo, hi] about its middle to at least `span`.
void Widen(float& lo, float& hi, float span) {
    if (hi - lo >= span) {
        return;
    }
    const float mid = (lo + hi) / 2.0f;
    lo = mid - span / 2.0f;
    hi = mid + span / 2.0f;
}

}  // namespace

void CTrackerSet::Clear() {
    nodes_.clear();
    roots_.clear();
    single_ = nullptr;
    count_ = 0;
    extents_ = RectF::Empty();
    centreMoved_ = false;
    angle_ = 0.0;
    mode_ = Mode::Resize;
    subMode_ = 3;
    layout_ = Layout::None;
    grips_.clear();
    grabbed_ = 0;
    live_ = false;
}

void CTrackerSet::Build(CPaper& paper, bool grips) {
    const std::vector<CData*> previous = std::move(roots_);
    nodes_.clear();
    roots_.clear();
    single_ = nullptr;
    count_ = 0;
    grips_.clear();
    layout_ = Layout::None;
    angle_ = 0.0;
    grabbed_ = 0;
    live_ = false;
    for (CData* node : *paper.GetCollection()) {
        Gather(*node, false);
    }
    if (roots_ != previous || count_ == 0) {
        centreMoved_ = false;
    }
    if (count_ == 0) {
        extents_ = RectF::Empty();
        return;
    }
    ComputeExtents(paper);
    if (grips) {
        LayOut();
    }
}

void CTrackerSet::Gather(CData& node, bool inSelectedGroup) {
    const bool selected = inSelectedGroup || node.GetMark() != kMarkNormal;
    if (selected) {
        nodes_.push_back(&node);
        if (!inSelectedGroup) {
            roots_.push_back(&node);
        }
        if (node.GetElement() != nullptr) {
            ++count_;
            single_ = &node;
        }
    }
    if (CDataCollection* children = node.GetChildren()) {
        for (CData* child : *children) {
            Gather(*child, selected);
        }
    }
}

RectF CTrackerSet::RootExtents(CPaper& paper) const {
    RectF r;
    for (CData* root : roots_) {
        r.Include(root->GetExtents(paper));
    }
    return r;
}

void CTrackerSet::ComputeExtents(CPaper& paper) {
    RectF r = count_ == 1 && single_->GetType() == kNodeEllipse ? FullEllipseExtents(*single_)
                                                                : RootExtents(paper);
    if (!r.IsValid()) {
        extents_ = r;
        subMode_ = 3;
        return;
    }
    constexpr float kFlat = 1e-6f;
    const bool wide = r.maxX - r.minX >= kFlat;
    const bool high = r.maxY - r.minY >= kFlat;
    subMode_ = wide ? (high ? 0 : 1) : (high ? 2 : 3);
    const auto span = static_cast<float>(paper.DeviceLengthToWorld(kMinSpanPixels));
    Widen(r.minX, r.maxX, span);
    Widen(r.minY, r.maxY, span);
    extents_ = r;
    if (!centreMoved_) {
        const PointF mid{(r.minX + r.maxX) / 2.0f, (r.minY + r.maxY) / 2.0f};
        centre_ = paper.DeviceToWorld(paper.WorldToDevice(mid));
    }
}

void CTrackerSet::ToggleMode() {
    mode_ = mode_ == Mode::Resize ? Mode::Rotate : Mode::Resize;
    angle_ = 0.0;
}

void CTrackerSet::LayOut() {
    grips_.clear();
    layout_ = Layout::None;
    if (count_ == 0 || !extents_.IsValid()) {
        return;
    }
    const RectF& r = extents_;
    const float midX = (r.minX + r.maxX) / 2.0f;
    const float midY = (r.minY + r.maxY) / 2.0f;
    if (mode_ == Mode::Rotate) {
        layout_ = Layout::Rotate;
        grips_.push_back(centre_);
        const PointF corners[] = {
            {r.minX, r.maxY}, {r.maxX, r.maxY}, {r.maxX, r.minY}, {r.minX, r.minY}};
        for (PointF c : corners) {
            RotatePointF(c.x, c.y, centre_.x, centre_.y, angle_);
            grips_.push_back(c);
        }
        return;
    }
    const std::int32_t type = count_ == 1 ? single_->GetType() : kNodeGroup;
    if (count_ == 1 && type == kNodeLine) {
        layout_ = Layout::LineEnds;
        grips_.push_back(
            {static_cast<float>(single_->GetX1()), static_cast<float>(single_->GetY1())});
        grips_.push_back(
            {static_cast<float>(single_->GetX2()), static_cast<float>(single_->GetY2())});
    } else if (count_ == 1 && type == kNodeEllipse) {
        LayOutEight(static_cast<float>(single_->GetX1()), static_cast<float>(single_->GetY1()));
    } else if ((count_ == 1 && type == kNodeText) || subMode_ == 0) {
        LayOutEight(midX, midY);
    } else if (subMode_ == 1) {
        layout_ = Layout::Horizontal;
        grips_ = {{r.minX, midY}, {r.maxX, midY}};
    } else if (subMode_ == 2) {
        layout_ = Layout::Vertical;
        grips_ = {{midX, r.maxY}, {midX, r.minY}};
    }
}

void CTrackerSet::LayOutEight(float midX, float midY) {
    // Clockwise from the upper left corner.
    const RectF& r = extents_;
    layout_ = Layout::Eight;
    grips_ = {{r.minX, r.maxY}, {midX, r.maxY}, {r.maxX, r.maxY}, {r.maxX, midY},
              {r.maxX, r.minY}, {midX, r.minY}, {r.minX, r.minY}, {r.minX, midY}};
}

int CTrackerSet::HitTest(const CPaper& paper, DevicePoint p) const {
    for (std::size_t i = 0; i < grips_.size(); ++i) {
        const DevicePoint g = paper.WorldToDevice(grips_[i]);
        if (g.x - 3 <= p.x && p.x < g.x + 3 && g.y - 3 < p.y && p.y <= g.y + 3) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

void CTrackerSet::Draw(const CPaper& paper, IDrawContext& dc) const {
    if (layout_ != Layout::Rotate) {
        for (const PointF& grip : grips_) {
            const DevicePoint g = paper.WorldToDevice(grip);
            dc.InvertRect({g.x - 2, g.y - 2, g.x + 2, g.y + 2});
        }
        return;
    }
    const Pen previousPen = dc.SelectPen(Pen{PenStyle::Solid, kRotateGripColor});
    const RasterOp previousOp = dc.SetRasterOp(RasterOp::NotXorPen);
    for (std::size_t i = 0; i < grips_.size(); ++i) {
        const DevicePoint g = paper.WorldToDevice(grips_[i]);
        const int x = g.x;
        const int y = g.y;
        const DevicePoint octagon[] = {{x - 4, y},     {x - 3, y + 3}, {x, y + 4},
                                       {x + 3, y + 3}, {x + 4, y},     {x + 3, y - 3},
                                       {x, y - 4},     {x - 3, y - 3}, {x - 4, y}};
        dc.Polyline(octagon);
        if (i == 0) {
            dc.SetPixel(g, kRotateGripColor);
        } else {
            const DevicePoint diamond[] = {
                {x - 2, y}, {x, y + 2}, {x + 2, y}, {x, y - 2}, {x - 2, y}};
            dc.Polyline(diamond);
        }
    }
    dc.SetRasterOp(previousOp);
    dc.SelectPen(previousPen);
}

bool CTrackerSet::BeginDrag(CPaper&, int grip, PointF at) {
    if (grip < 1 || grip > static_cast<int>(grips_.size())) {
        return false;
    }
    const auto i = static_cast<std::size_t>(grip - 1);
    grabbed_ = grip;
    live_ = true;
    last_ = at;
    transformation_.SetX1(0.0f);
    transformation_.SetY1(0.0f);
    transformation_.SetAxisA(1.0f);
    transformation_.SetAxisB(1.0f);
    transformation_.SetAngle(0.0f);
    scaleX_ = false;
    scaleY_ = false;
    reference_ = grips_[i];
    switch (layout_) {
        case Layout::Eight: {
            // A corner scales about the opposite corner, a side about the opposite side.
            reference_ = grips_[(i + 4) % 8];
            const bool corner = i % 2 == 0;
            scaleX_ = corner || i == 3 || i == 7;
            scaleY_ = corner || i == 1 || i == 5;
            break;
        }
        case Layout::Horizontal:
            reference_ = grips_[1 - i];
            scaleX_ = true;
            break;
        case Layout::Vertical:
            reference_ = grips_[1 - i];
            scaleY_ = true;
            break;
        default:
            break;
    }
    size_ = {grips_[i].x - reference_.x, grips_[i].y - reference_.y};
    return true;
}

bool CTrackerSet::FollowsSnapPoint() const {
    return layout_ != Layout::Rotate || grabbed_ == 1;
}

std::optional<RectF> CTrackerSet::DragTo(CPaper& paper, PointF p) {
    if (!live_ || (p.x == last_.x && p.y == last_.y)) {
        return std::nullopt;
    }
    RectF area = RootExtents(paper);
    bool changed = true;
    switch (layout_) {
        case Layout::Eight:
        case Layout::Horizontal:
        case Layout::Vertical:
            changed = ScaleTo(paper, p);
            break;
        case Layout::LineEnds:
            MoveLineEnd(p);
            break;
        case Layout::Rotate:
            if (grabbed_ == 1) {
                // Only the grips move; the drawing stays as it is.
                centre_ = p;
                centreMoved_ = true;
                LayOut();
                area = RectF::Empty();
            } else {
                RotateTo(p);
            }
            break;
        case Layout::None:
            changed = false;
            break;
    }
    last_ = p;
    if (!changed) {
        return std::nullopt;
    }
    if (area.IsValid()) {
        area.Include(RootExtents(paper));
    }
    return area;
}

bool CTrackerSet::ScaleTo(CPaper& paper, PointF p) {
    const double minimum = paper.DeviceLengthToWorld(kMinScalePixels);
    double fx = 1.0;
    double fy = 1.0;
    if (scaleX_ && size_.x != 0.0f) {
        const double side = KeepSide(p.x - reference_.x, size_.x, minimum);
        fx = side / size_.x;
        size_.x = static_cast<float>(side);
    }
    if (scaleY_ && size_.y != 0.0f) {
        const double side = KeepSide(p.y - reference_.y, size_.y, minimum);
        fy = side / size_.y;
        size_.y = static_cast<float>(side);
    }
    if (fx == 1.0 && fy == 1.0) {
        return false;
    }
    for (CData* root : roots_) {
        root->Scale(reference_.x, reference_.y, fx, fy);
    }
    transformation_.Scale(reference_.x, reference_.y, fx, fy);
    for (PointF& grip : grips_) {
        ScalePointF(grip.x, grip.y, reference_.x, reference_.y, fx, fy);
    }
    ScalePointF(extents_.minX, extents_.minY, reference_.x, reference_.y, fx, fy);
    ScalePointF(extents_.maxX, extents_.maxY, reference_.x, reference_.y, fx, fy);
    ScalePointF(centre_.x, centre_.y, reference_.x, reference_.y, fx, fy);
    return true;
}

void CTrackerSet::MoveLineEnd(PointF p) {
    if (grabbed_ == 1) {
        single_->SetX1(p.x);
        single_->SetY1(p.y);
    } else {
        single_->SetX2(p.x);
        single_->SetY2(p.y);
    }
    grips_[static_cast<std::size_t>(grabbed_ - 1)] = p;
}

void CTrackerSet::RotateTo(PointF p) {
    const double from = std::atan2(last_.y - centre_.y, last_.x - centre_.x);
    const double to = std::atan2(p.y - centre_.y, p.x - centre_.x);
    const double delta = to - from;
    for (CData* root : roots_) {
        root->Rotate(centre_.x, centre_.y, delta);
    }
    transformation_.Rotate(centre_.x, centre_.y, delta);
    angle_ += delta;
    LayOut();
}

void CTrackerSet::EndDrag(CPaper& paper, bool grips) {
    live_ = false;
    grabbed_ = 0;
    angle_ = 0.0;
    ComputeExtents(paper);
    if (grips) {
        LayOut();
    } else {
        grips_.clear();
        layout_ = Layout::None;
    }
}

}  // namespace korvo
