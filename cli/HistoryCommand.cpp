// skaleron-cli history: the service history, as a table, a JSON list or JSON lines.
#include "CliCommand.h"
#include "JsonText.h"
#include "CommandLine.h"
#include "LinkSetup.h"

#include "history/HistoryWording.h"
#include "history/ServiceHistory.h"

#include <QJsonDocument>
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

// A record as stored (a JSON object); stored text that is not one is kept
// as a string, so that one damaged entry cannot spoil the output.
QJsonValue recordJson(const QString &stored)
{
    if (stored.isEmpty())
        return QJsonValue::Null;
    const QJsonDocument document = QJsonDocument::fromJson(stored.toUtf8());
    return document.isObject() ? QJsonValue(document.object()) : QJsonValue(stored);
}

// A sheet's job is kept as an object with fixed keys: given as such, so
// that a field holding "; " stays whole.
QJsonValue messageJson(const QString &stored)
{
    const QJsonValue job = stored.startsWith(QLatin1Char('{')) ? recordJson(stored) : QJsonValue();
    return job.isObject() ? job : QJsonValue(history_wording::message(stored));
}

QJsonObject jsonOf(const service_history::Entry &e)
{
    QJsonObject o{{QStringLiteral("Time"), e.time.toString(Qt::ISODate)},
            {QStringLiteral("User"), e.user},
            {QStringLiteral("Host"), e.host},
            {QStringLiteral("Port"), e.port},
            {QStringLiteral("Family"), e.family},
            {QStringLiteral("Firmware"), e.firmware},
            {QStringLiteral("MasterTypeId"), e.masterTypeId},
            {QStringLiteral("ProjectFile"), e.projectFile},
            {QStringLiteral("Operation"), e.operation},
            {QStringLiteral("Outcome"), e.outcome},
            {QStringLiteral("Message"), messageJson(e.message)},
            {QStringLiteral("Before"), recordJson(e.before)},
            {QStringLiteral("After"), recordJson(e.after)}};
    if (!e.environmentUser.isEmpty())
        o.insert(QStringLiteral("EnvironmentUser"), e.environmentUser);
    return o;
}

void printLine(const service_history::Entry &e)
{
    const QString line = QStringList{e.time.toString(Qt::ISODate), e.user, e.host, e.port, e.family, e.firmware,
                                     QString::number(e.masterTypeId), e.projectFile, e.operation, e.outcome,
                                     history_wording::message(e.message)}
                             .join(QLatin1Char('\t'));
    std::printf("%s\n", line.toUtf8().constData());
}

const CommandHelp historyHelp{
    "history", "history [--since DATE] [--port DEV] [--json | --json-lines]",
    "Lists the service history: every read, write, verify, restore, counter preset and configuration sheet, oldest first.",
    {{"since", "DATE", "Only entries from then on: YYYY-MM-DD (UTC) or an ISO 8601 time."},
     {"port", "DEV", "Only the entries of this port: a device path or COMn."},
     {"json", nullptr, "Print a JSON list of the entries."},
     {"json-lines", nullptr, "Print each entry as a JSON object on a line of its own, as it is read."}},
    "history --since 2026-12-01 --json"};

int historyCommand(const QStringList &argList)
{
    CommandLine args(historyHelp);
    int status = ExitOk;
    if (!args.parse(argList, status))
        return status;
    if (!args.positional().isEmpty())
        return args.usageError(QStringLiteral("unexpected argument \"%1\"").arg(args.positional().first()));
    if (args.has(QStringLiteral("--json")) && args.has(QStringLiteral("--json-lines")))
        return args.usageError(QStringLiteral("--json and --json-lines exclude each other"));
    service_history::Filter filter;
    if (args.has(QStringLiteral("--since"))) {
        filter.since = parseSince(args.value(QStringLiteral("--since")));
        if (!filter.since.isValid())
            return fail(ExitBadUsage, QStringLiteral("\"%1\" is not a date (YYYY-MM-DD or an ISO 8601 time)")
                                          .arg(args.value(QStringLiteral("--since"))));
    }
    // The port as the commands name it, COM0 and an empty one refused alike.
    QStringList ports;
    if (!portDevices(args, ports, status, true))
        return status;
    filter.port = ports.value(0);
    QVector<service_history::Entry> entries;
    QString reason;
    if (!service_history::read(filter, &entries, &reason))
        return fail(ExitFailed, reason);
    QJsonArray list;
    for (const service_history::Entry &e : entries) {
        if (args.has(QStringLiteral("--json")))
            list.append(jsonOf(e));
        else if (args.has(QStringLiteral("--json-lines")))
            json_text::print(jsonOf(e));
        else
            printLine(e);
    }
    if (args.has(QStringLiteral("--json")))
        json_text::print(list);
    return ExitOk;
}

}

SKALERON_CLI_COMMAND(history, "history", usageOf({&historyHelp}), historyCommand)
