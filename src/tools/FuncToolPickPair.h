#pragma once

#include <cstdint>
#include <vector>

#include "tools/FuncTool.h"

namespace korvo {

class CData;

// The base of the tools that work on a pair of elements (trim, extend, join): the first click
// picks the reference element, which stays highlighted; every further click picks an element to
// edit against it, until the right button returns to the selection tool.
class CFuncToolPickPair : public CFuncTool {
public:
    // With `linesOnly` only lines can be picked, else lines and ellipses (arcs included).
    CFuncToolPickPair(CKorvoFEView& view, bool linesOnly);

    void Start() override;
    void OnLButtonDown(const ToolEvent& e) override;
    void DrawFeedback(IDrawContext& dc) override;
    void OnRButtonDown(const ToolEvent& e) override;
    void ResetInput(const ToolEvent& e) override;
    void OnScroll(int code, int position, ScrollBar bar) override;
    // Escape lets go of the reference element, as it drops the input under way in the drawing
    // tools; the tool itself stays.
    void OnKeyDown(const KeyEvent& event) override;

    const CData* GetFirst() const { return first_; }

protected:
    // The edit of `second` against the reference element; `click` is the world point of the
    // click that picked `second`. The implementation repaints what it changed.
    virtual void EditPair(CPaper& paper, CData& first, CData& second, PointF click) = 0;

    // The world point of the click that picked the reference element.
    PointF FirstPoint() const { return firstPoint_; }
    // Shows "Global error: at least one is neither line nor ellipse !!!".
    void ReportNotLinesOrEllipses() const;

private:
    enum class Step : std::uint8_t { NothingPicked = 0, FirstPicked = 1 };

    void CollectCandidates();
    // The reference element, unless a command has taken it out of the drawing meanwhile.
    CData* LiveFirst();

    bool linesOnly_;
    std::vector<CData*> candidates_;
    CData* first_ = nullptr;
    Step step_ = Step::NothingPicked;
    PointF firstPoint_;
};

}  // namespace korvo
