#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <cstdint>
#include <map>
#include <optional>

#include "app/DocumentState.h"

namespace korvo {

class CChildFrame;
class CRecoveryStore;

// Keeps a recovery file for every open font whose font, drawing or sheet differs from what was
// last opened or saved. The document's change notice starts the interval; when it ends, each
// changed document is written once, so a burst of edits costs one write, and writing never happens
// more often than the interval. Saving or closing a font removes its file; only a crash leaves one
// behind.
class CAutoSaver : public QObject {
    Q_OBJECT

public:
    static constexpr int kDefaultIntervalMs = 30000;
    // Tests and impatient users shorten the interval with this environment variable.
    static constexpr const char* kIntervalVariable = "KORVOFE_AUTOSAVE_MS";

    CAutoSaver(CRecoveryStore& store, int intervalMs, QObject* parent = nullptr);
    ~CAutoSaver() override;

    // The interval from the environment, else the default; nonsense falls back to the default.
    static int IntervalFromEnvironment();

    // Follows a document whose current state is what its file holds.
    void Watch(CChildFrame* child);
    // Follows a restored document: its state is not in its file, and `recoveryPath` already
    // holds it.
    void WatchRestored(CChildFrame* child, const QString& recoveryPath);
    // Writes or removes every document's file now, as the interval's end would.
    void Flush();
    int IntervalMs() const { return timer_.interval(); }
    QString RecoveryPathOf(const CChildFrame* child) const;

signals:
    // The first recovery file of this run that could not be written; later ones are retried
    // after the next change but not reported again.
    void WriteFailed(const QString& path);

private:
    struct Tracked {
        QPointer<CChildFrame> child;
        std::optional<CDocumentState> clean;    // the state its file holds
        std::optional<CDocumentState> written;  // the state in the recovery file
        QString path;
        // The document's revision when it was last looked at; none: look again.
        std::optional<std::uint64_t> seen;
    };

    void Track(CChildFrame* child, Tracked state);
    void OnChanged();
    void OnSaved(CChildFrame* child);
    void OnClosed(CChildFrame* child);
    void Update(Tracked& state);

    CRecoveryStore& store_;
    QTimer timer_;
    bool failureReported_ = false;
    std::map<const CChildFrame*, Tracked> tracked_;
};

}  // namespace korvo
