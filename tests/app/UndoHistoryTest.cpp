// The undo history on a document without a view: what a step keeps, how it comes back, and how
// the history stays within its bounds.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/DocumentState.h"
#include "app/KorvoFEDoc.h"
#include "font/FontTable.h"
#include "font/GlyphStream.h"
#include "model/Data.h"
#include "model/DataCollection.h"
#include "model/Paper.h"
#include "support/ScriptedDocumentHost.h"

namespace korvo::test {
namespace {

class UndoHistoryTest : public ::testing::Test {
protected:
    UndoHistoryTest() { doc.OnNewDocument(); }

    CData* AddLine(float x1, float y1, float x2, float y2) {
        auto node = std::make_unique<CData>(kNodeLine);
        node->CreateLine(x1, y1, x2, y2, 0, 0.25f, 0, 1);
        return doc.GetPaper()->AddNode(std::move(node));
    }
    CUndoHistory& History() { return doc.GetUndoHistory(); }
    CFontTable& Table() { return *doc.GetFont().Table(); }
    void Store(int code, std::vector<GlyphCommand> commands) {
        Table().StoreGlyph(code, commands);
        Table().RecomputeDefaultAdvance();
    }

    ScriptedDocumentHost host;
    CKorvoFEDoc doc{host};
};

TEST_F(UndoHistoryTest, MarksOfGroupsAndTheirMembersComeBackExactly) {
    // A group (two members) and a line; marks in visiting order: group, a, b, line.
    auto group = std::make_unique<CData>(kNodeGroup);
    for (int i = 0; i < 2; ++i) {
        auto member = std::make_unique<CData>(kNodeLine);
        member->CreateLine(10, 10 + 10.0f * static_cast<float>(i), 50, 10, 0, 0.25f, 0, 1);
        group->AddChild(std::move(member));
    }
    CData* g = doc.GetPaper()->AddNode(std::move(group));
    CData* line = AddLine(0, 100, 100, 100);
    const std::vector<std::vector<std::uint16_t>> patterns = {
        {0, 1, 0, 1},
        {1, 1, 1, 0},
        {1, 2, 0, 100},
    };
    for (const auto& marks : patterns) {
        doc.GetPaper()->SetMarkAll(kMarkNormal);
        History().Reset();
        const std::optional<CDocumentState> before = CDocumentState::Capture(doc);
        // Group first: setting a group's mark sets its members'.
        g->SetMark(marks[0]);
        g->GetChildren()->GetAt(0)->SetMark(marks[1]);
        g->GetChildren()->GetAt(1)->SetMark(marks[2]);
        line->SetMark(marks[3]);
        const std::optional<CDocumentState> after = CDocumentState::Capture(doc);
        ASSERT_TRUE(History().Record("Select"));
        ASSERT_TRUE(History().Undo());
        EXPECT_EQ(CDocumentState::Capture(doc), before);
        ASSERT_TRUE(History().Redo());
        EXPECT_EQ(CDocumentState::Capture(doc), after)
            << marks[0] << marks[1] << marks[2] << marks[3];
        // The restored drawing is new: the pointers held above are stale now.
        g = doc.GetPaper()->GetCollection()->GetAt(0);
        line = doc.GetPaper()->GetCollection()->GetAt(1);
        EXPECT_EQ(g->GetChildren()->GetAt(0)->GetParent(), g);
        EXPECT_EQ(line->GetParent(), nullptr);
    }
}

TEST_F(UndoHistoryTest, FontEntriesAndTheDefaultAdvanceComeBackByteExact) {
    using Op = GlyphOp;
    const std::vector<GlyphCommand> shortStroke = {{Op::Move, 10, 10}, {Op::Draw, 30, 10}};
    const std::vector<GlyphCommand> longStroke = {
        {Op::Move, 0, 0}, {Op::Draw, 150, 0}, {Op::Point, 75, 200}, {Op::Move, 5, 5}};
    const struct {
        const char* name;
        std::vector<GlyphCommand> before;  // empty: undefined
        std::vector<GlyphCommand> after;
    } cases[] = {
        {"undefined to defined", {}, shortStroke},
        {"shorter to longer", shortStroke, longStroke},
        {"longer to shorter", longStroke, shortStroke},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        doc.OnNewDocument();
        Store(200, longStroke);  // an untouched neighbour
        if (!c.before.empty()) {
            Store(65, c.before);
        }
        History().Reset();
        const std::optional<CDocumentState> before = CDocumentState::Capture(doc);
        Store(65, c.after);
        Store(66, c.after);
        const std::optional<CDocumentState> after = CDocumentState::Capture(doc);
        ASSERT_TRUE(History().Record("Save Char"));
        ASSERT_TRUE(History().Undo());
        EXPECT_EQ(CDocumentState::Capture(doc), before);
        ASSERT_TRUE(History().Redo());
        EXPECT_EQ(CDocumentState::Capture(doc), after);
        EXPECT_EQ(ReadGlyphCommands(Table().Entry(65).commands), c.after);
    }
}

TEST_F(UndoHistoryTest, AnUnchangedDocumentRecordsNothingAndUnchangedBytesAreShared) {
    for (int i = 0; i < 1000; ++i) {
        AddLine(static_cast<float>(i % 200), 0, 100, static_cast<float>(i % 150));
    }
    History().Reset();
    const std::size_t start = History().MemoryBytes();
    EXPECT_FALSE(History().Record("Nothing"));
    EXPECT_EQ(History().Count(), 1u);
    doc.GetPaper()->GetCollection()->GetAt(500)->SetMark(kMarkSelected);
    ASSERT_TRUE(History().Record("Select"));
    // A selection step keeps a few bytes, not another copy of 1000 lines.
    EXPECT_LT(History().MemoryBytes() - start, start / 50);
    doc.SetCurrentChar(90);
    ASSERT_TRUE(History().Record("Load Char"));
    EXPECT_LT(History().MemoryBytes() - start, start / 25);
    AddLine(1, 2, 3, 4);
    ASSERT_TRUE(History().Record("Line"));
    EXPECT_GT(History().MemoryBytes() - start, start);
}

TEST_F(UndoHistoryTest, TheBoundsDropTheOldestStepsFirst) {
    const struct {
        const char* name;
        CUndoHistory::Limits limits;
        std::size_t expectedCount;  // 0: decided by the memory bound
    } cases[] = {
        {"step bound", {3, std::size_t{64} << 20}, 4},
        {"default bounds keep at least 200 steps", {}, 251},
        {"memory bound", {500, 400000}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        doc.OnNewDocument();
        History().SetLimits(c.limits);
        std::vector<std::optional<CDocumentState>> states{CDocumentState::Capture(doc)};
        for (int i = 0; i < 250; ++i) {
            AddLine(static_cast<float>(i % 200), 1, 2, static_cast<float>(i % 100));
            ASSERT_TRUE(History().Record("Line"));
            states.push_back(CDocumentState::Capture(doc));
            EXPECT_LE(History().MemoryBytes(), c.limits.maxBytes);
        }
        const std::size_t kept = History().Count();
        if (c.expectedCount != 0) {
            EXPECT_EQ(kept, c.expectedCount);
        } else {
            EXPECT_GT(kept, 10u);
            EXPECT_LT(kept, 200u);
        }
        // Back to the oldest state kept: the drawing of that many steps ago, and no further.
        std::size_t undone = 0;
        while (History().Undo()) {
            ++undone;
        }
        EXPECT_EQ(undone, kept - 1);
        EXPECT_EQ(CDocumentState::Capture(doc), states[states.size() - kept]);
        while (History().Redo()) {
        }
        EXPECT_EQ(CDocumentState::Capture(doc), states.back());
    }
}

}  // namespace
}  // namespace korvo::test
