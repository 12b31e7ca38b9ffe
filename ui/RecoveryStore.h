#pragma once

#include <QLockFile>
#include <QString>
#include <memory>
#include <vector>

#include "app/RecoveryFile.h"

namespace korvo {

// One recovery file a previous run left behind.
struct RecoveryEntry {
    QString path;
    RecoveryRecord record;
};

// A recovery file that could not be read, and why.
struct DamagedRecoveryFile {
    QString path;
    QString reason;
};

// The folder of recovery files (the user's data folder + "/recovery"). Every running editor
// holds a lock there for its own files, so a start never offers the files of an editor that is
// still running; the lock of a crashed editor is stale, and its files are offered.
class CRecoveryStore {
public:
    // `folder` empty: the user's data folder.
    explicit CRecoveryStore(const QString& folder = QString());
    ~CRecoveryStore();
    CRecoveryStore(const CRecoveryStore&) = delete;
    CRecoveryStore& operator=(const CRecoveryStore&) = delete;

    static constexpr const char* kSuffix = ".korvorec";

    const QString& Folder() const { return folder_; }
    // A name for a new recovery file of this run; nothing is written yet.
    QString NewFilePath();
    // Written beside its final name and renamed over it, so a crash while writing leaves the
    // previous version whole.
    bool Write(const QString& path, const RecoveryRecord& record);
    static void Remove(const QString& path);

    // The files of runs that ended without cleaning up, oldest first; unreadable ones are listed
    // apart and never offered.
    void Scan(std::vector<RecoveryEntry>& entries, std::vector<DamagedRecoveryFile>& damaged) const;
    // Takes over a previous run's file for a restored document; the file's new path.
    QString Adopt(const QString& path);
    // Moves an unreadable file out of the way (into "damaged/"), so that it is reported once
    // but nothing is thrown away.
    QString SetAside(const QString& path) const;

private:
    bool BelongsToLiveRun(const QString& fileName) const;

    QString folder_;
    QString session_;
    std::unique_ptr<QLockFile> lock_;
    int next_ = 0;
};

}  // namespace korvo
