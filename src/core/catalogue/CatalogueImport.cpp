#include "CatalogueImport.h"

#include "CatalogueConnection.h"
#include "SqliteFile.h"
#include "base/Language.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace catalogue_import {

namespace {

using catalogue_schema::Table;

// Copies the rows in table order; returns the count or -1.
int copyRows(CatalogueConnection &source, QSqlDatabase &target, const Table &table, QString *reason)
{
    const QString columns = catalogue_schema::selectList(table);
    QStringList marks;
    for (int i = 0; i < table.columns.size(); ++i)
        marks << QStringLiteral("?");
    QSqlQuery read(source.database());
    read.setForwardOnly(true);
    if (!read.exec(QStringLiteral("SELECT %1 FROM [%2]").arg(columns, QLatin1String(table.name)))) {
        *reason = read.lastError().text();
        return -1;
    }
    QSqlQuery write(target);
    write.prepare(QStringLiteral("INSERT INTO [%1] (%2) VALUES (%3)")
                      .arg(QLatin1String(table.name), columns, marks.join(QStringLiteral(", "))));
    int count = 0;
    while (read.next()) {
        for (int i = 0; i < table.columns.size(); ++i)
            write.bindValue(i, read.value(i));
        if (!write.exec()) {
            *reason = write.lastError().text();
            return -1;
        }
        ++count;
    }
    if (read.lastError().isValid()) {
        *reason = read.lastError().text();
        return -1;
    }
    return count;
}

Result fail(Status status, const QString &reason)
{
    Result r;
    r.status = status;
    r.reason = reason;
    return r;
}

}

Result importCatalogue(const QString &input, const QString &output)
{
    if (QFileInfo::exists(output))
        return fail(Status::BadInput, loadTranslatedString(5209).arg(QDir::toNativeSeparators(output)));

    // Open both tables of the source; a table the source lacks is skipped.
    CatalogueConnection master, sensors;
    Result result;
    const bool hasMaster = master.open(input, catalogue_schema::masterTable(), CatalogueConnection::Mode::ReadOnly);
    if (!hasMaster && !master.tableMissing())
        return fail(Status::BadInput, master.errorText());
    const bool hasSensors = sensors.open(input, catalogue_schema::sensorTable(), CatalogueConnection::Mode::ReadOnly);
    if (!hasSensors && !sensors.tableMissing())
        return fail(Status::BadInput, sensors.errorText());
    if (!hasMaster && !hasSensors)
        return fail(Status::BadInput, loadTranslatedString(5210).arg(QDir::toNativeSeparators(input)));

    const QString partial = output + QStringLiteral(".part");
    QFile::remove(partial);
    const QString name = QStringLiteral("skaleron-import");
    QString reason;
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(partial);
        ok = db.open() && db.transaction();
        if (ok && hasMaster)
            ok = sqlite_file::createTable(db, catalogue_schema::masterTable(), &reason)
                && (result.masterTypes = copyRows(master, db, catalogue_schema::masterTable(), &reason)) >= 0;
        if (ok && hasSensors)
            ok = sqlite_file::createTable(db, catalogue_schema::sensorTable(), &reason)
                && (result.sensors = copyRows(sensors, db, catalogue_schema::sensorTable(), &reason)) >= 0;
        ok = ok && db.commit();
        if (!ok && reason.isEmpty())
            reason = db.lastError().text();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (!ok || !QFile::rename(partial, output)) {
        QFile::remove(partial);
        return fail(Status::Failed, loadTranslatedString(5211).arg(QDir::toNativeSeparators(output), reason));
    }
    result.status = Status::Ok;
    return result;
}

}
