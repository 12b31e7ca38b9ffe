#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSettings>
#include <QTest>

#include "InstanceChannel.h"
#include "support/TempDir.h"

namespace korvo {
namespace {

// Real editors on the offscreen platform, on a display of their own so that no editor of the
// user's is reached, with this test's settings; the newest recent file tells what one opened.
TEST(InstanceChannel, ASecondStartHandsItsFontToTheRunningEditor) {
    test::TempDir dir;
    const QString a = QString::fromStdString(dir.File("a.dat"));
    const QString b = QString::fromStdString(dir.File("b.dat"));
    for (const QString& font : {a, b}) {
        QFile::copy(QStringLiteral(KORVO_SOURCE_DIR "/samples/futural.dat"), font);
    }
    const QString display =
        QStringLiteral(":korvo-test-%1").arg(QCoreApplication::applicationPid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("DISPLAY", display);
    env.remove("WAYLAND_DISPLAY");
    env.remove(CInstanceChannel::kSeparateVariable);
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(dir.File("config")));
    env.insert("XDG_DATA_HOME", QString::fromStdString(dir.File("data")));
    std::vector<std::unique_ptr<QProcess>> editors;  // killed when the test ends
    const auto start = [&](const QStringList& arguments) -> QProcess& {
        editors.push_back(std::make_unique<QProcess>());
        editors.back()->setProcessEnvironment(env);
        editors.back()->start(KORVOFE_PROGRAM, arguments);
        return *editors.back();
    };
    const auto answers = [&] {
        QLocalSocket probe;
        probe.connectToServer(CInstanceChannel::ChannelName(display));
        return probe.waitForConnected(100);
    };
    const auto opened = [&](const QString& font) {
        const QString settings =
            QString::fromStdString(dir.File("config/ORV Development/KorvoFE.conf"));
        return QTest::qWaitFor(
            [&] {
                return QSettings(settings, QSettings::IniFormat).value("Recent File List/File1") ==
                       font;
            },
            20000);
    };

    QProcess& first = start({});
    ASSERT_TRUE(QTest::qWaitFor(answers, 20000));
    QProcess& second = start({b});
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(opened(b));

    // A crashed editor leaves its socket behind; the next start takes the channel over.
    first.kill();
    first.waitForFinished();
    start({a});
    EXPECT_TRUE(opened(a));
    EXPECT_TRUE(QTest::qWaitFor(answers, 20000));
}

}  // namespace
}  // namespace korvo
