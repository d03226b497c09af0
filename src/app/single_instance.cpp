#include "app/single_instance.h"

#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace kelvara {

namespace {

constexpr int kConnectMilliseconds = 1000;
// A path longer than this is no path a file manager hands over; the connection is dropped.
constexpr qint64 kLongestMessage = 64 * 1024;

}  // namespace

SingleInstance::SingleInstance(QString name, QObject* parent) : QObject(parent), name_(std::move(name)) {}

SingleInstance::~SingleInstance() = default;

// In the user's own runtime folder where there is one; else in the temporary folder,
// named for the user (the socket is made without write access for others).
QString SingleInstance::default_name() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.startsWith(u'/') && QFileInfo(runtime).isDir()) return runtime + QStringLiteral("/kelvara-instance");
    return QStringLiteral("kelvara-%1").arg(::getuid());
}

bool SingleInstance::hand_over(const QString& file) const {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kConnectMilliseconds)) return false;
    const QString path = file.isEmpty() ? QString() : QFileInfo(file).absoluteFilePath();
    socket.write(path.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(kConnectMilliseconds)) return false;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kConnectMilliseconds);
    return true;
}

bool SingleInstance::listen() {
    // No socket options: with them Qt replaces a socket of the same name instead of
    // refusing it, and two programs would each think they were the one.
    server_ = new QLocalServer(this);
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::accept_connections);
    if (server_->listen(name_)) return true;
    // A socket left behind by a Kelvara that did not end cleanly answers nobody.
    if (server_->serverError() != QAbstractSocket::AddressInUseError || hand_over({})) return false;
    QLocalServer::removeServer(name_);
    return server_->listen(name_);
}

void SingleInstance::accept_connections() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        socket->setParent(this);
        socket->setReadBufferSize(kLongestMessage + 1);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > kLongestMessage) socket->abort();
                return;
            }
            QByteArray line = socket->readLine(kLongestMessage + 1);
            line.chop(1);  // the '\n'; a name may end in spaces
            const QString file = QString::fromUtf8(line);
            socket->disconnectFromServer();
            emit file_received(file);
        });
    }
}

}  // namespace kelvara
