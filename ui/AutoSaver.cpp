#include "AutoSaver.h"

#include <QDateTime>

#include "ChildFrame.h"
#include "RecoveryStore.h"
#include "app/DocumentSnapshot.h"

namespace korvo {

namespace {

RecoveryRecord Snapshot(const CChildFrame& child) {
    return CDocumentSnapshot::Take(child.Document(), child.Title().toStdString(),
                                   QDateTime::currentMSecsSinceEpoch());
}

}  // namespace

CAutoSaver::CAutoSaver(CRecoveryStore& store, int intervalMs, QObject* parent)
    : QObject(parent), store_(store) {
    timer_.setSingleShot(true);
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, &CAutoSaver::Flush);
}

CAutoSaver::~CAutoSaver() = default;

int CAutoSaver::IntervalFromEnvironment() {
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue(kIntervalVariable, &ok);
    return ok && ms > 0 ? ms : kDefaultIntervalMs;
}

void CAutoSaver::Watch(CChildFrame* child) {
    Tracked state;
    state.clean = CDocumentSnapshot::Digest(Snapshot(*child));
    Track(child, std::move(state));
}

void CAutoSaver::WatchRestored(CChildFrame* child, const QString& recoveryPath) {
    Tracked state;
    state.written = CDocumentSnapshot::Digest(Snapshot(*child));
    state.path = recoveryPath;
    Track(child, std::move(state));
}

void CAutoSaver::Track(CChildFrame* child, Tracked state) {
    state.child = child;
    tracked_[child] = std::move(state);
    connect(child, &CChildFrame::DocumentChanged, this, &CAutoSaver::OnChanged);
    connect(child, &CChildFrame::Saved, this, [this, child] { OnSaved(child); });
    connect(child, &CChildFrame::Closed, this, [this, child] { OnClosed(child); });
    // A window that goes without closing (the editor is torn down) keeps its file.
    connect(child, &QObject::destroyed, this, [this, child] { tracked_.erase(child); });
}

QString CAutoSaver::RecoveryPathOf(const CChildFrame* child) const {
    const auto it = tracked_.find(child);
    return it != tracked_.end() ? it->second.path : QString();
}

void CAutoSaver::OnChanged() {
    if (!timer_.isActive()) {
        timer_.start();
    }
}

void CAutoSaver::OnSaved(CChildFrame* child) {
    const auto it = tracked_.find(child);
    if (it == tracked_.end()) {
        return;
    }
    it->second.clean = CDocumentSnapshot::Digest(Snapshot(*child));
    Update(it->second);
}

void CAutoSaver::OnClosed(CChildFrame* child) {
    const auto it = tracked_.find(child);
    if (it != tracked_.end()) {
        CRecoveryStore::Remove(it->second.path);
        tracked_.erase(it);
    }
}

void CAutoSaver::Flush() {
    timer_.stop();
    for (auto& [child, state] : tracked_) {
        if (state.child && !state.child->IsClosed()) {
            Update(state);
        }
    }
}

void CAutoSaver::Update(Tracked& state) {
    const RecoveryRecord record = Snapshot(*state.child);
    const std::uint32_t digest = CDocumentSnapshot::Digest(record);
    if (state.clean == digest) {
        CRecoveryStore::Remove(state.path);
        state.path.clear();
        state.written.reset();
        return;
    }
    if (state.written == digest) {
        return;
    }
    if (state.path.isEmpty()) {
        state.path = store_.NewFilePath();
    }
    if (store_.Write(state.path, record)) {
        state.written = digest;
    } else if (!failureReported_) {
        failureReported_ = true;
        emit WriteFailed(state.path);
    }
}

}  // namespace korvo
