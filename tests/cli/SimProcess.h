#pragma once
// The command-line tool and the gauge simulator as separate processes, for
// the tests that drive skaleron-cli against skaleron-sim.
#include "common/TestEnv.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace testing_support {

// skaleron-sim as a separate process; its state is read once it has stopped.
class SimProcess
{
public:
    explicit SimProcess(const QStringList &args, const QString &stateFile)
        : m_stateFile(stateFile)
    {
        m_process.start(testing_support::binDir() + "/skaleron-sim", args + QStringList{"--state-file", stateFile});
        if (!m_process.waitForStarted() || !m_process.waitForReadyRead(5000))
            qFatal("skaleron-sim did not start");
        m_device = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }
    ~SimProcess() { stop(); }

    QString device() const { return m_device; }

    QJsonObject stopAndReadState()
    {
        stop();
        QFile f(m_stateFile);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(f.readAll()).object();
    }

private:
    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        m_process.waitForFinished(5000);
    }

    QProcess m_process;
    QString m_stateFile;
    QString m_device;
};

struct CliResult
{
    int exitCode = -1;
    QString out;
    QString err;
};

inline CliResult runCli(const QStringList &args, bool fastTimeouts = true)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (fastTimeouts)
        env.insert("SKALERON_LINK_TIMEOUTS", "150,2,150");
    p.setProcessEnvironment(env);
    p.start(testing_support::binDir() + "/skaleron-cli", args);
    if (!p.waitForFinished(60000))
        qFatal("skaleron-cli did not finish");
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAllStandardOutput()),
            QString::fromLocal8Bit(p.readAllStandardError())};
}

}
