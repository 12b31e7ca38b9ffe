#pragma once

#include <memory>

#include "model/Data.h"
#include "model/Paper.h"

namespace korvo::test {

// A sheet mapped onto a client area of `zoom` pixels per unit: 620 x 350 units plus the margin.
inline std::unique_ptr<CPaper> MakePaper(int zoom = 1) {
    auto paper = std::make_unique<CPaper>();
    paper->SetClientRect({0, 0, 620 * zoom + 10, 350 * zoom + 10});
    return paper;
}

// A node owning `element` with the given draw mark.
inline std::unique_ptr<CData> MakeNode(std::unique_ptr<CDrawObj> element, int type,
                                       std::uint16_t mark = kMarkNormal) {
    auto node = std::make_unique<CData>(type);
    node->SetElement(std::move(element));
    node->SetMark(mark);
    return node;
}

}  // namespace korvo::test
