#include "InstanceChannel.h"

#include <QDataStream>
#include <QFileInfo>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace korvo {

namespace {

// Tells a hand-over from whatever else may knock at the socket.
constexpr quint32 kMagic = 0x4B464531;  // "KFE1"
constexpr char kTaken = 'K';
constexpr int kProbeMs = 500;

QString UserPart() {
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

}  // namespace

CInstanceChannel::CInstanceChannel(QObject* parent) : QObject(parent) {
    connect(&server_, &QLocalServer::newConnection, this, &CInstanceChannel::OnConnection);
}

CInstanceChannel::~CInstanceChannel() = default;

QString CInstanceChannel::ChannelName(const QString& display) {
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9]"));
    QString place = display;
    place.replace(unsafe, QStringLiteral("_"));
    return QStringLiteral("korvofe-%1-%2").arg(UserPart(), place);
}

QString CInstanceChannel::ChannelName() {
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    return ChannelName(!wayland.isEmpty() ? wayland : qEnvironmentVariable("DISPLAY"));
}

bool CInstanceChannel::StartsSeparately(QStringList& arguments) {
    const bool asked = arguments.removeAll(QString::fromLatin1(kSeparateOption)) > 0 ||
                       qEnvironmentVariable(kSeparateVariable) == QStringLiteral("1");
    const bool options = std::any_of(arguments.begin(), arguments.end(), [](const QString& a) {
        return a.startsWith(QLatin1Char('-'));
    });
    return asked || options;
}

CInstanceChannel::HandOver CInstanceChannel::Deliver(const QStringList& files, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(ChannelName());
    if (!socket.waitForConnected(kProbeMs)) {
        return HandOver::NoEditor;
    }
    QStringList absolute;
    for (const QString& file : files) {
        absolute << QFileInfo(file).absoluteFilePath();
    }
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out << kMagic << absolute;
    socket.write(message);
    if (!socket.waitForBytesWritten(timeoutMs) || !socket.waitForReadyRead(timeoutMs)) {
        return HandOver::NoAnswer;
    }
    const QByteArray answer = socket.read(1);
    socket.disconnectFromServer();
    return answer.size() == 1 && answer[0] == kTaken ? HandOver::Delivered : HandOver::NoAnswer;
}

bool CInstanceChannel::Listen() {
    const QString name = ChannelName();
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (server_.listen(name)) {
        return true;
    }
    // The name is taken: by an editor that answers, or by the socket of one that crashed.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(kProbeMs)) {
        probe.abort();
        return false;
    }
    QLocalServer::removeServer(name);
    return server_.listen(name);
}

void CInstanceChannel::OnConnection() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            QDataStream in(socket);
            in.startTransaction();
            quint32 magic = 0;
            QStringList files;
            in >> magic >> files;
            if (!in.commitTransaction()) {
                return;  // the rest is still on its way
            }
            if (magic != kMagic) {
                socket->abort();
                return;
            }
            socket->write(&kTaken, 1);
            socket->flush();
            // Opening may ask questions; the other process need not wait for the answers.
            QTimer::singleShot(0, this, [this, files] { emit FilesArrived(files); });
        });
    }
}

}  // namespace korvo
