#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

constexpr int kAnswerTimeoutMs = 1000;
const QByteArray kComeForward = QByteArrayLiteral("raise\n");

} // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent), m_name(serverName(key))
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverName(const QString& key)
{
    const QByteArray digest = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("tallyvane-") + QString::fromLatin1(digest.toHex().left(16));
}

bool SingleInstance::claim()
{
    if (askRunningProgram())
        return false;
    // Nobody answered: a name left by a program that crashed is stale.
    QLocalServer::removeServer(m_name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name))
        return true; // running alone without the guard beats not running
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* caller = m_server->nextPendingConnection()) {
            connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
            emit activationRequested();
        }
    });
    return true;
}

bool SingleInstance::askRunningProgram() const
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(kAnswerTimeoutMs))
        return false;
    socket.write(kComeForward);
    socket.waitForBytesWritten(kAnswerTimeoutMs);
    socket.disconnectFromServer();
    return true;
}
