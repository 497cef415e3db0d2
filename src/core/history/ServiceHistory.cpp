#include "ServiceHistory.h"

#include "base/Language.h"
#include "base/SettingsStore.h"
#include "catalogue/CatalogueAddress.h"
#include "catalogue/CatalogueConnection.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

namespace service_history {

namespace {

const char *const Table = "ServiceHistory";
const char *const Columns[] = {"Time", "User", "Host", "Port", "Family", "Firmware", "MasterTypeId",
                               "ProjectFile", "Operation", "Outcome", "Message", "Before", "After", "EnvironmentUser"};
constexpr int ColumnCount = int(sizeof(Columns) / sizeof(Columns[0]));

QString columnList()
{
    QStringList names;
    for (const char *c : Columns)
        names << QStringLiteral("[%1]").arg(QLatin1String(c));
    return names.join(QStringLiteral(", "));
}

// Times are stored as ISO 8601 text in UTC, so that they sort and compare
// as text on both engines.
QString timeText(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODate);
}

// One connection to the history, the table made when missing.
class Store
{
public:
    bool open(const QString &where, QString *reason)
    {
        if (catalogue_address::isServer(where)) {
            if (!m_connection.openServer(where, CatalogueConnection::Mode::ReadWrite)) {
                *reason = m_connection.failureReason();
                return false;
            }
        } else if (!QDir().mkpath(QFileInfo(where).absolutePath())
                   || !m_connection.openFile(where, CatalogueConnection::Mode::ReadWrite)) {
            *reason = m_connection.failureReason();
            if (reason->isEmpty())
                *reason = QDir::toNativeSeparators(QFileInfo(where).absolutePath());
            return false;
        }
        QStringList defs;
        for (const char *c : Columns) {
            defs << QStringLiteral("[%1] %2").arg(QLatin1String(c), QLatin1String(qstrcmp(c, "MasterTypeId") == 0 ? "integer" : "text"));
        }
        QSqlQuery q(m_connection.database());
        if (!q.exec(sql(QStringLiteral("CREATE TABLE IF NOT EXISTS [ServiceHistory] (%1)").arg(defs.join(QStringLiteral(", ")))))) {
            *reason = catalogue_sql::engineText(q.lastError(), QLatin1String(Table));
            return false;
        }
        // Histories made before the column existed get it.
        if (!q.exec(sql(QStringLiteral("SELECT [EnvironmentUser] FROM [ServiceHistory] WHERE 1 = 0")))
            && !q.exec(sql(QStringLiteral("ALTER TABLE [ServiceHistory] ADD COLUMN [EnvironmentUser] text")))) {
            *reason = catalogue_sql::engineText(q.lastError(), QLatin1String(Table));
            return false;
        }
        return true;
    }
    QString sql(const QString &text) const { return m_connection.sql(text); }
    QSqlDatabase database() const { return m_connection.database(); }

private:
    CatalogueConnection m_connection;
};

}

QString defaultLocation()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/Veltrona/skaleron/history.sqlite");
}

QString location()
{
    const QString stored = settings_store::readString(QStringLiteral("Directories"), QStringLiteral("History"), QString());
    return stored.isEmpty() ? defaultLocation() : stored;
}

bool append(const Entry &entry, QString *reason)
{
    return append(QVector<Entry>{entry}, reason);
}

bool append(const QVector<Entry> &entries, QString *reason)
{
    const QString where = location();
    Store store;
    QString why;
    bool ok = store.open(where, &why);
    if (ok) {
        QStringList marks;
        for (int i = 0; i < ColumnCount; ++i)
            marks << QStringLiteral("?");
        QSqlDatabase db = store.database();
        // One transaction: a batch of gauges waits for the disk once, not
        // once per gauge.
        ok = db.transaction();
        QSqlQuery q(db);
        // The server prepares the statement, and may give up on it there.
        ok = ok && q.prepare(store.sql(QStringLiteral("INSERT INTO [ServiceHistory] (%1) VALUES (%2)")
                                           .arg(columnList(), marks.join(QStringLiteral(", ")))));
        for (const Entry &entry : entries) {
            if (!ok)
                break;
            const QVariantList values{timeText(entry.time), entry.user, entry.host, entry.port, entry.family,
                                      entry.firmware, entry.masterTypeId, entry.projectFile, entry.operation,
                                      entry.outcome, entry.message, entry.before, entry.after, entry.environmentUser};
            for (int i = 0; i < values.size(); ++i)
                q.bindValue(i, values[i]);
            ok = q.exec();
        }
        ok = ok && db.commit();
        if (!ok) {
            why = catalogue_sql::engineText(q.lastError().isValid() ? q.lastError() : db.lastError(),
                                            QLatin1String(Table));
            db.rollback();
        }
    }
    if (!ok)
        *reason = loadTranslatedString(5920).arg(catalogue_address::displayName(where), why);
    return ok;
}

bool read(const Filter &filter, QVector<Entry> *entries, QString *reason)
{
    const QString place = location();
    Store store;
    QString why;
    bool ok = store.open(place, &why);
    if (ok) {
        QSqlQuery q(store.database());
        q.setForwardOnly(true);
        QStringList conditions;
        if (filter.since.isValid())
            conditions << QStringLiteral("[Time] >= ?");
        // Entries stored before bare names were taken below /dev say "pts/5".
        const QString bare = filter.port.startsWith(QLatin1String("/dev/")) ? filter.port.mid(5) : filter.port;
        if (!filter.port.isEmpty())
            conditions << QStringLiteral("[Port] IN (?, ?)");
        const QString where = conditions.isEmpty() ? QString() : QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
        ok = q.prepare(store.sql(QStringLiteral("SELECT %1 FROM [ServiceHistory]%2 ORDER BY [Time]").arg(columnList(), where)));
        if (filter.since.isValid())
            q.addBindValue(timeText(filter.since));
        if (!filter.port.isEmpty()) {
            q.addBindValue(filter.port);
            q.addBindValue(bare);
        }
        ok = ok && q.exec();
        while (ok && q.next()) {
            Entry e;
            e.time = QDateTime::fromString(q.value(0).toString(), Qt::ISODate).toUTC();
            e.user = q.value(1).toString();
            e.host = q.value(2).toString();
            e.port = q.value(3).toString();
            e.family = q.value(4).toString();
            e.firmware = q.value(5).toString();
            e.masterTypeId = q.value(6).toInt();
            e.projectFile = q.value(7).toString();
            e.operation = q.value(8).toString();
            e.outcome = q.value(9).toString();
            e.message = q.value(10).toString();
            e.before = q.value(11).toString();
            e.after = q.value(12).toString();
            e.environmentUser = q.value(13).toString();
            entries->append(e);
        }
        if (ok && q.lastError().isValid())
            ok = false;
        if (!ok)
            why = catalogue_sql::engineText(q.lastError(), QLatin1String(Table));
    }
    if (!ok)
        *reason = loadTranslatedString(5921).arg(catalogue_address::displayName(place), why);
    return ok;
}

}
