#include "SingleInstance.h"

#include "base/SettingsStore.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

const QByteArray OpenCommand("open ");
const QByteArray Acknowledge("ok\n");
// A request is one path; anything longer is no request of ours.
constexpr qint64 MaxRequestBytes = 64 * 1024;

}

QString SingleInstance::defaultServerName()
{
    // Per user, and per settings home: a program started with other settings
    // (tests, a second profile) is a program of its own.
    const QByteArray home = settings_store::location().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(home, QCryptographicHash::Sha1).toHex().left(12);
#ifdef Q_OS_UNIX
    const QString user = QString::number(::getuid());
#else
    const QString user = qEnvironmentVariable("USERNAME");
#endif
    return QStringLiteral("skaleron-%1-%2").arg(user, QString::fromLatin1(hash));
}

SingleInstance::SingleInstance(const QString &serverName, QObject *parent)
    : QObject(parent)
    , m_serverName(serverName)
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::handOver(const QString &fileName, int timeoutMs) const
{
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return false;
    const QByteArray path = QFileInfo(fileName).absoluteFilePath().toUtf8();
    socket.write(OpenCommand + path + '\n');
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return false;
    QByteArray reply;
    while (!reply.contains('\n')) {
        if (!socket.waitForReadyRead(int(deadline.remainingTime())))
            return false;
        reply += socket.readAll();
    }
    socket.disconnectFromServer();
    return reply == Acknowledge;
}

bool SingleInstance::listen()
{
    if (m_server && m_server->isListening())
        return true;
    // A program that answers is running; a socket nobody answers on was left
    // by one that ended, and is taken over. (Listening alone would not tell:
    // a socket with restricted access replaces an existing one.)
    QLocalSocket probe;
    probe.connectToServer(m_serverName);
    if (probe.waitForConnected(500))
        return false;
    QLocalServer::removeServer(m_serverName);
    delete m_server;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
    return m_server->listen(m_serverName);
}

bool SingleInstance::isListening() const
{
    return m_server && m_server->isListening();
}

void SingleInstance::onNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        if (socket->bytesAvailable() > 0)
            onReadyRead(socket);
    }
}

void SingleInstance::onReadyRead(QLocalSocket *socket)
{
    // Requests are passed on only after the socket is done with: opening a
    // file may ask the user, and while the question is open the client goes
    // away and its socket is deleted.
    QStringList requested;
    const auto passOn = [this, &requested] {
        for (const QString &path : std::as_const(requested))
            QMetaObject::invokeMethod(this, [this, path] { emit openFileRequested(path); }, Qt::QueuedConnection);
    };
    while (socket->canReadLine()) {
        QByteArray line = socket->readLine(MaxRequestBytes);
        if (line.endsWith('\n'))
            line.chop(1);
        if (!line.startsWith(OpenCommand)) {
            socket->disconnectFromServer();
            passOn();
            return;
        }
        const QString path = QString::fromUtf8(line.mid(OpenCommand.size()));
        if (path.isEmpty() || !QFileInfo(path).isAbsolute()) {
            socket->disconnectFromServer();
            passOn();
            return;
        }
        socket->write(Acknowledge);
        socket->flush();
        requested << path;
    }
    if (socket->bytesAvailable() > MaxRequestBytes)
        socket->disconnectFromServer();
    passOn();
}
