#include "CatalogueImport.h"

#include "CatalogueAddress.h"
#include "CatalogueConnection.h"
#include "ServerSchema.h"
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
using catalogue_sql::Engine;

const QVector<const Table *> &tables()
{
    static const QVector<const Table *> list{&catalogue_schema::masterTable(), &catalogue_schema::sensorTable()};
    return list;
}

// Why reading the source failed, for the user: the source named, as
// damaged when the engine found it so (bad input), else as unreadable.
struct SourceProblem
{
    QString reason;
    bool damaged = false;
};

SourceProblem sourceProblem(const CatalogueConnection &source, const QSqlError &error, const Table &table)
{
    const QString where = catalogue_address::displayName(source.path());
    if (catalogue_sql::isDamage(error))
        return {loadTranslatedString(5220).arg(where, catalogue_sql::engineText(error)), true};
    return {loadTranslatedString(5205).arg(where, catalogue_sql::engineText(error, QLatin1String(table.name))), false};
}

// Copies the rows in table order; returns the count or -1, with the
// reason, or with *problem set when the source could not be read.
int copyRows(CatalogueConnection &source, QSqlDatabase &target, Engine engine, const Table &table, QString *reason,
             SourceProblem *problem)
{
    const QString columns = catalogue_schema::selectList(table);
    QStringList marks;
    for (int i = 0; i < table.columns.size(); ++i)
        marks << QStringLiteral("?");
    QSqlQuery read(source.database());
    read.setForwardOnly(true);
    if (!read.exec(source.sql(QStringLiteral("SELECT %1 FROM [%2]").arg(columns, QLatin1String(table.name))))) {
        *problem = sourceProblem(source, read.lastError(), table);
        return -1;
    }
    QSqlQuery write(target);
    write.prepare(catalogue_sql::forEngine(QStringLiteral("INSERT INTO [%1] (%2) VALUES (%3)")
                                               .arg(QLatin1String(table.name), columns, marks.join(QStringLiteral(", "))),
                                           engine));
    int count = 0;
    while (read.next()) {
        for (int i = 0; i < table.columns.size(); ++i)
            write.bindValue(i, read.value(i));
        if (!write.exec()) {
            *reason = catalogue_sql::engineText(write.lastError(), QLatin1String(table.name));
            return -1;
        }
        ++count;
    }
    if (read.lastError().isValid()) {
        *problem = sourceProblem(source, read.lastError(), table);
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

struct Sources
{
    CatalogueConnection master, sensors;
    bool hasMaster = false, hasSensors = false;
    // The source itself is unfit (rather than out of reach).
    bool badInput = true;
    // Set when reading the rows failed.
    SourceProblem problem;
};

// Opens both tables of the source; a table the source lacks is skipped.
QString openSources(const QString &input, Sources &s)
{
    s.hasMaster = s.master.open(input, catalogue_schema::masterTable(), CatalogueConnection::Mode::ReadOnly);
    if (!s.hasMaster && !s.master.tableMissing()) {
        s.badInput = s.master.badFile();
        return s.master.errorText();
    }
    s.hasSensors = s.sensors.open(input, catalogue_schema::sensorTable(), CatalogueConnection::Mode::ReadOnly);
    if (!s.hasSensors && !s.sensors.tableMissing()) {
        s.badInput = s.sensors.badFile();
        return s.sensors.errorText();
    }
    if (!s.hasMaster && !s.hasSensors)
        return loadTranslatedString(5210).arg(catalogue_address::displayName(input));
    return QString();
}

// Creates the tables the source holds and copies their rows; the caller
// wraps it in a transaction.
bool copyTables(Sources &s, QSqlDatabase &db, Engine engine, Result &result, QString *reason)
{
    if (s.hasMaster
        && !(catalogue_sql::createTable(db, engine, catalogue_schema::masterTable(), reason)
             && (result.masterTypes = copyRows(s.master, db, engine, catalogue_schema::masterTable(), reason, &s.problem))
                 >= 0))
        return false;
    return !s.hasSensors
        || (catalogue_sql::createTable(db, engine, catalogue_schema::sensorTable(), reason)
            && catalogue_sql::addVersionColumn(db, engine, reason)
            && (result.sensors = copyRows(s.sensors, db, engine, catalogue_schema::sensorTable(), reason, &s.problem))
                >= 0);
}

Result sourceFailure(const Sources &s)
{
    return fail(s.problem.damaged ? Status::BadInput : Status::Failed, s.problem.reason);
}

Result importToServer(Sources &s, const QString &output, bool replace)
{
    CatalogueConnection target;
    if (!target.openServer(output, CatalogueConnection::Mode::ReadWrite))
        return fail(target.badFile() ? Status::BadInput : Status::Failed, target.errorText());
    QSqlDatabase db = target.database();
    QString reason;
    bool exists = false;
    for (const Table *t : tables()) {
        exists = exists || server_schema::hasTable(db, QLatin1String(t->name), &reason);
        if (!reason.isEmpty())
            return fail(Status::Failed, loadTranslatedString(5211).arg(output, reason));
    }
    if (exists && !replace)
        return fail(Status::BadInput, loadTranslatedString(5907).arg(output));
    Result result;
    bool ok = db.transaction();
    QSqlQuery q(db);
    for (const Table *t : tables()) {
        if (ok && exists && !q.exec(QStringLiteral("DROP TABLE IF EXISTS \"%1\"").arg(QLatin1String(t->name)))) {
            reason = catalogue_sql::engineText(q.lastError(), QLatin1String(t->name));
            ok = false;
        }
    }
    ok = ok && copyTables(s, db, Engine::Postgres, result, &reason) && db.commit();
    if (!ok) {
        if (reason.isEmpty())
            reason = catalogue_sql::engineText(db.lastError());
        // A server gone meanwhile has no transaction left to roll back.
        if (db.isOpen())
            db.rollback();
        if (!s.problem.reason.isEmpty())
            return sourceFailure(s);
        return fail(Status::Failed, loadTranslatedString(5211).arg(output, reason));
    }
    result.status = Status::Ok;
    return result;
}

Result importToFile(Sources &s, const QString &output)
{
    const QString partial = output + QStringLiteral(".part");
    QFile::remove(partial);
    const QString name = QStringLiteral("skaleron-import");
    QString reason;
    Result result;
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(partial);
        ok = db.open() && db.transaction() && copyTables(s, db, Engine::Sqlite, result, &reason) && db.commit();
        if (!ok && reason.isEmpty())
            reason = catalogue_sql::engineText(db.lastError());
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    // The old file goes only once the new one is complete.
    if (ok && QFileInfo::exists(output))
        ok = QFile::remove(output);
    if (!ok || !QFile::rename(partial, output)) {
        QFile::remove(partial);
        if (!s.problem.reason.isEmpty())
            return sourceFailure(s);
        return fail(Status::Failed, loadTranslatedString(5211).arg(QDir::toNativeSeparators(output), reason));
    }
    result.status = Status::Ok;
    return result;
}

}

Result importCatalogue(const QString &input, const QString &output, bool replace)
{
    const bool server = catalogue_address::isServer(output);
    if (!server && !replace && QFileInfo::exists(output))
        return fail(Status::BadInput, loadTranslatedString(5209).arg(QDir::toNativeSeparators(output)));
    Sources sources;
    const QString problem = openSources(input, sources);
    if (!problem.isEmpty())
        return fail(sources.badInput ? Status::BadInput : Status::Failed, problem);
    return server ? importToServer(sources, output, replace) : importToFile(sources, output);
}

}
