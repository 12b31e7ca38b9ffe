#include "customize/CommandList.h"

#include <QStringList>
#include <algorithm>

#include "commands/CommandRegistry.h"

namespace korvo {

QString CommandListToText(std::span<const int> commands) {
    QStringList parts;
    parts.reserve(static_cast<qsizetype>(commands.size()));
    for (const int id : commands) {
        parts.append(QString::number(id));
    }
    return parts.join(QLatin1Char(','));
}

std::vector<int> CommandListFromText(const QString& text, bool separators) {
    std::vector<int> commands;
    const QStringList parts = text.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        if (commands.size() == kMaxStoredCommands) {
            break;
        }
        bool ok = false;
        const int id = part.trimmed().toInt(&ok);
        if (!ok) {
            continue;
        }
        if ((id == 0 && separators) || (id != 0 && FindCommand(id) != nullptr)) {
            commands.push_back(id);
        }
    }
    return WithoutRepeats(commands);
}

std::vector<int> WithoutRepeats(const std::vector<int>& commands) {
    std::vector<int> kept;
    for (const int id : commands) {
        if (id == 0 || std::find(kept.begin(), kept.end(), id) == kept.end()) {
            kept.push_back(id);
        }
    }
    return kept;
}

}  // namespace korvo
