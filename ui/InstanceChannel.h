#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace korvo {

// One editor per user and display. A second start hands the fonts it was given to the editor
// that already runs, which opens them and comes to the front, and the second process ends. The
// editors meet at a local socket named after the user and the display, so another user or
// another desktop session has an editor of its own.
class CInstanceChannel : public QObject {
    Q_OBJECT

public:
    // Set to 1 in the environment, or given as an option, this starts an editor of its own
    // (scripts and tests that must not reach the user's editor).
    static constexpr const char* kSeparateVariable = "KORVOFE_NEW_INSTANCE";
    static constexpr const char* kSeparateOption = "--new-instance";

    enum class HandOver : std::uint8_t {
        Delivered,  // the running editor took the files
        NoEditor,   // none runs: this process becomes the editor
        NoAnswer,   // one runs but did not answer in time
    };

    explicit CInstanceChannel(QObject* parent = nullptr);
    ~CInstanceChannel() override;

    // The socket's name for this user on `display` ("" for no display).
    static QString ChannelName(const QString& display);
    // ... on the display of this process ($WAYLAND_DISPLAY, else $DISPLAY).
    static QString ChannelName();

    // Whether this start keeps to itself: asked to (the option is taken out of `arguments`), or
    // given any other option, which only a new editor can carry out.
    static bool StartsSeparately(QStringList& arguments);

    // Hands the files, made absolute, to the editor of this user and display.
    static HandOver Deliver(const QStringList& files, int timeoutMs = 5000);

    // Takes the channel for this process. A socket left behind by an editor that crashed is
    // replaced; false when another editor answers on it.
    bool Listen();

signals:
    void FilesArrived(const QStringList& files);

private:
    void OnConnection();

    QLocalServer server_;
};

}  // namespace korvo
