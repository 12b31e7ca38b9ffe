#include "RecentFileList.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace korvo {

namespace {

const QString kSection = QStringLiteral("Recent File List");

QString SettingsKeyOf(int index) {
    return QStringLiteral("File%1").arg(index + 1);
}

// Two spellings of one file are one entry.
QString Canonical(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

}  // namespace

CRecentFileList::CRecentFileList(int size) : size_(size) {}

void CRecentFileList::Load(QSettings& settings) {
    paths_.clear();
    settings.beginGroup(kSection);
    for (int index = 0; index < size_; ++index) {
        const QString path = settings.value(SettingsKeyOf(index)).toString();
        if (!path.isEmpty() && !paths_.contains(path)) {
            paths_.append(path);
        }
    }
    settings.endGroup();
}

void CRecentFileList::Save(QSettings& settings) const {
    settings.beginGroup(kSection);
    for (int index = 0; index < size_; ++index) {
        if (index < paths_.size()) {
            settings.setValue(SettingsKeyOf(index), paths_[index]);
        } else {
            settings.remove(SettingsKeyOf(index));
        }
    }
    settings.endGroup();
}

void CRecentFileList::Add(const QString& path) {
    const QString canonical = Canonical(path);
    paths_.removeAll(canonical);
    paths_.prepend(canonical);
    while (paths_.size() > size_) {
        paths_.removeLast();
    }
}

void CRecentFileList::Remove(const QString& path) {
    paths_.removeAll(Canonical(path));
}

QString CRecentFileList::MenuText(int index) const {
    if (index < 0 || index >= paths_.size()) {
        return {};
    }
    // A '&' in a file name would otherwise become a mnemonic.
    QString name = QFileInfo(paths_[index]).fileName();
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(name);
}

}  // namespace korvo
