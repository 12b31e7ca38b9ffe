#include "DocumentWatch.h"

#include <QEvent>

namespace korvo {

CDocumentWatch::CDocumentWatch(QObject* parent) : QObject(parent) {
    pending_.setSingleShot(true);
    pending_.setInterval(0);
    connect(&pending_, &QTimer::timeout, this, &CDocumentWatch::Changed);
}

void CDocumentWatch::Observe(QObject* widget) {
    widget->installEventFilter(this);
}

void CDocumentWatch::Poke() {
    pending_.start();
}

bool CDocumentWatch::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        // Presses and moves only start edits; the release, double click or key ends them.
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Drop:
            Poke();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace korvo
