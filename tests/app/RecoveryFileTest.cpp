#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/DocumentState.h"
#include "app/KorvoFEDoc.h"
#include "app/RecoveryFile.h"
#include "font/FontTable.h"
#include "model/Data.h"
#include "model/DataCollection.h"
#include "model/Paper.h"
#include "support/ScriptedDocumentHost.h"

namespace korvo {
namespace {

using test::ScriptedDocumentHost;

RecoveryRecord Sample() {
    RecoveryRecord r;
    r.originalPath = "/home/ann/Fonts/fütural.dat";
    r.title = "fütural.dat";
    r.savedAtMs = 1'765'000'000'123;
    r.currentChar = 65;
    r.fontBytes = {'K', 'o', 'r', 'v', 'o', 0, 1, 2};
    r.paperBytes = {1, 0, 0, 0, 0xFF, 0xFF};
    r.sheetBytes = {9};
    return r;
}

void PutU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

// Puts a valid checksum after a deliberate change, so that only the change itself can be refused.
void Reseal(std::vector<std::uint8_t>& bytes) {
    const std::size_t body = bytes.size() - 4;
    PutU32(bytes, body, CRecoveryFile::Crc32(std::span(bytes).first(body)));
}

TEST(RecoveryFile, Crc32MatchesTheCommonCheckValue) {
    const std::string check = "123456789";
    EXPECT_EQ(
        CRecoveryFile::Crc32({reinterpret_cast<const std::uint8_t*>(check.data()), check.size()}),
        0xCBF43926u);
    EXPECT_EQ(CRecoveryFile::Crc32({}), 0u);
}

TEST(RecoveryFile, RoundTrips) {
    RecoveryRecord empty;
    RecoveryRecord large = Sample();
    large.fontBytes.assign(300'000, 0xA5);
    large.currentChar = 255;
    large.savedAtMs = -1;  // a clock before 1970 must not turn into garbage
    RecoveryRecord untitled = Sample();
    untitled.originalPath.clear();
    untitled.currentChar = -1;
    for (const RecoveryRecord& r : {empty, Sample(), large, untitled}) {
        const std::vector<std::uint8_t> bytes = CRecoveryFile::Encode(r);
        const RecoveryReadResult read = CRecoveryFile::Decode(bytes);
        ASSERT_TRUE(read.record.has_value()) << read.damage.reason;
        EXPECT_EQ(*read.record, r);
    }
    // The layout others may rely on: mark, version, and the checksum last.
    const std::vector<std::uint8_t> bytes = CRecoveryFile::Encode(Sample());
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 8), "KORVOREC");
    EXPECT_EQ(bytes[8] | bytes[9] << 8, CRecoveryFile::kVersion);
}

TEST(RecoveryFile, DamagedInputIsRefusedWithItsPlace) {
    const std::vector<std::uint8_t> good = CRecoveryFile::Encode(Sample());
    // Offsets of the fields in Sample(): the path's length sits after mark, version, time, char.
    constexpr std::size_t kPathLength = 8 + 2 + 8 + 4;
    const std::size_t fontLength =
        kPathLength + 4 + Sample().originalPath.size() + 4 + Sample().title.size();
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        std::size_t offset;
        const char* reason;  // a part of the reason
    };
    auto with = [&good](auto change, bool reseal) {
        std::vector<std::uint8_t> b = good;
        change(b);
        if (reseal) {
            Reseal(b);
        }
        return b;
    };
    const Case cases[] = {
        {"empty", {}, 0, "not a recovery file"},
        {"wrong magic", with([](auto& b) { b[0] = 'k'; }, true), 0, "not a recovery file"},
        {"wrong version", with([](auto& b) { b[8] = 2; }, true), 8, "another version"},
        {"path past the end", with([&](auto& b) { PutU32(b, kPathLength, 5000); }, true),
         kPathLength, "past the end"},
        {"path implausible", with([&](auto& b) { PutU32(b, kPathLength, 0x7FFFFFFF); }, true),
         kPathLength, "implausibly long"},
        {"font longer than any font",
         with([&](auto& b) { PutU32(b, fontLength, 0xFFFFFFFF); }, true), fontLength,
         "implausibly long"},
        {"bytes after the end", with([](auto& b) { b.push_back(0); }, false), good.size(),
         "after the end"},
        {"one flipped bit", with([&](auto& b) { b[fontLength + 5] ^= 0x10; }, false),
         good.size() - 4, "checksum"},
        {"character out of range", with([](auto& b) { PutU32(b, 18, 256); }, true), 18,
         "out of range"},
    };
    for (const Case& c : cases) {
        const RecoveryReadResult read = CRecoveryFile::Decode(c.bytes);
        EXPECT_FALSE(read.record.has_value()) << c.name;
        EXPECT_EQ(read.damage.offset, c.offset) << c.name;
        EXPECT_NE(read.damage.reason.find(c.reason), std::string::npos)
            << c.name << ": " << read.damage.reason;
    }
    // A crash can cut the file anywhere: no prefix reads as a record.
    for (std::size_t size = 0; size < good.size(); ++size) {
        const RecoveryReadResult read = CRecoveryFile::Decode(std::span(good).first(size));
        EXPECT_FALSE(read.record.has_value()) << "cut at " << size;
        EXPECT_FALSE(read.damage.reason.empty()) << "cut at " << size;
        EXPECT_LE(read.damage.offset, size) << "cut at " << size;
    }
}

