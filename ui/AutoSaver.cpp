#include "AutoSaver.h"

#include <QDateTime>

#include "ChildFrame.h"
#include "RecoveryStore.h"
#include "app/KorvoFEDoc.h"

namespace korvo {

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
    state.clean = CDocumentState::Capture(child->Document());
    Track(child, std::move(state));
}

void CAutoSaver::WatchRestored(CChildFrame* child, const QString& recoveryPath) {
    Tracked state;
    state.written = CDocumentState::Capture(child->Document());
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
    it->second.clean = CDocumentState::Capture(child->Document());
    it->second.seen.reset();
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
    const CKorvoFEDoc& document = state.child->Document();
    if (state.seen == document.Revision()) {
        return;  // no notice since the last look
    }
    state.seen = document.Revision();
    const CDocumentState* known = state.written ? &*state.written : nullptr;
    std::optional<CDocumentState> now =
        CDocumentState::Capture(document, known != nullptr ? known
                                          : state.clean    ? &*state.clean
                                                           : nullptr);
    if (!now) {
        return;
    }
    if (state.clean && now->SameContent(*state.clean)) {
        CRecoveryStore::Remove(state.path);
        state.path.clear();
        state.written.reset();
        return;
    }
    if (state.written && now->SameContent(*state.written)) {
        return;
    }
    if (state.path.isEmpty()) {
        state.path = store_.NewFilePath();
    }
    const RecoveryRecord record =
        now->Record(state.child->Title().toStdString(), QDateTime::currentMSecsSinceEpoch());
    if (store_.Write(state.path, record)) {
        state.written = std::move(now);
    } else if (!failureReported_) {
        failureReported_ = true;
        emit WriteFailed(state.path);
    }
}

}  // namespace korvo
