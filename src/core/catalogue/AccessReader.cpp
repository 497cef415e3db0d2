#include "AccessReader.h"

#include "AccessReply.h"
#include "base/InstallLayout.h"

#include <QAtomicInt>
#include <QAtomicPointer>
#include <QDir>
#include <QProcess>

namespace access_reader {

static QAtomicInt g_timeLimit(DefaultTimeLimitMs);
static QAtomicPointer<Waiter> g_waiter;

void setTimeLimit(int ms) { g_timeLimit.storeRelaxed(ms); }
int timeLimit() { return g_timeLimit.loadRelaxed(); }

Waiter *setWaiter(Waiter *waiter) { return g_waiter.fetchAndStoreOrdered(waiter); }

static QString readerProgram()
{
    return install_layout::helperProgram(QStringLiteral("skaleron-access-reader"));
}

Result readTable(const QString &path, const QString &tableName)
{
    Result result;
    QProcess reader;
    // The library's noise (possibly hundreds of megabytes) goes nowhere.
    reader.setStandardErrorFile(QProcess::nullDevice());
    reader.start(readerProgram(), {path, tableName});
    if (!reader.waitForStarted()) {
        result.status = Status::NoReader;
        result.reason = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(readerProgram()), reader.errorString());
        return result;
    }
    const int limit = timeLimit();
    if (Waiter *waiter = g_waiter.loadAcquire())
        waiter->wait(reader, limit, path);
    else
        reader.waitForFinished(limit);
    if (reader.state() != QProcess::NotRunning) {
        reader.kill();
        reader.waitForFinished();
        return result;
    }
    access_reply::Outcome outcome = access_reply::Outcome::Unreadable;
    if (reader.exitStatus() != QProcess::NormalExit || reader.exitCode() != 0
        || !access_reply::decode(reader.readAllStandardOutput(), outcome, result.table))
        return result;
    result.status = outcome == access_reply::Outcome::Read      ? Status::Read
                    : outcome == access_reply::Outcome::NoTable ? Status::NoTable
                                                                : Status::Damaged;
    return result;
}

}
