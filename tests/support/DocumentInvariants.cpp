#include "support/DocumentInvariants.h"

#include <set>

#include "model/DataCollection.h"
#include "model/DrawObjTransformation.h"
#include "model/Paper.h"

namespace korvo::test {

namespace {

struct Checker {
    CPaper& paper;
    std::set<const CData*> seen;
    std::vector<std::string> problems;

    void Report(const CData* node, const std::string& what) {
        problems.push_back("node of type " + std::to_string(node->GetType()) + ": " + what);
    }

    void Visit(CDataCollection& nodes, const CData* owner) {
        for (CData* node : nodes) {
            Check(*node, owner);
            if (node->GetChildren() != nullptr) {
                Visit(*node->GetChildren(), node);
            }
        }
    }

    void Check(CData& node, const CData* owner) {
        if (!seen.insert(&node).second) {
            Report(&node, "owned twice");
        }
        if (node.GetParent() != owner) {
            Report(&node, "wrong parent link");
        }
        if (node.IsFloating()) {
            Report(&node, "floating node in the drawing");
        }
        if (node.GetMark() > kMarkBackground) {
            Report(&node, "mark " + std::to_string(node.GetMark()) + " out of range");
        }
        CDrawObj* element = node.GetElement();
        if (element != nullptr && element->IsVisible(&node) && node.GetMark() <= 2) {
            element->Draw(paper, nullptr, &node);
            // A placement frame and a polygon without vertices have no extent to speak of.
            const bool hasShape =
                !element->IsKindOf(CDrawObjTransformation::kRuntimeClass) &&
                (element->GetPoints() == nullptr || !element->GetPoints()->empty());
            if (hasShape && !element->GetExtents(paper, &node).IsValid()) {
                Report(&node, "invalid extents after a draw");
            }
        }
    }
};

}  // namespace

std::vector<std::string> CheckDocumentInvariants(CPaper& paper) {
    Checker checker{paper, {}, {}};
    checker.Visit(*paper.GetCollection(), nullptr);
    return checker.problems;
}

}  // namespace korvo::test
