#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTest>
#include <csignal>
#include <filesystem>

#include "AutoSaver.h"
#include "ChildFrame.h"
#include "KorvoFEApp.h"
#include "MainFrame.h"
#include "QtDocumentHost.h"
#include "RecoveryStore.h"
#include "ScriptedQtDialogHost.h"
#include "app/DocumentState.h"
#include "app/KorvoFEDoc.h"
#include "font/FontFile.h"
#include "model/Data.h"
#include "model/DataCollection.h"
#include "model/Paper.h"
#include "support/TempDir.h"

namespace korvo {
namespace {

using test::DialogScript;
using test::ScriptedQtDialogHost;

const std::string kSample = std::string(KORVO_SOURCE_DIR) + "/samples/futural.dat";

QString RecoveryFolder() {
    QCoreApplication::setOrganizationName(QStringLiteral("ORV Development"));
    QCoreApplication::setApplicationName(QStringLiteral("KorvoFE"));
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/recovery");
}

QStringList RecoveryFiles(const QString& sub = QString()) {
    return QDir(RecoveryFolder() + sub).entryList({QStringLiteral("*.korvorec")}, QDir::Files);
}

std::optional<RecoveryRecord> ReadRecord(const QString& path) {
    const std::vector<std::uint8_t> bytes = test::ReadBytes(path.toStdString());
    return CRecoveryFile::Decode(bytes).record;
}

// A record a crashed run could have left: the sample with one more line on the sheet.
RecoveryRecord CrashedRecord(const std::string& path, int extraLines) {
    DialogScript script;
    ScriptedQtDialogHost dialogs(nullptr, script);
    CQtDocumentHost host(dialogs);
    CKorvoFEDoc doc(host);
    doc.OnOpenDocument(path);
    for (int i = 0; i < extraLines; ++i) {
        auto line = std::make_unique<CData>(kNodeLine);
        line->CreateLine(10.0f * i, 5, 100, 150, 0, 0.25f, 0, 1);
        doc.GetPaper()->AddNode(std::move(line));
    }
    doc.SetCurrentChar(40 + extraLines);
    return CDocumentState::RecordOf(
        doc, QFileInfo(QString::fromStdString(path)).fileName().toStdString(),
        1'700'000'000'000 + extraLines);
}

class RecoveryTest : public ::testing::Test {
protected:
    void SetUp() override { QDir(RecoveryFolder()).removeRecursively(); }
    void TearDown() override {
        app_.reset();
        QDir(RecoveryFolder()).removeRecursively();
    }

    CKorvoFEApp& Start(const QStringList& arguments) {
        app_ = test::ScriptedEditor(script_);
        app_->SetRecoveryChooser([this](const std::vector<RecoveryEntry>& entries) {
            offered_ = entries.size();
            return choice_;
        });
        EXPECT_TRUE(app_->InitInstance(arguments, false));
        return *app_;
    }

    // A copy of the sample that the test may change.
    std::string Font() {
        const std::string font = dir_.File("futural.dat");
        std::filesystem::copy_file(kSample, font);
        return font;
    }

    static void Leave(const std::vector<std::uint8_t>& bytes, const QString& name) {
        QDir().mkpath(RecoveryFolder());
        test::WriteBytes((RecoveryFolder() + QLatin1Char('/') + name).toStdString(), bytes);
    }
    // A crashed run's file, named as a run that has gone would name it.
    static void Leave(const RecoveryRecord& record, int n) {
        Leave(CRecoveryFile::Encode(record), QStringLiteral("1_2-%1.korvorec").arg(n));
    }

