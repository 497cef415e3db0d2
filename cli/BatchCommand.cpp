#include "BatchCommand.h"
#include "HistoryNote.h"
#include "Interruption.h"

#include "CliCommand.h"

#include "link/BatchReport.h"
#include "link/LineSettings.h"
#include "model/ProjectFile.h"
#include "model/RecordCheck.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <mutex>
#include <unistd.h>

namespace cli {

namespace {

// One line per port on stderr. On a terminal the lines are redrawn in place
// as the ports go on; otherwise a port's line is written once it has ended.
class ProgressLines : public BatchObserver
{
public:
    ProgressLines(const QStringList &ports, const InterruptWatch &watch)
        : m_ports(ports), m_terminal(isatty(fileno(stderr)) != 0), m_watch(watch)
    {
        for (const QString &port : ports)
            m_lines << port + QStringLiteral(": waiting");
        m_steps.resize(ports.size());
        m_clock.start();
        if (m_terminal)
            draw(false);
    }

    void portProgress(int index, int step, int total, const QString &transaction) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_lines[index] = QStringLiteral("%1: step %2 of %3, %4").arg(m_ports.at(index)).arg(step).arg(total).arg(transaction);
        m_steps[index] = QStringLiteral("step %1 of %2 (%3)").arg(step).arg(total).arg(transaction);
        // A terminal needs no more than a few pictures a second.
        if (m_terminal && m_clock.elapsed() - m_drawnAt >= 100)
            draw(true);
    }

    void portFinished(int index, const BatchPortResult &result) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const QString seconds = QString::number(result.seconds, 'f', 2);
        m_lines[index] = result.outcome.success ? QStringLiteral("%1: done in %2 s").arg(m_ports.at(index), seconds)
                                                : QStringLiteral("%1: failed after %2 s").arg(m_ports.at(index), seconds);
        if (m_terminal)
            draw(true);
        else
            std::fprintf(stderr, "%s\n", m_lines[index].toLocal8Bit().constData());
    }

    // A signal stops every port before its next transaction.
    bool cancelRequested() override { return m_watch.interrupted(); }

    // The last step a port began.
    QString stepOf(int index)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_steps.at(index);
    }

    // The last picture, once every port has ended.
    void finish()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_terminal)
            draw(true);
    }

private:
    void draw(bool over)
    {
        if (over)
            std::fprintf(stderr, "\x1b[%dA", int(m_lines.size()));
        for (const QString &line : m_lines)
            std::fprintf(stderr, "\r\x1b[K%s\n", line.toLocal8Bit().constData());
        std::fflush(stderr);
        m_drawnAt = m_clock.elapsed();
    }

    const QStringList m_ports;
    QStringList m_lines;
    QStringList m_steps;
    const bool m_terminal;
    const InterruptWatch &m_watch;
    std::mutex m_mutex;
    QElapsedTimer m_clock;
    qint64 m_drawnAt = 0;
};

// The project file of a port's read: the device's name below /dev, with
// its folders joined by '-' ("/dev/pts/3" gives "pts-3.rix").
QString projectNameOf(const QString &port)
{
    QString name = port;
    if (name.startsWith(QLatin1String("/dev/")))
        name = name.mid(5);
    for (const QChar c : {QLatin1Char('/'), QLatin1Char('\\'), QLatin1Char(':')})
        name.replace(c, QLatin1Char('-'));
    while (name.startsWith(QLatin1Char('-')))
        name.remove(0, 1);
    return name + QStringLiteral(".rix");
}

// Why a file cannot be written there; makes nothing that stays.
QString unwritable(const QString &path)
{
    QFile file(path);
    const bool existed = file.exists();
    if (!file.open(existed ? QIODevice::WriteOnly | QIODevice::Append : QIODevice::WriteOnly | QIODevice::NewOnly))
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    file.close();
    if (!existed)
        file.remove();
    return QString();
}

// The project path of every port, or the reason they cannot be written.
QString projectPaths(const BatchRequest &request, QStringList &paths)
{
    if (!QDir().mkpath(request.outputFolder))
        return QStringLiteral("cannot make the folder %1").arg(request.outputFolder);
    const QDir folder(request.outputFolder);
    for (const QString &port : request.ports) {
        const QString path = folder.filePath(projectNameOf(port));
        if (paths.contains(path))
            return QStringLiteral("the ports %1 and %2 would both be read into %3")
                .arg(request.ports.at(int(paths.indexOf(path))), port, path);
        const QString reason = unwritable(path);
        if (!reason.isEmpty())
            return reason;
        paths << path;
    }
    return QString();
}

