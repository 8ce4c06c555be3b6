#include "app/file_beacon.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace quillmere {
namespace {

constexpr int kWaitMs = 1000;
// What a second start says; a program only looking whether the file has an
// owner says nothing, and brings no window forward.
constexpr char kComeForward[] = "come forward\n";

bool SomeoneAnswers(const QString& name, bool askToComeForward) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kWaitMs)) return false;
    if (askToComeForward) {
        socket.write(kComeForward);
        socket.waitForBytesWritten(kWaitMs);
    }
    socket.disconnectFromServer();
    return true;
}

}  // namespace

QString BeaconName(const QString& path) {
    QFileInfo file(path);
    const QString canonical = file.canonicalFilePath().isEmpty() ? file.absoluteFilePath() : file.canonicalFilePath();
    const QByteArray hash = QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
    return QStringLiteral("quillmere-loan-%1-%2").arg(getuid()).arg(QString::fromLatin1(hash));
}

LoanFileBeacon::LoanFileBeacon(QObject* parent) : QObject(parent), server_(new QLocalServer(this)) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            const auto read = [this, socket] {
                if (socket->readAll().contains(kComeForward)) emit Asked();
            };
            connect(socket, &QLocalSocket::readyRead, this, read);
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            if (socket->bytesAvailable() > 0) read();
        }
    });
}

bool LoanFileBeacon::HandOver(const QString& path) { return SomeoneAnswers(BeaconName(path), true); }

void LoanFileBeacon::Answer(const QString& path) {
    server_->close();
    if (path.isEmpty()) return;
    const QString name = BeaconName(path);
    // Another program answering for it already keeps doing so; a socket
    // left by one that ended is taken over.
    if (SomeoneAnswers(name, false)) return;
    QLocalServer::removeServer(name);
    (void)server_->listen(name);
}

}  // namespace quillmere
