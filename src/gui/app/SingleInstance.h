#pragma once
// One desktop program per user and settings home for opening projects from
// the desktop: a second start with a project file hands the file to the
// program already running, which opens it, and ends.
//
// The running program listens on a local socket that only its user can
// reach; a request is one line "open <absolute path>", answered "ok".
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // The socket name for this user and settings home.
    static QString defaultServerName();

    explicit SingleInstance(const QString &serverName = defaultServerName(), QObject *parent = nullptr);
    ~SingleInstance() override;

    // Asks a running program to open fileName (made absolute here, since the
    // running program has another working folder). True when it accepted
    // the file; false when none runs or it did not answer in time. Blocks for
    // at most timeoutMs; needs no event loop.
    bool handOver(const QString &fileName, int timeoutMs = 3000) const;

    // Becomes the running program: listens for requests. A socket left by a
    // program that has ended is taken over. False when that is not possible
    // (the program then simply runs without accepting requests).
    bool listen();
    bool isListening() const;
    QString serverName() const { return m_serverName; }

signals:
    // A second start asked to open this file (an absolute path). Emitted
    // from the event loop once the request has been answered.
    void openFileRequested(const QString &fileName);

private:
    void onNewConnection();
    void onReadyRead(QLocalSocket *socket);

    QString m_serverName;
    QLocalServer *m_server = nullptr;
};