// Everything that would make the batch fail for every port, found before
// anything is sent.
QString refusalBeforeSending(const BatchRequest &request, QStringList &projects)
{
    QString reason = checkBatchPorts(request.ports);
    if (reason.isEmpty() && !request.reportPath.isEmpty())
        reason = batch_report::checkWritable(request.reportPath);
    if (reason.isEmpty() && request.operation == BatchOperation::Read)
        reason = projectPaths(request, projects);
    if (reason.isEmpty() && request.operation != BatchOperation::Read) {
        const LinkFamily family = request.options.family.value_or(request.record.family());
        const QVector<record_check::Refusal> refusals = record_check::checkBeforeReading(request.record, family);
        if (!refusals.isEmpty())
            reason = record_check::refusalText(refusals.first());
    }
    return reason;
}

}

int runBatchCommand(const BatchRequest &given)
{
    BatchRequest request = given;
    // A report alone makes a batch of the configured port.
    if (request.ports.isEmpty())
        request.ports << configuredPortDevice(loadLineSettings().port);
    if (request.ports.first().isEmpty())
        return fail(ExitBadUsage, QStringLiteral("no port is set up: give --port"));
    QStringList projects;
    const QString refusal = refusalBeforeSending(request, projects);
    if (!refusal.isEmpty())
        return fail(ExitBadUsage, refusal);

    InterruptWatch watch;
    ProgressLines progress(request.ports, watch);
    QVector<BatchPortResult> results = runBatch(request.operation, request.ports, request.record, request.options,
                                                &progress);
    progress.finish();

    for (int i = 0; i < projects.size(); ++i) {
        QString error;
        BatchPortResult &r = results[i];
        if (r.outcome.success && !project_file::writeFile(projects.at(i), r.record, &error)) {
            r.outcome.success = false;
            r.message = QStringLiteral("cannot write %1: %2").arg(projects.at(i), error);
        } else if (r.outcome.success) {
            r.message += QStringLiteral(" (%1)").arg(projects.at(i));
        }
    }

    const char *operation = request.operation == BatchOperation::Read    ? "read"
                            : request.operation == BatchOperation::Write ? "write"
                                                                         : "verify";
    QVector<transfer_history::Transfer> transfers;
    int cutOff = 0;
    for (int i = 0; i < results.size(); ++i) {
        BatchPortResult &r = results[i];
        transfer_history::Transfer t;
        t.operation = QLatin1String(operation);
        t.port = r.port;
        t.family = r.family;
        const QString project = i < projects.size() ? projects.at(i) : request.projectFile;
        t.projectFile = project.isEmpty() ? QString() : QFileInfo(project).absoluteFilePath();
        t.before = request.record;
        t.after = request.operation == BatchOperation::Read ? r.record : request.record;
        t.outcome = r.outcome;
        // A signal cuts off the ports still at work; one that had ended keeps
        // its own outcome. A port cut off says how far it got on its line, in
        // the report and in the history.
        if (watch.interrupted() && r.outcome.cancelled) {
            ++cutOff;
            r.message = watch.line(t.operation, InterruptWatch::howFar(r.outcome, progress.stepOf(i)));
            t.interrupted = true;
            t.detail = r.message;
        }
        transfers << t;
    }
    recordHistory(transfers);

    int failed = 0;
    for (const BatchPortResult &r : results) {
        // Also after a failure: the block the gauge held is what puts it right.
        const QString backup = r.outcome.backupFile.isEmpty()
                                   ? QString()
                                   : QStringLiteral(" Backup of the block replaced: %1").arg(r.outcome.backupFile);
        if (r.outcome.success) {
            std::printf("%s: %s%s\n", r.port.toLocal8Bit().constData(), r.message.toLocal8Bit().constData(),
                        backup.toLocal8Bit().constData());
        } else {
            ++failed;
            fail(ExitFailed, QStringLiteral("%1: %2%3").arg(r.port, r.message, backup));
        }
    }
    if (!request.reportPath.isEmpty()) {
        QString error;
        if (!batch_report::write(request.reportPath, results, &error))
            return fail(ExitFailed, QStringLiteral("cannot write the report %1: %2").arg(request.reportPath, error));
    }
    if (cutOff > 0)
        return fail(ExitFailed, watch.line(QLatin1String(operation), QStringLiteral("on %1 of %2 ports; how far each "
                                                                                    "got is in the service history")
                                                                             .arg(cutOff)
                                                                             .arg(results.size())));
    if (failed > 0)
        return fail(ExitFailed, QStringLiteral("%1 of %2 gauges failed").arg(failed).arg(results.size()));
    return ExitOk;
}

}
