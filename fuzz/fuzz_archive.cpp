// Archive bytes arrive through the clipboard from other programs. A load either fails cleanly or
// yields objects that store and load again to the same bytes. The same bytes also go through the
// reader that pasting and dropping use, which takes a whole collection or nothing. What was loaded
// then goes through what a user may do with it in a document: pasted onto the sheet (with curves
// whose angles are far outside a turn added), snapped to, picked, cut against each other, converted
// to lines, trimmed, stored as a glyph and decoded again, copied and stored.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "app/CoreClasses.h"
#include "app/KorvoFEDoc.h"
#include "edit/PlaceEdits.h"
#include "geometry/ElementIntersections.h"
#include "model/ClipboardCollection.h"
#include "model/DataCollection.h"
#include "model/DrawObjEllipse.h"
#include "model/DrawObjLine.h"
#include "model/ElementShapes.h"
#include "model/Paper.h"
#include "platform/Archive.h"
#include "platform/DocumentHost.h"

using namespace korvo;

namespace {

// Says yes to every question and asks for as many lines per curve as fit.
class CAgreeingHost : public IDocumentHost {
public:
    MessageAnswer ShowMessage(const MessageRequest& request) override {
        return request.buttons == MessageButtons::YesNo ||
                       request.buttons == MessageButtons::YesNoCancel
                   ? MessageAnswer::Yes
                   : MessageAnswer::Ok;
    }
    bool AskCharacter(int&) override { return true; }
    bool AskLineCount(int& count) override {
        count = 0;
        return true;
    }
    bool AskHelpLines(HelpLineValues&) override { return false; }
    MessageAnswer AskSaveModified(std::string_view) override { return MessageAnswer::No; }
    void UpdateAllViews(int) override {}
};

// Intersections are quadratic in the elements; a few of each kind show the faults.
constexpr std::size_t kMaxShapes = 8;
constexpr std::size_t kMaxObjects = 64;

void Trap(bool broken) {
    if (broken) {
        __builtin_trap();
    }
}

std::vector<std::unique_ptr<CObject>> LoadAll(std::span<const std::uint8_t> data) {
    CArchive in(data, CoreClasses());
    std::vector<std::unique_ptr<CObject>> objects;
    while (!in.IsFailed() && in.Remaining() > 0 && objects.size() < kMaxObjects) {
        std::unique_ptr<CObject> object = in.ReadObject();
        if (!object) {
            break;
        }
        objects.push_back(std::move(object));
    }
    return objects;
}

// Whatever loaded stores, and loads again to the same bytes.
void CheckRoundTrip(const std::vector<std::unique_ptr<CObject>>& objects) {
    CArchive out;
    for (const auto& object : objects) {
        out.WriteObject(object.get());
    }
    Trap(out.IsFailed());
    CArchive back(out.Bytes(), CoreClasses());
    CArchive again;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        std::unique_ptr<CObject> object = back.ReadObject();
        Trap(!object);
        again.WriteObject(object.get());
    }
    Trap(back.IsFailed() || again.Bytes() != out.Bytes());
}

// Curves whose angles no drawing tool makes but any clipboard may carry: far beyond a turn, past
// the point where a turn no longer shows in a double, and one taken from the input.
void AddWildCurves(CPaper& paper, float fromInput) {
    const std::array<std::array<float, 3>, 4> angles{{{1e15f, 1e15f, 0.0f},
                                                      {-4.7e18f, 3e38f, 1e30f},
                                                      {0.0f, 360.0f, -1e20f},
                                                      {fromInput, -fromInput, fromInput}}};
    for (const auto& [start, end, rotation] : angles) {
        auto node = std::make_unique<CData>(kNodeEllipse);
        node->CreateEllipse(100, 100, 40, 20, start, end, rotation, 0, 0.25f, 0, 1);
        paper.AddNode(std::move(node));
    }
}

// A paste: copies of the nodes go onto the sheet, all of them or, when one cannot be copied,
// none.
void Paste(CPaper& paper, const CDataCollection& nodes) {
    const std::unique_ptr<CDataCollection> copies = nodes.Clone();
    if (!copies) {
        return;
    }
    while (!copies->IsEmpty()) {
        paper.AddNode(copies->Detach(copies->GetAt(0)));
    }
}

void PasteLoaded(CKorvoFEDoc& doc, std::vector<std::unique_ptr<CObject>>& objects) {
    for (std::unique_ptr<CObject>& object : objects) {
        if (object->IsKindOf(CPaper::kRuntimeClass)) {
            std::unique_ptr<CPaper> sheet(static_cast<CPaper*>(object.release()));
            Paste(*doc.GetPaper(), *sheet->GetCollection());
        } else if (object->IsKindOf(CDataCollection::kRuntimeClass)) {
            Paste(*doc.GetPaper(), static_cast<const CDataCollection&>(*object));
        } else if (object->IsKindOf(CData::kRuntimeClass)) {
            if (std::unique_ptr<CData> copy = static_cast<const CData&>(*object).Clone()) {
                doc.GetPaper()->AddNode(std::move(copy));
            }
        }
    }
}

