#include "app/file_beacon.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace quillmere {
namespace {

constexpr int kWaitMs = 1000;

bool SomeoneAnswers(const QString& name) {
    QLocalSocket socket;
    socket.connectToServer(name);
    return socket.waitForConnected(kWaitMs);
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
            socket->disconnectFromServer();
            socket->deleteLater();
        }
        emit Asked();
    });
}

bool LoanFileBeacon::HandOver(const QString& path) { return SomeoneAnswers(BeaconName(path)); }

void LoanFileBeacon::Answer(const QString& path) {
    server_->close();
    if (path.isEmpty()) return;
    const QString name = BeaconName(path);
    // Another program answering for it already keeps doing so; a socket
    // left by one that ended is taken over.
    if (SomeoneAnswers(name)) return;
    QLocalServer::removeServer(name);
    (void)server_->listen(name);
}

}  // namespace quillmere
