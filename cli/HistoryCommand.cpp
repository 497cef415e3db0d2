// skaleron-cli history: the service history, as a table or as JSON lines.
#include "CliCommand.h"
#include "JsonText.h"
#include "LinkArguments.h"

#include "history/HistoryWording.h"
#include "history/ServiceHistory.h"
#include "link/LineSettings.h"

#include <cstdio>

using namespace cli;

namespace {

// "2026-12-01" (from its start, UTC) or a full ISO 8601 time.
QDateTime parseSince(const QString &text)
{
    QDateTime time = QDateTime::fromString(text, Qt::ISODate);
    if (!time.isValid()) {
        const QDate day = QDate::fromString(text, Qt::ISODate);
        if (day.isValid())
            time = QDateTime(day, QTime(0, 0), Qt::UTC);
    }
    return time;
}

void printEntry(const service_history::Entry &e, bool json)
{
    const QString time = e.time.toString(Qt::ISODate);
    if (!json) {
        const QString line = QStringList{time, e.user, e.host, e.port, e.family, e.firmware,
                                         QString::number(e.masterTypeId), e.projectFile, e.operation, e.outcome,
                                         history_wording::message(e.message)}
                                 .join(QLatin1Char('\t'));
        std::printf("%s\n", line.toUtf8().constData());
        return;
    }
    json_text::Object o;
    o.add(QStringLiteral("time"), json_text::string(time));
    o.add(QStringLiteral("user"), json_text::string(e.user));
    o.add(QStringLiteral("host"), json_text::string(e.host));
    o.add(QStringLiteral("port"), json_text::string(e.port));
    o.add(QStringLiteral("family"), json_text::string(e.family));
    o.add(QStringLiteral("firmware"), json_text::string(e.firmware));
    o.add(QStringLiteral("masterTypeId"), QString::number(e.masterTypeId));
    o.add(QStringLiteral("projectFile"), json_text::string(e.projectFile));
    o.add(QStringLiteral("operation"), json_text::string(e.operation));
    o.add(QStringLiteral("outcome"), json_text::string(e.outcome));
    o.add(QStringLiteral("message"), json_text::string(history_wording::message(e.message)));
    // The records are stored as JSON objects already.
    o.add(QStringLiteral("before"), e.before.isEmpty() ? QStringLiteral("null") : e.before);
    o.add(QStringLiteral("after"), e.after.isEmpty() ? QStringLiteral("null") : e.after);
    std::printf("%s\n", o.text().toUtf8().constData());
}

int historyCommand(const QStringList &argList)
{
    const LinkArguments args(argList, {"--since", "--port"}, {"--json"});
    if (!args.ok() || !args.positional().isEmpty())
        return fail(ExitBadUsage, QStringLiteral("usage: history [--since DATE] [--port DEV] [--json]"));
    service_history::Filter filter;
    if (args.has(QStringLiteral("--since"))) {
        filter.since = parseSince(args.value(QStringLiteral("--since")));
        if (!filter.since.isValid())
            return fail(ExitBadUsage, QStringLiteral("\"%1\" is not a date (YYYY-MM-DD or an ISO 8601 time)")
                                          .arg(args.value(QStringLiteral("--since"))));
    }
    if (args.has(QStringLiteral("--port")))
        filter.port = portDeviceFromArgument(args.value(QStringLiteral("--port")));
    QVector<service_history::Entry> entries;
    QString reason;
    if (!service_history::read(filter, &entries, &reason))
        return fail(ExitFailed, reason);
    for (const service_history::Entry &e : entries)
        printEntry(e, args.has(QStringLiteral("--json")));
    return ExitOk;
}

}

SKALERON_CLI_COMMAND(history, "history", "history [--since DATE] [--port DEV] [--json]", historyCommand)
