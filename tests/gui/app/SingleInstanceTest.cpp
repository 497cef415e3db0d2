#include "app/SingleInstance.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>
#include <future>

using namespace testing_support;

namespace {

QString uniqueName()
{
    return QStringLiteral("skaleron-test-") + QUuid::createUuid().toString(QUuid::Id128).left(12);
}

// Hands over from another thread, as a second program would, while this
// thread's event loop serves the request.
bool handOverFromElsewhere(const QString &server, const QString &file, bool *result)
{
    auto done = std::async(std::launch::async, [&] { return SingleInstance(server).handOver(file, 5000); });
    while (done.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
        QCoreApplication::processEvents();
    *result = done.get();
    return true;
}

}

class SingleInstanceTest : public QObject
{
    Q_OBJECT
private slots:
    void runningProgramReceivesTheFileAsAbsolutePath()
    {
        ScopedTestHome home; // also the working folder
        SingleInstance running(uniqueName());
        QVERIFY(running.listen());
        QSignalSpy requests(&running, &SingleInstance::openFileRequested);
        bool accepted = false;
        handOverFromElsewhere(running.serverName(), "project one.rix", &accepted);
        QVERIFY(accepted);
        QTRY_COMPARE(requests.count(), 1);
        QCOMPARE(requests.at(0).at(0).toString(), QDir(home.path()).absoluteFilePath("project one.rix"));
    }

    void nothingRunningMeansNoHandOver()
    {
        SingleInstance second(uniqueName());
        QVERIFY(!second.handOver("/tmp/a.rix", 1000));
    }

    void secondListenerIsRefused()
    {
        const QString name = uniqueName();
        SingleInstance first(name);
        QVERIFY(first.listen());
        SingleInstance second(name);
        QVERIFY(!second.listen());
        QVERIFY(first.isListening());
    }

    void leftOverSocketIsTakenOver()
    {
        const QString name = uniqueName();
        const QString path = QDir::tempPath() + "/" + name;
        QFile stale(path); // what a crashed program leaves behind
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.close();
        SingleInstance running(name);
        QVERIFY(running.listen());
        QSignalSpy requests(&running, &SingleInstance::openFileRequested);
        bool accepted = false;
        handOverFromElsewhere(name, "/data/b.rix", &accepted);
        QVERIFY(accepted);
        QTRY_COMPARE(requests.count(), 1);
    }

    void foreignRequestsAreIgnored()
    {
        SingleInstance running(uniqueName());
        QVERIFY(running.listen());
        QSignalSpy requests(&running, &SingleInstance::openFileRequested);
        for (const QByteArray &request : {QByteArray("print /etc/passwd\n"), QByteArray("open relative.rix\n"),
                                         QByteArray("open \n")}) {
            QLocalSocket socket;
            socket.connectToServer(running.serverName());
            QVERIFY(socket.waitForConnected(1000));
            socket.write(request);
            socket.flush();
            QTRY_COMPARE(socket.state(), QLocalSocket::UnconnectedState);
            QCOMPARE(socket.readAll(), QByteArray());
        }
        QCOMPARE(requests.count(), 0);
    }

    void serverNameDependsOnTheSettingsHome()
    {
        QString first;
        {
            ScopedTestHome home;
            first = SingleInstance::defaultServerName();
            QCOMPARE(SingleInstance::defaultServerName(), first);
        }
        ScopedTestHome other;
        QVERIFY(SingleInstance::defaultServerName() != first);
        QVERIFY(first.startsWith("skaleron-"));
    }
};

SKALERON_TEST(SingleInstanceTest)
#include "SingleInstanceTest.moc"
