#include "CatalogueFiles.h"

#include "base/SettingsStore.h"
#include "catalogue/CatalogueSchema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTest>
#include <algorithm>

namespace catalogue_files {

namespace {

class Connection
{
public:
    explicit Connection(const QString &path)
        : m_name(QStringLiteral("test-files-%1").arg(++counter()))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot open %s", qPrintable(path));
    }
    ~Connection()
    {
        QSqlDatabase::database(m_name).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name); }
    void exec(const QString &sql) const
    {
        QSqlQuery q(db());
        if (!q.exec(sql))
            qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    }

private:
    static int &counter()
    {
        static int n = 0;
        return n;
    }
    QString m_name;
};

void createTable(const QString &path, const catalogue_schema::Table &table, const TableOptions &options)
{
    QStringList defs;
    for (const auto &c : table.columns) {
        const QString name = QLatin1String(c.name);
        if (name == options.omitColumn)
            continue;
        const QString type = name == options.retypeColumn ? options.retypeAs
                                                          : QLatin1String(catalogue_schema::sqliteType(c.kind));
        defs << QStringLiteral("[%1] %2").arg(name, type);
    }
    if (options.reverseColumnOrder)
        std::reverse(defs.begin(), defs.end());
    Connection(path).exec(QStringLiteral("CREATE TABLE [%1] (%2)").arg(QLatin1String(table.name), defs.join(", ")));
}

}

void createMasterTable(const QString &path, const TableOptions &options)
{
    createTable(path, catalogue_schema::masterTable(), options);
}

void createSensorTable(const QString &path, const TableOptions &options)
{
    createTable(path, catalogue_schema::sensorTable(), options);
}

void insertRows(const QString &path, const QString &table, const QVector<QVariantMap> &rows)
{
    Connection c(path);
    QSqlDatabase db = c.db();
    db.transaction();
    for (const QVariantMap &row : rows) {
        QStringList names, marks;
        for (auto it = row.begin(); it != row.end(); ++it) {
            names << QStringLiteral("[%1]").arg(it.key());
            marks << QStringLiteral("?");
        }
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT INTO [%1] (%2) VALUES (%3)").arg(table, names.join(", "), marks.join(", ")));
        int i = 0;
        for (auto it = row.begin(); it != row.end(); ++it)
            q.bindValue(i++, it.value());
        if (!q.exec())
            qFatal("insert: %s", qPrintable(q.lastError().text()));
    }
    db.commit();
}

QVariantMap masterRow(int id, const QString &description, const QString &lcd)
{
    return {{"ID", id},
            {"OrderNumber", QStringLiteral("ON-%1").arg(id)},
            {"Description", description},
            {"LCD", lcd},
            {"Diameter", "85 mm"},
            {"OScaleMin", "0"},
            {"OScaleMax", "60 km/h"},
            {"IScaleMin", "0"},
            {"IScaleMax", "37 mph"},
            {"SignalInput", "Frequency"},
            {"FreqInputs", 2},
            {"ScaleMin", 0},
            {"ScaleMax", 60},
            {"WarnThresholdMin", 10},
            {"WarnThresholdMax", 600},
            {"CalculateThreshold", 1},
            {"K-Wert_Min", 1000.5},
            {"K-Wert_Max", 60000.25},
            {"K-Wert_Unit", "Imp./km"},
            {"UseMinMax", 1}};
}

QVariantMap sensorRow(int id, const QString &group, const QString &orderNumber)
{
    return {{"id", id},
            {"Bestellnummer", orderNumber},
            {"Gruppe", group},
            {"DimensionX", "%"},
            {"DimensionY", "Ohm"},
            {"BeginX", 0.0},
            {"EndX", 100.0},
            {"YMin", 10.0},
            {"YMax", 180.0},
            {"Y-Werte", "10;95;180"},
            {"X-Werte", "0;50;100"},
            {"Name", QStringLiteral("Sensor %1").arg(id)}};
}

QVariant queryValue(const QString &path, const QString &sql)
{
    Connection c(path);
    QSqlQuery q(c.db());
    if (!q.exec(sql) || !q.next())
        return QVariant();
    return q.value(0);
}

QString changeElsewhere(const QString &path, const QString &sql)
{
    Connection c(path);
    QSqlDatabase db = c.db();
    db.close();
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
    if (!db.open())
        return db.lastError().text();
    QSqlQuery q(db);
    return q.exec(sql) ? QString() : q.lastError().text();
}

void useCatalogue(const QString &path)
{
    settings_store::writeString("Directories", "DBase", path);
}

void useUserCatalogue(const QString &path)
{
    settings_store::writeString("DIRECTORIES", "DBASEUSER", path);
}

}
