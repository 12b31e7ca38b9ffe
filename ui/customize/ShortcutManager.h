#pragma once

#include <QKeySequence>
#include <QList>
#include <map>

class QSettings;

namespace korvo {

class CCommandActions;

// The keys of every command. The command table's keys are the defaults; the user may add keys
// to a command and take keys away. One key belongs to one command at most, because a key that
// two actions share fires neither.
class CShortcutManager {
public:
    explicit CShortcutManager(CCommandActions& actions);

    QList<QKeySequence> Keys(int id) const;
    // The command that answers `key`, 0 when none does.
    int Owner(const QKeySequence& key) const;
    // Gives `key` to the command `id`, taking it from the command that had it. False for an
    // empty key or a command the editor does not have.
    bool Assign(int id, const QKeySequence& key);
    void Remove(int id, const QKeySequence& key);
    void ResetAll();

    // Only the commands whose keys differ from the defaults are written.
    void Save(QSettings& settings) const;
    void Load(QSettings& settings);

private:
    void SetKeys(int id, const QList<QKeySequence>& keys);

    CCommandActions& actions_;
    std::map<int, QList<QKeySequence>> defaults_;
};

}  // namespace korvo