// The paste path: the bytes as clipboard data. A refusal always says why; what is taken stores as
// clipboard data again and reads back whole, and is pasted.
void PasteFromClipboard(CKorvoFEDoc& doc, std::span<const std::uint8_t> data) {
    const ClipboardRead read = ReadClipboardCollection(std::as_bytes(data));
    if (!read.nodes) {
        Trap(read.error.empty());
        return;
    }
    const std::vector<CData*> nodes(read.nodes->begin(), read.nodes->end());
    const std::vector<std::byte> again = StoreClipboardCollection(nodes, {1.5f, -2.5f});
    Trap(!again.empty() && !ReadClipboardCollection(again).nodes);
    // As the paste tool carries it: centred on a point of the sheet, then dropped as copies.
    CPaper& paper = *doc.GetPaper();
    paper.SetClientRect({0, 0, 640, 370});
    CentreNodesAt(paper, *read.nodes, PointF{100.0f, 100.0f});
    DropCopies(paper, *read.nodes, std::nullopt);
}

void SnapAndPick(CPaper& paper) {
    paper.SetClientRect({0, 0, 640, 370});
    for (const DevicePoint p : {DevicePoint{5, 365}, DevicePoint{105, 165}, DevicePoint{200, 300},
                                DevicePoint{-50, 900}}) {
        PointF out;
        paper.SnapToPoints(kSnapEndPoint | kSnapMidPoint | kSnapIntersection | kSnapCentre, p, out);
        paper.SnapToGrid(p);
        paper.PickElement(p, 0);
    }
}

void Intersect(CPaper& paper) {
    std::vector<SegmentF> lines;
    std::vector<EllipticArc> curves;
    constexpr std::int32_t kAnyType = std::numeric_limits<std::int32_t>::max();
    for (const CData* node : paper.GetCollection()->CollectByType(-kAnyType - 1, kAnyType, true)) {
        const CDrawObj* element = node->GetElement();
        if (element == nullptr) {
            continue;
        }
        if (element->IsKindOf(CDrawObjLine::kRuntimeClass) && lines.size() < kMaxShapes) {
            lines.push_back(SegmentOf(*element));
        } else if (element->IsKindOf(CDrawObjEllipse::kRuntimeClass) &&
                   curves.size() < kMaxShapes) {
            curves.push_back(ArcOf(*element));
        }
    }
    PointF p;
    PointF q;
    std::array<PointF, 4> four{};
    for (const SegmentF& a : lines) {
        for (const SegmentF& b : lines) {
            IntersectLineElements(a, b, p);
        }
        for (const EllipticArc& e : curves) {
            LineEllipseOnElements(a, e, p, q, false, false);
            LineEllipseFlags(a, e, p, q);
        }
    }
    for (const EllipticArc& a : curves) {
        for (const EllipticArc& b : curves) {
            IntersectEllipseElements(a, b, four, false, false);
            EllipseEllipseFlags(a, b, four);
        }
    }
}

// What storing the sheet accepts loads again: the two agree on how deep a drawing may be.
void CheckSheetStores(const CPaper& paper) {
    CArchive out;
    out.WriteObject(&paper);
    if (out.IsFailed()) {
        return;
    }
    CArchive in(out.Bytes(), CoreClasses());
    Trap(in.ReadObjectOf<CPaper>() == nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    std::vector<std::unique_ptr<CObject>> objects = LoadAll(bytes);
    CheckRoundTrip(objects);

    CAgreeingHost host;
    CKorvoFEDoc doc(host);
    doc.OnNewDocument();
    float wild = 0.0f;
    if (size >= sizeof wild) {
        std::memcpy(&wild, data + size - sizeof wild, sizeof wild);
    }
    PasteLoaded(doc, objects);
    PasteFromClipboard(doc, bytes);
    AddWildCurves(*doc.GetPaper(), wild);

    CPaper& paper = *doc.GetPaper();
    paper.GetCollection()->Draw(paper, nullptr);
    SnapAndPick(paper);
    Intersect(paper);
    CheckSheetStores(paper);

    doc.ConvertArcsToLines();
    doc.TrimLinesToArea(1);
    CFontTable* table = doc.GetFont().Table();
    if (doc.EncodeGlyph(table, 'A') == 1) {
        doc.DecodeGlyph(table, 'A');
    }
    SnapAndPick(*doc.GetPaper());
    CheckSheetStores(*doc.GetPaper());
    return 0;
}
