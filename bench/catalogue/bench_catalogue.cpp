// Catalogue speed with 10 000 master types and 10 000 sensors in a temporary
// SQLite catalogue: listing all master types, looking one up by key, listing
// one sensor group from the standard and the user database. The same figures
// follow for the catalogue imported onto a throw-away PostgreSQL server
// reached over its Unix socket (skipped, saying why, without the server).
#include "base/SettingsStore.h"
#include "catalogue/MasterTypeSelection.h"
#include "catalogue/SensorSelection.h"
#include "catalogue/CatalogueSchema.h"
#include "catalogue/MasterPicture.h"
#include "catalogue/CatalogueImport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QUrl>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int MasterTypes = 10000;
constexpr int Sensors = 10000;

void exec(QSqlQuery &q, const QString &sql)
{
    if (!q.exec(sql))
        qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
}

// The catalogue as users build it from the shipped schema: keys are
// INTEGER PRIMARY KEY (indexed), sensors indexed by group and order number.
void generate(const QString &path)
{
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "generate");
    db.setDatabaseName(path);
    if (!db.open())
        qFatal("cannot create %s", qPrintable(path));
    QSqlQuery q(db);
    // Column order as in the shipped schema: the picture last.
    QStringList master, names;
    for (const auto &c : catalogue_schema::masterTable().columns) {
        if (c.kind == catalogue_schema::ColumnKind::Binary)
            continue;
        master << QString("[%1] %2%3").arg(c.name, catalogue_schema::sqliteType(c.kind),
                                           QLatin1String(c.name) == QLatin1String("ID") ? " PRIMARY KEY" : "");
        names << QString("[%1]").arg(c.name);
    }
    master << "[Picture] BLOB";
    names << "[Picture]";
    exec(q, QString("CREATE TABLE [RixData] (%1)").arg(master.join(", ")));
    QStringList sensor;
    for (const auto &c : catalogue_schema::sensorTable().columns)
        sensor << QString("[%1] %2%3").arg(c.name, catalogue_schema::sqliteType(c.kind),
                                           QLatin1String(c.name) == QLatin1String("id") ? " PRIMARY KEY" : "");
    exec(q, QString("CREATE TABLE [SensorTabelle] (%1)").arg(sensor.join(", ")));
    exec(q, "CREATE INDEX [SensorTabelle_Gruppe] ON [SensorTabelle] ([Gruppe], [Bestellnummer])");

    // A dial-sized 4-bit picture, as the sample catalogue stores them.
    QImage dial(120, 120, QImage::Format_Indexed8);
    QVector<QRgb> palette;
    for (int i = 0; i < 16; ++i)
        palette << qRgb(i * 16, i * 16, 255 - i * 16);
    dial.setColorTable(palette);
    dial.fill(3);
    const QByteArray picture = master_picture::fromIndexedImage(dial, 4);

    db.transaction();
    q.prepare(QString("INSERT INTO [RixData] (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                  .arg(names.join(", ")));
    const char *kinds[] = {"Speedometer", "Tachometer", "Tachometer with LCD", "Sumlog", "Synchroniser"};
    for (int i = 1; i <= MasterTypes; ++i) {
        const QVariantList v{i, QString("SK-%1").arg(i, 5, 10, QChar('0')),
                             QString("%1 model %2").arg(kinds[i % 5]).arg(i), i % 3 ? "yes" : "no", "85 mm", "0",
                             "60 km/h", "0", "37 mph", "Frequency", 1 + i % 2, 0, 60, 0, 600, i % 2, 100.0,
                             60000.0, "Imp./km", i % 2, picture};
        for (int k = 0; k < v.size(); ++k)
            q.bindValue(k, v[k]);
        if (!q.exec())
            qFatal("insert: %s", qPrintable(q.lastError().text()));
    }
    q.prepare("INSERT INTO [SensorTabelle] VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    const char *groups[] = {"Vorrat Hebelgeber", "Vorrat Tauchrohrgeber", "Temperaturgeber", "Druckgeber",
                            "Benutzerdefiniert"};
    for (int i = 1; i <= Sensors; ++i) {
        const QVariantList v{i, QString("S-%1").arg(i, 5, 10, QChar('0')), groups[i % 5], "%", "Ohm", 0.0, 100.0,
                             10.0, 180.0, "10;52;95;137;180", "0;25;50;75;100", QString("Sensor %1").arg(i)};
        for (int k = 0; k < v.size(); ++k)
            q.bindValue(k, v[k]);
        if (!q.exec())
            qFatal("insert: %s", qPrintable(q.lastError().text()));
    }
    db.commit();
    q.finish();
    db.close();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void report(const char *what, double ms, double target)
{
    std::printf("%-44s %9.3f ms   (target < %g ms)%s\n", what, ms, target, ms < target ? "" : "   OVER TARGET");
}

// The timings on the catalogue the settings name; false when a figure
// came out wrong.
bool timeCatalogue(const char *engine)
{
    std::printf("-- %s\n", engine);
    QElapsedTimer timer;
    MasterTypeSelection selection;
    timer.start();
    if (!selection.ensureOpen())
        return false;
    std::printf("%-44s %9.3f ms\n", "opening the master type catalogue", timer.nsecsElapsed() / 1e6);

    std::vector<double> listing;
    for (int run = 0; run < 9; ++run) {
        QVector<MasterTypeRow> rows;
        timer.restart();
        selection.listRows(rows);
        listing.push_back(timer.nsecsElapsed() / 1e6);
        if (rows.size() != MasterTypes)
            return false;
    }
    report("listing all 10 000 master types (median)", median(listing), 50);

    std::vector<double> fetch;
    QRandomGenerator rng(7);
    for (int i = 0; i < 1000; ++i) {
        const int key = 1 + int(rng.bounded(MasterTypes));
        timer.restart();
        selection.fetchById(key);
        fetch.push_back(timer.nsecsElapsed() / 1e6);
        if (selection.Results.SelectedId != key)
            return false;
    }
    report("FetchById with picture value (median)", median(fetch), 1);

    SensorSelection sensors;
    sensors.Type = 2;
    if (!sensors.ensureOpen())
        return false;
    std::vector<double> group;
    for (int run = 0; run < 9; ++run) {
        timer.restart();
        const auto rows = sensors.fillList();
        group.push_back(timer.nsecsElapsed() / 1e6);
        if (rows.size() != 2 * Sensors / 5)
            return false;
    }
    report("listing one sensor group, both databases", median(group), 50);
    return true;
}

void useCatalogue(const QString &location)
{
    settings_store::writeString("Directories", "DBase", location);
    settings_store::writeString("DIRECTORIES", "DBASEUSER", location);
}

bool pgServer(const QString &action, const QString &folder)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QStringLiteral(SKALERON_SOURCE_DIR "/scripts/pg-server"), {action, folder});
    return p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// The catalogue imported onto a server of its own, timed the same way.
int timeOnServer(const QString &file, const QString &folder)
{
    if (!pgServer("start", folder))
        return 1;
    if (!QFile::exists(folder + "/ready")) {
        std::printf("-- PostgreSQL: skipped\n");
        return 0;
    }
    // The server creates the database through the import's connection to
    // its maintenance database.
    {
        QSqlDatabase admin = QSqlDatabase::addDatabase("QPSQL", "admin");
        admin.setHostName(folder);
        admin.setDatabaseName("postgres");
        if (!admin.open() || !QSqlQuery(admin).exec("CREATE DATABASE bench"))
            qFatal("cannot create the database: %s", qPrintable(admin.lastError().text()));
        admin.close();
    }
    QSqlDatabase::removeDatabase("admin");
    const QString url = QStringLiteral("postgresql://%1/bench").arg(QString::fromLatin1(QUrl::toPercentEncoding(folder)));
    QElapsedTimer timer;
    timer.start();
    const catalogue_import::Result imported = catalogue_import::importCatalogue(file, url);
    if (imported.status != catalogue_import::Status::Ok)
        qFatal("import: %s", qPrintable(imported.reason));
    std::printf("imported onto the server in %lld ms\n", timer.elapsed());
    useCatalogue(url);
    const bool ok = timeCatalogue("PostgreSQL over the Unix socket");
    pgServer("stop", folder);
    return ok ? 0 : 1;
}

}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    // The server runs as another user when this runs as root: it must reach
    // its folder.
    QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFile::ExeGroup | QFile::ReadGroup
                                          | QFile::ExeOther | QFile::ReadOther);
    const QString path = dir.filePath("bench.sqlite");
    QElapsedTimer timer;
    timer.start();
    generate(path);
    QSqlDatabase::removeDatabase("generate");
    std::printf("generated %d master types and %d sensors in %lld ms\n", MasterTypes, Sensors, timer.elapsed());

    // The benchmark's own settings: both sensor databases name the catalogue.
    useCatalogue(path);
    if (!timeCatalogue("SQLite"))
        return 1;
    return timeOnServer(path, dir.filePath("pg"));
}