// A document with a stored glyph, a drawing not yet stored, and changed sheet settings.
void Edit(CKorvoFEDoc& doc) {
    doc.OnNewDocument();
    auto line = std::make_unique<CData>(kNodeLine);
    line->CreateLine(10, 20, 150, 180, 0, 0.25f, 0, 1);
    doc.GetPaper()->AddNode(std::move(line));
    ASSERT_EQ(doc.EncodeGlyph(doc.GetFont().Table(), 'A'), 1);
    auto pending = std::make_unique<CData>(kNodeLine);
    pending->CreateLine(0.5f, 199.5f, 100, 0, 0, 0.25f, 0x0000FF, 3);
    doc.GetPaper()->AddNode(std::move(pending));
    doc.GetPaper()->SetHelpLine(2, 77.5f, false);
    doc.GetPaper()->SetGrid(5.0f, 1.25f);
    doc.GetPaper()->SetShowGrid(false);
    doc.SetCurrentChar('A');
    doc.SetPathName("/fonts/mine.dat");
}

TEST(DocumentState, RestoresWhatWasTaken) {
    ScriptedDocumentHost host;
    CKorvoFEDoc original(host);
    Edit(original);
    const RecoveryRecord taken = CDocumentState::RecordOf(original, "mine.dat", 42);
    const RecoveryReadResult read = CRecoveryFile::Decode(CRecoveryFile::Encode(taken));
    ASSERT_TRUE(read.record.has_value());

    CKorvoFEDoc restored(host);
    std::string error;
    ASSERT_TRUE(CDocumentState::Restore(restored, *read.record, error)) << error;
    EXPECT_TRUE(restored.IsModified());
    EXPECT_EQ(restored.GetFont().Table()->OwnsEntries(), 1) << "Save Char must work afterwards";
    // Reading a font file works the blank's width out afresh; the edited font's own must stay.
    EXPECT_EQ(restored.GetFont().Table()->DefaultAdvance(),
              original.GetFont().Table()->DefaultAdvance());
    // The path, the character, the font, the drawing and the sheet: through a second record.
    EXPECT_EQ(CDocumentState::RecordOf(restored, "mine.dat", 42), taken);
}

// Autosave writes when the content differs and undo records when the edit differs: each edit
// must count where it belongs and nowhere else.
TEST(DocumentState, ContentAndEditTellChangesApart) {
    ScriptedDocumentHost host;
    CKorvoFEDoc doc(host);
    Edit(doc);
    const std::optional<CDocumentState> before = CDocumentState::Capture(doc);
    ASSERT_TRUE(before.has_value());
    const struct {
        const char* name;
        void (*edit)(CKorvoFEDoc&);
        bool content;
        bool undoable;
    } edits[] = {
        {"a line",
         [](CKorvoFEDoc& d) {
             auto line = std::make_unique<CData>(kNodeLine);
             line->CreateLine(1, 2, 3, 4, 0, 0.25f, 0, 1);
             d.GetPaper()->AddNode(std::move(line));
         },
         true, true},
        {"a glyph", [](CKorvoFEDoc& d) { d.EncodeGlyph(d.GetFont().Table(), 'B'); }, true, true},
        {"the blank's width",
         [](CKorvoFEDoc& d) {
             CFontTable& t = *d.GetFont().Table();
             t.SetDefaultAdvance(t.DefaultAdvance() + 1);
         },
         true, true},
        {"a help line", [](CKorvoFEDoc& d) { d.GetPaper()->SetHelpLine(0, 61.0f, true); }, true,
         true},
        {"the character", [](CKorvoFEDoc& d) { d.SetCurrentChar('C'); }, true, true},
        {"the file", [](CKorvoFEDoc& d) { d.SetPathName("/elsewhere.dat"); }, true, false},
        {"the table shown",
         [](CKorvoFEDoc& d) { d.GetPaper()->SetShowTable(!d.GetPaper()->IsShowTable()); }, true,
         false},
        {"a selection",
         [](CKorvoFEDoc& d) { d.GetPaper()->GetCollection()->GetAt(0)->SetMark(kMarkSelected); },
         false, true},
    };
    for (const auto& e : edits) {
        CKorvoFEDoc edited(host);
        Edit(edited);
        e.edit(edited);
        const std::optional<CDocumentState> after = CDocumentState::Capture(edited, &*before);
        ASSERT_TRUE(after.has_value()) << e.name;
        EXPECT_EQ(!after->SameContent(*before), e.content) << e.name;
        EXPECT_EQ(!after->SameEdit(*before), e.undoable) << e.name;
    }
}

TEST(DocumentState, DamagedPartsLeaveAnEmptyDocument) {
    ScriptedDocumentHost host;
    CKorvoFEDoc original(host);
    Edit(original);
    const RecoveryRecord taken = CDocumentState::RecordOf(original, "mine.dat", 42);
    struct Case {
        const char* name;
        void (*damage)(RecoveryRecord&);
        const char* reason;
    };
    const Case cases[] = {
        {"drawing cut short",
         [](RecoveryRecord& r) { r.paperBytes.resize(r.paperBytes.size() / 2); }, "drawing"},
        {"drawing with extra bytes", [](RecoveryRecord& r) { r.paperBytes.push_back(0); },
         "drawing"},
        {"font not a font", [](RecoveryRecord& r) { r.fontBytes.assign(40, 0xEE); }, "font"},
        {"sheet cut short", [](RecoveryRecord& r) { r.sheetBytes.pop_back(); }, "help lines"},
    };
    for (const Case& c : cases) {
        RecoveryRecord damaged = taken;
        c.damage(damaged);
        CKorvoFEDoc restored(host);
        std::string error;
        EXPECT_FALSE(CDocumentState::Restore(restored, damaged, error)) << c.name;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.name << ": " << error;
        EXPECT_TRUE(restored.GetPaper()->GetCollection()->IsEmpty()) << c.name;
        EXPECT_EQ(restored.GetFont().Table()->DefinedCount(), 0) << c.name;
        EXPECT_FALSE(restored.IsModified()) << c.name;
    }
}

}  // namespace
}  // namespace korvo
