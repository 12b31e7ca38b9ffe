#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QSettings>
#include <QTest>
#include <filesystem>

#include "InstanceChannel.h"
#include "support/TempDir.h"

namespace korvo {
namespace {

const std::string kSample = std::string(KORVO_SOURCE_DIR) + "/samples/futural.dat";

// Real editors on the offscreen platform, on a display of their own so that no editor of the
// user's is reached, each with this test's settings.
class Editors {
public:
    explicit Editors(const test::TempDir& dir)
        : display_(QStringLiteral(":korvo-test-%1").arg(QCoreApplication::applicationPid())),
          settings_(QString::fromStdString(dir.File("config/ORV Development/KorvoFE.conf"))) {
        env_ = QProcessEnvironment::systemEnvironment();
        env_.insert("QT_QPA_PLATFORM", "offscreen");
        env_.insert("DISPLAY", display_);
        env_.remove("WAYLAND_DISPLAY");
        env_.remove(CInstanceChannel::kSeparateVariable);
        env_.insert("XDG_CONFIG_HOME", QString::fromStdString(dir.File("config")));
        env_.insert("XDG_DATA_HOME", QString::fromStdString(dir.File("data")));
    }
    ~Editors() {
        for (auto& process : processes_) {
            process->kill();
            process->waitForFinished();
        }
    }

    QProcess& Start(const QStringList& arguments, bool separate = false) {
        auto& process = *processes_.emplace_back(std::make_unique<QProcess>());
        QProcessEnvironment env = env_;
        if (separate) {
            env.insert(CInstanceChannel::kSeparateVariable, "1");
        }
        process.setProcessEnvironment(env);
        process.start(KORVOFE_PROGRAM, arguments);
        return process;
    }
    bool Answers() const {
        QLocalSocket probe;
        probe.connectToServer(CInstanceChannel::ChannelName(display_));
        return probe.waitForConnected(100);
    }
    // The newest recent file, as the editor that opened it wrote it down.
    QString NewestRecent() const {
        return QSettings(settings_, QSettings::IniFormat)
            .value("Recent File List/File1")
            .toString();
    }

private:
    QString display_;
    QString settings_;
    QProcessEnvironment env_;
    std::vector<std::unique_ptr<QProcess>> processes_;
};

TEST(InstanceChannel, ASecondStartHandsItsFontToTheRunningEditor) {
    test::TempDir dir;
    const QString a = QString::fromStdString(dir.File("a.dat"));
    const QString b = QString::fromStdString(dir.File("b.dat"));
    std::filesystem::copy_file(kSample, a.toStdString());
    std::filesystem::copy_file(kSample, b.toStdString());
    Editors editors(dir);

    QProcess& first = editors.Start({});
    ASSERT_TRUE(QTest::qWaitFor([&] { return editors.Answers(); }, 20000));
    QProcess& second = editors.Start({b});
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return editors.NewestRecent() == b; }, 20000));

    // A separate editor is asked for: it keeps running beside the first.
    QProcess& separate = editors.Start({a}, true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return editors.NewestRecent() == a; }, 20000));
    EXPECT_EQ(separate.state(), QProcess::Running);

    // A crashed editor leaves its socket behind; the next start takes the channel over.
    first.kill();
    first.waitForFinished();
    QProcess& third = editors.Start({b});
    EXPECT_TRUE(QTest::qWaitFor([&] { return editors.NewestRecent() == b; }, 20000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return editors.Answers(); }, 20000));
    EXPECT_EQ(third.state(), QProcess::Running);
}

}  // namespace
}  // namespace korvo
