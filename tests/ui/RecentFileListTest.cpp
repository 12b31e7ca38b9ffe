#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include "RecentFileList.h"

namespace korvo {
namespace {

TEST(RecentFileListTest, NewestFirstNoTwiceAtMostFourAndKeptInTheSettings) {
    QTemporaryDir dir;
    const auto file = [&dir](const char* name) { return dir.filePath(QString::fromLatin1(name)); };

    struct Step {
        QString added;
        QStringList expected;
    };
    const Step steps[] = {
        {file("a.dat"), {file("a.dat")}},
        {file("b.dat"), {file("b.dat"), file("a.dat")}},
        // Another spelling of a.dat moves it up instead of adding it twice.
        {dir.path() + QStringLiteral("/sub/../a.dat"), {file("a.dat"), file("b.dat")}},
        {file("c.dat"), {file("c.dat"), file("a.dat"), file("b.dat")}},
        {file("d.dat"), {file("d.dat"), file("c.dat"), file("a.dat"), file("b.dat")}},
        // A fifth file pushes out the oldest.
        {file("e.dat"), {file("e.dat"), file("d.dat"), file("c.dat"), file("a.dat")}},
    };
    CRecentFileList list(4);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.added.toStdString());
        list.Add(step.added);
        EXPECT_EQ(list.Paths(), step.expected);
    }
    EXPECT_EQ(list.MenuText(0), QStringLiteral("&1 e.dat"));
    EXPECT_EQ(list.MenuText(3), QStringLiteral("&4 a.dat"));
    EXPECT_EQ(list.MenuText(4), QString());

    // Through the settings and back, also after the list has shrunk.
    const QString ini = dir.filePath(QStringLiteral("settings.ini"));
    {
        QSettings settings(ini, QSettings::IniFormat);
        list.Save(settings);
        list.Remove(file("d.dat"));
        list.Save(settings);
    }
    QSettings settings(ini, QSettings::IniFormat);
    EXPECT_EQ(settings.value(QStringLiteral("Recent File List/File1")).toString(), file("e.dat"));
    EXPECT_FALSE(settings.contains(QStringLiteral("Recent File List/File4")));
    CRecentFileList loaded(4);
    loaded.Load(settings);
    EXPECT_EQ(loaded.Paths(), (QStringList{file("e.dat"), file("c.dat"), file("a.dat")}));

    // A file name with '&' is not a mnemonic.
    loaded.Add(file("R&D.dat"));
    EXPECT_EQ(loaded.MenuText(0), QStringLiteral("&1 R&&D.dat"));
}

}  // namespace
}  // namespace korvo
