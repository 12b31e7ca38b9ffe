#include "customize/ShortcutManager.h"

#include <QAction>
#include <QSettings>
#include <QStringList>

#include "CommandActions.h"

namespace korvo {

namespace {

const QString kGroup = QStringLiteral("Keyboard");
const QString kSeparator = QStringLiteral("; ");
// More keys than anyone binds to one command: a damaged entry cannot fill the menus.
constexpr qsizetype kMaxKeysPerCommand = 8;

// A key name this Qt does not know reads as an "unknown" key that no keyboard can press.
bool Usable(const QKeySequence& key) {
    if (key.isEmpty()) {
        return false;
    }
    for (int chord = 0; chord < key.count(); ++chord) {
        if (key[chord].key() == Qt::Key_unknown) {
            return false;
        }
    }
    return true;
}

}  // namespace

CShortcutManager::CShortcutManager(CCommandActions& actions) : actions_(actions) {
    for (const auto& [id, action] : actions_.All()) {
        defaults_.emplace(id, action->shortcuts());
    }
}

QList<QKeySequence> CShortcutManager::Keys(int id) const {
    const QAction* action = actions_.Action(id);
    return action != nullptr ? action->shortcuts() : QList<QKeySequence>{};
}

int CShortcutManager::Owner(const QKeySequence& key) const {
    if (key.isEmpty()) {
        return 0;
    }
    for (const auto& [id, action] : actions_.All()) {
        if (action->shortcuts().contains(key)) {
            return id;
        }
    }
    return 0;
}

bool CShortcutManager::Assign(int id, const QKeySequence& key) {
    if (key.isEmpty() || actions_.Action(id) == nullptr) {
        return false;
    }
    const int owner = Owner(key);
    if (owner == id) {
        return true;
    }
    if (owner != 0) {
        Remove(owner, key);
    }
    QList<QKeySequence> keys = Keys(id);
    keys.append(key);
    SetKeys(id, keys);
    return true;
}

void CShortcutManager::Remove(int id, const QKeySequence& key) {
    QList<QKeySequence> keys = Keys(id);
    if (keys.removeAll(key) > 0) {
        SetKeys(id, keys);
    }
}

void CShortcutManager::SetKeys(int id, const QList<QKeySequence>& keys) {
    if (QAction* action = actions_.Action(id)) {
        action->setShortcuts(keys);
    }
}

void CShortcutManager::ResetAll() {
    for (const auto& [id, keys] : defaults_) {
        SetKeys(id, keys);
    }
}

void CShortcutManager::Save(QSettings& settings) const {
    settings.remove(kGroup);
    settings.beginGroup(kGroup);
    for (const auto& [id, keys] : defaults_) {
        const QList<QKeySequence> now = Keys(id);
        if (now == keys) {
            continue;
        }
        QStringList parts;
        for (const QKeySequence& key : now) {
            parts.append(key.toString(QKeySequence::PortableText));
        }
        // An empty text is kept: it says the user took every key away.
        settings.setValue(QString::number(id), parts.join(kSeparator));
    }
    settings.endGroup();
}

void CShortcutManager::Load(QSettings& settings) {
    ResetAll();
    settings.beginGroup(kGroup);
    const QStringList stored = settings.childKeys();
    // Every stored command first gives up its keys, so a key moved from one command to another
    // is not refused as taken by the one it left.
    std::map<int, QList<QKeySequence>> wanted;
    for (const QString& name : stored) {
        bool ok = false;
        const int id = name.toInt(&ok);
        if (!ok || actions_.Action(id) == nullptr) {
            continue;
        }
        QList<QKeySequence> keys;
        const QStringList parts =
            settings.value(name).toString().split(kSeparator, Qt::SkipEmptyParts);
        for (const QString& part : parts) {
            const QKeySequence key(part.trimmed(), QKeySequence::PortableText);
            if (Usable(key) && !keys.contains(key) && keys.size() < kMaxKeysPerCommand) {
                keys.append(key);
            }
        }
        wanted.emplace(id, keys);
        SetKeys(id, {});
    }
    settings.endGroup();
    for (const auto& [id, keys] : wanted) {
        for (const QKeySequence& key : keys) {
            Assign(id, key);
        }
    }
}

}  // namespace korvo