    test::TempDir dir_;
    DialogScript script_;
    RecoveryChoice choice_;
    std::size_t offered_ = 0;
    std::unique_ptr<CKorvoFEApp> app_;
};

// The editor dies by SIGKILL after autosave had its chance; the next start with --recover brings
// back the stored glyph and the drawing not yet stored, from the recovery file and not from the
// font file, which still holds the old font.
TEST_F(RecoveryTest, KilledEditorIsRecoveredExactly) {
    const std::string font = Font();
    const std::string expectedPath = dir_.File("expected.korvorec");

    QProcess victim;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(CAutoSaver::kIntervalVariable), QStringLiteral("100"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    victim.setProcessEnvironment(env);
    victim.start(
        QStringLiteral(KORVO_CRASH_VICTIM),
        {QString::fromStdString(font), QString::fromStdString(expectedPath), QStringLiteral("90")});
    ASSERT_TRUE(victim.waitForStarted(5000));
    QElapsedTimer clock;
    clock.start();
    while (!victim.readAllStandardOutput().contains("edited") && clock.elapsed() < 8000) {
        ASSERT_NE(victim.state(), QProcess::NotRunning) << victim.readAllStandardError().data();
        victim.waitForReadyRead(100);
    }
    const std::optional<RecoveryRecord> expected = ReadRecord(QString::fromStdString(expectedPath));
    ASSERT_TRUE(expected.has_value());
    ASSERT_FALSE(expected->paperBytes.empty());
    // The file's own time and title do not matter, only what the user edited.
    const auto sameEdit = [&expected](RecoveryRecord record) {
        record.savedAtMs = expected->savedAtMs;
        record.title = expected->title;
        return record == *expected;
    };

    // Autosave writes once the interval after the last edit has passed.
    bool written = false;
    while (!written && clock.elapsed() < 8000) {
        QTest::qWait(20);
        for (const QString& name : RecoveryFiles()) {
            const auto record = ReadRecord(RecoveryFolder() + QLatin1Char('/') + name);
            written = written || (record && sameEdit(*record));
        }
    }
    victim.kill();  // SIGKILL: nothing of the editor's own clean-up runs
    victim.waitForFinished(5000);
    ASSERT_TRUE(written) << "no recovery file with the edited state appeared";

    CKorvoFEApp& app = Start({QStringLiteral("--recover")});
    ASSERT_EQ(app.MainFrame().Children().size(), 1u);
    CChildFrame& child = *app.MainFrame().Children().front();
    const RecoveryRecord now = CDocumentState::RecordOf(child.Document(), "", 0);
    EXPECT_EQ(now.fontBytes, expected->fontBytes);
    EXPECT_EQ(now.paperBytes, expected->paperBytes);
    EXPECT_EQ(now.sheetBytes, expected->sheetBytes);
    EXPECT_EQ(now.currentChar, expected->currentChar);
    EXPECT_TRUE(child.Document().GetFont().Table()->Entry(90).HasCommands());
    EXPECT_NE(now.fontBytes, test::ReadBytes(kSample)) << "the stored glyph is lost";
    EXPECT_EQ(test::ReadBytes(font), test::ReadBytes(kSample)) << "the font file was touched";
    EXPECT_TRUE(child.IsModified());
    EXPECT_EQ(child.PathName(), QFileInfo(QString::fromStdString(font)).absoluteFilePath());
    EXPECT_EQ(offered_, 0u) << "--recover asks nothing";

    // The restored font's file is now this run's; closing without saving removes it.
    ASSERT_EQ(RecoveryFiles().size(), 1u);
    EXPECT_EQ(app.AutoSaver().RecoveryPathOf(&child),
              RecoveryFolder() + QLatin1Char('/') + RecoveryFiles().front());
    script_.answers = {MessageAnswer::No, MessageAnswer::No};  // no Update font-table, no save
    ASSERT_TRUE(child.close());
    EXPECT_TRUE(RecoveryFiles().isEmpty());
}

// A damaged file is told about and set aside; the whole one is restored, and a font that was
// never saved comes back under its name, which File New does not repeat.
TEST_F(RecoveryTest, DamagedFilesAreSetAsideAndUnsavedFontsKeepTheirNames) {
    std::vector<std::uint8_t> cut = CRecoveryFile::Encode(CrashedRecord(kSample, 1));
    cut.resize(cut.size() / 2);
    Leave(cut, QStringLiteral("1_2-1.korvorec"));
    RecoveryRecord record = CrashedRecord(kSample, 2);
    record.originalPath.clear();
    record.title = "Font3";
    Leave(record, 2);

    CKorvoFEApp& app = Start({QStringLiteral("--recover")});
    ASSERT_EQ(app.MainFrame().Children().size(), 1u) << "the whole file is still recovered";
    const CChildFrame& child = *app.MainFrame().Children().front();
    EXPECT_EQ(child.Document().GetCurrentChar(), 42);
    EXPECT_EQ(child.Title(), QStringLiteral("Font3"));
    EXPECT_TRUE(child.PathName().isEmpty());
    EXPECT_EQ(app.OnFileNew()->Title(), QStringLiteral("Font4"));
    ASSERT_EQ(script_.asked.size(), 1u);
    EXPECT_NE(script_.asked[0].find("1_2-1.korvorec"), std::string::npos) << script_.asked[0];
    EXPECT_NE(script_.asked[0].find("past the end"), std::string::npos) << script_.asked[0];
    // Kept for the user, out of the way of the next start.
    EXPECT_EQ(RecoveryFiles(QStringLiteral("/damaged")), QStringList{"1_2-1.korvorec"});
}

// What the user picks in the recovery list decides what is restored, what is deleted, and what
// waits for the next start.
TEST_F(RecoveryTest, ChoicesRestoreDiscardOrKeep) {
    const std::string font = Font();
    struct Case {
        const char* name;
        RecoveryChoice choice;
        std::vector<int> restoredChars;  // the current characters of the restored fonts
        int filesLeft;
    };
    const Case cases[] = {
        {"later", {}, {}, 3},
        {"restore two", {{0, 2}, {}}, {41, 43}, 3},  // restored ones are kept for this run
        {"restore one, discard one", {{1}, {0}}, {42}, 2},
    };
    for (const Case& c : cases) {
        SetUp();
        for (int n = 1; n <= 3; ++n) {
            Leave(CrashedRecord(font, n), n);
        }
        choice_ = c.choice;
        CKorvoFEApp& app = Start({});
        EXPECT_EQ(offered_, 3u) << c.name;
        std::vector<int> restored;
        for (CChildFrame* child : app.MainFrame().Children()) {
            restored.push_back(child->Document().GetCurrentChar());
            EXPECT_TRUE(child->IsModified()) << c.name;
        }
        std::sort(restored.begin(), restored.end());
        EXPECT_EQ(restored, c.restoredChars) << c.name;
        EXPECT_EQ(RecoveryFiles().size(), static_cast<qsizetype>(c.filesLeft)) << c.name;
        app_.reset();
    }
}

// Only the files of runs that have ended are offered: a run whose lock is held is still
// working on its files, and a lock whose process is gone is stale.
TEST_F(RecoveryTest, FilesOfRunningEditorsAreNotOffered) {
    const std::string font = Font();
    QDir().mkpath(RecoveryFolder());
    QLockFile running(RecoveryFolder() + QStringLiteral("/7_1.lock"));
    ASSERT_TRUE(running.tryLock(0));
    // The lock a killed editor leaves: a process id that no process has.
    test::WriteText((RecoveryFolder() + QStringLiteral("/8_1.lock")).toStdString(),
                    "2147483600\nkorvofe\n" + QSysInfo::machineHostName().toStdString() + "\n");
    const struct {
        QString name;
        bool offered;
    } files[] = {
        {QStringLiteral("7_1-1.korvorec"), false},  // still running
        {QStringLiteral("8_1-1.korvorec"), true},   // crashed
        {QStringLiteral("9_1-1.korvorec"), true},   // no lock at all
    };
    for (std::size_t i = 0; i < std::size(files); ++i) {
        Leave(CRecoveryFile::Encode(CrashedRecord(font, static_cast<int>(i) + 1)), files[i].name);
    }
    CKorvoFEApp& app = Start({});
    EXPECT_EQ(offered_, 2u);
    EXPECT_TRUE(app.MainFrame().Children().empty()) << "nothing was chosen";
    for (const auto& f : files) {
        EXPECT_TRUE(RecoveryFiles().contains(f.name)) << f.name.toStdString();
    }
    EXPECT_TRUE(running.isLocked());
}

// Autosave follows the document: a change is written after the interval, undoing it by hand
// removes the file again, and saving removes it for good.
TEST_F(RecoveryTest, AutosaveFollowsChangesAndSaves) {
    const std::string font = Font();
    CKorvoFEApp& app =
        Start({QStringLiteral("--autosave-interval=40"), QString::fromStdString(font)});
    ASSERT_EQ(app.AutoSaver().IntervalMs(), 40);
    CChildFrame& child = *app.MainFrame().Children().front();
    CPaper& paper = *child.Paper();
    const auto changed = [&child] {
        child.NotifyDocumentChanged();
        QTest::qWait(120);
    };

    auto line = std::make_unique<CData>(kNodeLine);
    line->CreateLine(1, 2, 3, 4, 0, 0.25f, 0, 1);
    CData* added = paper.AddNode(std::move(line));
    QTest::qWait(120);
    EXPECT_TRUE(RecoveryFiles().isEmpty()) << "nothing said that the document changed";
    changed();
    ASSERT_EQ(RecoveryFiles().size(), 1u);
    const QString file = app.AutoSaver().RecoveryPathOf(&child);
    const auto record = ReadRecord(file);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->originalPath, child.PathName().toStdString());
    EXPECT_EQ(record->title, "futural.dat");

    paper.GetCollection()->Detach(added);
    changed();
    EXPECT_TRUE(RecoveryFiles().isEmpty()) << "back to what the file holds";

    child.Document().GetPaper()->SetHelpLine(0, 33.0f, true);
    changed();
    EXPECT_EQ(RecoveryFiles().size(), 1u) << "help lines are part of the state";
    // A full disk: the write fails after the checks; the changes and their recovery file stay.
    child.Document().SetModifiedFlag();
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit full{64, limit.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &full);
    EXPECT_FALSE(child.Save(false));
    ::setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_TRUE(child.IsModified() && RecoveryFiles().size() == 1);
    EXPECT_EQ(script_.messages.at(0).id, MessageId::Fixed(FixedText::ErrorCreatingFontFile));
    script_ = {};
    ASSERT_TRUE(child.Save(false));
    EXPECT_TRUE(RecoveryFiles().isEmpty());
    EXPECT_TRUE(script_.asked.empty());

    // A folder that cannot be written is told once, not at every change.
    QDir(RecoveryFolder()).removeRecursively();
    test::WriteText(RecoveryFolder().toStdString(), "in the way");
    for (int i = 0; i < 2; ++i) {
        child.Document().GetPaper()->SetHelpLine(0, 40.0f + i, true);
        changed();
    }
    ASSERT_EQ(script_.asked.size(), 1u);
    EXPECT_NE(script_.asked[0].find("Autosave cannot write"), std::string::npos);
    QFile::remove(RecoveryFolder());
}

}  // namespace
}  // namespace korvo
