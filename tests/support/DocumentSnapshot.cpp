#include "support/DocumentSnapshot.h"

#include "app/KorvoFEDoc.h"
#include "model/Data.h"
#include "model/DataCollection.h"
#include "model/Paper.h"
#include "platform/Archive.h"

namespace korvo::test {

namespace {

void CollectMarks(const CDataCollection& collection, std::vector<int>& out) {
    for (const CData* node : collection) {
        out.push_back(node->GetMark());
        if (const CDataCollection* children = node->GetChildren()) {
            CollectMarks(*children, out);
        }
    }
}

}  // namespace

void PrintTo(const DocumentSnapshot& s, std::ostream* os) {
    *os << "{paper " << s.paper.size() << " bytes, font " << s.font.size() << " bytes, "
        << s.marks.size() << " marks, char " << s.currentChar << ", sheet";
    for (const float v : s.sheet) {
        *os << " " << v;
    }
    *os << "}";
}

DocumentSnapshot TakeSnapshot(CKorvoFEDoc& doc) {
    DocumentSnapshot snapshot;
    CPaper& paper = *doc.GetPaper();
    CArchive paperOut;
    paper.Serialize(paperOut);
    snapshot.paper = paperOut.Bytes();
    CArchive fontOut;
    doc.GetFont().Serialize(fontOut);
    snapshot.font = fontOut.Bytes();
    CollectMarks(*paper.GetCollection(), snapshot.marks);
    for (int i = 0; i < CPaper::kHelpLineCount; ++i) {
        snapshot.sheet.push_back(paper.GetHelpLine(i));
        snapshot.sheet.push_back(paper.IsHelpLineShown(i) ? 1.0f : 0.0f);
    }
    snapshot.sheet.push_back(paper.GetGrid().x);
    snapshot.sheet.push_back(paper.GetGrid().y);
    snapshot.sheet.push_back(paper.IsShowGrid() ? 1.0f : 0.0f);
    snapshot.currentChar = doc.GetCurrentChar();
    return snapshot;
}

}  // namespace korvo::test
