#pragma once

#include <QObject>
#include <QTimer>

namespace korvo {

// Tells when a document may have changed, without the view or its tools knowing about it: after
// the user's clicks, keys and drops on the view have been handled, and whenever someone calls
// Poke (commands, undo, redo). Notices that arrive together become one, at the next turn of the
// event loop, so listeners see the finished edit and never a half-done one.
class CDocumentWatch : public QObject {
    Q_OBJECT

public:
    explicit CDocumentWatch(QObject* parent = nullptr);

    // Listens to the events of `widget`.
    void Observe(QObject* widget);
    void Poke();

signals:
    void Changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTimer pending_;
};

}  // namespace korvo
