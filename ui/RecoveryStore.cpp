#include "RecoveryStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

#include "platform/FileIo.h"

namespace korvo {

namespace {

QString LockName(const QString& session) {
    return session + QStringLiteral(".lock");
}

// "<session>-<n>.korvorec": the session is everything before the last dash.
QString SessionOf(const QString& fileName) {
    const QString base = fileName.left(fileName.size() - int(qstrlen(CRecoveryStore::kSuffix)));
    return base.left(base.lastIndexOf(QLatin1Char('-')));
}

}  // namespace

CRecoveryStore::CRecoveryStore(const QString& folder) : folder_(folder) {
    if (folder_.isEmpty()) {
        folder_ = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                  QStringLiteral("/recovery");
    }
    QDir().mkpath(folder_);
    // The process id alone could come back after a reboot; with the start time it cannot.
    session_ = QStringLiteral("%1_%2")
                   .arg(QCoreApplication::applicationPid())
                   .arg(QDateTime::currentMSecsSinceEpoch());
    lock_ = std::make_unique<QLockFile>(QDir(folder_).filePath(LockName(session_)));
    // Held for the whole run; it goes stale only when this process is gone.
    lock_->setStaleLockTime(0);
    lock_->tryLock(0);
}

CRecoveryStore::~CRecoveryStore() = default;

QString CRecoveryStore::NewFilePath() {
    return QDir(folder_).filePath(
        QStringLiteral("%1-%2%3").arg(session_).arg(++next_).arg(QLatin1String(kSuffix)));
}

bool CRecoveryStore::Write(const QString& path, const RecoveryRecord& record) {
    QDir().mkpath(folder_);
    const std::vector<std::uint8_t> bytes = CRecoveryFile::Encode(record);
    return SaveFileAtomically(QFile::encodeName(path).toStdString(), bytes) ==
           FileSaveResult::Saved;
}

void CRecoveryStore::Remove(const QString& path) {
    if (!path.isEmpty()) {
        QFile::remove(path);
    }
}

bool CRecoveryStore::BelongsToLiveRun(const QString& fileName) const {
    const QString session = SessionOf(fileName);
    if (session == session_) {
        return true;
    }
    const QString lockPath = QDir(folder_).filePath(LockName(session));
    if (!QFileInfo::exists(lockPath)) {
        return false;
    }
    QLockFile other(lockPath);
    other.setStaleLockTime(0);
    // Taking the lock succeeds only when its owner has died; it is let go at once.
    return !other.tryLock(0);
}

void CRecoveryStore::Scan(std::vector<RecoveryEntry>& entries,
                          std::vector<DamagedRecoveryFile>& damaged) const {
    const QDir dir(folder_);
    const QStringList names =
        dir.entryList({QStringLiteral("*") + QLatin1String(kSuffix)}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        if (BelongsToLiveRun(name)) {
            continue;
        }
        const QString path = dir.filePath(name);
        std::vector<std::uint8_t> bytes;
        if (LoadWholeFile(QFile::encodeName(path).toStdString(), bytes) != FileLoadResult::Loaded) {
            damaged.push_back({path, QStringLiteral("it cannot be read")});
            continue;
        }
        RecoveryReadResult read = CRecoveryFile::Decode(bytes);
        if (!read.record) {
            damaged.push_back({path, QStringLiteral("%1 at byte %2")
                                         .arg(QString::fromStdString(read.damage.reason))
                                         .arg(read.damage.offset)});
            continue;
        }
        entries.push_back({path, std::move(*read.record)});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return a.record.savedAtMs < b.record.savedAtMs;
    });
}

QString CRecoveryStore::Adopt(const QString& path) {
    const QString adopted = NewFilePath();
    return QFile::rename(path, adopted) ? adopted : path;
}

QString CRecoveryStore::SetAside(const QString& path) const {
    const QDir dir(folder_);
    dir.mkpath(QStringLiteral("damaged"));
    QString target = dir.filePath(QStringLiteral("damaged/") + QFileInfo(path).fileName());
    QFile::remove(target);
    return QFile::rename(path, target) ? target : path;
}

}  // namespace korvo
