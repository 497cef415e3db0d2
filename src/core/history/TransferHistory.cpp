#include "TransferHistory.h"

#include "history/HistoryWording.h"
#include "link/LineSettings.h"

#include <QAtomicInt>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSysInfo>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace transfer_history {

namespace {

QAtomicInt toldOnce;

QString outcomeWord(const Transfer &transfer)
{
    const TransferOutcome &outcome = transfer.outcome;
    if (transfer.interrupted)
        return QStringLiteral("interrupted");
    if (outcome.success)
        return QStringLiteral("done");
    if (outcome.cancelled)
        return QStringLiteral("cancelled");
    return outcome.refused ? QStringLiteral("refused") : QStringLiteral("failed");
}

QString firmwareText(const std::array<uint8_t, 2> &firmware)
{
    if (firmware[0] == 0 && firmware[1] == 0)
        return QString();
    return QStringLiteral("%1.%2").arg(firmware[0]).arg(firmware[1]);
}

// The phrase of a text when it still says what the phrase says, else the
// text as written.
Phrase neutral(const QString &text, const Phrase &phrase)
{
    return !phrase.isEmpty() && phrase.text() == text ? phrase : Phrase::written(text);
}

QString environmentName()
{
    for (const char *variable : {"USER", "LOGNAME", "USERNAME"}) {
        const QString user = qEnvironmentVariable(variable);
        if (!user.isEmpty())
            return user;
    }
    return QString();
}

// The environment's login name can be set to anything; the account the
// program runs as cannot.
QString accountName()
{
#ifdef Q_OS_UNIX
    if (const passwd *account = getpwuid(geteuid()))
        return QString::fromLocal8Bit(account->pw_name);
#endif
    return environmentName();
}

}

QString recordJson(const ConfigRecord &c)
{
    const QJsonObject json{{"DataSource", c.DataSource},
                           {"KValue", c.KValue},
                           {"WarnThreshold", c.WarnThreshold},
                           {"WarnMode", c.WarnMode},
                           {"DataSource2", c.DataSource2},
                           {"MValue", c.MValue},
                           {"DisplayMask", qint64(c.DisplayMask)},
                           {"Illumination", c.Illumination},
                           {"DistanceUnit", c.DistanceUnit},
                           {"TemperatureUnit", c.TemperatureUnit},
                           {"TimeFormat", c.TimeFormat},
                           {"DepthUnit", c.DepthUnit},
                           {"MasterId", c.MasterId},
                           {"BuzzerActive", c.BuzzerActive},
                           {"FirmwareVersion", QJsonArray{c.FirmwareVersion[0], c.FirmwareVersion[1]}}};
    return QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Compact));
}

service_history::Entry entryFor(const Transfer &t)
{
    service_history::Entry e;
    e.time = QDateTime::currentDateTimeUtc();
    e.user = accountName();
    const QString given = environmentName();
    if (given != e.user)
        e.environmentUser = given;
    e.host = QSysInfo::machineHostName();
    // No device given: the command opened the configured port.
    e.port = t.port.isEmpty() ? configuredPortDevice(LineSelectors::load().port) : t.port;
    e.family = t.family == LinkFamily::Block ? QStringLiteral("block") : QStringLiteral("register");
    // A block-family write learns the gauge's firmware from the block it replaces.
    // The firmware this transfer found in the gauge's block; the record's is
    // the one read last in the session, maybe from another gauge, and a
    // register-family gauge tells none.
    const std::array<uint8_t, 2> found = t.outcome.firmwareVersion.value_or(std::array<uint8_t, 2>{0, 0});
    e.firmware = firmwareText(found);
    e.masterTypeId = t.after.MasterId;
    e.projectFile = t.projectFile;
    e.operation = t.operation;
    e.outcome = outcomeWord(t);
    const TransferOutcome &o = t.outcome;
    e.message = history_wording::storedMessage({neutral(o.notice, o.noticePhrase), neutral(o.text, o.textPhrase),
                                                neutral(o.detail, o.detailPhrase), t.sent, Phrase::written(t.detail)});
    // A counter preset and a restore carry no record, and after a write that
    // failed what the gauge holds is not known: no record is claimed there.
    const bool recordless = t.operation == QLatin1String("preset") || t.operation == QLatin1String("restore");
    const bool afterKnown = !recordless && !t.outcome.refused
                            && (t.outcome.success || t.operation != QLatin1String("write"));
    // Before is the project's record, which keeps no firmware of its own.
    ConfigRecord before = t.before;
    ConfigRecord after = t.after;
    before.FirmwareVersion = {0, 0};
    after.FirmwareVersion = found;
    e.before = recordless ? QString() : recordJson(before);
    e.after = afterKnown ? recordJson(after) : QString();
    return e;
}

QString record(const Transfer &transfer)
{
    return record(QVector<Transfer>{transfer});
}

QString record(const QVector<Transfer> &transfers)
{
    QVector<service_history::Entry> entries;
    for (const Transfer &t : transfers)
        entries << entryFor(t);
    QString reason;
    if (service_history::append(entries, &reason))
        return QString();
    return toldOnce.testAndSetRelaxed(0, 1) ? reason : QString();
}

void resetToldOnce()
{
    toldOnce.storeRelaxed(0);
}

}
