#pragma once

#include <QString>
#include <QStringList>

class QSettings;

namespace korvo {

// The most recently opened fonts, newest first, as many as the File menu shows. They live in
// the settings under "Recent File List" as File1 ... File4.
class CRecentFileList {
public:
    explicit CRecentFileList(int size);

    void Load(QSettings& settings);
    void Save(QSettings& settings) const;

    // Puts `path` first; an entry for the same file moves up instead of appearing twice.
    void Add(const QString& path);
    void Remove(const QString& path);

    const QStringList& Paths() const { return paths_; }
    // The menu text of entry `index`: its number as mnemonic, then the file name.
    QString MenuText(int index) const;

private:
    int size_;
    QStringList paths_;
};

}  // namespace korvo
