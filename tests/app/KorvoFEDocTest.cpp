#include <gtest/gtest.h>

#include <optional>

#include "app/KorvoFEDoc.h"
#include "model/DataCollection.h"
#include "model/Paper.h"
#include "resources/StringTable.h"
#include "support/LittleEndian.h"
#include "support/ScriptedDocumentHost.h"
#include "support/TempDir.h"

namespace korvo {
namespace {

using test::ScriptedDocumentHost;

TEST(KorvoFEDoc, CharacterTableCells) {
    const struct {
        double x, y;
        int code;
    } cases[] = {
        {230, 340, -1},  // the cell of the space cannot be picked
        {245.5, 340, 33}, {620, 0, 255}, {221, 324.9, 48}, {620.01, 10, -1}, {300, -0.1, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CKorvoFEDoc::CharacterAtTablePoint(c.x, c.y), c.code) << c.x << "," << c.y;
    }
}

// A document with one line in its drawing area and a modified font.
struct ClosingDoc {
    ClosingDoc() {
        doc.OnNewDocument();
        auto node = std::make_unique<CData>(kNodeLine);
        node->CreateLine(10, 10, 20, 20, 0, 0.25f, 0, 1);
        doc.GetPaper()->AddNode(std::move(node));
        doc.SetCurrentChar(70);
    }
    ScriptedDocumentHost host;
    CKorvoFEDoc doc{host};
};

TEST(KorvoFEDoc, UpdateFontTablePromptBeforeClosing) {
    struct Case {
        MessageAnswer answer;
        std::optional<int> character;  // nullopt: the character dialog is cancelled
        bool closes;
        bool stored;
    };
    const Case cases[] = {
        {MessageAnswer::Yes, 66, true, true},
        {MessageAnswer::Yes, std::nullopt, true, false},
        {MessageAnswer::No, 66, true, false},
        {MessageAnswer::Cancel, 66, false, false},
    };
    for (const Case& c : cases) {
        ClosingDoc d;
        d.host.Answer(c.answer);
        d.host.AnswerCharacter(c.character);
        EXPECT_EQ(d.doc.SaveModified(), c.closes);
        ASSERT_FALSE(d.host.Messages().empty());
        EXPECT_EQ(d.host.Messages()[0].id, MessageId::String(IDS_UPDATE_FONT_TABLE));
        EXPECT_EQ(d.host.Messages()[0].buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(d.doc.GetFont().Table()->Entry(66).HasCommands(), c.stored);
        if (c.answer == MessageAnswer::Yes) {
            EXPECT_EQ(d.host.CharacterPresets(), std::vector<int>{70});
        }
        // Only a font that changed is offered for saving.
        EXPECT_EQ(d.host.SaveQuestions(), c.stored ? 1 : 0);
        EXPECT_EQ(d.doc.GetCurrentChar(), 70);  // storing does not change the current character
    }
    // An empty drawing area asks nothing.
    ScriptedDocumentHost host;
    CKorvoFEDoc empty(host);
    empty.OnNewDocument();
    EXPECT_TRUE(empty.SaveModified());
    EXPECT_TRUE(host.Messages().empty());
}

TEST(KorvoFEDoc, LifeOfADocument) {
    test::TempDir dir;
    ScriptedDocumentHost host;
    CKorvoFEDoc doc(host);
    EXPECT_FALSE(doc.OnSaveDocument(dir.File("x.dat")));  // nothing to save yet
    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.GetPaper()->GetFont(), &doc.GetFont());
    EXPECT_EQ(doc.GetPaper()->GetWindowOrigin(), (PointF{-5, -5}));

    doc.SetModifiedFlag();
    EXPECT_TRUE(doc.OnSaveDocument(dir.File("x.dat")));
    EXPECT_FALSE(doc.IsModified());

    CKorvoFEDoc opened(host);
    EXPECT_TRUE(opened.OnOpenDocument(dir.File("x.dat")).opened);
    EXPECT_FALSE(opened.OnOpenDocument(dir.File("x.dat")).opened);  // already holds a font
    EXPECT_TRUE(host.Messages().empty());
}

// What the editor inspects before it shows an opened document: the file opens with what could be
// read, the reader has shown where it is damaged, the rest is for the editor to ask about.
TEST(KorvoFEDoc, OpenOutcomeTellsWhatTheEditorMustAsk) {
    test::TempDir dir;
    // "KORVO" is not the font header, 201 is no coordinate, and the end block is missing.
    test::WriteBytes(dir.File("odd.dat"),
                     test::ByteWriter()
                         .Text("KORVO VS - 3.01 ")
                         .Raw({65, 1, 1, 'o', 5, 201, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})
                         .bytes);
    ScriptedDocumentHost host;
    CKorvoFEDoc doc(host);
    const DocumentOpenOutcome odd = doc.OnOpenDocument(dir.File("odd.dat"));
    EXPECT_TRUE(odd.opened);
    // What the outcome holds is the reader's (FontFile.OutcomeTellsWhatAUserMustKnow).
    EXPECT_FALSE(odd.font.headerMatches);
    EXPECT_EQ(odd.font.offGridCodes, std::vector<int>{65});
    EXPECT_EQ(host.Messages().size(), 1u) << "only the damage is shown by the reader";

    CKorvoFEDoc missing(host);
    EXPECT_EQ(missing.OnOpenDocument(dir.File("missing.dat")).font.result,
              FontReadResult::CannotOpen);
    EXPECT_NE(missing.GetPaper(), nullptr);
}

TEST(KorvoFEDoc, HelpLinesDialog) {
    ScriptedDocumentHost host;
    CKorvoFEDoc doc(host);
    doc.OnNewDocument();
    doc.OnHelpLines();  // cancelled: nothing changes
    ASSERT_EQ(host.helpLinesShown.size(), 1u);
    EXPECT_EQ(host.helpLinesShown[0].positions[5], 40.0f);
    EXPECT_TRUE(host.Hints().empty());

    HelpLineValues edited = host.helpLinesShown[0];
    edited.positions[0] = 12.5f;
    edited.flags[6] = 0;
    host.helpLinesAnswer = edited;
    doc.OnHelpLines();
    EXPECT_EQ(doc.GetPaper()->GetHelpLine(0), 12.5f);
    EXPECT_FALSE(doc.GetPaper()->IsHelpLineShown(6));
    EXPECT_EQ(host.Hints(), std::vector<int>{0});
}

}  // namespace
}  // namespace korvo
