#include "tools/FuncToolLine.h"

#include "geometry/PlaneGeometry.h"
#include "model/Data.h"

namespace korvo {

void CFuncToolLine::Start() {
    CFuncToolDraw::Start();
    step_ = Step::FirstPoint;
}

void CFuncToolLine::End() {
    SetStatusText("");
    CFuncToolDraw::End();
}

void CFuncToolLine::DrawFeedback(IDrawContext& dc) {
    CFuncToolDraw::DrawFeedback(dc);
    if (step_ != Step::FirstPoint) {
        DrawRubberLine(dc, start_, end_);
    }
}

void CFuncToolLine::OnLButtonDown(const ToolEvent&) {
    if (step_ == Step::FirstPoint) {
        start_ = GetSnapPoint();
        end_ = start_;
        ReadRubberPen();
        step_ = Step::NextPoint;
        return;
    }
    // A second click on the same point would add a line of no length: wait for another point.
    if (PointsEqualF(start_.x, start_.y, end_.x, end_.y)) {
        return;
    }
    AddNode(MakeLineNode(start_, end_));
    start_ = end_;
}

void CFuncToolLine::OnMouseMove(const ToolEvent& e) {
    CFuncToolDraw::OnMouseMove(e);
    const PointF snap = GetSnapPoint();
    const float factor = GetFactor();
    if (step_ == Step::FirstPoint) {
        ShowStatus(IDS_STATUS_POINT, snap.x * factor, snap.y * factor);
        return;
    }
    if (snap.x == end_.x && snap.y == end_.y) {
        return;
    }
    end_ = snap;
    ShowStatus(IDS_STATUS_LINE, snap.x * factor, snap.y * factor,
               RadToDeg(DirectionAngle(start_.x, start_.y, end_.x, end_.y)),
               Distance(start_, end_) * factor);
    ReadRubberPen();
}

void CFuncToolLine::EndChain() {
    step_ = Step::FirstPoint;
    RemoveRubberBand();
}

void CFuncToolLine::OnRButtonDown(const ToolEvent&) {
    if (step_ != Step::FirstPoint) {
        EndChain();
        return;
    }
    SwitchToSelectionTool();
}

void CFuncToolLine::ResetInput(const ToolEvent&) {
    end_ = start_;
    step_ = Step::FirstPoint;
}

void CFuncToolLine::OnKeyDown(const KeyEvent& event) {
    if (event.key == Key::Escape) {
        if (step_ != Step::FirstPoint) {
            EndChain();
        }
        return;
    }
    if (event.key != Key::Space && event.key != Key::Control) {
        return;
    }
    bool entered = false;
    if (step_ == Step::FirstPoint) {
        entered = AskPoint();
    } else {
        entered = event.key == Key::Space ? AskOffset() : AskPolar();
    }
    if (entered) {
        ClickAtSnapPoint(event.state);
    }
}

bool CFuncToolLine::AskPoint() {
    const float factor = GetFactor();
    float x = GetSnapPoint().x * factor;
    float y = GetSnapPoint().y * factor;
    if (!AskValues("X", x, "Y", y)) {
        return false;
    }
    SetSnapPoint({x / factor, y / factor});
    return true;
}

bool CFuncToolLine::AskOffset() {
    const float factor = GetFactor();
    float dx = (end_.x - start_.x) * factor;
    float dy = (end_.y - start_.y) * factor;
    if (!AskValues("dX", dx, "dY", dy)) {
        return false;
    }
    end_ = {start_.x + dx / factor, start_.y + dy / factor};
    return true;
}

bool CFuncToolLine::AskPolar() {
    const float factor = GetFactor();
    float angle = static_cast<float>(RadToDeg(DirectionAngle(start_.x, start_.y, end_.x, end_.y)));
    float length = Distance(start_, end_) * factor;
    if (!AskValues(kAngleLabel, angle, kLengthLabel, length)) {
        return false;
    }
    const PointD p = PolarPoint(start_.x, start_.y, DegToRad(angle), length / factor);
    end_ = {static_cast<float>(p.x), static_cast<float>(p.y)};
    return true;
}

std::string_view CFuncToolLine::Prompt() const {
    return step_ == Step::FirstPoint ? "First point" : "Next point, right click ends";
}

}  // namespace korvo
